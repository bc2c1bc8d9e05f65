#include "foundation/DataFileText.h"


namespace tidepost {

QStringList SplitFileLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) lines.append(current);
    return lines;
}

}  // namespace tidepost
