#include <QTest>
#include <gtest/gtest.h>

#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "messages/OutboxFixture.h"
#include "messages/OutboxRecovery.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using OutboxRecovery = OutboxFixture;

QByteArray Cleared(const QByteArray& line, const QByteArray& oldStatus, const QByteArray& newStatus) {
    QByteArray changed = line;
    return changed.replace(";" + oldStatus + ";0;", ";" + newStatus + ";0;");
}

const QByteArray kUnreferenced1 = SubmissionLine("12070301.out", "102", "<None>", "Initiated");
const QByteArray kUnreferenced2 = SubmissionLine("12070302.out", "102", "<None>", "Initiated");
const QByteArray kSending = SubmissionLine("12070303.out", "102", "OUT.021", "Sending");
const QByteArray kSendingNoRef = SubmissionLine("12070304.out", "102", "", "Sending");
const QByteArray kConfReq = SubmissionLine("12070305.out", "102", "LES.77", "ConfReq");
const QByteArray kDelivered = SubmissionLine("12070306.out", "102", "LES.78", "Delivered");
const QByteArray kAlert = DistressLine("Sending");

TEST_F(OutboxRecovery, AtStartUpSubmissionsWithoutReferenceArePcCleared) {
    Write("OUT.IDX", Lines({kUnreferenced1, kSending, kAlert, kUnreferenced2, kSendingNoRef}));
    ClearOutboxAtStartUp(m);
    EXPECT_EQ(Read("OUT.IDX"), Lines({Cleared(kUnreferenced1, "Initiated", "PC Cleared"), kSending, kAlert,
                                      Cleared(kUnreferenced2, "Initiated", "PC Cleared"), kSendingNoRef}))
        << "the others stay byte for byte, also the Sending line without a reference";
    EXPECT_EQ(Entries(), QStringList{"OUT.IDX"});
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(OutboxRecovery, AtStartUpWithoutThemOnlySendingLinesWithoutReferenceAre) {
    Write("OUT.IDX", Lines({kSending, kSendingNoRef, kAlert, kConfReq}));
    ClearOutboxAtStartUp(m);
    EXPECT_EQ(Read("OUT.IDX"), Lines({kSending, Cleared(kSendingNoRef, "Sending", "PC Cleared"), kAlert, kConfReq}));
}

TEST_F(OutboxRecovery, AtStartUpASettledLogIsNotRewritten) {
    const QByteArray log = kSending + "\n" + kAlert + "\n\n" + kDelivered;  // LF lines, no final line end
    Write("OUT.IDX", log);
    ClearOutboxAtStartUp(m);
    EXPECT_EQ(Read("OUT.IDX"), log);
    EXPECT_EQ(grid.Rows(), 1) << "nor the grid reloaded";
}

TEST_F(OutboxRecovery, AtStartUpAnOpenLinkIsClosed) {
    Write("OUT.IDX", {});
    ClearOutboxAtStartUp(m);
    EXPECT_EQ(platform.Serial.CloseCount, 0) << "nothing open, nothing closed";
    EXPECT_EQ(platform.Socket.CloseCount, 0);

    ASSERT_EQ(platform.Serial.Open(), ISerialControl::OpenOk);
    platform.Socket.State = ISocketControl::Connected;
    ClearOutboxAtStartUp(m);
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Socket.State, ISocketControl::Closed);
}

TEST_F(OutboxRecovery, AfterARestartUnfinishedSubmissionsAreMesCleared) {
    views.Shown = 2;  // the sent-items view is on screen
    const QByteArray queued = SubmissionLine("12070307.out", "102", "<None>", "Initiated");
    Write("OUT.IDX", Lines({kUnreferenced1, kSending, kAlert, kConfReq, kDelivered, queued, kSendingNoRef}));
    link.Dialogue.CommandQueue = "tr 12070307.out -b 12\r\nls 12070307.out\r\ntx 12070307.out -c 102 -t 0 -l 0\n";

    Dispatch("st -l\r\nStarting application program.\r\ncan0:/$ ");

    EXPECT_EQ(Read("OUT.IDX"),
              Lines({Cleared(kUnreferenced1, "Initiated", "MES Cleared"), Cleared(kSending, "Sending", "MES Cleared"),
                     kAlert, Cleared(kConfReq, "ConfReq", "MES Cleared"), kDelivered, queued,
                     Cleared(kSendingNoRef, "Sending", "MES Cleared")}))
        << "distress alerts and submissions still queued stay as they were";
    EXPECT_EQ(Entries(), QStringList{"OUT.IDX"});
    EXPECT_EQ(grid.Rows(), 8) << "the view on screen is reloaded";

    // A repeated restart finds nothing left to clear and leaves the log alone.
    const QByteArray after = Read("OUT.IDX");
    grid.SetRows(1);
    Dispatch("st -l\r\nSTARTING APPLICATION PROGRAM.\r\ncan0:/$ ");
    EXPECT_EQ(Read("OUT.IDX"), after);
    EXPECT_EQ(grid.Rows(), 1);
}

TEST(SubmissionQueued, FindsTheTxLineOfTheFile) {
    const QString queue = "tr 12070307.out -b 12\r\nls 12070308.out\r\n  tx 12070309.out -c 102\nst -l\r\ntx 12070310.out\n";
    EXPECT_FALSE(IsSubmissionQueued(queue, u"12070307.out")) << "an upload is no submission";
    EXPECT_FALSE(IsSubmissionQueued(queue, u"12070308.out"));
    EXPECT_TRUE(IsSubmissionQueued(queue, u"12070309.out"));
    EXPECT_TRUE(IsSubmissionQueued(queue, u"12070310.out"));
    EXPECT_FALSE(IsSubmissionQueued(queue, u"12070310"));
    EXPECT_FALSE(IsSubmissionQueued(queue, u""));
}

// The engine with the real serial adapter on a pseudo-terminal and the simulated transceiver on
// its other side, which restarts before the next status list.
TEST(OutboxRecoveryOverPty, TheSimulatorsRestartClearsTheSendingLine) {
    PtyPair pty;
    ASSERT_TRUE(pty.IsOpen());
    sim::SimShell shell;
    sim::SimFdTransport transport(shell, pty.MasterFd());

    TestPlatform platform;
    SerialPortOnPty port(platform, pty);
    Foundation f(platform.Os);
    f.gConfiguration.DataPath = platform.DataFolder();
    const QString outbox = platform.DataFolder() + "/sent items/";
    ASSERT_TRUE(QDir().mkpath(outbox));
    f.gOutboxDir = outbox;
    Link link(f);
    Messages messages(f, link);
    RegisterMessageHandlers(messages);
    FakeLinkWindow window;
    link.Windows.Window = &window;
    const QByteArray log = Lines({kSending, kAlert});
    {
        QFile file(outbox + "OUT.IDX");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(log);
    }
    ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);

    QueueCommand(link, "st -l", true, false);
    const auto answered = [&](qsizetype commands) {
        return QTest::qWaitFor(
            [&] {
                Timer1_Timer(link);
                return shell.Received.size() >= commands && link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0;
            },
            10000);
    };
    ASSERT_TRUE(answered(1));
    QFile file(outbox + "OUT.IDX");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), log);
    file.close();

    shell.RestartPending = true;
    QueueCommand(link, "st -l", true, false);
    ASSERT_TRUE(answered(2));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Lines({Cleared(kSending, "Sending", "MES Cleared"), kAlert}));
}

}  // namespace
