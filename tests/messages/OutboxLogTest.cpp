#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "foundation/RuntimeError.h"
#include "foundation/TimerTick.h"
#include "messages/OutboxFixture.h"
#include "platform/IMessageBoxes.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using OutboxLog = OutboxFixture;

const QByteArray kInitiated1 = SubmissionLine("12070301.out", "102", "<None>", "Initiated");
const QByteArray kInitiated2 = SubmissionLine("12070302.out", " 102", "<None>", "Initiated");
const QByteArray kSending = SubmissionLine("12070303.out", "001", "OUT.021", "Sending");
const QByteArray kAuto = SubmissionLine("12070304.out", "Auto", "OUT.022", "Sending");
const QByteArray kNineFields = "12070305.out;x;102;E-Mail 7 Bit;12-07-03;09:05; 12;<None>;Initiated";

struct UpdateCase {
    const char* name;
    QByteArray before;
    std::function<int(cOutBox&)> call;
    int count;
    QByteArray after;  // empty: the file is left as it was
};

QByteArray With(QByteArray line, const QByteArray& from, const QByteArray& to) { return line.replace(from, to); }

TEST_F(OutboxLog, UpdatesChangeTheMatchingLinesAndRewriteTheLog) {
    views.Shown = 2;  // the sent-items view is on screen: a rewrite rebuilds it
    const UpdateCase cases[] = {
        {"CountingCallRewritesUnchangedWithoutEmptyLines", kInitiated1 + "\r\n\r\n" + kInitiated2 + "\r\n",
         [](cOutBox& o) { return o.UpdateOutBox("", "<None>", "Initiated", "<None>", "Initiated", true); }, 2,
         Lines({kInitiated1, kInitiated2})},
        {"NoMatchLeavesTheFileUntouched", kSending + "\n\n",
         [](cOutBox& o) { return o.UpdateOutBox("", "<None>", "Initiated", "<None>", "Initiated", true); }, 0, {}},
        {"FirstOnly", Lines({kInitiated1, kInitiated2}),
         [](cOutBox& o) { return o.UpdateOutBox("", "<None>", "Initiated", "OUT.021", "Sending", false); }, 1,
         Lines({With(kInitiated1, "<None>;Initiated", "OUT.021;Sending"), kInitiated2})},
        {"LesWithLeadingBlankMatches", Lines({kInitiated1, kInitiated2}),
         [](cOutBox& o) { return o.UpdateOutBox("102", "<None>", "", "", "Failed", true); }, 2,
         Lines({With(kInitiated1, "Initiated", "Failed"), With(kInitiated2, "Initiated", "Failed")})},
        {"LesWithLeadingZerosMatches", Lines({kSending, kAuto}),
         [](cOutBox& o) { return o.UpdateOutBox("1", "OUT.021", "", "", "Delivered", true); }, 1,
         Lines({With(kSending, "Sending", "Delivered"), kAuto})},
        {"AutoIsLesZero", Lines({kSending, kAuto}),
         [](cOutBox& o) { return o.UpdateOutBox("0", "OUT.022", "Sending", "", "Failed", true); }, 1,
         Lines({kSending, With(kAuto, "Sending", "Failed")})},
        {"OtherLesDoesNotMatch", Lines({kSending}),
         [](cOutBox& o) { return o.UpdateOutBox("112", "OUT.021", "", "", "Failed", true); }, 0, {}},
        {"StatusIsComparedExactly",
         Lines({With(kSending, "Sending", "sending"), With(kSending, "Sending", "Sending ")}),
         [](cOutBox& o) { return o.UpdateOutBox("", "OUT.021", "Sending", "", "Failed", true); }, 0, {}},
        {"ReferenceIsComparedExactly", Lines({kSending}),
         [](cOutBox& o) { return o.UpdateOutBox("", "out.021", "", "", "Failed", true); }, 0, {}},
        {"NineFieldLineStaysInPlace", Lines({kNineFields, kInitiated1}),
         [](cOutBox& o) { return o.UpdateOutBox("", "<None>", "Initiated", "", "PC Cleared", true); }, 1,
         Lines({kNineFields, With(kInitiated1, "Initiated", "PC Cleared")})},
        {"MissingFinalLineEndGetsExactlyOne", kInitiated1 + "\r\n" + kSending,
         [](cOutBox& o) { return o.UpdateOutBox("", "OUT.021", "Sending", "", "Delivered", true); }, 1,
         Lines({kInitiated1, With(kSending, "Sending", "Delivered")})},
        {"LfLinesAreRewrittenWithCrLf", kInitiated1 + "\n" + kSending + "\n",
         [](cOutBox& o) { return o.UpdateOutBox("", "OUT.021", "Sending", "", "Delivered", true); }, 1,
         Lines({kInitiated1, With(kSending, "Sending", "Delivered")})},
        {"FileUpdateKeepsEmptyLines", kInitiated1 + "\r\n\r\n" + kSending,
         [](cOutBox& o) { return o.UpdateOutBoxFile("12070303.out", "", "ConfOk", false); }, 1,
         Lines({kInitiated1, "", With(kSending, "Sending", "ConfOk")})},
        {"FileUpdateMatchesTheNameExactly", Lines({kSending}),
         [](cOutBox& o) { return o.UpdateOutBoxFile("12070303.OUT", "", "ConfOk", false); }, 0, {}},
        {"FileUpdateAllWithNewReference", Lines({kSending, kSending}),
         [](cOutBox& o) { return o.UpdateOutBoxFile("12070303.out", "LES.9", "Failed", true); }, 2,
         Lines({With(kSending, "OUT.021;Sending", "LES.9;Failed"), With(kSending, "OUT.021;Sending", "LES.9;Failed")})},
    };
    for (const UpdateCase& c : cases) {
        SCOPED_TRACE(c.name);
        Write("OUT.IDX", c.before);
        grid.SetRows(1);
        EXPECT_EQ(c.call(OutBox()), c.count);
        EXPECT_EQ(Read("OUT.IDX"), c.after.isEmpty() ? c.before : c.after);
        EXPECT_EQ(Entries(), QStringList{"OUT.IDX"}) << "no OUT.BAK is left";
        // The grid is reloaded only after a rewrite.
        EXPECT_EQ(grid.Rows() > 1, c.count > 0);
    }
    // Behind another view the grid is left alone: it is built afresh when the view opens.
    views.Shown = 1;
    Write("OUT.IDX", Lines({kSending}));
    grid.SetRows(1);
    EXPECT_EQ(OutBox().UpdateOutBoxFile("12070303.out", "", "Delivered", false), 1);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(OutboxLog, TheLogIsFoundWhateverTheCaseOfItsName) {
    Write("out.idx", Lines({kInitiated1}));
    Write("Out.bak", "stale");
    EXPECT_EQ(OutBox().UpdateOutBox("", "<None>", "Initiated", "", "PC Cleared", true), 1);
    EXPECT_EQ(Read("out.idx"), Lines({With(kInitiated1, "Initiated", "PC Cleared")}));
    EXPECT_EQ(Entries(), QStringList{"out.idx"});
}

TEST_F(OutboxLog, AReadFailureShowsTheBoxOfTheRoutineAndChangesNothing) {
    const QString path = outbox + "/OUT.IDX";
    struct Case {
        const char* name;
        std::function<int(cOutBox&)> call;
        QString text;
        QString title;
    } const cases[] = {
        {"UpdateOutBoxMissing", [](cOutBox& o) { return o.UpdateOutBox("", "<None>", "", "", "Failed", true); },
         "(UpdateOutBox) Error '53': File not found.\r\n", "Error 53"},
        {"UpdateOutBoxFileMissing", [](cOutBox& o) { return o.UpdateOutBoxFile("x.out", "", "Failed", true); },
         "(UpdateOutBoxFile) Error '53': File not found.\r\n", "Error53"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.Boxes.Shown.clear();
        EXPECT_EQ(c.call(OutBox()), 0);
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].text, c.text);
        EXPECT_EQ(platform.Boxes.Shown[0].title, c.title);
        EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::Ok);
        EXPECT_TRUE(Entries().isEmpty()) << "nothing is created";
    }

    // A folder in the log's place cannot be read; the text names the log.
    ASSERT_TRUE(QDir().mkdir(path));
    platform.Boxes.Shown.clear();
    EXPECT_EQ(OutBox().UpdateOutBox("", "<None>", "", "", "Failed", true), 0);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text,
              "(UpdateOutBox) Error '70': Permission denied.\r\nCould not open the file '" + path +
                  "'.\r\nPlease make sure you have write access to this directory and file, and that the file is not "
                  "opened by another process.");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 70");
}

TEST_F(OutboxLog, InsideATimerTickTheBoxIsQueued) {
    bool ticking = false;
    RunTimerTick(f, ticking, [&] { EXPECT_EQ(OutBox().UpdateOutBox("", "<None>", "", "", "Failed", true), 0); });
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "no modal box inside the dialogue's tick";
    EXPECT_EQ(QueuedTexts(), QStringList{"(UpdateOutBox) Error '53': File not found.\r\n"});
}

TEST_F(OutboxLog, AWriteFailureKeepsTheOldLogWholeAndReportsTheCount) {
    const QByteArray before = Lines({kInitiated1, kInitiated2});
    Write("OUT.IDX", before);
    // OUT.BAK cannot be written when a folder has its name.
    ASSERT_TRUE(QDir().mkdir(outbox + "/OUT.BAK"));
    EXPECT_EQ(OutBox().UpdateOutBox("", "<None>", "Initiated", "", "PC Cleared", true), 2);
    EXPECT_EQ(Read("OUT.IDX"), before);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("(UpdateOutBox) Error '75': Path/File access error.\r\n"));
    EXPECT_EQ(grid.Rows(), 1) << "the grid is not reloaded";

    platform.Boxes.Shown.clear();
    EXPECT_EQ(OutBox().UpdateOutBoxFile("12070302.out", "", "Failed", false), 1);
    EXPECT_EQ(Read("OUT.IDX"), before);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error75");
}

TEST_F(OutboxLog, SaveMessageWritesTheTextAsItIs) {
    platform.Os.Codec = AnsiCodec("windows-1252");
    EXPECT_TRUE(OutBox().SaveMessage(QString::fromUtf8("Caf\u00e9\r\nno end"), "12070301.out"));
    EXPECT_EQ(Read("12070301.out"), "Caf\xe9\r\nno end");
    EXPECT_TRUE(OutBox().SaveMessage("short", "12070301.out"));
    EXPECT_EQ(Read("12070301.out"), "short");
}

TEST_F(OutboxLog, SaveMessageFailuresAreQueued) {
    // A full disk: the file's staging copy goes to a device that is always full.
    ASSERT_TRUE(QFile::link("/dev/full", outbox + "/full.out.tmp~"));
    EXPECT_FALSE(OutBox().SaveMessage("text", "full.out"));
    EXPECT_EQ(QueuedTexts(), QStringList{"(OutBox.SaveMessage) Error: Not enough disk space.\r\n"
                                         "Due to this error, Tidepost can not save the message."});

    // Another failure: the sent-items folder is gone.
    f.gIniEntries.Items = {{"[outbox]", outbox + "/gone/"}};
    EXPECT_FALSE(OutBox().SaveMessage("text", "12070301.out"));
    EXPECT_EQ(QueuedTexts(),
              QStringList{"(Outbox.SaveMessage) Error '76': Path not found.\r\nCould not open the file "
                          "'<Unknown file name>'.\r\nPlease make sure you have write access to this directory and "
                          "file, and that the file is not opened by another process."});

    // No folder at all names no place to write.
    f.gIniEntries.Items = {{"[outbox]", ""}};
    EXPECT_FALSE(OutBox().SaveMessage("text", "12070301.out"));
    EXPECT_EQ(QueuedTexts().size(), 1);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "queued, not shown at once";
}

TEST_F(OutboxLog, AddDistressAlertWritesTheAlertFileAndOneLine) {
    struct Case {
        int code;
        qint16 les;
        const char* lesText;
        const char* status;
    } const cases[] = {
        {1, 0, "Auto", "Sending"}, {2, 0, "Auto", "Conf.Ok"}, {3, 112, "112", "Failed"},
        {0, 112, "112", "Unknown"}, {7, 3, "3", "Unknown"},
    };
    Write("Out.idx", Lines({kSending}));
    QByteArray expected = Lines({kSending});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        f.gConfiguration.SetLastOcean(kOceanIor);
        f.gConfiguration.SetDistressGenLes(kOceanIor, c.les);
        EXPECT_TRUE(OutBox().AddDistressAlert(c.code));
        expected += QByteArray("-;MRCC;") + c.lesText + ";Distress Alert;12-07-03;09:05;-;-;" + c.status +
                    ";0;0;0;0;0;0;0;0;SEARCH & RESCUE;;;SEARCH & RESCUE\r\n";
        EXPECT_EQ(Read("Out.idx"), expected);
        EXPECT_EQ(Read("-"), "Distress Alert");
    }
    EXPECT_EQ(Entries(), (QStringList{"-", "Out.idx"}));
    EXPECT_TRUE(views.Calls.isEmpty()) << "the sent-items view is not shown";

    views.Shown = 2;
    EXPECT_TRUE(OutBox().AddDistressAlert(2));
    EXPECT_EQ(views.Calls, QStringList{"OutboxButton_Click"}) << "the sent-items view shown is rebuilt";
}

TEST_F(OutboxLog, AddDistressAlertFailsWithoutASentItemsFolder) {
    f.gIniEntries.Items = {{"[outbox]", outbox + "/gone/"}};
    EXPECT_FALSE(OutBox().AddDistressAlert(1));
    EXPECT_EQ(QueuedTexts().size(), 1);
    f.gIniEntries.Items = {{"[outbox]", ""}};
    EXPECT_FALSE(OutBox().AddDistressAlert(1));
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(OutboxLog, TheDistressGeneratorReplyAddsThePendingAlert) {
    Write("OUT.IDX", {});
    f.gSession.SetAddDistressAlertToOutbox(true);
    f.gSession.SetDistressAlertStatus(2);
    f.gConfiguration.SetDistressGenLes(f.gConfiguration.LastOcean(), 0);
    Dispatch("se -g\r\nLES: 0\r\ncan0:/$ ");
    EXPECT_EQ(Read("OUT.IDX"),
              "-;MRCC;Auto;Distress Alert;12-07-03;09:05;-;-;Conf.Ok;0;0;0;0;0;0;0;0;SEARCH & RESCUE;;;SEARCH & "
              "RESCUE\r\n");
    EXPECT_FALSE(f.gSession.AddDistressAlertToOutbox());
    EXPECT_EQ(views.Calls, QStringList{"OutboxButton_Click"}) << "the dispatch shows the sent-items view";
}

TEST_F(OutboxLog, GetIndexValueFindsAFieldByAnother) {
    Write("OUT.IDX", Lines({"short;line", "a;b;c;d;e;f;g;OUT.020",  // 8 fields, no field 9
                            With(kSending, "0;0;0;0;03", "1;0;0;0;03"),
                            SubmissionLine("12070306.out", "102", " OUT.030 ", "Sending")}));
    struct Case {
        int refIndex;
        const char* ref;
        int field;
        const char* answer;
    } const cases[] = {
        {7, "OUT.021", 9, "1"},
        {7, "OUT.030", 9, "0"},          // the key is compared without its blanks
        {7, "OUT.030", 6, "12"},         // so is the answer
        {0, "12070303.out", 8, "Sending"},
        {7, "OUT.099", 9, "not found"},
        {7, "OUT.020", 9, "not found"},  // the first line with the key lacks the field
        {1, "line", 0, "not found"},     // lines of fewer than 8 fields are skipped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ref);
        QString data = "before";
        EXPECT_EQ(OutBox().GetIndexValue(c.refIndex, c.ref, c.field, data), 0);
        EXPECT_EQ(data, c.answer);
    }
}

TEST_F(OutboxLog, GetIndexValueLeavesTheAnswerAloneBesideAnOutboxIdx) {
    Write("OUT.IDX", Lines({kSending}));
    Write("OUTBOX.IDX", {});
    QString data = "before";
    EXPECT_EQ(OutBox().GetIndexValue(7, "OUT.021", 9, data), 0);
    EXPECT_EQ(data, "before");

    f.gIniEntries.Items = {{"[outbox]", ""}};
    EXPECT_EQ(OutBox().GetIndexValue(7, "OUT.021", 9, data), 0);
    EXPECT_EQ(data, "before");
}

TEST_F(OutboxLog, GetIndexValueHandsAnUnreadableLogToItsCaller) {
    ASSERT_TRUE(QDir().mkdir(outbox + "/OUT.IDX"));
    QString data = "before";
    try {
        OutBox().GetIndexValue(7, "OUT.021", 9, data);
        ADD_FAILURE() << "no failure reported";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number, 70);
    }
    EXPECT_EQ(data, "before");
}

TEST_F(OutboxLog, LongLogsCountBeyondSixteenBits) {
    QByteArray log;
    for (int i = 0; i < 40000; ++i)
        log += SubmissionLine(QString("%1.out").arg(i, 8, 10, QChar('0')), "102", "<None>", "Initiated") + "\r\n";
    Write("OUT.IDX", log);
    m.OutboxMSGrid = nullptr;
    EXPECT_EQ(OutBox().UpdateOutBox("", "<None>", "Initiated", "<None>", "Initiated", true), 40000);
    EXPECT_EQ(Read("OUT.IDX"), log);
}

}  // namespace
