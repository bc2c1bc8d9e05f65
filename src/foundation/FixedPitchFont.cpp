#include "foundation/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace tidepost {

QFont FixedPitchFont(int pointSize) {
    for (const char* family : {"Courier New", "Courier"}) {
        QFont font(QString::fromLatin1(family), pointSize);
        if (QFontInfo(font).family().compare(QLatin1String(family), Qt::CaseInsensitive) == 0) return font;
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(pointSize);
    return fixed;
}

}  // namespace tidepost
