#pragma once
#include <QByteArray>
#include <QString>

namespace tidepost {

struct Foundation;

// Russian text for the transceiver: the text's windows-1251 bytes with the Cyrillic letters moved
// to their DOS 866 codes (192-239 minus 64, 240-255 minus 16), read back through windows-1251 so
// that writing the result out as windows-1251 puts the 866 codes on the wire. Ё and ё stay as they are.
QString Cp1251ToCp866(const QString& text);
// The same move done on windows-1251 bytes themselves.
QByteArray Cp1251BytesToCp866(QByteArray bytes);
// The inverse, for text that arrived in code page 866 but was read as windows-1251:
// 128-175 plus 64, 224-239 plus 16.
QString Cp866ToCp1251(const QString& text);

// Chooses the ANSI code page of every data file and of the transceiver's text (f.Os.Codec): the one
// the settings store names, else windows-1251 while the interface is Russian (1049), else
// windows-1252. Called once the language is known, so a Russian user's text is not lost to "?".
void ChooseAnsiCodePage(Foundation& f);

// The reversible encoding of the stored remote password: each character's byte in the ANSI code
// page (f.Os.Codec; '?' for a character it lacks) subtracted from 255, as two upper-case hex digits.
QString EncodeHexComplement(const Foundation& f, const QString& text);
// Reads pairs of hex digits (either case; a single last digit on its own) and gives the character
// of 255 minus each value. A text holding anything but hex digits gives "", so a damaged stored
// value never turns into a password nobody typed.
QString DecodeHexComplement(const Foundation& f, const QString& text);

}  // namespace tidepost
