#pragma once
#include <QString>
#include <array>

namespace tidepost::sim {

// The simulated transceiver's distress alert generator: what "se -g" reports and "se -g <fields>"
// sets, and the alert LES per ocean region of "se -m".
struct SimDistressGenerator {
    // The unit has a generator at all; without one it answers "Illegal argument" to "se -g".
    bool Present = true;
    // The alert carries the unit's own position, time, course and speed (the GPS form of
    // "se -g"); otherwise the values last set below.
    bool UsesOwnPosition = true;
    QString Position;     // "55 40 12 N 012 35 47 E"
    QString TimeOfPosition;  // "hh:mm"
    int Course = 0;
    int Speed = 0;
    // The alert LES of AOR-W, AOR-E, POR and IOR, three digits each.
    std::array<QString, 4> AlertLes = {QStringLiteral("002"), QStringLiteral("112"), QStringLiteral("212"),
                                       QStringLiteral("305")};
    // How "se -m ALL_OCEANS" answers: "auto" by the unit's type, or "ids" (the "LES IDs" line).
    QString AlertForm = QStringLiteral("auto");
    // The next "se -g" or generator set reply carries this line after a line end; then cleared.
    QString NextError;
};

}  // namespace tidepost::sim
