#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace tidepost {

QtSettingsStore::QtSettingsStore(QString configRoot) : m_root(std::move(configRoot)) {
    if (m_root.isEmpty())
        m_root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tidepost";
}

QString QtSettingsStore::FileOf(const QString& app) const { return m_root + "/" + app + ".ini"; }

namespace {
QString KeyPath(const QString& section, const QString& key) { return section + "/" + key; }

void Restrict(const QString& file) {
    if (QFile::exists(file))
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
}  // namespace

QString QtSettingsStore::Get(const QString& app, const QString& section, const QString& key,
                             const QString& defaultValue) {
    QSettings s(FileOf(app), QSettings::IniFormat);
    const QVariant v = s.value(KeyPath(section, key));
    return v.isValid() ? v.toString() : defaultValue;
}

void QtSettingsStore::Save(const QString& app, const QString& section, const QString& key,
                           const QString& value) {
    QDir().mkpath(m_root);
    {
        QSettings s(FileOf(app), QSettings::IniFormat);
        s.setValue(KeyPath(section, key), value);
        s.sync();
    }
    Restrict(FileOf(app));
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
