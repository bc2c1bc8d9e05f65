#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "messages/MessagesFixture.h"
#include "messages/PrintFetchedFile.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

struct PrintFetchedFile : test::MessagesFixture {
    QStringList Boxes() {
        QStringList texts;
        texts << test::DrainErrorQueue(f);
        return texts;
    }
};

// A reply loses its echo line on paper, whatever the transceiver's line end; every other text is
// printed whole. An empty line always comes first.
TEST_F(PrintFetchedFile, ReplyLosesItsEchoLineOtherTextsPrintWhole) {
    for (const QString end : {"\n", "\r\n", "\r\r\n"}) {
        link.Dialogue.EchoTerminator = end;
        link.Dialogue.EchoTerminatorLength = static_cast<qint16>(end.size());
        QString reply = "type MSG.TXT" + end + "First" + end + "Second";
        Print_Fetched_File(m, reply, PrintedText::Reply);
        EXPECT_EQ(platform.Printer.Jobs.last(), (QStringList{"", "First", "Second"}));
        EXPECT_EQ(reply, "First" + end + "Second");

        QString body = "First" + end + "Second";
        Print_Fetched_File(m, body, PrintedText::Body);
        EXPECT_EQ(platform.Printer.Jobs.last(), (QStringList{"", "First", "Second"}));
        EXPECT_EQ(body, "First" + end + "Second");
    }
    link.Dialogue.EchoTerminator = "\r\n";
    QString oneLine = "No line end here";
    Print_Fetched_File(m, oneLine, PrintedText::Reply);
    EXPECT_EQ(platform.Printer.Jobs.last(), (QStringList{"", "No line end here"}));
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(PrintFetchedFile, FailedJobQueuesTheErrorBox) {
    platform.Printer.Failure = {482, "Printer error"};
    QString text = "Text";
    Print_Fetched_File(m, text, PrintedText::Body);
    EXPECT_TRUE(platform.Printer.Jobs.isEmpty());
    EXPECT_EQ(Boxes(), QStringList{"(Print_Fetched_File) Error '482': Printer error.\r\nDue to this error, the EGC "
                                   "message might not be sent to the printer."});
}

TEST_F(PrintFetchedFile, TypeReplyIsPrintedWithoutItsEchoUnlessReportsAreOff) {
    Dispatch("type IN.001\r\nReport line\r\ncan0:/$ ");
    ASSERT_EQ(platform.Printer.Jobs.size(), 1);
    EXPECT_EQ(platform.Printer.Jobs[0], (QStringList{"", "Report line", "can0:/$ "}));

    SaveAppSetting(f, f.gProductName, "Messages", "PrintReports", "0");
    Dispatch("type IN.001\r\nReport line\r\ncan0:/$ ");
    EXPECT_EQ(platform.Printer.Jobs.size(), 1);
}

}  // namespace
