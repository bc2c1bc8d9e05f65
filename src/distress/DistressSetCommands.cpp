#include "distress/DistressSetCommands.h"

#include <QStringList>

#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {
// The three-digit id at the start of a LES entry, or empty when it does not start with one.
QString EntryId(const QString& entry) {
    const QString id = entry.left(3);
    return id.size() == 3 && IsAllDigits(id) ? id : QString();
}
}  // namespace

GeneratorLesChoice GeneratorLesId(const QString& lesEntry, int productType) {
    const QString id = EntryId(lesEntry);
    if (!id.isEmpty()) return {id, false};
    if (productType == 5 || productType == 4) return {QStringLiteral("401"), false};
    return {QStringLiteral("0"), true};
}

QString DistressGeneratorSetCommand(const QString& les, QChar nature, bool useGps, const DistressGeneratorValues& v) {
    QString command = "se -g " + les + "," + nature;
    if (useGps) return command + ",S,127,63,0,W,255,63,0,23,59,359,180";
    for (const QString& field : {v.NordSyd, v.LatDeg, v.LatMin, v.LatHund, v.OestVest, v.LonDeg, v.LonMin, v.LonHund})
        command += "," + RemoveSpaces(field);
    for (const QString& field : {v.TOPHour, v.TOPMin, v.Course, v.Speed}) command += "," + field;
    return command;
}

AlertLesChoice AlertLesId(const QString& lesEntry) {
    const QString id = EntryId(lesEntry);
    if (id.isEmpty()) return {QStringLiteral("0"), true};
    return {id, false};
}

QString AlertLesSetCommand(const std::array<QString, 4>& ids) {
    return "se -m " + QStringList(ids.begin(), ids.end()).join(',');
}

QString LandMobileNatureSetCommand(const std::array<QString, 4>& ids, QChar letter) {
    QString id = ids[3];
    for (const QString& candidate : ids) {
        if (candidate != QLatin1String("000")) {
            id = candidate;
            break;
        }
    }
    return "se -m " + id + ",n," + letter;
}

}  // namespace tidepost
