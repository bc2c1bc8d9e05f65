#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <QTimer>
#include <memory>
#include <utility>

#include "StartUpFixture.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"
#include "support/FakeTransceiver.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

TEST_F(StartUp, SerialModeOpensThePortAndQueuesTheFirstCommandsInOrder) {
    Load({{"[HOST Interface]", "COM"}, {"[COM port]", "3"}, {"[COM Settings]", "9600,n,8,1"}});
    EXPECT_EQ(f.gConfiguration.DataPath, platform.DataFolder());
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Serial.OpenedPorts, QList<int>{3});
    EXPECT_EQ(platform.Serial.OpenedSettings, QStringList{"9600,n,8,1"});
    EXPECT_EQ(platform.Serial.RThreshold, 1);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\r\nst -l\r\nse -p\r\n");
    EXPECT_TRUE(link.Requests.PcSettingsAdvicePending);
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_FALSE(f.MobileStatusTexts.isEmpty()) << "the code tables are filled";
    EXPECT_FALSE(f.LesFileNames.isEmpty());
}

TEST_F(StartUp, LanModeOpensNoPortAndQueuesTheSameCommands) {
    Load({{"[HOST Interface]", "LAN"}});
    EXPECT_TRUE(platform.Serial.OpenedPorts.isEmpty());
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\r\nst -l\r\nse -p\r\n");
}

TEST_F(StartUp, ReadsTheAddressBook) {
    platform.WriteDataFile("addressbook/address.dat", "Agent:Telex:5:123456:12\r\n");
    Load({});
    ASSERT_EQ(messages.AddressBookEntries.size(), 1);
    EXPECT_EQ(messages.AddressBookEntries[0].Name, "Agent");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(StartUp, AnUnreadableAddressBookShowsItsBoxAndTheStartUpGoesOn) {
    ASSERT_TRUE(QDir().mkpath(platform.DataFolder() + "/addressbook/address.dat"));
    Load({{"[HOST Interface]", "COM"}});
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 70");
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("(ReadAddressBookFile) Error '70': Permission denied.\r\n"));
    EXPECT_EQ(messages.AddressBookEntries.size(), 1);
}

// The last run left a submission without a reference: it is marked, the other lines stay byte for
// byte, and the port the clean-up would close is opened only afterwards.
TEST_F(StartUp, UnfinishedSubmissionsOfTheLastRunArePcClearedBeforeThePortOpens) {
    const QByteArray alert = "-;MRCC;Auto;Distress Alert;12-07-02;18:30;-;-;Sending;0;0;0;0;0;0;0;0;SEARCH & RESCUE;;;SEARCH & RESCUE";
    const QByteArray submission = "12070301.out;a@b.c;102;E-Mail 7 Bit;12-07-03;09:05; 12;%1;%2;0;0;0;0;03;07;09;05;A;;;Hi";
    const QByteArray log = QByteArray(submission).replace("%1", "<None>").replace("%2", "Initiated") + "\r\n" +
                           QByteArray(submission).replace("%1", "OUT.021").replace("%2", "Sending") + "\r\n" + alert +
                           "\r\n";
    platform.WriteDataFile("sent items/OUT.IDX", log);

    Load({{"[HOST Interface]", "COM"}});
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), QByteArray(log).replace(";Initiated;", ";PC Cleared;"));
    EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/sent items/OUT.BAK"));
    EXPECT_EQ(platform.Serial.CloseCount, 0) << "the first commands find the port open";
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\r\nst -l\r\nse -p\r\n");
}

TEST_F(StartUp, BadPortValuesAreRepairedInTheSettingsFile) {
    Load({{"[HOST Interface]", "COM"}, {"[COM port]", "99"}, {"[COM Settings]", "fast"}});
    EXPECT_EQ(platform.Serial.OpenedPorts, QList<int>{1});
    EXPECT_EQ(GetIniValue(f, "[COM port]"), "1");
    EXPECT_EQ(GetIniValue(f, "[COM Settings]"), "115200,n,8,1");
}

TEST_F(StartUp, PcClockQueryComesFirstOnlyForAnExactYes) {
    struct Case {
        const char* value;
        bool asked;
    } cases[] = {{"Yes", true}, {"yes", false}, {"No", false}, {"", false}};
    for (const Case& c : cases) {
        link.Dialogue.CommandQueue.clear();
        Load({{"[SETPCTIME]", c.value}});
        EXPECT_EQ(link.Requests.SetPcClockRequested, c.asked) << c.value;
        EXPECT_EQ(link.Dialogue.CommandQueue, QString(c.asked ? "ti -u\r\n" : "") + "st -l\r\r\nst -l\r\nse -p\r\n") << c.value;
    }
}

TEST_F(StartUp, CommunicationLogStartsCheckedBySettingOrSwitchAndBeginsEmpty) {
    struct Case {
        const char* logging;
        QStringList arguments;
        bool checked;
    } cases[] = {
        {"Yes", {"tidepost"}, true},
        {"", {"tidepost", "-log"}, true},
        {"No", {"tidepost", "x-logx"}, true},
        {"", {"tidepost", "-LOG"}, false},
        {"yes", {"tidepost"}, false},
        // The program's own path is not part of the command line.
        {"", {"/opt/build-logs/tidepost"}, false},
        {"", {"/opt/build-logs/tidepost", "-log"}, true},
    };
    for (const Case& c : cases) {
        platform.WriteDataFile("CommLog.txt", "old run");
        Load({{"[Logging]", c.logging}}, c.arguments);
        EXPECT_EQ(Find<QAction>("mnuLogPCComm")->isChecked(), c.checked) << c.logging << c.arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/CommLog.txt"));
    }
}

TEST_F(StartUp, PreferredOceanAndDefaultLesComeFromTheSettingsFile) {
    struct Case {
        const char* value;
        const char* checked;
    } cases[] = {{"West", "PreferredWestMenu"},   {"East", "PreferredEastMenu"}, {"Pacific", "PreferredPacificMenu"},
                 {"Indian", "PreferredIndianMenu"}, {"None", "PreferredNoneMenu"}, {"east", "PreferredNoneMenu"}};
    for (const Case& c : cases) {
        Load({{"[Preferred Ocean]", c.value},
              {"[Default LES West]", "044"},
              {"[Default LES East]", "102"},
              {"[Default LES Pacific]", "210"},
              {"[Default LES Indian]", "305"}});
        for (const char* item : {"PreferredWestMenu", "PreferredEastMenu", "PreferredPacificMenu", "PreferredIndianMenu",
                                 "PreferredNoneMenu"})
            EXPECT_EQ(Find<QAction>(item)->isChecked(), QString(item) == c.checked) << c.value << " " << item;
    }
    EXPECT_EQ(f.gConfiguration.DefaultLes(kOceanAorW), "044");
    EXPECT_EQ(f.gConfiguration.DefaultLes(kOceanAorE), "102");
    EXPECT_EQ(f.gConfiguration.DefaultLes(kOceanPor), "210");
    EXPECT_EQ(f.gConfiguration.DefaultLes(kOceanIor), "305");
    // Until the transceiver lists its stations, those of the LES files are the available ones.
    EXPECT_EQ(f.gConfiguration.AvailableLESs(kOceanAorE), "101,102,103,104,105,112,117,120,121");
}

TEST_F(StartUp, CodePageMenuOnlyInRussianWithTheStoredCodePageChecked) {
    Load({});
    EXPECT_FALSE(Find<QAction>("mnuSelectCodePage")->isVisible());

    f.Strings.CurrentLanguageId = 1049;
    Load({{"[CodePage]", "866"}});
    EXPECT_TRUE(Find<QAction>("mnuSelectCodePage")->isVisible());
    EXPECT_TRUE(Find<QAction>("mnuDos866Cyrillic")->isChecked());
    EXPECT_FALSE(Find<QAction>("mnuWindows1251Cyrillic")->isChecked());

    Load({{"[CodePage]", "437"}});
    EXPECT_FALSE(Find<QAction>("mnuDos866Cyrillic")->isChecked());
    EXPECT_TRUE(Find<QAction>("mnuWindows1251Cyrillic")->isChecked());
}

TEST_F(StartUp, TimersRunAfterwardsAndTheMenusWaitForTheTransceiver) {
    Load({{"[HOST Interface]", "COM"}});
    for (const char* name : {"Timer1", "Timer2", "Timer_60S", "MessageTimer", "EventTimer", "Winsock_timer"})
        EXPECT_TRUE(Find<QTimer>(name)->isActive()) << name;
    for (const char* name : {"CloseDownTimer", "EGCTimer"}) EXPECT_FALSE(Find<QTimer>(name)->isActive()) << name;
    EXPECT_FALSE(Find<QAction>("LMAlertSetting")->isEnabled()) << "nothing answers yet";
    EXPECT_FALSE(f.gSession.MesConnected());
}

// The first lines reach the transceiver in order; once it has answered, the 10-s poll adds the
// status query set.
TEST_F(StartUp, FirstCommandsReachTheTransceiverAndItsAnswerBringsThePoll) {
    test::FakeTransceiver mes(platform.Serial);
    mes.On("st -l").Repeat = true;
    mes.On("se -p", "Position: unknown\r\n");
    Load({{"[HOST Interface]", "COM"}});
    for (int i = 0; i < 100 && !(link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0 && mes.Idle()); ++i) {
        platform.Clock.AdvanceMs(60);
        form->Timer1_Timer();
    }
    QStringList lines = mes.Received;
    lines.removeAll(QString());
    EXPECT_EQ(lines, (QStringList{"st -l", "st -l", "se -p"}));
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_EQ(link.Dialogue.EchoTerminator, "\r\n") << "learnt from the echo of the first line";

    form->Timer2_Timer();
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("st -w\r\n"));
}

}  // namespace
