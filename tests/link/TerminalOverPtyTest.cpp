#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "foundation/FormHolder.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/SimInfoForm.h"
#include "link/TerminalModeForm.h"
#include "link/UploadStreaming.h"
#include "platform/QtSerialControl.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// Terminal Mode against the simulated transceiver on a pseudo-terminal: what is typed reaches the
// shell as typed, and its answers appear in the window.
TEST(TerminalOverPty, TypedCommandAndPasswordRoundTrip) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.IsOpen());
    sim::SimShell shell;
    sim::SimFdTransport transport(shell, pty.MasterFd());
    test::TestPlatform platform;
    test::SerialPortOnPty port(platform, pty);
    Foundation f(platform.Os);
    f.gConfiguration.DataPath = platform.DataFolder();
    Link link(f);
    RegisterUploadStreaming(link);
    test::FakeLinkWindow window;
    link.Windows.Window = &window;
    ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
    FormHolder<TerminalModeForm> holder([&] { return new TerminalModeForm(link, [&] { holder.unload(); }); });

    auto runUntil = [&](const std::function<bool()>& done) {
        return QTest::qWaitFor(
            [&] {
                Timer1_Timer(link);
                return done();
            },
            10000);
    };
    QueueCommand(link, "st -l", true, false);
    ASSERT_TRUE(runUntil([&] { return link.Dialogue.DialogueState == 0 && f.gSession.MesConnected(); }));

    TerminalModeForm& form = holder.get();
    EnterTerminalMode(link);
    ASSERT_TRUE(runUntil([&] { return form.isVisible() && form.Text().endsWith("can0:/$ "); }));
    auto type = [&](const QString& keys) {
        for (QChar c : keys) form.TerminalWindow_KeyPress(c.unicode());
    };

    type("st -w\r");
    ASSERT_TRUE(runUntil([&] { return form.Text().contains("Logged in") && form.Text().endsWith("can0:/$ "); }))
        << form.Text().toStdString();
    EXPECT_TRUE(form.Text().contains("can0:/$ st -w\r\n")) << "the typed line once, not its echo again";
    EXPECT_EQ(shell.Received.last(), "st -w");

    type("passwd\r");
    ASSERT_TRUE(runUntil([&] { return form.Text().endsWith("Enter password: "); })) << form.Text().toStdString();
    type("abx\bc\r");
    ASSERT_TRUE(runUntil([&] { return form.Text().endsWith("Enter new password: "); })) << form.Text().toStdString();
    EXPECT_EQ(shell.Received.last(), "abc");
    EXPECT_TRUE(form.Text().contains("Enter password: ***\r\n"));
    type("n1\r");
    ASSERT_TRUE(runUntil([&] { return form.Text().endsWith("Confirm new password: "); }));
    type("n1\r");
    ASSERT_TRUE(runUntil([&] { return form.Text().endsWith("Password changed\r\ncan0:/$ "); })) << form.Text().toStdString();
    EXPECT_FALSE(form.Text().contains("n1"));

    type("\x1b");
    EXPECT_FALSE(link.Dialogue.TerminalModeRequested);
    EXPECT_TRUE(window.TimerOn("Timer2"));
    EXPECT_FALSE(holder.isLoaded());
}

// A notification number chosen in "Simulate Infos" comes back through the status list and is
// recorded like a real one.
TEST(SimInfoOverPty, ChosenNumberIsReportedAndRecorded) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.IsOpen());
    sim::SimShell shell;
    sim::SimFdTransport transport(shell, pty.MasterFd());
    test::TestPlatform platform;
    test::SerialPortOnPty port(platform, pty);
    Foundation f(platform.Os);
    f.gConfiguration.DataPath = platform.DataFolder();
    Link link(f);
    test::FakeLinkWindow window;
    link.Windows.Window = &window;
    ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);

    SimInfoForm form(link, nullptr);
    form.InfonumberField->setText("80");
    form.OKButton_Click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            Timer1_Timer(link);
            return shell.Received.size() >= 3 && link.Dialogue.DialogueState == 0 && link.Dialogue.CommandQueue.isEmpty();
        },
        10000));
    EXPECT_EQ(shell.Received, (QStringList{"", "db usrrep 80 1", "st -l"}));
    const QList<QByteArray> lines = platform.ReadDataFile("InfoLog.txt").split('\n');
    ASSERT_FALSE(lines.isEmpty());
    const QList<QByteArray> fields = lines.first().split('\x02');
    ASSERT_GE(fields.size(), 3) << lines.first().constData();
    EXPECT_EQ(fields[1], "1");
    EXPECT_EQ(fields[2], "80");
}

}  // namespace
