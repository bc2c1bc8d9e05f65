#include "foundation/Definitions.h"

#include <array>

#include "foundation/Foundation.h"
#include "foundation/MlText.h"

namespace tidepost {

namespace {

struct TableText {
    int id;
    const char* english;
};


template <std::size_t N>
QStringList PlainTable(const std::array<const char*, N>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const char* t : texts) list.append(QString::fromLatin1(t));
    return list;
}

template <std::size_t N>
QStringList MlTable(const Foundation& f, const std::array<TableText, N>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const TableText& t : texts) list.append(MlText(f, t.id, QString::fromLatin1(t.english)));
    return list;
}

constexpr std::array<const char*, 4> kLesFileNames = {"les_aorw.dat", "les_aore.dat", "les_por.dat", "les_ior.dat"};

constexpr std::array<TableText, 5> kOceanNames = {{
    {2963, "West Atlantic"},
    {2964, "East Atlantic"},
    {2341, "Pacific Ocean"},
    {2340, "Indian Ocean"},
    {2985, "No Ocean"},
}};

constexpr std::array<const char*, 9> kDestinationTypeNames = {"E-Mail", "Telex", "Fax",  "InmC", "PSTN",
                                                              "SAC",    "DNID",  "X.25", "SMS"};

constexpr std::array<const char*, 6> kMobileTypeNames = {
    "<unknown>", "Landmobile", "Maritime", "Fishery", "Aero", "Maritime for Ship Security Alert System"};

struct ProductModel {
    const char* name;
    int productType;
};

// Most model texts end in a blank that belongs to them.
constexpr std::array<ProductModel, 21> kProductModels = {{
    {"<unknown>", 0}, {"510A/B ", 1}, {"510C ", 1}, {"540C ", 2},     {"540D ", 2},   {"540E ", 2},   {"530A ", 3},
    {"560L ", 4},     {"560M ", 4},   {"560M SSAS", 4}, {"560S ", 4}, {"560D ", 4},   {"560C ", 4},   {"570L ", 5},
    {"570M ", 5},     {"570SSA ", 5}, {"570LRIT ", 5},  {"570D ", 5}, {"570C ", 5},   {"570GD ", 5},  {"570GM ", 5},
}};

constexpr std::array<const char*, 4> kSolasTypeNames = {"<unknown>", "Non-SOLAS without Distress",
                                                        "Non-SOLAS with Distress", "SOLAS"};

// 21..24 run West, East, Indian, Pacific: the transceiver's order, not OceanIndex order.
constexpr std::array<TableText, 26> kMobileStatusTexts = {{
    {2740, "Mobile not connected"},
    {52, "Sending Distress"},
    {59, "Link Test..."},
    {2741, "Connected to mobile"},
    {50, "Logged out"},
    {2957, "Pending..."},
    {2958, "Sending Distress test!"},
    {54, "Confirmation request"},
    {55, "Logging in..."},
    {56, "Logging out..."},
    {57, "Changing NCS"},
    {58, "Scanning..."},
    {60, "Transmission"},
    {61, "Receiving..."},
    {2959, "Receiving EGC"},
    {2960, "Position Report"},
    {63, "Data report"},
    {2961, "Enhanced data report"},
    {64, "Programmed report"},
    {2962, "Tuning..."},
    {66, "Searching..."},
    {2963, "West Atlantic"},
    {2964, "East Atlantic"},
    {2340, "Indian Ocean"},
    {2341, "Pacific Ocean"},
    {2947, "None"},
}};

}  // namespace

QString LesFileName(int ocean) {
    if (ocean < 0 || ocean >= kOceanCount) return {};
    return QString::fromLatin1(kLesFileNames[static_cast<std::size_t>(ocean)]);
}

void InitLesFileNames(Foundation& f) { f.LesFileNames = PlainTable(kLesFileNames); }
void InitOceanNames(Foundation& f) { f.OceanNames = MlTable(f, kOceanNames); }
void InitDestinationTypeNames(Foundation& f) { f.DestinationTypeNames = PlainTable(kDestinationTypeNames); }
void InitMobileTypeNames(Foundation& f) { f.MobileTypeNames = PlainTable(kMobileTypeNames); }

void InitProductModelNames(Foundation& f) {
    f.ProductModelNames.clear();
    for (const ProductModel& m : kProductModels) f.ProductModelNames.append(QString::fromLatin1(m.name));
}

void InitMobileStatusTexts(Foundation& f) { f.MobileStatusTexts = MlTable(f, kMobileStatusTexts); }

void InitCodeTables(Foundation& f) {
    InitLesFileNames(f);
    InitOceanNames(f);
    InitDestinationTypeNames(f);
    InitMobileTypeNames(f);
    InitProductModelNames(f);
    InitMobileStatusTexts(f);
}

QString CodeTableText(const QStringList& table, int index) {
    return index >= 0 && index < table.size() ? table.at(index) : QString();
}

int ProductTypeOfModel(int productModel) {
    if (productModel < 0 || productModel >= static_cast<int>(kProductModels.size())) return 0;
    return kProductModels[static_cast<std::size_t>(productModel)].productType;
}

QString SolasTypeName(int solasType) {
    if (solasType < 0 || solasType >= static_cast<int>(kSolasTypeNames.size())) return {};
    return QString::fromLatin1(kSolasTypeNames[static_cast<std::size_t>(solasType)]);
}

}  // namespace tidepost
