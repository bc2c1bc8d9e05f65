#include <gtest/gtest.h>

#include "link/TransceiverIdentity.h"
#include "link/StatusReplyFixture.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

struct Codes {
    int MobileType, ProductType, ProductModel, SolasType, AtcType;
    friend bool operator==(const Codes&, const Codes&) = default;
};

std::ostream& operator<<(std::ostream& os, const Codes& c) {
    return os << c.MobileType << ", " << c.ProductType << ", " << c.ProductModel << ", " << c.SolasType << ", "
              << c.AtcType;
}

struct IdentityCase {
    const char* name;
    const char* description;  // the line the transceiver describes itself with
    bool is510AB;
    Codes expected;
};

class Identity : public StatusReplyFixture {
protected:
    Codes Classify(const QString& description, bool is510AB) {
        CSession& s = f.gSession;
        s.SetMobileType510AB(is510AB);
        s.SetMobileType(0);
        s.SetProductType(0);
        s.SetProductModel(0);
        s.SetSolasType(0);
        s.SetAtcType(0);
        ClassifyMobile(link, "st -i\r\nProduct   : " + description + "\r\ncan0:/$ ");
        return Current();
    }
    Codes Current() const {
        const CSession& s = f.gSession;
        return {s.MobileType(), s.ProductType(), s.ProductModel(), s.SolasType(), s.AtcType()};
    }
};

// Each marker alone, and the overlaps where a later marker overrides an earlier one. AtcType 2 is
// stored as 0. Markers are matched in any letter case.
TEST_F(Identity, EachMarkerAndItsOverrides) {
    const IdentityCase cases[] = {
        {"land mobile", "Inmarsat-C Landmobile", false, {1, 2, 3, 1, 1}},
        {"land mobile of the 510 A/B kind", "Inmarsat-C Landmobile", true, {1, 1, 1, 1, 1}},
        {"aero", "Inmarsat-C (Aero)", false, {4, 3, 6, 1, 1}},
        {"maritime", "Inmarsat-C Maritime", false, {2, 1, 2, 3, 1}},
        {"maritime of the 510 A/B kind", "Inmarsat-C Maritime", true, {2, 1, 1, 2, 1}},
        {"fishery", "Fishery", false, {3, 2, 4, 2, 1}},
        {"non-SOLAS fishery", "Non-SOLAS Fishery", false, {3, 2, 4, 2, 1}},
        {"fishery without distress overrides fishery", "Non-SOLAS Without Distress Fishery", false, {3, 2, 5, 1, 1}},
        {"SOLAS maritime", "Class 2 SOLAS Maritime", true, {2, 1, 2, 3, 1}},
        {"560L", "560L", false, {1, 4, 7, 1, 1}},
        {"560M", "560M", false, {2, 4, 8, 1, 1}},
        {"560M with ship security alert", "560M SSAS", false, {5, 4, 9, 1, 1}},
        {"560S", "560S", false, {2, 4, 10, 1, 1}},
        {"560SD overrides 560S", "560SD", false, {2, 4, 11, 2, 1}},
        {"560D", "560D", false, {2, 4, 11, 2, 1}},
        {"560C", "560C", false, {2, 4, 12, 3, 1}},
        {"570L", "570L", false, {1, 5, 13, 1, 1}},
        {"570M", "570M", false, {2, 5, 14, 1, 1}},
        {"570M with ship security alert", "570M SSAS", false, {5, 5, 15, 1, 1}},
        {"570GM keeps AtcType 2 as 0", "570GM", false, {2, 5, 20, 1, 0}},
        {"570GM with ship security alert", "570GM SSAS", false, {5, 5, 15, 1, 0}},
        {"570LRIT overrides 570L", "570LRIT", false, {2, 5, 16, 1, 1}},
        {"570SD", "570SD", false, {2, 5, 17, 2, 1}},
        {"570D", "570D", false, {2, 5, 17, 2, 1}},
        {"570GD", "570GD", false, {2, 5, 19, 2, 0}},
        {"570C", "570C", false, {2, 5, 18, 3, 1}},
        {"570SSA", "570SSA", false, {2, 5, 15, 1, 1}},
        {"maritime then 560M SSAS", "Maritime 560M SSAS", false, {5, 4, 9, 1, 1}},
        {"any letter case", "inmarsat-c LANDMOBILE", false, {1, 2, 3, 1, 1}},
        {"a model with SOLAS named after it", "560M SOLAS Class", false, {2, 4, 8, 3, 1}},
    };
    for (const IdentityCase& c : cases)
        EXPECT_EQ(Classify(c.description, c.is510AB), c.expected) << c.name;
}

// " SSAS" and " SOLAS " name only one code each; the other codes keep the values they had, as
// does every code when no marker matches.
TEST_F(Identity, CodesAMarkerDoesNotNameKeepTheirValues) {
    struct Case {
        const char* name;
        const char* description;
        Codes expected;
    } cases[] = {
        {"ship security alert alone", "Unit SSAS", {5, 4, 12, 2, 1}},
        {"SOLAS alone", "Unit SOLAS Class", {2, 4, 12, 3, 1}},
        {"no marker", "Unknown unit", {2, 4, 12, 2, 1}},
        {"SSAS needs its leading blank", "UnitSSAS", {2, 4, 12, 2, 1}},
    };
    for (const Case& c : cases) {
        CSession& s = f.gSession;
        s.SetMobileType(2);
        s.SetProductType(4);
        s.SetProductModel(12);
        s.SetSolasType(2);
        s.SetAtcType(1);
        ClassifyMobile(link, QString("st -i\r\n") + c.description + "\r\n");
        EXPECT_EQ(Current(), c.expected) << c.name;
    }
}

TEST_F(Identity, SoftwareInfoFindsTheOlderKindInAnyCase) {
    ParseSoftwareInfo(link, "st -v\r\nINMARSAT-C software version 3.1\r\ncan0:/$ ");
    EXPECT_TRUE(f.gSession.MobileType510AB());
    ParseSoftwareInfo(link, "st -v\r\nApplication software : 5.12\r\ncan0:/$ ");
    EXPECT_FALSE(f.gSession.MobileType510AB());
}

TEST_F(Identity, MenusFollowTheCodes) {
    struct Case {
        const char* name;
        int mobileType;
        int solasType;
        const char* version;
        int language;
        bool alertSettings, distress, codePage;
    } cases[] = {
        {"land mobile", 1, 1, "1.50", 1033, true, false, false},
        {"land mobile with version 151", 1, 1, "1.51", 1033, false, false, false},
        {"land mobile with version 143", 1, 1, "1.43", 1033, false, false, false},
        {"land mobile with version 212", 1, 1, "2.12", 1033, false, false, false},
        {"land mobile with version 220", 1, 1, "2.20", 1033, false, false, false},
        {"land mobile with version -12", 1, 1, "-1.2", 1033, false, false, false},
        {"aero", 4, 1, "1.51", 1033, true, false, false},
        {"maritime with distress", 2, 3, "5.12", 1033, false, true, false},
        {"maritime outside SOLAS with distress", 2, 2, "5.12", 1033, false, true, false},
        {"maritime without distress", 2, 1, "5.12", 1033, false, false, false},
        {"ship security alert without distress", 5, 1, "5.12", 1033, false, true, false},
        {"fishery", 3, 2, "5.12", 1033, false, true, false},
        {"unknown", 0, 0, "5.12", 1033, false, true, false},
        {"Russian", 2, 3, "5.12", 1049, false, true, true},
    };
    for (const Case& c : cases) {
        f.gSession.SetMobileType(c.mobileType);
        f.gSession.SetSolasType(c.solasType);
        f.gSession.SetSwVersion(c.version);
        f.Strings.CurrentLanguageId = c.language;
        UpdateMenusForMobileType(link);
        EXPECT_EQ(menus.Visible.value(LinkMenu::LMAlertSetting), c.alertSettings) << c.name;
        EXPECT_EQ(menus.Visible.value(LinkMenu::DistressMenu), c.distress) << c.name;
        EXPECT_EQ(menus.Visible.value(LinkMenu::mnuSelectCodePage), c.codePage) << c.name;
    }
}

TEST_F(Identity, StatusInfoClassifiesUpdatesMenusAndTheSystemInformation) {
    HandleStatusInfoReply(link, "st -i\r\nProduct   : 570L\r\ncan0:/$ ");
    EXPECT_EQ(Current(), (Codes{1, 5, 13, 1, 1}));
    EXPECT_TRUE(menus.Visible.value(LinkMenu::LMAlertSetting));
    EXPECT_FALSE(menus.Visible.value(LinkMenu::DistressMenu));
    EXPECT_EQ(views.SystemInfoUpdates, 1);
}

TEST_F(Identity, PcSettingsAdviceOnceForATransceiverWithDistress) {
    const QString advice =
        "When using Tidepost, please make sure that :\r\n\r\n* PC sound is turned on\r\n* PC standby is disabled\r\n"
        "* PC hibernate is disabled\r\n* PC screensaver is not password protected\r\n";
    link.Requests.PcSettingsAdvicePending = true;

    HandleStatusInfoReply(link, "st -i\r\nProduct   : 570L\r\ncan0:/$ ");  // no distress alerting
    EXPECT_TRUE(QueuedBoxes().isEmpty());
    EXPECT_TRUE(link.Requests.PcSettingsAdvicePending);

    HandleStatusInfoReply(link, "st -i\r\nProduct   : 570SD\r\ncan0:/$ ");
    EXPECT_EQ(QueuedBoxes(), QStringList{advice});
    EXPECT_FALSE(link.Requests.PcSettingsAdvicePending);

    HandleStatusInfoReply(link, "st -i\r\nProduct   : 570C\r\ncan0:/$ ");
    EXPECT_TRUE(QueuedBoxes().isEmpty());
}

TEST_F(Identity, CpuVersionFromTheVersionReply) {
    struct Case {
        const char* name;
        const char* reply;
        int major, minor;
    } cases[] = {
        {"one digit and two", "ver\r\nBoot   : 2.10\r\nCPU    : 1.03\r\ncan0:/$ ", 1, 3},
        {"two digits before the dot keep the last", "ver\r\nCPU    : 12.45\r\ncan0:/$ ", 2, 45},
        {"one digit after the dot", "ver\r\nCPU    : 3.7\r\ncan0:/$ ", 3, 7},
        {"no digits after the dot", "ver\r\nCPU    : 4.x\r\ncan0:/$ ", 4, 0},
        {"the first dot after CPU, not before", "ver\r\nBoot 9.99\r\nCPU rev 2.05\r\n", 2, 5},
    };
    for (const Case& c : cases) {
        f.gConfiguration.SetMinicSwVersion(-1, -1);
        HandleVersionReply(link, c.reply);
        EXPECT_EQ(f.gConfiguration.GetMinicSwMajor(), c.major) << c.name;
        EXPECT_EQ(f.gConfiguration.GetMinicSwMinor(), c.minor) << c.name;
    }
}

TEST_F(Identity, VersionReplyWithoutCpuOrDotChangesNothing) {
    for (const char* reply : {"ver\r\nBoot : 2.10\r\ncan0:/$ ", "ver\r\ncpu : 1.03\r\n", "ver\r\nCPU : 1\r\n"}) {
        f.gConfiguration.SetMinicSwVersion(7, 8);
        HandleVersionReply(link, reply);
        EXPECT_EQ(f.gConfiguration.GetMinicSwMajor(), 7) << reply;
        EXPECT_EQ(f.gConfiguration.GetMinicSwMinor(), 8) << reply;
    }
}

}  // namespace
