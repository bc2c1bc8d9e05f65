#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/LoopbackHttpServer.h"
#include "support/HttpClient.h"
#include "support/ManualClock.h"

using namespace tidepost;
using test::HttpClient;

namespace {

class LoopbackHttpServerTest : public ::testing::Test {
protected:
    LoopbackHttpServerTest() {
        server.OnRequest = [this](const QByteArray& request) {
            requests.append(request);
            LoopbackHttpServer::Response r;
            r.ContentType = "text/plain";
            r.Body = "seen " + QByteArray::number(request.size());
            return r;
        };
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    }
    QByteArray Exchange(const QByteArray& request) {
        HttpClient client(server.serverPort());
        EXPECT_TRUE(client.Connected());
        client.Send(request);
        return client.ReadToEnd();
    }

    test::ManualClock clock;
    LoopbackHttpServer server{clock};
    QList<QByteArray> requests;
};

}  // namespace

TEST_F(LoopbackHttpServerTest, AnswersWithItsHeadersAndCloses) {
    const QByteArray answer = Exchange("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(answer,
              "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 7\r\nConnection: close\r\n"
              "X-Content-Type-Options: nosniff\r\nCache-Control: no-store\r\n\r\nseen 27");
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(server.OpenConnections(), 0);
}

TEST_F(LoopbackHttpServerTest, ABodyInALaterSegmentIsWaitedFor) {
    HttpClient client(server.serverPort());
    client.Send("POST /TXMESSAGE HTTP/1.1\r\nHost: x\r\nContent-Length: 11\r\n\r\n");
    ASSERT_TRUE(HttpClient::Until([&] { return server.OpenConnections() == 1; }));
    HttpClient::Settle();
    EXPECT_TRUE(requests.isEmpty()) << "answered before the body came";
    client.Send("MSGTEXT=ok&");
    const QByteArray answer = client.ReadToEnd();
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200 OK\r\n"));
    ASSERT_EQ(requests.size(), 1);
    EXPECT_TRUE(requests[0].endsWith("\r\n\r\nMSGTEXT=ok&"));
}

TEST_F(LoopbackHttpServerTest, BytesBeyondTheLengthAreNotPartOfTheRequest) {
    Exchange("POST / HTTP/1.1\r\nContent-Length: 2\r\n\r\nabcdef");
    ASSERT_EQ(requests.size(), 1);
    EXPECT_TRUE(requests[0].endsWith("\r\n\r\nab"));
}

TEST_F(LoopbackHttpServerTest, FramingLimits) {
    struct Case {
        const char* what;
        QByteArray request;
        QByteArray status;  // empty: answered by the handler
    } cases[] = {
        {"a head of 16 KiB", "GET / HTTP/1.1\r\nX: " + QByteArray(16 * 1024 - 25, 'a') + "\r\n\r\n", ""},
        {"a head beyond 16 KiB", "GET / HTTP/1.1\r\nX: " + QByteArray(16 * 1024, 'a') + "\r\n\r\n", "431"},
        {"no end of the head within 16 KiB", "GET / HTTP/1.1\r\nX: " + QByteArray(20 * 1024, 'a'), "431"},
        {"a body of 64 KiB", "POST / HTTP/1.1\r\nContent-Length: 65536\r\n\r\n" + QByteArray(65536, 'b'), ""},
        {"a body beyond 64 KiB", "POST / HTTP/1.1\r\nContent-Length: 65537\r\n\r\n", "413"},
        {"a length no number can hold", "POST / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n", "413"},
        {"a length that is no number", "POST / HTTP/1.1\r\nContent-Length: 12a\r\n\r\n", "400"},
        {"two lengths that differ", "POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab", "400"},
        {"a chunked body", "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nab\r\n0\r\n\r\n", "400"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        requests.clear();
        const QByteArray answer = Exchange(c.request);
        if (c.status.isEmpty()) {
            EXPECT_TRUE(answer.startsWith("HTTP/1.1 200 OK\r\n")) << answer.left(40).toStdString();
            EXPECT_EQ(requests.size(), 1);
        } else {
            EXPECT_TRUE(answer.startsWith("HTTP/1.1 " + c.status + " ")) << answer.left(40).toStdString();
            EXPECT_TRUE(requests.isEmpty());
        }
    }
}

TEST_F(LoopbackHttpServerTest, ASlowClientGets408AfterTenSeconds) {
    HttpClient slow(server.serverPort());
    slow.Send("GET / HTTP/1.1\r\nHost:");
    ASSERT_TRUE(HttpClient::Until([&] { return server.OpenConnections() == 1; }));
    clock.AdvanceMs(9999);
    server.CheckDeadlines();
    EXPECT_EQ(server.OpenConnections(), 1);
    clock.AdvanceMs(1);
    server.CheckDeadlines();
    EXPECT_TRUE(slow.ReadToEnd().startsWith("HTTP/1.1 408 "));
    EXPECT_EQ(server.OpenConnections(), 0);
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(LoopbackHttpServerTest, BeyondThirtyTwoOpenConnectionsANewOneIsClosedAtOnce) {
    std::vector<std::unique_ptr<HttpClient>> idle;
    for (int i = 0; i < 32; ++i) idle.push_back(std::make_unique<HttpClient>(server.serverPort()));
    ASSERT_TRUE(HttpClient::Until([&] { return server.OpenConnections() == 32; }));
    HttpClient extra(server.serverPort());
    extra.Send("GET / HTTP/1.1\r\n\r\n");
    EXPECT_EQ(extra.ReadToEnd(), "");
    EXPECT_EQ(server.OpenConnections(), 32);
    EXPECT_TRUE(requests.isEmpty());
    // Once one goes, the next is served.
    idle.front().reset();
    ASSERT_TRUE(HttpClient::Until([&] { return server.OpenConnections() == 31; }));
    EXPECT_TRUE(Exchange("GET / HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 200 OK"));
}

TEST_F(LoopbackHttpServerTest, AHandlerThatThrowsGets500AndTheServerGoesOn) {
    server.OnRequest = [](const QByteArray&) -> LoopbackHttpServer::Response { throw std::runtime_error("boom"); };
    EXPECT_TRUE(Exchange("GET / HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 500 "));
    EXPECT_TRUE(server.isListening());
}

TEST_F(LoopbackHttpServerTest, EventsInTheirOrder) {
    QList<LoopbackHttpServer::Event> events;
    server.OnEvent = [&](LoopbackHttpServer::Event e, int) { events.append(e); };
    Exchange("GET / HTTP/1.1\r\n\r\n");
    using E = LoopbackHttpServer::Event;
    EXPECT_EQ(events, (QList<E>{E::ConnectionRequest, E::ConnectionAccepted, E::DataReceived, E::ResponseSent,
                                E::SendComplete}));
}
