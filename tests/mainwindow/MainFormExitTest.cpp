#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <csignal>

#include "StartUpFixture.h"
#include "foundation/LanguageSelect.h"
#include "mainwindow/ShellWindows.h"
#include "platform/TermSignals.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

const QString kPlainQuestion = "Do you want to exit Tidepost ?";
const QString kSafetyQuestion =
    "Using the terminal without a display device seriously degrades safety at sea.\r\n"
    "You will be unable to display meteorological, navigational and SAR messages, \r\n"
    "distress alert relays as well as commercial messages.\r\nExit Tidepost?";
const QByteArray kUnsent = "1207030%1.out;a@b.c;102;E-Mail 7 Bit;12-07-03;09:05; 12;<None>;Initiated;0;0;0;0;03;07;09;05;A;;;Hi\r\n";
const QByteArray kSent = "12070309.out;a@b.c;102;E-Mail 7 Bit;12-07-03;09:05; 12;OUT.021;Sending;0;0;0;0;03;07;09;05;A;;;Hi\r\n";

// A program that has started in order and is then asked to close.
struct Exit : StartUp {
    int eventLoopLeft = 0;
    int hotListReleases = 0;

    void Start(const Settings& values = {}) {
        LoadAccepted(values);
        form->LeaveEventLoop = [this] { ++eventLoopLeft; };
        form->HotList.Release = [this] { ++hotListReleases; };
        form->show();
        test::DrainErrorQueue(f);
        platform.Boxes.Shown.clear();
    }
    // Three submissions that never got a reference, and one under way.
    QByteArray WriteOutbox() {
        const QByteArray log = QByteArray(kUnsent).replace("%1", "1") + kSent + QByteArray(kUnsent).replace("%1", "2") +
                               QByteArray(kUnsent).replace("%1", "3");
        platform.WriteDataFile("sent items/OUT.IDX", log);
        return log;
    }
    QStringList Markers() const {
        return QDir(platform.DataFolder()).entryList({"*.tmp"}, QDir::Files | QDir::Hidden, QDir::Name);
    }
    bool Ended() const { return form->ProgramEnded(); }
};

// ---- the questions ----

TEST_F(Exit, AskTheQuestionThatFitsTheTerminal) {
    struct Case {
        int solasType;
        QString text;
    } cases[] = {{0, kPlainQuestion}, {1, kPlainQuestion}, {2, kSafetyQuestion}, {3, kSafetyQuestion}};
    for (const Case& c : cases) {
        Start();
        f.gSession.SetSolasType(c.solasType);
        platform.Boxes.Answer(MsgAnswer::No);
        EXPECT_FALSE(form->close());
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].text, c.text) << c.solasType;
        EXPECT_EQ(platform.Boxes.Shown[0].title, "Exit Tidepost?");
        EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::YesNo);
    }
}

TEST_F(Exit, NoChangesNothing) {
    Start({{"[HOST Interface]", "COM"}});
    const QByteArray log = WriteOutbox();
    const QByteArray ini = platform.ReadDataFile("Tidepost.ini");
    SetIniValue(f, "[Preferred Ocean]", "East", false);
    platform.Boxes.Answer(MsgAnswer::No);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(Ended());
    EXPECT_FALSE(link.Dialogue.ClosingDown);
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), log);
    EXPECT_EQ(platform.ReadDataFile("Tidepost.ini"), ini);
    EXPECT_EQ(Markers(), QStringList{"#Tidepost.tmp"});
    EXPECT_EQ(eventLoopLeft, 0);
    EXPECT_EQ(hotListReleases, 0);
}

TEST_F(Exit, UnsentMessagesAreNamedAndMarkedOnYes) {
    Start();
    const QByteArray log = WriteOutbox();
    EXPECT_TRUE(form->close());
    ASSERT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_EQ(platform.Boxes.Shown[1].text,
              "There are 3 unsent messages in your outbox\r\n\r\nWould you still like to exit ?");
    EXPECT_EQ(platform.Boxes.Shown[1].title, "Exit Tidepost?");
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), QByteArray(log).replace(";Initiated;", ";PC Cleared;"));
    EXPECT_TRUE(Ended());
}

TEST_F(Exit, UnsentMessagesStayAndTheProgramRunsOnOnNo) {
    Start();
    const QByteArray log = WriteOutbox();
    platform.Boxes.Answer(MsgAnswer::Yes);
    platform.Boxes.Answer(MsgAnswer::No);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), log);
    EXPECT_FALSE(Ended());
    EXPECT_FALSE(link.Dialogue.ClosingDown);
}

TEST_F(Exit, WithoutQuestionAsksNothingAndLeavesTheOutboxAlone) {
    Start();
    const QByteArray log = WriteOutbox();
    f.Windows.ExitWithoutQuestion = true;
    form->mnuExit_Click();
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), log);
    EXPECT_TRUE(Ended());
}

// ---- the end ----

// The settings file gets what the run set in memory, the marker is the stopped one alone, the
// placement is stored, every timer stops and the event loop is left once.
TEST_F(Exit, OrderlyEndWritesSettingsMarkerAndPlacement) {
    Start({{"[HOST Interface]", "COM"}});
    form->setGeometry(100, 120, 700, 500);
    SetIniValue(f, "[Preferred Ocean]", "East", false);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")).contains("[Preferred Ocean]\r\nEast\r\n"));
    EXPECT_EQ(Markers(), QStringList{"Tidepost.tmp"});
    EXPECT_FALSE(platform.Serial.PortOpen());
    const auto placement = platform.Settings.GetSection("Tidepost", "MainForm");
    QStringList keys;
    for (const auto& [key, value] : placement) keys << key;
    EXPECT_EQ(keys, (QStringList{"Left", "Top", "Width", "Height", "WindowState"}));
    EXPECT_EQ(platform.Settings.Get("Tidepost", "MainForm", "Width", ""),
              QString::number(form->frameGeometry().width() * 15));
    EXPECT_EQ(platform.Settings.Get("Tidepost", "MainForm", "WindowState", ""), "0");
    for (const QTimer* timer : form->findChildren<QTimer*>()) EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
    EXPECT_EQ(eventLoopLeft, 1);
    EXPECT_EQ(hotListReleases, 1);
    EXPECT_FALSE(form->Shell().Splash.isLoaded());
}

TEST_F(Exit, EndWithBothMarkersLeavesTheStoppedOneAlone) {
    platform.WriteDataFile("#Tidepost.tmp", {});
    platform.WriteDataFile("Tidepost.tmp", {});
    Start();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(Markers(), QStringList{"Tidepost.tmp"});
}

TEST_F(Exit, EndUnloadsTheLanguageDialogWhichStoresTheChoice) {
    Start();
    f.Windows.LanguageSelect.ShowModal = [](LanguageSelect&) {};
    platform.Settings.Save(LanguageSettings::Application(), "MultiLang", "ShowDialog", "0");
    f.Windows.LanguageSelect.ShowDialog(true);
    ASSERT_TRUE(f.Windows.LanguageSelect.isLoaded());
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(f.Windows.LanguageSelect.isLoaded());
    EXPECT_EQ(platform.Settings.Get(LanguageSettings::Application(), "MultiLang", "LangId", ""), "1033");
}

// The exit that waits for a download ends in order too, and writes the hot list once.
TEST_F(Exit, DeferredEndWritesTheHotListOnceAndEndsInOrder) {
    Start({{"[HOST Interface]", "COM"}});
    f.gSession.SetProcessingMsgs(true);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(hotListReleases, 0);
    EXPECT_FALSE(Ended());
    EXPECT_EQ(Markers(), QStringList{"#Tidepost.tmp"});
    form->CloseDownTimer_Timer();
    EXPECT_TRUE(form->IsPleaseWaitVisible());
    f.gSession.SetProcessingMsgs(false);
    form->CloseDownTimer_Timer();
    EXPECT_TRUE(Ended());
    EXPECT_EQ(hotListReleases, 1);
    EXPECT_EQ(Markers(), QStringList{"Tidepost.tmp"});
    EXPECT_EQ(platform.Boxes.Shown.size(), 1) << "one question, asked before the wait";
}

// ---- termination signals ----

TEST_F(Exit, TermSignalClosesWithoutAQuestion) {
    Start();
    const QByteArray log = WriteOutbox();
    TermSignals termSignals;
    int received = 0;
    QObject::connect(&termSignals, &TermSignals::Received, [&](int number) {
        ++received;
        EXPECT_EQ(number, SIGTERM);
        form->CloseWithoutQuestion();
    });
    ASSERT_EQ(::raise(SIGTERM), 0);
    QElapsedTimer waited;
    waited.start();
    while (!Ended() && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(received, 1);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), log);
    EXPECT_EQ(Markers(), QStringList{"Tidepost.tmp"});
}

// A signal while a question waits answers it: the program ends, the outbox untouched.
TEST_F(Exit, TermSignalDuringAQuestionEndsTheProgram) {
    Start();
    const QByteArray log = WriteOutbox();
    platform.Boxes.Answer(MsgAnswer::No);
    platform.Boxes.OnShow = [&](const MessageBoxRequest&) { form->CloseWithoutQuestion(); };
    form->close();
    EXPECT_TRUE(Ended());
    EXPECT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), log);
    EXPECT_EQ(Markers(), QStringList{"Tidepost.tmp"});
}

TEST_F(Exit, AnEndedProgramIgnoresFurtherRequests) {
    Start();
    EXPECT_TRUE(form->close());
    const QByteArray ini = platform.ReadDataFile("Tidepost.ini");
    SetIniValue(f, "[Preferred Ocean]", "West", false);
    form->CloseWithoutQuestion();
    form->close();
    EXPECT_EQ(platform.ReadDataFile("Tidepost.ini"), ini) << "nothing is written after the end";
    EXPECT_EQ(eventLoopLeft, 1);
    // A tick that was under way when the end came does not start its timer again.
    form->Timer1_Timer();
    form->EnableTimers(true);
    for (const QTimer* timer : form->findChildren<QTimer*>()) EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
}

}  // namespace
