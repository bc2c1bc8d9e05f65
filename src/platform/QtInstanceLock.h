#pragma once
#include <QString>
#include <memory>

#include "platform/IInstanceLock.h"

class QLockFile;

namespace tidepost {

// The lock file "Tidepost.lock" in the user's runtime folder ($XDG_RUNTIME_DIR, or the one Qt
// makes when that is not set). Where neither is usable the lock goes into the fallback folder
// (the data folder, which every copy that would share the files shares). The lock of a copy that
// died is taken over, because the process that held it is gone. A lock that cannot be made at all
// is a failure, never a permission to run: two copies would rewrite the same index files.
class QtInstanceLock : public IInstanceLock {
public:
    // `folder` empty: the user's runtime folder.
    explicit QtInstanceLock(QString folder = {});
    ~QtInstanceLock() override;
    InstanceClaim Claim(const std::function<QString()>& fallbackFolder) override;
    QString FilePath() const { return m_path; }

private:
    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace tidepost
