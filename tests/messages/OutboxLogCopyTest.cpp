#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "messages/OutboxFixture.h"
#include "messages/SentItemsGrid.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using OutboxLogCopyTest = OutboxFixture;

const QByteArray kFirst = SubmissionLine("12070301.out", "102", "OUT.020", "Delivered");
const QByteArray kSecond = SubmissionLine("12070302.out", "102", "OUT.021", "Sending");
// Bytes above 127, one of them without a character in windows-1252, stay as they are.
const QByteArray kThird = SubmissionLine("12070303.out", "102", "<None>", "Initiated").replace("Hello", "Caf\xe9 \x81");

QByteArray Changed(QByteArray line, const QByteArray& from, const QByteArray& to) { return line.replace(from, to); }

// The log as a rewrite has always left it: each line (empty ones too, unless dropped) ended by CR LF.
QByteArray Rewritten(const QList<QByteArray>& lines, bool dropEmpty) {
    QByteArray text;
    for (const QByteArray& line : lines)
        if (!line.isEmpty() || !dropEmpty) text += line + "\r\n";
    return text;
}

// Two rewrites in a row, the second from the copy the first left, give the file a rewrite of the
// file on disk gives: whatever line end the log had, a last line with or without one, the empty
// lines kept or dropped as the routine does.
TEST_F(OutboxLogCopyTest, RewritesFromTheCopyGiveTheFileARewriteFromDiskGives) {
    struct Ends {
        const char* name;
        QByteArray end;
    } const ends[] = {{"CrLf", "\r\n"}, {"Cr", "\r"}, {"Lf", "\n"}};
    struct Routine {
        const char* name;
        bool dropsEmpty;
        std::function<int(cOutBox&)> first, second;
    } const routines[] = {
        {"UpdateOutBox", true,
         [](cOutBox& o) { return o.UpdateOutBox("", "OUT.021", "Sending", "", "Delivered", false); },
         [](cOutBox& o) { return o.UpdateOutBox("102", "<None>", "Initiated", "OUT.022", "Sending", false); }},
        {"UpdateOutBoxFile", false, [](cOutBox& o) { return o.UpdateOutBoxFile("12070302.out", "", "Delivered", false); },
         [](cOutBox& o) { return o.UpdateOutBoxFile("12070303.out", "OUT.022", "Sending", false); }},
    };
    const QByteArray secondDone = Changed(kSecond, "Sending", "Delivered");
    const QByteArray thirdDone = Changed(kThird, "<None>;Initiated", "OUT.022;Sending");
    for (const Ends& e : ends)
        for (const bool lastEnded : {true, false})
            for (const Routine& r : routines) {
                SCOPED_TRACE(QString("%1, last line %2, %3").arg(e.name, lastEnded ? "ended" : "open", r.name).toStdString());
                Write("OUT.IDX", kFirst + e.end + e.end + kSecond + e.end + kThird + (lastEnded ? e.end : QByteArray()));
                grid.SetRows(1);
                EXPECT_EQ(r.first(OutBox()), 1);
                EXPECT_EQ(Read("OUT.IDX"), Rewritten({kFirst, "", secondDone, kThird}, r.dropsEmpty));
                EXPECT_EQ(r.second(OutBox()), 1);
                EXPECT_EQ(Read("OUT.IDX"), Rewritten({kFirst, "", secondDone, thirdDone}, r.dropsEmpty));
                EXPECT_EQ(Entries(), QStringList{"OUT.IDX"});
            }
}

// Another program writes the log between the program's reading (or writing) it and a rewrite: the
// rewrite keeps what the other one wrote.
TEST_F(OutboxLogCopyTest, ALogChangedOnDiskKeepsTheOtherWritersLines) {
    const QByteArray other = SubmissionLine("12070309.out", "112", "OUT.090", "Delivered");
    struct Case {
        const char* name;
        std::function<void()> take;    // how the program came to hold the log
        std::function<void()> change;  // what the other program does
        QByteArray after;              // the log after the program's rewrite
    } const cases[] = {
        {"AppendedAfterARewrite", [this] { OutBox().UpdateOutBoxFile("12070301.out", "", "Failed", false); },
         [this, other] {
             QFile file(outbox + "/OUT.IDX");
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write(other + "\r\n");
         },
         Lines({Changed(kFirst, "Delivered", "Failed"), Changed(kSecond, "Sending", "Delivered"), other})},
        // The same size at once after the program's own write, as fast as the file system's clock
        // cannot tell apart.
        {"ChangedInPlaceWithTheSameSize", [this] { OutBox().UpdateOutBoxFile("12070301.out", "", "Failed", false); },
         [this] { Write("OUT.IDX", Lines({Changed(kFirst, "OUT.020;Delivered", "OUT.088;Failed"), kSecond})); },
         Lines({Changed(kFirst, "OUT.020;Delivered", "OUT.088;Failed"), Changed(kSecond, "Sending", "Delivered")})},
        {"ReplacedUnderItsName", [this] { OutBox().UpdateOutBoxFile("12070301.out", "", "Failed", false); },
         [this, other] {
             Write("OUT.NEW", Lines({kFirst, kSecond, other}));
             ASSERT_TRUE(QFile::remove(outbox + "/OUT.IDX"));
             ASSERT_TRUE(QFile::rename(outbox + "/OUT.NEW", outbox + "/OUT.IDX"));
         },
         Lines({kFirst, Changed(kSecond, "Sending", "Delivered"), other})},
        {"AppendedAfterTheViewReadIt", [this] { LoadSentItemsGrid(m); },
         [this, other] {
             QFile file(outbox + "/OUT.IDX");
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write(other + "\r\n");
         },
         Lines({kFirst, Changed(kSecond, "Sending", "Delivered"), other})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("OUT.IDX", Lines({kFirst, kSecond}));
        c.take();
        c.change();
        EXPECT_EQ(OutBox().UpdateOutBox("", "OUT.021", "Sending", "", "Delivered", false), 1);
        EXPECT_EQ(Read("OUT.IDX"), c.after);
    }
}

// The program's own appends keep its copy in step, a torn last line ended first as on disk.
TEST_F(OutboxLogCopyTest, AppendsAndRewritesFollowEachOther) {
    Write("OUT.IDX", kFirst + "\r\n" + kSecond);  // torn: no line end after the last line
    LoadSentItemsGrid(m);
    ASSERT_TRUE(OutBox().AppendLogLine(outbox + "/OUT.IDX", f.Os.Codec.Decode(kThird)));
    EXPECT_EQ(Read("OUT.IDX"), kFirst + "\r\n" + kSecond + "\r\n" + kThird + "\r\n");
    EXPECT_EQ(OutBox().UpdateOutBox("", "<None>", "Initiated", "OUT.022", "Sending", false), 1);
    ASSERT_TRUE(OutBox().AppendLogLine(outbox + "/out.idx", "12070304.out;x"));
    EXPECT_EQ(OutBox().UpdateOutBoxFile("12070302.out", "", "Failed", false), 1);
    EXPECT_EQ(Read("OUT.IDX"), Lines({kFirst, Changed(kSecond, "Sending", "Failed"),
                                      Changed(kThird, "<None>;Initiated", "OUT.022;Sending"), "12070304.out;x"}));
}

}  // namespace
