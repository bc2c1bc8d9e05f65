#include "foundation/UrlDecode.h"

#include "platform/AnsiCodec.h"

namespace tidepost {

namespace {

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

}  // namespace

QString UrlDecode(const AnsiCodec& codec, QStringView text) {
    QString result;
    result.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'+') {
            result += u' ';
        } else if (c == u'%' && i + 2 < n) {
            const int high = HexDigit(text[i + 1]);
            const int low = HexDigit(text[i + 2]);
            if (high < 0 || low < 0) return QString();
            result += codec.CharOf(static_cast<unsigned char>(high * 16 + low));
            i += 2;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace tidepost
