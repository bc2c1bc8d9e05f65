#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "foundation/Foundation.h"
#include "messages/MessageFileNames.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The manual clock stands at 3 July 2012, so today's names begin "120703".
struct MessageFileNames : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    QString folder = platform.DataFolder() + "/inbox";

    MessageFileNames() { QDir().mkpath(folder); }
    void Touch(const QString& name) const {
        QFile file(folder + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void TouchCounters(int from, int to, const QString& prefix = "120703") const {
        for (int n = from; n <= to; ++n) Touch(prefix + (n < 10 ? "0" : "") + QString::number(n) + ".in");
    }
};

TEST_F(MessageFileNames, CountersOfTheDay) {
    struct Case {
        const char* what;
        std::function<void(MessageFileNames&)> files;
        const char* expected;
    };
    const Case cases[] = {
        {"empty folder", [](MessageFileNames&) {}, "12070301.in"},
        {"01 to 09 taken", [](MessageFileNames& t) { t.TouchCounters(1, 9); }, "12070310.in"},
        {"01 to 99 taken", [](MessageFileNames& t) { t.TouchCounters(1, 99); }, "120703100.in"},
        {"a gap", [](MessageFileNames& t) { t.TouchCounters(1, 1); t.TouchCounters(3, 3); }, "12070302.in"},
        {"other days only", [](MessageFileNames& t) { t.TouchCounters(1, 5, "120702"); t.TouchCounters(1, 5, "110703"); },
         "12070301.in"},
        {"a name in capitals from another system", [](MessageFileNames& t) { t.Touch("12070301.IN"); }, "12070302.in"},
        {"another extension", [](MessageFileNames& t) { t.Touch("12070301.out"); }, "12070301.in"},
    };
    for (const Case& c : cases) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        c.files(*this);
        EXPECT_EQ(GetNewMessageFileName(f, folder, "in"), c.expected) << c.what;
        EXPECT_EQ(GetNewMessageFileName(f, folder + "/", "in"), c.expected) << c.what;
        EXPECT_EQ(GetNewMessageFileName(f, folder + "\\", "in"), c.expected) << c.what;
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(MessageFileNames, OutboxNamesStayTwelveCharactersLong) {
    // Counters past 99 are a capital letter and a digit, so every outbox name has the twelve
    // characters the transceiver and the upload check take, and still sorts after "99".
    auto touchOut = [this](const QString& counter) { Touch("120703" + counter + ".out"); };
    for (int n = 1; n <= 99; ++n) touchOut((n < 10 ? "0" : "") + QString::number(n));
    EXPECT_EQ(GetNewMessageFileName(f, folder, "out"), "120703A0.out");
    EXPECT_EQ(GetNewMessageFileName(f, folder, "in"), "12070301.in") << "the inbox keeps its own counters";
    EXPECT_LT(QString("12070399.out"), QString("120703A0.out"));

    for (char letter = 'A'; letter <= 'Z'; ++letter)
        for (char digit = '0'; digit <= '9'; ++digit)
            if (letter != 'Q' || digit != '7') touchOut(QString(letter) + digit);
    EXPECT_EQ(GetNewMessageFileName(f, folder, "out"), "120703Q7.out") << "a gap is filled first";
    touchOut("Q7");
    EXPECT_EQ(GetNewMessageFileName(f, folder, "out"), "") << "no counter is left today";
    platform.Clock.Set(QDateTime(QDate(2012, 7, 4), QTime(0, 0)));
    EXPECT_EQ(GetNewMessageFileName(f, folder, "out"), "12070401.out");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(MessageFileNames, NamesFollowTheLocalDateAndCreateNothing) {
    platform.Clock.Set(QDateTime(QDate(2025, 1, 9), QTime(23, 59)));
    EXPECT_EQ(GetNewMessageFileName(f, folder, "egc"), "25010901.egc");
    EXPECT_EQ(GetNewMessageFileName(f, folder, "egc"), "25010901.egc");
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST_F(MessageFileNames, AppendIndexLine) {
    const QString index = folder + "/in.idx";
    EXPECT_TRUE(AppendIndexLine(f, index, "first"));
    EXPECT_EQ(platform.ReadDataFile("inbox/in.idx"), "first\r\n");
    EXPECT_TRUE(AppendIndexLine(f, index, QString("second line ") + QChar(0xE9)));
    EXPECT_EQ(platform.ReadDataFile("inbox/in.idx"), QByteArray("first\r\nsecond line \xE9\r\n")) << "ANSI, one byte";

    // The index the start-up check created in capitals is the same file.
    platform.WriteDataFile("inbox/OUT.IDX", "kept\r\n");
    EXPECT_TRUE(AppendIndexLine(f, folder + "\\out.idx", "added"));
    EXPECT_EQ(platform.ReadDataFile("inbox/OUT.IDX"), "kept\r\nadded\r\n");
    EXPECT_FALSE(QFileInfo::exists(folder + "/out.idx"));
}

// A full disk left the first 20 bytes of a line: the next line stands on its own and names its
// own file, and the views read the fragment as a line of its own.
TEST_F(MessageFileNames, AppendIndexLineAfterATornLine) {
    const QByteArray whole = "IN.001:102:0:0:06-12-31 23:59:812:345:Mem:No:06123101.in\r\n";
    for (const char* index : {"inbox/in.idx", "inbox/OUT.IDX"}) {
        platform.WriteDataFile(index, whole + "IN.002:102:0:0:06-12");
        EXPECT_TRUE(AppendIndexLine(f, platform.DataFolder() + "/" + index, "IN.003:102:0:0:06-12-31 23:59:5:1:Mem:No:5"));
        const QList<QByteArray> lines = platform.ReadDataFile(index).split('\n');
        ASSERT_EQ(lines.size(), 4) << index;
        EXPECT_EQ(lines[1], "IN.002:102:0:0:06-12\r");
        EXPECT_EQ(lines[2], "IN.003:102:0:0:06-12-31 23:59:5:1:Mem:No:5\r");
        EXPECT_EQ(lines[3], "");
    }
}

TEST_F(MessageFileNames, AppendIndexLineWithoutItsFolderFails) {
    const QString missing = platform.DataFolder() + "/missing";
    EXPECT_FALSE(AppendIndexLine(f, missing + "/in.idx", "line"));
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_FALSE(AppendIndexLine(f, folder, "line")) << "a folder is no index file";
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

}  // namespace
