#include "foundation/HtmlText.h"

namespace tidepost {

QString TextToHtml(const QString& text) {
    return text.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
}

}  // namespace tidepost
