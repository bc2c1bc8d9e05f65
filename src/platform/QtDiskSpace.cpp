#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "platform/QtDiskSpace.h"

namespace tidepost {

namespace {

// The space belongs to the file system, so a folder that is still to be created counts as the
// place it would be created in. "" when no part of the path exists.
QString NearestExisting(const QString& absolutePath) {
    if (absolutePath.isEmpty() || QDir::isRelativePath(absolutePath)) return {};
    QString place = QDir::cleanPath(absolutePath);
    while (!QFileInfo::exists(place)) {
        const QString parent = QFileInfo(place).path();
        if (parent == place) return {};
        place = parent;
    }
    return place;
}

}  // namespace

qint64 QtDiskSpace::FreeBytes(const QString& absolutePath) const {
    const QString place = NearestExisting(absolutePath);
    if (place.isEmpty()) return -1;
    const QStorageInfo storage(place);
    if (!storage.isValid() || !storage.isReady()) return -1;
    return storage.bytesAvailable();
}

QString QtDiskSpace::RootPath(const QString& absolutePath) const {
    const QString place = NearestExisting(absolutePath);
    if (place.isEmpty()) return {};
    const QStorageInfo storage(place);
    return storage.isValid() ? storage.rootPath() : QString();
}

}  // namespace tidepost
