#pragma once
#include <QList>
#include <QString>

#include "egc/EgcEntries.h"

namespace tidepost {

struct Egc;

// The EGC broadcasts on their way from the transceiver to the PC: the listing and the log of the
// current download, the choice of the new EGCs, their fetch, store and index, and the upkeep of
// the store (clean-up when the disk runs low, repair of lines stored without their log record).
class CEGC {
public:
    explicit CEGC(Egc& egc) : E(egc) {}
    CEGC(const CEGC&) = delete;
    CEGC& operator=(const CEGC&) = delete;

    // "True"/"False" and the decimal counts, as the properties read.
    QString IsFileListLoaded() const { return m_countFiles > 0 ? QStringLiteral("True") : QStringLiteral("False"); }
    QString IsLogLoaded() const { return m_countLog > 0 ? QStringLiteral("True") : QStringLiteral("False"); }
    QString CountFiles() const { return QString::number(m_countFiles); }
    QString CountLog() const { return QString::number(m_countLog); }
    // A fetched EGC met no loaded log: the next "st -e" reply repairs the index instead.
    bool UpdateEgcLog() const { return m_updateEgcLog; }

    // Listing reply: FileList becomes every listed EGC, in date, time and number order.
    void DecodeEGCFileList(const QString& reply);
    // Listing reply that starts a download: FileList keeps only the EGCs later than the high-water
    // mark "[LastEgcNumber]"/"[LastEgcDate]" and not already waiting for their fetch or delete;
    // True when one is left. An empty listing empties the mark.
    bool DecodeEGCs(const QString& reply);
    // Log reply: LogList becomes its records; UpdateEgcLog is cleared.
    void DecodeEgcLog(const QString& reply);
    // Log reply of a download: decodes it and, once per download, queues the fetch of every new
    // EGC its log line marks for saving ("+M" or "Mem"); ends the download when none is queued.
    void HandleEGCLog(const QString& reply);
    // The EGC text of a fetch reply: after the echo line and the two lines that follow it, without
    // the prompt; the whole reply (less the prompt) when it has fewer lines.
    QString ExtractEgcMsgFromBuffer(const QString& reply) const;
    // The reply to "ty EGC.nnn" (EgcTransfer.cpp).
    void Transfer(const QString& reply);

    // The store's upkeep (EgcStoreMaintenance.cpp). Priority: 0 routine to 3 distress.
    QString FindOldestEGC(quint8 priority, bool bReadOnly);
    bool DeleteEGC(const QString& reference);
    bool Clean(quint8 priority, bool bReadOnly);
    void RepairEgcLog();

    QList<EgcFileEntry> GetEgcFileList() const { return m_fileList; }
    QList<EgcLogEntry> GetEgcLogList() const { return m_logList; }

    // The name of the EGC being stored ("EGC." and three digits).
    QString gFetchEgcName;

private:

    Egc& E;
    QList<EgcFileEntry> m_fileList{EgcFileEntry{}};
    qint16 m_countFiles = 0;
    QList<EgcLogEntry> m_logList{EgcLogEntry{}};
    qint16 m_countLog = 0;
    bool m_updateEgcLog = false;
    // This download's fetches have been queued: a further log reply queues none again.
    bool m_fetchesQueued = false;
    // A store of this download failed: the later stores leave the high-water mark where it is,
    // so that the failed EGC is offered again by the next listing.
    bool m_storeFailed = false;
};

// One step of the free-space clean-up: deletes the oldest EGC of the lowest priority from 0 up to
// `level`; True when one was deleted.
bool CleanUpDisk(Egc& e, quint8 level);

}  // namespace tidepost
