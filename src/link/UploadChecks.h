#pragma once
#include <QString>

namespace tidepost {

struct Link;
struct SentFileCheck;

// The uploads of composed messages on their way to the transceiver. Each is followed from its
// queuing ("tr", "ls", then "tx") until the transceiver has answered its submission, so that a
// damaged upload or a lost link never leaves a submission of a cut file behind: its queued
// commands are withdrawn and its outbox-log lines marked "Failed" instead.

// An upload of `fileName` (the transceiver's name) with `fileSize` bytes has been queued. It keeps
// the code page chosen now (UploadTo866) for its streaming.
void BeginSentFileCheck(Link& link, const QString& fileName, qint32 fileSize);
// Whether an upload queued now streams in code page 866: the Russian interface with the code
// page 866 chosen in the send dialogue (Link::Transfer.SendCodePage 1).
bool UploadTo866(const Link& link);
// The followed upload of that name, size-checked or not; null when none.
const SentFileCheck* FindSentFileCheck(const Link& link, const QString& fileName);
// Some upload is on its way.
bool SentFileCheckPending(const Link& link);
// The upload of that name still waiting for its size check; null when none.
SentFileCheck* PendingSizeCheck(Link& link, const QString& fileName);

// The upload is given up: its queued "tr", "ls" and "tx" lines are withdrawn, it is no longer
// followed, and its outbox-log lines are marked "Failed" (ReplyDispatch::MarkUploadFailed).
void FailUpload(Link& link, const QString& fileName);
// The transceiver has answered the submission of that file: it is no longer followed.
void EndSentFileCheck(Link& link, const QString& fileName);

// A name of a folder's own file: letters, digits, ".", "_" and "-", not beginning with ".".
bool IsPlainFileName(const QString& name);

// The file an echoed "tr", "ls" or "tx" command names: the reply's second blank-separated word,
// up to the end of its line.
QString EchoedFileName(const QString& reply);

}  // namespace tidepost
