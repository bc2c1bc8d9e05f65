#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "FormsFixture.h"
#include "foundation/AppSettings.h"
#include "foundation/DebugLog.h"
#include "remote/FormsServer.h"
#include "support/HttpClient.h"

using namespace tidepost;
using test::HttpClient;

namespace {

class FormsServerTest : public test::FormsFixture {
protected:
    FormsServerTest() {
        server.RuntimeFolder = runtime.path();
        server.Send = http.Send;
        SaveAppSetting(f, f.gProductName, "ElectronicForms", "LocalPort", "0");
        Form("index.htm", "<%=REQUESTMOBILENO%>|<%=REQUESTSERVERPORT%>");
        f.gSession.SetMobileNumber(492012345);
    }
    void Start() {
        server.StartFormsServer();
        ASSERT_TRUE(server.IsListening());
        host = "127.0.0.1:" + QByteArray::number(server.BoundPort());
        origin = "http://" + host;
        cookie = "Cookie: TidepostForms=" + server.Key() + "\r\n";
    }
    // A request with these header lines (each ending CR LF) and body.
    QByteArray Request(const QByteArray& target, const QByteArray& headers, const QByteArray& body = {},
                       const QByteArray& method = "GET") {
        QByteArray head = method + " " + target + " HTTP/1.1\r\n" + headers;
        if (!body.isEmpty()) head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        return head + "\r\n" + body;
    }
    int Status(const QByteArray& request) { return server.Answer(request).Status; }

    QTemporaryDir runtime;
    FormsServer server{f, m};
    QByteArray host, origin, cookie;
};

}  // namespace

TEST(WinsockStateNames, Table) {
    const char* names[] = {"Closed",  "Open",      "Listening", "Connection pending", "Resolving host", "Host resolved",
                           "Connecting", "Connected", "Closing",   "Error"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(WinsockStateName(i), names[i]);
    EXPECT_EQ(WinsockStateName(10), "Unknown");
    EXPECT_EQ(WinsockStateName(-1), "Unknown");
}

TEST_F(FormsServerTest, OnlyTheUsersOwnBrowserIsAnswered) {
    Start();
    const QByteArray txBody = "MSGADDRESS=ops%40ship.example&MSGSUBJECT=Catch&name=Smith&MSGTEXT=ok";
    const QByteArray localhost = "localhost:" + QByteArray::number(server.BoundPort());
    struct Case {
        const char* what;
        QByteArray request;
        int status;
    } cases[] = {
        {"own host and cookie", Request("/", "Host: " + host + "\r\n" + cookie), 200},
        {"localhost", Request("/", "Host: " + localhost + "\r\n" + cookie), 200},
        {"no cookie", Request("/", "Host: " + host + "\r\n"), 403},
        {"a wrong cookie", Request("/", "Host: " + host + "\r\nCookie: TidepostForms=00\r\n"), 403},
        {"no host", Request("/", cookie), 403},
        {"a foreign host", Request("/", "Host: evil.example:" + QByteArray::number(server.BoundPort()) + "\r\n" + cookie), 403},
        {"our host without its port", Request("/", "Host: 127.0.0.1\r\n" + cookie), 403},
        {"another port", Request("/", "Host: 127.0.0.1:1\r\n" + cookie), 403},
        {"a foreign origin", Request("/", "Host: " + host + "\r\nOrigin: http://evil.example\r\n" + cookie), 403},
        {"the null origin", Request("/", "Host: " + host + "\r\nOrigin: null\r\n" + cookie), 403},
        {"own origin", Request("/", "Host: " + host + "\r\nOrigin: " + origin + "\r\n" + cookie), 200},
        {"cross-site fetch", Request("/", "Host: " + host + "\r\nSec-Fetch-Site: cross-site\r\n" + cookie), 403},
        {"same-site fetch", Request("/", "Host: " + host + "\r\nSec-Fetch-Site: same-site\r\n" + cookie), 403},
        {"same-origin fetch", Request("/", "Host: " + host + "\r\nSec-Fetch-Site: same-origin\r\n" + cookie), 200},
        {"typed by the user", Request("/", "Host: " + host + "\r\nSec-Fetch-Site: none\r\n" + cookie), 200},
        {"a send with its origin",
         Request("/TXMESSAGE", "Host: " + host + "\r\nOrigin: " + origin + "\r\n" + cookie, txBody, "POST"), 200},
        {"a send with a same-origin referer",
         Request("/TXMESSAGE", "Host: " + host + "\r\nReferer: " + origin + "/order.htm\r\n" + cookie, txBody, "POST"), 200},
        {"a send with neither", Request("/TXMESSAGE", "Host: " + host + "\r\n" + cookie, txBody, "POST"), 403},
        {"a send with a foreign referer",
         Request("/TXMESSAGE", "Host: " + host + "\r\nReferer: http://evil.example/\r\n" + cookie, txBody, "POST"), 403},
        {"a send whose referer only starts like ours",
         Request("/TXMESSAGE", "Host: " + host + "\r\nReferer: " + origin + ".evil.example/\r\n" + cookie, txBody, "POST"), 403},
        {"a send behind an odd request line", "GETX\r\nZ /TXMESSAGE\r\nHost: " + host + "\r\n" + cookie + "\r\n" + txBody, 403},
        {"a send from a foreign origin",
         Request("/TXMESSAGE", "Host: " + host + "\r\nOrigin: http://evil.example\r\n" + cookie, txBody, "POST"), 403},
    };
    for (const Case& c : cases) {
        sends.clear();
        EXPECT_EQ(Status(c.request), c.status) << c.what;
        if (c.status == 403) {
            EXPECT_TRUE(sends.isEmpty()) << c.what;
        }
    }
}

TEST_F(FormsServerTest, TheKeyedAddressHandsOutTheCookie) {
    Start();
    const LoopbackHttpServer::Response wrong =
        server.Answer(Request(QByteArray(FormsServer::kKeyPath) + "0123", "Host: " + host + "\r\n"));
    EXPECT_EQ(wrong.Status, 403);
    const LoopbackHttpServer::Response r = server.Answer(
        Request(QByteArray(FormsServer::kKeyPath) + server.Key() + "?form=forms%2Fmy%20order.htm", "Host: " + host +
                "\r\nSec-Fetch-Site: cross-site\r\n"));
    EXPECT_EQ(r.Status, 200);
    EXPECT_TRUE(r.Headers.contains("Set-Cookie: TidepostForms=" + server.Key() + "; Path=/; HttpOnly; SameSite=Strict"));
    EXPECT_TRUE(r.Body.contains("url=/forms/my%20order.htm\"")) << r.Body.toStdString();
    // A form name cannot lead the page elsewhere.
    const LoopbackHttpServer::Response away = server.Answer(
        Request(QByteArray(FormsServer::kKeyPath) + server.Key() + "?form=%2F%2Fevil.example%2F%22%3E", "Host: " + host + "\r\n"));
    EXPECT_TRUE(away.Body.contains("url=/evil.example/%22%3E\"")) << away.Body.toStdString();
}

TEST_F(FormsServerTest, AnswersCarryTypesAndTheBoundPort) {
    Start();
    Form("style.css", "p{}");
    const LoopbackHttpServer::Response page = server.Answer(Request("/", "Host: " + host + "\r\n" + cookie));
    EXPECT_EQ(page.Status, 200);
    EXPECT_EQ(page.Reason, "OK");
    EXPECT_EQ(page.ContentType, "text/html; charset=windows-1252");
    EXPECT_EQ(page.Body, "492012345|" + QByteArray::number(server.BoundPort()));
    EXPECT_EQ(server.Answer(Request("/style.css", "Host: " + host + "\r\n" + cookie)).ContentType,
              "text/css; charset=windows-1252");
    EXPECT_EQ(server.Answer(Request("/REQUESTMSGSTATUS", "Host: " + host + "\r\n" + cookie)).ContentType,
              "text/html; charset=windows-1252");
    // An empty file answers "No data in file".
    Form("empty.htm", "");
    EXPECT_EQ(server.Answer(Request("/empty.htm", "Host: " + host + "\r\n" + cookie)).Body, "No data in file");
}

TEST_F(FormsServerTest, ItListensOnLoopbackOnlyAndTheRedirectFileIsTheUsersAlone) {
    SaveAppSetting(f, f.gProductName, "ElectronicForms", "LocalIP", "0.0.0.0");
    Start();
    EXPECT_EQ(server.BoundAddress(), "127.0.0.1");
    EXPECT_TRUE(platform.ReadDataFile("ErrorLog.txt").contains("'0.0.0.0'"));
    EXPECT_EQ(server.Key().size(), 32);
    const QString file = runtime.path() + "/Tidepost-forms.html";
    ASSERT_EQ(server.RedirectFile(), file);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    QFile redirect(file);
    ASSERT_TRUE(redirect.open(QIODevice::ReadOnly));
    EXPECT_TRUE(redirect.readAll().contains(origin + FormsServer::kKeyPath + server.Key()));
    const QUrl url = server.BrowserAddress("forms/my order.htm");
    EXPECT_EQ(url.toLocalFile(), file);
    EXPECT_EQ(url.fragment(QUrl::FullyEncoded), "forms/my%20order.htm");
    EXPECT_FALSE(url.toString().contains(server.Key())) << "the key stays off the command line";
    EXPECT_EQ(server.FormAddress("forms/my order.htm"), origin + "/forms/my%20order.htm");
    server.ShutDown();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_FALSE(server.IsListening());
}

TEST_F(FormsServerTest, PortSettings) {
    struct Case {
        QString setting;
        bool boundAnywhere;  // a port the system chose
        QString stored;
    } cases[] = {{"0", true, "0"}, {"not a number", true, "not a number"}, {"-5", false, "80"}, {"70000", false, "80"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting.toStdString());
        EXPECT_EQ(FormsServer::LocalPortValue(c.setting, nullptr) == 0, c.boundAnywhere);
        bool store80 = false;
        const int port = FormsServer::LocalPortValue(c.setting, &store80);
        EXPECT_EQ(store80 ? QString("80") : c.setting, c.stored);
        if (!c.boundAnywhere) {
            EXPECT_EQ(port, 80);
        }
    }
    EXPECT_EQ(FormsServer::LocalPortValue("8080", nullptr), 8080);
}

TEST_F(FormsServerTest, APortInUseQueuesTheBlockedPortText) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost, 0));
    SaveAppSetting(f, f.gProductName, "ElectronicForms", "LocalPort", QString::number(other.serverPort()));
    server.StartFormsServer();
    EXPECT_FALSE(server.IsListening());
    EXPECT_EQ(QueuedTexts(), QStringList{
        "Declaration and catch reporting located in the Forms menu \r\nis not supported as another program on this "
        "computer\r\nhas blocked access to IP address '127.0.0.1' port '" + QString::number(other.serverPort()) +
        "'.\r\nFull declaration and catch reporting funtionality is only possible\r\nif the program blocking access is "
        "closed."});
    other.close();
    server.StartFormsServer();
    EXPECT_TRUE(server.IsListening());
}

TEST_F(FormsServerTest, OverTheLoopbackWithTheDebugLog) {
    Start();
    HttpClient client(server.BoundPort());
    client.Send("GET / HTTP/1.1\r\nHost: " + host + "\r\n" + cookie + "\r\n");
    const QByteArray answer = client.ReadToEnd();
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=windows-1252\r\n"));
    EXPECT_TRUE(answer.endsWith("\r\n\r\n492012345|" + QByteArray::number(server.BoundPort())));
    EXPECT_EQ(server.FormsConnectionCount, 0);
    QStringList lines;
    for (const QString& line : f.Windows.DebugLog.get().Text().split('\n', Qt::SkipEmptyParts)) lines << line.mid(21);
    EXPECT_EQ(lines, (QStringList{"Winsock connection request...", "Winsock state: Listening", "Winsock connection accepted",
                                  "Winsock data received...", "/", "Winsock response sent",
                                  "Winsock send complete and connection closed"}));
    // Starting again while it listens keeps the port.
    const quint16 port = server.BoundPort();
    server.StartFormsServer();
    EXPECT_EQ(server.BoundPort(), port);
}

TEST_F(FormsServerTest, TheDoneWhenSendAndItsRefusals) {
    Start();
    const QByteArray body = "MSGADDRESS=ops%40ship.example&MSGSUBJECT=Catch&name=Smith&MSGTEXT=ok";
    HttpClient client(server.BoundPort());
    client.Send("POST /TXMESSAGE HTTP/1.1\r\nHost: " + host + "\r\nOrigin: " + origin + "\r\n" + cookie +
                "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " + QByteArray::number(body.size()) +
                "\r\n\r\n");
    ASSERT_TRUE(HttpClient::Until([&] { return server.FormsConnectionCount == 1; }));
    HttpClient::Settle();
    EXPECT_TRUE(sends.isEmpty());
    client.Send(body);
    const QByteArray answer = client.ReadToEnd();
    EXPECT_TRUE(answer.endsWith("<HTML><BODY>Your request is being processed...<br>Ref:26011501.out</BODY></HTML>"));
    ASSERT_EQ(sends.size(), 1);
    EXPECT_EQ(sends[0].to, "ops@ship.example");
    EXPECT_EQ(sends[0].text, "Smith,ok");
}
