#pragma once
#include <QString>

namespace tidepost {

struct Foundation;
struct Messages;
class IRemoteConfig;
class ILog;

// The remote-configuration packet of a received message or EGC: decoded and run when the setting
// "AllowRemoteConfig" (default 1) reads as a number other than 0. The outcome goes to the remote
// log and, as a queued box, to the user; the Forms menu is rebuilt, since a command may have
// written a form. The caller deletes the carrier unstored whatever happens here.
void RunRemoteConfig(Messages& m, IRemoteConfig& decoder, ILog& log, const QString& text);

// Whether a fetched text is checked against its listed length: transceiver software 1.3 or later
// and TCU software 1.3 or later, both of major version 1.
bool LengthCheckApplies(const Foundation& f);

}  // namespace tidepost
