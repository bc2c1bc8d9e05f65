#include "foundation/UsefullCodePages.h"

#include "foundation/Foundation.h"
#include "platform/AnsiCodec.h"
#include "platform/ISettingsStore.h"

namespace tidepost {

namespace {
const AnsiCodec& Cp1251() {
    static const AnsiCodec codec("windows-1251");
    return codec;
}

int HexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - '0';
    if (c >= u'A' && c <= u'F') return c.unicode() - 'A' + 10;
    if (c >= u'a' && c <= u'f') return c.unicode() - 'a' + 10;
    return -1;
}
}  // namespace

QByteArray Cp1251BytesToCp866(QByteArray bytes) {
    for (char& ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 192 && b <= 239) {
            ch = static_cast<char>(b - 64);
        } else if (b >= 240) {
            ch = static_cast<char>(b - 16);
        }
    }
    return bytes;
}

QString Cp1251ToCp866(const QString& text) { return Cp1251().Decode(Cp1251BytesToCp866(Cp1251().Encode(text))); }

QString Cp866ToCp1251(const QString& text) {
    QByteArray bytes = Cp1251().Encode(text);
    for (char& ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 128 && b <= 175) {
            ch = static_cast<char>(b + 64);
        } else if (b >= 224 && b <= 239) {
            ch = static_cast<char>(b + 16);
        }
    }
    return Cp1251().Decode(bytes);
}

void ChooseAnsiCodePage(Foundation& f) {
    if (f.Os.Settings == nullptr) return;
    const QString fallback = f.Strings.CurrentLanguageId == 1049 ? QStringLiteral("windows-1251")
                                                                 : QStringLiteral("windows-1252");
    f.Os.Codec = AnsiCodec::FromSettings(*f.Os.Settings, f.gProductName, fallback);
}

QString EncodeHexComplement(const Foundation& f, const QString& text) {
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        int code = f.Os.Codec.ByteOf(c);
        if (code < 0) code = '?';
        out += QString::number(255 - code % 256, 16).toUpper().rightJustified(2, u'0');
    }
    return out;
}

QString DecodeHexComplement(const Foundation& f, const QString& text) {
    QString out;
    out.reserve(text.size() / 2 + 1);
    for (qsizetype i = 0; i < text.size(); i += 2) {
        int v = HexDigit(text.at(i));
        if (v < 0) return {};
        if (i + 1 < text.size()) {
            const int low = HexDigit(text.at(i + 1));
            if (low < 0) return {};
            v = v * 16 + low;
        }
        out += f.Os.Codec.CharOf(static_cast<unsigned char>(255 - v));
    }
    return out;
}

}  // namespace tidepost
