#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tidepost {

struct Foundation;
struct Link;

// The settings text used when "[COM Settings]" is unusable.
inline const QString kDefaultComSettings = QStringLiteral("115200,n,8,1");

// Whether serial port n exists. The port in use counts as available without a probe; any other
// is tried on a handle of its own, so the live link is never cut. A port that exists but is busy
// counts as available. Never fails.
bool IsComPortAvailable(Foundation& f, int portNumber);

// Closes the port when it is open, then opens `port` with `settings`. True when the port is open
// now; any failure gives False and is not reported.
bool OpenComPort(Foundation& f, std::uint8_t port, const QString& settings);

// "[COM port]" when its value is a number from 1 to 16 (rounded to whole), otherwise 1.
std::uint8_t GetComPortSetting(Foundation& f);
// "[COM Settings]" when it is 10 to 12 characters long, otherwise kDefaultComSettings.
QString GetComSettings(Foundation& f);

// The serial part of the main window's start-up: in serial mode ("[HOST Interface]" "COM") opens
// the port of the settings and puts the port number and settings text it used back into the
// settings file in memory. True when the port is open.
bool OpenComPortAtStartUp(Foundation& f);

// The communication log at start-up: deletes an old "CommLog.txt" of the data folder and tells
// whether logging starts checked ("[Logging]" "Yes" or "-log" among the arguments).
bool StartCommLog(Foundation& f, const QStringList& arguments);

// The serial control's event: a character has arrived. The reply is read by the engine, so this
// only marks the dialogue as receiving and silences the event until the engine is idle again.
void MSComm1_OnComm(Link& link);

// Looks at the serial control's latest event while the transceiver answers: line errors are
// logged to "ErrorLog.txt", a returning carrier queues the status poll, a lost carrier declares
// the link lost. Afterwards the transceiver counts as answering, except after a lost carrier.
// Returns whether it counts as answering.
bool CheckCommEvent(Link& link);

// Connects the serial control's event to MSComm1_OnComm and gives the engine CheckCommEvent.
void AttachSerialLink(Link& link);

}  // namespace tidepost
