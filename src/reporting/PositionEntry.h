#pragma once
#include <QString>
#include <optional>

#include "foundation/PositionFieldChecks.h"

namespace tidepost {

struct Foundation;

// A position as the position dialog's boxes hold it: each text as typed (digits only), each
// hemisphere the text of its chosen entry ("" for the empty one).
struct PositionTexts {
    QString LatDeg, LatMin, LatHund, NS;
    QString LonDeg, LonMin, LonHund, EW;
    QString Course, Speed;
};

// A box's value: its leading digits as a number; an empty box counts as 0.
double PositionFieldValue(const QString& text);

// The checks of OK, in order: each box within its range (latitude 0-90° 0-60' 0-99, longitude
// 0-180° 0-60' 0-99, speed 0-200, course 0-360), then both hemispheres chosen, then the latitude
// at most 90° and its minutes at most 60', the longitude at most 180° and its minutes at most 60'.
// The first failure, or none. The messages show the hundredths with two digits, as they are read.
std::optional<PositionRefusal> CheckTypedPosition(const Foundation& f, const PositionTexts& t);

// "se -p" with the ten values separated by ",": the numbers as typed, an empty one as "0".
QString PositionSetCommand(const PositionTexts& t);

// The fix time as the dialog shows it: "hh:mm" of "hh:mm:ss" (empty unless the time has two
// ":"), and the zone that follows the first blank ("" without one).
struct FixTimeText {
    QString Time;
    QString Zone;
};
FixTimeText SplitFixTime(const QString& updated);

}  // namespace tidepost
