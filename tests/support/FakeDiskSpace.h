#pragma once
#include <QStringList>

#include "platform/IDiskSpace.h"

namespace tidepost::test {

// Reports the free space the test sets (-1: the file system cannot be read) and records the paths asked.
class FakeDiskSpace : public IDiskSpace {
public:
    qint64 FreeBytes(const QString& absolutePath) const override {
        Asked.append(absolutePath);
        return Bytes;
    }
    QString RootPath(const QString& absolutePath) const override {
        (void)absolutePath;
        return Root;
    }
    qint64 Bytes = 1024LL * 1024 * 1024;
    QString Root;  // the mount point reported for every path
    mutable QStringList Asked;
};

}  // namespace tidepost::test
