#pragma once
#include <QString>
#include <array>
#include <optional>

namespace tidepost {

// What the transceiver's distress alert generator holds, as text exactly as its "se -g" reply
// gives it (no conversion, no range check); empty until the first reply is read.
struct DistressGeneratorValues {
    QString Nature;
    QString LatDeg;
    QString LatMin;
    QString LatHund;
    QString NordSyd;
    QString LonDeg;
    QString LonMin;
    QString LonHund;
    QString OestVest;
    QString TOPHour;
    QString TOPMin;
    QString Course;
    QString Speed;
    bool operator==(const DistressGeneratorValues&) const = default;
};

// What a "se -g" reply says, read without touching any state.
struct DistressGeneratorReading {
    enum class Outcome {
        ErrorLine,  // the transceiver refused: nothing is to change
        Parsed,     // every value was read
        Failed,     // the block or one of its lines could not be read
    };
    Outcome outcome = Outcome::Failed;
    // ErrorLine: the refusal's line, or "Unknown error occurred" when no line end follows it.
    QString errorLine;
    // Failed: the text in hand held "Illegal argument" (the unit has no generator).
    bool illegalArgument = false;
    // The alert LES when its value is a number naming a LES of one of the four oceans.
    std::optional<int> les;
    // The earlier values with what was read put in, up to a failure.
    DistressGeneratorValues values;
};

// Reads a "se -g" reply; lineEnd is the echo's line end (CR LF until one is learnt).
DistressGeneratorReading ReadDistressGeneratorReply(const QString& reply, const QString& lineEnd,
                                                    const DistressGeneratorValues& earlier);

// The "se -m ALL_OCEANS" reply: the alert LES per ocean (AOR-W, AOR-E, POR, IOR).
struct AlertLesReading {
    enum class Form { None, LandMobile, Maritime, LesIds };
    Form form = Form::None;
    // The ocean's value where one was read (LES ids as text, before any name is looked up).
    std::array<std::optional<QString>, 4> les;
    // Non-zero when the reply could not be read to its end; the values before it stay.
    int errorNumber = 0;
    QString errorDescription;
};
AlertLesReading ReadAlertLesReply(const QString& reply);

// The natures of distress: the letter the transceiver uses, the maritime option's string, and
// the land-mobile text (empty for the maritime-only Piracy).
struct DistressNature {
    char letter;
    int maritimeId;
    const char* maritime;
    int landMobileId;
    const char* landMobile;
};
extern const std::array<DistressNature, 11> kDistressNatures;

// The "se -m " reply: the index in kDistressNatures of the last nature whose words it holds.
std::optional<int> ReadNatureOfDistressReply(const QString& reply);

}  // namespace tidepost
