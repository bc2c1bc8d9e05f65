#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "reporting/Reporting.h"
#include "reporting/ReportingHandlers.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/LinkTicks.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// Message reporting against the simulated transceiver over the real serial adapter on a
// pseudo-terminal: the operator's "rs" shows the dialog, and OK sets what the dialog holds.
class MessageReportingOverPty : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        transport.Pacer.ChunkSize = 24;
        transport.Pacer.ChunkDelayMs = 1;
        shell.EchoTerminator = GetParam();
        f.gConfiguration.DataPath = platform.DataFolder();
        SetIniValue(f, "[addressbook]", platform.DataFolder() + "/addressbook", false);
        platform.WriteDataFile("addressbook/address.dat", "Ops:Telex:5:007\r\nOffice:Fax:8:0044123456\r\n");
        link.Windows.Window = &window;
        RegisterReportingHandlers(r);
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntilIdle());
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.Received.clear();
    }
    void TearDown() override {
        r.MessageReportingForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool RunUntilIdle() {
        return test::RunLinkUntil(link, platform.Clock, [&] { return test::LinkIdle(link); });
    }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    Reporting r{f, link};
};

TEST_P(MessageReportingOverPty, RsShowsTheSettingsAndOkSetsThem) {
    QueueCommand(link, "rs", true, false);
    ASSERT_TRUE(RunUntilIdle());
    ASSERT_TRUE(r.MessageReportingForms.isLoaded());
    MessageReportingForm& form = *r.MessageReportingForms.loaded();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ((QStringList{form.MonthText->text(), form.DayOfMonthText->text(), form.DayOfWeekText->text(),
                           form.HourOfDayText->text(), form.MinuteOfDayText->text(), form.PINCodeText->text()}),
              (QStringList{"1-12", "*", "*", "0,6,12,18", "0", "1234"}));
    EXPECT_FALSE(form.rsFunctionCheck->isChecked());
    EXPECT_FALSE(form.NoPrintCopyCheck->isChecked());
    EXPECT_TRUE(form.ConfirmationCheck->isChecked());
    EXPECT_EQ(form.rsDestinationAddressText->currentText(), "Ops");
    if (const QByteArray shot = qgetenv("TIDEPOST_SHOT_DIR"); !shot.isEmpty())
        form.grab().save(QString::fromLocal8Bit(shot) + "/message-reporting.png");

    form.OKButton_Click();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, (QStringList{"rs", "rs -f 6", "rs -m 1-12 -d *", "rs -w * -h 0,6,12,18",
                                           "rs -u 0 -n 0 -v 1 -p 1234", "rs -t 0 -l 6 -a 7 -f 0"}));
    EXPECT_EQ(shell.MessageReporting.Other.value("t"), "0");
    EXPECT_FALSE(r.MessageReportingForms.isLoaded());
}

TEST_P(MessageReportingOverPty, ATransceiverWithoutItShowsTheNotice) {
    shell.MessageReporting.Unsupported = true;
    QueueCommand(link, "rs", true, false);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_FALSE(r.MessageReportingForms.isLoaded());
    ASSERT_TRUE(r.NoMsgRepForms.isLoaded());
    EXPECT_TRUE(r.NoMsgRepForms.loaded()->isVisible());
    r.NoMsgRepForms.loaded()->OKButton_Click();
    EXPECT_FALSE(r.NoMsgRepForms.isLoaded());
}

INSTANTIATE_TEST_SUITE_P(EchoLineEnds, MessageReportingOverPty, ::testing::Values("\r\n", "\n", "\r\r\n"));

}  // namespace
