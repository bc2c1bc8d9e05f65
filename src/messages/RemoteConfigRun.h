#pragma once
#include <QString>

namespace tidepost {

struct Foundation;
struct Messages;

// What a receive path does with a fetched text after the remote configuration has looked at it.
enum class RemoteConfigOutcome {
    NotAPacket,  // no packet: the text is an ordinary message or EGC
    CarriedOut,  // the packet ran: delete it on the transceiver without storing it
    Store,       // not carried out (not allowed, refused, malformed, a copy): store it as ordinary text
    Leave,       // the transceiver's time is unknown: neither store nor delete; it comes again
};

// The remote-configuration packet of a received message or EGC. A packet is carried out only when
// the setting "AllowRemoteConfig" (default 1) is a number other than 0, the transceiver's UTC
// time is known, its token is good for this hour or the previous one, it reads whole, and no copy
// of it has been carried out before ("RemoteSeen.txt"). Every step goes to "RemoteLog.txt"; the
// outcome of a decoded packet is queued as a box and the Forms menu rebuilt, since a command may
// have written a form.
RemoteConfigOutcome ReceiveRemoteConfig(Messages& m, const QString& text);

// Whether a fetched text is checked against its listed length: transceiver software 1.3 or later
// and TCU software 1.3 or later, both of major version 1.
bool LengthCheckApplies(const Foundation& f);

}  // namespace tidepost
