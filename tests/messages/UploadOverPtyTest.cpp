#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

#include "foundation/Definitions.h"
#include "foundation/MessageBoxQueue.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "messages/CTransmission.h"
#include "messages/MessageFileNames.h"
#include "messages/MessageHandlers.h"
#include "messages/OutboxOverPtyFixture.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "sim/SimUploadCommands.h"
#include "support/FakeLinkWindow.h"
#include "support/FakeMessagesWindow.h"
#include "support/PtyPair.h"
#include "support/LinkTicks.h"
#include "support/QueuedTexts.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// Composed messages sent group by group to the simulator over a pseudo-terminal, as the send
// dialogue sends them: formatted, saved, uploaded, checked, submitted and logged. Whatever
// happens to the link, no cut file is submitted, and every message is submitted once or marked
// "Failed". The engine's timer runs as the main window's would, 60 ms a tick on the test's clock.
class UploadOverPty : public test::OutboxOverPty {
protected:
    void SetUp() override {
        PrepareOutbox();
        InitDestinationTypeNames(f);
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntil([&] { return Idle(); }));  // learns the shell's line end and prompt
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.ReceivedBytes.clear();
    }

    bool RunUntil(const std::function<bool()>& done, int ms = 20000) {
        return test::RunLinkUntil(link, platform.Clock, done, ms);
    }
    bool Idle() const { return test::LinkIdle(link) && link.Requests.SentFileChecks.isEmpty(); }

    // One telex group to `number`, through every step of the send road; its outbox file name.
    QString Send(const QString& number, const QString& text, quint8 format = 1) {
        CTransmission tx(messages);
        tx.SetParameters("", false, false, false);
        tx.LESUsed = "112";
        EXPECT_TRUE(tx.SetPresentation(format));
        EXPECT_TRUE(tx.SetDestination(1, "", ""));
        tx.Message().SetAddressCell(number, 1, format, 0);
        tx.Message().Subject = "Report";
        tx.Message().TextField = text;
        tx.SetOutFileName(GetNewMessageFileName(f, outbox, "out"));
        EXPECT_TRUE(tx.FormatMessage(1, format));
        EXPECT_TRUE(tx.SaveFileInOutBox());
        EXPECT_TRUE(tx.TransferMessage());
        EXPECT_TRUE(tx.SendMessage());
        EXPECT_TRUE(tx.WriteOutLog(1, format, "Agent", "", ""));
        return tx.OutFileName();
    }

    // Field 8 of the outbox-log line of a file.
    QString Status(const QString& name) const {
        for (const QByteArray& line : Read("OUT.IDX").split('\n'))
            if (line.startsWith(name.toLatin1() + ";")) return QString::fromLatin1(line).section(';', 8, 8);
        return "<no line>";
    }
    // The file as the upload carries it, and how many characters "-b" announces.
    QByteArray File(const QString& name) const { return Read(name); }
    static QString Announced(const QByteArray& file) { return QString::number(file.size() - 2); }
};

const QString kLongText = QString("All well on board. ").repeated(20);

TEST_F(UploadOverPty, AGroupReachesTheTransceiverExactlyAndIsSubmittedOnce) {
    const QString name = Send("4712345", kLongText);
    ASSERT_EQ(name, "12070301.out");
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 1; }));

    const QByteArray file = File(name);
    EXPECT_EQ(file, ("4712345+\r\n\r\nSubject: Report\r\n" + kLongText + "\r\n").toLatin1());
    EXPECT_EQ(shell.ReceivedBytes, "tr 12070301.out -b " + Announced(file).toLatin1() + "\r" + file +
                                       "ls 12070301.out\r\ntx 12070301.out -c 112 -s 0 -t 0 -l 0 -n\n");
    const sim::SimUpload* stored = shell.Uploads.Find(name);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Text.toLatin1(), file.left(file.size() - 2)) << "the transceiver holds the n characters announced";
    EXPECT_EQ(shell.Uploads.Submitted, QStringList{name});
    EXPECT_EQ(Read("OUT.IDX"), "12070301.out;4712345;112;Telex 7 Bit;12-07-03;09:05; " + Announced(file).toLatin1() +
                                   ";<None>;Initiated;0;0;0;0;03;07;09;05;Agent;;;Report\r\n");
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(UploadOverPty, ALongMessageArrivesWholeThoughTheLineIsSlowerThanTheWrites) {
    const QString name = Send("4712345", QString("0123456789").repeated(3000));
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 1; }));
    const QByteArray file = File(name);
    ASSERT_NE(shell.Uploads.Find(name), nullptr);
    EXPECT_EQ(shell.Uploads.Find(name)->Text.toLatin1(), file.chopped(2));
    EXPECT_EQ(Status(name), "Initiated");
    EXPECT_TRUE(port.Serial.PortOpen());
}

TEST_F(UploadOverPty, EveryGroupOfASendIsCheckedAndSubmittedOnce) {
    const QString first = Send("4712345", kLongText, 1);
    const QString second = Send("4799999", "Short note", 0);
    ASSERT_EQ(link.Requests.SentFileChecks.size(), 2);
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 2; }));
    EXPECT_EQ(shell.Uploads.Submitted, (QStringList{first, second}));
    EXPECT_EQ(Status(first), "Initiated");
    EXPECT_EQ(Status(second), "Initiated");
    EXPECT_EQ(shell.Uploads.Find(second)->Text.toLatin1(), File(second).chopped(2));
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(UploadOverPty, AnUploadThatArrivesDamagedIsDeletedAndNeverSubmitted) {
    // The transceiver lists a size other than the one sent.
    shell.ExtraCommands.append({"ls ", true, [](sim::SimShell& s, const QString& line) {
                                    return "Directory of x" + s.LineEnd + line.mid(3) + " : 3 bytes" + s.LineEnd;
                                }});
    const QString name = Send("4712345", kLongText);
    ASSERT_TRUE(RunUntil([&] { return Idle() && !shell.Received.isEmpty() && shell.Received.last().startsWith("delete"); }));
    EXPECT_TRUE(shell.Uploads.Submitted.isEmpty());
    EXPECT_EQ(shell.Uploads.Find(name), nullptr) << "deleted on the transceiver";
    EXPECT_EQ(Status(name), "Failed");
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{"Error: The message '12070301.out' was possibly sent with errors."});
}

struct CutCase {
    const char* name;
    std::function<void(sim::SimShell&)> cut;
    bool stored;  // the whole file reached the transceiver
};

class LinkCut : public UploadOverPty, public ::testing::WithParamInterface<CutCase> {};

// The "ls" listing as the shell gives it, then the link is gone.
QString ListThenGoSilent(sim::SimShell& s, const QString& line) {
    QString body;
    for (const sim::SimCommand& c : sim::SimUploadCommands())
        if (c.Text == "ls ") body = c.Reply(s, line);
    s.Mute = true;
    return body;
}

TEST_P(LinkCut, NoCutFileIsSubmittedAndTheMessageIsMarkedFailed) {
    const CutCase& c = GetParam();
    c.cut(shell);
    const QString name = Send("4712345", kLongText);
    ASSERT_TRUE(RunUntil([&] { return Idle() && !f.gSession.MesConnected(); }));
    EXPECT_TRUE(shell.Uploads.Submitted.isEmpty());
    EXPECT_EQ(shell.Uploads.Find(name) != nullptr, c.stored);
    EXPECT_EQ(Status(name), "Failed");
    EXPECT_EQ(test::DrainErrorQueue(f),
              QStringList{"The PC has lost connection to the mobile. Due to this the message might not have been sent."});

    // The link comes back: nothing of the failed message is left to go out.
    shell.Mute = false;
    shell.ExtraCommands.clear();
    QueueCommand(link, "st -l", true, false);
    ASSERT_TRUE(RunUntil([&] { return Idle() && f.gSession.MesConnected(); }));
    EXPECT_TRUE(shell.Uploads.Submitted.isEmpty());
    EXPECT_EQ(Status(name), "Failed");
}

INSTANTIATE_TEST_SUITE_P(
    Moments, LinkCut,
    ::testing::Values(CutCase{"BeforeTheEcho", [](sim::SimShell& s) { s.Mute = true; }, false},
                      CutCase{"MidStream", [](sim::SimShell& s) { s.CutUploadAfter = 150; }, false},
                      CutCase{"BeforeTheListing",
                              [](sim::SimShell& s) {
                                  s.ExtraCommands.append({"ls ", true, [](sim::SimShell& sh, const QString&) {
                                                              sh.CutNextReplyAfter = 0;
                                                              return QString();
                                                          }});
                              },
                              true},
                      CutCase{"BeforeTheSubmission",
                              [](sim::SimShell& s) { s.ExtraCommands.append({"ls ", true, ListThenGoSilent}); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UploadOverPty, PrinterTextGoesOutExactlyForThePrinterFileOnly) {
    link.Transfer.RawTransferMode = true;
    link.Transfer.RawTransferText = "Page one\r\n";
    QueueCommand(link, "tr tideprnt.txt -b 10", true, false);
    QueueCommand(link, "print tideprnt.txt -d", true, false);
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Printed.size() == 1; }));
    EXPECT_EQ(shell.ReceivedBytes, "tr tideprnt.txt -b 10\rPage one\r\nprint tideprnt.txt -d\r\n");
    EXPECT_EQ(shell.Printed, QStringList{"Page one\r\n"});
    EXPECT_FALSE(link.Transfer.RawTransferMode);
    EXPECT_TRUE(window.Calls.contains("ShowWaitForm"));
    EXPECT_EQ(window.Calls.last(), "UnloadWaitForm") << "the print command's answer closes the wait window";
}

}  // namespace
