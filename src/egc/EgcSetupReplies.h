#pragma once
#include <QString>
#include <array>
#include <optional>

namespace tidepost {

// Readers of the EGC receiver's replies. Each value is read from its own marker's line only (up
// to CR or LF), so a line without a value never borrows the next line's "value is ".

// The digit after "value is " on the first line of the marker that carries one: 0 or 1, else
// grey (2) — also when the marker or its value is missing.
qint8 ReadSettingFlag(const QString& reply, const QString& marker);

// The message-type letters of the "-y " line (the 17 characters after "value is ", cut at the
// line end, trimmed), one box each: ticked when the letter occurs in either case, else clear.
// None when the marker or its value is missing.
std::optional<std::array<qint8, 10>> ReadMessageTypes(const QString& reply);

// The coastal areas of a "se -x" reply: the text after "value is " up to CR, LF or the prompt,
// trimmed; "." reads as no areas. None when "value is " is missing.
std::optional<QString> ReadCoastalAreas(const QString& reply, const QString& prompt);

// A "se -sn" reply. Header: the line "Spare Navareas:" (any case). Lines 0 to 3 after it give
// the four NAVAREAs when they hold a number of 0 to 99; later lines and larger numbers count for
// nothing. AnyNumeric: at least one of those lines gave a value.
struct SpareNavareas {
    bool Header = false;
    std::array<int, 4> Values{0, 0, 0, 0};
    bool AnyNumeric = false;
};
SpareNavareas ReadSpareNavareas(const QString& reply);

// The "fx" reply: False when the shell refused the command ("ERROR 120", any case).
bool FixedPositionsAccepted(const QString& reply);

// The lines of a reply split at each line end (CR LF, CR CR LF, LF or a lone CR); the text
// after the last line end (the prompt) is not a line.
QStringList ReplyLines(const QString& reply);

}  // namespace tidepost
