#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tidepost {

// Single-byte "ANSI" text at the boundary to the transceiver and the data files: exactly one
// character per byte, so every column, offset and length stays as the other side counts it.
class AnsiCodec {
public:
    // codePage: "windows-1252" (default), "windows-1251" or "IBM866".
    explicit AnsiCodec(QString codePage = "windows-1252");
    const QString& CodePage() const { return m_codePage; }
    bool IsValid() const;  // the code page is known to this system

    QString Decode(QByteArrayView bytes) const;
    // Characters the code page lacks become '?', one byte each.
    QByteArray Encode(const QString& text) const;

    // The byte value (0..255) of one character in this code page, -1 when it has none.
    int ByteOf(QChar c) const;
    QChar CharOf(unsigned char byte) const;

    // The code page named in the settings store (section "Config", key "ANSI Code Page"), or
    // `fallback` when none is named or the name is unknown.
    static AnsiCodec FromSettings(class ISettingsStore& store, const QString& app,
                                  const QString& fallback = QStringLiteral("windows-1252"));

private:
    QString m_codePage;
    QString m_table;  // the 256 characters of the code page, indexed by byte value
};

}  // namespace tidepost
