#pragma once
#include <QString>

namespace tidepost {

struct Messages;

// What the transceiver says after an upload and a submission: the listing of the uploaded file,
// whose size must be the length of the text sent, and the reply to "tx", which carries an
// "ERROR nnn: text" line when the submission is refused.

// True when the listing reply ("ls" and the file name) shows the file with `expectedSize` bytes;
// both listing layouts are read (with and without the " bytes free" summary). `fileName` is
// the file listed; the reply alone decides.
bool CheckUploadedFileSize(const QString& reply, const QString& fileName, qint32 expectedSize);
// Asks the transceiver to delete an upload that arrived damaged.
void DeleteUploadedFile(Messages& m, const QString& fileName);
// A refused submission: every outbox-log line of the file becomes "TX-Error"/"Failed", the
// operator reads the transceiver's error (and for 121 a hint about size and DNID), and the main
// window shows the editor again.
void HandleTxError(Messages& m, const QString& reply);
// A submission refused because the terminal only receives EGC: its lines become
// "EGC only"/"Failed" and the operator is told; the view stays.
void HandleTxEgcOnlyError(Messages& m, const QString& reply);

}  // namespace tidepost
