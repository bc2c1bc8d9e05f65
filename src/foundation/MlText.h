#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// The string-table text of the id in the current language, or `english` while the table has none.
QString MlText(const Foundation& f, int stringId, const QString& english);

}  // namespace tidepost
