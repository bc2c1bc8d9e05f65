#pragma once
#include "platform/IDiskSpace.h"

namespace tidepost {

// QStorageInfo.
class QtDiskSpace : public IDiskSpace {
public:
    qint64 FreeBytes(const QString& absolutePath) const override;
    QString RootPath(const QString& absolutePath) const override;
};

}  // namespace tidepost
