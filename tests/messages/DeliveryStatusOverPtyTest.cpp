#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "messages/OutboxOverPtyFixture.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/FakeMessagesWindow.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The transceiver's reports on a submission and a distress alert, read from the simulator's
// status list over a pseudo-terminal, move the outbox log's lines; every other byte stays.
class DeliveryStatusOverPty : public test::OutboxOverPty {
protected:
    void SetUp() override {
        PrepareOutbox();
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        ASSERT_TRUE(Run("st -l"));  // learns the shell's line end and prompt
    }

    bool Run(const QString& command) {
        QueueCommand(link, command, true, false);
        return QTest::qWaitFor(
            [&] {
                Timer1_Timer(link);
                return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0;
            },
            10000);
    }
    void WriteLog(const QByteArray& bytes) {
        QFile file(outbox + "OUT.IDX");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

const QByteArray kOther = "AB000001.TXT;Telex 123;112;Telex;10-12-26;08:00; 40;777;Delivered;0;0;0;0;;;;Bob;;;Bob\r\n";

QByteArray Submission(const QByteArray& reference, const QByteArray& status, const QByteArray& confirmation = "0") {
    return "AB123456.TXT;ops@ship.example;112;Email;10-12-26;09:05; 250;" + reference + ";" + status + ";" +
           confirmation + ";0;0;0;;;;Ops;;;Ops\r\n";
}

TEST_F(DeliveryStatusOverPty, SubmissionIsFollowedToItsConfirmation) {
    for (const QByteArray confirmation : {"0", "1"}) {
        SCOPED_TRACE(confirmation.toStdString());
        WriteLog(kOther + Submission("<None>", "Initiated", confirmation));
        shell.AddInfo("82", "Message transfer started. File OUT.021");
        ASSERT_TRUE(Run("st -l"));
        EXPECT_EQ(Read("OUT.IDX").toStdString(), QByteArray(kOther + Submission("OUT.021", "Sending", confirmation)).toStdString());

        shell.AddInfo("81", "Message delivered.\r\nReference number 4711\r\nLES 112 File OUT.021");
        ASSERT_TRUE(Run("st -l"));
        const QByteArray delivered = confirmation == "1" ? "ConfReq" : "Delivered";
        EXPECT_EQ(Read("OUT.IDX").toStdString(), QByteArray(kOther + Submission("4711", delivered, confirmation)).toStdString());

        shell.AddInfo("141", "Delivery confirmed.\r\nReference number 4711\r\nLES 112 File OUT.021");
        ASSERT_TRUE(Run("st -l"));
        EXPECT_EQ(Read("OUT.IDX").toStdString(), QByteArray(kOther + Submission("4711", "Conf.OK", confirmation)).toStdString());

        shell.AddInfo("140", "Delivery failed.\r\nReference number 4711\r\nLES 112 File OUT.021 failure code: 12");
        ASSERT_TRUE(Run("st -l"));
        EXPECT_EQ(Read("OUT.IDX").toStdString(), QByteArray(kOther + Submission("4711", "Failed. Error code: '12'", confirmation)).toStdString());
    }
}

TEST_F(DeliveryStatusOverPty, DistressAlertIsLoggedAfterTheGeneratorSettingsAndConfirmed) {
    f.gSession.SetMesConnected(true);
    f.gSession.SetSolasType(2);
    WriteLog(kOther);
    shell.AddInfo("22", "Distress alert being sent");
    ASSERT_TRUE(Run("st -l"));  // the alert's line waits for "se -g", which this run also sends
    EXPECT_TRUE(shell.Received.contains("se -g"));
    const QString log = QString::fromLatin1(Read("OUT.IDX"));
    ASSERT_TRUE(log.startsWith(QString::fromLatin1(kOther)));
    const QString line = log.mid(kOther.size());
    EXPECT_TRUE(line.startsWith("-;MRCC;Auto;Distress Alert;")) << line.toStdString();
    EXPECT_TRUE(line.endsWith(";-;-;Sending;0;0;0;0;0;0;0;0;SEARCH & RESCUE;;;SEARCH & RESCUE\r\n")) << line.toStdString();
    EXPECT_EQ(Read("-"), "Distress Alert");

    shell.AddInfo("21", "Distress alert acknowledged");
    ASSERT_TRUE(Run("st -l"));
    QString confirmed = line;
    confirmed.replace(";Sending;", ";Conf.Ok;");
    EXPECT_EQ(QString::fromLatin1(Read("OUT.IDX")), QString::fromLatin1(kOther) + confirmed);
}

}  // namespace
