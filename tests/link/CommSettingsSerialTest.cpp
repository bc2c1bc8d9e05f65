#include "CommSettingsFixture.h"
#include "link/SerialLink.h"

using namespace tidepost;
using tidepost::test::CommSettingsFixture;

namespace {

struct CommSettingsSerial : CommSettingsFixture {
    // Only these port numbers exist.
    void OnlyPorts(const QList<int>& ports) {
        for (int n = 1; n <= 16; ++n)
            if (!ports.contains(n)) platform.Serial.OpenResults[n] = ISerialControl::ErrBadPortNumber;
    }
};

TEST_F(CommSettingsSerial, OkStoresTheSerialChoiceOpensThePortAndAsksWhoAnswers) {
    OnlyPorts({1, 3, 4});
    SetIniValue(f, "[HOST Interface]", "COM", true);
    platform.Socket.State = ISocketControl::Connected;
    Open();
    EXPECT_EQ(Items("ComPortList"), (QStringList{"1", "3", "4"}));
    EXPECT_EQ(Items("BaudRateList"),
              (QStringList{"2400", "4800", "7200", "9600", "14400", "19200", "38400", "57600", "115200"}));
    EXPECT_TRUE(Find<QRadioButton>("Option1")->isChecked());

    Select("ComPortList", "3");
    Select("BaudRateList", "9600");
    form->OKButton_Click();

    const QString ini = IniFileText();
    EXPECT_TRUE(ini.contains("[HOST Interface]\r\nCOM\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("[COM port]\r\n3\r\n"));
    EXPECT_TRUE(ini.contains("[COM Settings]\r\n9600,n,8,1\r\n"));
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Serial.CommPort(), 3);
    EXPECT_EQ(platform.Serial.OpenedSettings.last(), "9600,n,8,1");
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -v\r\nst -i\r\n");
    // The LAN link is left: its socket is closed and the transceiver counts as lost until it answers.
    EXPECT_EQ(platform.Socket.State, ISocketControl::Closed);
    EXPECT_EQ(window.MobileStatus, 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(CommSettingsSerial, StoredPortAndSpeedAreSelectedWithTheirFallbacks) {
    const struct {
        const char* name;
        const char* port;
        const char* settings;
        const char* selectedPort;
        const char* selectedBaud;
    } cases[] = {
        {"both listed", "4", "19200,n,8,1", "4", "19200"},
        {"port not listed: the first", "2", "9600,n,8,1", "1", "9600"},
        {"speed not listed: 2400", "3", "12345,n,8,1", "3", "2400"},
        {"no comma: the whole text", "3", "57600", "3", "57600"},
        {"empty", "", "", "1", "2400"},
    };
    OnlyPorts({1, 3, 4});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetIniValue(f, "[COM port]", c.port, false);
        SetIniValue(f, "[COM Settings]", c.settings, false);
        form.reset();
        Open();
        EXPECT_EQ(Combo("ComPortList")->currentText(), c.selectedPort);
        EXPECT_EQ(Combo("BaudRateList")->currentText(), c.selectedBaud);
    }
}

TEST_F(CommSettingsSerial, WithoutAPortOkIsRefusedAndChangesNothing) {
    OnlyPorts({});
    platform.Socket.State = ISocketControl::Connected;
    platform.Socket.Host = "10.0.0.5";
    f.gSession.LanConnected = true;
    f.gSession.SetMesConnected(true);
    link.Lan.LanLinkState = 5;
    const QString iniBefore = IniFileText();
    Open();
    Find<QRadioButton>("Option1")->setChecked(true);
    EXPECT_EQ(Combo("ComPortList")->count(), 0);

    form->OKButton_Click();

    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text,
              "Please select a COM port. If no COM port is available it must be installed in Windows.");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Info");
    // The LAN link goes on as it was.
    EXPECT_EQ(GetIniValue(f, "[HOST Interface]"), "LAN");
    EXPECT_EQ(IniFileText(), iniBefore);
    EXPECT_EQ(platform.Socket.State, ISocketControl::Connected);
    EXPECT_EQ(platform.Socket.CloseCount, 0);
    EXPECT_TRUE(f.gSession.LanConnected);
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_EQ(window.MobileStatus, -1);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CommSettingsSerial, OpeningTheDialogKeepsTheSerialLinkUp) {
    SetIniValue(f, "[HOST Interface]", "COM", true);
    ASSERT_TRUE(OpenComPort(f, 2, "115200,n,8,1"));
    platform.Serial.OpenResults[2] = ISerialControl::ErrPortOpenFailed;  // busy: it is ours
    Open();
    EXPECT_TRUE(Items("ComPortList").contains("2"));
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Serial.OpenCount, 1);
    EXPECT_EQ(platform.Serial.CloseCount, 0);
    EXPECT_FALSE(platform.Serial.ProbedPorts.contains(2));
}

TEST_F(CommSettingsSerial, SerialChoiceDisablesTheLanControls) {
    SetIniValue(f, "[HOST Interface]", "COM", true);
    Open();
    for (const char* name : {"ComPortList", "BaudRateList", "Label1", "Label2"})
        EXPECT_TRUE(form->findChild<QWidget*>(name)->isEnabled()) << name;
    for (const char* name : {"TcuIpAdrList", "Label7", "Label6", "PCIPAdr", "FFIP", "ForcedIP", "SetFixedIpButton"})
        EXPECT_FALSE(form->findChild<QWidget*>(name)->isEnabled()) << name;

    form->Label5_Click();  // the label beside the LAN option chooses it too
    EXPECT_TRUE(Find<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(Combo("TcuIpAdrList")->isEnabled());
    EXPECT_FALSE(Combo("ComPortList")->isEnabled());
    form->Label4_Click();
    EXPECT_TRUE(Find<QRadioButton>("Option1")->isChecked());
}

}  // namespace
