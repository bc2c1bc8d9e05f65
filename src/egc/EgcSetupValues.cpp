#include "egc/EgcSetupValues.h"

namespace tidepost {

EgcSetupValues EgcSetupValues::Unread() {
    EgcSetupValues v;
    v.EGCOnly = v.SystemMessage = v.SafetyNET = v.AddNavarea = kBoxGrey;
    // Not the 26 letters of a fresh dialog: an empty box shows that nothing has been read yet.
    v.CoastalAreas.clear();
    v.CoastalKnown = false;
    v.Types.fill(kBoxGrey);
    return v;
}

std::array<FixedPositionRow, 5> ParseFixedPositions(const QString& stored) {
    std::array<FixedPositionRow, 5> rows{};
    const QStringList items = stored.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype n = 0; n < items.size() && n < 5; ++n) {
        const QStringList f = items[n].split(QLatin1Char(','));
        auto field = [&f](int i) { return i < f.size() ? f[i] : QString(); };
        FixedPositionRow& row = rows[n];
        row.LatDeg = field(0);
        const QString lat = field(1).trimmed();
        row.LatHem = (lat == "N" || lat == "S") ? lat : QString();
        row.LonDeg = field(2);
        const QString lon = field(3).trimmed();
        row.LonHem = (lon == "E" || lon == "W") ? lon : QString();
    }
    return rows;
}

QString FixedPositionsText(const std::array<FixedPositionRow, 5>& rows) {
    QString text;
    for (const FixedPositionRow& r : rows) {
        if (r.LatDeg.isEmpty() || r.LatHem.isEmpty() || r.LonDeg.isEmpty() || r.LonHem.isEmpty()) continue;
        text += ' ' + r.LatDeg + ',' + r.LatHem.left(1) + ',' + r.LonDeg + ',' + r.LonHem.left(1);
    }
    return text;
}

QString CoastalLettersOnly(const QString& text) {
    QString letters;
    for (QChar c : text) {
        const QChar u = c.toUpper();
        if (u >= 'A' && u <= 'Z') letters += u;
    }
    return letters;
}

namespace {
bool DegreeInRange(const QString& text, int max) {
    if (text.isEmpty()) return true;
    for (QChar c : text)
        if (c < '0' || c > '9') return false;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value <= max;
}
}  // namespace

std::optional<DegreeFault> FirstDegreeFault(const std::array<FixedPositionRow, 5>& rows) {
    for (int n = 0; n < 5; ++n)
        if (!DegreeInRange(rows[n].LatDeg, 90)) return DegreeFault{n, true};
    for (int n = 0; n < 5; ++n)
        if (!DegreeInRange(rows[n].LonDeg, 180)) return DegreeFault{n, false};
    return std::nullopt;
}

EgcSettingSequence BuildSettingSequence(const EgcSetupValues& v, bool support4ExtraNavAreas, bool fixedPositionsSupported) {
    EgcSettingSequence s;
    auto flag = [&s](qint8 box, const char* command) {
        if (box == kBoxClear || box == kBoxTicked) s.Commands << QString::fromLatin1(command) + (box == kBoxTicked ? " 1" : " 0");
    };
    flag(v.EGCOnly, "se -e");
    flag(v.SystemMessage, "se -a");
    flag(v.SafetyNET, "se -w");
    if (v.AddNavarea == kBoxTicked) {
        QStringList numbers;
        for (int i = 0; i < 4; ++i) numbers << QString::number(i == 0 || support4ExtraNavAreas ? v.Navarea[i] : 0);
        s.Commands << "se -sn " + numbers.join(',') << "se -n 1";
    } else if (v.AddNavarea == kBoxClear) {
        s.Commands << "se -sn 0" << "se -n 0";
    }
    if (v.CoastalKnown) {
        const QString areas = CoastalLettersOnly(v.CoastalAreas);
        s.Commands << "se -x " + (areas.isEmpty() ? QStringLiteral(".") : areas);
    }
    bool typesKnown = true;
    QString types;
    for (std::size_t i = 0; i < kEgcMessageTypeLetters.size(); ++i) {
        if (v.Types[i] == kBoxGrey) typesKnown = false;
        if (v.Types[i] == kBoxTicked) types += QLatin1Char(kEgcMessageTypeLetters[i]);
    }
    if (typesKnown) s.Commands << "se -y " + (types.isEmpty() ? QStringLiteral(".") : types);
    s.Positions = FixedPositionsText(v.Fixed);
    if (fixedPositionsSupported) s.Commands << "fx" + s.Positions;
    return s;
}

}  // namespace tidepost
