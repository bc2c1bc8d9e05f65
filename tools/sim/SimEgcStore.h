#pragma once
#include <QDateTime>
#include <QList>
#include <QString>

namespace tidepost::sim {

// One EGC broadcast waiting in the transceiver's file system as "EGC." and three digits, with its
// line of the EGC log.
struct SimEgc {
    int Number = -1;       // 0..999; -1: the next free number when added
    int Les = 101;
    int Service = 31;      // 31 MET/NAV warning, 33 an ENID download ...
    int Priority = 0;      // 0 routine, 1 safety, 2 urgent, 3 distress
    int Language = 0;      // the presentation code
    QDateTime Received;    // as listed and logged; the transceiver's clock when added unset
    qint32 Reference = 0;
    int Column9 = 0;
    int Column10 = 0;
    QString Routing = "+M";  // "+M" or "Mem": routed to memory
    QString Text;          // as "ty" sends it, one character per byte
    int ListedSize = -1;   // the size listed and logged; -1: the text's length

    QString FileName() const { return "EGC." + QString::number(Number).rightJustified(3, '0'); }
    int Size() const { return ListedSize >= 0 ? ListedSize : static_cast<int>(Text.size()); }
};

// The EGCs the transceiver holds and how its shell lists them.
struct SimEgcStore {
    QList<SimEgc> Egcs;  // in listing order
    // 1: fixed columns with a header and a "bytes free" line; 2: the wider layout in which each
    // line ends in its size and " bytes".
    int ListingLayout = 1;
    qint64 BytesFree = 1843200;

    // Adds the EGC (numbered when it has no number); False, adding nothing, when its number is
    // taken or outside 0..999, or a value has no place in the listing or the log.
    bool Add(SimEgc egc);
    const SimEgc* Find(int number) const;
    bool Remove(int number);
};

// Adds an EGC described by "key=value" words followed by its text ("\n" in the text starts a
// line): number, les, service, priority, language, date ("yyyy-MM-ddThh:mm"), ref, c9, c10,
// routing, size (the listed size). `now` dates an EGC without "date". False, with the reason in
// `error`, for an unknown key or a value that does not fit.
bool AddEgcFromSpec(SimEgcStore& store, const QString& spec, const QDateTime& now, QString* error = nullptr);

// What the debug command "db egc sim <kind>" receives: 200 a routine, 400 a safety, 4 an urgent
// and 100 a distress EGC. False for another kind.
bool AddSimulatedEgc(SimEgcStore& store, int kind, const QDateTime& now);

}  // namespace tidepost::sim
