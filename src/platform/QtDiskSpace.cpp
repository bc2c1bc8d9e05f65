#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "platform/IDiskSpace.h"

namespace tidepost {

qint64 QtDiskSpace::FreeBytes(const QString& absolutePath) const {
    if (absolutePath.isEmpty() || QDir::isRelativePath(absolutePath)) return -1;
    // The space belongs to the file system, so a folder that is still to be created counts as
    // the place it would be created in.
    QString place = QDir::cleanPath(absolutePath);
    while (!QFileInfo::exists(place)) {
        const QString parent = QFileInfo(place).path();
        if (parent == place) return -1;
        place = parent;
    }
    const QStorageInfo storage(place);
    if (!storage.isValid() || !storage.isReady()) return -1;
    return storage.bytesAvailable();
}

}  // namespace tidepost
