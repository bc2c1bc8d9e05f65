#include "messages/SubmissionErrors.h"


#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/UploadChecks.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"

namespace tidepost {

namespace {


// The words of a reply split at blanks, as the echoed command line begins.
QStringList Words(const QString& reply) { return reply.split(QChar(' ')); }

// The start of a line beginning "ERROR": after an LF, which ends the line whichever of the
// shell's three line ends (LF, CR LF, CR CR LF) it uses.
const QString kErrorLine = QStringLiteral("\nERROR");

// The text of the first ERROR line: from two characters after its first ":" to the line's end.
QString ErrorText(const QString& reply) {
    const qsizetype line = reply.indexOf(kErrorLine);
    if (line < 0) return {};
    const qsizetype colon = reply.indexOf(QChar(':'), line);
    if (colon < 0) return {};
    const qsizetype from = colon + 2;
    qsizetype end = from;
    while (end < reply.size() && reply[end] != QChar('\r') && reply[end] != QChar('\n')) ++end;
    return from < reply.size() ? reply.mid(from, end - from) : QString();
}

}  // namespace

bool CheckUploadedFileSize(const QString& reply, const QString&, qint32 expectedSize) {
    const qsizetype lf = reply.indexOf(QChar('\n'));
    if (lf < 0) return false;
    const QString rest = reply.mid(lf + 1);  // the echo line skipped
    const qsizetype colon = rest.indexOf(QChar(':'));
    if (colon < 0) return false;
    if (rest.contains(QLatin1String(" bytes free"))) {
        // The size stands between blanks somewhere before the time's first ":", past the name.
        const QString size = QStringLiteral(" %1 ").arg(expectedSize);
        const qsizetype at = rest.left(colon).lastIndexOf(size);
        return at >= 0 && at + 1 > 16;
    }
    const qsizetype bytes = rest.indexOf(QLatin1String(" bytes"), colon);
    if (bytes < 0) return false;
    const qsizetype blank = bytes > 0 ? rest.lastIndexOf(QChar(' '), bytes - 1) : -1;
    bool ok = false;
    const qint64 listed = rest.mid(blank + 1, bytes - blank - 1).toLongLong(&ok);
    return ok && listed == expectedSize;
}

void DeleteUploadedFile(Messages& m, const QString& fileName) { QueueCommand(m.L, "delete " + fileName, true, false); }

void HandleTxError(Messages& m, const QString& reply) {
    if (!reply.isEmpty()) {
        const QStringList words = Words(reply);
        int code = 0;
        for (qsizetype i = 0; i + 1 < words.size(); ++i) {
            if (!words.at(i).contains(kErrorLine)) continue;
            const QString number = words.at(i + 1);
            code = number.left(number.size() - 1).toInt();
        }
        const QString file = EchoedFileName(reply);
        if (!file.isEmpty()) GetOutBox(m).UpdateOutBoxFile(file, QStringLiteral("TX-Error"), QStringLiteral("Failed"), true);
        QString notice = MlText(m.F, 2825, "Message Transmission failed.") + kCrLf + kCrLf + QStringLiteral("Error ") +
                         QString::number(code) + QStringLiteral(": ") + ErrorText(reply) + kCrLf;
        if (code == 121)
            notice += MlText(m.F, 2824, "Please check the message size and that the DNID exists in the transceiver.");
        QueueMessageBox(m.F, notice);
    }
    if (m.Window) m.Window->ChangeViewEditor();
}

void HandleTxEgcOnlyError(Messages& m, const QString& reply) {
    const QString file = EchoedFileName(reply);
    if (!file.isEmpty()) GetOutBox(m).UpdateOutBoxFile(file, QStringLiteral("EGC only"), QStringLiteral("Failed"), true);
    QueueMessageBox(m.F, MlText(m.F, 2826, "Not allowed to transmit as EGC receiver!"));
}

}  // namespace tidepost
