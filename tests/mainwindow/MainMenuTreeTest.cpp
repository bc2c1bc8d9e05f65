#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "mainwindow/AboutTidepost.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainMenuTree.h"
#include "mainwindow/ShellWindows.h"
#include "mainwindow/StartUpFixture.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct MenuTree : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    QAction* Item(const QString& name) { return form.findChild<QAction*>(name); }
    QStringList Names(const QList<QAction*>& actions) {
        QStringList names;
        for (const QAction* a : actions) names.append(a->objectName());
        return names;
    }
};

}  // namespace

TEST_F(MenuTree, MenuBarHoldsTheMenusInOrderAndNoPopup) {
    EXPECT_EQ(Names(form.menuBar()->actions()),
              QStringList({"FileMenu", "Edit", "mnuView", "SendMenu", "DistressMenu", "ConfigMenu", "OptionsMenu",
                           "mnuForms", "HelpMenu", "mnuDebug", "mnuTest"}));
    for (const char* popup : {"mnuMessagePopUp", "SentItemsPopup", "InboxPopup", "EGCPopup"}) {
        auto* menu = form.findChild<QMenu*>(popup);
        ASSERT_NE(menu, nullptr) << popup;
        EXPECT_FALSE(menu->menuAction()->isVisible()) << popup;
        EXPECT_FALSE(form.menuBar()->actions().contains(menu->menuAction())) << popup;
    }
}

// Every entry stands under its parent, in the order of the definition, with its design text.
TEST_F(MenuTree, EveryEntryStandsUnderItsParentInOrder) {
    QMap<QString, QStringList> expected;
    for (const MainMenuEntry& e : MainMenuTree()) {
        QAction* item = Item(e.name);
        ASSERT_NE(item, nullptr) << e.name.toStdString();
        EXPECT_EQ(item->text(), e.kind == MainMenuEntry::Separator ? QString() : e.text) << e.name.toStdString();
        EXPECT_EQ(item->isSeparator(), e.kind == MainMenuEntry::Separator) << e.name.toStdString();
        EXPECT_EQ(item->menu() != nullptr, e.kind == MainMenuEntry::Menu) << e.name.toStdString();
        if (!e.parent.isEmpty() && e.parent != PopupParent) expected[e.parent].append(e.name);
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        auto* menu = form.findChild<QMenu*>(it.key());
        ASSERT_NE(menu, nullptr) << it.key().toStdString();
        EXPECT_EQ(Names(menu->actions()), it.value()) << it.key().toStdString();
    }
    // Names the link, the hot list and the other areas look for.
    for (const char* name : {"mnuF(0)", "mnuF(7)", "mnuForm(0)", "mnuForm(53)", "mnuMessagePopUpItem(10)",
                             "mnuCompactMode", "mnuViewEditor", "mnuViewDistressEditor", "mnuCut", "mnuCopy",
                             "mnuPaste", "mnuDontSendMsg", "mnuSimEgcRxError", "mnuSimMsgRxError"})
        EXPECT_NE(Item(name), nullptr) << name;
    EXPECT_EQ(Item("mnuF(7)")->text(), "F8");
    EXPECT_EQ(Item("mnuSimInfo450")->text(), "Info 450: No built-in GPS avaliable") << "the design text as it is";
}

TEST_F(MenuTree, ShortcutsAndInitialStates) {
    const struct {
        const char* name;
        const char* keys;
    } shortcuts[] = {
        {"mnuMsgTextSizeInc", "Ctrl+F2"}, {"mnuMsgTextSizeDec", "Ctrl+F1"}, {"InsertPosition", "Ctrl+P"},
        {"mnuInsertSpeedCourse", "Ctrl+E"}, {"InsertSignature", "Ctrl+S"}, {"insertmobilenumber", "Ctrl+M"},
        {"Insertutcdatetime", "Ctrl+U"}, {"InsertLocalDateTime", "Ctrl+L"}, {"mnuInsertVesselName", "Ctrl+N"},
        {"TransceiverStatusMenu", "Ctrl+T"}, {"GPSStatusMenu", "Ctrl+G"}, {"mnuFunctionKeySetup", "Ctrl+F"},
        {"DistressGeneratorMenu", "Ctrl+D"}, {"RoutingMenu", "Ctrl+R"},
    };
    int withShortcut = 0;
    for (const MainMenuEntry& e : MainMenuTree())
        if (!Item(e.name)->shortcut().isEmpty()) ++withShortcut;
    EXPECT_EQ(withShortcut, int(std::size(shortcuts))) << "no item has a shortcut of its own making";
    for (const auto& s : shortcuts)
        EXPECT_EQ(Item(s.name)->shortcut(), QKeySequence(s.keys)) << s.name;

    const struct {
        const char* name;
        bool visible, enabled, checked;
    } states[] = {
        {"RoutingMenu", false, true, false},       {"mnuViewDistressEditor", false, true, false},
        {"mnuBrowser", false, false, false},       {"mnuLogging", false, false, false},
        {"mnuForm(0)", true, false, false},        {"mnuForm(1)", false, true, false},
        {"mnuForm(53)", false, true, false},       {"SentItemsSortColumn", false, true, false},
        {"InSortColumn", false, true, false},      {"EGCSortColumn", false, true, false},
        {"OffMenu", true, true, true},             {"OnMenu", true, true, false},
        {"SendMessage", true, true, false},        {"mnuLogPCComm", true, true, false},
    };
    for (const auto& s : states) {
        QAction* item = Item(s.name);
        EXPECT_EQ(item->isVisible(), s.visible) << s.name;
        EXPECT_EQ(item->isChecked(), s.checked) << s.name;
        // A hidden item reads as disabled; its own state shows once it is shown.
        item->setVisible(true);
        EXPECT_EQ(item->isEnabled(), s.enabled) << s.name;
    }
    EXPECT_EQ(Item("mnuForm(0)")->text(), "Empty");
}

TEST_F(MenuTree, TheAboutItemStillOpensTheAboutBox) {
    Item("mnuAbout")->trigger();
    EXPECT_TRUE(form.Shell().About.isLoaded());
    form.Shell().About.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// After the start-up the bar shows what the operator works with; the developer menus never.
TEST_F(StartUp, MenuBarAfterStartUpHidesTheDeveloperMenus) {
    LoadAccepted({});
    QStringList shown;
    for (const QAction* a : form->menuBar()->actions())
        if (a->isVisible()) shown.append(a->text());
    EXPECT_EQ(shown, QStringList({"&File", "&Edit", "&View", "&Messaging", "&Distress", "&Setup", "&Actions", "&Help"}));
    for (const char* name : {"LoginMenu", "LogoutMenu", "TransceiverStatusMenu", "ConfigEGCMenu", "SendMessage"})
        EXPECT_FALSE(Find<QAction>(name)->isEnabled()) << name << ": nothing answers yet";
    for (const char* name : {"DistressTestModeMenu", "DistressGeneratorMenu"})
        EXPECT_FALSE(Find<QAction>(name)->isVisible()) << name;
}
