#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// Whether the settings store is redirected into the settings file: on the embedded edition
// (major version 5, suite mask exactly 64), once the start-up checks have read the version.
bool IsAppSettingRedirected(const Foundation& f);

// A per-user setting by application, section and key; `defaultValue` when it is not stored.
// Redirected, it is the settings-file key "[" section "_" key "]" (the application plays no
// part) and an empty value also gives the default.
QString GetAppSetting(Foundation& f, const QString& app, const QString& section, const QString& key,
                      const QString& defaultValue);
// Stores a per-user setting; redirected, it sets the settings-file key and writes the file at once.
// False when it could not be stored.
bool SaveAppSetting(Foundation& f, const QString& app, const QString& section, const QString& key,
                    const QString& value);

}  // namespace tidepost
