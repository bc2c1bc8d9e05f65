#include <QRegularExpression>
#include <ostream>

#include "InboxStoreFixture.h"
#include "foundation/Array2D.h"
#include "messages/CInbox.h"

using namespace tidepost;

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const QString kStart = QStringLiteral(
    "<style type=\"text/css\"><!--A:link { COLOR: black; TEXT-DECORATION: none; font-weight: normal }"
    "A:visited { COLOR: black; TEXT-DECORATION: none; font-weight: normal }A:active { COLOR: black; "
    "TEXT-DECORATION: none }A:hover { COLOR: blue; TEXT-DECORATION: none; font-weight: none }tr { "
    "foreground-color: #DDDDDD}.initial { foreground-color: #DDDDDD; color:#000000 }.normal { foreground-color: "
    "#CCCCCC }.highlight { foreground-color: #8888FF }--></style><table><tr><td><b>File name</b></td><td><b>Modem "
    "file name</b></td><td><b>LES</b></td><td><b>Language</b></td><td><b>Date</b></td><td><b>Size</b></td><td><b>"
    "Ref.no.</b></td><td><b>Routing</b></td></th></tr>\r\n");
const QString kEnd = QStringLiteral("</table>");

// One index line as the receive road writes it (without its line end).
QString Line(const QString& disk, const QString& modem = "IN.001", const QString& les = "102",
             const QString& date = "06-12-31 23:59", const QString& size = "812", const QString& ref = "345",
             const QString& routing = "Mem", const QString& read = "No", const QString& presentation = "0") {
    return modem + ":" + les + ":0:" + presentation + ":" + date + ":" + size + ":" + ref + ":" + routing + ":" + read +
           ":" + disk;
}

// The row the table shows at `position` for these cells: link id, file name, modem file name,
// LES, language, date, size, reference, routing (already in their HTML form).
QString Row(int position, const QStringList& c) {
    return QStringLiteral("<tr ") + (position % 2 == 0 ? "bgcolor=#EEEEEE" : "") +
           " onMouseOver=\"this.className='highlight'\" onMouseOut=\"this.className='normal'\">"
           "<td><a href=REQUESTRXMSG?ID=" + c[0] + ">" + c[1] + "</a></td><td>" + c[2] + "</td><td>" + c[3] +
           "</td><td>" + c[4] + "</td><td>" + c[5] + "</td><td>" + c[6] + "</td><td>" + c[7] + "</td><td>" + c[8] +
           "</td></tr>\r\n";
}

// The row of a line written by Line() with its defaults but for the names.
QString DefaultRow(int position, const QString& disk, const QString& modem = "IN.001") {
    return Row(position, {disk, disk, modem, "102", "0", "06-12-31 23:59", "812", "345", "Mem"});
}

QStringList LinkedIds(const QString& html) {
    QStringList ids;
    static const QRegularExpression link(QStringLiteral("ID=([^>]*)>"));
    for (auto it = link.globalMatch(html); it.hasNext();) ids << it.next().captured(1);
    return ids;
}

class InboxPages : public test::InboxStoreFixture {
protected:
    CInbox& Inbox() { return GetInbox(m); }
    void WriteIndex(const QStringList& lines, const QString& end = "\r\n", const QString& name = "in.idx") {
        QByteArray bytes;
        for (const QString& line : lines) bytes += line.toLatin1() + end.toLatin1();
        platform.WriteDataFile("Inbox/" + name, bytes);
    }
    QString Table(int items = 1024, int sortBy = 0, bool ascending = false, bool unreadOnly = false) {
        return Inbox().LoadIndexHTML(items, sortBy, ascending, unreadOnly);
    }
    QString NotFound(const QString& path) const {
        return "'" + path.toHtmlEscaped() + "' Does not exist!\r\nThe file might have been manually deleted by operator.";
    }
};

TEST_F(InboxPages, AnEmptyIndexGivesTheStyleHeaderAndEnd) {
    WriteIndex({});
    EXPECT_EQ(Table(), kStart + kEnd);
}

TEST_F(InboxPages, AMissingIndexIsCreatedOnceUnderTheNameTheReceiveRoadWrites) {
    EXPECT_EQ(Table(), kStart + kEnd);
    EXPECT_EQ(InboxFiles(), QStringList{"in.idx"});
    EXPECT_EQ(InboxFile("in.idx"), "");

    // The start-up check's "IN.IDX" is the same file.
    QFile::remove(inbox + "/in.idx");
    WriteIndex({Line("26010101.in")}, "\r\n", "IN.IDX");
    EXPECT_EQ(Table(), kStart + DefaultRow(0, "26010101.in") + kEnd);
    EXPECT_EQ(InboxFiles(), QStringList{"IN.IDX"});
}

TEST_F(InboxPages, RowsAlternateAndTheNewestComeFirst) {
    WriteIndex({Line("26010101.in")});
    EXPECT_EQ(Table(), kStart + DefaultRow(0, "26010101.in") + kEnd);

    WriteIndex({Line("26010101.in", "IN.001"), Line("26010103.in", "IN.003"), Line("26010102.in", "IN.002")});
    EXPECT_EQ(Table(), kStart + DefaultRow(0, "26010103.in", "IN.003") + DefaultRow(1, "26010102.in", "IN.002") +
                           DefaultRow(2, "26010101.in", "IN.001") + kEnd);
}

TEST_F(InboxPages, EveryLineEndIsALineEnd) {
    for (const QString end : {"\r\n", "\n", "\r"}) {
        WriteIndex({Line("26010101.in", "IN.001"), Line("26010102.in", "IN.002")}, end);
        EXPECT_EQ(Table(), kStart + DefaultRow(0, "26010102.in", "IN.002") + DefaultRow(1, "26010101.in", "IN.001") + kEnd)
            << end.size();
    }
}

TEST_F(InboxPages, AShortLineIsARowOfEmptyCells) {
    const QString empty = Row(0, {"", "", "", "", "", ":", "", "", ""});
    const struct {
        const char* label;
        QString line;
    } cases[] = {
        {"ten pieces: no stored file name", "IN.001:102:0:0:06-12-31 23:59:812:345:Mem:No"},
        {"three pieces", "IN.001:102:0"},
        {"an empty line", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        WriteIndex({c.line});
        EXPECT_EQ(Table(), kStart + empty + kEnd);
    }
    // Pieces beyond the eleventh are left out; the row still shows.
    WriteIndex({Line("26010101.in") + ":extra"});
    EXPECT_EQ(Table(), kStart + DefaultRow(0, "26010101.in") + kEnd);
}

// A long index is listed whole: no 16-bit row limit.
TEST_F(InboxPages, AnIndexOfMoreThan32767LinesIsListed) {
    QStringList lines;
    for (int i = 0; i < 33000; ++i) lines << Line(QString("26%1.in").arg(i, 6, 10, QChar('0')));
    WriteIndex(lines);
    const QString html = Table(40000);
    const QStringList ids = LinkedIds(html);
    EXPECT_EQ(ids.size(), 33000);
    EXPECT_EQ(ids.first(), "26032999.in");
    EXPECT_TRUE(html.endsWith("</td></tr>\r\n</table>"));
}

class InboxSorting : public InboxPages {
protected:
    // Five messages whose every shown column differs, written out of order.
    void WriteFive() {
        WriteIndex({
            Line("26010103.in", "IN.004", "305", "26-01-02 08:00", "1200", "55", "Zed", "Yes", "7"),
            Line("26010101.in", "IN.005", "102", "26-01-01 10:00", "50", "7", "Mem", "No", "0"),
            Line("26010105.in", "IN.002", "103", "26-01-01 11:15", "41", "1000", "mem", "No", "1"),
            Line("26010102.in", "IN.003", "001", "26-01-01 09:30", "7", "100", "Alpha", "Yes", "6"),
            Line("26010104.in", "IN.001", "210", "25-12-31 23:59", "300", "9", "Beta", "No", "2"),
        });
    }
    static QStringList Names(const QList<int>& order) {
        QStringList names;
        for (int n : order) names << QString("2601010%1.in").arg(n);
        return names;
    }
};

TEST_F(InboxSorting, EachSortByPicksItsColumnBothWays) {
    WriteFive();
    const struct {
        int sortBy;
        QList<int> ascending;  // the messages by their last digit
    } cases[] = {
        {1, {4, 5, 2, 3, 1}},   // modem file name
        {2, {2, 1, 5, 4, 3}},   // LES
        {3, {1, 5, 4, 2, 3}},   // language
        {4, {4, 2, 1, 5, 3}},   // date and hour
        {5, {3, 4, 5, 1, 2}},   // size, as texts: "1200" < "300" < "41"
        {6, {2, 5, 3, 1, 4}},   // reference, as texts
        {7, {2, 4, 1, 3, 5}},   // routing, capitals first
        {0, {1, 2, 3, 4, 5}},   // file name
        {8, {1, 2, 3, 4, 5}},
        {-1, {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sortBy);
        QList<int> descending(c.ascending.rbegin(), c.ascending.rend());
        EXPECT_EQ(LinkedIds(Table(1024, c.sortBy, true)), Names(c.ascending));
        EXPECT_EQ(LinkedIds(Table(1024, c.sortBy, false)), Names(descending));
    }
}

TEST_F(InboxSorting, ItemsKeepsTheNewestThenSorts) {
    WriteFive();
    // The two newest are 05 and 04; by reference ascending "1000" comes before "9".
    EXPECT_EQ(LinkedIds(Table(2, 6, true)), Names({5, 4}));
    EXPECT_EQ(LinkedIds(Table(1, 0, true)), Names({5}));
    EXPECT_EQ(Table(0), kStart + kEnd);
    EXPECT_EQ(Table(-5), kStart + kEnd);
}

TEST_F(InboxSorting, UnreadOnlySkipsReadLinesAndLinesWithoutAReadFlag) {
    WriteFive();
    EXPECT_EQ(LinkedIds(Table(1024, 0, false, true)), Names({5, 4, 1}));
    // The count of rows is taken after the read ones are left out.
    EXPECT_EQ(LinkedIds(Table(2, 0, false, true)), Names({5, 4}));

    WriteIndex({"IN.001:102:0", "IN.001:102:0:0:06-12-31 23:59:812:345:Mem:No", "IN.001:102:0:0:06-12-31 23:59:812:345:Mem:Yes",
                Line("26010101.in", "IN.001", "102", "06-12-31 23:59", "812", "345", "Mem", "no")});
    EXPECT_EQ(Table(1024, 0, false, true), kStart + Row(0, {"", "", "", "", "", ":", "", "", ""}) + kEnd)
        << "only the ten-piece line reads \"No\" exactly";
}

// Equal texts end in the order the table sort gives them, and the page shows that order: the
// table sort itself, on the same rows, is the reference.
TEST_F(InboxSorting, TiesEndWhereTheTableSortPutsThem) {
    QStringList lines;
    const char* routings[] = {"Mem", "Mem", "Ops", "Mem", "Ops", "Mem", "Ops"};
    for (int i = 0; i < 7; ++i)
        lines << Line(QString("2601010%1.in").arg(i % 4), QString("IN.00%1").arg(i), "102", "06-12-31 23:59", "812", "345",
                      routings[i]);
    WriteIndex(lines);
    for (bool ascending : {true, false}) {
        Array2D table(11, 7);
        for (int row = 0; row < 7; ++row) {
            const QStringList pieces = lines[row].split(':');
            for (int piece = 0; piece < 11; ++piece) table(piece, row) = pieces[piece];
        }
        SortArray2D(table, 10, false);
        table.ResizeRows(5);
        SortArray2D(table, 8, ascending);
        QStringList expected;
        for (int row = 0; row < 5; ++row) expected << table(0, row).toString();

        QStringList shown;
        static const QRegularExpression modem(QStringLiteral("</a></td><td>(IN\\.\\d+)</td>"));
        for (auto it = modem.globalMatch(Table(5, 7, ascending)); it.hasNext();) shown << it.next().captured(1);
        EXPECT_EQ(shown, expected);
    }
}

TEST_F(InboxPages, AMessageComesBackAsHtmlWithItsFullPath) {
    const struct {
        const char* label;
        QByteArray file;
        QString html;
    } cases[] = {
        {"CR LF lines", "Dear captain,\r\nall well.\r\n", "Dear captain,<br>all well.<br>"},
        {"LF lines", "Dear captain,\nall well.", "Dear captain,<br>all well."},
        {"an empty message", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        platform.WriteDataFile("Inbox/26010101.in", c.file);
        QString name = "26010101.in", text;
        EXPECT_FALSE(Inbox().GetInBoxMessage(name, text));
        EXPECT_EQ(text, c.html);
        EXPECT_EQ(name, inbox + "/26010101.in");
    }
}

TEST_F(InboxPages, ADeletedMessageGivesTheNotFoundTextWithTheFullPath) {
    QString name = "26010109.in", text;
    EXPECT_FALSE(Inbox().GetInBoxMessage(name, text));
    EXPECT_EQ(name, inbox + "/26010109.in");
    EXPECT_EQ(text, NotFound(inbox + "/26010109.in"));
}

TEST_F(InboxPages, HostileIndexTextIsShownAsText) {
    WriteIndex({"IN.<b>:<script>x</script>:0:\"0\":06-12-31 23:59:&amp;:345:<img src=x onerror=alert(1)>:No:a b<c>.in"});
    EXPECT_EQ(Table(), kStart +
                           Row(0, {"a%20b%3Cc%3E.in", "a b&lt;c&gt;.in", "IN.&lt;b&gt;", "&lt;script&gt;x&lt;/script&gt;",
                                   "&quot;0&quot;", "06-12-31 23:59", "&amp;amp;", "345",
                                   "&lt;img src=x onerror=alert(1)&gt;"}) +
                           kEnd);
}

TEST_F(InboxPages, HostileIdsReadNothingOutsideTheFolder) {
    platform.WriteDataFile("Inbox/26010101.in", "stored text");
    platform.WriteDataFile("secret.txt", "secret text");
    platform.WriteDataFile("Inbox/.hidden", "hidden text");
    WriteIndex({Line("26010101.in")});
    const struct {
        const char* label;
        QString id;
        bool found;
    } cases[] = {
        {"up to the index's folder", "../in.idx", false},
        {"up to the data folder", "../secret.txt", false},
        {"a sub-folder", "a/b", false},
        {"a backslash", "a\\b", false},
        {"the parent", "..", false},
        {"the folder itself", ".", false},
        {"a hidden file", ".hidden", false},
        {"nothing", "", false},
        {"a control character", QString("26010101.in") + QChar(1), false},
        {"markup", "<b>x</b>", false},
        {"an absolute path", "/etc/passwd", false},
        {"a name too long for any file", QString(300, 'a'), false},
        {"the stored name", "26010101.in", true},
        {"the stored name in capitals", "26010101.IN", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QString name = c.id, text;
        Inbox().GetInBoxMessage(name, text);
        EXPECT_EQ(name, inbox + "/" + c.id);
        EXPECT_EQ(text, c.found ? QString("stored text") : NotFound(inbox + "/" + c.id));
    }
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(InboxPages, WithoutAnInboxFolderSettingNothingIsReadOrCreated) {
    f.gInboxDir.clear();
    EXPECT_EQ(Table(), kStart + kEnd);
    EXPECT_FALSE(QFile::exists("in.idx"));
    QString name = "in.idx", text;
    Inbox().GetInBoxMessage(name, text);
    EXPECT_EQ(name, "/in.idx");
    EXPECT_EQ(text, NotFound("/in.idx"));
}

TEST_F(InboxPages, AnIndexThatCannotBeReadGivesTheTableAndAQueuedError) {
    QDir().mkpath(inbox + "/in.idx");  // a folder where the index should be
    EXPECT_EQ(Table(), kStart + kEnd);
    const QStringList boxes = test::DrainErrorQueue(f);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("(CInbox.ReadIndex) Error '")) << boxes[0].toStdString();
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "nothing is shown at once while a request is answered";
}

// A page is made while a request is answered: a file error is queued, never shown in a box that
// would stop the program until someone clicks.
TEST_F(InboxPages, AFileErrorIsQueuedNotShownAtOnce) {
    f.gInboxDir = inbox + "/" + QString(5000, 'x');  // a path longer than any the system takes
    EXPECT_EQ(Table(), kStart + kEnd);
    QString name = "26010101.in", text;
    Inbox().GetInBoxMessage(name, text);
    EXPECT_EQ(text, NotFound(f.gInboxDir + "/26010101.in"));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_FALSE(test::DrainErrorQueue(f).isEmpty());
}

// What the receive road stores is what the pages show, escaped.
TEST_F(InboxPages, MessagesStoredByTheReceiveRoadAreListedAndShownSafely) {
    AddMessage(1, "<script>alert(1)</script>\r\nSecond line");
    AddMessage(2, "Hello", 2);
    ReadListingAndLog();
    Fetch(1);
    Fetch(2);
    const QStringList lines = IndexLines();
    ASSERT_EQ(lines.size(), 2);

    QString rows;
    for (int i = 0; i < 2; ++i) {
        const QStringList p = lines[1 - i].split(':');  // the newest first
        ASSERT_EQ(p.size(), 11);
        rows += Row(i, {p[10], p[10], p[0], p[1], p[3], p[4] + ":" + p[5], p[6], p[7], p[8]});
    }
    EXPECT_EQ(Table(), kStart + rows + kEnd);
    EXPECT_EQ(LinkedIds(Table()), (QStringList{Today() + "02.in", Today() + "01.in"}));

    QString name = Today() + "01.in", text;
    Inbox().GetInBoxMessage(name, text);
    EXPECT_TRUE(text.startsWith("&lt;script&gt;alert(1)&lt;/script&gt;<br>Second line")) << text.toStdString();
    EXPECT_FALSE(text.contains("<script"));
}

}  // namespace
