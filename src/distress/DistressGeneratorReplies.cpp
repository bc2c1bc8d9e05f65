#include "distress/DistressGeneratorReplies.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

constexpr auto CI = Qt::CaseInsensitive;
constexpr auto CS = Qt::CaseSensitive;
// Every value of the block stands this many characters after the start of its label.
constexpr qsizetype kValueOffset = 20;

using Outcome = DistressGeneratorReading::Outcome;

// The value of a label line: from the value's column up to the next line end, blanks trimmed.
std::optional<QString> LineValue(const QString& block, qsizetype label, const QString& lineEnd) {
    const qsizetype from = label + kValueOffset;
    if (from > block.size()) return std::nullopt;
    const qsizetype end = block.indexOf(lineEnd, from, CS);
    if (end < 0) return std::nullopt;
    return TrimBlanks(QStringView(block).mid(from, end - from)).toString();
}

// The LES number when the text is one naming a LES of one of the four oceans.
std::optional<int> OceanLes(const QString& text) {
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    const long rounded = std::lround(number);
    if (rounded < 0 || GetOceanOfLes(int(rounded)) > 3) return std::nullopt;
    return int(rounded);
}

// Reads the block (from "Parameters for Distress" through "knots" and a line end) into reading;
// False at the first value that cannot be read.
bool ReadBlock(const QString& block, const QString& lineEnd, DistressGeneratorReading& reading) {
    DistressGeneratorValues& v = reading.values;

    const QString current = QStringLiteral("Current LES/NCS Id:");
    const QString label = block.contains(lineEnd + current, CI) ? current : QStringLiteral("LES/NCS Id        :");
    const qsizetype lesAt = block.indexOf(lineEnd + label, 0, CI);
    if (lesAt < 0) return false;
    const std::optional<QString> les = LineValue(block, lesAt + lineEnd.size(), lineEnd);
    if (!les) return false;
    reading.les = OceanLes(*les);

    const qsizetype natureAt = block.indexOf(lineEnd + "Nature of Distress:", 0, CI);
    if (natureAt < 0) return false;
    const qsizetype natureFrom = natureAt + lineEnd.size() + kValueOffset;
    if (natureFrom >= block.size()) return false;
    v.Nature = block.mid(natureFrom, 1);

    const qsizetype timeAt = block.indexOf(QStringLiteral("Time of Position"), 0, CI);
    if (timeAt >= 0) {
        // The value is at most five characters; a short one must not take in the next line.
        QString time = block.mid(timeAt + kValueOffset, 5);
        const qsizetype lineBreak = time.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (lineBreak >= 0) time.truncate(lineBreak);
        const qsizetype colon = time.indexOf(':');
        if (colon < 0) return false;
        auto twoDigits = [](const QString& s) { return s.size() == 1 ? "0" + s : s; };
        v.TOPHour = twoDigits(time.left(colon));
        v.TOPMin = twoDigits(time.mid(colon + 1));
    }

    // The first "Position" may be the one inside "Time of Position"; its value then does not
    // split into eight pieces and the position is left empty.
    const qsizetype positionAt = block.indexOf(QStringLiteral("Position"), 0, CI);
    if (positionAt < 0) return false;
    const std::optional<QString> position = LineValue(block, positionAt, lineEnd);
    if (!position) return false;
    const QStringList pieces = position->split(' ');
    const bool eight = pieces.size() == 8;
    QString* fields[] = {&v.LatDeg, &v.LatMin, &v.LatHund, &v.NordSyd, &v.LonDeg, &v.LonMin, &v.LonHund, &v.OestVest};
    for (int i = 0; i < 8; ++i) *fields[i] = eight ? pieces[i] : QString();

    const qsizetype courseAt = block.indexOf(QStringLiteral("Course"), 0, CI);
    if (courseAt < 0) return false;
    const qsizetype courseFrom = courseAt + kValueOffset;
    const qsizetype degTrue = block.indexOf(QStringLiteral(" deg/true"), 0, CI);
    if (degTrue < courseFrom) return false;
    v.Course = block.mid(courseFrom, degTrue - courseFrom);

    const qsizetype speedAt = block.indexOf(QStringLiteral("Speed"), 0, CI);
    if (speedAt < 0) return false;
    const qsizetype speedFrom = speedAt + kValueOffset;
    const qsizetype knots = block.indexOf(QStringLiteral(" knots"), 0, CI);
    if (knots < 0) return false;
    v.Speed = knots - speedFrom < 1 ? QStringLiteral("0") : block.mid(speedFrom, knots - speedFrom);
    return true;
}

}  // namespace

DistressGeneratorReading ReadDistressGeneratorReply(const QString& reply, const QString& echoEnd,
                                                    const DistressGeneratorValues& earlier) {
    const QString lineEnd = echoEnd.isEmpty() ? QStringLiteral("\r\n") : echoEnd;
    DistressGeneratorReading reading;
    reading.values = earlier;

    const qsizetype errorAt = reply.indexOf(lineEnd + "ERROR", 0, CS);
    if (errorAt >= 0) {
        const qsizetype from = errorAt + lineEnd.size();
        const qsizetype end = reply.indexOf(lineEnd, from, CS);
        reading.outcome = Outcome::ErrorLine;
        reading.errorLine = end < 0 ? QStringLiteral("Unknown error occurred") : reply.mid(from, end - from);
        return reading;
    }

    const QString illegal = QStringLiteral("Illegal argument");
    const qsizetype blockAt = reply.indexOf(lineEnd + "Parameters for Distress", 0, CI);
    const qsizetype knotsAt = blockAt < 0 ? -1 : reply.indexOf(QStringLiteral("knots"), blockAt, CI);
    if (knotsAt < 0) {
        reading.illegalArgument = reply.contains(illegal, CS);
        return reading;
    }
    const QString block = reply.mid(blockAt, knotsAt + 5 + lineEnd.size() - blockAt);
    reading.outcome = ReadBlock(block, lineEnd, reading) ? Outcome::Parsed : Outcome::Failed;
    if (reading.outcome == Outcome::Failed) reading.illegalArgument = block.contains(illegal, CS);
    return reading;
}

AlertLesReading ReadAlertLesReply(const QString& reply) {
    AlertLesReading reading;
    const QChar stx(2);
    const QChar etx(3);
    auto fail = [&reading] {
        reading.errorNumber = 5;
        reading.errorDescription = QStringLiteral("Invalid procedure call or argument");
        return reading;
    };
    auto oceanLabel = [](int n) { return QStringLiteral("ocean ") + QString::number(n); };

    if (reply.contains(QStringLiteral("\r\nLand Mobile"), CI)) {
        reading.form = AlertLesReading::Form::LandMobile;
        for (int n = 0; n < 4; ++n) {
            const qsizetype at = reply.indexOf(oceanLabel(n), 0, CI);
            if (at < 0) continue;
            const qsizetype from = at + 15;
            const qsizetype end = from > reply.size() ? -1 : reply.indexOf(etx, from);
            if (end < 0) return fail();
            reading.les[n] = reply.mid(from, end - from);
        }
        return reading;
    }
    if (reply.contains(QStringLiteral("\r\nAlert LES"), CI)) {
        reading.form = AlertLesReading::Form::Maritime;
        for (int n = 0; n < 4; ++n) {
            const qsizetype at = reply.indexOf(oceanLabel(n), 0, CI);
            if (at < 0) return fail();
            const qsizetype start = reply.indexOf(stx, at);
            if (start < 15) continue;
            const qsizetype end = reply.indexOf(etx, start + 1);
            if (end < 0) return fail();
            const QString value = reply.mid(start + 1, end - start - 1);
            // Only a LES number is kept; anything else leaves the ocean as it was.
            if (IsAllDigits(value) && value.size() <= 3) reading.les[n] = value;
        }
        return reading;
    }
    if (reply.contains(QStringLiteral("LES IDs"), CI)) {
        reading.form = AlertLesReading::Form::LesIds;
        const qsizetype at = reply.indexOf(QStringLiteral("LES IDs           : "), 0, CI);
        if (at < 0) return reading;
        qsizetype from = at + 20;
        for (int n = 0; n < 4; ++n) {
            const qsizetype end = reply.indexOf(n < 3 ? QChar(',') : QChar('\r'), from);
            if (end < 0) return fail();
            reading.les[n] = reply.mid(from, end - from);
            from = end + 2;
            if (from > reply.size()) from = reply.size();
        }
        return reading;
    }
    return reading;
}

const std::array<DistressNature, 11> kDistressNatures = {{
    {'U', 2231, "Undesignated", 2859, "Unspecified"},
    {'E', 2232, "Explosion/Fire", 2860, "Ambulance"},
    {'F', 2233, "Flooding", 2861, "Fire"},
    {'C', 2234, "Collision", 2862, "Police"},
    {'G', 2235, "Grounding", 2863, "Hijack"},
    {'L', 2236, "Listing", 2864, "Under attack/threat of attack"},
    {'S', 2237, "Sinking", 2865, "Dangerous cargo leak/spill"},
    {'D', 2238, "Disabled && adrift", 2866, "Accident"},
    {'A', 2239, "Abandoning ship", 2867, "Vehicle breakdown"},
    {'R', 2240, "Req. assistance", 2868, "Severe weather"},
    {'P', 2241, "Piracy", 0, ""},
}};

std::optional<int> ReadNatureOfDistressReply(const QString& reply) {
    // The words the transceiver uses for each nature, land-mobile and maritime, in table order.
    static const char* const kWords[10][2] = {
        {"Unspecified", nullptr},
        {"Ambulance", "Explosion"},
        {"Fire", "Flooding"},
        {"Police", "Collision"},
        {"Hijack", "Grounding"},
        {"attack", "Listing"},
        {"Danger", "Sinking"},
        {"Accident", "Disabled and adrift"},
        {"Vehicle breakdown", "Abandoning ship"},
        {"Severe weather", "Require assistance"},
    };
    const qsizetype maritime = reply.indexOf(QStringLiteral("Maritime "), 0, CI);
    const QString text = reply.mid(maritime < 0 ? 7 : maritime + 8);
    std::optional<int> found;
    for (int row = 0; row < 10; ++row)
        for (const char* word : kWords[row])
            if (word && text.contains(QLatin1String(word), CS)) found = row;
    return found;
}

}  // namespace tidepost
