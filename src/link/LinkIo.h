#pragma once
#include <QByteArray>
#include <QString>

namespace tidepost {

struct Link;
class ISerialControl;
class ISocketControl;

// The engine's access to the two links: each is used only while it is up, and a failure is
// checked, logged and forgotten, so it never stops the dialogue.

// The serial control while its port is open; null otherwise.
ISerialControl* OpenSerial(const Link& link);
// The socket while it is connected to the TCU and the LAN link is established; null otherwise.
ISocketControl* ConnectedSocket(const Link& link);
// A failed write or read: CheckCommEvent, then the link's error line in "ErrorLog.txt".
void LinkFailure(Link& link, int number, const QString& description);
// Writes the bytes on every link that is up, the serial port first.
void WriteToLinks(Link& link, const QByteArray& bytes);
// The serial control's receive threshold: 1 raises the receive event, 0 keeps it quiet.
void SetReceiveThreshold(Link& link, int threshold);
// `MainForm.Label1`, the engine's activity.
void SetLabel1(Link& link, const QString& caption);

}  // namespace tidepost
