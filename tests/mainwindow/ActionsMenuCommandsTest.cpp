#include <gtest/gtest.h>

#include <QCoreApplication>

#include <QAction>
#include <QMenu>
#include <QPair>

#include "foundation/DebugLog.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "mainwindow/HotListCommands.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/cPopupMenu.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

using Count = QPair<int, int>;
using Handler = void (MainForm::*)();

struct ActionsMenu : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    QList<Count> counted;

    ActionsMenu() {
        f.gConfiguration.DataPath = platform.DataFolder();
        ReadIniFile(f);
        form.HotList.Add = [this](int id, int parent) { counted << Count(id, parent); };
    }
    // Unloaded busy windows go before the state their timers read.
    ~ActionsMenu() override {
        form.UnloadWaitForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QAction* Item(const char* name) { return form.findChild<QAction*>(name); }
    QStringList CheckedOceans() {
        QStringList checked;
        for (const char* name :
             {"PreferredEastMenu", "PreferredPacificMenu", "PreferredIndianMenu", "PreferredWestMenu", "PreferredNoneMenu"})
            if (Item(name)->isChecked()) checked << name;
        return checked;
    }
    // The settings file as it stands on disk.
    QString IniFileOnDisk() { return QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")); }
};

TEST_F(ActionsMenu, EachCommandQueuesItsLineWhereAndWhenItsRowSays) {
    struct Case {
        const char* what;
        Handler run;
        bool connected;
        QString queue;  // after "st -l" was waiting
        bool LinkRequests::*flag;
        bool waitForm;
        QList<Count> counts;
    };
    const QString w = "st -l\r\n";
    const QList<Case> cases = {
        {"login East", &MainForm::LoginEastMenu_Click, true, "\r\nli 144\r\n" + w, nullptr, false, {{2049, 2048}}},
        {"login Pacific", &MainForm::LoginPacificMenu_Click, true, "\r\nli 244\r\n" + w, nullptr, false, {{2050, 2048}}},
        {"login Indian", &MainForm::LoginIndianMenu_Click, true, "\r\nli 344\r\n" + w, nullptr, false, {{2051, 2048}}},
        {"login West", &MainForm::LoginWestMenu_Click, true, "\r\nli 44\r\n" + w, nullptr, false, {{2052, 2048}}},
        {"logout", &MainForm::LogoutMenu_Click, true, "\r\nlo\r\n" + w, nullptr, false, {{2053, 0}}},
        {"preferred East", &MainForm::PreferredEastMenu_Click, true, w + "se -o e\r\n", nullptr, false, {{2049, 2056}}},
        {"preferred Pacific", &MainForm::PreferredPacificMenu_Click, true, w + "se -o p\r\n", nullptr, false,
         {{2050, 2056}}},
        {"preferred Indian", &MainForm::PreferredIndianMenu_Click, true, w + "se -o i\r\n", nullptr, false,
         {{2051, 2056}}},
        {"preferred West", &MainForm::PreferredWestMenu_Click, true, w + "se -o w\r\n", nullptr, false, {{2052, 2056}}},
        {"preferred none", &MainForm::PreferredNoneMenu_Click, true, w + "se -o n\r\n", nullptr, false, {{2057, 2056}}},
        {"clear protocol", &MainForm::mnuAbortTransmission_Click, true, w + "cl\r\n", nullptr, false, {}},
        {"transceiver status", &MainForm::TransceiverStatusMenu_Click, true, "\r\nst -w\r\n" + w,
         &LinkRequests::TransceiverStatusRequested, true, {{2007, 0}}},
        {"GPS status", &MainForm::GPSStatusMenu_Click, true, "\r\nru -g\r\n" + w, &LinkRequests::GpsStatusRequested,
         true, {{2008, 0}}},
        {"position", &MainForm::PositionInfoMenu_Click, true, w + "se -p\r\n", &LinkRequests::PositionFormRequested,
         true, {{2009, 0}}},
        {"latest distress", &MainForm::mnuLatestDistress_Click, true, "\r\nst -a\r\n" + w,
         &LinkRequests::LatestDistressRequested, true, {{2023, 0}}},
        // Without the transceiver the guarded commands only count.
        {"login, no link", &MainForm::LoginEastMenu_Click, false, w, nullptr, false, {{2049, 2048}}},
        {"logout, no link", &MainForm::LogoutMenu_Click, false, w, nullptr, false, {{2053, 0}}},
        {"preferred, no link", &MainForm::PreferredWestMenu_Click, false, w, nullptr, false, {{2052, 2056}}},
        {"transceiver status, no link", &MainForm::TransceiverStatusMenu_Click, false, w, nullptr, false, {{2007, 0}}},
        {"GPS status, no link", &MainForm::GPSStatusMenu_Click, false, w, nullptr, false, {{2008, 0}}},
        // These have no connection guard.
        {"clear protocol, no link", &MainForm::mnuAbortTransmission_Click, false, w + "cl\r\n", nullptr, false, {}},
        {"position, no link", &MainForm::PositionInfoMenu_Click, false, w + "se -p\r\n",
         &LinkRequests::PositionFormRequested, true, {{2009, 0}}},
        {"latest distress, no link", &MainForm::mnuLatestDistress_Click, false, "\r\nst -a\r\n" + w,
         &LinkRequests::LatestDistressRequested, true, {{2023, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        link.Requests = LinkRequests{};
        link.Dialogue.CommandQueue = w;
        counted.clear();
        form.UnloadWaitForm();
        f.gSession.SetMesConnected(c.connected);

        (form.*c.run)();
        EXPECT_EQ(link.Dialogue.CommandQueue, c.queue);
        for (bool LinkRequests::*flag : {&LinkRequests::TransceiverStatusRequested, &LinkRequests::GpsStatusRequested,
                                         &LinkRequests::PositionFormRequested, &LinkRequests::LatestDistressRequested})
            EXPECT_EQ(link.Requests.*flag, flag == c.flag);
        EXPECT_EQ(form.IsWaitFormLoaded(), c.waitForm);
        EXPECT_EQ(counted, c.counts);
    }
}

TEST_F(ActionsMenu, WaitingQueriesAreNotQueuedAgainButStillOpenTheirWindow) {
    f.gSession.SetMesConnected(true);
    struct Case {
        Handler run;
        QString waiting;
        bool LinkRequests::*flag;
    } cases[] = {
        {&MainForm::PositionInfoMenu_Click, "se -p\r\n", &LinkRequests::PositionFormRequested},
        {&MainForm::mnuLatestDistress_Click, "st -a\r\n", &LinkRequests::LatestDistressRequested},
        {&MainForm::GPSStatusMenu_Click, "ru -g\r\n", &LinkRequests::GpsStatusRequested},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.waiting.toStdString());
        form.UnloadWaitForm();
        link.Requests = LinkRequests{};
        link.Dialogue.CommandQueue = c.waiting;
        (form.*c.run)();
        EXPECT_EQ(link.Dialogue.CommandQueue, c.waiting);
        EXPECT_TRUE(link.Requests.*c.flag);
        EXPECT_TRUE(form.IsWaitFormLoaded());
    }
}

TEST_F(ActionsMenu, TwoLoginsBeforeTheFirstIsSentGoOutLatestFirst) {
    f.gSession.SetMesConnected(true);
    form.LoginEastMenu_Click();
    form.LoginPacificMenu_Click();
    form.LoginEastMenu_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nli 144\r\n\r\nli 244\r\n\r\nli 144\r\n");
}

TEST_F(ActionsMenu, PreferredOceanMarksOneItemAndWritesTheSettingAtOnce) {
    f.gSession.SetMesConnected(true);
    Item("PreferredNoneMenu")->setChecked(true);
    form.PreferredPacificMenu_Click();
    EXPECT_EQ(CheckedOceans(), QStringList{"PreferredPacificMenu"});
    EXPECT_TRUE(IniFileOnDisk().contains("[Preferred Ocean]\r\nPacific\r\n"));

    // Chosen again: queued again, the same mark, the setting written again.
    SetIniValue(f, "[Preferred Ocean]", "West", true);
    form.PreferredPacificMenu_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "se -o p\r\nse -o p\r\n");
    EXPECT_EQ(CheckedOceans(), QStringList{"PreferredPacificMenu"});
    EXPECT_TRUE(IniFileOnDisk().contains("[Preferred Ocean]\r\nPacific\r\n"));

    // Without the transceiver nothing changes.
    f.gSession.SetMesConnected(false);
    form.PreferredEastMenu_Click();
    EXPECT_EQ(CheckedOceans(), QStringList{"PreferredPacificMenu"});
    EXPECT_EQ(GetIniValue(f, "[Preferred Ocean]"), "Pacific");
}

TEST_F(ActionsMenu, MenuItemsRunTheirCommandsAndLeaveTheMarksToThem) {
    f.gSession.SetMesConnected(false);
    Item("PreferredEastMenu")->trigger();
    EXPECT_EQ(CheckedOceans(), QStringList{});
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());

    f.gSession.SetMesConnected(true);
    Item("PreferredEastMenu")->trigger();
    Item("PreferredEastMenu")->trigger();
    EXPECT_EQ(CheckedOceans(), QStringList{"PreferredEastMenu"});
    EXPECT_EQ(link.Dialogue.CommandQueue, "se -o e\r\nse -o e\r\n");
    EXPECT_EQ(counted, (QList<Count>{{2049, 2056}, {2049, 2056}, {2049, 2056}})) << "counted with and without the link";
}

TEST_F(ActionsMenu, HotListEntryOfAPreferredOceanSetsTheOceanAndDoesNotLogIn) {
    f.gSession.SetMesConnected(true);
    HotListItem entry;
    entry.MenuId = 2049;
    entry.ParentMenuId = 2056;
    entry.Caption = "Set &Preferred ocean -> East";
    entry.Enabled = true;
    form.show();  // the popup's owner
    cPopupMenu::Exec = [](QMenu& menu, const QPoint&) { return menu.actions().first(); };
    RunHotListPopup({entry}, form.HotListCommands, {});
    entry.ParentMenuId = 2048;
    RunHotListPopup({entry}, form.HotListCommands, {});
    cPopupMenu::Exec = nullptr;
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nli 144\r\nse -o e\r\n");
    EXPECT_EQ(counted, (QList<Count>{{2049, 2056}, {2049, 2048}}));
}

TEST_F(ActionsMenu, StatusWindowIsEmptiedForANewQueryAndShownAsItWasWithoutTheLink) {
    QString output = "old status";
    int shown = 0;
    link.Windows.TransceiverStatusForm.SetStatusOutput = [&](const QString& text) { output = text; };
    link.Windows.TransceiverStatusForm.Show = [&] { ++shown; };
    int gpsShown = 0;
    link.Windows.GPSStatusForm.Show = [&] { ++gpsShown; };

    form.TransceiverStatusMenu_Click();
    form.GPSStatusMenu_Click();
    EXPECT_EQ(output, "old status");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(gpsShown, 1);

    f.gSession.SetMesConnected(true);
    form.TransceiverStatusMenu_Click();
    form.GPSStatusMenu_Click();
    EXPECT_EQ(output, "");
    EXPECT_EQ(shown, 1) << "the reply shows it";
    EXPECT_EQ(gpsShown, 1);
}

TEST_F(ActionsMenu, MobileNumberOpensAtOnceWithoutAPassword) {
    int opened = 0;
    form.Dialogs.ShowMobileNoChangeForm = [&] { ++opened; };
    form.mobileNoMenu_Click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(counted, (QList<Count>{{2035, 0}}));
}

TEST_F(ActionsMenu, CommunicationLogSwitchIsStoredAtOnce) {
    form.mnuLogPCComm_Click();
    EXPECT_TRUE(form.IsLogPCCommChecked());
    EXPECT_TRUE(IniFileOnDisk().contains("[Logging]\r\nYes\r\n"));
    form.mnuLogPCComm_Click();
    EXPECT_FALSE(form.IsLogPCCommChecked());
    EXPECT_TRUE(IniFileOnDisk().contains("[Logging]\r\nNo\r\n"));
    EXPECT_TRUE(counted.isEmpty());
}

TEST_F(ActionsMenu, LogWindowShowsTheDebugLog) {
    form.mnuLogWindow_Click();
    ASSERT_TRUE(f.Windows.DebugLog.isLoaded());
    EXPECT_TRUE(f.Windows.DebugLog.get().isVisible());
}

TEST_F(ActionsMenu, DistressTestModeStartsOnlyWhileTheTransceiverAnswers) {
    test::FakeDistressModeWindow test;
    link.Windows.DistressModeForm = &test;
    for (const bool connected : {false, true}) {
        SCOPED_TRACE(connected);
        f.gSession.SetMesConnected(connected);
        counted.clear();
        form.bShowDistressButtonsTestWindow = false;
        Item("DistressTestModeMenu")->trigger();
        EXPECT_EQ(test.Events, connected ? QList<int>{0} : QList<int>{});
        EXPECT_EQ(form.bShowDistressButtonsTestWindow, connected);
        EXPECT_EQ(counted, QList<Count>{Count(2024, 0)}) << "counted also when it does nothing";
    }
    link.Windows.DistressModeForm = nullptr;
}

}  // namespace

namespace {

TEST_F(ActionsMenu, DistressSetupCommandsOpenTheirDialogsAndCountFromMenuAndHotList) {
    QStringList opened;
    form.Dialogs.OpenDistressGenerator = [&opened] { opened << "generator"; };
    form.Dialogs.OpenLmAlertSettings = [&opened] { opened << "land mobile"; };
    Item("DistressGeneratorMenu")->trigger();
    Item("LMAlertSetting")->trigger();
    EXPECT_EQ(opened, (QStringList{"generator", "land mobile"}));
    EXPECT_EQ(counted, (QList<Count>{Count(2022, 0), Count(2032, 0)}));
    for (int id : {2022, 2032}) {
        const HotListCommandTable::Row* row = form.HotListCommands.Find(id, 0);
        ASSERT_NE(row, nullptr) << id;
        ASSERT_TRUE(row->run) << id;
        row->run();
    }
    EXPECT_EQ(opened, (QStringList{"generator", "land mobile", "generator", "land mobile"}));
    // Without a dialog wired the command still counts.
    form.Dialogs.OpenDistressGenerator = nullptr;
    counted.clear();
    form.DistressGeneratorMenu_Click();
    EXPECT_EQ(counted, QList<Count>{Count(2022, 0)});
}

}  // namespace
