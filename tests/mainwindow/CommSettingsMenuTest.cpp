#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct CommSettingsMenu : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    CommSettingsMenu() {
        f.gConfiguration.DataPath = platform.DataFolder();
        ReadIniFile(f);
        SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
        platform.Socket.ConnectAtOnce = false;
    }
    CommSettingsForm* Dialog() { return form.findChild<CommSettingsForm*>("CommSettingsForm"); }
};

TEST_F(CommSettingsMenu, SetupMenuOpensTheDialogModelessAndShowsTheSameOneAgain) {
    auto* menu = form.findChild<QMenu*>("ConfigMenu");
    auto* item = form.findChild<QAction*>("CommSettings");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(menu->actions().contains(item));
    EXPECT_EQ(item->text(), "Communication setup...");
    EXPECT_EQ(Dialog(), nullptr);  // created on first use

    item->trigger();
    CommSettingsForm* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Communication setup");
    EXPECT_TRUE(form.IsCommSettingsFormVisible());

    auto* address = dialog->findChild<QComboBox*>("TcuIpAdrList");
    dialog->CancelButton_Click();
    EXPECT_FALSE(form.IsCommSettingsFormVisible());
    form.CommSettings_Click();
    EXPECT_EQ(Dialog(), dialog);
    EXPECT_EQ(dialog->findChild<QComboBox*>("TcuIpAdrList"), address);
    EXPECT_TRUE(form.IsCommSettingsFormVisible());
}

TEST_F(CommSettingsMenu, LanLinkStandsStillWhileTheDialogIsShown) {
    form.CommSettings_Click();
    for (int i = 0; i < 4; ++i) form.Winsock_timer_Timer();
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_EQ(platform.Socket.ConnectCount, 0);

    Dialog()->CancelButton_Click();
    form.Winsock_timer_Timer();
    EXPECT_EQ(link.Lan.LanLinkState, 1);
    EXPECT_EQ(platform.Socket.Host, "10.0.0.5");
}

TEST_F(CommSettingsMenu, LanLinkWithoutAKnownUnitSearchesBeforeTheDialogOpens) {
    SetIniValue(f, "[IP Settings]", "", false);
    platform.Slp.Hold = true;
    form.CommSettings_Click();
    ASSERT_EQ(platform.Slp.Requests.size(), 1);
    EXPECT_EQ(platform.Slp.Requests[0].Kind, "findsrvs");
    EXPECT_EQ(Dialog()->findChild<QComboBox*>("TcuIpAdrList")->currentText(), "<Getting IP addresses...>");

    // Serial: no search.
    Dialog()->CancelButton_Click();
    SetIniValue(f, "[HOST Interface]", "COM", false);
    platform.Slp.Release();
    form.Winsock_timer_Timer();  // the search ends, having found nothing
    ASSERT_EQ(f.gConfiguration.SlpTcuAddressCount(), 0);
    form.CommSettings_Click();
    EXPECT_EQ(platform.Slp.Requests.size(), 1);
}

}  // namespace
