#include <QFile>
#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "link/CommandQueue.h"
#include "link/DownloadWatchdogs.h"
#include "link/Link.h"
#include "link/PeriodicPolls.h"
#include "PollTestWindows.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The command queue's text for these commands, each queued at the end.
QString Queued(const QStringList& commands) {
    QString text;
    for (const QString& c : commands) text += c + "\r\n";
    return text;
}

class PollsTest : public ::testing::Test {
protected:
    PollsTest() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        link.Windows.PollWindow = &pollWindow;
        link.Windows.TerminalModeForm = &terminal;
    }
    // A transceiver that answers, of a model that gets every unconditional query and no more.
    void Connect(int productModel = 1) {
        f.gSession.SetMesConnected(true);
        f.gSession.SetProductModel(productModel);
    }
    QStringList QueuedBoxes() {
        QStringList texts;
        cErrorQueue& queue = ErrorQueue(f);
        while (queue.Count() > 0) texts.append(queue.Dequeue().toString());
        return texts;
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    test::FakePollWindow pollWindow;
    test::FakeTerminalWindow terminal;
};

const QStringList kAlwaysPolled = {"ti -u", "st -v", "st -i", "st -s", "st -w", "ru -g", "ver"};

TEST_F(PollsTest, StatusPollSetFollowsTheSession) {
    const struct {
        const char* Name;
        int SolasType;
        int ProductModel;
        bool ProcessingMsgs;
        bool ProcessingEgcs;
        const char* Protocol;
        const char* Channel;
        bool SeQ, SeR, LsIn, LsEgc, StN;
    } cases[] = {
        {"model 6", 2, 6, false, false, "", "", false, false, true, true, false},
        {"model 1", 2, 1, false, false, "", "", false, false, true, true, false},
        {"model 0", 2, 0, false, false, "", "", true, false, true, true, false},
        {"model 0 non-SOLAS without distress", 1, 0, false, false, "", "", false, false, true, true, false},
        {"model 2", 3, 2, false, false, "", "", true, true, true, true, false},
        {"model 2 non-SOLAS without distress", 1, 2, false, false, "", "", false, true, true, true, false},
        {"messages downloading", 0, 2, true, false, "", "", true, true, false, true, false},
        {"EGCs downloading", 0, 2, false, true, "", "", true, true, true, false, false},
        {"both downloading", 0, 2, true, true, "", "", true, true, false, false, false},
        {"free protocol", 0, 6, false, false, "Free", "", false, false, true, true, true},
        {"NCS channel", 0, 6, false, false, "", "NCS", false, false, true, true, true},
        {"protocol in other case", 0, 6, false, false, "free", "ncs", false, false, true, true, false},
    };
    for (const auto& c : cases) {
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetSolasType(c.SolasType);
        f.gSession.SetProductModel(c.ProductModel);
        f.gSession.SetProcessingMsgs(c.ProcessingMsgs);
        f.gSession.SetProcessingEgcs(c.ProcessingEgcs);
        f.gSession.SetCurrentProtocol(c.Protocol);
        f.gSession.SetCurrentChannel(c.Channel);
        QueueStatusPoll(link);

        QStringList expected;
        if (c.SeQ) expected << "se -q";
        expected << kAlwaysPolled;
        if (c.SeR) expected << "se -r 1";
        if (c.LsIn) expected << "ls IN.*";
        if (c.LsEgc) expected << "ls EGC.*";
        // Queued with its own LF: it goes out followed by an empty line.
        if (c.StN) expected << "st -n\n";
        EXPECT_EQ(link.Dialogue.CommandQueue, Queued(expected)) << c.Name;
    }
}

TEST_F(PollsTest, TwoPollsWithoutAReplyRepeatOnlyTheQueriesThatAllowDuplicates) {
    f.gSession.SetProductModel(1);
    f.gSession.SetCurrentProtocol("Free");
    QueueStatusPoll(link);
    QueueStatusPoll(link);
    const QString q = link.Dialogue.CommandQueue;
    EXPECT_EQ(q.count("st -v\r\n"), 1);
    EXPECT_EQ(q.count("ls IN.*\r\n"), 1);
    EXPECT_EQ(q.count("ti -u\r\n"), 2);
    EXPECT_EQ(q.count("ver\r\n"), 2);
    // Allowed twice by its own call, yet not queued while a line holding it waits.
    EXPECT_EQ(q.count("st -n"), 1);
}

TEST_F(PollsTest, NetworkQueryIsNotQueuedWhileAnyLineHoldsItInAnyCase) {
    f.gSession.SetCurrentChannel("NCS");
    QueueCommand(link, "ST -N 2", true, false);
    QueueStatusPoll(link);
    EXPECT_EQ(link.Dialogue.CommandQueue.count("st -n", Qt::CaseInsensitive), 1);
}

TEST_F(PollsTest, ClosingDownAdmitsNoPoll) {
    Connect();
    link.Dialogue.ClosingDown = true;
    Timer2_Timer(link);
    QueueStatusPoll(link);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(PollsTest, TenSecondTickPollsTheAnsweringTransceiver) {
    SetIniValue(f, "[HOST Interface]", "COM", false);
    Connect();
    Timer2_Timer(link);
    EXPECT_EQ(link.Dialogue.CommandQueue, Queued(QStringList{"st -l"} + kAlwaysPolled + QStringList{"ls IN.*", "ls EGC.*"}));
    EXPECT_TRUE(platform.Serial.OpenedPorts.isEmpty());
    Timer2_Timer(link);
    EXPECT_EQ(link.Dialogue.CommandQueue.count("st -l"), 1);
}

TEST_F(PollsTest, TenSecondTickReopensTheSerialPortWhileTheTransceiverIsSilent) {
    const struct {
        const char* Name;
        const char* HostInterface;
        bool Connected;
        bool TerminalVisible;
        bool Reopens;
        bool Polls;
    } cases[] = {
        {"serial, silent", "COM", false, false, true, false},
        {"serial, terminal shown", "COM", true, true, true, false},
        {"serial, terminal shown and silent", "COM", false, true, true, false},
        {"LAN, silent", "LAN", false, false, false, false},
        {"LAN, terminal shown", "LAN", true, true, false, false},
        {"serial, answering", "COM", true, false, false, true},
    };
    for (const auto& c : cases) {
        link.Dialogue.CommandQueue.clear();
        platform.Serial.OpenedPorts.clear();
        platform.Serial.OpenedSettings.clear();
        SetIniValue(f, "[HOST Interface]", c.HostInterface, false);
        SetIniValue(f, "[COM port]", "2", false);
        SetIniValue(f, "[COM Settings]", "9600,n,8,1", false);
        f.gSession.SetMesConnected(c.Connected);
        f.gSession.SetProductModel(1);
        terminal.Visible = c.TerminalVisible;
        Timer2_Timer(link);

        EXPECT_TRUE(link.Dialogue.CommandQueue.startsWith("st -l\r\n")) << c.Name;
        EXPECT_EQ(link.Dialogue.CommandQueue.contains("st -v"), c.Polls) << c.Name;
        // Emptiness is asked, not compared: Qt's == on two empty lists, one of which still holds
        // its storage after clear(), hands memcmp a null pointer.
        if (c.Reopens) {
            EXPECT_EQ(platform.Serial.OpenedPorts, QList<int>{2}) << c.Name;
            EXPECT_EQ(platform.Serial.OpenedSettings, QStringList{"9600,n,8,1"}) << c.Name;
            EXPECT_TRUE(platform.Serial.PortOpen()) << c.Name;
        } else {
            EXPECT_TRUE(platform.Serial.OpenedPorts.isEmpty()) << c.Name;
        }
    }
}

TEST_F(PollsTest, TenSecondTickerRunsOnlyOnTheDebugDisplay) {
    Timer2_Timer(link);
    EXPECT_EQ(pollWindow.Label11, "T2: ");
    link.Dialogue.DebugMode = 1;
    QStringList seen;
    for (int i = 0; i < 7; ++i) {
        Timer2_Timer(link);
        seen << pollWindow.Label11;
    }
    EXPECT_EQ(seen, (QStringList{"T2: *", "T2: **", "T2: ***", "T2: ****", "T2: *****", "T2: ", "T2: *"}));
}

TEST_F(PollsTest, MinuteTickAsksForThePositionAndMarksTheTerminal) {
    Connect();
    Timer_60S_Timer(link);
    EXPECT_EQ(link.Dialogue.CommandQueue, Queued({"se -p"}));
    EXPECT_EQ(link.Polls.TerminalModeFormTag, "CheckGPS");
    // Not again while it waits, in any letter case.
    link.Dialogue.CommandQueue = "SE -P\r\n";
    Timer_60S_Timer(link);
    EXPECT_EQ(link.Dialogue.CommandQueue, "SE -P\r\n");
}

TEST_F(PollsTest, MinuteTickSkipsThePositionWhileSilentOrInTerminalMode) {
    Timer_60S_Timer(link);
    Connect();
    terminal.Visible = true;
    Timer_60S_Timer(link);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(link.Polls.TerminalModeFormTag.isEmpty());
}

class LowDiskTest : public PollsTest {
protected:
    LowDiskTest() {
        f.gEgcDir = platform.DataFolder() + "/egc";
        platform.Disk.Root = "/srv";
    }
    void SetFreeKB(qint64 kb) { platform.Disk.Bytes = kb * 1024; }
    QString Limit() { return GetAppSetting(f, f.gProductName, "Settings", "LowDiskSpaceLimit", "none"); }
};

const QString kLowDiskWarning =
    "Warning, Low disk space (900 kBytes) on drive '/srv'.\r\n"
    "In case more disk space is not retrieved, \r\n"
    "attempts to receive new messages could fail and Tidepost\r\n"
    "could start behaving abnormally.\r\n"
    "\r\n"
    "Please do one or more of the following things.\r\n"
    "* Use another drive or partition to save EGC's and messages\r\n"
    "* Use Windows Disk Clean Up (Windows 98, 2000, XP)\r\n"
    "* Empty the Windows Recycle Bin.\r\n"
    "* Manually delete unused files on drive '/srv'.\r\n"
    "* Manually delete Commlog.txt, Errorlog.txt and Remotelog.txt from drive '/srv'.\r\n"
    "* Manually delete unused EGC's or messages from Tidepost.";

TEST_F(LowDiskTest, LimitBelowTheLowestIsStoredBackAndTheWarningComesOnce) {
    SaveAppSetting(f, f.gProductName, "Settings", "LowDiskSpaceLimit", "100");
    SetFreeKB(900);
    Timer_60S_Timer(link);
    EXPECT_EQ(Limit(), "1024");
    EXPECT_EQ(QueuedBoxes(), QStringList{kLowDiskWarning});
    EXPECT_TRUE(link.Polls.LowDiskWarningShown);

    Timer_60S_Timer(link);
    EXPECT_TRUE(QueuedBoxes().isEmpty());

    // Choosing another EGC folder allows one more warning.
    link.Polls.LowDiskWarningShown = false;
    Timer_60S_Timer(link);
    EXPECT_EQ(QueuedBoxes().size(), 1);
}

TEST_F(LowDiskTest, WarningOnlyBelowTheLimit) {
    const struct {
        const char* Stored;  // nullptr: nothing stored
        qint64 FreeKB;
        bool Warns;
        const char* LimitAfter;
    } cases[] = {
        {nullptr, 1024, false, "none"},   // equal to the default limit
        {nullptr, 1023, true, "none"},
        {"2000", 2000, false, "2000"},
        {"2000", 1999, true, "2000"},
        {"511.6", 600, false, "511.6"},   // rounds to 512
        {"511.4", 600, true, "1024"},
        {"512", 511, true, "512"},
        {"lots", 1000, true, "1024"},
    };
    for (const auto& c : cases) {
        platform.Settings.DeleteApplication(f.gProductName);
        if (c.Stored) SaveAppSetting(f, f.gProductName, "Settings", "LowDiskSpaceLimit", c.Stored);
        link.Polls.LowDiskWarningShown = false;
        SetFreeKB(c.FreeKB);
        Timer_60S_Timer(link);
        EXPECT_EQ(QueuedBoxes().size(), c.Warns ? 1 : 0) << (c.Stored ? c.Stored : "default") << " " << c.FreeKB;
        EXPECT_EQ(Limit(), c.LimitAfter) << (c.Stored ? c.Stored : "default");
    }
}

TEST_F(LowDiskTest, WithoutAMountPointTheFolderIsNamed) {
    platform.Disk.Root.clear();
    SetFreeKB(10);
    Timer_60S_Timer(link);
    const QStringList boxes = QueuedBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("Warning, Low disk space (10 kBytes) on drive '" + f.gEgcDir + "'."));
}

TEST_F(LowDiskTest, AnInvalidEgcFolderIsReportedEveryMinuteButQueuedOnce) {
    f.gEgcDir = "egc";  // names no place
    Timer_60S_Timer(link);
    Timer_60S_Timer(link);
    EXPECT_EQ(QueuedBoxes(), QStringList{"EGC Directory invalid. Please set EGC Directory in 'Options->Routing'"});
    Timer_60S_Timer(link);
    EXPECT_EQ(QueuedBoxes().size(), 1);
    EXPECT_FALSE(link.Polls.LowDiskWarningShown);
}

TEST_F(PollsTest, AnotherTransceiverRefreshesMenusAndAsksForTheDistressSettings) {
    const struct {
        const char* Name;
        int SolasType;
        int ProductModel;
        int ProductType;
        QStringList Queued;
    } cases[] = {
        {"SOLAS, model 2", 3, 2, 1, {"se -g"}},
        {"with distress, model 2, type 4", 2, 2, 4, {"se -g", "se -m ALL_OCEANS"}},
        {"with distress, model 6, type 5", 2, 6, 5, {"se -m ALL_OCEANS"}},
        {"SOLAS, model 1", 3, 1, 3, {}},
        {"without distress", 1, 2, 4, {}},
        {"unknown SOLAS type", 0, 2, 4, {}},
    };
    for (const auto& c : cases) {
        ResetSessionSnapshot(link);
        link.Dialogue.CommandQueue.clear();
        window.MenuUpdates.clear();
        SetIniValue(f, "[LastEgcNumber]", "77", false);
        SetIniValue(f, "[LastEgcDate]", "03-07-2012", false);
        f.gSession.SetMesConnected(true);
        f.gSession.SetSolasType(c.SolasType);
        f.gSession.SetProductType(c.ProductType);
        f.gSession.SetProductModel(c.ProductModel);
        EventTimer_Timer(link);

        EXPECT_EQ(link.Dialogue.CommandQueue, Queued(c.Queued)) << c.Name;
        EXPECT_EQ(window.MenuUpdates, QList<bool>{true}) << c.Name;
        EXPECT_EQ(GetIniValue(f, "[LastEgcNumber]"), "") << c.Name;
        EXPECT_EQ(GetIniValue(f, "[LastEgcDate]"), "") << c.Name;
        EXPECT_EQ(link.Polls.SessionSnapshot.ProductModel, c.ProductModel) << c.Name;
        EXPECT_EQ(link.Polls.SessionSnapshot.ProductType, c.ProductType) << c.Name;
    }
}

TEST_F(PollsTest, TheSameTransceiverIsSeenOnlyOnce) {
    f.gSession.SetSolasType(2);
    f.gSession.SetProductModel(2);
    f.gSession.SetMobileNumber(423456789);
    f.gSession.SetSwVersion("1.2");
    f.gSession.SetPCBNumber("PCB7");
    EventTimer_Timer(link);
    EventTimer_Timer(link);
    EXPECT_EQ(link.Dialogue.CommandQueue, Queued({"se -g"}));
    EXPECT_EQ(window.MenuUpdates, QList<bool>{false});
    EXPECT_EQ(link.Polls.SessionSnapshot.MobileNumber, 423456789);
    EXPECT_EQ(link.Polls.SessionSnapshot.SwVerStr, "1.2");
    EXPECT_EQ(link.Polls.SessionSnapshot.PCBNumber, "PCB7");

    // Another software version is another transceiver.
    f.gSession.SetSwVersion("1.3");
    EventTimer_Timer(link);
    EXPECT_EQ(link.Dialogue.CommandQueue.count("se -g"), 2);
}

TEST_F(PollsTest, IdentityChangeInMemoryOnlyLeavesTheSettingsFileAlone) {
    SetIniValue(f, "[LastEgcNumber]", "77", true);
    f.gSession.SetProductModel(2);
    EventTimer_Timer(link);
    EXPECT_EQ(GetIniValue(f, "[LastEgcNumber]"), "");
    EXPECT_TRUE(QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")).contains("77"));
}

TEST_F(PollsTest, MenusAreNotUpdatedWhileAnUpdateRuns) {
    link.Transceiver.MenuUpdateBusy = true;
    f.gSession.SetProductModel(2);
    EventTimer_Timer(link);
    EXPECT_TRUE(window.MenuUpdates.isEmpty());
    EXPECT_EQ(link.Polls.SessionSnapshot.ProductModel, 2);
    EXPECT_TRUE(link.Transceiver.MenuUpdateBusy);
}

TEST_F(PollsTest, ResetSnapshotMakesTheSessionCountAsNew) {
    f.gSession.SetProductModel(2);
    EventTimer_Timer(link);
    ASSERT_EQ(link.Polls.SessionSnapshot.ProductModel, 2);
    ResetSessionSnapshot(link);
    EXPECT_EQ(link.Polls.SessionSnapshot.ProductModel, 0);
    EXPECT_EQ(link.Polls.SessionSnapshot.MobileNumber, 0);
    EXPECT_TRUE(link.Polls.SessionSnapshot.SwVerStr.isEmpty());
    window.MenuUpdates.clear();
    EventTimer_Timer(link);
    EXPECT_EQ(window.MenuUpdates.size(), 1);
}

TEST_F(PollsTest, ClockQuestionIsAskedOnEveryTickUntilAnswered) {
    const struct {
        const char* Answer;
        bool DisclaimerVisible;
        bool Asks;
    } cases[] = {
        {"", false, true},     {"Yes", false, false}, {"No", false, false},
        {"yes", false, true},  {"NO", false, true},   {"", true, false},
    };
    for (const auto& c : cases) {
        pollWindow.SetTimeFormShown = 0;
        SetIniValue(f, "[SETPCTIME]", c.Answer, false);
        pollWindow.ASISFormVisible = c.DisclaimerVisible;
        EventTimer_Timer(link);
        EventTimer_Timer(link);
        EXPECT_EQ(pollWindow.SetTimeFormShown, c.Asks ? 2 : 0) << "'" << c.Answer << "' " << c.DisclaimerVisible;
    }
}

TEST_F(PollsTest, WatchdogsEndTheirDownload) {
    f.gSession.SetProcessingEgcs(true);
    f.gSession.SetProcessingMsgs(true);
    window.SetEGCTimerEnabled(true);
    window.SetMessageTimerEnabled(true);

    EGCTimer_Timer(link);
    EXPECT_FALSE(f.gSession.ProcessingEgcs());
    EXPECT_FALSE(window.TimerOn("EGCTimer"));
    EXPECT_TRUE(f.gSession.ProcessingMsgs());
    EXPECT_TRUE(window.TimerOn("MessageTimer"));

    MessageTimer_Timer(link);
    EXPECT_FALSE(f.gSession.ProcessingMsgs());
    EXPECT_FALSE(window.TimerOn("MessageTimer"));

    // The next poll lists both stores again.
    Connect();
    QueueStatusPoll(link);
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("ls IN.*\r\n"));
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("ls EGC.*\r\n"));
}

}  // namespace
