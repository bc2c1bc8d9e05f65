#include "messages/InboxFetch.h"

#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "messages/InboxReplyParsers.h"
#include "messages/Messages.h"

namespace tidepost {

void HandleInboxListing(Messages& m, const QString& reply) {
    m.gInboxListing = ParseInboxListing(m.F, reply);
    QueueCommand(m.L, QStringLiteral("st -r"), false, true);
}

void HandleInboxLog(Messages& m, const QString& reply) {
    m.gInboxLog = ParseInLog(reply);
    QueueInboxFetch(m.L, QStringLiteral("IN"), m.gInboxListing);
}

QString InboxFetchOptions(const Link& link) {
    const qint16 model = link.F.gSession.ProductModel();
    return model == 1 || model == 6 ? QStringLiteral(" -b") : QStringLiteral(" -b -k");
}

void QueueInboxFetch(Link& link, const QString& name, const QList<InboxListEntry>& listing) {
    const QString options = InboxFetchOptions(link);
    for (const InboxListEntry& entry : listing)
        if (entry.Name == name) QueueCommand(link, "ty " + name + "." + entry.Extension + options, true, false);
    EndInboxDownloadWhenDone(link, InboxPending::Fetches);
}

int FindListingEntry(const QString& name, const QString& extension, const QList<InboxListEntry>& listing) {
    for (qsizetype i = listing.size() - 1; i >= 0; --i)
        if (listing.at(i).Extension == extension && listing.at(i).Name == name) return static_cast<int>(i);
    return -1;
}

int FindInLogEntry(const Messages& m, const QString& name) {
    for (qsizetype i = m.gInboxLog.size() - 1; i >= 0; --i)
        if (m.gInboxLog.at(i).Name == name) return static_cast<int>(i);
    return -1;
}

bool EndInboxDownloadWhenDone(Link& link, InboxPending pending) {
    if (IsCommandQueued(link, QStringLiteral("ty IN."))) return false;
    if (pending == InboxPending::FetchesAndDeletes && IsCommandQueued(link, QStringLiteral("delete IN."))) return false;
    link.F.gSession.SetProcessingMsgs(false);
    if (link.Windows.Window) link.Windows.Window->SetMessageTimerEnabled(false);
    return true;
}

}  // namespace tidepost
