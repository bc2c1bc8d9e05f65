#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "distress/DistressFixture.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

struct AlarmWindows : DistressFixture {
    AlarmForm* Message() const { return distress.DistressMessageForm.Form(); }
    AlarmForm* Egc() const { return distress.EGC_DistressMsgForm.Form(); }
    QString Wav() const { return platform.ProgramFolder() + "/alarm.wav"; }
};

TEST_F(AlarmWindows, ShownAtTheFirstFlashTickWithTheHeadlineBlinking) {
    distress.DistressMessageForm.Raise(3);
    AlarmForm* form = Message();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible()) << "the first flash tick shows it";
    EXPECT_TRUE(form->FlashTimer->isActive());
    EXPECT_EQ(form->FlashTimer->interval(), 333);
    EXPECT_TRUE(form->BeepTimer->isActive());
    EXPECT_EQ(form->BeepTimer->interval(), 1000);
    EXPECT_EQ(form->windowTitle(), "Message with distress priority received");
    EXPECT_EQ(form->Label1->text(), "DISTRESS PRIORITY MESSAGE");
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->parentWidget(), nullptr) << "no owner, so no box of the main window blocks it";
    EXPECT_TRUE(Boxes().isEmpty()) << "an alarm never waits in the box queue";

    QList<bool> headline;
    for (int tick = 0; tick < 4; ++tick) {
        form->FlashTimer_Timer();
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->FlashTimer->isActive());
        headline.append(form->Label1->isVisible());
        EXPECT_TRUE(form->Label2->isVisible());
    }
    EXPECT_EQ(headline, (QList<bool>{false, true, false, true}));
    EXPECT_EQ(platform.ScreenSaver.ActivityCount, 4);
}

TEST_F(AlarmWindows, OneSoundACycleTheNextASecondAfterTheLastEnded) {
    distress.DistressMessageForm.Raise(2);
    AlarmForm* form = Message();
    for (int cycle = 1; cycle <= 3; ++cycle) {
        form->BeepTimer_Timer();
        EXPECT_FALSE(form->BeepTimer->isActive()) << "no tick while the sound plays";
        EXPECT_EQ(platform.Sound.Played.size(), cycle);
        EXPECT_EQ(platform.Sound.Played.last(), Wav());
        platform.Sound.FinishAll();
        EXPECT_TRUE(form->BeepTimer->isActive());
        EXPECT_EQ(form->BeepTimer->interval(), 1000);
    }
    EXPECT_EQ(platform.Sound.Beeps, 0);
    EXPECT_TRUE(ErrorLogText().isEmpty());
}

TEST_F(AlarmWindows, BellSoundsWhenTheFileCannotBePlayedAndTheFailureIsLoggedOnce) {
    struct Case {
        const char* what;
        std::function<void(AlarmWindows&)> setUp;
        std::function<void(AlarmWindows&)> end;  // how the sound ends
    };
    const Case cases[] = {
        {"player fails", [](AlarmWindows&) {}, [](AlarmWindows& t) { t.platform.Sound.FailAll(); }},
        {"no player", [](AlarmWindows& t) { t.platform.Sound.FailAtOnce = true; }, [](AlarmWindows&) {}},
        {"no file", [](AlarmWindows& t) { t.RemoveAlarmWav(); }, [](AlarmWindows&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(platform.DataFolder() + "/ErrorLog.txt");
        distress.SoundFailureLogged = false;
        platform.Sound = {};
        WriteAlarmWav();
        c.setUp(*this);
        distress.DistressMessageForm.Raise(3);
        AlarmForm* form = Message();
        for (int cycle = 1; cycle <= 2; ++cycle) {
            form->BeepTimer_Timer();
            c.end(*this);
            EXPECT_EQ(platform.Sound.Beeps, cycle);
            EXPECT_TRUE(form->BeepTimer->isActive()) << "the alarm goes on";
        }
        EXPECT_EQ(ErrorLogText().count("alarm.wav could not be played"), 1);
        form->OKButton_Click();
    }
}

TEST_F(AlarmWindows, SoundStillRunningAfterTenSecondsGivesWayToTheBell) {
    distress.DistressMessageForm.Raise(3);
    AlarmForm* form = Message();
    form->BeepTimer_Timer();
    platform.Clock.AdvanceMs(9990);
    form->FlashTimer_Timer();
    EXPECT_EQ(platform.Sound.Beeps, 0);
    EXPECT_FALSE(form->BeepTimer->isActive());
    platform.Clock.AdvanceMs(10);
    form->FlashTimer_Timer();
    EXPECT_EQ(platform.Sound.Beeps, 1);
    EXPECT_TRUE(form->BeepTimer->isActive());
    EXPECT_FALSE(form->SoundPlaying());
    // The hanging player's late word changes nothing.
    platform.Sound.FinishAll();
    EXPECT_EQ(platform.Sound.Beeps, 1);
    EXPECT_EQ(ErrorLogText().count("alarm.wav could not be played"), 1);
}

TEST_F(AlarmWindows, EnterSpaceAndEscDoNotConfirm) {
    distress.DistressMessageForm.Raise(3);
    AlarmForm* form = Message();
    form->FlashTimer_Timer();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->DummyOption->objectName(), "OptionDummy");
    EXPECT_GT(form->DummyOption->x(), form->width() - 1) << "the option button stands beyond the right edge";
    EXPECT_EQ(form->DummyOption->accessibleName(), "DISTRESS PRIORITY MESSAGE");
    EXPECT_EQ(form->focusWidget(), form->DummyOption) << "the focus starts on the option button";
    QWidget* next = form->DummyOption->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
    EXPECT_EQ(next, form->OKButton) << "Tab goes from the option button to OK";
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
        QTest::keyClick(form->DummyOption, key);
        QTest::keyClick(form, key);
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->FlashTimer->isActive());
    EXPECT_EQ(inboxOpened, 0);
}

TEST_F(AlarmWindows, OkAndTheCloseBoxStopBothTimersAndOpenTheViewOnce) {
    using Confirm = std::function<void(AlarmForm&)>;
    const std::pair<const char*, Confirm> ways[] = {
        {"OK", [](AlarmForm& form) { QTest::mouseClick(form.OKButton, Qt::LeftButton); }},
        {"close box", [](AlarmForm& form) { form.close(); }},
    };
    for (const auto& [what, confirm] : ways) {
        SCOPED_TRACE(what);
        inboxOpened = 0;
        distress.DistressMessageForm.Raise(2);
        QPointer<AlarmForm> form = Message();
        form->FlashTimer_Timer();
        form->BeepTimer_Timer();
        confirm(*form);
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->BeepTimer->isActive());
        EXPECT_FALSE(form->FlashTimer->isActive());
        EXPECT_EQ(inboxOpened, 1);
        EXPECT_EQ(Message(), nullptr) << "the next alarm makes a new window";
        platform.Sound.FinishAll();
        EXPECT_FALSE(form && form->BeepTimer->isActive()) << "a sound that ends after the OK starts nothing";
        form->close();
        EXPECT_EQ(inboxOpened, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form.isNull());
    }
    EXPECT_EQ(egcOpened, 0);
}

TEST_F(AlarmWindows, HeadlineNamesTheHighestPriorityRaisedInTheCurrentLanguage) {
    distress.DistressMessageForm.Raise(2);
    AlarmForm* form = Message();
    EXPECT_EQ(form->Label1->text(), "URGENCY PRIORITY MESSAGE");
    distress.DistressMessageForm.Raise(3);
    EXPECT_EQ(form->Label1->text(), "DISTRESS PRIORITY MESSAGE");
    distress.DistressMessageForm.Raise(2);
    EXPECT_EQ(form->Label1->text(), "DISTRESS PRIORITY MESSAGE") << "an urgency message does not play it down";
    EXPECT_EQ(Message(), form) << "one window";

    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form->Label1->text(), f.Strings.GetString(2254, 1049));
    EXPECT_EQ(form->windowTitle(), f.Strings.GetString(2251, 1049));
    form->OKButton_Click();

    distress.DistressMessageForm.Raise(2);
    EXPECT_EQ(Message()->Label1->text(), f.Strings.GetString(2952, 1049)) << "a new window starts afresh";
    f.Strings.Notifier.AnnounceLanguage(1033, "English");
    EXPECT_EQ(Message()->Label1->text(), "URGENCY PRIORITY MESSAGE") << "a language change keeps the urgency headline";
}

TEST_F(AlarmWindows, FurtherAlarmsDoNotRestartASoundOrOpenASecondWindow) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    distress.DistressMessageForm.Raise(3);
    AlarmForm* form = Message();
    form->BeepTimer_Timer();
    distress.DistressMessageForm.Raise(3);
    EXPECT_FALSE(form->BeepTimer->isActive()) << "the sound that plays goes on";
    EXPECT_EQ(platform.Sound.PendingCount(), 1);
    distress.DistressMessageForm.Raise(1);
    distress.DistressMessageForm.Raise(0);
    EXPECT_EQ(form->Label1->text(), "DISTRESS PRIORITY MESSAGE");
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) windows += w->objectName() == "DistressMessageForm";
    EXPECT_EQ(windows, 1);
}

TEST_F(AlarmWindows, EgcAlarmOpensTheEgcView) {
    IEgcAlarm& alarm = distress.EGC_DistressMsgForm;
    alarm.RaiseEgcAlarm();
    AlarmForm* form = Egc();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Message(), nullptr);
    form->FlashTimer_Timer();
    EXPECT_EQ(form->objectName(), "EGC_DistressMsgForm");
    EXPECT_EQ(form->windowTitle(), "EGC Distress/Urgent Message received!");
    EXPECT_EQ(form->Label1->text(), "DISTRESS / URGENT EGC MESSAGE");
    EXPECT_EQ(form->Label2->text(), "RECEIVED");
    EXPECT_EQ(form->DummyOption->objectName(), "DummyOption");
    EXPECT_EQ(form->DummyOption->accessibleName(), "DISTRESS / URGENT EGC MESSAGE");
    form->BeepTimer_Timer();
    alarm.RaiseEgcAlarm();
    EXPECT_EQ(platform.Sound.Played.size(), 1);
    // TIDEPOST_SCREENSHOTS names a folder for pictures of the window, with and without its headline.
    const QString shots = qEnvironmentVariable("TIDEPOST_SCREENSHOTS");
    if (!shots.isEmpty()) {
        form->grab().save(QDir(shots).filePath("EGC_DistressMsgForm-1.png"));
        form->FlashTimer_Timer();
        form->grab().save(QDir(shots).filePath("EGC_DistressMsgForm-2.png"));
    }
    form->OKButton_Click();
    EXPECT_EQ(egcOpened, 1);
    EXPECT_EQ(inboxOpened, 0);
    EXPECT_EQ(Egc(), nullptr);
}

TEST_F(AlarmWindows, NoViewOpensWhenTheMainWindowIsGone) {
    distress.InboxButtonClick = nullptr;
    distress.DistressMessageForm.Raise(3);
    Message()->close();
    EXPECT_EQ(inboxOpened, 0);
    EXPECT_EQ(Message(), nullptr);
}

}  // namespace
