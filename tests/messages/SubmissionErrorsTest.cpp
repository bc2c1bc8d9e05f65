#include <gtest/gtest.h>

#include "messages/OutboxFixture.h"
#include "link/UploadChecks.h"
#include "messages/SubmissionErrors.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

TEST(CheckUploadedFileSize, ReadsBothListingLayouts) {
    struct Case {
        const char* name;
        const char* reply;
        qint32 size;
        bool expected;
    } cases[] = {
        {"detailed listing", "ls AB123456.TXT\r\nAB123456.TXT : 250 bytes, 26-12-10 22:41\r\ncan0:/$ ", 250, true},
        {"detailed listing, other size", "ls AB123456.TXT\r\nAB123456.TXT : 249 bytes\r\n", 250, false},
        {"LF-only shell", "ls AB123456.TXT\nAB123456.TXT : 250 bytes\n", 250, true},
        {"no line end at all", "ls AB123456.TXT AB123456.TXT : 250 bytes", 250, false},
        {"no colon", "ls AB123456.TXT\r\nAB123456.TXT 250 bytes\r\n", 250, false},
        {"no bytes word", "ls AB123456.TXT\r\nAB123456.TXT : 250\r\n", 250, false},
        {"number not a number", "ls AB123456.TXT\r\nAB123456.TXT :x250 bytes\r\n", 250, false},
        {"summary layout", "ls AB123456.TXT\r\nAB123456.TXT      250  26-12-10  22:41\r\n  12345 bytes free\r\n", 250, true},
        {"summary layout, other size", "ls AB123456.TXT\r\nAB123456.TXT      251  26-12-10  22:41\r\n 9 bytes free\r\n", 250, false},
        {"summary layout, size too early", "ls AB123456.TXT\r\nAB 250 3456.TXT   26-12-10 22:41\r\n 9 bytes free\r\n", 250, false},
        {"summary layout without colon", "ls AB123456.TXT\r\nAB123456.TXT      250  26-12-10\r\n 9 bytes free\r\n", 250, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckUploadedFileSize(c.reply, "AB123456.TXT", c.size), c.expected) << c.name;
}

struct SubmissionErrorsTest : OutboxFixture {
    std::string Log() const { return Read("OUT.IDX").toStdString(); }
    static std::string L(const QList<QByteArray>& lines) { return Lines(lines).toStdString(); }
};

TEST_F(SubmissionErrorsTest, MismatchedUploadIsReportedAndDeleted) {
    Write("OUT.IDX", Lines({SubmissionLine("AB123456.TXT", "112", "<None>", "Initiated"),
                            SubmissionLine("AB000001.TXT", "112", "4711", "Delivered")}));
    BeginSentFileCheck(link, "AB123456.TXT", 250);
    link.Dialogue.CommandQueue = "tx AB123456.TXT -c 112 -n\n";
    Dispatch("ls AB123456.TXT\r\nAB123456.TXT : 200 bytes\r\ncan0:/$ ");
    EXPECT_EQ(QueuedTexts(), QStringList{"Error: The message 'AB123456.TXT' was possibly sent with errors."});
    EXPECT_EQ(link.Dialogue.CommandQueue, "delete AB123456.TXT\r\n") << "the damaged upload is not submitted";
    EXPECT_TRUE(link.Requests.SentFileChecks.isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(Log(), L({SubmissionLine("AB123456.TXT", "112", "<None>", "Failed"),
                        SubmissionLine("AB000001.TXT", "112", "4711", "Delivered")}));

    BeginSentFileCheck(link, "AB123457.TXT", 250);
    Dispatch("ls AB123457.TXT\r\nAB123457.TXT : 250 bytes\r\ncan0:/$ ");
    EXPECT_TRUE(QueuedTexts().isEmpty());
    EXPECT_EQ(link.Dialogue.CommandQueue, "delete AB123456.TXT\r\n");
}

TEST_F(SubmissionErrorsTest, RefusedSubmissionMarksEveryLineOfItsFile) {
    struct Case {
        const char* name;
        QString lineEnd;
        int code;
        QString text;
        bool hint;
    } cases[] = {
        {"DNID refused, CR LF", "\r\n", 121, "DNID not found", true},
        {"LF-only shell", "\n", 121, "DNID not found", true},
        {"CR CR LF", "\r\r\n", 121, "DNID not found", true},
        {"other error", "\r\n", 130, "Message too long", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        views.Shown = 2;
        views.Calls.clear();
        Write("OUT.IDX", Lines({SubmissionLine("AB123456.TXT", "112", "<None>", "Initiated"),
                                SubmissionLine("AB000001.TXT", "112", "4711", "Delivered"),
                                SubmissionLine("AB123456.TXT", "112", "<None>", "Initiated", "Bob")}));
        const QString le = c.lineEnd;
        Dispatch("tx AB123456.TXT -l 112" + le + "ERROR " + QString::number(c.code) + ": " + c.text + le + "can0:/$ ");
        EXPECT_EQ(Log(), L({SubmissionLine("AB123456.TXT", "112", "TX-Error", "Failed"),
                            SubmissionLine("AB000001.TXT", "112", "4711", "Delivered"),
                            SubmissionLine("AB123456.TXT", "112", "TX-Error", "Failed", "Bob")}));
        QString notice = "Message Transmission failed.\r\n\r\nError " + QString::number(c.code) + ": " + c.text + "\r\n";
        if (c.hint) notice += "Please check the message size and that the DNID exists in the transceiver.";
        EXPECT_EQ(QueuedTexts(), QStringList{notice});
        EXPECT_TRUE(views.Calls.contains("ChangeViewEditor"));
        EXPECT_EQ(views.Shown, 0);
    }
}

TEST_F(SubmissionErrorsTest, EgcOnlyRefusalKeepsTheView) {
    views.Shown = 2;
    Write("OUT.IDX", Lines({SubmissionLine("AB123456.TXT", "112", "<None>", "Initiated")}));
    Dispatch("tx AB123456.TXT -l 112\r\nERROR 250: EGC receiver only\r\ncan0:/$ ");
    EXPECT_EQ(Log(), L({SubmissionLine("AB123456.TXT", "112", "EGC only", "Failed")}));
    EXPECT_EQ(QueuedTexts(), QStringList{"Not allowed to transmit as EGC receiver!"});
    EXPECT_FALSE(views.Calls.contains("ChangeViewEditor"));
    EXPECT_EQ(views.Shown, 2);
}

TEST_F(SubmissionErrorsTest, AcceptedSubmissionChangesNothing) {
    const QByteArray log = Lines({SubmissionLine("AB123456.TXT", "112", "<None>", "Initiated")});
    Write("OUT.IDX", log);
    Dispatch("tx AB123456.TXT -l 112\r\ncan0:/$ ");
    EXPECT_EQ(Read("OUT.IDX"), log);
    EXPECT_TRUE(QueuedTexts().isEmpty());
}

}  // namespace
