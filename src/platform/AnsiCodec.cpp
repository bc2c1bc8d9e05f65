#include "platform/AnsiCodec.h"

#include <QStringDecoder>

#include "platform/ISettingsStore.h"
#include <QStringEncoder>

namespace tidepost {

AnsiCodec::AnsiCodec(QString codePage) : m_codePage(std::move(codePage)) {
    // Decode every byte once; ICU gives a lossless one-to-one mapping for these code pages,
    // and the table makes Encode and ByteOf cheap.
    QStringDecoder dec(m_codePage.toLatin1().constData());
    if (!dec.isValid()) return;
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) all[i] = static_cast<char>(i);
    QString decoded = dec.decode(all);
    if (decoded.size() == 256) m_table = decoded;
}

bool AnsiCodec::IsValid() const { return m_table.size() == 256; }

QChar AnsiCodec::CharOf(unsigned char byte) const {
    return IsValid() ? m_table.at(byte) : QChar(byte);
}

int AnsiCodec::ByteOf(QChar c) const {
    if (!IsValid()) return c.unicode() < 256 ? c.unicode() : -1;
    if (c.unicode() < 128 && m_table.at(c.unicode()) == c) return c.unicode();
    const qsizetype i = m_table.indexOf(c);
    return i < 0 ? -1 : static_cast<int>(i);
}

QString AnsiCodec::Decode(QByteArrayView bytes) const {
    // Whole data files pass through here: index the table directly.
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* to = out.data();
    const char* from = bytes.constData();
    const QChar* table = IsValid() ? m_table.constData() : nullptr;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(from[i]);
        to[i] = table ? table[byte] : QChar(byte);
    }
    return out;
}

QByteArray AnsiCodec::Encode(const QString& text) const {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* to = out.data();
    const QChar* from = text.constData();
    // Whole pages pass through here: ASCII the code page keeps as it is skips the look-up.
    const QChar* table = IsValid() ? m_table.constData() : nullptr;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = from[i].unicode();
        if (table && c < 128 && table[c] == QChar(c)) {
            to[i] = static_cast<char>(c);
            continue;
        }
        const int b = ByteOf(from[i]);
        to[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

AnsiCodec AnsiCodec::FromSettings(ISettingsStore& store, const QString& app, const QString& fallback) {
    AnsiCodec named(store.Get(app, "Config", "ANSI Code Page", fallback));
    if (named.IsValid()) return named;
    AnsiCodec chosen(fallback);
    return chosen.IsValid() ? chosen : AnsiCodec();
}

}  // namespace tidepost
