#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tidepost {

QtSettingsStore::QtSettingsStore(QString configRoot) : m_root(std::move(configRoot)) {
    if (m_root.isEmpty())
        m_root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tidepost";
}

QString QtSettingsStore::FileOf(const QString& app) const { return m_root + "/" + app + ".ini"; }

namespace {
QString KeyPath(const QString& section, const QString& key) { return section + "/" + key; }

// Makes the file private before anything is written to it. QSettings writes through a temporary
// file that takes the permissions of the file it replaces, and for a new file those the umask
// gives, so a new file is first created empty with mode 0600 (and an older, wider one narrowed).
void MakePrivate(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0) {
        ::fchmod(fd, S_IRUSR | S_IWUSR);  // a umask that takes the owner's write bit away
        ::close(fd);
    } else if (errno == EEXIST) {
        ::chmod(name.constData(), S_IRUSR | S_IWUSR);
    }
}
}  // namespace

QString QtSettingsStore::Get(const QString& app, const QString& section, const QString& key,
                             const QString& defaultValue) {
    QSettings s(FileOf(app), QSettings::IniFormat);
    const QVariant v = s.value(KeyPath(section, key));
    return v.isValid() ? v.toString() : defaultValue;
}

bool QtSettingsStore::Save(const QString& app, const QString& section, const QString& key,
                           const QString& value) {
    QDir().mkpath(m_root);
    MakePrivate(FileOf(app));
    QSettings s(FileOf(app), QSettings::IniFormat);
    s.setValue(KeyPath(section, key), value);
    s.sync();
    return s.status() == QSettings::NoError;
}

QList<QPair<QString, QString>> QtSettingsStore::GetSection(const QString& app, const QString& section) {
    QSettings s(FileOf(app), QSettings::IniFormat);
    s.beginGroup(section);
    QList<QPair<QString, QString>> out;
    for (const QString& k : s.childKeys()) out.append({k, s.value(k).toString()});
    return out;
}

void QtSettingsStore::DeleteKey(const QString& app, const QString& section, const QString& key) {
    QSettings s(FileOf(app), QSettings::IniFormat);
    s.remove(KeyPath(section, key));
    s.sync();
}

void QtSettingsStore::DeleteApplication(const QString& app) { QFile::remove(FileOf(app)); }

}  // namespace tidepost
