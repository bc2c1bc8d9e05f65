#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/IniFile.h"
#include "link/CInfo.h"
#include "link/CommandQueue.h"
#include "messages/DeliveryStatusHandlers.h"
#include "messages/OutboxFixture.h"
#include "support/FakeMobileStatusField.h"
#include "support/FakeNotificationsWindow.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

// The outbox log moved by the transceiver's INFO reports, walked from real-shaped "st -l" replies.
struct DeliveryStatusTest : OutboxFixture {
    // A status list holding these entries, CR LF after each line, ended by the prompt.
    void Walk(const QStringList& entries) {
        QString reply = "st -l\r\n";
        for (const QString& e : entries) reply += e + "\r\n";
        link.Dialogue.CurrentPrompt = "can0:/$ ";
        CInfo(link).CheckInfos(reply + link.Dialogue.CurrentPrompt);
    }
    std::string Log() const { return Read("OUT.IDX").toStdString(); }
    static std::string L(const QList<QByteArray>& lines) { return Lines(lines).toStdString(); }
    static QByteArray WithConfirmation(QByteArray line) {
        QList<QByteArray> fields = line.split(';');
        fields[9] = "1";
        return fields.join(';');
    }
};

const QString kInfo82 = "INFO 82: Message transfer to LES started. File OUT.021";
const QString kInfo81 = "INFO 81: Message delivered to destination.\r\nReference number 4711\r\nLES 112 File OUT.021";

TEST_F(DeliveryStatusTest, SubmissionMovesFromSendingToDelivered) {
    Write("OUT.IDX", Lines({SubmissionLine("AB000001.TXT", "112", "<None>", "Initiated")}));
    Walk({kInfo82});
    EXPECT_EQ(Log(), L({SubmissionLine("AB000001.TXT", "112", "OUT.021", "Sending")}));
    Walk({kInfo81});
    EXPECT_EQ(Log(), L({SubmissionLine("AB000001.TXT", "112", "4711", "Delivered")}));
}

TEST_F(DeliveryStatusTest, ConfirmationRequestedGivesConfReq) {
    Write("OUT.IDX", Lines({WithConfirmation(SubmissionLine("AB000001.TXT", "112", "<None>", "Initiated"))}));
    Walk({kInfo82, kInfo81});
    EXPECT_EQ(Log(), L({WithConfirmation(SubmissionLine("AB000001.TXT", "112", "4711", "ConfReq"))}));
}

// A transceiver file name comes round again: an old line that never heard back still carries it.
// The flag of the line being delivered decides, not the flag of the first line with that name.
TEST_F(DeliveryStatusTest, ConfirmationFlagIsTheChangedLinesOwn) {
    const QByteArray old = WithConfirmation(SubmissionLine("AB000001.TXT", "112", "OUT.021", "Failed"));
    Write("OUT.IDX", Lines({old, SubmissionLine("AB000002.TXT", "112", "OUT.021", "Sending")}));
    Walk({kInfo81});
    EXPECT_EQ(Log(), L({old, SubmissionLine("AB000002.TXT", "112", "4711", "Delivered")}));
}

TEST_F(DeliveryStatusTest, MixedFlagsAmongSendingLinesEachGetTheirOwnStatus) {
    Write("OUT.IDX", Lines({WithConfirmation(SubmissionLine("AB000001.TXT", "112", "OUT.021", "Sending")),
                            SubmissionLine("AB000002.TXT", "112", "OUT.021", "Sending")}));
    Walk({kInfo81});
    EXPECT_EQ(Log(), L({WithConfirmation(SubmissionLine("AB000001.TXT", "112", "4711", "ConfReq")),
                            SubmissionLine("AB000002.TXT", "112", "4711", "Delivered")}));
}

TEST_F(DeliveryStatusTest, Info82TakesOnlyTheFirstWaitingLine) {
    Write("OUT.IDX", Lines({SubmissionLine("AB000001.TXT", "112", "<None>", "Initiated"),
                            SubmissionLine("AB000002.TXT", "112", "<None>", "Initiated")}));
    Walk({kInfo82});
    EXPECT_EQ(Log(), L({SubmissionLine("AB000001.TXT", "112", "OUT.021", "Sending"),
                            SubmissionLine("AB000002.TXT", "112", "<None>", "Initiated")}));
}

TEST_F(DeliveryStatusTest, Info81ForAnUnknownFileGoesToTheFirstWaitingLine) {
    Write("OUT.IDX", Lines({SubmissionLine("AB000001.TXT", "112", "OUT.007", "Sending"),
                            WithConfirmation(SubmissionLine("AB000002.TXT", "112", "<None>", "Initiated")),
                            SubmissionLine("AB000003.TXT", "112", "<None>", "Initiated")}));
    Walk({kInfo81});
    EXPECT_EQ(Log(), L({SubmissionLine("AB000001.TXT", "112", "OUT.007", "Sending"),
                            WithConfirmation(SubmissionLine("AB000002.TXT", "112", "4711", "ConfReq")),
                            SubmissionLine("AB000003.TXT", "112", "<None>", "Initiated")}));
}

TEST_F(DeliveryStatusTest, Info81WithoutFileAlsoFallsBackToTheFirstWaitingLine) {
    Write("OUT.IDX", Lines({SubmissionLine("AB000001.TXT", "112", "<None>", "Initiated")}));
    Walk({"INFO 81: Message delivered.\r\nReference number 99"});
    EXPECT_EQ(Log(), L({SubmissionLine("AB000001.TXT", "112", "99", "Delivered")}));
}

TEST_F(DeliveryStatusTest, Info80NeedsItsEndMark) {
    const QByteArray log = Lines({SubmissionLine("AB000001.TXT", "112", "OUT.021", "Sending")});
    Write("OUT.IDX", log);
    Walk({"INFO 80: Transmission failed. File OUT.021"});
    EXPECT_EQ(Log(), log.toStdString());
    Walk({"INFO 80: \x02Transmission failed. File OUT.021\x03"});
    EXPECT_EQ(Log(), L({SubmissionLine("AB000001.TXT", "112", "OUT.021", "Failed")}));
}

TEST_F(DeliveryStatusTest, Info140And141SetTheConfirmationResult) {
    struct Case {
        const char* name;
        QByteArray before;
        QString entry;
        QByteArray after;
    } cases[] = {
        {"failure code", SubmissionLine("A1.TXT", "112", "4711", "ConfReq"),
         "INFO 140: Delivery not confirmed.\r\nReference number 4711\r\nLES 112 File OUT.021 failure code: 12",
         SubmissionLine("A1.TXT", "112", "4711", "Failed. Error code: '12'")},
        {"reference already there, whatever its status", SubmissionLine("A1.TXT", "112", "4711", "Delivered"),
         "INFO 141: Delivery confirmed.\r\nReference number 4711\r\nLES 112 File OUT.021",
         SubmissionLine("A1.TXT", "112", "4711", "Conf.OK")},
        {"another LES keeps its line", SubmissionLine("A1.TXT", "212", "4711", "ConfReq"),
         "INFO 141: Delivery confirmed.\r\nReference number 4711\r\nLES 112 File OUT.021",
         SubmissionLine("A1.TXT", "212", "4711", "ConfReq")},
        {"still under the transceiver's name", SubmissionLine("A1.TXT", "112", "OUT.021", "Sending"),
         "INFO 141: Delivery confirmed.\r\nReference number 4711\r\nLES 112 File OUT.021",
         SubmissionLine("A1.TXT", "112", "4711", "Conf.OK")},
        {"waiting line", SubmissionLine("A1.TXT", "112", "<None>", "Initiated"),
         "INFO 141: Delivery confirmed.\r\nReference number 4711\r\nLES 112 File OUT.099",
         SubmissionLine("A1.TXT", "112", "4711", "Conf.OK")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("OUT.IDX", Lines({c.before}));
        Walk({c.entry});
        EXPECT_EQ(Log(), L({c.after}));
    }
}

// With confirmations printed, the printer gets the whole report and the pieces on its first
// line are still read.
TEST_F(DeliveryStatusTest, PrintedConfirmationIsStillReadWhole) {
    f.gSession.SetProductType(4);
    SaveAppSetting(f, f.gProductName, "Settings", "PrintMsgConf", "1");
    Write("OUT.IDX", Lines({SubmissionLine("A1.TXT", "112", "4711", "ConfReq")}));
    Walk({"INFO 141: Reference number 4711\r\nLES 112 File OUT.021"});
    EXPECT_EQ(Log(), L({SubmissionLine("A1.TXT", "112", "4711", "Conf.OK")}));
    ASSERT_EQ(platform.Printer.Jobs.size(), 1);
    EXPECT_TRUE(platform.Printer.LastJob().contains("Reference number 4711"));
}

TEST_F(DeliveryStatusTest, RepeatedConfirmationRequestAnswered) {
    const QByteArray log = Lines({SubmissionLine("A1.TXT", "112", "4711", "ConfReq")});
    Write("OUT.IDX", log);
    Walk({"INFO 130: Confirmation received"});
    EXPECT_EQ(Log(), log.toStdString());  // no request pending
    SetIniValue(f, "ConfReq", "A1.TXT", false);
    Walk({"INFO 131: Confirmation received"});
    EXPECT_EQ(Log(), L({SubmissionLine("A1.TXT", "112", "4711", "ConfOk")}));
    EXPECT_EQ(GetIniValue(f, "ConfReq"), "");
}

TEST_F(DeliveryStatusTest, DistressAlertConfirmedAndFailed) {
    Write("OUT.IDX", Lines({DistressLine("Sending"), DistressLine("Sending")}));
    Walk({"INFO 20: Distress alert failed"});
    EXPECT_EQ(Log(), L({DistressLine("Failed"), DistressLine("Sending")}));
    Write("OUT.IDX", Lines({DistressLine("Sending"), DistressLine("Sending")}));
    Walk({"INFO 21: Distress alert acknowledged"});
    EXPECT_EQ(Log(), L({DistressLine("Conf.Ok"), DistressLine("Conf.Ok")}));
    EXPECT_EQ(views.Calls.count("OutboxButton_Click"), 2);
    EXPECT_FALSE(f.gSession.AddDistressAlertToOutbox());
}

TEST_F(DeliveryStatusTest, DistressAlertBeingSentWhileConnectedWaitsForTheGeneratorSettings) {
    struct Case {
        int product;
        int solas;
        QString queued;
    } cases[] = {{3, 0, "se -g\r\n"}, {4, 0, "se -g\r\nse -m ALL_OCEANS\r\n"}, {5, 1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.product);
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetMesConnected(true);
        f.gSession.SetProductType(c.product);
        f.gSession.SetSolasType(c.solas);
        Write("OUT.IDX", "");
        Walk({"INFO 22: Distress alert being sent"});
        EXPECT_EQ(link.Dialogue.CommandQueue, c.queued);
        EXPECT_TRUE(f.gSession.AddDistressAlertToOutbox());
        EXPECT_EQ(f.gSession.DistressAlertStatus(), 1);
        EXPECT_EQ(Log(), "");  // the line comes after the generator's reply
    }
}

TEST_F(DeliveryStatusTest, DistressAlertBeingSentWithoutConnectionIsLoggedAtOnce) {
    FakeNotificationsWindow notices;
    link.Windows.NotificationsWindow = &notices;
    f.gSession.SetMesConnected(false);
    Write("OUT.IDX", "");
    Walk({"INFO 22: Distress alert being sent"});
    EXPECT_NE(Log().find(";MRCC;Auto;Distress Alert;"), std::string::npos);
    EXPECT_NE(Log().find(";-;-;Sending;"), std::string::npos);
    EXPECT_EQ(Read("-"), "Distress Alert");
    EXPECT_FALSE(f.gSession.AddDistressAlertToOutbox());
    EXPECT_EQ(notices.NoticeHidden, 1);
}

TEST_F(DeliveryStatusTest, ReportWithoutItsPieceGivesTheHandlersBoxAndChangesNothing) {
    const QByteArray log = Lines({SubmissionLine("A1.TXT", "112", "<None>", "Initiated")});
    Write("OUT.IDX", log);
    Walk({"INFO 82: Message transfer started", "INFO 81: Delivered, no reference", "INFO 141: Reference number 1"});
    EXPECT_EQ(Log(), log.toStdString());
    const QStringList texts = QueuedTexts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].startsWith("(CInfo.HandleInfo82) Error '5': ")) << texts[0].toStdString();
    EXPECT_TRUE(texts[1].startsWith("(CInfo.HandleInfo81) Error '5': ")) << texts[1].toStdString();
    EXPECT_TRUE(texts[2].startsWith("(CInfo.HandleInfo140_141) Error '5': ")) << texts[2].toStdString();
}

TEST_F(DeliveryStatusTest, Info80And81BalanceTheInfo552Alarm) {
    FakeMobileStatusField field;
    link.Windows.StatusField = &field;
    Write("OUT.IDX", "");
    Walk({"INFO 552: Message not sent", "INFO 552: Message not sent", "INFO 552: Message not sent"});
    EXPECT_EQ(link.Notifications.Info552Count, 3);
    Walk({"INFO 80: \x02" "Failed\x03", "INFO 80: \x02" "Failed\x03"});
    EXPECT_EQ(link.Notifications.Info552Count, 1);
    EXPECT_EQ(field.Paints.last(), StatusFieldColours::Alarm);
    Walk({kInfo81});
    EXPECT_EQ(link.Notifications.Info552Count, 0);
    EXPECT_EQ(field.Paints.last(), StatusFieldColours::Normal);
    Walk({kInfo81});
    EXPECT_EQ(link.Notifications.Info552Count, 0);
}

}  // namespace
