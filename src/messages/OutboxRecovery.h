#pragma once
#include <QString>

namespace tidepost {

struct Messages;

// Settles the outbox lines that the previous run left unfinished, once per program start and
// before the serial port opens: submissions that never got a reference ("<None>", "Initiated")
// become "PC Cleared"; only when there are none, "Sending" lines with an empty reference do.
// Closes the serial port and the socket if either is open.
void ClearOutboxAtStartUp(Messages& m);

// The transceiver's application has restarted ("Starting application program." in a reply): every
// "Initiated", "Sending" and "ConfReq" line becomes "MES Cleared", whatever its reference, except
// distress alerts (reference "-") and submissions whose "tx" still waits in the command queue
// (the restarted transceiver will still get those).
void ClearOutboxAfterMesRestart(Messages& m);

// Whether the command queue holds the submission ("tx" and the file name) of an outbox file.
bool IsSubmissionQueued(const QString& commandQueue, QStringView fileName);

}  // namespace tidepost
