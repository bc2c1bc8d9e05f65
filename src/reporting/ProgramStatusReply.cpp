#include "reporting/ProgramStatusReply.h"

#include <QLabel>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

// The echo "pg -d" and its program number and blank, before the echo's line end and the
// transceiver's own CR LF.
constexpr qsizetype kTextAfterEcho = 9;
// A shorter reply holds no text.
constexpr qsizetype kShortestReply = 15;

}  // namespace

ProgramStatusCut CutProgramStatusReply(const QString& reply, int echoTerminatorLength, int promptLength) {
    ProgramStatusCut cut;
    for (int n = 0; n < 4; ++n)
        if (reply.contains(QStringLiteral("pg -d %1").arg(n), Qt::CaseInsensitive))
            cut.Title = QStringLiteral("Program %1 Status").arg(n + 1);

    const qsizetype echo = reply.indexOf(QLatin1String("pg -d"), 0, Qt::CaseInsensitive);
    if (echo < 0 || reply.size() - (echo + 1) < kShortestReply) return cut;
    const qsizetype start = echo + kTextAfterEcho + echoTerminatorLength;
    const qsizetype length = reply.size() - (start + 1) - promptLength;
    if (length < 0) return cut;
    cut.Shown = true;
    cut.Text = reply.mid(start, length);
    return cut;
}

void HandleProgramStatusReply(Reporting& r, const QString& reply) {
    const ProgramStatusCut cut =
        CutProgramStatusReply(reply, r.L.Dialogue.EchoTerminatorLength, static_cast<int>(r.L.Dialogue.CurrentPrompt.size()));
    if (!cut.Title.isEmpty()) r.ProgramStatusForms.get().setWindowTitle(cut.Title);
    if (!cut.Shown) return;
    ProgramStatusForm& form = r.ProgramStatusForms.get();
    form.Status()->setText(cut.Text);
    UnloadWaitForm(r.L);
    ShowReportingWindow(r, form);
}

}  // namespace tidepost
