#include <QApplication>
#include <QTest>

#include "CommSettingsFixture.h"
#include "link/DialogueEngine.h"
#include "link/CommandQueue.h"

using namespace tidepost;
using tidepost::test::CommSettingsFixture;

namespace {

const QString kGetting = "<Getting IP addresses...>";
const QByteArray kAnswer = "\r\nkv880:/$ minic -f\r\nConnected to transceiver\r\n";
const QList<bool> kAllEnabled = {true, true, true, true};
const QList<bool> kWaiting = {false, false, false, false};

struct CommSettingsLan : CommSettingsFixture {
    CommSettingsLan() {
        platform.Socket.ConnectAtOnce = false;
        platform.Socket.Host = "10.0.0.9";
        platform.Socket.State = ISocketControl::Connected;
        f.gSession.ConnectedToTCU = true;
        f.gSession.LanConnected = true;
        link.Lan.LanLinkState = 5;
    }
    // OK with the address typed, up to the bridge being started on the connection.
    void OkUpToTheBridge(const QString& address) {
        Open();
        TypeTcuAddress(address);
        form->OKButton_Click();
        ASSERT_TRUE(form->IsWaiting());
        platform.Socket.CompleteConnect();
        Step();
        ASSERT_EQ(SentToUnit(), "\r\nminic -f\r\n");
        platform.Socket.Writes.clear();
    }
};

TEST_F(CommSettingsLan, OkConnectsStartsTheBridgeAndAsksWhoAnswers) {
    Open();
    TypeTcuAddress("10.0.0.5");
    form->OKButton_Click();

    EXPECT_EQ(GetIniValue(f, "[HOST Interface]"), "LAN");
    EXPECT_TRUE(IniFileText().contains("[IP Settings]\r\n10.0.0.5\r\n"));
    EXPECT_EQ(platform.Socket.Host, "10.0.0.5");
    EXPECT_EQ(platform.Socket.RemotePort, 23);
    EXPECT_EQ(platform.Socket.LocalPort, 0);
    EXPECT_EQ(platform.Socket.ConnectCount, 1);
    EXPECT_FALSE(f.gSession.ConnectedToTCU);
    EXPECT_FALSE(f.gSession.LanConnected);  // the engine keeps off the socket while the dialog waits
    EXPECT_EQ(lanWindow.Captions.last(), "");
    EXPECT_EQ(WaitButtonsEnabled(), kWaiting);
    // The unit's version is asked for.
    ASSERT_FALSE(platform.Slp.Requests.isEmpty());
    EXPECT_EQ(platform.Slp.Requests.last().Kind, "findattrs");
    EXPECT_EQ(platform.Slp.Requests.last().Address, "10.0.0.5");

    Step(1000);
    EXPECT_TRUE(SentToUnit().isEmpty());
    platform.Socket.CompleteConnect();
    Step();
    EXPECT_EQ(platform.Socket.Writes, (QList<QByteArray>{"\r\n", "minic -f\r\n"}));
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
    EXPECT_EQ(lanWindow.Captions.last(), "Connected to TCU");
    EXPECT_TRUE(form->IsWaiting());

    // The answer arrives in two pieces.
    platform.Socket.PushIncoming("\r\nkv880:/$ minic -f\r\nConne");
    Step();
    EXPECT_TRUE(form->IsWaiting());
    platform.Socket.PushIncoming("cted to transceiver\r\n");
    link.Dialogue.DialogueState = 1;
    Step();

    EXPECT_FALSE(form->IsWaiting());
    EXPECT_TRUE(f.gSession.LanConnected);
    EXPECT_EQ(link.Lan.LanLinkState, 4);
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -v\r\nst -i\r\n");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_TRUE(Button("OKButton")->isEnabled());
    EXPECT_TRUE(Button("CancelButton")->isEnabled());
}

TEST_F(CommSettingsLan, BridgeAnswersThatCount) {
    const struct {
        const char* answer;
        bool counts;
    } cases[] = {
        {"Connected to transceiver\r\n", true},
        {"CONNECTED", true},
        {"cOnNeCtEd", true},
        {"minic -f\r\nminic: command not found\r\ncan0:/$ ", true},  // the bridge ran already
        {"minic: Command not found\r\ncan0:/$ ", false},             // written otherwise
        {"\r\nkv880:/$ ", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        platform.Socket.Writes.clear();
        platform.Boxes.Shown.clear();
        link.Dialogue.CommandQueue.clear();
        OkUpToTheBridge(QString("10.0.1.%1").arg(platform.Socket.ConnectCount + 1));
        platform.Socket.PushIncoming(c.answer);
        Step();
        if (c.counts) {
            EXPECT_FALSE(form->IsWaiting());
            EXPECT_TRUE(f.gSession.LanConnected);
            EXPECT_EQ(link.Dialogue.CommandQueue, "st -v\r\nst -i\r\n");
            EXPECT_TRUE(SentToUnit().isEmpty());
        } else {
            EXPECT_TRUE(form->IsWaiting());
            Step(TcuWait::kBridgeMs);
            EXPECT_FALSE(form->IsWaiting());
            EXPECT_EQ(SentToUnit(), "reboot\r\n");
            EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        }
    }
}

TEST_F(CommSettingsLan, UnitThatDoesNotConnectIsReportedAfterFiveSeconds) {
    Open();
    TypeTcuAddress("10.0.0.5");
    form->OKButton_Click();
    Step(TcuWait::kConnectionMs - 1);
    EXPECT_TRUE(form->IsWaiting());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    Step(1);

    EXPECT_FALSE(form->IsWaiting());
    EXPECT_EQ(BoxTexts(), QStringList{"TCP/IP Timemout, please check IP address or try again"});
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Info");
    EXPECT_EQ(platform.Socket.State, ISocketControl::Closed);
    EXPECT_FALSE(f.gSession.ConnectedToTCU);
    EXPECT_TRUE(SentToUnit().isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(Button("OKButton")->isEnabled());
    EXPECT_TRUE(Button("CancelButton")->isEnabled());
    // The choice was stored all the same.
    EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "10.0.0.5");
}

TEST_F(CommSettingsLan, SilentBridgeIsRebootedAfterSixAndAHalfSeconds) {
    OkUpToTheBridge("10.0.0.5");
    Step(TcuWait::kBridgeMs - 50);
    EXPECT_TRUE(form->IsWaiting());
    Step(50);

    EXPECT_FALSE(form->IsWaiting());
    EXPECT_EQ(platform.Socket.Writes, QList<QByteArray>{"reboot\r\n"});
    EXPECT_EQ(BoxTexts(), QStringList{"Mini-C Terminal not responding, please try again"});
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
    EXPECT_EQ(platform.Socket.State, ISocketControl::Connected);
    EXPECT_FALSE(f.gSession.LanConnected);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(WaitButtonsEnabled(), kAllEnabled);
}

TEST_F(CommSettingsLan, SameUnitAlreadyConnectedIsLeftAlone) {
    Open();
    TypeTcuAddress("10.0.0.9");
    form->OKButton_Click();
    EXPECT_FALSE(form->IsWaiting());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(platform.Socket.ConnectCount, 0);
    EXPECT_EQ(platform.Socket.CloseCount, 0);
    EXPECT_TRUE(SentToUnit().isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(f.gSession.LanConnected);
    EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "10.0.0.9");
}

TEST_F(CommSettingsLan, TheTcuAddressAsItIsStored) {
    const struct {
        const char* typed;
        const char* stored;   // nullptr: refused
        bool connects;
    } cases[] = {
        {"<Select From List>", "", false},
        {" <Getting IP addresses...> ", "", false},
        {"<>", "", false},
        {"", "", false},
        {"  10.0.0.7  ", "10.0.0.7", true},
        {"tcu.ship.local", "tcu.ship.local", true},
        {"10.0.0.7\n[HOST Interface]", nullptr, false},
        {"10.0.0.7\t", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SetIniValue(f, "[HOST Interface]", "COM", true);
        SetIniValue(f, "[IP Settings]", "before", true);
        platform.Boxes.Shown.clear();
        const int connectsBefore = platform.Socket.ConnectCount;
        Open();
        Find<QRadioButton>("Option2")->setChecked(true);
        TypeTcuAddress(c.typed);
        form->OKButton_Click();
        if (c.stored == nullptr) {
            EXPECT_EQ(BoxTexts(), QStringList{"The TCU IP address must not contain control characters."});
            EXPECT_EQ(GetIniValue(f, "[HOST Interface]"), "COM");
            EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "before");
            EXPECT_TRUE(form->isVisible());
        } else {
            EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
            EXPECT_EQ(GetIniValue(f, "[HOST Interface]"), "LAN");
            EXPECT_TRUE(IniFileText().contains(QString("[IP Settings]\r\n%1\r\n").arg(c.stored)));
        }
        EXPECT_EQ(platform.Socket.ConnectCount - connectsBefore, c.connects ? 1 : 0);
        if (c.connects) {
            EXPECT_EQ(platform.Socket.Host, c.stored);
        }
        if (form->IsWaiting()) {
            Step(TcuWait::kConnectionMs);
            platform.Boxes.Shown.clear();
        }
        form->CancelButton_Click();
        Find<QRadioButton>("Option1")->setChecked(true);
    }
}

TEST_F(CommSettingsLan, EngineNeitherSendsNorReadsWhileTheDialogWaits) {
    QueueCommand(link, "st -l", true, false);
    OkUpToTheBridge("10.0.0.5");
    int engineReads = 0;
    platform.Socket.BeforeRead = [&] { ++engineReads; };
    for (int i = 0; i < 5; ++i) {
        platform.Clock.AdvanceMs(60);
        Timer1_Timer(link);  // the engine's ticks go on while the dialog is open
    }
    EXPECT_EQ(engineReads, 0);
    EXPECT_TRUE(SentToUnit().isEmpty());

    platform.Socket.BeforeRead = nullptr;
    platform.Socket.PushIncoming(kAnswer);
    platform.Clock.AdvanceMs(60);
    Timer1_Timer(link);
    Step();
    EXPECT_FALSE(form->IsWaiting());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_FALSE(SentToUnit().contains("reboot"));
}

TEST_F(CommSettingsLan, CloseBoxAndEscapeWaitForTheWaitToEnd) {
    OkUpToTheBridge("10.0.0.5");
    form->close();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->IsWaiting());
    form->OKButton_Click();  // disabled meanwhile; a call from code does nothing either
    form->SetFixedIpButton_Click();
    EXPECT_TRUE(SentToUnit().isEmpty());

    platform.Socket.PushIncoming(kAnswer);
    Step();
    EXPECT_FALSE(form->isVisible());
    form->show();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

struct FixedAddress : CommSettingsLan {
    FixedAddress() {
        platform.Socket.Host = "10.0.0.5";
        Open();
    }
    void Answer() {
        platform.Socket.PushIncoming("minic -f\r\nConnected to transceiver\r\n");
        Step();
    }
};

TEST_F(FixedAddress, SetSendsTheUnitsCommandsInOrderAndWaitsForTheBridge) {
    EXPECT_EQ(WaitButtonsEnabled(), kAllEnabled);
    Find<QCheckBox>("FFIP")->setChecked(true);
    Find<QLineEdit>("ForcedIP")->setText(" 192.168.1.50 ");
    form->SetFixedIpButton_Click();

    EXPECT_EQ(SentToUnit(), "\r\nexit\r\nsysconf -h 0\r\nsysconf -i 192.168.1.50\r\nminic -f\r\n");
    EXPECT_EQ(platform.Socket.Writes.size(), 5);
    EXPECT_FALSE(f.gSession.LanConnected);
    EXPECT_EQ(WaitButtonsEnabled(), kWaiting);
    Answer();
    EXPECT_FALSE(form->IsWaiting());
    EXPECT_TRUE(f.gSession.LanConnected);
    EXPECT_EQ(link.Lan.LanLinkState, 4);
    EXPECT_EQ(WaitButtonsEnabled(), kAllEnabled);
    // Nothing else: no setting, no queued command, no box, the dialog stays.
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "");
}

TEST_F(FixedAddress, ClearReturnsTheUnitToAutomaticAddressing) {
    form->ClearFixedIpButton_Click();
    EXPECT_EQ(SentToUnit(), "\r\nexit\r\nsysconf -h 1\r\nminic -f\r\n");
    EXPECT_EQ(WaitButtonsEnabled(), kWaiting);
    // A silent unit is not rebooted for Clear; nothing is reported.
    Step(TcuWait::kBridgeMs);
    EXPECT_FALSE(form->IsWaiting());
    EXPECT_FALSE(SentToUnit().contains("reboot"));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_FALSE(f.gSession.LanConnected);
    EXPECT_EQ(WaitButtonsEnabled(), kAllEnabled);
}

TEST_F(FixedAddress, OnlyAnAddressTheUnitCanTakeIsSent) {
    const struct {
        const char* typed;
        bool sent;
    } cases[] = {
        {"192.168.1.50", true},
        {"10.0.0.1", true},
        {"1.2.3.4", true},
        {"223.255.255.254", true},
        {"0.1.2.3", true},
        {"0.0.0.0", false},
        {"255.255.255.255", false},
        {"127.0.0.1", false},
        {"127.255.0.9", false},
        {"224.0.0.0", false},
        {"239.1.2.3", false},
        {"240.0.0.1", false},
        {"1.2.3.4; reboot", false},
        {"1.2.3.4\r\nreboot", false},
        {"1.2.3", false},
        {"1.2.3.4.5", false},
        {"1.2.3.256", false},
        {"1..3.4", false},
        {"01.2.3.4", false},
        {"+1.2.3.4", false},
        {"1.2.3.4 5", false},
        {"a.b.c.d", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        platform.Socket.Writes.clear();
        platform.Boxes.Shown.clear();
        Find<QLineEdit>("ForcedIP")->setText(c.typed);
        form->SetFixedIpButton_Click();
        if (c.sent) {
            EXPECT_TRUE(SentToUnit().contains(QString("\r\nsysconf -i %1\r\n").arg(c.typed)));
            EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
            Answer();
        } else {
            EXPECT_TRUE(SentToUnit().isEmpty());
            ASSERT_EQ(platform.Boxes.Shown.size(), 1);
            EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("Please enter the fixed IP address"));
            EXPECT_FALSE(form->IsWaiting());
        }
    }
}

TEST_F(FixedAddress, SetAndClearDoNothingWithoutAConnection) {
    platform.Socket.State = ISocketControl::Closed;
    Find<QLineEdit>("ForcedIP")->setText("192.168.1.50");
    form->SetFixedIpButton_Click();
    form->ClearFixedIpButton_Click();
    EXPECT_TRUE(platform.Socket.Writes.isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_FALSE(form->IsWaiting());
}

TEST_F(CommSettingsLan, ShowingTheDialogInLanModeSearchesAndFillsTheListWhenTheSearchEnds) {
    platform.Slp.Hold = true;
    platform.Slp.ServiceList = "service:device.kalvenor://10.0.0.21,65535\nservice:device.kalvenor://10.0.0.22,65535\n";
    platform.Slp.AttributeLists["10.0.0.21"] = "(device-model=880),(device-sw-version=1.23)";
    platform.Slp.AttributeLists["10.0.0.22"] = "(device-model=880),(device-sw-version=1.23)";
    Open();
    EXPECT_TRUE(Find<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(Combo("TcuIpAdrList")->currentText(), kGetting);
    EXPECT_TRUE(form->IsTcuListPending());

    platform.Slp.Release();  // the service list
    Step();
    platform.Slp.Release();  // the attributes
    Step();
    EXPECT_FALSE(form->IsTcuListPending());
    EXPECT_EQ(Items("TcuIpAdrList"), (QStringList{"10.0.0.21", "10.0.0.22"}));
    EXPECT_EQ(Combo("TcuIpAdrList")->currentText(), "<Select From List>");

    // A look at another window and back leaves what was typed.
    TypeTcuAddress("10.0.0.22");
    QEvent away(QEvent::WindowDeactivate);
    QEvent back(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &away);
    QApplication::sendEvent(form.get(), &back);
    EXPECT_EQ(Combo("TcuIpAdrList")->currentText(), "10.0.0.22");
    // Shown anew, it shows the stored address again, with the list it had.
    form->hide();
    form->show();
    EXPECT_EQ(Combo("TcuIpAdrList")->currentText(), "<Select From List>");
    EXPECT_EQ(Items("TcuIpAdrList"), (QStringList{"10.0.0.21", "10.0.0.22"}));
}

TEST_F(CommSettingsLan, TextTypedDuringTheSearchStays) {
    platform.Slp.Hold = true;
    SetIniValue(f, "[IP Settings]", "10.0.0.30", false);
    Open();
    EXPECT_EQ(Combo("TcuIpAdrList")->currentText(), kGetting);
    TypeTcuAddress("10.0.0.31");
    platform.Slp.Release();
    Step();
    EXPECT_FALSE(form->IsTcuListPending());
    EXPECT_EQ(Combo("TcuIpAdrList")->currentText(), "10.0.0.31");

    // Without typing, the stored address is shown.
    form->Label4_Click();
    form->Label5_Click();
    platform.Slp.Release();
    Step();
    EXPECT_EQ(Combo("TcuIpAdrList")->currentText(), "10.0.0.30");
}

TEST_F(CommSettingsLan, FixedAddressControlsFollowTheConnectionAndTheCheckBox) {
    platform.Socket.State = ISocketControl::Closed;
    Open();
    EXPECT_FALSE(Find<QGroupBox>("FixedTcuAddressFrame")->isEnabled());
    EXPECT_FALSE(Button("SetFixedIpButton")->isEnabled());
    form->hide();
    platform.Socket.State = ISocketControl::Connected;
    form->show();
    EXPECT_TRUE(Find<QGroupBox>("FixedTcuAddressFrame")->isEnabled());
    EXPECT_TRUE(Button("SetFixedIpButton")->isEnabled());
    EXPECT_TRUE(Combo("TcuIpAdrList")->isEnabled());

    Find<QCheckBox>("FFIP")->setChecked(true);
    EXPECT_FALSE(Combo("TcuIpAdrList")->isEnabled());
    EXPECT_FALSE(Find<QLabel>("Label7")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>("ForcedIP")->isEnabled());
    Find<QCheckBox>("FFIP")->setChecked(false);
    EXPECT_TRUE(Combo("TcuIpAdrList")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("ForcedIP")->isEnabled());
}

TEST_F(CommSettingsLan, PcAddressIsShownAndRefreshedWhileShown) {
    platform.Socket.LocalAddress = "192.168.7.2";
    Open();
    EXPECT_EQ(Find<QLabel>("PCIPAdr")->text(), "192.168.7.2");
    platform.Socket.LocalAddress = "192.168.7.3";
    form->Timer1_Timer();
    EXPECT_EQ(Find<QLabel>("PCIPAdr")->text(), "192.168.7.3");
    form->hide();
    platform.Socket.LocalAddress = "192.168.7.4";
    form->Timer1_Timer();
    EXPECT_EQ(Find<QLabel>("PCIPAdr")->text(), "192.168.7.3");
}

TEST_F(CommSettingsLan, CaptionsFollowTheLanguage) {
    Open();
    EXPECT_EQ(form->windowTitle(), "Communication setup");
    EXPECT_EQ(Find<QLabel>("Label4")->text(), "Serial Communication");
    EXPECT_EQ(Find<QGroupBox>("Frame2")->title(), "LAN Port Settings");
    EXPECT_EQ(Find<QRadioButton>("Option2")->accessibleName(), "LAN Communication");
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form->windowTitle(), "Настройка связи");
    EXPECT_EQ(Find<QLabel>("Label7")->text(), "IP-адрес TCU:");
    EXPECT_EQ(Find<QRadioButton>("Option1")->accessibleName(), "Связь по последовательному порту");
    EXPECT_EQ(Find<QGroupBox>("FixedTcuAddressFrame")->title(), "Set fixed TCU IP address");
}

}  // namespace
