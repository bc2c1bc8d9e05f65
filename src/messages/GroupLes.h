#pragma once
#include <QString>
#include <QtGlobal>

namespace tidepost {

struct Foundation;

// The land earth station that gets a group of this destination type in the ocean region last
// logged into: the e-mail provider's LES for e-mail and SMS, the default LES for every other type.
// "" when none is set, and while no ocean region is known yet.
QString GroupLes(const Foundation& f, quint8 destinationType);

// Whether a group of this destination type goes through the e-mail provider (e-mail and SMS).
bool IsProviderType(quint8 destinationType);

}  // namespace tidepost
