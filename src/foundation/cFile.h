#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// Whole-file load and save of ANSI text, and the existence test. Stateless: make one where needed.
class cFile {
public:
    explicit cFile(Foundation& f) : m_f(f) {}

    // The whole file as ANSI text into strData; false on any failure, strData unchanged, no message.
    bool Load(const QString& path, QString& strData) const;
    // Writes strData as ANSI text, unchanged and without an added line end. An existing file is
    // replaced only when bOverWrite is true, and then atomically, so a failed write never leaves
    // it empty or cut short. A failure queues a message box and gives false.
    bool Save(const QString& path, const QString& strData, bool bOverWrite) const;
    // Whether a file (not a folder) exists at path.
    bool FileExists(const QString& path) const;

private:
    Foundation& m_f;
};

}  // namespace tidepost
