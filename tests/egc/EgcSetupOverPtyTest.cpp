#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <string>

#include "egc/EGCForm.h"
#include "egc/ENIDForm.h"
#include "egc/Egc.h"
#include "egc/EgcFixture.h"
#include "egc/EgcSetup.h"
#include "foundation/AppSettings.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/LinkTicks.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

std::string EndName(const ::testing::TestParamInfo<sim::EchoEnd>& info) {
    const char* ends[] = {"Lf", "CrLf", "CrCrLf"};
    return ends[static_cast<int>(info.param)];
}

// The EGC setup and the ENID list with the real serial adapter on a pseudo-terminal and the
// simulated transceiver on its other side.
class EgcSetupOverPty : public ::testing::TestWithParam<sim::EchoEnd> {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        shell.EchoTerminator = sim::EchoEndText(GetParam());
        shell.LineEnd = shell.EchoTerminator;
        transport.Pacer.ChunkSize = 16;
        transport.Pacer.ChunkDelayMs = 1;
        f.gConfiguration.DataPath = platform.DataFolder();
        RegisterEgcHandlers(egc);
        link.Windows.Window = &window;
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(Run());
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.Received.clear();
    }
    void TearDown() override {
        egc.Setup.EGCForms.unload();
        egc.Setup.ENIDForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool Run() { return test::RunLinkUntil(link, platform.Clock, [&] { return test::LinkIdle(link); }); }
    QString Stored() { return GetAppSetting(f, f.gProductName, "Config", "Fixed Positions", "<none>"); }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    Egc egc{f, link, messages};
    test::FakeLinkWindow window;
};

TEST_P(EgcSetupOverPty, ChangingOnlyTheCoastalAreasWritesBackEverythingAsRead) {
    SaveAppSetting(f, f.gProductName, "Config", "Fixed Positions", " 5,N,120,W");
    OpenEGCSetup(egc);
    ASSERT_TRUE(Run());
    EXPECT_EQ(shell.Received, (QStringList{"fx 5,N,120,W", "se", "se -x", "se -sn"}));
    ASSERT_TRUE(egc.Setup.EGCForms.isLoaded());
    EGCForm& form = egc.Setup.EGCForms.get();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.CoastalWarningAreasText->text(), "ABCDE");
    EXPECT_EQ(form.SafetyNETCheck->checkState(), Qt::Checked);
    EXPECT_EQ(form.AdditionalNAVAREACombo[0]->currentText(), "3");
    form.CoastalWarningAreasText->setText("AB");
    emit form.CoastalWarningAreasText->textEdited("AB");
    shell.Received.clear();
    form.OKButton_Click();
    ASSERT_TRUE(Run());
    EXPECT_EQ(shell.Received, (QStringList{"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,16,0", "se -n 1", "se -x AB",
                                           "se -y ABDL", "fx 5,N,120,W"}));
    EXPECT_EQ(Stored(), " 5,N,120,W");
    EXPECT_EQ(shell.Transceiver.EgcReceiver.Coastal, "AB");
    EXPECT_EQ(shell.Transceiver.EgcReceiver.FixedText, " 5,N,120,W");
}

TEST_P(EgcSetupOverPty, AnOptionTheUnitDidNotReportIsNotSent) {
    ASSERT_TRUE(sim::SetTransceiverValue(shell.Transceiver, "egc-drop", "w"));
    ASSERT_TRUE(sim::SetTransceiverValue(shell.Transceiver, "egc-spare-header", "no"));
    ASSERT_TRUE(sim::SetTransceiverValue(shell.Transceiver, "fx-support", "no"));
    OpenEGCSetup(egc);
    ASSERT_TRUE(Run());
    EGCForm& form = egc.Setup.EGCForms.get();
    EXPECT_EQ(form.SafetyNETCheck->checkState(), Qt::PartiallyChecked);
    shell.Received.clear();
    form.OKButton_Click();
    ASSERT_TRUE(Run());
    EXPECT_EQ(shell.Received, (QStringList{"se -e 0", "se -a 1", "se -x ABCDE", "se -y ABDL"}));
    EXPECT_EQ(shell.Transceiver.EgcReceiver.SafetyNet, 1);
}

TEST_P(EgcSetupOverPty, UntickingOneEnidSendsOnlyItsCommand) {
    OpenEnidList(egc);
    ASSERT_TRUE(Run());
    EXPECT_EQ(shell.Received, QStringList{"st -g"});
    ASSERT_TRUE(egc.Setup.ENIDForms.isLoaded());
    ENIDForm& form = egc.Setup.ENIDForms.get();
    ASSERT_EQ(form.CheckEnabled.size(), 2);
    EXPECT_EQ(form.LabelProvider[0]->text(), "Fleet & Co");
    // ENID 89 is disabled on the unit: ticking it enables it.
    form.CheckEnabled[1]->setChecked(false);
    shell.Received.clear();
    form.OKButton_Click();
    ASSERT_TRUE(Run());
    EXPECT_EQ(shell.Received, QStringList{"st -g d1204"});
    EXPECT_FALSE(shell.Transceiver.EgcReceiver.Enids[1].Enabled);
}

INSTANTIATE_TEST_SUITE_P(EchoEnds, EgcSetupOverPty,
                         ::testing::Values(sim::EchoEnd::Lf, sim::EchoEnd::CrLf, sim::EchoEnd::CrCrLf), EndName);

}  // namespace
