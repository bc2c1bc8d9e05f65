#include <QStandardPaths>
#include <QStringList>
#include <QSysInfo>

#include "platform/LinuxOsFacts.h"

namespace tidepost {

OsVersionRecord LinuxOsFacts::GetOsVersion() const {
    OsVersionRecord r;
    const QStringList parts = QSysInfo::kernelVersion().split('.');
    if (!parts.isEmpty()) r.MajorVersion = parts.value(0).toInt();
    if (parts.size() > 1) r.MinorVersion = parts.value(1).toInt();
    return r;
}

QString LinuxOsFacts::UserDataLocation() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

}  // namespace tidepost
