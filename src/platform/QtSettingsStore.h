#pragma once
#include "platform/ISettingsStore.h"

namespace tidepost {

// QSettings in INI format under $XDG_CONFIG_HOME/Tidepost/<app>.ini, readable by the user only
// (it holds encoded passwords).
class QtSettingsStore : public ISettingsStore {
public:
    // configRoot: the folder that holds the per-application files; empty = the user's config folder.
    explicit QtSettingsStore(QString configRoot = {});
    QString Get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    bool Save(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QList<QPair<QString, QString>> GetSection(const QString& app, const QString& section) override;
    void DeleteKey(const QString& app, const QString& section, const QString& key) override;
    void DeleteApplication(const QString& app) override;
    QString FileOf(const QString& app) const;

private:
    QString m_root;
};

}  // namespace tidepost
