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
    qint64 Bytes = 1024LL * 1024 * 1024;
    mutable QStringList Asked;
};

}  // namespace tidepost::test
