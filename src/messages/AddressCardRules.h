#pragma once
#include <QChar>
#include <QString>

namespace tidepost {

// The address card's rules for what may be typed and stored, apart from the window.

// The character of backspace as the key filters see it.
inline constexpr char16_t kBackspaceKey = 8;

// What a key filter does with one typed character: let it through or swallow it, and the id of
// the string the operator is then told in a box (0: none).
struct CardKeyVerdict {
    bool Pass = true;
    int BoxStringId = 0;
    friend bool operator==(const CardKeyVerdict&, const CardKeyVerdict&) = default;
};

// `NameTextField`: ";" and "/" are swallowed.
CardKeyVerdict NameKey(QChar key);
// `TwoDigitPrefix`: digits and backspace only.
CardKeyVerdict PrefixKey(QChar key);
// `MemberNo` holding `text`, the selection (or caret) at selStart..selStart+selLength: digits and
// backspace only, and the member number the key would make must lie in 1..255 (box 2586).
CardKeyVerdict MemberKey(const QString& text, int selStart, int selLength, QChar key);
// `NumberTextField` for the destination type, holding `text`, caret or selection start at
// selStart: digits only for all but e-mail, telex and special access codes (fax and PSTN also
// take a "+" in front); at most 5 characters for a DNID (box 2587); an Inmarsat-C number keeps
// its "58", takes an ocean digit 0..4 and then the 4 of a mobile number, and at most 12
// characters (box 2588).
CardKeyVerdict NumberKey(int type, const QString& text, int selStart, int selLength, QChar key);
// The Delete key in `NumberTextField`: an Inmarsat-C number's "58" cannot be deleted.
bool NumberDeleteKeyPasses(int type, int selStart);

// The rules a whole field must meet when the card is saved; a pasted text passes no key filter,
// so each field is checked as a whole. address.dat cannot hold ":" or a line break in any field,
// and a ";" or "/" in a name would not be found again in the address fields.

// No ";", "/", ":", CR or LF.
bool IsAcceptableCardName(const QString& name);
// No ":", CR or LF; digits only for Inmarsat-C, DNID, X.25 and SMS numbers; digits after one
// optional "+" for fax and PSTN numbers.
bool IsAcceptableCardNumber(int type, const QString& number);
// Empty, or a whole number 1..255.
bool IsAcceptableMemberNo(const QString& member);
// Exactly two digits.
bool IsAcceptablePrefix(const QString& prefix);

}  // namespace tidepost
