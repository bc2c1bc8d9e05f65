#include <gtest/gtest.h>

#include "distress/DistressSetCommands.h"

namespace tidepost {
namespace {

DistressGeneratorValues Typed() {
    DistressGeneratorValues v;
    v.NordSyd = "N";
    v.LatDeg = "55";
    v.LatMin = "4 0";  // a blank inside a position field goes
    v.LatHund = "12";
    v.OestVest = "E";
    v.LonDeg = "012";
    v.LonMin = "35";
    v.LonHund = "47";
    v.TOPHour = "14";
    v.TOPMin = "05";
    v.Course = "090";
    v.Speed = "11";
    return v;
}

TEST(DistressSetCommands, GeneratorCommandFromTheDialog) {
    EXPECT_EQ(DistressGeneratorSetCommand("112", 'U', false, Typed()), "se -g 112,U,N,55,40,12,E,012,35,47,14,05,090,11");
    DistressGeneratorValues noSpeed = Typed();
    noSpeed.Speed = "";
    EXPECT_EQ(DistressGeneratorSetCommand("112", 'F', false, noSpeed), "se -g 112,F,N,55,40,12,E,012,35,47,14,05,090,");
    // The GPS form ignores whatever the boxes hold.
    EXPECT_EQ(DistressGeneratorSetCommand("401", 'P', true, Typed()), "se -g 401,P,S,127,63,0,W,255,63,0,23,59,359,180");
    EXPECT_EQ(DistressGeneratorSetCommand("0", 'U', true, {}), "se -g 0,U,S,127,63,0,W,255,63,0,23,59,359,180");
}

TEST(DistressSetCommands, LesFromTheChosenEntry) {
    struct Case {
        const char* entry;
        int productType;
        const char* id;
        bool clears;
    } cases[] = {
        {"112, Burum", 0, "112", false},
        {"305, Perth", 5, "305", false},
        {"LES automatically selected by mobile", 5, "401", false},
        {"LES automatically selected by mobile", 4, "401", false},
        {"LES automatically selected by mobile", 3, "0", true},
        {"LES automatically selected by mobile", 0, "0", true},
        {"", 1, "0", true},
        {"12", 1, "0", true},
    };
    for (const Case& c : cases) {
        const GeneratorLesChoice choice = GeneratorLesId(c.entry, c.productType);
        EXPECT_EQ(choice.id, c.id) << c.entry << " " << c.productType;
        EXPECT_EQ(choice.clearsOceanLes, c.clears) << c.entry << " " << c.productType;
    }
    EXPECT_EQ(AlertLesId("212, Eik").id, "212");
    EXPECT_FALSE(AlertLesId("212, Eik").clearsOceanLes);
    EXPECT_EQ(AlertLesId("LES automatically selected by mobile").id, "0");
    EXPECT_TRUE(AlertLesId("LES automatically selected by mobile").clearsOceanLes);
}

TEST(DistressSetCommands, AlertLesAndLandMobileNature) {
    EXPECT_EQ(AlertLesSetCommand({"002", "112", "212", "305"}), "se -m 002,112,212,305");
    EXPECT_EQ(AlertLesSetCommand({"0", "112", "0", "0"}), "se -m 0,112,0,0");
    EXPECT_EQ(LandMobileNatureSetCommand({"002", "112", "212", "305"}, 'U'), "se -m 002,n,U");
    EXPECT_EQ(LandMobileNatureSetCommand({"000", "000", "212", "000"}, 'S'), "se -m 212,n,S");
    EXPECT_EQ(LandMobileNatureSetCommand({"000", "000", "000", "000"}, 'R'), "se -m 000,n,R");
}

}  // namespace
}  // namespace tidepost
