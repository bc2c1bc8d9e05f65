#include "foundation/AppSettings.h"

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "platform/ISettingsStore.h"

namespace tidepost {

namespace {
QString RedirectedKey(const QString& section, const QString& key) { return "[" + section + "_" + key + "]"; }
}  // namespace

bool IsAppSettingRedirected(const Foundation& f) { return f.OsMajorVersion == 5 && f.OsSuiteMask == 64; }

QString GetAppSetting(Foundation& f, const QString& app, const QString& section, const QString& key,
                      const QString& defaultValue) {
    if (IsAppSettingRedirected(f)) {
        const QString value = GetIniValue(f, RedirectedKey(section, key));
        return value.isEmpty() ? defaultValue : value;
    }
    return f.Os.Settings->Get(app, section, key, defaultValue);
}

bool SaveAppSetting(Foundation& f, const QString& app, const QString& section, const QString& key,
                    const QString& value) {
    if (IsAppSettingRedirected(f)) {
        SetIniValue(f, RedirectedKey(section, key), value, false);
        return WriteIniFile(f);
    }
    return f.Os.Settings->Save(app, section, key, value);
}

}  // namespace tidepost
