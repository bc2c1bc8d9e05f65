#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tidepost {

struct Foundation;

// An ocean region. Every per-ocean array is indexed 0..3 in this order; 4 is never an index.
using OceanIndex = std::uint8_t;
inline constexpr OceanIndex kOceanAorW = 0;
inline constexpr OceanIndex kOceanAorE = 1;
inline constexpr OceanIndex kOceanPor = 2;
inline constexpr OceanIndex kOceanIor = 3;
inline constexpr OceanIndex kOceanNone = 4;
inline constexpr int kOceanCount = 4;

// The line end of the files the program writes and of the commands it sends.
inline const QString kCrLf = QStringLiteral("\r\n");
// The message priority of a distress message, as the editor and the send dialogue keep it.
inline constexpr std::uint8_t kDistressPriority = 1;
// The one recipient of a distress message, as the distress editor addresses it and the sent items
// show it.
inline const QString kSearchAndRescue = QStringLiteral("SEARCH & RESCUE");

// The classic run-time error of an index outside its array.
inline constexpr int kErrSubscriptOutOfRange = 9;

// A Land Earth Station number: ocean * 100 + station (1..64). Validity, ocean and the three-digit
// form are the general routines IsValidLesId, GetOceanOfLes and FormatThreeDigits.
using LesId = int;

// One entry of the in-memory settings file ([key], value) or of a LES list (three-digit id, name).
struct KeyValuePair {
    QString Key;
    QString Value;
    friend bool operator==(const KeyValuePair&, const KeyValuePair&) = default;
};

// The LES list file of an ocean 0..3 ("les_aorw.dat" ...); "" for any other value.
QString LesFileName(int ocean);

// Each fills its table in Foundation; the translated ones take the texts of the current language.
void InitLesFileNames(Foundation& f);
void InitOceanNames(Foundation& f);
void InitDestinationTypeNames(Foundation& f);
void InitMobileTypeNames(Foundation& f);
void InitProductModelNames(Foundation& f);
void InitMobileStatusTexts(Foundation& f);
// All six, in the order above.
void InitCodeTables(Foundation& f);

// The text at `index` of a code table; "" outside the table, so a code the transceiver or a file
// reports beyond the known range shows as nothing rather than failing.
QString CodeTableText(const QStringList& table, int index);

// The product type (0..5) that goes with a product model (0..20); 0 for an unknown model.
int ProductTypeOfModel(int productModel);

// The text of a SOLAS type code 0..3 (English); "" outside.
QString SolasTypeName(int solasType);

}  // namespace tidepost
