#include <QFile>

#include "FormsFixture.h"
#include "foundation/AppSettings.h"
#include "foundation/DebugLog.h"

using namespace tidepost;

namespace {

using Requests = test::FormsFixture;

const QString kNotFoundEnd = QStringLiteral(" not found");

}  // namespace

TEST_F(Requests, PathAndQueryOfTheRequestLine) {
    struct Case {
        QString request, path, query;
    } cases[] = {
        {"GET /a/b.htm?x=1&y=2 HTTP/1.1\r\n\r\n", "/a/b.htm", "x=1&y=2"},
        {"GET / HTTP/1.1", "/", ""},
        {"GET /x?", "/x", ""},
        {"nothing", "nothing", ""},
        {"GET", "GET", ""},
        {"GET ?q HTTP/1.1", "", "q"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cHttpServerProcessing::GetRequestPath(c.request), c.path) << c.request.toStdString();
        EXPECT_EQ(cHttpServerProcessing::GetQueryString(c.request), c.query) << c.request.toStdString();
    }
}

TEST_F(Requests, ParametersOfQueryAndBody) {
    struct Case {
        QString query, body;
        QList<std::pair<QString, QString>> params;
    } cases[] = {
        {"", "", {}},
        {"a=1", "b=2", {{"a", "1"}, {"b", "2"}}},
        {"a=1&&b=2", "", {{"a", "1"}, {"", ""}, {"b", "2"}}},
        {"a%20b", "", {{"a%20b", ""}}},       // without "=" the name is kept as it came
        {"n%41me=v+w%41", "", {{"nAme", "v wA"}}},
        {"x=%zz", "", {{"x", ""}}},           // a bad escape empties the value
        {"a=b=c", "", {{"a", "b=c"}}},
    };
    for (const Case& c : cases) {
        QList<std::pair<QString, QString>> got;
        for (const RequestParameter& p : http.Parameters(c.query, c.body)) got.append({p.Name, p.Value});
        EXPECT_EQ(got, c.params) << c.query.toStdString() << " | " << c.body.toStdString();
    }
}

TEST_F(Requests, CommandsAreFoundAnywhereInThePathIgnoringCase) {
    EXPECT_EQ(Get("/x/txmessage"), "Error, missing parameter(s).");
    EXPECT_EQ(Get("/REQUESTTXMSG"), "Error, function parameter missing.");
    EXPECT_EQ(Get("/requestrxmsg?name=1"), "Error, function parameter missing.");
    EXPECT_EQ(Get("/REQUESTMSGSTATUS"), "Error, function parameter missing.");
    EXPECT_EQ(Get("/REQUESTMSGSTATUS?id=1"), "<HTML><BODY>Error, function parameter missing.</BODY></HTML>");
    // "/TXMESSAGE" does not occur in /sendTXMESSAGE: a file is served.
    EXPECT_TRUE(Get("/sendTXMESSAGE").startsWith("404: File "));
    EXPECT_TRUE(sends.isEmpty());
    EXPECT_EQ(http.ProcessData(QString()), "Error in request");
}

TEST_F(Requests, SendFieldsBecomeTheMessage) {
    SaveAppSetting(f, f.gProductName, "Settings", "DefaultMsgAddress", "default@example.org");
    SaveAppSetting(f, f.gProductName, "Settings", "DefaultMsgFormat", "8-bit");
    struct Case {
        const char* what;
        QString query, body;
        bool toBook;
        QString to, subject, text;
        quint8 format;
    } cases[] = {
        {"fields in form order, empty ones skipped", "", "name=Smith&age=&MSGSUBJECT=Catch&MSGTEXT=ok", false,
         "default@example.org", "Catch", "Smith,ok", 2},
        {"an empty MSGTEXT still adds its comma", "", "a=1&MSGTEXT=", false, "default@example.org", "", "1,", 2},
        {"the query comes first", "q=first", "b=second", false, "default@example.org", "", "first,second", 2},
        {"the last destination decides", "", "MSGADDRESS=ops%40ship.example&MSGADRBOOKENTRY=Office&MSGTYPE=9", true,
         "Office", "", "", 2},
        {"an address after the entries", "", "MSGADRBOOKENTRY=Office&MSGADDRESS=x%40y", false, "x@y", "", "", 2},
        {"5-bit", "", "MSGFORMAT=5-BIT&t=1", false, "default@example.org", "", "1", 0},
        {"an unknown format is 7-bit", "", "MSGFORMAT=6-bit&t=1", false, "default@example.org", "", "1", 1},
        {"the body's line ends and blanks go", "", "  MSGTEXT=a\r\nb  ", false, "default@example.org", "", "ab", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sends.clear();
        const QString answer = c.query.isEmpty() ? Post("/TXMESSAGE", c.body) : Post("/TXMESSAGE?" + c.query, c.body);
        ASSERT_EQ(sends.size(), 1) << answer.toStdString();
        EXPECT_EQ(sends[0].toBook, c.toBook);
        EXPECT_EQ(sends[0].to, c.to);
        EXPECT_EQ(sends[0].subject, c.subject);
        EXPECT_EQ(sends[0].text, c.text);
        if (!c.toBook) {
            EXPECT_EQ(sends[0].format, c.format);
        }
    }
}

TEST_F(Requests, ABodyOfOneCharacterIsDropped) {
    EXPECT_EQ(Post("/TXMESSAGE", "a"), "Error, missing parameter(s).");
    EXPECT_TRUE(sends.isEmpty());
}

TEST_F(Requests, SendResultPages) {
    struct Case {
        qint16 code;
        QString page;
    } cases[] = {
        {1000, "<HTML><BODY>Your request is being processed...<br>Ref:26011501.out</BODY></HTML>"},
        {1002, "<HTML><BODY>Error 1002: Land Earth Station does not exist in this ocean, please choose another LES or "
               "log into another ocean.</BODY></HTML>"},
        {1003, "<HTML><BODY>Unknown error occurred when sending message.</BODY></HTML>"},
        {0, "<HTML><BODY>Unknown error occurred when sending message.</BODY></HTML>"},
    };
    for (const Case& c : cases) {
        sendResult = c.code;
        EXPECT_EQ(Post("/TXMESSAGE", "MSGTEXT=ok"), c.page) << c.code;
    }
    http.Send = [](bool, const QString&, quint8, const QString&, QString&, QString&) -> qint16 {
        throw std::runtime_error("disk gone");
    };
    EXPECT_EQ(Post("/TXMESSAGE", "MSGTEXT=ok"), "<HTML><BODY>Unknown error occurred when sending message.</BODY></HTML>");
}

TEST_F(Requests, DeliveryStatusEscapesWhatTheRequestSent) {
    platform.WriteDataFile("sent items/OUT.IDX",
                           "26011501.out;a@b;102;E-Mail 7 Bit;12-07-03;09:05; 12;OUT.1;Delivered;0;0;0;0;03;07;09;05;A;;;S\r\n");
    EXPECT_EQ(Get("/REQUESTMSGSTATUS?REF=26011501.out"), "<HTML><BODY>Ref:26011501.out<br>Status:Delivered</BODY></HTML>");
    EXPECT_EQ(Get("/REQUESTMSGSTATUS?ref=nothing"), "<HTML><BODY>Ref:nothing<br>Status:not found</BODY></HTML>");
    EXPECT_EQ(Get("/REQUESTMSGSTATUS?REF=%3Cscript%3Ealert(1)%3C/script%3E"),
              "<HTML><BODY>Ref:&lt;script&gt;alert(1)&lt;/script&gt;<br>Status:not found</BODY></HTML>");
}

TEST_F(Requests, AFailureInsideACommandAnswersUnknownError) {
    // No outbox log to read.
    EXPECT_EQ(Get("/REQUESTMSGSTATUS?REF=x"), "Unknown error");
    EXPECT_TRUE(f.Windows.DebugLog.get().Text().contains("Request failed"));
}

TEST_F(Requests, MessagePages) {
    platform.WriteDataFile("Inbox/26011501.in", "Hello\r\n<b>there</b>");
    platform.WriteDataFile("sent items/26011502.out", "Sent\r\ntext");
    EXPECT_EQ(Get("/REQUESTRXMSG?id=26011501.in"), "Hello<br>&lt;b&gt;there&lt;/b&gt;");
    // No decode.js: an empty script and one error line.
    EXPECT_EQ(Get("/REQUESTTXMSG?ID=26011502.out"),
              "<script type=\"text/javascript\"></script><html><body onload='MainDecode()'>Sent<br>text</body></html>");
    EXPECT_TRUE(platform.ReadDataFile("ErrorLog.txt").contains("LoadOutBoxHeader:Error, file 'decode.js' not found"));
    Form("decode.js", "function MainDecode(){}");
    EXPECT_TRUE(Get("/REQUESTTXMSG?ID=26011502.out").startsWith("<script type=\"text/javascript\">function MainDecode(){}</script>"));
    // Names reach only their own folder.
    EXPECT_FALSE(Get("/REQUESTRXMSG?ID=../sent%20items/26011502.out").contains("Sent"));
}

TEST_F(Requests, FilesOfTheFormsFolder) {
    Form("index.htm", "index");
    Form("forms/order.htm", "order");
    Form("my form.htm", "spaced");
    struct Case {
        QString target, answer;
    } cases[] = {
        {"/", "index"},
        {"", "index"},
        {"noslash", "index"},
        {"/forms/order.htm?x=1", "order"},
        {"/FORMS/ORDER.HTM", "order"},
        {"/my%20form.htm", "spaced"},
    };
    for (const Case& c : cases) EXPECT_EQ(Get(c.target), c.answer) << c.target.toStdString();
    EXPECT_EQ(Get("/missing.htm"), "404: File " + platform.DataFolder() + "/html/missing.htm not found");
    EXPECT_EQ(Get("/%3Cb%3E.htm"), "404: File " + platform.DataFolder() + "/html/&lt;b&gt;.htm not found");
}

TEST_F(Requests, NamesLeadingOutOfTheFormsFolderAreMissing) {
    platform.WriteDataFile("Tidepost.ini", "[Secret]\r\nvalue\r\n");
    platform.WriteDataFile("html2/x.htm", "neighbour");
    QFile::link(platform.DataFolder() + "/Tidepost.ini", platform.DataFolder() + "/html/link.htm");
    Form("sub/ok.htm", "ok");
    const QString names[] = {"/../Tidepost.ini", "/%2e%2e/Tidepost.ini", "/%2E%2E%2FTidepost.ini",
                             "/..%5CTidepost.ini", "/sub/../../Tidepost.ini", "/./../Tidepost.ini",
                             "/../html2/x.htm", "/link.htm", "/sub%00.htm", "/sub%0A/ok.htm",
                             "/sub/", "/%2F%2Fetc/passwd", "/" + platform.DataFolder() + "/Tidepost.ini"};
    for (const QString& name : names) {
        const QString answer = Get(name);
        EXPECT_TRUE(answer.startsWith("404: File ")) << name.toStdString() << " gave " << answer.toStdString();
        EXPECT_FALSE(answer.contains("value") || answer.contains("neighbour")) << name.toStdString();
    }
    EXPECT_EQ(Get("/sub/ok.htm"), "ok");
}

TEST_F(Requests, TemplateTags) {
    f.gSession.SetMobileNumber(492012345);
    SaveAppSetting(f, f.gProductName, "Settings", "VesselName", "Sea <%=REQUESTSHIPNAME%> Star");
    f.gIniEntries.Items.append(KeyValuePair{"[Signature]", "Master of <%=REQUESTSHIPNAME%> at <%=REQUESTPOSITION%>"});
    http.ServerIP = "127.0.0.1";
    http.ServerPort = "18080";
    struct Case {
        QString page, filled;
    } cases[] = {
        {"<%=requestmobileno%> and <%=REQUESTMOBILENO%>", "492012345 and 492012345"},
        {"<%=REQUESTPOSITION%>", "No position available"},
        {"255,255.255N , 255,255.255E <%=REQUESTPOSITION%>", "No position available No position available"},
        {"255,255.255N , 255,255.255E", "255,255.255N , 255,255.255E"},  // without the tag it stays
        {"<%=REQUESTUTCTIME%>|<%=REQUESTLOCALTIME%>", "1970-01-01 00:00|2012-07-03 09:05"},
        // The ship's name holding its own tag ends after one round.
        {"<%=REQUESTSHIPNAME%>", "Sea <%=REQUESTSHIPNAME%> Star"},
        // The signature's ship tag is filled, its position tag (handled before) stays.
        {"<%=REQUESTSIGNATURE%>", "Master of Sea <%=REQUESTSHIPNAME%> Star at <%=REQUESTPOSITION%>"},
        {"http://<%=REQUESTSERVERIP%>:<%=REQUESTSERVERPORT%>/", "http://127.0.0.1:18080/"},
        {"a <%=REQUESTOUTBOX 0%> b", "a  b"},
        {"a <%=REQUESTINBOX 0 1%>", "a "},
        {"a <%=REQUESTOUTBOX 1 2 3", "a <%=REQUESTOUTBOX 1 2 3"},  // no "%>": stays as text
        {"<%=REQUESTOUTBOX -99999999999 9999999999 %>x", "x"},
    };
    for (const Case& c : cases) EXPECT_EQ(http.ReplaceTemplateTags(c.page), c.filled) << c.page.toStdString();
}

TEST_F(Requests, TableTags) {
    QByteArray in;
    for (int i = 1; i <= 30; ++i)
        in += "IN.00" + QByteArray::number(i) + ":102:0:0:12-07-03 12:00:200:1000:Mem:" + (i % 2 ? "Yes" : "No") +
              ":260101" + QByteArray::number(i).rightJustified(2, '0') + ".in\r\n";
    platform.WriteDataFile("Inbox/in.idx", in);
    platform.WriteDataFile("sent items/OUT.IDX",
                           "26011501.out;a@b;102;E-Mail 7 Bit;12-07-03;09:05; 12;OUT.1;Delivered;0;0;0;0;03;07;09;05;A;;;S\r\n");
    const auto rows = [](const QString& html) { return html.count("</tr>\r\n") - 1; };
    EXPECT_EQ(rows(http.ReplaceTemplateTags("<%=REQUESTINBOX%>")), 30);
    EXPECT_EQ(rows(http.ReplaceTemplateTags("<%=REQUESTINBOX   20    1 %>")), 15);
    EXPECT_EQ(rows(http.ReplaceTemplateTags("<%=REQUESTINBOX 20%>")), 20);
    // Each tag reads its own arguments: the second table lists read and unread rows.
    const QString two = http.ReplaceTemplateTags("<%=REQUESTINBOX 30 1%>|<%=REQUESTINBOX 30%>");
    EXPECT_EQ(rows(two.section('|', 0, 0)), 15);
    EXPECT_EQ(rows(two.section('|', 1)), 30);
    EXPECT_EQ(rows(http.ReplaceTemplateTags("<%=requestoutbox%>")), 1);
}

// Sent-items tags are filled first, then inbox tags over the page as it has become: a table
// never holds a tag or its end, while an empty table lets the text around it join.
TEST_F(Requests, BothTableTagsOnOnePage) {
    QByteArray in;
    for (int i = 1; i <= 3; ++i)
        in += "IN.00" + QByteArray::number(i) + ":102:0:0:12-07-03 12:00:200:1000:Mem:" + (i % 2 ? "Yes" : "No") +
              ":2601010" + QByteArray::number(i) + ".in\r\n";
    platform.WriteDataFile("Inbox/in.idx", in);
    platform.WriteDataFile("sent items/OUT.IDX",
                           "26011501.out;a@b;102;E-Mail 7 Bit;12-07-03;09:05; 12;OUT.1;Delivered;0;0;0;0;03;07;09;05;A;;;S\r\n");
    const QString out = GetOutBox(m).LoadIndexHTML(1024, 0, false);
    const QString in1 = GetInbox(m).LoadIndexHTML(1, 0, false, false);
    const QString in2 = GetInbox(m).LoadIndexHTML(2, 0, false, false);
    const QString unread = GetInbox(m).LoadIndexHTML(1024, 0, false, true);
    ASSERT_NE(in1, in2);
    ASSERT_NE(unread, GetInbox(m).LoadIndexHTML(1024, 0, false, false));
    struct Case {
        const char* what;
        QString page, filled;
    } cases[] = {
        {"one of each", "<%=REQUESTOUTBOX%><%=REQUESTINBOX 2%>", out + in2},
        {"inbox tags around a sent-items tag", "<%=REQUESTINBOX 2%>|<%=requestoutbox%>|<%=RequestInbox 9 1%>",
         in2 + "|" + out + "|" + unread},
        {"an inbox tag as a sent-items argument", "<%=REQUESTOUTBOX <%=REQUESTINBOX 2%>", QString()},
        {"an empty table joins a tag", "<%=REQUEST<%=REQUESTOUTBOX 0%>INBOX 1%>", in1},
        {"a tag joined in its own round stays", "<%=REQUEST<%=REQUESTOUTBOX 0%>OUTBOX 1%>", "<%=REQUESTOUTBOX 1%>"},
        {"a table among an inbox tag's arguments", "<%=REQUESTINBOX 1 <%=REQUESTOUTBOX%> 1%>", in1},
        {"no end after the table", "<%=REQUESTINBOX 2 <%=REQUESTOUTBOX%>", "<%=REQUESTINBOX 2 " + out},
        {"ends around a table", "%><%=REQUESTOUTBOX%>%>", "%>" + out + "%>"},
        {"text between", "a <%=REQUESTINBOX 1%> b <%=REQUESTOUTBOX 5%> c", "a " + in1 + " b " + out + " c"},
    };
    for (const Case& c : cases) EXPECT_EQ(http.ReplaceTemplateTags(c.page), c.filled) << c.what;
}

TEST_F(Requests, ServedFilesGetTheirTagsFilled) {
    f.gSession.SetMobileNumber(492012345);
    Form("index.htm", "<p><%=REQUESTMOBILENO%></p>");
    EXPECT_EQ(Get("/"), "<p>492012345</p>");
    EXPECT_EQ(http.ServedFile, QFileInfo(platform.DataFolder() + "/html/index.htm").canonicalFilePath());
    EXPECT_EQ(Get("/REQUESTMSGSTATUS"), "Error, function parameter missing.");
    EXPECT_TRUE(http.ServedFile.isEmpty());
}
