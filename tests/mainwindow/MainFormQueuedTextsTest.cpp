#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/PleaseWait.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct QueuedTexts : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    QueuedTexts() { f.gConfiguration.DataPath = platform.DataFolder(); }
    QTimer* Timer(const char* name) { return form.findChild<QTimer*>(name); }
};

TEST_F(QueuedTexts, TheScreenSaverIsEndedEveryTwoSecondsOnlyWhileABoxIsOpen) {
    QTimer* screensaver = Timer("ScreensaverTimer");
    ASSERT_NE(screensaver, nullptr);
    QList<bool> activeWhileShown;
    platform.Boxes.OnShow = [&](const MessageBoxRequest&) {
        activeWhileShown.append(screensaver->isActive());
        EXPECT_EQ(screensaver->interval(), 2000);
        form.ScreensaverTimer_Timer();
    };
    form.MBoxTimer_Timer();  // nothing queued
    EXPECT_TRUE(activeWhileShown.isEmpty());
    EXPECT_FALSE(screensaver->isActive());

    QueueMessageBox(f, "First");
    QueueMessageBox(f, "Second");
    form.MBoxTimer_Timer();
    form.MBoxTimer_Timer();
    EXPECT_EQ(activeWhileShown, (QList<bool>{true, true}));
    EXPECT_FALSE(screensaver->isActive());
    EXPECT_EQ(platform.ScreenSaver.ActivityCount, 2);
    ASSERT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "First");
    EXPECT_EQ(platform.Boxes.Shown[1].text, "Second");
    EXPECT_EQ(platform.Boxes.Shown[1].title, "Tidepost Info");
}

TEST_F(QueuedTexts, ANoticeWaitsWhileAModalWindowIsOpenAndComesWhenItCloses) {
    QDialog question(&form);
    question.setModal(true);
    question.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &question);
    QueueMessageBox(f, "New message received");
    form.MBoxTimer_Timer();
    form.MBoxTimer_Timer();
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "nothing lands on the open question";

    question.hide();
    form.MBoxTimer_Timer();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "New message received");
}

TEST_F(QueuedTexts, ProgressRunsOneToTenAndStartsOver) {
    QList<int> values;
    for (int i = 0; i < 12; ++i) {
        form.ProgressTimer_Timer();
        values.append(form.GetPleaseWait().ProgressBar()->value());
    }
    EXPECT_EQ(values, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2}));
    EXPECT_FALSE(form.GetPleaseWait().isVisible());
}

TEST_F(QueuedTexts, TheDebugBeatAddsStarsUpToFiveAndStartsOver) {
    auto* beat = form.findChild<QLabel*>("Label12");
    ASSERT_NE(beat, nullptr);
    form.ProgressTimer_Timer();
    EXPECT_EQ(beat->text(), "Progr: ");  // not in debug mode

    link.Dialogue.DebugMode = 1;
    QStringList seen;
    for (int i = 0; i < 7; ++i) {
        form.ProgressTimer_Timer();
        seen.append(beat->text());
    }
    EXPECT_EQ(seen, (QStringList{"Progr: *", "Progr: **", "Progr: ***", "Progr: ****", "Progr: *****", "Progr: ",
                                 "Progr: *"}));
}

TEST_F(QueuedTexts, EnableTimersStartsTheStatusAndProgressTimers) {
    form.EnableTimers(true);
    EXPECT_TRUE(Timer("GUITimer")->isActive());
    EXPECT_TRUE(Timer("ProgressTimer")->isActive());
    EXPECT_EQ(Timer("GUITimer")->interval(), 100);
    EXPECT_EQ(Timer("ProgressTimer")->interval(), 100);
    form.EnableTimers(false);
    EXPECT_FALSE(Timer("GUITimer")->isActive());
    EXPECT_FALSE(Timer("ProgressTimer")->isActive());
    // The test window's timer answers an ask from the window's creation on, whatever
    // EnableTimers does; until one comes it rests.
    EXPECT_FALSE(Timer("DistressButtonsTestWindowTimer")->isActive());
    form.ShowDistressButtonsTestWindow();
    EXPECT_TRUE(Timer("DistressButtonsTestWindowTimer")->isActive());
}

}  // namespace
