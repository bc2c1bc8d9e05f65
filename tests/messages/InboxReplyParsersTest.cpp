#include <gtest/gtest.h>

#include <QStringList>
#include <utility>

#include "foundation/Foundation.h"
#include "messages/InboxReplyParsers.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// A line with each text placed at its column (counted from 1) and blanks in between.
QString Columns(std::initializer_list<std::pair<int, QString>> parts) {
    QString line;
    for (const auto& [column, text] : parts) {
        line = line.leftJustified(column - 1, ' ');
        line += text;
    }
    return line;
}

QString FirstLayoutLine(const QString& number, const QString& size, const QString& date, const QString& time) {
    return Columns({{1, "IN"}, {9, "."}, {10, number}, {18, size.rightJustified(5)}, {25, date}, {35, time}});
}

QString SecondLayoutLine(const QString& number, const QString& size, const QString& date, const QString& time) {
    return Columns({{1, "IN"}, {14, "."}, {15, number}, {37, date}, {47, time}, {52, size.rightJustified(8) + " bytes"}});
}

QString LogLine(const QString& les, const QString& priority, const QString& presentation, const QString& date,
                const QString& time, const QString& size, const QString& reference, const QString& column43,
                const QString& routing, const QString& name) {
    return Columns({{1, les},
                    {6, "1"},
                    {8, priority},
                    {10, presentation},
                    {12, date},
                    {22, time},
                    {28, size.rightJustified(5)},
                    {34, reference.rightJustified(8)},
                    {43, column43},
                    {45, routing},
                    {54, name}});
}

// The reply: the echo, the lines, the prompt, with one line end throughout.
QString Reply(const QString& echo, const QStringList& lines, const QString& end) {
    return echo + end + lines.join(end) + end + "can0:/$ ";
}

QDateTime At(int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC); }

const QStringList kLineEnds = {"\n", "\r\n", "\r\r\n"};

struct ListingParser : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    ListingParser() { f.gConfiguration.DataPath = platform.DataFolder(); }
    QList<InboxListEntry> Parse(const QString& reply) { return ParseInboxListing(f, reply); }
    QString ErrorLog() const { return QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt")); }
};

// The fixed columns of a first-layout line, and the century rule at its turning point.
TEST_F(ListingParser, FirstLayoutLineAndCenturyRule) {
    struct Case {
        const char* date;
        const char* time;
        QDateTime expected;
    };
    const Case cases[] = {
        {"06-12-31", "23:59", At(2006, 12, 31, 23, 59)},
        {"70-01-01", "00:00", At(1970, 1, 1, 0, 0)},
        {"69-12-31", "00:00", At(2069, 12, 31, 0, 0)},
    };
    for (const Case& c : cases) {
        const QString line = FirstLayoutLine("001", "1234", c.date, c.time);
        ASSERT_EQ(line, QString("IN      .001      1234  %1  %2").arg(c.date, c.time));
        const auto entries = Parse(Reply("ls IN.*", {"Name     Num     Size  Date      Time", line, "  1843200 bytes free"}, "\r\n"));
        ASSERT_EQ(entries.size(), 1) << c.date;
        EXPECT_EQ(entries[0].Name, "IN");
        EXPECT_EQ(entries[0].Extension, "001");
        EXPECT_EQ(entries[0].Size, 1234);
        EXPECT_EQ(entries[0].Date, c.expected) << c.date;
    }
}

TEST_F(ListingParser, ReplyWithoutDataLinesGivesOneEmptyEntry) {
    for (const QString& reply : {Reply("ls IN.*", {"Name     Num     Size  Date      Time", "  1843200 bytes free"}, "\r\n"),
                                 Reply("ls IN.*", {"Directory of IN.*", "0 file(s)"}, "\n"), QString()}) {
        const auto entries = Parse(reply);
        ASSERT_EQ(entries.size(), 1);
        EXPECT_TRUE(entries[0].Name.isEmpty());
        EXPECT_TRUE(entries[0].Extension.isEmpty());
        EXPECT_EQ(entries[0].Size, 0);
        EXPECT_FALSE(entries[0].Date.isValid());
    }
    EXPECT_TRUE(ErrorLog().isEmpty());
}

// Each layout read alike whatever ends its lines; the second layout's size runs up to " bytes".
TEST_F(ListingParser, BothLayoutsUnderEachLineEnd) {
    const QStringList first = {"Name     Num     Size  Date      Time",
                               FirstLayoutLine("001", "812", "06-12-31", "23:59"),
                               FirstLayoutLine("002", "40000", "07-01-02", "08:05"),
                               FirstLayoutLine("017", "7", "99-03-04", "12:00"), "   1843200 bytes free"};
    const QStringList second = {"Directory of IN.*", SecondLayoutLine("001", "812", "06-12-31", "23:59"),
                                SecondLayoutLine("002", "40000", "07-01-02", "08:05"),
                                SecondLayoutLine("017", "7", "99-03-04", "12:00"), "3 file(s)"};
    for (const QString& end : kLineEnds) {
        for (const QStringList* lines : {&first, &second}) {
            const auto entries = Parse(Reply("ls IN.*", *lines, end));
            ASSERT_EQ(entries.size(), 3) << lines->first().toStdString() << " " << end.size();
            EXPECT_EQ(entries[0].Extension, "001");
            EXPECT_EQ(entries[0].Size, 812);
            EXPECT_EQ(entries[0].Date, At(2006, 12, 31, 23, 59));
            EXPECT_EQ(entries[1].Extension, "002");
            EXPECT_EQ(entries[1].Size, 40000) << "a size above 32,767 is kept whole";
            EXPECT_EQ(entries[1].Date, At(2007, 1, 2, 8, 5));
            EXPECT_EQ(entries[2].Extension, "017");
            EXPECT_EQ(entries[2].Size, 7);
            EXPECT_EQ(entries[2].Date, At(1999, 3, 4, 12, 0));
            for (const InboxListEntry& e : entries) EXPECT_EQ(e.Name, "IN");
        }
    }
    EXPECT_TRUE(ErrorLog().isEmpty());
}

TEST_F(ListingParser, FirstLayoutDataLinesAreThoseWithAColonAfterColumnSeven) {
    const auto entries = Parse(Reply("ls IN.*",
                                     {"A:\\IN.* listing", "Volume: 1", FirstLayoutLine("003", "55", "08-02-29", "10:30"),
                                      "  1843200 bytes free"},
                                     "\r\n"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].Extension, "003");
    EXPECT_EQ(entries[0].Date, At(2008, 2, 29, 10, 30));
    EXPECT_TRUE(ErrorLog().isEmpty());
}

TEST_F(ListingParser, SecondLayoutTakesTheNumberOnlyAfterADotInColumn14) {
    const QString shifted = Columns({{1, "IN."}, {15, "004"}, {37, "06-12-31"}, {47, "23:59"}, {52, "      12 bytes"}});
    const auto entries = Parse(Reply("ls IN.*", {shifted}, "\n"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].Name, "IN.");
    EXPECT_TRUE(entries[0].Extension.isEmpty());
    EXPECT_EQ(entries[0].Size, 12);
}

// A line that breaks the format is left out and logged; the good lines around it still count.
TEST_F(ListingParser, BadLineAmongGoodOnesIsSkippedAndLogged) {
    struct Case {
        const char* what;
        QStringList lines;
    };
    const Case cases[] = {
        {"first layout, size not a number",
         {FirstLayoutLine("001", "12", "06-12-31", "23:59"), FirstLayoutLine("002", "1x4", "06-12-31", "23:59"),
          FirstLayoutLine("003", "34", "06-12-31", "23:59"), "  99 bytes free"}},
        {"first layout, no date",
         {FirstLayoutLine("001", "12", "06-12-31", "23:59"), FirstLayoutLine("002", "56", "06-13-31", "23:59"),
          FirstLayoutLine("003", "34", "06-12-31", "23:59"), "  99 bytes free"}},
        {"second layout, size not a number",
         {SecondLayoutLine("001", "12", "06-12-31", "23:59"), SecondLayoutLine("002", "-", "06-12-31", "23:59"),
          SecondLayoutLine("003", "34", "06-12-31", "23:59")}},
        {"second layout, no date",
         {SecondLayoutLine("001", "12", "06-12-31", "23:59"), SecondLayoutLine("002", "56", "xx-12-31", "23:59"),
          SecondLayoutLine("003", "34", "06-12-31", "23:59")}},
    };
    for (const Case& c : cases) {
        QFile::remove(platform.DataFolder() + "/ErrorLog.txt");
        const auto entries = Parse(Reply("ls IN.*", c.lines, "\r\n"));
        ASSERT_EQ(entries.size(), 2) << c.what;
        EXPECT_EQ(entries[0].Extension, "001") << c.what;
        EXPECT_EQ(entries[1].Extension, "003") << c.what;
        const QString log = ErrorLog();
        EXPECT_TRUE(log.contains("(MessageHandling.ParseInboxListing) Error '13': ")) << c.what;
        EXPECT_TRUE(log.contains(QString(c.lines[1]).trimmed())) << c.what;
        EXPECT_EQ(log.count("\r\n"), 1) << c.what;
    }
}

TEST(InLogParser, ColumnsOfADataLine) {
    const QString line = LogLine("102", "3", "6", "06-12-31", "23:59", "812", "345", "4", "Mem", "IN.001");
    ASSERT_EQ(line, "102  1 3 6 06-12-31  23:59   812      345 4 Mem      IN.001");
    for (const QString& end : kLineEnds) {
        const auto log = ParseInLog(Reply("st -r", {"LES  C P F Date      Time  Size  Ref.     D Routing  File", line}, end));
        ASSERT_EQ(log.size(), 1);
        const InLogEntry& e = log[0];
        EXPECT_EQ(e.LES, 102);
        EXPECT_EQ(e.Column6, 1);
        EXPECT_EQ(e.Priority, 3);
        EXPECT_EQ(e.Presentation, 6);
        EXPECT_EQ(e.Date, At(2006, 12, 31, 23, 59));
        EXPECT_EQ(e.Size, 812);
        EXPECT_EQ(e.Reference, 345);
        EXPECT_EQ(e.Column43, 4);
        EXPECT_EQ(e.Routing, "Mem");
        EXPECT_EQ(e.Flags, 1);
        EXPECT_EQ(e.Name, "IN.001");
    }
}

TEST(InLogParser, RoutingFlags) {
    const std::pair<const char*, int> cases[] = {{"Mem Pr", 3}, {"+M Re", 5}, {"Pr", 2}, {"Re", 4},
                                                 {"MemPrRe", 7}, {"mem", 0}, {"", 0}};
    for (const auto& [routing, flags] : cases) {
        const auto log = ParseInLog(LogLine("102", "0", "0", "06-12-31", "23:59", "1", "1", "0", routing, "IN.001"));
        EXPECT_EQ(log[0].Flags, flags) << routing;
        EXPECT_EQ(log[0].Routing, routing);
    }
}

// What breaks the log's limits costs only the unused fields; the size is kept above 16 bits.
TEST(InLogParser, OutOfFormatValues) {
    const auto log = ParseInLog(Reply(
        "st -r",
        {LogLine("102", "0", "0", "06-12-31", "23:59", "40000", "99999999", "x", "Mem", "IN.001"),
         LogLine("102", "0", "0", " 6-12-31", "23:59", "32767", "1", "0", "Mem", "IN.002"), "no message here"},
        "\n"));
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0].Size, 40000);
    EXPECT_EQ(log[0].Reference, 99999999);
    EXPECT_EQ(log[0].Column43, 0);
    EXPECT_TRUE(log[0].Date.isValid());
    EXPECT_EQ(log[1].Name, "IN.002");
    EXPECT_EQ(log[1].Size, 32767);
    EXPECT_FALSE(log[1].Date.isValid());
}

TEST(InLogParser, LogWithoutMessagesGivesOneEmptyEntry) {
    const auto log = ParseInLog(Reply("st -r", {"LES  C P F Date      Time  Size  Ref.     D Routing  File"}, "\r\n"));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].Name.isEmpty());
    EXPECT_EQ(log[0].Size, 0);
}

}  // namespace
