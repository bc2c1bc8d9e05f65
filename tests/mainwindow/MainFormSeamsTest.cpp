#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/CInfo.h"
#include "link/Link.h"
#include "link/TransceiverIdentity.h"
#include "link/TransceiverStatusReply.h"
#include "mainwindow/MainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

const QString kTestModeNotice =
    "Automatic test mode: Normal communication disabled. Do not press any distress button unless you are in distress.";

struct Seams : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    Seams() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Dialogue.CurrentPrompt = "can0:/$ ";
    }

    template <typename T>
    T* Find(const QString& name) {
        return form.findChild<T*>(name);
    }
    QAction* Item(LinkMenu menu) { return Find<QAction>(LinkMenuName(menu)); }
    // Fires the timer's tick as the event loop would.
    void Fire(const char* timer) { ASSERT_TRUE(QMetaObject::invokeMethod(Find<QTimer>(timer), "timeout")); }
};

TEST_F(Seams, RegistersEveryLinkSeamAndLetsGoWhenDestroyed) {
    EXPECT_EQ(link.Windows.Menus, &form);
    EXPECT_EQ(link.Windows.StatusField, &form);
    EXPECT_EQ(link.Windows.NotificationsWindow, &form);
    EXPECT_EQ(link.Windows.PollWindow, &form);
    EXPECT_EQ(link.Windows.LanWindow, &form);

    Link other{f};
    { MainForm second(f, other); }
    EXPECT_EQ(other.Windows.Menus, nullptr);
    EXPECT_EQ(other.Windows.StatusField, nullptr);
    EXPECT_EQ(other.Windows.NotificationsWindow, nullptr);
    EXPECT_EQ(other.Windows.PollWindow, nullptr);
    EXPECT_EQ(other.Windows.LanWindow, nullptr);
}

// ---- menus ----

struct MenuCase {
    LinkMenu menu;
    const char* caption;  // English, from the string table
    bool checkable;
};

class LinkMenus : public Seams, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(LinkMenus, AreFoundByNameAndFollowTheSeam) {
    const MenuCase& c = GetParam();
    QAction* item = Item(c.menu);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), c.caption);
    EXPECT_EQ(item->isCheckable(), c.checkable);

    form.SetMenuVisible(c.menu, false);
    EXPECT_FALSE(item->isVisible());
    form.SetMenuVisible(c.menu, true);
    EXPECT_TRUE(item->isVisible());
    if (c.checkable) {
        form.SetMenuChecked(c.menu, true);
        EXPECT_TRUE(item->isChecked());
        form.SetMenuChecked(c.menu, false);
        EXPECT_FALSE(item->isChecked());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, LinkMenus,
    ::testing::Values(MenuCase{LinkMenu::DistressMenu, "&Distress", false},
                      MenuCase{LinkMenu::LMAlertSetting, "Landmobile Alert settings...", false},
                      MenuCase{LinkMenu::mnuSelectCodePage, "Select Code Page", false},
                      MenuCase{LinkMenu::PreferredWestMenu, "[584] &West Atlantic (AOR-W)", true},
                      MenuCase{LinkMenu::PreferredEastMenu, "[581] &East Atlantic (AOR-E)", true},
                      MenuCase{LinkMenu::PreferredPacificMenu, "[582] &Pacific (POR)", true},
                      MenuCase{LinkMenu::PreferredIndianMenu, "[583] &Indian (IOR)", true},
                      MenuCase{LinkMenu::PreferredNoneMenu, "&None", true}),
    [](const auto& info) { return LinkMenuName(info.param.menu).toStdString(); });

TEST_F(Seams, MenusAreInTheMenuBarWhereTheUserLooksForThem) {
    ASSERT_NE(Find<QMenu>("DistressMenu"), nullptr);
    ASSERT_NE(Find<QMenu>("ConfigMenu"), nullptr);
    ASSERT_NE(Find<QMenu>("SetPreferredOceanMenu"), nullptr);
    EXPECT_TRUE(Find<QMenu>("ConfigMenu")->actions().contains(Item(LinkMenu::LMAlertSetting)));
    EXPECT_TRUE(Find<QMenu>("ConfigMenu")->actions().contains(Item(LinkMenu::mnuSelectCodePage)));
    EXPECT_EQ(Find<QMenu>("SetPreferredOceanMenu")->actions().size(), 5);
    EXPECT_NE(Find<QAction>("mnuDos866Cyrillic"), nullptr);
    EXPECT_NE(Find<QAction>("mnuWindows1251Cyrillic"), nullptr);
    EXPECT_FALSE(Find<QMenu>("mnuLogging")->menuAction()->isVisible()) << "the logging switch is set at start-up";
}

TEST_F(Seams, IdentityReplyShowsAndHidesTheMenus) {
    struct Case {
        const char* name;
        int mobileType;
        int solasType;
        int language;
        bool alertSettings, distress, codePage;
    } cases[] = {
        {"land mobile", 1, 1, 1033, true, false, false},
        {"maritime with distress", 2, 3, 1033, false, true, false},
        {"Russian maritime", 2, 3, 1049, false, true, true},
    };
    for (const Case& c : cases) {
        f.gSession.SetMobileType(c.mobileType);
        f.gSession.SetSolasType(c.solasType);
        f.gSession.SetSwVersion("1.50");
        f.Strings.CurrentLanguageId = c.language;
        UpdateMenusForMobileType(link);
        EXPECT_EQ(Item(LinkMenu::LMAlertSetting)->isVisible(), c.alertSettings) << c.name;
        EXPECT_EQ(Item(LinkMenu::DistressMenu)->isVisible(), c.distress) << c.name;
        EXPECT_EQ(Item(LinkMenu::mnuSelectCodePage)->isVisible(), c.codePage) << c.name;
    }
}

TEST_F(Seams, StatusReplyChecksTheOnePreferredOcean) {
    f.gSession.SetMesConnected(true);
    form.SetMenuChecked(LinkMenu::PreferredWestMenu, true);
    HandleTransceiverStatusReply(link, "st -w\r\nPreferred ocean     : P  \r\ncan0:/$ ");
    for (LinkMenu menu : {LinkMenu::PreferredWestMenu, LinkMenu::PreferredEastMenu, LinkMenu::PreferredIndianMenu,
                          LinkMenu::PreferredNoneMenu})
        EXPECT_FALSE(Item(menu)->isChecked()) << LinkMenuName(menu).toStdString();
    EXPECT_TRUE(Item(LinkMenu::PreferredPacificMenu)->isChecked());
}

TEST_F(Seams, UpdateMenuCoversTheTransceiverItemsOfTheseMenus) {
    form.UpdateMenu(false);
    EXPECT_FALSE(Item(LinkMenu::LMAlertSetting)->isEnabled());
    EXPECT_FALSE(Find<QMenu>("SetPreferredOceanMenu")->menuAction()->isEnabled());
    form.UpdateMenu(true);
    EXPECT_TRUE(Item(LinkMenu::LMAlertSetting)->isEnabled());
    EXPECT_TRUE(Find<QMenu>("SetPreferredOceanMenu")->menuAction()->isEnabled());
}

// ---- the mobile status field and the test-mode notice ----

TEST_F(Seams, StatusFieldColoursFollowTheProtocol) {
    QLabel* field = Find<QLabel>("MobileStatusField");
    f.gSession.SetMesConnected(true);
    HandleTransceiverStatusReply(link, "st -w\r\nCurrent protocol    : Sending distress         \r\ncan0:/$ ");
    EXPECT_EQ(field->property("BackColor").toInt(), 0x0000FF);
    EXPECT_EQ(field->property("ForeColor").toLongLong(), 0xFFFFFF);
    EXPECT_TRUE(field->styleSheet().contains("background-color: #ff0000"));
    EXPECT_TRUE(field->styleSheet().contains("color: #ffffff"));

    HandleTransceiverStatusReply(link, "st -w\r\nCurrent protocol    : Idle                     \r\ncan0:/$ ");
    EXPECT_EQ(field->property("BackColor").toInt(), 0xF0BDA8);
    EXPECT_EQ(field->property("ForeColor").toLongLong(), 0x80000012) << "the system's button-text colour";
    EXPECT_TRUE(field->styleSheet().contains("background-color: #a8bdf0")) << "light blue";
    EXPECT_TRUE(field->styleSheet().contains(field->palette().color(QPalette::ButtonText).name()));
}

TEST_F(Seams, TestModeNoticeIsShownAndHiddenByTheNotifications) {
    QFrame* box = Find<QFrame>("InfoBox");
    EXPECT_TRUE(CInfo(link).CheckInfos("st -l\r\nINFO 502: Test mode\r\ncan0:/$ "));
    EXPECT_FALSE(box->isHidden());
    EXPECT_EQ(Find<QLabel>("Infofield")->text(), kTestModeNotice);

    EXPECT_TRUE(CInfo(link).CheckInfos("st -l\r\nINFO 353: Normal\r\ncan0:/$ "));
    EXPECT_TRUE(box->isHidden());
}

TEST_F(Seams, DistressTestModeAsksForItsTestWindow) {
    EXPECT_FALSE(form.bShowDistressButtonsTestWindow);
    EXPECT_TRUE(CInfo(link).CheckInfos("st -l\r\nINFO 733: Distress test\r\ncan0:/$ "));
    EXPECT_TRUE(form.bShowDistressButtonsTestWindow);
}

TEST_F(Seams, WindowsOfLaterAreasAreNeverInTheWay) {
    EXPECT_FALSE(form.IsASISFormVisible());
    EXPECT_FALSE(form.IsCommSettingsFormVisible());
    form.ShowSetTimeForm();
    form.AddMessageGridInfoEntry(QDateTime::currentDateTime(), 1, 80, "INFO 80");
}

TEST_F(Seams, PollTickerAndTcuCaptionGoToTheirLabels) {
    link.Dialogue.DebugMode = 1;
    form.SetLabel11Caption("T2: ");
    form.Timer2_Timer();
    EXPECT_EQ(Find<QLabel>("Label11")->text(), "T2: *");
    form.SetMobileStatusFieldCaption("Connected to TCU");
    EXPECT_EQ(Find<QLabel>("MobileStatusField")->text(), "Connected to TCU");
}

// ---- timers ----

TEST_F(Seams, TimersRunTheLinksTicks) {
    Fire("Timer2");
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\n") << "the 10-s poll asks for the status list";

    link.Dialogue.CommandQueue.clear();
    f.gSession.SetMesConnected(true);
    Fire("Timer_60S");
    EXPECT_EQ(link.Dialogue.CommandQueue, "se -p\r\n") << "the 60-s poll asks for the position";

    // A transceiver seen for the first time: the event timer brings the menus in line.
    QAction* item = Item(LinkMenu::LMAlertSetting);
    form.UpdateMenu(false);
    f.gSession.SetPCBNumber("PCB 4711");
    Fire("EventTimer");
    EXPECT_TRUE(item->isEnabled());

    // A TCU prompt on the serial link turns the TCU indicator green on the LAN timer's tick.
    SetIniValue(f, "[HOST Interface]", "COM", false);
    f.gSession.ConnectedToTCU_Via_Com = true;
    Fire("Winsock_timer");
    EXPECT_EQ(Find<QProgressBar>("TCUConnBar")->property("FillColor").toInt(), 65280);
}

TEST_F(Seams, EnableTimersLeavesTheEventAndLanTimersAlone) {
    form.EnableTimers(true);
    EXPECT_TRUE(Find<QTimer>("Timer_60S")->isActive());
    EXPECT_FALSE(Find<QTimer>("EventTimer")->isActive());
    EXPECT_FALSE(Find<QTimer>("Winsock_timer")->isActive());
    form.EnableTimers(false);
    EXPECT_FALSE(Find<QTimer>("Timer_60S")->isActive());
}

}  // namespace
