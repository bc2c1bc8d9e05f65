#include "messages/PrintFetchedFile.h"

#include <QRegularExpression>

#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/IPrinter.h"

namespace tidepost {

namespace {

// Lines end in LF, CR LF or CR CR LF, as the transceiver sends them; a CR alone ends one too.
QStringList PrintLines(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r*\n|\r"));
    return text.split(lineEnd);
}

}  // namespace

void Print_Fetched_File(Messages& m, QString& text, PrintedText kind) {
    Foundation& f = m.F;
    const QString& echoEnd = m.L.Dialogue.EchoTerminator;
    if (kind == PrintedText::Reply && !echoEnd.isEmpty()) {
        const qsizetype at = text.indexOf(echoEnd, 0, Qt::CaseInsensitive);
        if (at >= 0) text.remove(0, at + echoEnd.size());
    }

    const QStringList lines = QStringList{QString()} + PrintLines(text);
    const PrinterError e =
        f.Os.Printer ? f.Os.Printer->PrintLines(lines) : PrinterError{kErrPrinter, QStringLiteral("Printer error")};
    if (!e) return;
    QueueMessageBox(f,
                    ComposeErrorText(QStringLiteral("Print_Fetched_File"), e.number, e.description) + "\r\n" +
                        MlText(f, 2834, "Due to this error, the EGC message might not be sent to the printer."),
                    ErrorTitle(e.number));
}

}  // namespace tidepost
