#include "reporting/PositionEntry.h"

#include <array>

#include "foundation/MlText.h"

namespace tidepost {

namespace {

constexpr std::array<PositionFieldCheck, 8> kChecks = {{
    {"LatDegText", 90, 2615, "Error: Latitude degrees field must contain a value between ", 2610, " and "},
    {"LatMinText", 60, 2616, "Error: Latitude minutes field must contain a value between ", 2610, " and "},
    {"LatHundText", 99, 2617, "Error: Latitude minutes/100 field must contain a value between ", 2610, " and "},
    {"LonDegText", 180, 2618, "Error: Longitude degrees field must contain a value between ", 2610, " and "},
    {"LonMinText", 60, 2619, "Error: Longitude minutes field must contain a value between ", 2610, " and "},
    {"LonHundText", 99, 2620, "Error: Longitude minutes/100 field must contain a value between ", 2610, " and "},
    {"SpeedText", 200, 2611, "Error: Speed field must contain a value between ", 2610, " and "},
    {"CourseText", 360, 2903, "Error: Course field must contain a value between ", 2610, " and "},
}};

const QString& CheckedText(const PositionTexts& t, int check) {
    const QString* texts[] = {&t.LatDeg, &t.LatMin, &t.LatHund, &t.LonDeg, &t.LonMin, &t.LonHund, &t.Speed, &t.Course};
    return *texts[check];
}

// Hundredths of a minute follow a decimal point: 5 is ".05".
QString Hundredths(const QString& text) { return text.size() < 2 ? text.rightJustified(2, u'0') : text; }

// The refusal of a coordinate's minutes: they, the hundredths and the hemisphere, then the range.
QString MinutesMessage(const Foundation& f, int id, const char* message, const QString& minutes, const QString& hundredths,
                       const QString& hemisphere) {
    return MlText(f, id, message) + minutes + "." + Hundredths(hundredths) + "' " + hemisphere + "\r\n" +
           MlText(f, 2627, "It must be between 0 and 60 minutes");
}

QString NumberOrZero(const QString& text) { return text.isEmpty() ? QStringLiteral("0") : text; }

}  // namespace

double PositionFieldValue(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text.at(end) >= u'0' && text.at(end) <= u'9') ++end;
    return end == 0 ? 0.0 : text.left(end).toDouble();
}

std::optional<PositionRefusal> CheckTypedPosition(const Foundation& f, const PositionTexts& t) {
    for (int i = 0; i < int(kChecks.size()); ++i) {
        const double value = PositionFieldValue(CheckedText(t, i));
        if (value < 0 || value > kChecks[i].maximum)
            return PositionRefusal{kChecks[i].box, FieldCheckMessage(f, kChecks[i]), true};
    }
    // Without its hemisphere a coordinate names no place; the transceiver would store whatever it
    // makes of an empty field, and distress alerts carry that position.
    if (t.NS.isEmpty() || t.EW.isEmpty())
        return PositionRefusal{t.NS.isEmpty() ? "NSHem" : "EWHem",
                               MlText(f, 3562, "Choose the hemispheres of the position: N or S, and E or W."), false};
    const double latDeg = PositionFieldValue(t.LatDeg), latMin = PositionFieldValue(t.LatMin),
                 latHund = PositionFieldValue(t.LatHund);
    const double lonDeg = PositionFieldValue(t.LonDeg), lonMin = PositionFieldValue(t.LonMin),
                 lonHund = PositionFieldValue(t.LonHund);
    if (latDeg + latMin / 60 + latHund / 6000 > 90)
        return PositionRefusal{"LatDegText",
                               CoordinateMessage(f, 2624, "Error: Latitude is ", t.LatDeg, t.LatMin, Hundredths(t.LatHund),
                                                 t.NS, 2625, "It must be between 0 and 90 degrees"),
                               false};
    if (latMin + latHund / 100 > 60)
        return PositionRefusal{"LatMinText",
                               MinutesMessage(f, 2626, "Error: Latitude minutes are ", t.LatMin, t.LatHund, t.NS),
                               false};
    if (lonDeg + lonMin / 60 + lonHund / 6000 > 180)
        return PositionRefusal{"LonDegText",
                               CoordinateMessage(f, 2628, "Error: Longitude is ", t.LonDeg, t.LonMin, Hundredths(t.LonHund),
                                                 t.EW, 2629, "It must be between 0 and 180 degrees"),
                               false};
    if (lonMin + lonHund / 100 > 60)
        return PositionRefusal{"LonMinText",
                               MinutesMessage(f, 2630, "Error: Longitude minutes are ", t.LonMin, t.LonHund, t.EW),
                               false};
    return std::nullopt;
}

QString PositionSetCommand(const PositionTexts& t) {
    const QString values[] = {NumberOrZero(t.LatDeg), NumberOrZero(t.LatMin), NumberOrZero(t.LatHund), t.NS,
                              NumberOrZero(t.LonDeg), NumberOrZero(t.LonMin), NumberOrZero(t.LonHund), t.EW,
                              NumberOrZero(t.Course), NumberOrZero(t.Speed)};
    QString command = QStringLiteral("se -p ");
    for (int i = 0; i < 10; ++i) command += (i ? QStringLiteral(",") : QString()) + values[i];
    return command;
}

FixTimeText SplitFixTime(const QString& updated) {
    FixTimeText out;
    QString time = updated;
    const qsizetype blank = updated.indexOf(u' ');
    if (blank > 0 && blank < updated.size() - 1) {
        out.Zone = updated.mid(blank + 1);
        time = updated.left(blank);
    }
    const qsizetype first = time.indexOf(u':');
    const qsizetype second = first < 0 ? -1 : time.indexOf(u':', first + 1);
    if (second > 0) out.Time = time.left(first) + ':' + time.mid(first + 1, second - first - 1);
    return out;
}

}  // namespace tidepost
