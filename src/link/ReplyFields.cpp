#include "link/ReplyFields.h"

namespace tidepost {

qint64 LeadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    constexpr qint64 kLimit = Q_INT64_C(999999999999999999);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) break;
        if (value < kLimit / 10) value = value * 10 + (ch.unicode() - '0');
        else value = kLimit;
    }
    return negative ? -value : value;
}

QString ValueWindow(const QString& text, qsizetype pos, qsizetype length) {
    if (pos < 0 || pos >= text.size() || length <= 0) return {};
    QString value = text.mid(pos, length);
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\r') || value.at(i) == QLatin1Char('\n')) {
            value.truncate(i);
            break;
        }
    }
    return value;
}

qsizetype ValueStartAfterKey(const QString& text, const QString& key) {
    const qsizetype keyPos = text.indexOf(key, 0, Qt::CaseInsensitive);
    if (keyPos < 0) return -1;
    const qsizetype colon = text.indexOf(QLatin1Char(':'), keyPos + key.size());
    return colon < 0 ? -1 : colon + 1;
}

QString TextAfterMarker(const QString& text, const QString& marker, qsizetype length) {
    const qsizetype at = text.indexOf(marker);
    if (at < 0) return {};
    return text.mid(at + marker.size(), length);
}

}  // namespace tidepost
