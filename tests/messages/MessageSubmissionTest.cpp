#include <QDir>
#include <QFile>
#include <ostream>

#include "TransmissionFixture.h"
#include "foundation/Definitions.h"
#include "link/CommandQueue.h"
#include "link/UploadChecks.h"
#include "messages/MessageFileNames.h"
#include "support/FakeFlexGrid.h"

using namespace tidepost;

namespace {

// A group on its way from the recipient grouping to the outbox log, with the sent-items folder
// "sent items" of the data folder (also the settings file's "[outbox]") and its grid. The manual
// clock stands at 3 July 2012, 09:05.
class Submission : public test::TransmissionTest {
protected:
    Submission() {
        outbox = platform.DataFolder() + "/sent items";
        QDir().mkpath(outbox);
        f.gOutboxDir = outbox + "/";
        f.gIniEntries.Items.append({"[outbox]", f.gOutboxDir});
        InitDestinationTypeNames(f);
        m.OutboxMSGrid = &grid;
    }

    QByteArray Read(const QString& name) const {
        QFile file(outbox + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(outbox + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A telex group of one 7-bit number, ready to be formatted.
    CTransmission Telex(const QString& name = "12070301.out") {
        CTransmission tx = Transmission();
        tx.LESUsed = "112";
        EXPECT_TRUE(tx.SetPresentation(1));
        EXPECT_TRUE(tx.SetDestination(1, "", ""));
        tx.Message().SetAddressCell("4712345", 1, 1, 0);
        tx.Message().TextField = "Hello";
        tx.SetOutFileName(name);
        return tx;
    }

    QString outbox;
    test::FakeFlexGrid grid;
};

TEST_F(Submission, AGroupIsSavedUploadedSubmittedAndLogged) {
    UseBook("Ops:Email:7:ops@owner.example\r\nCrew:Email:7:crew@owner.example\r\n");
    CTransmission tx = Transmission("Sea Mail");
    tx.SetParameters("Sea Mail", true, false, false);
    tx.LESUsed = "112";
    tx.Message().Subject = "Hi; there";
    tx.Message().TextField = "Hello";
    tx.SortRecipients(Names({"Ops"}, {"Crew"}));
    ASSERT_TRUE(tx.ConvertAddresses());
    const TypeAndFormat group = tx.CurrentGroup();
    tx.SetOutFileName(GetNewMessageFileName(f, f.gOutboxDir, "out"));
    ASSERT_EQ(tx.OutFileName(), "12070301.out");

    ASSERT_TRUE(tx.FormatMessage(group.Type, group.Format));
    const QString text = "ops@owner.example\r\ncrew@owner.example\r\nHi; there\r\nHello";
    EXPECT_EQ(tx.Message().TextField, text);
    ASSERT_TRUE(tx.SaveFileInOutBox());
    EXPECT_EQ(Read("12070301.out"), text.toLatin1() + "\r\n");
    ASSERT_TRUE(tx.TransferMessage());
    ASSERT_TRUE(tx.SendMessage());
    ASSERT_TRUE(tx.WriteOutLog(group.Type, group.Format, "Ops", "Crew", ""));
    EXPECT_EQ(tx.Status(), 116);

    const QString n = QString::number(text.size());
    EXPECT_EQ(link.Dialogue.CommandQueue, "tr 12070301.out -b " + n + "\r\nls 12070301.out\r\n"
                                          "tx 12070301.out -c 112 -s 0 -t 6 -l 0 -e 1234 -n -v\n");
    ASSERT_EQ(link.Requests.SentFileChecks.size(), 1);
    EXPECT_EQ(link.Requests.SentFileChecks[0].SentFileName, "12070301.out");
    EXPECT_EQ(link.Requests.SentFileChecks[0].SentFileSize, text.size());
    EXPECT_EQ(Read("OUT.IDX"), ("12070301.out;ops@owner.example,crew@owner.example;112;E-Mail 7 Bit;12-07-03;09:05; " +
                                n + ";<None>;Initiated;1;0;0;0;03;07;09;05;Ops;Crew;;Hi; there\r\n")
                                   .toLatin1());
    ASSERT_EQ(grid.Rows(), 2) << "the sent-items view is loaded again";
    EXPECT_EQ(grid.Text(1, 0), "12070301.out");
}

// ---- the "tx" line ----

struct TxCase {
    const char* name;
    quint8 type;
    QString address, member;  // for SetDestination
    quint8 priority;
    bool print, confirm;
    QString les;
    QString expected;  // the queued line; "" when the submission is refused
};
void PrintTo(const TxCase& c, std::ostream* os) { *os << c.name; }

class TxLine : public Submission, public ::testing::WithParamInterface<TxCase> {};

TEST_P(TxLine, OptionsInTheirOrderEndingInABareLf) {
    const TxCase& c = GetParam();
    CTransmission tx = Telex();
    tx.SetParameters("Sea Mail", c.confirm, c.print, false);
    tx.Priority = c.priority;
    tx.LESUsed = c.les;
    ASSERT_TRUE(tx.SetDestination(c.type, c.address, c.member));
    link.Dialogue.CommandQueue = "st -l\r\n";
    EXPECT_EQ(tx.SendMessage(), !c.expected.isEmpty());
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\n" + c.expected);
    EXPECT_EQ(tx.Status(), c.expected.isEmpty() ? 0 : 32);
}

INSTANTIATE_TEST_SUITE_P(
    Options, TxLine,
    ::testing::Values(
        TxCase{"DistressNotPrintedWithConfirmation", 1, "", "", 1, false, true, "112",
               "tx 12070301.out -c 112 -s 0 -t 0 -l 0 -a -n -v\n"},
        TxCase{"PrintedWithoutConfirmation", 1, "", "", 0, true, false, "112", "tx 12070301.out -c 112 -s 0 -t 0 -l 0\n"},
        TxCase{"FaxExtension", 2, "", "", 0, false, false, "001", "tx 12070301.out -c 001 -s 0 -t 1 -l 0 -e T30 -n\n"},
        TxCase{"DnidAndMember", 6, "12345", "7", 0, false, false, "312",
               "tx 12070301.out -c 312 -s 0 -t 5 -l 0 -e 12345,7 -n\n"},
        TxCase{"EmptyLes", 1, "", "", 0, false, false, "", ""},
        TxCase{"LesWithABlank", 1, "", "", 0, false, false, "1 -v", ""},
        TxCase{"LesWithALineBreak", 1, "", "", 0, false, false, "112\r\ndelete IN.001", ""},
        TxCase{"ExtensionWithAnOption", 5, "32 -a", "", 0, false, false, "112", ""},
        TxCase{"ExtensionWithALineBreak", 5, "32\nst -l", "", 0, false, false, "112", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Submission, EverySubmissionIsAppendedWithoutTheDuplicateTest) {
    CTransmission tx = Telex();
    ASSERT_TRUE(tx.SendMessage());
    ASSERT_TRUE(tx.SendMessage());
    EXPECT_EQ(link.Dialogue.CommandQueue, "tx 12070301.out -c 112 -s 0 -t 0 -l 0 -n\ntx 12070301.out -c 112 -s 0 -t 0 -l 0 -n\n");
    EXPECT_EQ(TakeFirstCommandLine(link), "tx 12070301.out -c 112 -s 0 -t 0 -l 0 -n\n");
}

// ---- the upload ----

TEST_F(Submission, UploadOfTheFormattedFile) {
    CTransmission tx = Telex();
    EXPECT_FALSE(tx.TransferMessage()) << "not formatted yet";
    ASSERT_TRUE(tx.FormatMessage(1, 1));
    ASSERT_TRUE(tx.SaveFileInOutBox());
    EXPECT_EQ(Read("12070301.out"), "4712345+\r\n\r\nHello\r\n");

    link.Dialogue.CommandQueue = "tr 12070301.out -b 16\r\n";  // duplicates are allowed
    ASSERT_TRUE(tx.TransferMessage());
    EXPECT_EQ(link.Dialogue.CommandQueue, "tr 12070301.out -b 16\r\ntr 12070301.out -b 17\r\nls 12070301.out\r\n");
    EXPECT_EQ(tx.Status(), 16) << "the upload adds nothing to the progress";

    // A second group gets a check of its own.
    CTransmission second = Telex("12070302.out");
    second.Message().TextField = "Second";
    ASSERT_TRUE(second.FormatMessage(1, 1));
    ASSERT_TRUE(second.SaveFileInOutBox());
    ASSERT_TRUE(second.TransferMessage());
    ASSERT_EQ(link.Requests.SentFileChecks.size(), 2);
    EXPECT_EQ(link.Requests.SentFileChecks[0].SentFileName, "12070301.out");
    EXPECT_EQ(link.Requests.SentFileChecks[0].SentFileSize, 17);
    EXPECT_EQ(link.Requests.SentFileChecks[1].SentFileName, "12070302.out");
    EXPECT_EQ(link.Requests.SentFileChecks[1].SentFileSize, 18);
}

TEST_F(Submission, UploadIsRefusedWhenItsFileWouldNotBeWhatItAnnounces) {
    const struct {
        const char* name;
        const char* file;        // the outbox file's content; nullptr: missing
        const char* outFileName;
        bool nameRefused;
    } cases[] = {
        {"no outbox file", nullptr, "12070301.out", false},
        {"file of another text", "4712345+\r\n\r\nHellO!\r\n", "12070301.out", false},
        {"name the transceiver would list otherwise", "4712345+\r\n\r\nHello\r\n", "120703100.out", true},
        {"name with a path", "4712345+\r\n\r\nHello\r\n", "../120703.out", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(outbox + "/" + c.outFileName);
        if (c.file) Write(c.outFileName, c.file);
        CTransmission tx = Telex(c.outFileName);
        ASSERT_TRUE(tx.FormatMessage(1, 1));
        EXPECT_FALSE(tx.TransferMessage());
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        EXPECT_TRUE(link.Requests.SentFileChecks.isEmpty());
        if (c.nameRefused) {
            EXPECT_FALSE(tx.SendMessage());
            EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        }
    }
}

TEST_F(Submission, WhileClosingDuringADownloadNothingIsQueuedAndBothStepsFail) {
    CTransmission tx = Telex();
    ASSERT_TRUE(tx.FormatMessage(1, 1));
    ASSERT_TRUE(tx.SaveFileInOutBox());
    link.Dialogue.ClosingDown = true;
    f.gSession.SetProcessingMsgs(true);
    EXPECT_FALSE(tx.TransferMessage());
    EXPECT_FALSE(tx.SendMessage());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(link.Requests.SentFileChecks.isEmpty());
    EXPECT_EQ(tx.Status(), 16);
}

TEST_F(Submission, SavingReplacesAnOldFileAndNeedsItsFolder) {
    Write("12070301.out", "an older, longer text\r\n");
    CTransmission tx = Telex();
    ASSERT_TRUE(tx.FormatMessage(1, 1));
    ASSERT_TRUE(tx.SaveFileInOutBox());
    EXPECT_EQ(Read("12070301.out"), "4712345+\r\n\r\nHello\r\n");

    f.gOutboxDir = platform.DataFolder() + "/missing/";
    EXPECT_FALSE(tx.SaveFileInOutBox());
    f.gOutboxDir.clear();
    EXPECT_FALSE(tx.SaveFileInOutBox());
    EXPECT_EQ(tx.Status(), 16);
}

// ---- the outbox log ----

struct LogCase {
    const char* name;
    quint8 type;
    quint8 format;
    QString to, cc, bcc;  // address cells
    QString toAlias, ccAlias, bccAlias;
    QString subject;
    QString head;  // fields 0 to 3
    QString tail;  // fields 17 to 20
};
void PrintTo(const LogCase& c, std::ostream* os) { *os << c.name; }

class OutLogLine : public Submission, public ::testing::WithParamInterface<LogCase> {};

TEST_P(OutLogLine, HasTheFieldsOfTheSubmission) {
    const LogCase& c = GetParam();
    CTransmission tx = Transmission();
    tx.SetParameters("Sea Mail", false, true, false);
    tx.LESUsed = "212";
    ASSERT_TRUE(tx.SetPresentation(c.format));
    ASSERT_TRUE(tx.SetDestination(c.type, "12345", "7"));
    tx.SetOutFileName("12070301.out");
    tx.Message().SetAddressCell(c.to, c.type, c.format, 0);
    tx.Message().SetAddressCell(c.cc, c.type, c.format, 1);
    tx.Message().SetAddressCell(c.bcc, c.type, c.format, 2);
    tx.Message().Subject = c.subject;
    tx.Message().TextField = QString(250, 'x');
    ASSERT_TRUE(tx.WriteOutLog(c.type, c.format, c.toAlias, c.ccAlias, c.bccAlias));
    EXPECT_EQ(tx.Status(), 64);
    EXPECT_EQ(QString::fromLatin1(Read("OUT.IDX")),
              c.head + ";12-07-03;09:05; 250;<None>;Initiated;0;1;0;0;03;07;09;05;" + c.tail + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OutLogLine,
    ::testing::Values(
        LogCase{"EmailAddressesJoined", 0, 1, "a@x.example;b@x.example", "", "c@x.example", "A,B", "", "C", "Hi",
                "12070301.out;a@x.example,b@x.example,c@x.example;212;E-Mail 7 Bit", "A,B;;C;Hi"},
        LogCase{"EmailWithoutAddresses", 0, 0, "", "", "", "", "", "", "", "12070301.out;-;212;E-Mail 5 Bit", ";;;"},
        LogCase{"DnidShowsItsExtension", 6, 2, "12345", "", "", "Fleet", "", "", "",
                "12070301.out;12345,7;212;DNID 8 Bit", "Fleet;;;"},
        LogCase{"DistressTelexToSearchAndRescue", 1, 1, "00000", "", "", "SEARCH & RESCUE", "", "", "Mayday",
                "12070301.out;MRCC;212;Distress message", "SEARCH & RESCUE;;;Mayday"},
        LogCase{"FiveBitTelexToSearchAndRescueIsNoDistressMessage", 1, 0, "00000", "", "", "SEARCH & RESCUE", "", "", "",
                "12070301.out;MRCC;212;Telex 5 Bit", "SEARCH & RESCUE;;;"},
        LogCase{"SemicolonsAndLineBreaksStayInTheirField", 1, 1, "4712345", "4799", "", "Ops;Crew", "Agent\r\nTwo",
                "Cc\nBcc", "Re: a; b\r\nc", "12070301.out;4712345,4799;212;Telex 7 Bit",
                "Ops,Crew;Agent Two;Cc Bcc;Re: a; b c"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Submission, OutLogNeedsItsFolder) {
    CTransmission tx = Telex();
    f.gOutboxDir = platform.DataFolder() + "/missing/";
    EXPECT_FALSE(tx.WriteOutLog(1, 1, "Agent", "", ""));
    EXPECT_EQ(tx.Status(), 0);
    f.gOutboxDir.clear();
    EXPECT_FALSE(tx.WriteOutLog(1, 1, "Agent", "", ""));
}

TEST_F(Submission, OutLogLinesAreAppended) {
    Write("OUT.IDX", "kept;line\r\n");
    CTransmission tx = Telex();
    ASSERT_TRUE(tx.WriteOutLog(1, 1, "Agent", "", ""));
    EXPECT_EQ(Read("OUT.IDX"), "kept;line\r\n12070301.out;4712345;112;Telex 7 Bit;12-07-03;09:05; 5;<None>;Initiated;0;0;"
                               "0;0;03;07;09;05;Agent;;;\r\n");
}

}  // namespace
