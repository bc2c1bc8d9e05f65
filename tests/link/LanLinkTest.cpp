#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/IniFile.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "link/LanDiscovery.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

constexpr int kGreen = 65280;
constexpr int kRed = 255;
const QString kNotConnected = "Mobile not connected";
const QString kTcuAttributes = "(device-model=880),(device-sw-version=1.23)";

class FakeLanWindow : public ILanLinkWindow {
public:
    void SetMobileStatusFieldCaption(const QString& caption) override {
        Caption = caption;
        ++CaptionWrites;
    }
    bool IsCommSettingsFormVisible() const override { return CommSettingsVisible; }
    QString Caption = "(untouched)";
    int CaptionWrites = 0;
    bool CommSettingsVisible = false;
};

// The LAN link with the fake socket and discovery; the test runs the 500-ms timer tick by tick.
class LanLinkTest : public ::testing::Test {
protected:
    LanLinkTest() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.MobileStatusTexts = {kNotConnected};
        link.Windows.Window = &window;
        link.Windows.LanWindow = &lanWindow;
        SetIniValue(f, "[HOST Interface]", "LAN", false);
    }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) Winsock_timer_Timer(link);
    }
    test::FakeSocketControl& Socket() { return platform.Socket; }
    QString Written() const { return QString::fromLatin1(platform.Socket.Written()); }
    int ErrorLogCount(const QString& text) const {
        return static_cast<int>(QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt")).count(" " + text + "\r\n"));
    }

    // From state 0 with a configured unit to a bridge that has answered (state 4).
    void BringUpToState4() {
        SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
        Tick(3);  // connect, connected, bridge started
        ASSERT_EQ(link.Lan.LanLinkState, 3);
        Socket().PushIncoming("\r\nkv880:/$ minic -f\r\nConnected to transceiver\r\n");
        Tick();
        ASSERT_EQ(link.Lan.LanLinkState, 4);
    }
    void BringUpToState5() {
        BringUpToState4();
        f.gSession.SetMesConnected(true);
        Tick();
        ASSERT_EQ(link.Lan.LanLinkState, 5);
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    FakeLanWindow lanWindow;
};

TEST_F(LanLinkTest, BringsTheLinkUpStepByStep) {
    SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
    platform.Slp.AttributeLists["10.0.0.5"] = kTcuAttributes;

    Tick();  // 0: close, then connect to the configured unit
    EXPECT_EQ(link.Lan.LanLinkState, 1);
    EXPECT_EQ(Socket().CloseCount, 1);
    EXPECT_EQ(Socket().ConnectCount, 1);
    EXPECT_EQ(Socket().Host, "10.0.0.5");
    EXPECT_EQ(Socket().RemotePort, 23);
    EXPECT_EQ(Socket().LocalPort, 0);

    Tick();  // 1: the TCP connection is up
    EXPECT_EQ(link.Lan.LanLinkState, 2);
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
    EXPECT_TRUE(Written().isEmpty());

    Tick();  // 2: the bridge is started with an empty line first, in two sends
    EXPECT_EQ(link.Lan.LanLinkState, 3);
    EXPECT_EQ(Socket().Writes, (QList<QByteArray>{"\r\n", "minic -f\r\n"}));
    EXPECT_FALSE(f.gSession.LanConnected);

    Socket().PushIncoming("\r\nkv880:/$ minic -f\r\nConnected to transceiver\r\n");
    Tick();  // 3: the bridge answered; the transceiver is asked who it is
    EXPECT_EQ(link.Lan.LanLinkState, 4);
    EXPECT_TRUE(f.gSession.LanConnected);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -v\r\nst -i\r\n");

    Tick();  // 4: the transceiver has not answered yet
    EXPECT_EQ(link.Lan.LanLinkState, 4);
    f.gSession.SetMesConnected(true);
    Tick();  // 4: it answers; the unit's software version is not known yet, so it is asked for
    EXPECT_EQ(link.Lan.LanLinkState, 5);
    EXPECT_EQ(ErrorLogCount("Check2"), 1);
    ASSERT_EQ(platform.Slp.Requests.size(), 1);
    EXPECT_EQ(platform.Slp.Requests[0].Kind, "findattrs");
    EXPECT_EQ(platform.Slp.Requests[0].Address, "10.0.0.5");
    EXPECT_EQ(platform.Slp.Requests[0].ServiceType, "service:device.kalvenor");

    Tick(3);  // 5: supervising; the version answer is taken on the next tick
    EXPECT_EQ(link.Lan.LanLinkState, 5);
    EXPECT_EQ(f.gConfiguration.GetTcuSwMajor(), 1);
    EXPECT_EQ(f.gConfiguration.GetTcuSwMinor(), 23);
    EXPECT_EQ(Socket().ConnectCount, 1);
    EXPECT_EQ(Socket().Writes.size(), 2);
}

TEST_F(LanLinkTest, KnownSoftwareVersionIsNotAskedAgain) {
    f.gConfiguration.SetTcuSwVersion(2, 5);
    BringUpToState5();
    EXPECT_EQ(ErrorLogCount("Check2"), 0);
    EXPECT_TRUE(platform.Slp.Requests.isEmpty());
}

TEST_F(LanLinkTest, BridgeAnswersThatCount) {
    struct Case {
        const char* answer;
        bool counts;
    };
    const Case cases[] = {
        {"\r\nConnected to transceiver\r\n", true},
        {"CONNECTED", true},           // letter case ignored
        {"minic: command not found\r\ncan0:/$ ", true},  // the bridge was running already
        {"minic: Command not found\r\n", false},         // this one is case-sensitive
        {"kv880:/$ ", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        link.Lan.LanLinkState = 3;
        link.Lan.LanRetryCount = 1;
        link.Dialogue.CommandQueue.clear();
        f.gSession.LanConnected = false;
        Socket().State = ISocketControl::Connected;
        Socket().PushIncoming(c.answer);
        Tick();
        EXPECT_EQ(link.Lan.LanLinkState, c.counts ? 4 : 3);
        EXPECT_EQ(f.gSession.LanConnected, c.counts);
        EXPECT_EQ(link.Dialogue.CommandQueue, c.counts ? "st -v\r\nst -i\r\n" : "");
        EXPECT_EQ(link.Lan.LanReceiveBuffer, c.answer);
    }
}

TEST_F(LanLinkTest, BridgeAnswerIsLookedForInTheLatestReadOnly) {
    SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
    Tick(3);
    Socket().PushIncoming("Conn");
    Tick();
    Socket().PushIncoming("ected\r\n");
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 3);
    EXPECT_FALSE(f.gSession.LanConnected);
}

TEST_F(LanLinkTest, SilentBridgeGoesBackToConnectAfterFiveTicks) {
    SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
    Tick(3);
    ASSERT_EQ(link.Lan.LanLinkState, 3);
    Tick(4);
    EXPECT_EQ(link.Lan.LanLinkState, 3);
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_EQ(link.Lan.LanRetryCount, 0);
    Tick();  // connects afresh
    EXPECT_EQ(Socket().ConnectCount, 2);
    EXPECT_EQ(link.Lan.LanLinkState, 1);
}

TEST_F(LanLinkTest, TcpConnectGetsTwoTicks) {
    SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
    Socket().ConnectAtOnce = false;
    f.gSession.ConnectedToTCU = true;
    Tick(2);
    EXPECT_EQ(link.Lan.LanLinkState, 1);
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_FALSE(f.gSession.ConnectedToTCU);
    EXPECT_EQ(link.Lan.LanRetryCount, 0);

    Tick();  // closed and tried again
    EXPECT_EQ(Socket().CloseCount, 2);
    EXPECT_EQ(Socket().ConnectCount, 2);
    Socket().CompleteConnect();
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 2);
}

TEST_F(LanLinkTest, BridgeStartWaitsForTheSocketUpToSixTicks) {
    link.Lan.LanLinkState = 2;
    Socket().State = ISocketControl::Closing;
    Tick(5);
    EXPECT_EQ(link.Lan.LanLinkState, 2);
    EXPECT_TRUE(Socket().Writes.isEmpty());
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_EQ(link.Lan.LanRetryCount, 0);
}

TEST_F(LanLinkTest, TransceiverGetsTenTicksAfterTheBridgeAnswered) {
    BringUpToState4();
    Tick(9);
    EXPECT_EQ(link.Lan.LanLinkState, 4);
    EXPECT_TRUE(f.gSession.LanConnected);
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_EQ(link.Lan.LanRetryCount, 0);
    // The socket is closed for a new connection: the engine must leave it to the bring-up now.
    Tick();
    EXPECT_FALSE(f.gSession.LanConnected);
    EXPECT_EQ(link.Lan.LanLinkState, 1);
}

TEST_F(LanLinkTest, LostTransceiverWithTheUnitsShellBackRestartsOnlyTheBridge) {
    BringUpToState5();
    f.gSession.SetMesConnected(false);
    Tick();  // 5: the transceiver stopped answering; the engine leaves the socket alone now
    EXPECT_EQ(link.Lan.LanLinkState, 6);
    EXPECT_FALSE(f.gSession.LanConnected);
    Socket().Writes.clear();

    Tick();  // 6: probe
    EXPECT_EQ(link.Lan.LanLinkState, 7);
    EXPECT_EQ(Socket().Writes, (QList<QByteArray>{"\r\n"}));

    Socket().PushIncoming("\r\nKV880:/$ ");
    Tick();  // 7: the unit's shell answered
    EXPECT_EQ(link.Lan.LanLinkState, 2);
    EXPECT_TRUE(f.gSession.ConnectedToTCU);

    Tick();  // 2: the bridge is started on the same connection
    EXPECT_EQ(link.Lan.LanLinkState, 3);
    EXPECT_EQ(Socket().ConnectCount, 1);
    EXPECT_EQ(Socket().Written(), "\r\n\r\nminic -f\r\n");
}

TEST_F(LanLinkTest, ProbeWithoutTheUnitsPromptReconnects) {
    BringUpToState5();
    f.gSession.SetMesConnected(false);
    Tick(2);
    ASSERT_EQ(link.Lan.LanLinkState, 7);
    Socket().PushIncoming("\r\ncan0:/$ ");
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_FALSE(f.gSession.ConnectedToTCU);
    Tick();
    EXPECT_EQ(Socket().ConnectCount, 2);
    EXPECT_EQ(link.Lan.LanLinkState, 1);
}

TEST_F(LanLinkTest, ProbeOnAClosedSocketReconnects) {
    BringUpToState5();
    f.gSession.SetMesConnected(false);
    Tick();
    Socket().PeerCloses();
    Tick();
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_EQ(Socket().Writes.size(), 2);  // no probe was sent
}

TEST_F(LanLinkTest, OneTcuFoundIsSavedAndConnectedOnTheTickItsAnswerArrives) {
    platform.Slp.ServiceList = "service:device.kalvenor://192.168.1.10,65535\n";
    platform.Slp.AttributeLists["192.168.1.10"] = kTcuAttributes;

    Tick();  // the search starts; no address yet, so nothing to connect to
    EXPECT_EQ(link.Lan.LanLinkState, 0);
    EXPECT_EQ(Socket().ConnectCount, 0);
    EXPECT_EQ(ErrorLogCount("Check1"), 1);
    ASSERT_EQ(platform.Slp.Requests.size(), 1);
    EXPECT_EQ(platform.Slp.Requests[0].Kind, "findsrvs");
    EXPECT_EQ(platform.Slp.Requests[0].ServiceType, "service:device.kalvenor");
    EXPECT_TRUE(platform.Slp.Requests[0].Target.IsDefault());

    Tick();  // the answers are taken, the address is kept and saved, and the link connects
    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), QStringList{"192.168.1.10"});
    EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "192.168.1.10");
    EXPECT_TRUE(platform.ReadDataFile("Tidepost.ini").contains("[IP Settings]\r\n192.168.1.10\r\n"));
    EXPECT_EQ(Socket().Host, "192.168.1.10");
    EXPECT_EQ(Socket().ConnectCount, 1);
    EXPECT_EQ(link.Lan.LanLinkState, 1);
}

TEST_F(LanLinkTest, ConfiguredAddressNeverStartsDiscovery) {
    SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
    Socket().ConnectAtOnce = false;
    Tick(30);
    EXPECT_TRUE(platform.Slp.Requests.isEmpty());
    EXPECT_EQ(ErrorLogCount("Check1"), 0);
}

TEST_F(LanLinkTest, NothingFoundSearchesAgainEveryTenTicks) {
    Tick();
    EXPECT_EQ(platform.Slp.Requests.size(), 1);
    Tick(9);
    EXPECT_EQ(platform.Slp.Requests.size(), 1);
    EXPECT_EQ(f.gConfiguration.SlpTcuAddressCount(), 0);
    Tick();
    EXPECT_EQ(platform.Slp.Requests.size(), 2);
    Tick(10);
    EXPECT_EQ(platform.Slp.Requests.size(), 3);
    EXPECT_EQ(ErrorLogCount("Check1"), 1) << "one line for the outage";
    EXPECT_EQ(Socket().ConnectCount, 0);
}

TEST_F(LanLinkTest, DiscoveryFailureIsLoggedOncePerOutage) {
    platform.Slp.ErrorLogLine = "SLP request to 239.255.255.253:427 failed: Network unreachable";
    Tick(10 * 60);  // five minutes without a unit: sixty searches
    EXPECT_EQ(platform.Slp.Requests.size(), 60);
    EXPECT_EQ(ErrorLogCount("Check1"), 1);
    EXPECT_EQ(ErrorLogCount(platform.Slp.ErrorLogLine), 1);

    // A unit answers: the outage is over.
    platform.Slp.ErrorLogLine.clear();
    platform.Slp.ServiceList = "service:device.kalvenor://192.168.1.10,65535\n";
    platform.Slp.AttributeLists["192.168.1.10"] = kTcuAttributes;
    Tick(10);
    ASSERT_EQ(f.gConfiguration.SlpTcuAddressCount(), 1);

    // The unit is gone and forgotten: a new outage is logged again, once.
    f.gConfiguration.SetSlpTcuAddresses({});
    SetIniValue(f, "[IP Settings]", "", false);
    Socket().SetRemoteHost("");
    platform.Slp.ServiceList.clear();
    link.Lan.LanLinkState = 0;
    link.Lan.SlpRetryTicks = 0;
    Tick(10 * 6);
    EXPECT_EQ(ErrorLogCount("Check1"), 2);
}

TEST_F(LanLinkTest, SlowSearchIsNotStartedTwice) {
    platform.Slp.Hold = true;
    platform.Slp.ServiceList = "service:device.kalvenor://192.168.1.10,65535\n";
    platform.Slp.AttributeLists["192.168.1.10"] = kTcuAttributes;
    Tick(25);
    EXPECT_EQ(platform.Slp.Requests.size(), 1);
    EXPECT_EQ(ErrorLogCount("Check1"), 1);
    EXPECT_TRUE(IsFindingTcuAddresses(link));

    platform.Slp.Release();
    Tick();  // the service list arrived: the host is asked for its attributes
    EXPECT_EQ(platform.Slp.Requests.size(), 2);
    EXPECT_EQ(Socket().ConnectCount, 0);
    platform.Slp.Release();
    Tick();
    EXPECT_FALSE(IsFindingTcuAddresses(link));
    EXPECT_EQ(Socket().Host, "192.168.1.10");
    EXPECT_EQ(Socket().ConnectCount, 1);
}

TEST_F(LanLinkTest, SeveralTcusAreKeptForTheUserToChoose) {
    platform.Slp.ServiceList =
        "service:device.kalvenor://192.168.1.10,65535\nservice:device.kalvenor://192.168.1.11,65535\n";
    platform.Slp.AttributeLists["192.168.1.10"] = kTcuAttributes;
    platform.Slp.AttributeLists["192.168.1.11"] = "(device-model=880),(device-sw-version=2.01)";
    Tick(30);
    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), (QStringList{"192.168.1.10", "192.168.1.11"}));
    EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "");
    EXPECT_EQ(Socket().ConnectCount, 0);
    EXPECT_EQ(platform.Slp.Requests.size(), 3);  // one search only: addresses are known now
}

TEST_F(LanLinkTest, HostGivenToTheSocketEarlierIsTriedWithoutSettingOrDiscovery) {
    Socket().Host = "10.9.9.9";
    Tick();
    EXPECT_EQ(Socket().ConnectCount, 1);
    EXPECT_EQ(link.Lan.LanLinkState, 1);
}

TEST_F(LanLinkTest, MachineWaitsWhileTheLinkSettingsDialogIsShown) {
    SetIniValue(f, "[IP Settings]", "10.0.0.5", false);
    Tick(2);
    ASSERT_EQ(link.Lan.LanLinkState, 2);
    lanWindow.CommSettingsVisible = true;
    window.TCUConnBarColor = -1;
    Tick(10);
    EXPECT_EQ(link.Lan.LanLinkState, 2);
    EXPECT_TRUE(Socket().Writes.isEmpty());
    EXPECT_EQ(window.TCUConnBarColor, kGreen);  // the indicator is still refreshed

    lanWindow.CommSettingsVisible = false;
    Tick();  // goes on where it was
    EXPECT_EQ(link.Lan.LanLinkState, 3);
}

TEST_F(LanLinkTest, SerialModeNeitherConnectsNorSearches) {
    SetIniValue(f, "[HOST Interface]", "COM", false);
    Tick(30);
    EXPECT_EQ(Socket().ConnectCount, 0);
    EXPECT_TRUE(platform.Slp.Requests.isEmpty());
}

TEST_F(LanLinkTest, LanIndicatorFollowsTheTcpConnection) {
    struct Case {
        bool connectedToTcu;
        bool mesConnected;
        int bar;
        QString caption;
    };
    const Case cases[] = {
        {false, false, kRed, kNotConnected},
        {true, false, kGreen, "Connected to TCU"},
        // Once the transceiver answers, the status field shows its status, not the link's.
        {true, true, kGreen, "(untouched)"},
        {false, true, kRed, "(untouched)"},
    };
    SetIniValue(f, "[HOST Interface]", "LAN", false);
    lanWindow.CommSettingsVisible = true;  // only the indicator runs
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.connectedToTcu << c.mesConnected);
        f.gSession.ConnectedToTCU = c.connectedToTcu;
        f.gSession.SetMesConnected(c.mesConnected);
        lanWindow.Caption = "(untouched)";
        Tick();
        EXPECT_EQ(window.TCUConnBarColor, c.bar);
        EXPECT_EQ(lanWindow.Caption, c.caption);
    }
}

TEST_F(LanLinkTest, SerialIndicatorStaysGreenTenSecondsAfterAUnitPrompt) {
    SetIniValue(f, "[HOST Interface]", "COM", false);
    Tick();
    EXPECT_EQ(window.TCUConnBarColor, kRed);
    EXPECT_EQ(lanWindow.Caption, kNotConnected);

    f.gSession.ConnectedToTCU_Via_Com = true;  // the engine saw "can0:/$ " on the serial link
    Tick();
    EXPECT_FALSE(f.gSession.ConnectedToTCU_Via_Com);
    EXPECT_EQ(window.TCUConnBarColor, kGreen);
    EXPECT_EQ(lanWindow.Caption, "Connected to TCU");
    Tick(19);
    EXPECT_EQ(window.TCUConnBarColor, kGreen);
    Tick();
    EXPECT_EQ(window.TCUConnBarColor, kRed);
    EXPECT_EQ(lanWindow.Caption, kNotConnected);

    // A later prompt starts the ten seconds again.
    f.gSession.ConnectedToTCU_Via_Com = true;
    Tick(20);
    EXPECT_EQ(window.TCUConnBarColor, kGreen);
    Tick();
    EXPECT_EQ(window.TCUConnBarColor, kRed);
}

TEST_F(LanLinkTest, SerialIndicatorLeavesTheStatusOfAnAnsweringTransceiverAlone) {
    SetIniValue(f, "[HOST Interface]", "COM", false);
    f.gSession.SetMesConnected(true);
    f.gSession.ConnectedToTCU_Via_Com = true;
    Tick(25);
    EXPECT_EQ(window.TCUConnBarColor, kRed);
    EXPECT_EQ(lanWindow.CaptionWrites, 0);
}

TEST_F(LanLinkTest, TcuPortFromTheSettingsStore) {
    struct Case {
        const char* stored;  // nullptr: not stored
        int port;
    };
    const Case cases[] = {{nullptr, 23}, {"2323", 2323}, {" 10023 ", 10023}, {"0", 23}, {"70000", 23}, {"telnet", 23}};
    SetIniValue(f, "[IP Settings]", "127.0.0.1", false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        if (c.stored) SaveAppSetting(f, f.gProductName, "Config", "TCU Port", c.stored);
        link.Lan.LanLinkState = 0;
        Tick();
        EXPECT_EQ(Socket().RemotePort, c.port);
    }
}

TEST_F(LanLinkTest, SlpTargetFromTheSettingsStore) {
    SaveAppSetting(f, f.gProductName, "Config", "SLP Target", "127.0.0.1:10427");
    Tick();
    ASSERT_EQ(platform.Slp.Requests.size(), 1);
    EXPECT_EQ(platform.Slp.Requests[0].Target.Host, "127.0.0.1");
    EXPECT_EQ(platform.Slp.Requests[0].Target.Port, 10427);
}

TEST_F(LanLinkTest, MalformedSlpTargetIsReportedOnceAndTheStandardTargetUsed) {
    SaveAppSetting(f, f.gProductName, "Config", "SLP Target", "127.0.0.1");
    Tick(11);
    ASSERT_EQ(platform.Slp.Requests.size(), 2);
    EXPECT_TRUE(platform.Slp.Requests[1].Target.IsDefault());
    const QString log = QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt"));
    EXPECT_EQ(log.count("SLP Target \"127.0.0.1\""), 1);
}

TEST_F(LanLinkTest, DiscoveryErrorsGoToTheErrorLog) {
    platform.Slp.ServiceList = " - Could not launch a required program";
    platform.Slp.ErrorLogLine = "CreateProcessA failed: 0";
    Tick(2);
    EXPECT_EQ(ErrorLogCount("CreateProcessA failed: 0"), 1);
    EXPECT_EQ(f.gConfiguration.SlpTcuAddressCount(), 0);
}

TEST_F(LanLinkTest, SearchStartedElsewhereIsTakenOnTheNextTick) {
    // The link settings dialog starts a search while it is shown; the timer stores the result.
    platform.Slp.Hold = true;
    platform.Slp.ServiceList = "service:device.kalvenor://192.168.1.10,65535\n";
    platform.Slp.AttributeLists["192.168.1.10"] = kTcuAttributes;
    lanWindow.CommSettingsVisible = true;
    EXPECT_TRUE(FindTcuAddresses(link));
    EXPECT_FALSE(FindTcuAddresses(link));  // one at a time
    platform.Slp.Release();
    Tick();
    platform.Slp.Release();
    Tick();
    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), QStringList{"192.168.1.10"});
    EXPECT_EQ(Socket().ConnectCount, 0);
}

}  // namespace
