#pragma once
#include <QList>
#include <QPair>
#include <QString>

namespace tidepost {

// The per-user settings store, addressed by application, section and key.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual QString Get(const QString& app, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    // False when the value could not be stored (the store's file not writable, a full disk).
    virtual bool Save(const QString& app, const QString& section, const QString& key,
                      const QString& value) = 0;
    // Every key of a section with its value, in the store's order.
    virtual QList<QPair<QString, QString>> GetSection(const QString& app, const QString& section) = 0;
    virtual void DeleteKey(const QString& app, const QString& section, const QString& key) = 0;
    virtual void DeleteApplication(const QString& app) = 0;
};

}  // namespace tidepost
