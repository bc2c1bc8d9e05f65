#include "foundation/DataFileText.h"


namespace tidepost {

QStringList SplitFileLines(const QString& text) {
    QStringList lines;
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < size) lines.append(text.mid(start));
    return lines;
}

}  // namespace tidepost
