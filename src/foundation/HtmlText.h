#pragma once
#include <QString>

namespace tidepost {

// A text shown inside an HTML page as it stands: "&", "<", ">" and '"' escaped, so that text from
// outside cannot become markup or script, then every CR LF made "<br>". A lone CR or LF stays.
QString TextToHtml(const QString& text);

}  // namespace tidepost
