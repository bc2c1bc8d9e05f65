#include <gtest/gtest.h>

#include <QAction>

#include "foundation/AppSettings.h"
#include "mainwindow/HotList.h"
#include "mainwindow/StartUpFixture.h"

using namespace tidepost;

namespace {

struct MenuEnabling : StartUp {
    void SetUp() override {
        LoadAccepted({});
        // Entries for the commands the cases look at, as a hot-list file would hold them.
        for (int id : {2022, 2024, 2020, 1996, 2011, 2049, 2057}) form->HotList.Add(id, 0);
    }
    bool Offered(int id) {
        for (const HotListItem& item : form->HotListObject()->GetItems())
            if (item.MenuId == id) return item.Enabled;
        ADD_FAILURE() << "no entry " << id;
        return false;
    }
    void VesselName(const QString& name) { SaveAppSetting(f, f.gProductName, "Settings", "VesselName", name); }
};

}  // namespace

TEST_F(MenuEnabling, FollowsTheLinkAndTheTransceiversDistressType) {
    const struct {
        const char* name;
        int solas, mobileType;
        bool link;
        QSize screen;
        bool distressItems, distressOffered, compactMode;
    } cases[] = {
        {"the link drops", 3, 2, false, {1024, 768}, false, false, true},
        {"SOLAS 3 connects", 3, 2, true, {1024, 768}, true, true, true},
        {"SOLAS 1 of mobile type 5", 1, 5, true, {1024, 768}, true, false, true},
        {"SOLAS 1 of another type", 1, 2, true, {1024, 768}, false, false, true},
        {"800 by 600", 3, 2, true, {800, 600}, true, true, true},
        {"799 wide", 3, 2, true, {799, 600}, true, true, false},
        {"599 high", 3, 2, true, {800, 599}, true, true, false},
    };
    VesselName("Aurora");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        f.gSession.SetSolasType(c.solas);
        f.gSession.SetMobileType(c.mobileType);
        form->ScreenSize = [&] { return c.screen; };
        Find<QAction>("PositionInfoMenu")->setChecked(true);
        form->UpdateMenu(c.link);

        for (const char* name : {"InsertPosition", "insertmobilenumber", "Insertutcdatetime", "SendMessage",
                                 "mnuLatestDistress", "PositionInfoMenu", "LoginMenu", "LogoutMenu", "ScanMenu",
                                 "SetPreferredOceanMenu", "TransceiverStatusMenu", "GPSStatusMenu", "LinktestMenu",
                                 "ConfigEGCMenu", "DNID", "DNIDMenu", "ENIDMenu", "LMAlertSetting",
                                 "TerminalModeMenu", "LESMenu", "mobileNoMenu", "SetPcTimeMenu"})
            EXPECT_EQ(Find<QAction>(name)->isEnabled(), c.link) << name;
        EXPECT_FALSE(Find<QAction>("PositionInfoMenu")->isChecked());
        for (const char* name : {"DistressTestModeMenu", "DistressGeneratorMenu"})
            EXPECT_EQ(Find<QAction>(name)->isVisible(), c.distressItems) << name;
        // Hidden items read as disabled: their own state shows once they are shown.
        for (const char* name : {"RoutingMenu", "DistressGeneratorMenu"}) {
            QAction* hidden = Find<QAction>(name);
            const bool wasVisible = hidden->isVisible();
            hidden->setVisible(true);
            EXPECT_EQ(hidden->isEnabled(), c.link) << name;
            hidden->setVisible(wasVisible);
        }
        EXPECT_EQ(Offered(2022), c.distressOffered);
        EXPECT_EQ(Offered(2024), c.distressOffered);
        EXPECT_EQ(Offered(2020), c.link);
        EXPECT_EQ(Offered(2049), c.link);
        EXPECT_TRUE(Offered(2057)) << "no preferred ocean is never withheld";
        EXPECT_EQ(Find<QAction>("mnuCompactMode")->isEnabled(), c.compactMode);
        EXPECT_EQ(Offered(2011), c.compactMode);
        EXPECT_TRUE(Find<QAction>("mnuInsertVesselName")->isEnabled()) << "a vessel name is stored";
        EXPECT_TRUE(Offered(1996));
        // Items that need no transceiver stay as they are.
        for (const char* name : {"mnuExit", "CommSettings", "mnuLanguage", "SetDefaultLESMenu", "mnuSettings"})
            EXPECT_TRUE(Find<QAction>(name)->isEnabled()) << name;
        EXPECT_FALSE(Find<QAction>("mnuDebug")->isVisible());
        EXPECT_FALSE(Find<QAction>("mnuTest")->isVisible());
    }
}

// The vessel-data dialog calls it when the name is cleared: the item and its entry go at once,
// whatever the link.
TEST_F(MenuEnabling, ClearingTheVesselNameWithdrawsItsInsertion) {
    VesselName("Aurora");
    form->UpdateMenu(true);
    ASSERT_TRUE(Find<QAction>("mnuInsertVesselName")->isEnabled());
    VesselName("");
    form->UpdateMnuInsertVesselName();
    EXPECT_FALSE(Find<QAction>("mnuInsertVesselName")->isEnabled());
    EXPECT_FALSE(Offered(1996));
    EXPECT_TRUE(Find<QAction>("SendMessage")->isEnabled()) << "the link is still up";
}

TEST_F(MenuEnabling, RebuildsTheFormsMenuOnlyWhenTheFolderExists) {
    int rebuilds = 0;
    form->AreaHandlers.FormsMenuRebuild = [&] { ++rebuilds; };
    form->FormsFolderExists = false;
    form->UpdateMenu(true);
    EXPECT_EQ(rebuilds, 0);
    form->FormsFolderExists = true;
    form->UpdateMenu(true);
    EXPECT_GE(rebuilds, 1);
}
