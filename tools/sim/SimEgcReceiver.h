#pragma once
#include <QList>
#include <QString>
#include <array>

namespace tidepost::sim {

// One EGC network ID the transceiver holds.
struct SimEnid {
    QString Provider;
    int Enid = 0;
    bool Enabled = true;
};

// The EGC receiver's settings and ENID list as the shell reports and changes them.
struct SimEgcReceiver {
    int ReceiverOnly = 0;
    int SystemMessages = 1;
    int SafetyNet = 1;
    QString Types = "ABDL";      // "" reports "."
    QString Coastal = "ABCDE";   // "" reports "."
    bool NavareasInUse = true;
    std::array<int, 4> Navareas{3, 0, 16, 0};
    bool SpareHeader = true;     // false: the list without its header line, as an older unit
    QString DroppedMarker;       // "-e ", "-a ", "-w " or "-y ": that line is left out of "se"
    bool FixedPositions = true;  // false: "fx" is an unknown command (ERROR 120)
    QString FixedText;           // what the last "fx" set, e.g. " 5,N,120,W"
    QList<SimEnid> Enids = {{"Fleet & Co", 89, false}, {"Harbour Net", 1204, true}};
};

// Sets one receiver value by name: "egc-only", "egc-system", "egc-safetynet" (0/1), "egc-types"
// (letters or "."), "egc-coastal" (letters or "."), "egc-navareas" (up to four numbers joined by
// ","), "egc-navareas-in-use", "egc-spare-header", "fx-support" (yes/no), "egc-drop" (e, a, w, y
// or none), "enid-add" ("provider,number[,disabled]"), "enid-clear". False for an unknown name or
// a value that does not fit.
bool SetEgcReceiverValue(SimEgcReceiver& r, const QString& name, const QString& value);
QString EgcReceiverValueNames();

}  // namespace tidepost::sim
