#pragma once
#include <QString>

namespace tidepost {

// "\" arriving in data is a path separator too.
QString NormalizeSeparators(const QString& path);

// The path of `name` inside `folder`: an existing entry whose name matches ignoring case is used,
// otherwise the name as written. `name` may itself hold sub-folders; each step is looked up alike.
QString FindFileNoCase(const QString& folder, const QString& name);

}  // namespace tidepost
