#pragma once
#include <QString>
#include <array>

#include "distress/DistressGeneratorReplies.h"

namespace tidepost {

// The alert LES id sent for a chosen LES entry ("112, Name"): its three-digit id, or, for the
// entry that leaves the choice to the unit, "401" on ProductType 5 or 4 and "0" on the others.
struct GeneratorLesChoice {
    QString id;
    // The configuration's alert LES of the ocean is to become 0 ("0" was sent).
    bool clearsOceanLes = false;
};
GeneratorLesChoice GeneratorLesId(const QString& lesEntry, int productType);

// "se -g " with the LES, the nature letter and the twelve fields as the operator typed them (the
// eight position fields without blanks); with useGps the unit's own position is asked for instead.
QString DistressGeneratorSetCommand(const QString& les, QChar nature, bool useGps, const DistressGeneratorValues& v);

// The id an ocean's LES entry gives for the "se -m" alert LES list: its three digits, else "0".
struct AlertLesChoice {
    QString id;
    bool clearsOceanLes = false;
};
AlertLesChoice AlertLesId(const QString& lesEntry);

// "se -m " and the four ids (AOR-W, AOR-E, POR, IOR) joined by ",".
QString AlertLesSetCommand(const std::array<QString, 4>& ids);

// "se -m " with the first id that is not "000" (the IOR id when all are), ",n," and the letter.
QString LandMobileNatureSetCommand(const std::array<QString, 4>& ids, QChar letter);

}  // namespace tidepost
