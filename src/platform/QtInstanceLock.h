#pragma once
#include <QString>
#include <memory>

#include "platform/IInstanceLock.h"

class QLockFile;

namespace tidepost {

// The lock file "Tidepost.lock" in the user's runtime folder ($XDG_RUNTIME_DIR). The lock of a copy
// that died is taken over, because the process that held it is gone. A lock that cannot be made at
// all (no runtime folder, no access) does not keep the program from running: only a copy that
// really runs refuses the next.
class QtInstanceLock : public IInstanceLock {
public:
    // `folder` empty: the user's runtime folder.
    explicit QtInstanceLock(QString folder = {});
    ~QtInstanceLock() override;
    bool Claim() override;
    QString FilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace tidepost
