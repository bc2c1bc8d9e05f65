#include "remote/RemotePassword.h"

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/UsefullCodePages.h"

namespace tidepost {

namespace {

const QString kSection = QStringLiteral("Config");
const QString kKey = QStringLiteral("Remote Password");

bool HasUnstorableCharacter(const Foundation& f, const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127 || f.Os.Codec.ByteOf(c) < 0) return true;
    return false;
}

}  // namespace

QString StoredRemotePassword(Foundation& f) {
    return DecodeHexComplement(f, GetAppSetting(f, f.gProductName, kSection, kKey, QString()));
}

RemotePasswordChange ChangeRemotePassword(Foundation& f, const QString& oldPassword, const QString& newPassword,
                                          const QString& confirmation) {
    if (oldPassword != StoredRemotePassword(f) || newPassword != confirmation) return RemotePasswordChange::Refused;
    if (HasUnstorableCharacter(f, newPassword)) return RemotePasswordChange::UnknownCharacter;
    if (!newPassword.isEmpty() && newPassword.size() < kMinRemotePasswordLength) return RemotePasswordChange::TooShort;
    SaveAppSetting(f, f.gProductName, kSection, kKey, EncodeHexComplement(f, newPassword));
    return RemotePasswordChange::Accepted;
}

QString RemotePasswordChangeText(const Foundation& f, RemotePasswordChange outcome) {
    switch (outcome) {
    case RemotePasswordChange::Accepted: return MlText(f, 2764, "New Remote Password Registered OK!");
    case RemotePasswordChange::Refused: return MlText(f, 2765, "Remote Password Failure!");
    case RemotePasswordChange::UnknownCharacter:
        return MlText(f, 3580,
                      "The new remote password holds a control character or a character that this PC's code page "
                      "cannot store. The password was not changed.");
    case RemotePasswordChange::TooShort:
        return MlText(f, 3581,
                      "The new remote password is too short: use at least 8 characters, or leave it empty to turn "
                      "remote configuration off. The password was not changed.");
    }
    return {};
}

bool RemotePasswordKeyMovesOn(QChar typed) {
    const char16_t code = typed.unicode();
    return code >= 1 && code <= 15 && code != 8;
}

}  // namespace tidepost
