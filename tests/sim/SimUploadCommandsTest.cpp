#include <gtest/gtest.h>

#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

const QDateTime kWritten(QDate(2026, 12, 10), QTime(9, 5), Qt::UTC);

struct UploadShell : ::testing::Test {
    UploadShell() { shell.Uploads.Put({"AB123456.TXT", QString(250, 'x'), kWritten}); }
    SimShell shell;
};

TEST_F(UploadShell, ListsAnUploadInEitherLayout) {
    EXPECT_EQ(shell.ReplyTo("ls AB123456.TXT"),
              "ls AB123456.TXT\r\nName     Num     Size  Date      Time\r\n"
              "AB123456.TXT       250  26-12-10  09:05\r\n   1843200 bytes free\r\ncan0:/$ ");
    shell.Inbox.ListingLayout = 2;
    EXPECT_EQ(shell.ReplyTo("ls AB123456.TXT"),
              "ls AB123456.TXT\r\nDirectory of AB123456.TXT\r\n"
              "AB123456     .TXT                   26-12-10  09:05     250 bytes\r\n1 file(s)\r\ncan0:/$ ");
    EXPECT_EQ(shell.ReplyTo("ls XY000001.TXT"), "ls XY000001.TXT\r\nls: XY000001.TXT: no such file\r\ncan0:/$ ");
}

TEST_F(UploadShell, DeletesUploadsBesideReceivedMessages) {
    EXPECT_EQ(shell.ReplyTo("delete AB123456.TXT"), "delete AB123456.TXT\r\ncan0:/$ ");
    EXPECT_TRUE(shell.Uploads.Files.isEmpty());
    EXPECT_EQ(shell.ReplyTo("delete AB123456.TXT"),
              "delete AB123456.TXT\r\ndelete: AB123456.TXT: no such file\r\ncan0:/$ ");
}

TEST_F(UploadShell, SubmissionIsRefusedOnceWhenAnErrorIsChosen) {
    EXPECT_EQ(shell.ReplyTo("tx AB123456.TXT -l 112"), "tx AB123456.TXT -l 112\r\ncan0:/$ ");
    shell.Uploads.NextTxError = "ERROR 121: DNID not found";
    EXPECT_EQ(shell.ReplyTo("tx AB123456.TXT -l 112"), "tx AB123456.TXT -l 112\r\nERROR 121: DNID not found\r\ncan0:/$ ");
    EXPECT_EQ(shell.ReplyTo("tx AB123456.TXT -l 112"), "tx AB123456.TXT -l 112\r\ncan0:/$ ");
}

// A shell fed bytes as the program writes them, its output collected.
struct UploadStream : ::testing::Test {
    UploadStream() : shell([this](const QByteArray& b) { written += b; }) {
        shell.Transceiver.Utc = kWritten;
    }
    SimShell shell;
    QByteArray written;
};

TEST_F(UploadStream, TheAnnouncedBytesAreTheFileThenLinesAgain) {
    const struct {
        const char* name;
        QList<QByteArray> writes;  // as they arrive
        QString file;
        QStringList lines;         // every line read
    } cases[] = {
        {"whole", {"tr 12070301.out -b 5\r", "Hello\r\nls 12070301.out\r\n"}, "Hello", {"tr 12070301.out -b 5", "", "ls 12070301.out"}},
        {"first byte LF", {"tr 12070301.out -b 3\r\nab\r\n"}, "\nab", {"tr 12070301.out -b 3", ""}},
        {"ends with CR, LF follows", {"tr 12070301.out -b 3\rab\r", "\nst -l\r\n"}, "ab\r", {"tr 12070301.out -b 3", "", "st -l"}},
        {"in many writes", {"tr 12070301.out -b 6", "\r", "a", "bc", "de", "fst -l\r\n"}, "abcdef", {"tr 12070301.out -b 6", "st -l"}},
        {"empty file", {"tr 12070301.out -b 0\rst -l\r\n"}, "", {"tr 12070301.out -b 0", "st -l"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.Uploads.Files.clear();
        shell.Received.clear();
        for (const QByteArray& w : c.writes) shell.Receive(w);
        const SimUpload* f = shell.Uploads.Find("12070301.out");
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->Text, c.file);
        EXPECT_EQ(f->Written, kWritten);
        EXPECT_EQ(shell.Received, c.lines);
        EXPECT_FALSE(shell.UploadInProgress());
    }
}

TEST_F(UploadStream, EchoAtOnceAndThePromptWhenTheFileIsComplete) {
    shell.Receive("tr 12070301.out -b 5\r");
    EXPECT_EQ(written, "tr 12070301.out -b 5\r\n");
    shell.Receive("Hel");
    EXPECT_EQ(written, "tr 12070301.out -b 5\r\n");
    EXPECT_TRUE(shell.UploadInProgress());
    shell.Receive("lo");
    EXPECT_EQ(written, "tr 12070301.out -b 5\r\ncan0:/$ ");
    shell.Receive("ls 12070301.out\r\ntx 12070301.out -c 112 -n\nprint 12070301.out -d\r\n");
    EXPECT_TRUE(written.contains("12070301.out         5  26-12-10  09:05"));
    EXPECT_EQ(shell.Uploads.Submitted, QStringList{"12070301.out"});
    EXPECT_EQ(shell.Printed, QStringList{"Hello"});
}

TEST_F(UploadStream, AnIllFormedUploadCommandIsRefusedAndReadsNoFile) {
    for (const char* line : {"tr 12070301.out", "tr 12070301.out -b x", "tr 12070301.out -b -4", "tr ../x -b 2"}) {
        written.clear();
        shell.Receive(QByteArray(line) + "\r\nst -l\r\n");
        EXPECT_TRUE(written.startsWith(QByteArray(line) + "\r\ntr: usage: tr <file> -b <bytes>\r\ncan0:/$ ")) << line;
        EXPECT_FALSE(shell.UploadInProgress());
    }
    EXPECT_TRUE(shell.Uploads.Files.isEmpty());
}

TEST_F(UploadStream, ACutUploadIsNeverStoredOrSubmitted) {
    shell.CutUploadAfter = 3;
    shell.Receive("tr 12070301.out -b 5\rHello");
    EXPECT_TRUE(shell.Mute);
    EXPECT_EQ(written, "tr 12070301.out -b 5\r\n") << "no prompt after a cut upload";
    shell.Mute = false;
    written.clear();
    shell.Receive("tx 12070301.out -c 112 -n\n");
    EXPECT_EQ(written, "tx 12070301.out -c 112 -n\r\nERROR 101: File not found\r\ncan0:/$ ");
    EXPECT_TRUE(shell.Uploads.Files.isEmpty());
    EXPECT_TRUE(shell.Uploads.Submitted.isEmpty());
}

TEST_F(UploadStream, PrintingTheTransceiversPrinterFile) {
    shell.Receive("tr tideprnt.txt -b 4\rPage");
    written.clear();
    shell.Receive("print tideprnt.txt -d\r\nprint other.txt -d\r\n");
    EXPECT_EQ(written, "print tideprnt.txt -d\r\ncan0:/$ print other.txt -d\r\nprint: other.txt: no such file\r\ncan0:/$ ");
    EXPECT_EQ(shell.Printed, QStringList{"Page"});
}

TEST_F(UploadShell, DistressGeneratorSettingsBlock) {
    shell.Transceiver.Utc = QDateTime(QDate(2026, 12, 10), QTime(12, 30), Qt::UTC);
    EXPECT_EQ(shell.ReplyTo("se -g"),
              "se -g\r\nParameters for Distress Alert Generator\r\n"
              "Current LES/NCS Id: 112\r\n"
              "Nature of Distress: U\r\n"
              "Position          : 55 40 12 N 012 35 47 E\r\n"
              "Time of Position  : 12:30\r\n"
              "Course            : 090 deg/true\r\n"
              "Speed             : 11 knots\r\ncan0:/$ ");
}

}  // namespace

namespace {

TEST_F(UploadShell, PrinterSettingsAreKeptAndThePrinterPrintsAnUploadedFile) {
    EXPECT_EQ(shell.ReplyTo("se -z PLINES=53"), "se -z PLINES=53\r\ncan0:/$ ");
    EXPECT_EQ(shell.ReplyTo("se -z PRINTER=YES"), "se -z PRINTER=YES\r\ncan0:/$ ");
    EXPECT_EQ(shell.PrinterSettings.value("PLINES"), "53");
    EXPECT_EQ(shell.PrinterSettings.value("PRINTER"), "YES");
    EXPECT_EQ(shell.ReplyTo("se -z PLINES"), "se -z PLINES\r\nse: usage: se -z KEY=VALUE\r\ncan0:/$ ");

    shell.Uploads.Put({"tideprnt.txt", "line 1\r\nline 2", kWritten});
    EXPECT_EQ(shell.ReplyTo("print tideprnt.txt -d"), "print tideprnt.txt -d\r\ncan0:/$ ");
    EXPECT_EQ(shell.Printed, QStringList{"line 1\r\nline 2"});
    EXPECT_EQ(shell.ReplyTo("print other.txt -d"), "print other.txt -d\r\nprint: other.txt: no such file\r\ncan0:/$ ");
}

}  // namespace
