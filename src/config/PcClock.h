#pragma once
#include <QDateTime>
#include <QString>

namespace tidepost {

struct Config;
struct Foundation;

// Minutes such that local time = UTC - bias, as the local clock's offset from UTC has it now
// (daylight saving time included while it is in effect).
qint16 GetTimeZoneBias(Foundation& f);
// The local time the PC clock takes for the transceiver's UTC time: the same instant, shown with
// the current offset from UTC.
QDateTime PcClockLocalTime(Foundation& f, const QDateTime& utc);

// Asks for the PC clock to be set from the next "ti -u" reply and queues "ti -u": the first-start
// question puts it at the front unless it is queued already, the PC time dialog at the end in any
// case. A new request is told its failures afresh.
void RequestPcClock(Config& c, bool fromFirstStartQuestion);

// The reply to "ti -u" while a PC clock request is pending. Only a valid time in this very reply
// sets the clock (to the minute, seconds 0); a refusal of the command or of the system leaves the
// request pending and is told once per request. With "PC Clock" = "Log" in section "Config" of the
// settings store the clock is never touched: the time it would take goes to ErrorLog.txt.
void SetPcClockFromTransceiver(Config& c, const QString& reply);

}  // namespace tidepost
