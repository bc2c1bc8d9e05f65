#include <QFile>
#include <gtest/gtest.h>

#include "foundation/IniFile.h"
#include "link/AppendToLogFile.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "link/SerialLink.h"
#include "PollTestWindows.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

class SerialLinkTest : public ::testing::Test {
protected:
    SerialLinkTest() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        link.Windows.PollWindow = &pollWindow;
    }
    QByteArray DataFile(const QString& name) const { return platform.ReadDataFile(name); }

    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    test::FakePollWindow pollWindow;
};

struct PortCase {
    const char* Stored;
    int Expected;
};

TEST_F(SerialLinkTest, PortNumberOutsideOneToSixteenFallsBackToOne) {
    const PortCase cases[] = {
        {"3", 3}, {"1", 1}, {"16", 16}, {" 5 ", 5}, {"3.6", 4}, {"16.4", 1}, {"17", 1},
        {"0", 1}, {"-3", 1}, {"abc", 1}, {"", 1}, {"3com", 1},
    };
    for (const PortCase& c : cases) {
        SetIniValue(f, "[COM port]", c.Stored, false);
        EXPECT_EQ(GetComPortSetting(f), c.Expected) << "stored: '" << c.Stored << "'";
        // Reading repairs nothing: start-up writes the value it used back itself.
        EXPECT_EQ(GetIniValue(f, "[COM port]"), c.Stored);
    }
}

TEST_F(SerialLinkTest, SettingsTextOfTenToTwelveCharactersIsUsedUnchanged) {
    const struct {
        const char* Stored;
        const char* Expected;
    } cases[] = {
        {"9600,n,8,1", "9600,n,8,1"},          // 10
        {"19200,e,7,2", "19200,e,7,2"},        // 11
        {"115200,n,8,1", "115200,n,8,1"},      // 12
        {"38400,o,8,1", "38400,o,8,1"},        // 11
        {"960,n,8,1", "115200,n,8,1"},         // 9
        {"115200,n,8,1 ", "115200,n,8,1"},     // 13
        {"115200,n,8,1.5", "115200,n,8,1"},    // 14
        {"", "115200,n,8,1"},
    };
    for (const auto& c : cases) {
        SetIniValue(f, "[COM Settings]", c.Stored, false);
        EXPECT_EQ(GetComSettings(f), c.Expected) << "stored: '" << c.Stored << "'";
    }
}

TEST_F(SerialLinkTest, OpenComPortReopensWithTheGivenPortAndSettings) {
    ASSERT_TRUE(OpenComPort(f, 2, "9600,n,8,1"));
    ASSERT_TRUE(OpenComPort(f, 3, "19200,e,7,2"));
    EXPECT_EQ(platform.Serial.CloseCount, 1);  // the open port was closed first
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Serial.OpenedPorts, (QList<int>{2, 3}));
    EXPECT_EQ(platform.Serial.OpenedSettings, (QStringList{"9600,n,8,1", "19200,e,7,2"}));
}

TEST_F(SerialLinkTest, OpenComPortReportsAFailureOnlyByItsResult) {
    platform.Serial.OpenResults[4] = ISerialControl::ErrPortOpenFailed;
    EXPECT_FALSE(OpenComPort(f, 4, "9600,n,8,1"));
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_TRUE(DataFile("ErrorLog.txt").isEmpty());
}

TEST_F(SerialLinkTest, APortIsAvailableUnlessItsNumberIsInvalid) {
    const struct {
        int OpenResult;
        bool Available;
    } cases[] = {
        {ISerialControl::OpenOk, true},
        {ISerialControl::ErrPortOpenFailed, true},  // exists but busy
        {ISerialControl::ErrInvalidSettings, true},
        {ISerialControl::ErrBadPortNumber, false},
    };
    for (const auto& c : cases) {
        platform.Serial.OpenResults[7] = c.OpenResult;
        EXPECT_EQ(IsComPortAvailable(f, 7), c.Available) << "open result " << c.OpenResult;
        EXPECT_FALSE(platform.Serial.PortOpen());  // the probe leaves the port closed
    }
}

TEST_F(SerialLinkTest, ProbingThePortsLeavesThePortInUseAlone) {
    ASSERT_EQ(OpenComPort(f, 3, "9600,n,8,1"), true);
    platform.Serial.OpenResults[5] = ISerialControl::ErrBadPortNumber;
    for (int port = 1; port <= 16; ++port) EXPECT_EQ(IsComPortAvailable(f, port), port != 5) << "port " << port;

    // The live link was neither closed nor reopened, and keeps its port and settings.
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Serial.OpenCount, 1);
    EXPECT_EQ(platform.Serial.CloseCount, 0);
    EXPECT_EQ(platform.Serial.CommPort(), 3);
    EXPECT_EQ(platform.Serial.Settings(), "9600,n,8,1");
    EXPECT_FALSE(platform.Serial.ProbedPorts.contains(3));
    EXPECT_EQ(platform.Serial.ProbedPorts.size(), 15);
}

TEST_F(SerialLinkTest, StartUpOpensTheStoredPortAndPutsTheValuesUsedBack) {
    SetIniValue(f, "[HOST Interface]", "COM", false);
    SetIniValue(f, "[COM port]", "17", false);
    SetIniValue(f, "[COM Settings]", "9600", true);
    EXPECT_TRUE(OpenComPortAtStartUp(f));
    EXPECT_EQ(platform.Serial.OpenedPorts, QList<int>{1});
    EXPECT_EQ(platform.Serial.OpenedSettings, QStringList{"115200,n,8,1"});
    EXPECT_EQ(GetIniValue(f, "[COM port]"), "1");
    EXPECT_EQ(GetIniValue(f, "[COM Settings]"), "115200,n,8,1");
    // In memory only: the file keeps the old values until the settings file is written.
    EXPECT_TRUE(QString::fromLatin1(DataFile("Tidepost.ini")).contains("9600"));
}

TEST_F(SerialLinkTest, StartUpInLanModeOpensNoSerialPort) {
    SetIniValue(f, "[HOST Interface]", "LAN", false);
    SetIniValue(f, "[COM port]", "17", false);
    EXPECT_FALSE(OpenComPortAtStartUp(f));
    EXPECT_TRUE(platform.Serial.OpenedPorts.isEmpty());
    EXPECT_EQ(GetIniValue(f, "[COM port]"), "17");
}

TEST_F(SerialLinkTest, StartOfTheCommunicationLogDeletesTheOldLog) {
    const struct {
        const char* Logging;
        QStringList Arguments;
        bool Checked;
    } cases[] = {
        {"Yes", {}, true},
        {"No", {}, false},
        {"yes", {}, false},
        {"No", {"-log"}, true},
        {"", {"-x", "-logfile"}, true},
        {"", {"-x"}, false},
    };
    for (const auto& c : cases) {
        platform.WriteDataFile("commlog.TXT", "old");
        SetIniValue(f, "[Logging]", c.Logging, false);
        EXPECT_EQ(StartCommLog(f, c.Arguments), c.Checked) << c.Logging << " " << c.Arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/commlog.TXT"));
    }
}

TEST_F(SerialLinkTest, ArrivingCharactersMarkTheDialogueReceivingAndSilenceTheEvent) {
    AttachSerialLink(link);
    ASSERT_TRUE(OpenComPort(f, 1, "9600,n,8,1"));
    platform.Serial.SetRThreshold(1);
    platform.Serial.PushIncoming("v");
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_EQ(platform.Serial.RThreshold, 0);
    // Nothing is read here: the engine reads the whole reply.
    EXPECT_EQ(platform.Serial.Input(), "v");

    // Other events leave the dialogue alone.
    link.Dialogue.DialogueState = 0;
    platform.Serial.SetRThreshold(1);
    for (int event : {int(ISerialControl::EvCD), int(ISerialControl::ErFrame), int(ISerialControl::EvSend)}) {
        platform.Serial.RaiseEvent(event);
        EXPECT_EQ(link.Dialogue.DialogueState, 0) << event;
        EXPECT_EQ(platform.Serial.RThreshold, 1) << event;
    }
}

TEST_F(SerialLinkTest, EachLineEventIsLoggedWithItsTextWhileConnected) {
    const QString advice = " If this error continues, you may need to reboot the computer.";
    const struct {
        int Event;
        QString Text;  // "" : nothing is logged
    } cases[] = {
        {1001, ""},
        {1002, "CTS Timeout." + advice},
        {1003, "DSR Timeout." + advice},
        {1004, "Framing Error." + advice},
        {1006, "Data Lost." + advice},
        {1007, "CD (RLSD) Timeout." + advice},
        {1008, "Receive buffer overflow." + advice},
        {1009, "Parity Error." + advice},
        {1010, ""},
        {1, "Transmit buffer Threshold event!."},
        {2, ""},
        {3, ""},
        {4, "Change in the DSR line." + advice},
        {6, ""},
        {1005, ""},
    };
    for (const auto& c : cases) {
        QFile::remove(platform.DataFolder() + "/ErrorLog.txt");
        f.gSession.SetMesConnected(true);
        platform.Serial.RaiseEvent(c.Event);
        CheckCommEvent(link);
        const QByteArray expected = c.Text.isEmpty() ? QByteArray() : (c.Text + "\r\n").toLatin1();
        EXPECT_EQ(DataFile("ErrorLog.txt"), expected) << "event " << c.Event;
        EXPECT_TRUE(f.gSession.MesConnected()) << "event " << c.Event;
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty()) << "event " << c.Event;
    }
}

TEST_F(SerialLinkTest, WhileNotConnectedNothingIsLoggedAndTheLinkCountsAsAnswering) {
    platform.Serial.RaiseEvent(ISerialControl::ErFrame);
    ASSERT_FALSE(f.gSession.MesConnected());
    EXPECT_TRUE(CheckCommEvent(link));
    EXPECT_TRUE(DataFile("ErrorLog.txt").isEmpty());
    EXPECT_TRUE(f.gSession.MesConnected());
}

TEST_F(SerialLinkTest, AReturningCarrierQueuesTheStatusPoll) {
    ASSERT_TRUE(OpenComPort(f, 1, "9600,n,8,1"));
    platform.Serial.SetCDHolding(true);
    f.gSession.SetMesConnected(true);
    platform.Serial.RaiseEvent(ISerialControl::EvCD);
    EXPECT_TRUE(CheckCommEvent(link));
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("st -v\r\n"));
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("ls IN.*\r\n"));
    EXPECT_TRUE(f.gSession.MesConnected());
}

TEST_F(SerialLinkTest, ALostCarrierDeclaresTheLinkLostAndItStaysLost) {
    ASSERT_TRUE(OpenComPort(f, 1, "9600,n,8,1"));
    f.gSession.SetMesConnected(true);
    f.gSession.SetProductModel(3);
    link.Dialogue.DialogueState = 1;
    platform.Serial.SetCDHolding(false);
    platform.Serial.RaiseEvent(ISerialControl::EvCD);
    EXPECT_FALSE(CheckCommEvent(link));
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_EQ(f.gSession.ProductModel(), 0);  // the session was reset
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_EQ(window.MenuUpdates, QList<bool>{false});
    EXPECT_EQ(window.PCConnBarColor, 255);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(SerialLinkTest, LogFilesAreAppendedInTheAnsiCodePage) {
    AppendToLogFile(f, "caf\u00e9", "ErrorLog.txt", false);
    AppendToLogFile(f, " au lait", "ErrorLog.txt", true);
    AppendToLogFile(f, "", "ErrorLog.txt", true);
    EXPECT_EQ(DataFile("ErrorLog.txt"), QByteArray("caf\xe9 au lait\r\n\r\n"));

    // A file whose name differs only in letter case is the same log.
    platform.WriteDataFile("commlog.txt", "a");
    AppendToLogFile(f, "b", "CommLog.txt", false);
    EXPECT_EQ(DataFile("commlog.txt"), "ab");
}

TEST_F(SerialLinkTest, ALogThatCannotBeWrittenIsDroppedSilently) {
    f.gConfiguration.DataPath = platform.DataFolder() + "/missing/folder";
    AppendToLogFile(f, "lost", "ErrorLog.txt", true);
    f.gConfiguration.DataPath.clear();
    AppendToLogFile(f, "lost", "ErrorLog.txt", true);
    EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/missing"));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

// The engine with the serial link attached: what it reads goes to the communication log as it
// came, and a failed write is checked and logged.
class SerialEngineTest : public SerialLinkTest {
protected:
    SerialEngineTest() {
        AttachSerialLink(link);
        StartDialogue(link);
        EXPECT_TRUE(OpenComPort(f, 1, "115200,n,8,1"));
    }
};

TEST_F(SerialEngineTest, CommunicationLogJoinsTheChunksAsTheyCame) {
    window.LogPCComm = true;
    QueueCommand(link, "ver", true, false);
    Timer1_Timer(link);  // sends
    ASSERT_EQ(platform.Serial.Written(), "ver\r\n");
    platform.Serial.PushIncoming("ver\r\nSW ");
    Timer1_Timer(link);
    platform.Serial.PushIncoming("1.2\r\ncan0:/$ ");
    Timer1_Timer(link);
    EXPECT_EQ(DataFile("CommLog.txt"), "ver\r\nSW 1.2\r\ncan0:/$ ");
}

TEST_F(SerialEngineTest, NothingIsLoggedWhileTheMenuItemIsUnchecked) {
    QueueCommand(link, "ver", true, false);
    Timer1_Timer(link);
    platform.Serial.PushIncoming("ver\r\n");
    Timer1_Timer(link);
    EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/CommLog.txt"));
}

TEST_F(SerialEngineTest, AFailedWriteIsCheckedAndLoggedAsALine) {
    platform.Serial.FailWrites = true;
    QueueCommand(link, "ver", true, false);
    Timer1_Timer(link);
    const QString log = QString::fromLatin1(DataFile("ErrorLog.txt"));
    EXPECT_TRUE(log.endsWith(" Error 8021: Write failed\r\n")) << log.toStdString();
    // The check ran: the link counts as answering afterwards.
    EXPECT_TRUE(f.gSession.MesConnected());
}

TEST_F(SerialEngineTest, AFailedReadIsCheckedAndLoggedAsALineAndTheReplyEndsByTheTimeOut) {
    QueueCommand(link, "ver", true, false);
    Timer1_Timer(link);
    platform.Serial.PushIncoming("ver\r\nSW ");
    Timer1_Timer(link);
    platform.Serial.FailReads = true;  // the device goes away mid-reply
    Timer1_Timer(link);
    const QString log = QString::fromLatin1(DataFile("ErrorLog.txt"));
    EXPECT_TRUE(log.endsWith(" Error 8020: Read failed\r\n")) << log.toStdString();
    EXPECT_EQ(log.count("Error 8020"), 1) << "the closed port is not read again";
    EXPECT_TRUE(f.gSession.MesConnected()) << "the check ran";

    platform.Clock.AdvanceMs(qint64(link.Dialogue.CommandTimeOut) * 1000 + 1);
    Timer1_Timer(link);
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_EQ(link.Dialogue.ReplyBuffer, "ver\r\nSW ");
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_EQ(QString::fromLatin1(DataFile("ErrorLog.txt")).count("Error 8020"), 1);
}

}  // namespace
