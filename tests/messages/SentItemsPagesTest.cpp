#include <QRegularExpression>

#include "OutboxFixture.h"
#include "SendFixture.h"
#include "messages/CTransmission.h"
#include "messages/SendResult.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

const QString kStart = QStringLiteral(
    "<style type=\"text/css\"><!--A:link { COLOR: black; TEXT-DECORATION: none; font-weight: normal }"
    "A:visited { COLOR: black; TEXT-DECORATION: none; font-weight: normal }A:active { COLOR: black; "
    "TEXT-DECORATION: none }A:hover { COLOR: blue; TEXT-DECORATION: none; font-weight: none }--></style><table>"
    "<tr><td><b>File name</b></td><td><b>Address</b></td><td><b>Destination</b></td><td><b>LES</b></td><td><b>"
    "Language</b></td><td><b>Date</b></td><td><b>Size</b></td><td><b>Ref.no.</b></td><td><b>Status</b></td></th>"
    "</tr>\r\n");
const QString kEnd = QStringLiteral("</table>");

// The row at `position` for these cells, already in their HTML form: link id, file name,
// address, destination, LES, type and bits, date and time, size, reference, status.
QString Row(int position, const QStringList& c) {
    return QStringLiteral("<tr ") + (position % 2 == 0 ? "bgcolor=#EEEEEE" : "") + "><td><a href=REQUESTTXMSG?ID=" +
           c[0] + ">" + c[1] + "</a></td><td>" + c[2] + "</td><td>" + c[3] + "</td><td>" + c[4] + "</td><td>" + c[5] +
           "</td><td>" + c[6] + "</td><td>" + c[7] + "</td><td>" + c[8] + "</td><td>" + c[9] + "</td></tr>\r\n";
}

// The row of test::SubmissionLine(file, "101", ref, status).
QString SubmissionRow(int position, const QString& file, const QString& ref = "OUT.1",
                      const QString& status = "Delivered") {
    return Row(position, {file, file, "Alice", "alice@example.org", "101", "E-Mail 7 Bit", "12-07-03 09:05", " 12",
                          ref.toHtmlEscaped(), status});
}

QStringList LinkedIds(const QString& html) {
    QStringList ids;
    static const QRegularExpression link(QStringLiteral("ID=([^>]*)>"));
    for (auto it = link.globalMatch(html); it.hasNext();) ids << it.next().captured(1);
    return ids;
}

QString NotFound(const QString& path) {
    return "'" + path.toHtmlEscaped() + "' Does not exist!\r\nThe file might have been manually deleted by operator.";
}

class SentItemsPages : public test::OutboxFixture {
protected:
    QString Table(int items = 1024, int sortBy = 0, bool ascending = false) {
        return OutBox().LoadIndexHTML(items, sortBy, ascending);
    }
    QString Message(QString& name) {
        QString text;
        OutBox().GetOutBoxMessage(name, text);
        return text;
    }
};

TEST_F(SentItemsPages, AnEmptyLogGivesTheStyleHeaderAndEnd) {
    Write("OUT.IDX", "");
    EXPECT_EQ(Table(), kStart + kEnd);
}

TEST_F(SentItemsPages, AMissingLogIsCreatedOnce) {
    EXPECT_EQ(Table(), kStart + kEnd);
    EXPECT_EQ(Entries(), QStringList{"OUT.IDX"});
    QFile::remove(outbox + "/OUT.IDX");
    Write("Out.idx", test::Lines({test::SubmissionLine("12070301.out", "101", "OUT.1", "Delivered")}));
    EXPECT_EQ(Table(), kStart + SubmissionRow(0, "12070301.out") + kEnd);
    EXPECT_EQ(Entries(), QStringList{"Out.idx"});
}

TEST_F(SentItemsPages, RowsAlternateAndTheNewestComeFirst) {
    Write("OUT.IDX", test::Lines({test::SubmissionLine("12070301.out", "101", "OUT.1", "Delivered")}));
    EXPECT_EQ(Table(), kStart + SubmissionRow(0, "12070301.out") + kEnd);

    Write("OUT.IDX", test::Lines({test::SubmissionLine("12070301.out", "101", "OUT.1", "Delivered"),
                                  test::SubmissionLine("12070303.out", "101", "OUT.3", "Delivered"),
                                  test::SubmissionLine("12070302.out", "101", "OUT.2", "Delivered")}));
    EXPECT_EQ(Table(), kStart + SubmissionRow(0, "12070303.out", "OUT.3") + SubmissionRow(1, "12070302.out", "OUT.2") +
                           SubmissionRow(2, "12070301.out", "OUT.1") + kEnd);

    // LF-only lines are lines too.
    Write("OUT.IDX", test::SubmissionLine("12070301.out", "101", "OUT.1", "Delivered") + "\n" +
                         test::SubmissionLine("12070302.out", "101", "OUT.2", "Delivered") + "\n");
    EXPECT_EQ(LinkedIds(Table()), (QStringList{"12070302.out", "12070301.out"}));
}

TEST_F(SentItemsPages, ALineOfFewerThan21FieldsIsARowOfEmptyCells) {
    const QString empty = Row(0, {"", "", "", "", "", "", " ", "", "", ""});
    const QByteArray full = test::SubmissionLine("12070301.out", "101", "OUT.1", "Delivered");
    for (const QByteArray& line : {full.left(full.lastIndexOf(';')), QByteArray("12070301.out;x"), QByteArray()}) {
        SCOPED_TRACE(line.constData());
        Write("OUT.IDX", line + "\r\n");
        EXPECT_EQ(Table(), kStart + empty + kEnd);
    }
}

// A line of 21 fields with the given ones set: the rest as the send road leaves them.
QByteArray FieldsLine(const QList<std::pair<int, QByteArray>>& set) {
    QList<QByteArray> fields{"12070301.out", "x@y.org", "102", "E-Mail 7 Bit", "12-07-03", "09:05", " 12", "OUT.1",
                             "Delivered", "0", "0", "0", "0", "03", "07", "09", "05", "Al", "", "", "S"};
    for (const auto& [field, text] : set) fields[field] = text;
    return fields.join(';');
}

TEST_F(SentItemsPages, CellsAreTheirFieldsAsText) {
    const QStringList plain{"12070301.out", "12070301.out", "Al", "x@y.org", "102", "E-Mail 7 Bit", "12-07-03 09:05",
                            " 12", "OUT.1", "Delivered"};
    const auto with = [&](const QList<std::pair<int, QString>>& cells) {
        QStringList c = plain;
        for (const auto& [cell, text] : cells) c[cell] = text;
        return c;
    };
    const struct {
        const char* what;
        QByteArray index;
        QList<QStringList> rows;
    } cases[] = {
        {"markup characters", FieldsLine({{0, "a\"b&c.out"}, {1, "<x@y>"}, {17, "\"Al\" & 'Bo'"}, {8, ">"}}) + "\r\n",
         {with({{0, "a%22b%26c.out"}, {1, "a&quot;b&amp;c.out"}, {2, "&quot;Al&quot; &amp; 'Bo'"}, {3, "&lt;x@y&gt;"},
                {9, "&gt;"}})}},
        {"entities stay text", FieldsLine({{1, "&amp &lt"}}) + "\r\n", {with({{3, "&amp;amp &amp;lt"}})}},
        {"letters beyond ASCII", FieldsLine({{0, "\xE9t\xE9 \x80.out"}, {1, "Jos\xE9"}}) + "\r\n",
         {with({{0, "%E9t%E9%20%80.out"}, {1, QString::fromUtf8("été €.out")}, {3, QString::fromUtf8("José")}})}},
        {"fields after the 21st", FieldsLine({}) + ";more;<b>\r\n", {plain}},
        {"20 fields", FieldsLine({}).left(FieldsLine({}).lastIndexOf(';')) + "\r\n",
         {{"", "", "", "", "", "", " ", "", "", ""}}},
        {"CR, LF and CR LF ends, the last line without one",
         FieldsLine({{0, "1.out"}}) + "\r" + FieldsLine({{0, "2.out"}}) + "\n" + FieldsLine({{0, "3.out"}}) + "\r\n" +
             FieldsLine({{0, "4.out"}}),
         {with({{0, "4.out"}, {1, "4.out"}}), with({{0, "3.out"}, {1, "3.out"}}), with({{0, "2.out"}, {1, "2.out"}}),
          with({{0, "1.out"}, {1, "1.out"}})}},
        {"an empty line between", FieldsLine({}) + "\r\n\r\n" + FieldsLine({{0, "2.out"}}) + "\r\n",
         {with({{0, "2.out"}, {1, "2.out"}}), plain, {"", "", "", "", "", "", " ", "", "", ""}}},
        {"only line ends", "\r\n\n", {{"", "", "", "", "", "", " ", "", "", ""}, {"", "", "", "", "", "", " ", "", "", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write("OUT.IDX", c.index);
        QString rows;
        for (qsizetype i = 0; i < c.rows.size(); ++i) rows += Row(int(i), c.rows[i]);
        EXPECT_EQ(Table().toStdString(), (kStart + rows + kEnd).toStdString());
    }
}

TEST_F(SentItemsPages, ADistressAlertLineLinksToItsFile) {
    Write("OUT.IDX", test::Lines({test::DistressLine("Conf.Ok")}));
    Write("-", "Distress Alert");
    EXPECT_EQ(Table(), kStart +
                           Row(0, {"-", "-", "SEARCH &amp; RESCUE", "MRCC", "Auto", "Distress Alert", "12-07-02 18:30",
                                   "-", "-", "Conf.Ok"}) +
                           kEnd);
    QString name = "-";
    EXPECT_EQ(Message(name), "Distress Alert");
    EXPECT_EQ(name, outbox + "/-");
}

class SentItemsSorting : public SentItemsPages {
protected:
    // Five submissions whose every shown column differs, written out of order.
    void WriteFive() {
        auto line = [](int n, const char* dest, const char* les, const char* type, const char* date, const char* size,
                       const char* ref, const char* status, const char* to) {
            return QString("1207030%1.out;%2;%3;%4;%5;09:05;%6;%7;%8;0;0;0;0;03;07;09;05;%9;;;Subject")
                .arg(n)
                .arg(dest, les, type, date, size, ref, status, to)
                .toLatin1();
        };
        Write("OUT.IDX", test::Lines({
                             line(3, "c@x.org", "305", "Telex 5 Bit", "12-07-05", " 1200", "OUT.55", "Sending", "Zed"),
                             line(1, "e@x.org", "102", "E-Mail 7 Bit", "12-07-01", " 50", "OUT.7", "Delivered", "Mem"),
                             line(5, "d@x.org", "103", "SMS 7 Bit", "12-07-02", " 41", "OUT.1000", "Initiated", "mem"),
                             line(2, "a@x.org", "001", "Fax 8 Bit", "12-07-04", " 7", "OUT.100", "Conf.OK", "Alpha"),
                             line(4, "b@x.org", "210", "InmC 7 Bit", "12-06-30", " 300", "OUT.9", "Failed", "Beta"),
                         }));
    }
    static QStringList Names(const QList<int>& order) {
        QStringList names;
        for (int n : order) names << QString("1207030%1.out").arg(n);
        return names;
    }
};

TEST_F(SentItemsSorting, EachSortByPicksItsColumnBothWays) {
    WriteFive();
    const struct {
        int sortBy;
        QList<int> ascending;  // the submissions by their last digit
    } cases[] = {
        {1, {2, 4, 1, 3, 5}},  // address (the To aliases), capitals first
        {2, {2, 4, 3, 5, 1}},  // destination
        {3, {2, 1, 5, 4, 3}},  // LES
        {4, {1, 2, 4, 5, 3}},  // type and bits
        {5, {4, 1, 5, 2, 3}},  // date
        {6, {3, 4, 5, 1, 2}},  // size, as texts
        {7, {2, 5, 3, 1, 4}},  // reference, as texts
        {8, {2, 1, 4, 5, 3}},  // status
        {0, {1, 2, 3, 4, 5}},  // file name
        {9, {1, 2, 3, 4, 5}},
        {-1, {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sortBy);
        QList<int> descending(c.ascending.rbegin(), c.ascending.rend());
        EXPECT_EQ(LinkedIds(Table(1024, c.sortBy, true)), Names(c.ascending));
        EXPECT_EQ(LinkedIds(Table(1024, c.sortBy, false)), Names(descending));
    }
}

TEST_F(SentItemsSorting, ItemsKeepsTheNewestThenSorts) {
    WriteFive();
    // The two newest are 05 ("Initiated") and 04 ("Failed").
    EXPECT_EQ(LinkedIds(Table(2, 8, true)), Names({4, 5}));
    EXPECT_EQ(LinkedIds(Table(2, 8, false)), Names({5, 4}));
    EXPECT_EQ(Table(0), kStart + kEnd);
    EXPECT_EQ(Table(-1, 8, true), kStart + kEnd);
}

TEST_F(SentItemsPages, OutboxMessagesComeBackAsHtml) {
    const struct {
        const char* label;
        QByteArray file;
        QString html;
    } cases[] = {
        {"CR LF lines", "To: ops@owner.example\r\nSubject: Log\r\nA & B <ok>\r\n",
         "To: ops@owner.example<br>Subject: Log<br>A &amp; B &lt;ok&gt;<br>"},
        {"LF lines", "one\ntwo", "one<br>two"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Write("12070301.out", c.file);
        QString name = "12070301.out";
        EXPECT_EQ(Message(name), c.html);
        EXPECT_EQ(name, outbox + "/12070301.out");
    }
    QString gone = "12070309.out";
    EXPECT_EQ(Message(gone), NotFound(outbox + "/12070309.out"));
    EXPECT_EQ(gone, outbox + "/12070309.out");
}

TEST_F(SentItemsPages, HostileTextIsShownAsText) {
    Write("OUT.IDX", test::Lines({"x&y<z>.out;<script>a()</script>;1\"0\"1;E-Mail 7 Bit;12-07-03;09:05; 12;<None>;"
                                  "Initiated;0;0;0;0;03;07;09;05;<img src=x onerror=alert(1)>;;;Hi"}));
    EXPECT_EQ(Table(), kStart +
                           Row(0, {"x%26y%3Cz%3E.out", "x&amp;y&lt;z&gt;.out", "&lt;img src=x onerror=alert(1)&gt;",
                                   "&lt;script&gt;a()&lt;/script&gt;", "1&quot;0&quot;1", "E-Mail 7 Bit",
                                   "12-07-03 09:05", " 12", "&lt;None&gt;", "Initiated"}) +
                           kEnd);
}

TEST_F(SentItemsPages, HostileIdsReadNothingOutsideTheFolder) {
    Write("12070301.out", "stored text");
    Write("OUT.IDX", "");
    platform.WriteDataFile("secret.txt", "secret text");
    const struct {
        const char* label;
        QString id;
        bool found;
    } cases[] = {
        {"the log", "../sent items/OUT.IDX", false},
        {"up to the data folder", "../secret.txt", false},
        {"a sub-folder", "a/b", false},
        {"a backslash", "a\\b", false},
        {"the parent", "..", false},
        {"nothing", "", false},
        {"a control character", QString("12070301.out") + QChar(10), false},
        {"markup", "<script>", false},
        {"the stored name in capitals", "12070301.OUT", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QString name = c.id;
        EXPECT_EQ(Message(name), c.found ? QString("stored text") : NotFound(outbox + "/" + c.id));
        EXPECT_EQ(name, outbox + "/" + c.id);
    }
    f.gOutboxDir.clear();
    QString name = "12070301.out";
    EXPECT_EQ(Message(name), NotFound("/12070301.out"));
    EXPECT_EQ(Table(), kStart + kEnd);
    EXPECT_TRUE(QueuedTexts().isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(SentItemsPages, ALogThatCannotBeReadGivesTheTableAndAQueuedError) {
    QDir().mkpath(outbox + "/OUT.IDX");
    EXPECT_EQ(Table(), kStart + kEnd);
    const QStringList boxes = QueuedTexts();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("(cOutBox.ReadIndex) Error '")) << boxes[0].toStdString();
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

// What the send road writes is what the page lists; the reference "<None>" shows as text.
class SentItemsFromTheSendRoad : public test::SendTest {};

TEST_F(SentItemsFromTheSendRoad, ASubmissionIsListedAndItsMessageShown) {
    CTransmission tx(m);
    const QString body = "Log <attached> & signed";
    QString text = body, ref;
    ASSERT_EQ(tx.SendMessageToAddress("ops@owner.example", 0, 1, "Log", text, ref), SendResult::Submitted);
    EXPECT_EQ(GetOutBox(m).LoadIndexHTML(1024, 0, false).toStdString(),
              (kStart +
               Row(0, {"12070301.out", "12070301.out", "ops@owner.example", "-", "101", "E-Mail 7 Bit", "12-07-03 09:05",
                       " " + QString::number(body.size()), "&lt;None&gt;", "Initiated"}) +
               kEnd)
                  .toStdString());
    QString name = ref, html;
    GetOutBox(m).GetOutBoxMessage(name, html);
    EXPECT_EQ(html, "To: ops@owner.example<br>Subject: Log<br>Log &lt;attached&gt; &amp; signed<br>");
    EXPECT_EQ(name, outbox + "/12070301.out");
}

}  // namespace
