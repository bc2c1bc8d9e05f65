#pragma once
#include <QString>
#include <QStringList>
#include <array>

namespace tidepost::sim {

// One of the transceiver's position and data reporting programs.
struct SimReportingProgram {
    QString Type = "closed";  // "closed", "local" or "remote"
    // "none", "started", "stopped"; "ads-started" and "ads-stopped" for a program that reports in
    // the connection-oriented (ADS) way.
    QString Status = "none";
    // Up to four "LES,DNID,member" entries, numbers without leading zeros.
    QStringList Slots;
};

// The four programs, numbered 0 to 3 on the shell; all closed when the transceiver starts.
struct SimReportingPrograms {
    std::array<SimReportingProgram, 4> Programs;
    // The transceiver does not offer the "pg" commands: each is answered with ERROR 120.
    bool Unsupported = false;
};

// The list token of a status: "PU[i", "PU[s", "PU[-", "CN[i" or "CN[s".
QString ProgramStatusToken(const QString& status);

// Sets a program from the words "<type> <status> [slot...]" (a slot "LES,DNID,member"); false,
// changing nothing, when a word does not fit. Numbers of the slots are kept without leading zeros.
bool SetReportingProgram(SimReportingPrograms& programs, int number, const QStringList& words);

}  // namespace tidepost::sim
