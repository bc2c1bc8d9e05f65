#pragma once
#include <QString>

namespace tidepost {

// Free space of the file systems the data lives on.
class IDiskSpace {
public:
    virtual ~IDiskSpace() = default;
    // Bytes the user may still write on the file system that holds absolutePath (or, for a path
    // that does not exist yet, its nearest existing parent folder); -1 when it cannot be read.
    virtual qint64 FreeBytes(const QString& absolutePath) const = 0;
    // Where the file system that holds absolutePath is mounted (what a drive letter names
    // elsewhere); "" when it cannot be told.
    virtual QString RootPath(const QString& absolutePath) const {
        (void)absolutePath;
        return {};
    }
};

}  // namespace tidepost
