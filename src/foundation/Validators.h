#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Foundation;

// Checks of an address-book entry's name and number before it is stored. Each returns true when
// the text is acceptable. With display on the operator is told what is wrong (the name and e-mail
// checks at once in a box, the Inmarsat-C and DNID checks through the message-box queue, so those
// boxes come after the call has returned); with display off nothing is shown and `message` gets
// the reason where there is one. `message` is left alone otherwise.

// Fails for "" only; the name is not trimmed here. owner: the window that owns the box.
bool ValidateName(Foundation& f, const QString& text, bool display, QString& message, QWidget* owner = nullptr);
// Fails when the text lacks a "." or an "@". With display on the operator may accept it anyway.
bool ValidateEmail(Foundation& f, const QString& text, bool display, QString& message, QWidget* owner = nullptr);
// Exactly 12 characters beginning with the ocean region 580..584 and the mobile number's 4.
// Only one reason is given: the length when that is wrong. The characters need not be digits.
bool ValidateInmcNumber(Foundation& f, const QString& text, bool display, QString& message);
// At most 5 characters.
bool ValidateDnid(Foundation& f, const QString& text, bool display, QString& message);
// Telex, fax, PSTN, special-access-code and X.25 numbers: every text is accepted.
bool ValidateNumber(Foundation& f, const QString& text, bool display, QString& message);

}  // namespace tidepost
