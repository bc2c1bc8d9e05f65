#pragma once
#include <QByteArray>
#include <QString>

namespace tidepost {

class AnsiCodec;

// The token of a remote-configuration packet: the MD5 digest of a text's ANSI bytes, in the
// sender's hex form.

// One byte per character: its code in the ANSI code page ('?' for a character the page lacks).
QByteArray StringToByteArray(const AnsiCodec& codec, const QString& text);
// Each byte from 16 up as two lower-case hex digits; a byte from 0 to 15 as "0" and its one hex
// digit in upper case ("0A" … "0F"). Senders build their tokens in exactly this form.
QString ByteArrayToHex(const QByteArray& bytes);
// The 32-character token form of the MD5 digest of the text.
QString GetMD5Hex(const AnsiCodec& codec, const QString& text);

}  // namespace tidepost
