#include "remote/MD5Driver.h"

#include <QCryptographicHash>

#include "platform/AnsiCodec.h"

namespace tidepost {

QByteArray StringToByteArray(const AnsiCodec& codec, const QString& text) { return codec.Encode(text); }

QString ByteArrayToHex(const QByteArray& bytes) {
    static const char lower[] = "0123456789abcdef";
    static const char upper[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 16) {
            hex += u'0';
            hex += QLatin1Char(upper[b]);
        } else {
            hex += QLatin1Char(lower[b >> 4]);
            hex += QLatin1Char(lower[b & 15]);
        }
    }
    return hex;
}

QString GetMD5Hex(const AnsiCodec& codec, const QString& text) {
    return ByteArrayToHex(QCryptographicHash::hash(StringToByteArray(codec, text), QCryptographicHash::Md5));
}

}  // namespace tidepost
