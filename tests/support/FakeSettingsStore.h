#pragma once
#include <QMap>

#include "platform/ISettingsStore.h"

namespace tidepost::test {

// The settings store in memory. Look-ups ignore case, as the per-user store does.
class FakeSettingsStore : public ISettingsStore {
public:
    QString Get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    bool Save(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QList<QPair<QString, QString>> GetSection(const QString& app, const QString& section) override;
    void DeleteKey(const QString& app, const QString& section, const QString& key) override;
    void DeleteApplication(const QString& app) override;

    bool Has(const QString& app, const QString& section, const QString& key) const;
    int SaveCount = 0;
    // While set, every Save stores nothing and fails.
    bool FailSaves = false;

private:
    struct Entry { QString app, section, key, value; };
    QList<Entry> m_entries;
    int IndexOf(const QString& app, const QString& section, const QString& key) const;
};

}  // namespace tidepost::test
