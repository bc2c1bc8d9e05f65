#include "egc/CEGC.h"

#include <QDateTime>

#include "egc/Egc.h"
#include "egc/EgcReplyParsers.h"
#include "egc/EgcStore.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/cErrorLog.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "messages/InboxFetch.h"
#include "messages/TransferInToPC.h"

namespace tidepost {

namespace {

const QString kLastNumber = QStringLiteral("[LastEgcNumber]");
const QString kLastDate = QStringLiteral("[LastEgcDate]");

QDateTime ReadStamp(const QString& text) { return ReadEgcStamp(text).value_or(QDateTime()); }

// Already on its way: its fetch or its delete waits in the queue.
bool Waiting(Link& link, const QString& name) {
    return IsCommandQueued(link, "ty " + name) || IsCommandQueued(link, "delete " + name);
}

}  // namespace

void CEGC::DecodeEGCFileList(const QString& reply) {
    const QList<EgcFileEntry> entries = ParseEgcListing(E.F, reply);
    m_countFiles = static_cast<qint16>(std::min<qsizetype>(entries.size(), 32767));
    m_fileList = entries.isEmpty() ? QList<EgcFileEntry>{EgcFileEntry{}} : entries;
}

bool CEGC::DecodeEGCs(const QString& reply) {
    // A listing that starts a download: its fetches are still to be queued and no store failed yet.
    m_fetchesQueued = false;
    m_storeFailed = false;
    DecodeEGCFileList(reply);
    Foundation& f = E.F;
    if (m_countFiles == 0) {
        // A transceiver that lists nothing may number its EGCs afresh.
        SetIniValue(f, kLastNumber, QString(), false);
        SetIniValue(f, kLastDate, QString(), false);
        m_fileList = {EgcFileEntry{}};
        return false;
    }
    QList<EgcFileEntry> fresh;
    for (const EgcFileEntry& entry : m_fileList) {
        const QString numberText = GetIniValue(f, kLastNumber).trimmed();
        const QDateTime last = ReadStamp(GetIniValue(f, kLastDate));
        bool numberOk = false;
        const int lastNumber = numberText.toInt(&numberOk);
        bool isNew = true;
        if (last.isValid() && numberOk) {
            const QDateTime when = ReadStamp(entry.Date + u' ' + entry.Time);
            isNew = when > last || (when == last && entry.Number > lastNumber);
        }
        if (isNew && !Waiting(E.L, entry.Name)) fresh.append(entry);
    }
    m_fileList = fresh.isEmpty() ? QList<EgcFileEntry>{EgcFileEntry{}} : fresh;
    return !fresh.isEmpty();
}

void CEGC::DecodeEgcLog(const QString& reply) {
    const QList<EgcLogEntry> entries = ParseEgcLog(E.F, reply, E.L.Dialogue.EchoTerminator);
    m_countLog = static_cast<qint16>(std::min<qsizetype>(entries.size(), 32767));
    m_logList = entries.isEmpty() ? QList<EgcLogEntry>{EgcLogEntry{}} : entries;
    m_updateEgcLog = false;
}

void CEGC::HandleEGCLog(const QString& reply) {
    DecodeEgcLog(reply);
    Link& link = E.L;
    // A second log reply of the same download (one asked for by a fetch, or queued twice) only
    // refreshes the log: fetching again would store the EGCs twice.
    if (m_fetchesQueued) return;
    m_fetchesQueued = true;
    const QString& end = link.Dialogue.EchoTerminator;
    for (const EgcFileEntry& entry : m_fileList) {
        if (entry.Name.isEmpty()) continue;
        const qsizetype at = reply.indexOf(entry.Name + end, 0, Qt::CaseInsensitive);
        bool fetch = true;
        if (at >= 8) {
            const QString marks = reply.mid(at - 8, 8);
            fetch = marks.contains(QLatin1String("+M"), Qt::CaseInsensitive) ||
                    marks.contains(QLatin1String("Mem"), Qt::CaseInsensitive);
        }
        if (!fetch) {
            ErrorLog(E.F).AddLine(entry.Name + " not saved: EGC not marked for saving");
            continue;
        }
        if (!IsEgcFileName(entry.Name) || IsCommandQueued(link, "ty " + entry.Name)) continue;
        QueueCommand(link, "ty " + entry.Name + InboxFetchOptions(link), true, false);
    }
    if (!IsCommandQueued(link, QStringLiteral("ty EGC."))) EndEgcDownload(link);
}

QString CEGC::ExtractEgcMsgFromBuffer(const QString& reply) const { return StripReplyFrame(E.L, reply); }

}  // namespace tidepost
