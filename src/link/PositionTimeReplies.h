#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

namespace tidepost {

struct Link;

// Small reply parsers that keep the session informed of the transceiver's position, clock,
// GPS and signal, and fill the GPS, link-test and editor views. Each takes the whole reply and
// lets no exception out.

// "se -p": position, course, speed and fix time between the transceiver's STX/ETX marks. A reply
// without a marked position, or with a position the session refuses, changes nothing.
void HandlePositionReply(Link& link, const QString& reply);

// The UTC time a "ti -u" reply holds: its date ("yy-mm-dd", 1970-2069) and, when readable, its hour
// and minute (seconds 0); none for a reply without a valid date. `echoTerminator` ends the echo.
std::optional<QDateTime> ReadSystemTimeReply(const QString& reply, const QString& echoTerminator);

// "ti -u": the time of ReadSystemTimeReply into SystemTime, and SystemTimeSet; a reply without a
// valid date changes nothing.
void HandleSystemTimeReply(Link& link, const QString& reply);

// "ti u": UtcTimeText ("14. March 2025 10:22", 1980-2079) and the line "UTC Time: " + that text
// inserted into the editor; the text is empty when the reply holds no readable time. Closes the
// wait window.
void HandleUtcTextReply(Link& link, const QString& reply);

// "ru -g": the GPS test summary into the GPS status window and the session's GPS status.
void HandleGpsStatusReply(Link& link, const QString& reply);

// "st -m": the latest link-test results into the link-test window, which is then shown.
void HandleLinkTestReply(Link& link, const QString& reply);

// "st -s": the signal strength (the digit after the first STX); a lost signal asks for the
// status at once unless that is queued already.
void HandleSignalStrengthReply(Link& link, const QString& reply);

}  // namespace tidepost
