#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// The fields of an e-mail service provider's record that e-mail and SMS submissions need; the
// provider is named as the settings file's "[Default ISP]" names it.

// The destination code of the provider's access: 6 for "SAC", 3 for "X.25", 255 for anything else
// (letter case counts).
quint8 GetIspAccessType(Foundation& f, const QString& provider);
// The access address (field 12).
QString GetIspAccessNumber(Foundation& f, const QString& provider);
// The SMS access code (field 16).
QString GetIspSmsAccess(Foundation& f, const QString& provider);

}  // namespace tidepost
