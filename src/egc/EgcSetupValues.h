#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tidepost {

// A check box of the receiver setup: clear, ticked, or grey (the value could not be read, so
// nothing is written back for it).
enum : qint8 { kBoxClear = 0, kBoxTicked = 1, kBoxGrey = 2 };

// The message-type letters in the order the setting command lists them ("G" and "I" are unused).
inline constexpr std::array<char, 10> kEgcMessageTypeLetters = {'A', 'B', 'C', 'D', 'E', 'F', 'H', 'J', 'K', 'L'};
inline const QString kAllCoastalAreas = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

struct FixedPositionRow {
    QString LatDeg, LatHem, LonDeg, LonHem;
    bool operator==(const FixedPositionRow&) const = default;
};

// What the setup dialog holds, as the replies filled it and the operator changed it.
struct EgcSetupValues {
    qint8 EGCOnly = kBoxClear;
    qint8 SystemMessage = kBoxClear;
    qint8 SafetyNET = kBoxClear;
    qint8 AddNavarea = kBoxClear;
    // The selected entry of each additional NAVAREA list: its number, 0 for "None".
    std::array<int, 4> Navarea{0, 0, 0, 0};
    QString CoastalAreas = kAllCoastalAreas;
    // False while the areas were neither read nor changed by the operator: nothing is sent.
    bool CoastalKnown = true;
    std::array<qint8, 10> Types{};
    std::array<FixedPositionRow, 5> Fixed{};

    // The state of a dialog that asked the transceiver and has no answer yet: every setting grey.
    static EgcSetupValues Unread();
};

// The stored fixed positions (" 5,N,120,W 10,S,20,E"): item n fills row n; five rows at most.
std::array<FixedPositionRow, 5> ParseFixedPositions(const QString& stored);
// The position text of the complete rows (all four fields given), each " lat,H,lon,H".
QString FixedPositionsText(const std::array<FixedPositionRow, 5>& rows);

// Only the letters, in upper case: what "se -x" may carry.
QString CoastalLettersOnly(const QString& text);

// The first degree box that fails its range check (latitudes before longitudes), or none. A box
// passes when it is empty or holds digits only with a value of 0 to 90 (longitude 180).
struct DegreeFault {
    int Row = 0;
    bool Latitude = true;
};
std::optional<DegreeFault> FirstDegreeFault(const std::array<FixedPositionRow, 5>& rows);

// The setting commands for the dialog's values, in the order they are sent, and the position
// text to store. Grey boxes, and types, areas or NAVAREAs not read, send nothing; a hidden
// NAVAREA list (the transceiver offers one only) sends 0.
struct EgcSettingSequence {
    QStringList Commands;
    QString Positions;
};
EgcSettingSequence BuildSettingSequence(const EgcSetupValues& v, bool support4ExtraNavAreas, bool fixedPositionsSupported);

}  // namespace tidepost
