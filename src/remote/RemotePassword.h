#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// What an attempt to change the remote password came to.
enum class RemotePasswordChange {
    Accepted,         // stored
    Refused,          // the old password is wrong, or the confirmation differs
    UnknownCharacter, // a character the ANSI code page lacks (it would be stored as "?") or a control character
    TooShort,         // not empty and shorter than kMinRemotePasswordLength
};

// A password anyone could try out in the two hours a token holds is no protection.
inline constexpr int kMinRemotePasswordLength = 8;

// The stored remote password (section "Config", key "Remote Password") in clear text.
QString StoredRemotePassword(Foundation& f);

// Stores the new password when the old one is the stored one (exactly; "" while none is stored)
// and the confirmation equals it, and it is acceptable. The empty password is acceptable and
// switches remote configuration off.
RemotePasswordChange ChangeRemotePassword(Foundation& f, const QString& oldPassword, const QString& newPassword,
                                          const QString& confirmation);

// The box text that tells the outcome.
QString RemotePasswordChangeText(const Foundation& f, RemotePasswordChange outcome);

// A typed character the password fields discard, moving the focus on instead: codes 1 to 15
// other than Backspace.
bool RemotePasswordKeyMovesOn(QChar typed);

}  // namespace tidepost
