#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "sim/SimInboxCommands.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct Setup {
    int layout;
    sim::EchoEnd end;
};

std::string SetupName(const ::testing::TestParamInfo<Setup>& info) {
    const char* ends[] = {"Lf", "CrLf", "CrCrLf"};
    return "Layout" + std::to_string(info.param.layout) + ends[static_cast<int>(info.param.end)];
}

// The engine with the real serial adapter on a pseudo-terminal and the simulated transceiver,
// holding three messages, on its other side. The manual clock stands still unless a reply is cut:
// only prompts end the replies, and the waits are for real I/O only.
class InboxDownloadOverPty : public ::testing::TestWithParam<Setup> {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        shell.EchoTerminator = sim::EchoEndText(GetParam().end);
        shell.LineEnd = shell.EchoTerminator;
        shell.Inbox.ListingLayout = GetParam().layout;
        for (const int number : {7, 2, 31}) {
            sim::SimMessage message;
            message.Number = number;
            message.Reference = 1000 + number;
            message.Received = QDateTime(QDate(2024, 5, 6), QTime(7, number), Qt::UTC);
            message.Body = QString::fromLatin1("Message %1\r\nfrom the sea: \x80\xe9\xff.").arg(number);
            ASSERT_TRUE(shell.Inbox.Add(message));
            bodies.append(message.Body.toLatin1());
        }
        transport.Pacer.ChunkSize = 16;  // each reply arrives over several reads
        transport.Pacer.ChunkDelayMs = 1;

        inbox = platform.DataFolder() + "/Inbox";
        QDir().mkpath(inbox);
        f.gConfiguration.DataPath = platform.DataFolder();
        f.gInboxDir = inbox;
        RegisterMessageHandlers(messages);
        link.Windows.Window = &window;
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
    }

    // One download cycle from the listing on, until the queue has run empty. A reply the shell
    // cuts short ends by the time-out, which the clock is moved past once the cut reply is in.
    bool RunCycle() {
        QueueCommand(link, "ls IN.*", false, false);
        return QTest::qWaitFor(
            [&] {
                Timer1_Timer(link);
                if (cutLength > 0 && link.Dialogue.DialogueState == 1 && link.Dialogue.ReplyBuffer.size() >= cutLength) {
                    cutLength = 0;
                    platform.Clock.AdvanceMs(4001);
                }
                return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0 && cutLength == 0;
            },
            10000);
    }
    // The next reply to the fetch of `name` stops in the middle of the message text.
    void CutFetchOf(const QString& name) {
        shell.ExtraCommands.append({"ty " + name, true, [this](sim::SimShell& s, const QString& line) {
                                        const QString body = sim::SimInboxCommands()[2].Reply(s, line);
                                        if (!cutDone) {
                                            cutDone = true;
                                            s.CutNextReplyAfter = static_cast<int>(line.size() + body.size() / 2);
                                            cutLength = s.CutNextReplyAfter;
                                        }
                                        return body;
                                    }});
    }
    QString Disk(int counter) const {
        return platform.Clock.Now().toString("yyMMdd") + QString::number(counter).rightJustified(2, '0') + ".in";
    }
    QByteArray Read(const QString& name) const {
        QFile file(inbox + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList IndexLines() const {
        QStringList lines = QString::fromLatin1(Read("in.idx")).split("\r\n");
        lines.removeAll(QString());
        return lines;
    }
    // Each listed message once in the inbox, byte for byte, in listing order, and none left on
    // the transceiver.
    void ExpectEachStoredOnce(const QList<int>& order) {
        EXPECT_EQ(QDir(inbox).entryList(QDir::Files, QDir::Name),
                  (QStringList{Disk(1), Disk(2), Disk(3), "in.idx"}));
        const QStringList lines = IndexLines();
        ASSERT_EQ(lines.size(), 3);
        const int numbers[] = {7, 2, 31};
        for (int i = 0; i < 3; ++i) {
            const int n = order[i];
            EXPECT_EQ(Read(Disk(i + 1)), bodies[n]) << i;
            EXPECT_TRUE(lines[i].startsWith(QString("IN.%1:").arg(numbers[n], 3, 10, QLatin1Char('0'))));
            EXPECT_TRUE(lines[i].endsWith(":Mem:No:" + Disk(i + 1))) << lines[i].toStdString();
        }
        EXPECT_TRUE(shell.Inbox.Messages.isEmpty());
        EXPECT_FALSE(f.gSession.ProcessingMsgs());
        EXPECT_FALSE(window.TimerOn("MessageTimer"));
    }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    test::FakeLinkWindow window;
    QString inbox;
    QList<QByteArray> bodies;  // in the order added: messages 7, 2, 31
    qsizetype cutLength = 0;
    bool cutDone = false;
};

TEST_P(InboxDownloadOverPty, EachListedMessageIsStoredAndDeleted) {
    ASSERT_TRUE(RunCycle());
    EXPECT_EQ(shell.Received,
              (QStringList{"st -l", "ls IN.*", "", "st -r", "ty IN.007 -b -k", "ty IN.002 -b -k", "ty IN.031 -b -k",
                           "delete IN.007", "delete IN.002", "delete IN.031"}));
    const auto size = [&](int i) { return QString::number(bodies[i].size()); };
    EXPECT_EQ(IndexLines(), (QStringList{"IN.007:102:0:0:24-05-06 07:07:" + size(0) + ":1007:Mem:No:" + Disk(1),
                                         "IN.002:102:0:0:24-05-06 07:02:" + size(1) + ":1002:Mem:No:" + Disk(2),
                                         "IN.031:102:0:0:24-05-06 07:31:" + size(2) + ":1031:Mem:No:" + Disk(3)}));
    ExpectEachStoredOnce({0, 1, 2});
}

TEST_P(InboxDownloadOverPty, CutReplyIsFetchedWholeInTheNextCycle) {
    CutFetchOf("IN.002");
    ASSERT_TRUE(RunCycle());
    EXPECT_EQ(QDir(inbox).entryList(QDir::Files).size(), 3) << "two messages and the index";
    EXPECT_EQ(shell.Inbox.Messages.size(), 1);
    EXPECT_TRUE(QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt")).contains("\"ty IN.002 -b -k\" ended without"));

    ASSERT_TRUE(RunCycle());
    ExpectEachStoredOnce({0, 2, 1});
}

TEST_P(InboxDownloadOverPty, LostDeleteLeavesOneCopy) {
    shell.Inbox.KeepNextDelete = true;
    ASSERT_TRUE(RunCycle());
    EXPECT_EQ(shell.Inbox.Messages.size(), 1);
    ASSERT_TRUE(RunCycle());
    EXPECT_EQ(shell.Received.mid(shell.Received.lastIndexOf("ls IN.*")),
              (QStringList{"ls IN.*", "", "st -r", "ty IN.007 -b -k", "delete IN.007"}));
    ExpectEachStoredOnce({0, 1, 2});
}

INSTANTIATE_TEST_SUITE_P(LayoutsAndLineEnds, InboxDownloadOverPty,
                         ::testing::Values(Setup{1, sim::EchoEnd::CrLf}, Setup{2, sim::EchoEnd::CrLf},
                                           Setup{1, sim::EchoEnd::Lf}, Setup{2, sim::EchoEnd::CrCrLf}),
                         SetupName);

}  // namespace
