#pragma once
#include <QString>

namespace tidepost {

struct Link;

// "st -w", given without its trailing prompt: the working status of the transceiver into the
// session and configuration, the main window's mobile status, status-field colours and
// preferred-ocean check marks, and the text of the transceiver status window. Keys are found
// anywhere in the reply (letter case ignored); fixed-width values end at their line's end.
// Nothing happens while the transceiver is not connected. A reply that cannot be read to its
// end keeps what the keys before the fault set and leaves the window alone.
void HandleTransceiverStatusReply(Link& link, const QString& reply);

}  // namespace tidepost
