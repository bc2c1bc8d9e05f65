#include <gtest/gtest.h>

#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "support/TestPlatform.h"

namespace tidepost {
namespace {

class DefinitionsTest : public ::testing::Test {
protected:
    DefinitionsTest() : f(os.Os) {
        InitCodeTables(f);
    }
    test::TestPlatform os;
    Foundation f;
};

TEST_F(DefinitionsTest, TablesAtTheirBounds) {
    struct Case {
        const char* table;
        const QStringList* list;
        int size;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {"LesFileNames", &f.LesFileNames, 4, "les_aorw.dat", "les_ior.dat"},
        {"OceanNames", &f.OceanNames, 5, "West Atlantic", "No Ocean"},
        {"DestinationTypeNames", &f.DestinationTypeNames, 9, "E-Mail", "SMS"},
        {"MobileTypeNames", &f.MobileTypeNames, 6, "<unknown>", "Maritime for Ship Security Alert System"},
        {"ProductModelNames", &f.ProductModelNames, 21, "<unknown>", "570GM "},
        {"MobileStatusTexts", &f.MobileStatusTexts, 26, "Mobile not connected", "None"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(c.list->size(), c.size);
        EXPECT_EQ(CodeTableText(*c.list, 0), c.first);
        EXPECT_EQ(CodeTableText(*c.list, c.size - 1), c.last);
        EXPECT_EQ(CodeTableText(*c.list, c.size), "");
        EXPECT_EQ(CodeTableText(*c.list, -1), "");
    }
}

TEST_F(DefinitionsTest, OceanOrderDiffersOnlyInTheMobileStatusTexts) {
    EXPECT_EQ(f.OceanNames, (QStringList{"West Atlantic", "East Atlantic", "Pacific Ocean", "Indian Ocean", "No Ocean"}));
    EXPECT_EQ(f.MobileStatusTexts.mid(21),
              (QStringList{"West Atlantic", "East Atlantic", "Indian Ocean", "Pacific Ocean", "None"}));
    for (int ocean = 0; ocean < 4; ++ocean) EXPECT_EQ(f.LesFileNames[ocean], LesFileName(ocean));
    EXPECT_EQ(LesFileName(4), "");
}

TEST_F(DefinitionsTest, DestinationTypeWordsAsWrittenToTheOutboxLog) {
    EXPECT_EQ(f.DestinationTypeNames,
              (QStringList{"E-Mail", "Telex", "Fax", "InmC", "PSTN", "SAC", "DNID", "X.25", "SMS"}));
}

TEST_F(DefinitionsTest, ProductModelTextsKeepTheirTrailingBlank) {
    EXPECT_EQ(f.ProductModelNames[9], "560M SSAS");
    for (int model = 1; model <= 20; ++model) {
        if (model == 9) continue;
        EXPECT_TRUE(f.ProductModelNames[model].endsWith(' ')) << model;
    }
    EXPECT_EQ(f.ProductModelNames[1], "510A/B ");
    EXPECT_EQ(f.ProductModelNames[16], "570LRIT ");
}

TEST(ProductTypes, FollowTheModelFamilies) {
    const int expected[] = {0, 1, 1, 2, 2, 2, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5};
    for (int model = 0; model <= 20; ++model) EXPECT_EQ(ProductTypeOfModel(model), expected[model]) << model;
    EXPECT_EQ(ProductTypeOfModel(-1), 0);
    EXPECT_EQ(ProductTypeOfModel(21), 0);
}

TEST(SolasTypes, TextsAtTheirBounds) {
    EXPECT_EQ(SolasTypeName(0), "<unknown>");
    EXPECT_EQ(SolasTypeName(1), "Non-SOLAS without Distress");
    EXPECT_EQ(SolasTypeName(2), "Non-SOLAS with Distress");
    EXPECT_EQ(SolasTypeName(3), "SOLAS");
    EXPECT_EQ(SolasTypeName(4), "");
    EXPECT_EQ(SolasTypeName(-1), "");
}

}  // namespace
}  // namespace tidepost
