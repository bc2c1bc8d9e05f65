#include <gtest/gtest.h>

#include "foundation/GeneralRoutines.h"
#include "mainwindow/StartUpFixture.h"

namespace tidepost {
namespace {

struct TrayIconClick : StartUp {
    int inboxShown = 0;
    void Start() {
        LoadAccepted({{"[HOST Interface]", "COM"}});
        form->LeaveEventLoop = [] {};
        form->InboxButton_Click = [this] { ++inboxShown; };
        form->show();
    }
};

TEST_F(TrayIconClick, AClickShowsTheInboxBringsTheWindowUpAndRemovesTheIcon) {
    Start();
    ShowNewMessageTrayIcon(f);
    ASSERT_TRUE(platform.Tray.Visible);
    form->showMinimized();

    platform.Tray.Activate();
    EXPECT_EQ(inboxShown, 1);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(form->isMaximized()) << "a minimised window comes back maximised";
    EXPECT_FALSE(platform.Tray.Visible);
    EXPECT_FALSE(f.Windows.TrayIconShown);

    // A second click finds no icon: nothing happens.
    const int removed = platform.Tray.RemoveCount;
    platform.Tray.Activate();
    EXPECT_EQ(inboxShown, 1);
    EXPECT_EQ(platform.Tray.RemoveCount, removed);
}

TEST_F(TrayIconClick, AShownWindowStaysItsSize) {
    Start();
    ShowNewMessageTrayIcon(f);
    platform.Tray.Activate();
    EXPECT_EQ(inboxShown, 1);
    EXPECT_FALSE(form->isMaximized());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(f.Windows.TrayIconShown);
}

TEST_F(TrayIconClick, TheLostLinkRemovesTheIconAndLaterClicksDoNothing) {
    Start();
    ShowNewMessageTrayIcon(f);
    f.Windows.TrayIconShown = false;  // as closing the connection leaves it
    platform.Tray.Activate();
    EXPECT_EQ(inboxShown, 0);
}

}  // namespace
}  // namespace tidepost
