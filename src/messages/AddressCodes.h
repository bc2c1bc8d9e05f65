#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>

namespace tidepost {

// The words address.dat uses for the destination type and the presentation format. The type words
// differ from the display names of the code table in two places ("Email", "X25").

// The code of a type word, compared exactly (letter case counts); 0 (e-mail) for any other word.
std::uint8_t TypeWordToCode(QStringView word);
// The type word of a code 0..8; "" for any other code.
QString TypeCodeToWord(int code);
// "5" 0, "7" 1, "8" 2, compared exactly; 0 for anything else.
std::uint8_t FormatWordToCode(QStringView word);
// 0 "5", 1 "7", 2 "8"; "" for any other code.
QString FormatCodeToWord(int code);

// Telex, fax, Inmarsat-C, PSTN and X.25 (1, 2, 3, 4, 7): the types whose addresses are numbers that
// the entry's prefix goes in front of.
constexpr bool IsPrefixedNumberType(int type) { return type == 1 || type == 2 || type == 3 || type == 4 || type == 7; }

}  // namespace tidepost
