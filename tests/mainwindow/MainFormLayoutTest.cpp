#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/StartUpFixture.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct LayoutWindow : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    QList<std::pair<int, int>> counted;

    LayoutWindow() {
        f.gConfiguration.DataPath = platform.DataFolder();
        form.HotList.Add = [this](int id, int parent) { counted.append({id, parent}); };
        form.resize(800, 600);
    }
    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(name);
    }
    // A control's place in twips.
    QPoint At(const char* name) {
        const QWidget* w = Find<QWidget>(name);
        return {qRound(w->x() * form.TwipsPerPixelX()), qRound(w->y() * form.TwipsPerPixelY())};
    }
    bool Shown(const char* name) { return !Find<QWidget>(name)->isHidden(); }
    QAction* Compact() { return Find<QAction>("mnuCompactMode"); }
};

// Positions are compared within one pixel: the window places whole pixels.
void ExpectNear(QPoint actual, QPoint expected, const char* what) {
    EXPECT_NEAR(actual.x(), expected.x(), 15) << what;
    EXPECT_NEAR(actual.y(), expected.y(), 15) << what;
}

TEST_F(LayoutWindow, EditorWithoutProviderShowsToAndSubjectAboveTheEditor) {
    form.MainFormSetUp();
    EXPECT_TRUE(Shown("ToFieldText") && Shown("ToButton") && Shown("SubjectFieldText") && Shown("SubjectLabel"));
    EXPECT_FALSE(Shown("CCFieldText") || Shown("CCButton") || Shown("BccFieldText") || Shown("BccButton"));
    ExpectNear(At("ToFieldText"), {1260, 960}, "To");
    ExpectNear(At("ToButton"), {30, 980}, "To button");
    ExpectNear(At("SubjectFieldText"), {1260, 1335}, "Subject");
    ExpectNear(At("SubjectLabel"), {45, 1365}, "Subject label");
    ExpectNear(At("Editor"), {1260, 1710}, "Editor");
    ExpectNear(At("LogFrame"), {30, 1710}, "Views frame");
    for (const char* grid : {"InboxMSGrid", "OutboxMSGrid", "EGCMSGrid", "MessageGrid", "oWebBrowser"})
        EXPECT_FALSE(Shown(grid)) << grid;
    EXPECT_TRUE(Shown("Editor"));
}

TEST_F(LayoutWindow, TheProviderRuleBringsTheCcAndBccRows) {
    form.ApplyIspCcBccAvailability = [this] {
        form.CcFieldVisible(true);
        form.BCcFieldVisible(true);
    };
    form.MainFormSetUp();
    ExpectNear(At("CCFieldText"), {1260, 1335}, "Cc");
    ExpectNear(At("CCButton"), {30, 1355}, "Cc button");
    ExpectNear(At("BccFieldText"), {1260, 1710}, "Bcc");
    ExpectNear(At("BccButton"), {30, 1730}, "Bcc button");
    ExpectNear(At("SubjectFieldText"), {1260, 2085}, "Subject");
    ExpectNear(At("Editor"), {1260, 2460}, "Editor");
}

// What is sent and filled from the address book follows the rows the editor view shows, also
// while another view is shown.
TEST_F(LayoutWindow, TheEditorsCcAndBccRowsAreKnownInEveryView) {
    form.MainFormSetUp();
    EXPECT_TRUE(form.EditorAddressRowShown(0));
    EXPECT_FALSE(form.EditorAddressRowShown(1) || form.EditorAddressRowShown(2)) << "no provider rule: no rows";

    form.ApplyIspCcBccAvailability = [this] {
        form.CcFieldVisible(true);
        form.BCcFieldVisible(false);
    };
    form.MainFormSetUp();
    EXPECT_TRUE(form.EditorAddressRowShown(1));
    EXPECT_FALSE(form.EditorAddressRowShown(2));
    form.MessageLogShown = 2;
    form.MainFormSetUp();
    EXPECT_FALSE(Shown("CCFieldText"));
    EXPECT_TRUE(form.EditorAddressRowShown(1)) << "the sent-items view hides the row, the editor still has it";

    Compact()->trigger();
    EXPECT_FALSE(form.EditorAddressRowShown(1)) << "compact mode drops the rows";
    EXPECT_TRUE(form.EditorAddressRowShown(0));
}

TEST_F(LayoutWindow, AFolderViewShowsItsGridAtTheFirstRowAndNoHeaderRows) {
    form.MessageLogShown = 1;
    form.MainFormSetUp();
    EXPECT_TRUE(Shown("InboxMSGrid"));
    EXPECT_FALSE(Shown("Editor") || Shown("ToFieldText") || Shown("SubjectFieldText"));
    ExpectNear(At("InboxMSGrid"), {1260, 960}, "grid");
    const int fullHeight = form.CurrentLayout().ViewControl.Height;

    form.ShowTestModeNotice("Automatic test mode");
    ExpectNear(At("InboxMSGrid"), {1260, 1635}, "grid below the notice");
    EXPECT_EQ(form.CurrentLayout().ViewControl.Height, fullHeight - 675);
}

TEST_F(LayoutWindow, CompactModeFromTheMenuDropsTheColumnAndIsRecorded) {
    SetIniValue(f, "[Compact Mode]", "0", false);
    form.MainFormSetUp();
    form.mnuCompactMode_Click();
    EXPECT_TRUE(Compact()->isChecked());
    EXPECT_EQ(GetIniValue(f, "[Compact Mode]"), "1");
    EXPECT_FALSE(Shown("LogFrame"));
    ExpectNear(At("Editor"), {30, 1710}, "Editor at the left margin");
    EXPECT_EQ(counted, (QList<std::pair<int, int>>{{2011, 0}}));

    // The menu item itself does the same.
    Compact()->trigger();
    EXPECT_FALSE(Compact()->isChecked());
    EXPECT_EQ(GetIniValue(f, "[Compact Mode]"), "0");
    EXPECT_TRUE(Shown("LogFrame"));
    Compact()->trigger();
    EXPECT_TRUE(Compact()->isChecked());
    EXPECT_FALSE(Shown("LogFrame"));
}

TEST_F(LayoutWindow, ALowWindowTurnsCompactOnAndATallOneOffWithoutTouchingTheChoice) {
    SetIniValue(f, "[Compact Mode]", "0", false);
    form.MainFormSetUp();
    form.resize(640, 480);
    form.Form_Resize();
    EXPECT_TRUE(Compact()->isChecked());
    EXPECT_FALSE(Compact()->isEnabled());
    EXPECT_FALSE(Shown("LogFrame"));

    form.resize(800, 600);
    form.Form_Resize();
    EXPECT_FALSE(Compact()->isChecked());
    EXPECT_TRUE(Compact()->isEnabled());
    EXPECT_TRUE(Shown("LogFrame"));
    EXPECT_EQ(GetIniValue(f, "[Compact Mode]"), "0");
}

TEST_F(LayoutWindow, TheOperatorsCompactChoiceHoldsAtEverySize) {
    SetIniValue(f, "[Compact Mode]", "0", false);
    form.mnuCompactMode_Click();
    form.resize(800, 600);
    form.Form_Resize();
    EXPECT_TRUE(Compact()->isChecked());
    EXPECT_TRUE(Compact()->isEnabled());
    form.resize(640, 480);
    form.Form_Resize();
    EXPECT_TRUE(Compact()->isChecked());
    EXPECT_FALSE(Compact()->isEnabled());
}

TEST_F(LayoutWindow, ATooSmallWindowGrowsToTheMinimum) {
    form.setMinimumSize(0, 0);
    form.resize(300, 200);
    form.Form_Resize();
    EXPECT_EQ(form.frameGeometry().size(), QSize(640, 480));
}

TEST_F(LayoutWindow, ResizingWhileMinimisedIsSilent) {
    form.MainFormSetUp();
    form.setWindowState(Qt::WindowMinimized);
    form.resize(100, 100);
    form.Form_Resize();
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(LayoutWindow, ViewMenuItemsForwardToTheViewButtons) {
    int editor = 0, distress = 0;
    form.EditorButton_Click = [&] { ++editor; };
    form.DistressEditorButton_Click = [&] { ++distress; };
    Find<QAction>("mnuViewEditor")->trigger();
    Find<QPushButton>("EditorButton")->click();
    Find<QAction>("mnuViewDistressEditor")->trigger();
    EXPECT_EQ(editor, 2);
    EXPECT_EQ(distress, 1);

    // The hot-list popup runs the same commands.
    form.HotListCommands.Find(2001, 0)->run();
    form.HotListCommands.Find(2002, 0)->run();
    EXPECT_EQ(editor, 3);
    EXPECT_EQ(distress, 2);
    form.HotListCommands.Find(2011, 0)->run();
    EXPECT_TRUE(Compact()->isChecked());
}

TEST_F(LayoutWindow, ControlsAndItemsCarryTheirNames) {
    for (const char* name : {"ToFieldText", "CCFieldText", "BccFieldText", "SubjectFieldText"})
        EXPECT_NE(Find<QLineEdit>(name), nullptr) << name;
    EXPECT_NE(Find<QPlainTextEdit>("Editor"), nullptr);
    EXPECT_NE(Find<QGroupBox>("LogFrame"), nullptr);
    for (const char* name : {"ToButton", "CCButton", "BccButton", "EditorButton", "DistressEditorButton",
                             "InboxButton", "OutboxButton", "EGCButton", "FormsButton", "InHarbourButton"})
        EXPECT_NE(Find<QPushButton>(name), nullptr) << name;
    for (const char* name : {"InboxMSGrid", "OutboxMSGrid", "EGCMSGrid", "MessageGrid", "oWebBrowser"})
        EXPECT_NE(Find<QWidget>(name), nullptr) << name;
    for (const char* name :
         {"mnuCompactMode", "mnuViewEditor", "mnuViewDistressEditor", "mnuCut", "mnuCopy", "mnuPaste"})
        EXPECT_NE(Find<QAction>(name), nullptr) << name;
}

struct CompactStartCase {
    const char* name;
    const char* stored;
    const char* after;
};

class CompactAtStart : public StartUp, public ::testing::WithParamInterface<CompactStartCase> {};

TEST_P(CompactAtStart, TheKeyHoldsZeroOrOneAfterTheStart) {
    LoadAccepted({{"[Compact Mode]", GetParam().stored}});
    ASSERT_TRUE(form);
    EXPECT_EQ(GetIniValue(f, "[Compact Mode]"), GetParam().after);
    EXPECT_EQ(Find<QAction>("mnuCompactMode")->isChecked(), QString(GetParam().after) == "1");

    // The orderly exit writes the key once, with its value on the next line.
    form->Form_Unload();
    const QStringList lines = QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")).split("\r\n");
    EXPECT_EQ(lines.count("[Compact Mode]"), 1);
    const qsizetype at = lines.indexOf("[Compact Mode]");
    ASSERT_GE(at, 0);
    ASSERT_LT(at + 1, lines.size());
    EXPECT_EQ(lines[at + 1], GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Values, CompactAtStart,
                         ::testing::Values(CompactStartCase{"On", "1", "1"}, CompactStartCase{"Off", "0", "0"},
                                           CompactStartCase{"Empty", "", "0"},
                                           CompactStartCase{"Garbage", "yes", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
