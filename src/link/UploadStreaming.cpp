#include "link/UploadStreaming.h"

#include "foundation/UsefullCodePages.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cErrorLog.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/LinkIo.h"
#include "link/TerminalDisplay.h"
#include "link/UploadChecks.h"
#include "link/UploadProgress.h"
#include "platform/IClock.h"

namespace tidepost {

namespace {

// The transceiver takes a moment after its echo before it reads the upload.
constexpr qint64 kPauseBeforeWritingMs = 100;
// The upload of the transceiver's printer carries the printer's text, never a file.
const QString kPrintFileName = QStringLiteral("tideprnt.txt");

qint64 Now(const Link& link) { return link.F.Os.Clock->MonotonicMs(); }

// The echoed command line, for the error log.
QString EchoLine(const QString& echo) {
    qsizetype end = 0;
    while (end < echo.size() && echo.at(end) != u'\r' && echo.at(end) != u'\n') ++end;
    return echo.left(end);
}

void LogNothingUploaded(Link& link, const QString& echo, const QString& why) {
    ErrorLog(link.F).AddLine("(MainForm.Timer1_Timer) Nothing was uploaded after \"" + EchoLine(echo) + "\": " + why);
}

// The text of the upload the echo asks for, as the bytes that go out.
void PrepareUpload(Link& link) {
    Foundation& f = link.F;
    LinkTransfer& t = link.Transfer;
    const QString& echo = link.Dialogue.ReplyBuffer;
    SetReceiveThreshold(link, 0);  // no receive events during the transfer
    SetLabel1(link, "Message to mobile");

    const QString name = EchoedFileName(echo);
    t.Text.clear();
    t.Raw = false;
    if (!TransceiverPromptAtEnd(echo).isEmpty()) {
        // The shell is back at its prompt, so it reads no upload (the text would run as commands)
        // and its answer has come: there is nothing to wait for.
        if (!echo.contains(QLatin1String(" -b 0\r")) && !echo.contains(QLatin1String(" -b 0\n")))
            LogNothingUploaded(link, echo, "the transceiver answered with its prompt at once.");
        if (link.Windows.MSG_Transfer.Hide) link.Windows.MSG_Transfer.Hide();
        link.Dialogue.ReplyBuffer.clear();
        link.Dialogue.DialogueState = 0;
        SetReceiveThreshold(link, 1);
        return;
    }
    if (!IsPlainFileName(name)) {
        // An echo is outside input: nothing it names may lead out of the outbox folder.
        LogNothingUploaded(link, echo, "it names no plain file name.");
    } else if (t.RawTransferMode && name.compare(kPrintFileName, Qt::CaseInsensitive) == 0) {
        t.Raw = true;
        t.Text = f.Os.Codec.Encode(t.RawTransferText);
        if (link.Windows.Window) link.Windows.Window->ShowWaitForm();
    } else {
        // The file's bytes as they were counted for "-b", moved to code page 866 when the
        // operator chose it for this message; an upload nobody follows takes the current choice.
        t.Text = GetFileBytes(f, AddBackslash(f.gOutboxDir) + name);
        const SentFileCheck* upload = FindSentFileCheck(link, name);
        if (upload ? upload->To866 : UploadTo866(link)) t.Text = Cp1251BytesToCp866(t.Text);
    }

    auto& progress = link.Windows.MSG_Transfer;
    if (progress.SetMin) progress.SetMin(1);
    if (progress.SetMax) progress.SetMax(UploadProgressMax(static_cast<int>(t.Text.size())));
    if (!t.Raw && progress.Show) progress.Show();
    t.Prepared = true;
    t.WriteAt = Now(link) + kPauseBeforeWritingMs;
}

// Writes the whole text, piece after piece with no end mark: the transceiver counts the bytes
// its upload command announced. The last piece or two are empty and write nothing.
void WriteUpload(Link& link) {
    LinkTransfer& t = link.Transfer;
    auto& progress = link.Windows.MSG_Transfer;
    const int pieces = UploadProgressMax(static_cast<int>(t.Text.size())) / kUploadPieceLength;
    for (int i = 0; i <= pieces; ++i) {
        if (i > 0 && progress.SetValue) progress.SetValue(i * kUploadPieceLength);
        const QByteArray piece = t.Text.mid(qsizetype(i) * kUploadPieceLength, kUploadPieceLength);
        if (!piece.isEmpty()) WriteToLinks(link, piece);
        if (!link.F.gSession.MesConnected()) break;  // the link is gone: stop after this piece
    }
    if (progress.Hide) progress.Hide();
    if (t.Raw) {
        t.RawTransferMode = false;
        t.RawTransferText.clear();
    }
    t.Prepared = false;
    t.Raw = false;
    t.Text.clear();

    // Now the transceiver's answer to the upload and its prompt.
    LinkDialogue& d = link.Dialogue;
    d.ReplyBuffer.clear();
    d.DialogueState = 1;
    SetReceiveThreshold(link, 1);
    StampActivity(link);
}

}  // namespace

bool IsUploadEcho(const Link& link, const QString& reply) {
    if (reply.startsWith(QLatin1String("tr "))) return true;
    return reply.startsWith(QLatin1String("transfer ")) && TerminalVisible(link);
}

void BeginStreaming(Link& link) {
    link.Dialogue.DialogueState = 3;
    DialogueWorkArrived(link);
    LinkTransfer& t = link.Transfer;
    t.Prepared = false;
    t.Raw = false;
    t.Text.clear();
    t.PassThroughActive = false;
}

void StreamingStep(Link& link) {
    LinkTransfer& t = link.Transfer;
    if (t.PassThroughActive || TerminalVisible(link)) {
        t.Prepared = false;
        PassThroughStep(link);
        return;
    }
    if (!t.Prepared) {
        PrepareUpload(link);
        return;
    }
    if (Now(link) >= t.WriteAt) WriteUpload(link);
}

void RegisterUploadStreaming(Link& link) {
    link.Dialogue.StreamingStep = [&link] { StreamingStep(link); };
    link.Dialogue.ShowReplyInTerminal = [&link] { ShowReplyInTerminal(link); };
}

}  // namespace tidepost
