#include "reporting/DnidListReply.h"

#include "link/AppendToLogFile.h"
#include "link/Link.h"
#include "reporting/DNIDForm.h"
#include "reporting/DnidProgramSetup.h"
#include "reporting/Reporting.h"

namespace tidepost {

QString DnidBlock(const QString& reply) {
    const qsizetype b = reply.indexOf(QLatin1String("Name"), 0, Qt::CaseInsensitive);
    if (b < 0) return {};
    static const QLatin1String trailer("DNID(s) stored");
    const qsizetype c = reply.indexOf(trailer, b, Qt::CaseInsensitive);
    if (c < 0) return {};
    return reply.mid(b, c + trailer.size() - b);
}

void HandleDnidListReply(Reporting& r, const QString& reply) {
    if (!reply.contains(QLatin1String("Name"), Qt::CaseInsensitive)) return;
    const QString block = DnidBlock(reply);
    // The raw listing is kept for the service engineer.
    AppendToLogFile(r.F, block, "ErrorLog.txt", true);
    if (r.DnidReplyTarget == 1) {
        FillDnidProgramForm(r, block);
        return;
    }
    DnidStore(r).SaveData(block);
    UnloadWaitForm(r.L);
    ShowDnidForm(r);
}

}  // namespace tidepost
