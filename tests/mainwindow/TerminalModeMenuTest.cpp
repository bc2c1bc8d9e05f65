#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "link/TerminalModeForm.h"
#include "mainwindow/MainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct TerminalModeMenu : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    TerminalModeMenu() { f.gConfiguration.DataPath = platform.DataFolder(); }
    QAction* Item() { return form.findChild<QAction*>("TerminalModeMenu"); }
};

TEST_F(TerminalModeMenu, ViewMenuItemNeedsTheTransceiverAndHandsTheDialogueToTheWindow) {
    QAction* item = Item();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Terminal Mode");
    EXPECT_TRUE(form.findChild<QMenu*>("mnuView")->actions().contains(item));
    form.UpdateMenu(false);
    EXPECT_FALSE(item->isEnabled());
    form.UpdateMenu(true);
    EXPECT_TRUE(item->isEnabled());

    item->trigger();
    EXPECT_TRUE(link.Dialogue.TerminalModeRequested);
    EXPECT_TRUE(form.IsWaitFormLoaded());
    ASSERT_TRUE(form.TerminalMode().isLoaded());
    TerminalModeForm* terminal = form.TerminalMode().loaded();
    EXPECT_EQ(link.Windows.TerminalModeForm, terminal);
    EXPECT_FALSE(terminal->isVisible()) << "shown by the engine once the queue has run empty";

    terminal->TerminalWindow_KeyPress(27);
    EXPECT_FALSE(link.Dialogue.TerminalModeRequested);
    EXPECT_FALSE(form.TerminalMode().isLoaded());
    EXPECT_EQ(link.Windows.TerminalModeForm, nullptr);
}

TEST_F(TerminalModeMenu, OpensOnlyAfterTheConfigurationPassword) {
    SaveAppSetting(f, f.gProductName, "Config", "Config Password", "x1y2");
    qint32 purpose = -1;
    int asked = 0;
    form.Dialogs.VerifyConfigPasswordForm.SetConfigPasswordPurpose = [&purpose](qint32 code) { purpose = code; };
    form.Dialogs.VerifyConfigPasswordForm.Show = [&asked] { ++asked; };
    Item()->trigger();
    EXPECT_FALSE(link.Dialogue.TerminalModeRequested);
    EXPECT_FALSE(form.TerminalMode().isLoaded());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(purpose, 3);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    // The right password runs the command's action.
    form.RunConfigPasswordAction(purpose);
    EXPECT_TRUE(link.Dialogue.TerminalModeRequested);
}

}  // namespace
