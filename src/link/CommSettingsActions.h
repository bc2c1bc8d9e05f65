#pragma once
#include <QString>

namespace tidepost {

struct Link;

// What the link settings dialog does to the settings, the links and the queue, apart from its
// controls (CommSettingsForm.h).

// The serial link is chosen with a port that is listed: "[HOST Interface]" "COM" (saved), the
// socket closed and the link declared lost, "[COM port]" the port (in memory) and "[COM Settings]"
// the baud rate followed by ",n,8,1" (saved), the port opened with those settings whatever comes
// of it, and the transceiver asked who it is ("st -v", "st -i").
void ChooseSerialLink(Link& link, const QString& port, const QString& baudRate);

// The LAN link is chosen with the unit's address as it is to be stored (TcuAddressToSave): an open
// serial port is closed and the link declared lost; "[HOST Interface]" "LAN" and "[IP Settings]"
// the address, both saved.
void ChooseLanLink(Link& link, const QString& address);

// The socket is connected to that address and the unit is known to be connected: nothing to do.
bool IsConnectedToTcu(const Link& link, const QString& address);

// Takes the socket from the engine, closes it and starts connecting to the unit on its port
// (GetTcuPort), local port 0; the unit counts as not connected and the status field is emptied
// until the connection stands. The unit's software version is asked for.
void StartTcuConnection(Link& link, const QString& address);

// The connection to the unit stands: the unit counts as connected ("Connected to TCU" in the
// status field) and its bridge is started: an empty line, then "minic -f".
void StartTcuBridge(Link& link);

// The unit is given a fixed address: an empty line, "exit" (ends a running bridge), "sysconf -h 0",
// "sysconf -i " and the address, "minic -f"; each line its own send. `address` must have passed
// CheckFixedIpAddress. The engine is kept off the socket.
void SendFixedIpCommands(Link& link, const QString& address);
// The unit is returned to automatic addressing: an empty line, "exit", "sysconf -h 1", "minic -f".
void SendAutomaticIpCommands(Link& link);

// The bridge has answered after OK: the engine may use the socket again, the machine goes on
// waiting for the transceiver, the dialogue starts idle and the transceiver is asked who it is.
void TcuBridgeReady(Link& link);
// The bridge did not answer after OK: "reboot" to the unit's shell while the socket is connected.
void RebootSilentTcu(Link& link);

}  // namespace tidepost
