#pragma once
#include <QDateTime>
#include <QMap>
#include <QString>
#include <optional>

#include "sim/SimDistressGenerator.h"
#include "sim/SimEgcReceiver.h"

namespace tidepost::sim {

// What the simulated transceiver says about itself: its identity ("st -v", "st -i", "ver"), its
// working status ("st -w", "st -s"), position, GPS, link test and clock.
struct SimTransceiver {
    QString Model = "570C";            // the product as the shell names it, e.g. "560M SSAS"
    QString MobileType = "Maritime";   // "Landmobile", "Maritime", "Fishery" or "(Aero)"
    QString SolasType = "SOLAS";       // "SOLAS", "Non-SOLAS" or "Non-SOLAS Without Distress"
    QString Version = "5.12";          // application software
    QString CpuVersion = "1.03";
    bool Legacy510 = false;            // the older 510 A/B kind, whose software says so

    bool Synchronized = true;
    int TdmOrigin = 144;
    bool LoggedIn = true;
    QString Protocol = "Free";
    QString Channel = "NCS";
    QString SerialNo = "100234";
    qint32 MobileNumber = 423456789;
    QChar PreferredOcean = 'E';        // E, W, P, I or N
    int SignalStrength = 4;            // 0..5

    QString Position = "55 40 12 N 012 35 47 E";
    int Course = 90;
    int Speed = 11;
    bool PositionValid = true;
    // The distress alert generator: the LES the alert goes to and the nature letter.
    int DistressLes = 112;
    QString DistressNature = "U";
    bool GpsOk = true;
    bool LinkTestDone = true;
    QString LinkTestResult = "Passed";
    // When the latest link test ran; unset: the transceiver's clock now.
    std::optional<QDateTime> LinkTestAt;
    // The outcome of the latest distress alert and of the latest distress test ("st -a").
    QString LatestDistress = "None";
    QString LatestDistressTest = "Accepted";
    // The LESs the transceiver lists ("st -n", "status -n") for the ocean region it is in: id
    // fields separated by ",", each printed as given (so "1x2" makes a field that is no number).
    QString LesIds = "101,102,112";
    // Whether the last LES of the listing is ended by an empty line, as every other one is.
    bool LesListEnded = true;
    // The distress buttons test mode is on ("se -q 1" until "se -q 0"), and how the shell takes
    // "se -q": "normal", "not-implemented" (a transceiver without it) or "illegal" (it refuses
    // the argument of "se -q 1" and "se -q 0").
    bool DistressTestMode = false;
    QString TestModeAnswer = "normal";
    // The routing of received traffic: a mask per class (1 disk, 2 local printer, 4 remote
    // printer), in the order the configuration menu lists them.
    QMap<int, int> Routes = {{10, 1}, {30, 1}, {31, 1}, {32, 1}, {33, 1}};
    // What the configuration menu leaves out: a class's line, the "Configuration" header, or
    // nothing ("none").
    QString RoutingOmit = "none";
    // The transceiver's UTC clock; the PC's while unset.
    std::optional<QDateTime> Utc;
    // "ti -u" refused as a command not available here, or answered with a line without a date
    // (no time known yet).
    bool TimeCommandRefused = false;
    bool TimeWithoutDate = false;

    // The EGC receiver's settings and ENID list.
    SimEgcReceiver EgcReceiver;
    // The distress alert generator's settings beyond DistressLes and DistressNature.
    SimDistressGenerator Generator;

    QDateTime UtcNow() const { return Utc ? *Utc : QDateTime::currentDateTimeUtc(); }
};

// Sets one value by its name ("model", "mobile-type", "solas", "version", "cpu", "510ab",
// "sync", "tdm", "logged-in", "protocol", "channel", "serial", "mobile-no", "ocean", "signal",
// "position", "course", "speed", "position-valid", "gps", "link-test", "utc", "ti-error", "ti-nodate",
// "latest-distress", "latest-distress-test", "les", "les-end", "generator" (yes/no), "route<class>" with a
// mask 0 to 7, "ro-omit" with a
// class, "header" or "none"). Yes/no values
// take "yes"/"no"; "utc" takes "yyyy-MM-dd hh:mm:ss" or "pc". False, changing nothing, for an
// unknown name or a value that does not fit.
bool SetTransceiverValue(SimTransceiver& t, const QString& name, const QString& value);
// The names SetTransceiverValue knows, for help texts.
QString TransceiverValueNames();

}  // namespace tidepost::sim
