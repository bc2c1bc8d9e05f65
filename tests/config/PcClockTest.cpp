#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QTimeZone>

#include "ConfigFixture.h"
#include "config/PcClock.h"
#include "config/SetLocalTimeForm.h"
#include "config/SetTimeForm.h"
#include "foundation/AppSettings.h"
#include "link/CommandQueue.h"
#include "support/QueuedTexts.h"

namespace tidepost::test {
namespace {

const QString kReply = "ti -u\r\n12-03-02 23:30:17 UTC\r\ncan0:/$ ";
const QString kDateless = "ti -u\r\nUTC time not available\r\ncan0:/$ ";
const QString kRefused = "ti -u\r\nERROR 120: Command not available\r\ncan0:/$ ";

// The PC two hours east of UTC, a PC clock request pending.
struct PcClock : ConfigFixture {
    PcClock() {
        platform.Clock.Set(QDateTime(QDate(2012, 3, 2), QTime(12, 0), Qt::OffsetFromUTC, 7200));
        link.Requests.SetPcClockRequested = true;
    }
    QStringList LogLines() {
        const QString text = QString::fromLatin1(Data("ErrorLog.txt"));
        return text.split("\r\n", Qt::SkipEmptyParts);
    }
    QList<QDateTime>& Asked() { return platform.ClockSetter.Asked; }
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(PcClock, SetsTheLocalTimeOfTheTransceiversUtcToTheMinute) {
    EXPECT_EQ(GetTimeZoneBias(f), -120);
    EXPECT_EQ(CurrentPcClockTexts(c).Utc, "<unknown>");
    EXPECT_EQ(CurrentPcClockTexts(c).Local, "<unknown>");

    Dispatch(kReply);
    ASSERT_EQ(Asked().size(), 1);
    const QDateTime set = Asked().first();
    EXPECT_EQ(set.date(), QDate(2012, 3, 3));
    EXPECT_EQ(set.time(), QTime(1, 30, 0));
    EXPECT_EQ(set.offsetFromUtc(), 7200);
    EXPECT_EQ(set.toUTC(), QDateTime(QDate(2012, 3, 2), QTime(23, 30), Qt::UTC));
    EXPECT_FALSE(link.Requests.SetPcClockRequested);
    EXPECT_TRUE(LogLines().isEmpty());

    // The dialog shows the same two times.
    EXPECT_EQ(CurrentPcClockTexts(c).Utc, "2012-03-02 23:30");
    EXPECT_EQ(CurrentPcClockTexts(c).Local, "2012-03-03 01:30");
    auto& form = c.Setup->SetLocalTimeForm.get();
    EXPECT_EQ(form.UtcTimeEx->text(), "2012-03-02 23:30");
    EXPECT_EQ(form.LocalTimeEx->text(), "2012-03-03 01:30");

    // Served: a later reply sets nothing.
    Dispatch(kReply);
    EXPECT_EQ(Asked().size(), 1);
}

TEST_F(PcClock, BiasFollowsDaylightSavingTime) {
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    platform.Clock.Set(QDateTime(QDate(2012, 1, 15), QTime(12, 0), berlin));
    EXPECT_EQ(GetTimeZoneBias(f), -60);
    platform.Clock.Set(QDateTime(QDate(2012, 7, 15), QTime(12, 0), berlin));
    EXPECT_EQ(GetTimeZoneBias(f), -120);
    platform.Clock.Set(QDateTime(QDate(2012, 7, 15), QTime(12, 0), Qt::UTC));
    EXPECT_EQ(GetTimeZoneBias(f), 0);
}

TEST_F(PcClock, OnlyAValidTimeInThisVeryReplySetsTheClock) {
    // A time read long ago, then replies without one: the old time is never set.
    link.Requests.SetPcClockRequested = false;
    Dispatch(kReply);
    ASSERT_TRUE(f.gSession.SystemTimeSet());
    link.Requests.SetPcClockRequested = true;
    Dispatch(kDateless);
    Dispatch("ti -u\r\n\r\ncan0:/$ ");
    EXPECT_TRUE(Asked().isEmpty());
    EXPECT_TRUE(link.Requests.SetPcClockRequested);
    EXPECT_TRUE(LogLines().isEmpty());

    // The first valid one then serves the waiting request.
    Dispatch(kReply);
    EXPECT_EQ(Asked().size(), 1);
    EXPECT_FALSE(link.Requests.SetPcClockRequested);
}

TEST_F(PcClock, RefusalsAreToldOncePerRequestAndTheRequestWaits) {
    // The transceiver refusing the command, poll after poll.
    Dispatch(kRefused);
    Dispatch(kRefused);
    EXPECT_TRUE(link.Requests.SetPcClockRequested);
    EXPECT_TRUE(Asked().isEmpty());
    ASSERT_EQ(LogLines().size(), 1);
    EXPECT_TRUE(LogLines()[0].endsWith("Error: PC time could not be set. Command does not exist or you do not have "
                                       "access to this command on current user level."));

    // The system refusing the time: retried at every reply, told once.
    platform.ClockSetter.RefuseWith = "Operation not permitted";
    Dispatch(kReply);
    Dispatch(kReply);
    EXPECT_EQ(Asked().size(), 2);
    EXPECT_TRUE(link.Requests.SetPcClockRequested);
    ASSERT_EQ(LogLines().size(), 2);
    EXPECT_TRUE(LogLines()[1].endsWith("PC clock not set to 2012-03-03 01:30:00: Operation not permitted"));
    const QStringList queued = DrainErrorQueue(f);
    ASSERT_EQ(queued.size(), 1);
    EXPECT_EQ(queued[0], "The PC clock was not set: Operation not permitted.\r\nSetting it needs the right to set "
                         "the system time (root, or the CAP_SYS_TIME capability).");

    // A new request is told afresh.
    RequestPcClock(c, false);
    Dispatch(kRefused);
    Dispatch(kReply);
    EXPECT_EQ(LogLines().size(), 4);
    EXPECT_EQ(DrainErrorQueue(f).size(), 1);

    // Allowed at last: set, and the request ends.
    platform.ClockSetter.RefuseWith.clear();
    Dispatch(kReply);
    EXPECT_FALSE(link.Requests.SetPcClockRequested);
}

TEST_F(PcClock, LogModeNeverTouchesTheClock) {
    SaveAppSetting(f, f.gProductName, "Config", "PC Clock", "Log");
    Dispatch(kReply);
    EXPECT_TRUE(Asked().isEmpty());
    EXPECT_FALSE(link.Requests.SetPcClockRequested);
    ASSERT_EQ(LogLines().size(), 1);
    EXPECT_TRUE(LogLines()[0].endsWith("PC clock not set (log only): 2012-03-03 01:30:00"));
}

TEST_F(PcClock, TheTwoQueueRules) {
    link.Requests.SetPcClockRequested = false;
    QueueCommand(link, "st -w", true, false);
    QueueCommand(link, "ti -u", true, false);
    // The first-start question: at the front, and not while one is queued.
    auto& question = c.Setup->SetTimeForm.get();
    question.CommandYes_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -w\r\nti -u\r\n");
    EXPECT_TRUE(link.Requests.SetPcClockRequested);
    link.Dialogue.CommandQueue.clear();
    RequestPcClock(c, true);
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nti -u\r\n");
    // The PC time dialog: at the end, even when one is queued.
    auto& dialog = c.Setup->SetLocalTimeForm.get();
    dialog.SetPcTimeAlways->setChecked(true);
    dialog.OKButton_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nti -u\r\nti -u\r\n");
}

TEST_F(PcClock, FirstStartQuestion) {
    link.Requests.SetPcClockRequested = false;
    SetIniValue(f, "[SETPCTIME]", "yes", true);  // not an answer: the case counts
    ShowSetTimeForm(c);
    ASSERT_TRUE(c.Setup->SetTimeForm.isLoaded());
    SetTimeForm* shown = c.Setup->SetTimeForm.loaded();
    EXPECT_EQ(shown->CommandYes->text(), "Yes");
    EXPECT_EQ(shown->CommandNo->text(), "No");
    EXPECT_EQ(shown->windowTitle(), "Adjust PC time ?");
    ShowSetTimeForm(c);  // the next tick
    EXPECT_EQ(c.Setup->SetTimeForm.loaded(), shown);

    // Closed without an answer: nothing written, and it comes back.
    shown->close();
    Settle();
    EXPECT_EQ(GetIniValue(f, "[SETPCTIME]"), "yes");
    ShowSetTimeForm(c);
    ASSERT_TRUE(c.Setup->SetTimeForm.isLoaded());

    c.Setup->SetTimeForm.loaded()->CommandNo_Click();
    EXPECT_FALSE(c.Setup->SetTimeForm.isLoaded());
    EXPECT_TRUE(Data("Tidepost.ini").contains("[SETPCTIME]\r\nNo\r\n"));
    EXPECT_FALSE(link.Requests.SetPcClockRequested);
    Settle();

    ShowSetTimeForm(c);
    c.Setup->SetTimeForm.loaded()->CommandYes_Click();
    EXPECT_TRUE(Data("Tidepost.ini").contains("[SETPCTIME]\r\nYes\r\n"));
    EXPECT_TRUE(link.Requests.SetPcClockRequested);
}

TEST_F(PcClock, PcTimeDialogPreselectsAndStores) {
    const struct {
        QString stored;
        bool always;
    } cases[] = {{"Yes", true}, {"No", false}, {"yes", false}, {"", false}};
    for (const auto& k : cases) {
        SetIniValue(f, "[SETPCTIME]", k.stored, false);
        auto& form = c.Setup->SetLocalTimeForm.get();
        EXPECT_EQ(form.SetPcTimeAlways->isChecked(), k.always) << k.stored.toStdString();
        EXPECT_EQ(form.SetPcTimeNever->isChecked(), !k.always) << k.stored.toStdString();
        form.CancelButton_Click();
        Settle();
    }
    link.Requests.SetPcClockRequested = false;
    auto& form = c.Setup->SetLocalTimeForm.get();
    form.SetPcTimeNever->setChecked(true);
    form.OKButton_Click();
    EXPECT_TRUE(Data("Tidepost.ini").contains("[SETPCTIME]\r\nNo\r\n"));
    EXPECT_FALSE(link.Requests.SetPcClockRequested);
    EXPECT_FALSE(c.Setup->SetLocalTimeForm.isLoaded());
}

}  // namespace
}  // namespace tidepost::test
