#pragma once
#include <array>

#include <QList>
#include <QString>
#include <QStringList>

namespace tidepost::sim {

// One DNID of the transceiver's list.
struct SimDnid {
    QString Provider;
    int Status = 1;  // 1 enabled, 0 disabled; another value is listed as it is
    int Les = 0;
    int Dnid = 0;
    int Member = 0;
    int SubAdr = 0;
    int Channel = 0;
    int Random = 0;
};

// The DNIDs the transceiver holds (none when it starts), and what "pg -o" and "pg -p" last set.
struct SimDnidStore {
    QList<SimDnid> List;
    // The "LES,DNID,member" entries of the last "pg -o", numbers without leading zeros; the next
    // "pg -p" gives them to its program.
    QStringList PendingSlots;
    // Per program, the "interval[,start]" of its last "pg -p"; "" until then.
    std::array<QString, 4> Timing;
};

// The listing line of one DNID, 58 characters: provider (27), status right-aligned (2), blank,
// LES as three digits, blank, DNID right-aligned (5), three blanks, member right-aligned (3),
// three blanks, sub-address, five blanks, channel, two blanks, random.
QString DnidListLine(const SimDnid& d);

// A DNID from "<provider>|<status>|<les>|<dnid>|<member>|<sub>|<channel>|<random>": status 0 to
// 99, LES 0 to 999, DNID 0 to 99999, member 0 to 999, the last three 0 to 9; false when a field
// does not fit.
bool ParseSimDnid(const QString& spec, SimDnid& dnid);

}  // namespace tidepost::sim
