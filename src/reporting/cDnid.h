#pragma once
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QtGlobal>

namespace tidepost {

struct Foundation;
struct Link;

// One DNID of the transceiver's list.
struct DnidRecord {
    QString Provider;
    qint16 LES = 0;
    qint32 DNID = 0;
    quint8 Member = 0;
    quint8 SubAdr = 0;
    quint8 Channel = 0;
    quint8 Random = 0;
    // 1 enabled; any other value disabled.
    quint8 Status = 0;
};

// The DNID list of the last "st -d" reply that went to the DNID list dialog.
class cDnid {
public:
    cDnid(Foundation& f, const Link& link);
    ~cDnid();
    cDnid(const cDnid&) = delete;
    cDnid& operator=(const cDnid&) = delete;

    // Replaces the list with the DNID lines of buffer: the unbroken run of 58-character lines,
    // each ended by the echo's line end, right after the header line that ends in "Rd". A line
    // whose value does not fit its field ends the list there, as a line of another length does,
    // and is noted in the error log.
    void SaveData(const QString& buffer);
    // A copy of the records; with no DNID it holds one empty record.
    QList<DnidRecord> GetDnids() const { return m_records; }

    // The last SaveData found at least one DNID, and how many.
    bool m_IsLoaded = false;
    qint16 m_CountDnids = 0;

private:
    Foundation& m_f;
    const Link& m_link;
    QList<DnidRecord> m_records{DnidRecord{}};
    QMetaObject::Connection m_language;
};

// The one DNID line of 58 characters read into a record; false when a value does not fit its field.
bool ReadDnidLine(const QString& line, DnidRecord& record);

}  // namespace tidepost
