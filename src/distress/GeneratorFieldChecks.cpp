#include "distress/GeneratorFieldChecks.h"

#include <array>
#include <cmath>

#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

constexpr std::array<GeneratorFieldCheck, 10> kChecks = {{
    {"LatDegText", 90, 2615, "Error: Latitude degrees field must contain a value between ", 2610, " and "},
    {"LatMinText", 59, 2616, "Error: Latitude minutes field must contain a value between ", 2610, " and "},
    {"LatHundText", 99, 2617, "Error: Latitude minutes/100 field must contain a value between ", 2610, " and "},
    {"LonDegText", 180, 2618, "Error: Longitude degrees field must contain a value between ", 2610, " and "},
    {"LonMinText", 59, 2619, "Error: Longitude minutes field must contain a value between ", 2610, " and "},
    {"LonHundText", 99, 2620, "Error: Longitude minutes/100 field must contain a value between ", 2610, " and "},
    {"SpeedText", 200, 2611, "Error: Speed field must contain a value between ", 2610, " and "},
    {"CourseText", 360, 2609, "Error: Course field must contain a value between", 2856, " and "},
    {"TOPMinText", 59, 2614, "Error: Minutes field must contain a value between ", 2610, " and "},
    {"TOPHourText", 23, 2613, "Error: Hour field must contain a value between ", 2610, " and "},
}};

const QString& BoxText(const DistressGeneratorValues& v, int check) {
    const QString* texts[] = {&v.LatDeg, &v.LatMin, &v.LatHund, &v.LonDeg, &v.LonMin,
                              &v.LonHund, &v.Speed, &v.Course, &v.TOPMin, &v.TOPHour};
    return *texts[check];
}

// A coordinate's total in degrees; the three texts have passed their range checks.
double Total(const QString& deg, const QString& min, const QString& hund) {
    return *GeneratorFieldValue(deg) + *GeneratorFieldValue(min) / 60 + *GeneratorFieldValue(hund) / 6000;
}

}  // namespace

std::optional<double> GeneratorFieldValue(const QString& text) {
    if (!IsAllDigits(text)) return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool ValidateField(const QString& text, const GeneratorFieldCheck& check) {
    const std::optional<double> value = GeneratorFieldValue(text);
    return value && *value >= 0 && *value <= check.maximum;
}

std::optional<PositionRefusal> ValidatePosition(const Foundation& f, const DistressGeneratorValues& v) {
    for (int i = 0; i < int(kChecks.size()); ++i)
        if (!ValidateField(BoxText(v, i), kChecks[i]))
            return PositionRefusal{kChecks[i].box, FieldCheckMessage(f, kChecks[i]), true};

    const auto totalMessage = [&f](int id, const char* english, const QString& deg, const QString& min,
                                   const QString& hund, const QString& side, int rangeId, const char* range) {
        return CoordinateMessage(f, id, english, deg, min, hund, side, rangeId, range);
    };
    const bool northSouth = v.NordSyd == QLatin1String("N") || v.NordSyd == QLatin1String("S");
    if (!northSouth || Total(v.LatDeg, v.LatMin, v.LatHund) > 90)
        return PositionRefusal{"LatDegText",
                               totalMessage(2624, "Error: Latitude is ", v.LatDeg, v.LatMin, v.LatHund, v.NordSyd, 2625,
                                            "It must be between 0 and 90 degrees"),
                               false};
    const bool eastWest = v.OestVest == QLatin1String("E") || v.OestVest == QLatin1String("W");
    if (!eastWest || Total(v.LonDeg, v.LonMin, v.LonHund) > 180)
        return PositionRefusal{"LonDegText",
                               totalMessage(2628, "Error: Longitude is ", v.LonDeg, v.LonMin, v.LonHund, v.OestVest,
                                            2629, "It must be between 0 and 180 degrees"),
                               false};
    return std::nullopt;
}

}  // namespace tidepost
