#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The code-page, hex-complement and file routines of the same module live in their own files;
// they are included here so that callers need only this header.
#include "foundation/UsefullCodePages.h"
#include "foundation/UsefullFileRoutines.h"

namespace tidepost {

// Small stateless text routines used all over the program. Texts hold one character per byte
// (see AnsiCodec), so positions and lengths are those the transceiver and the files count.
// Positions and line/field numbers count from 1.

// The number of CR characters plus 1 ("" gives 1). Any length is counted.
int CountLines(const QString& text);

// Line n of text, lines being separated by echoTerminator. The terminator's first character stays
// at the end of its line and the rest starts the next one; only LF characters are then removed.
// So with CR LF every line but the last keeps a trailing CR, which reply parsers count on.
// A line beyond the last, or n < 1, gives "".
QString GetLine(int n, const QString& text, const QString& echoTerminator);

// Field n of text split at a one-character separator; "" when text has fewer fields.
// A separator of any other length never matches, so field 1 is then the whole text.
QString GetField(int n, const QString& separator, const QString& text);

// text without its last character; "" stays "".
QString DropLastChar(const QString& text);
// text with every occurrence of the one-character text c removed; any other c removes nothing.
QString RemoveChar(const QString& text, const QString& c);
QString RemoveSpaces(const QString& text);
QString RemoveColons(const QString& text);
// Removes every STX (2) and ETX (3).
QString RemoveStxEtx(const QString& text);
// One-line form: STX/ETX removed, then CR LF, then lone CR, then lone LF each become one blank.
QString FlattenText(const QString& text);
// Every line break (CR LF, lone CR, LF CR, lone LF) becomes CR LF.
QString NormalizeCrLf(const QString& text);
// Every LF becomes CR LF, then every CR CR pair (left to right, not overlapping) becomes one CR.
QString LfToCrLf(const QString& text);

// text without the blanks at either end; tabs and line breaks are text and stay.
QStringView TrimBlanks(QStringView text);

// True when text is not empty and holds only the ASCII digits 0-9 (no sign, blank or point).
bool IsAllDigits(const QString& text);

// The whole number at the start of text as the classic Val reads it: blanks and tabs anywhere are
// skipped, an optional sign, then ASCII digits up to the first other character; 0 without a
// digit ("001" gives 1, "Auto" 0, " 1 02" 102). Very long digit runs stop growing at the limit.
qint64 LeadingNumber(QStringView text);

// Trims blanks; a number of 0 or more is padded with "0" to three characters (longer ones stay);
// a negative number or anything else gives "Unk". Written back into text and returned.
// A number is ASCII digits with at most one decimal point, optionally preceded by "-".
QString FormatThreeDigits(QString& text);

// A Boolean setting as stored: the words True and False (any letter case) or a number, 0 meaning
// false; blanks around it are ignored. No value for any other text, so each caller decides what an
// unreadable setting means.
std::optional<bool> TruthValue(const QString& text);

// For a key press: a code other than backspace (8) whose character (its Unicode value) does not
// occur in allowed is set to 0, in code too. Returns the code.
int FilterKey(int& code, const QString& allowed);

// path with a folder separator appended unless it already ends with one. Paths use "/" here, and
// a "\" that came from data counts as a separator too, so only "/" is ever appended ("" gives "/").
QString AddBackslash(const QString& path);

// The ocean of a station number: 0 below 100, 1 for 100-199, 2 for 200-299, 3 for 300-399,
// 4 (none) from 400 on.
std::uint8_t GetOceanOfLes(int id);
// True when id mod 100 lies in 1..64 and the ocean is not 4. Negative numbers are never valid.
bool IsValidLesId(int id);

}  // namespace tidepost
