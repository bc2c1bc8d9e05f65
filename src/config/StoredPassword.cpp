#include "config/StoredPassword.h"

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/cErrorLog.h"
#include "platform/AnsiCodec.h"

namespace tidepost {

namespace {

QChar Symbol(int half) { return QChar(half < 10 ? '0' + half : 'A' + half); }

// The value of one stored symbol, -1 for any other character.
int HalfOf(QChar symbol) {
    const char16_t c = symbol.unicode();
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'K' && c <= u'P') return c - u'A';
    return -1;
}

}  // namespace

std::optional<QString> EncodeStoredPassword(const AnsiCodec& codec, const QString& text) {
    QString stored;
    stored.reserve(text.size() * 2);
    for (const QChar ch : text) {
        const int byte = codec.ByteOf(ch);
        if (byte < 0) return std::nullopt;
        stored += Symbol(byte >> 4);
        stored += Symbol(byte & 0x0F);
    }
    return stored;
}

std::optional<QString> DecodeStoredPassword(const AnsiCodec& codec, const QString& stored) {
    if (stored.size() % 2 != 0) return std::nullopt;
    QString text;
    text.reserve(stored.size() / 2);
    for (qsizetype i = 0; i < stored.size(); i += 2) {
        const int high = HalfOf(stored.at(i));
        const int low = HalfOf(stored.at(i + 1));
        if (high < 0 || low < 0) return std::nullopt;
        text += codec.CharOf(static_cast<unsigned char>(high * 16 + low));
    }
    return text;
}

bool StoredPasswordMatches(Foundation& f, const char* key, const QString& typed) {
    const QString stored = GetAppSetting(f, f.gProductName, "Config", key, QString());
    const std::optional<QString> password = DecodeStoredPassword(f.Os.Codec, stored);
    if (!password) {
        // The value is not written to the log: it is a password, however damaged.
        ErrorLog(f).AddLine(QStringLiteral("The stored \"%1\" (settings store, section \"Config\") is damaged; no "
                                           "password matches it until it is set again.")
                                .arg(QLatin1String(key)));
        return false;
    }
    return *password == typed;
}

bool ChangeStoredPassword(Foundation& f, const char* key, const QString& old, const QString& newText,
                          const QString& confirm) {
    if (newText != confirm) return false;
    const std::optional<QString> encoded = EncodeStoredPassword(f.Os.Codec, newText);
    if (!encoded) return false;
    if (!StoredPasswordMatches(f, key, old)) return false;
    return SaveAppSetting(f, f.gProductName, "Config", key, *encoded);
}

}  // namespace tidepost
