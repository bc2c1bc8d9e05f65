#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <functional>
#include <map>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace tidepost {

class IClock;

// A small HTTP/1.x server for pages on this computer: one request a connection, answered, then
// closed. A request is read up to its empty line (at most HeaderLimit bytes, else 431), then the
// body its Content-Length names (at most BodyLimit bytes, else 413); chunked bodies get 400. A
// connection that has not delivered its request within DeadlineMs on the monotonic clock gets
// 408; beyond MaxConnections open ones a new connection is closed at once. A request already
// whole when it is accepted is answered at once; only one still arriving waits on a notifier.
class LoopbackHttpServer : public QTcpServer {
    Q_OBJECT
public:
    struct Response {
        int Status = 200;
        QByteArray Reason = "OK";
        QByteArray ContentType;       // none: no Content-Type line
        QList<QByteArray> Headers;    // further lines, each "Name: value"
        QByteArray Body;
    };
    // The whole request: its head with the empty line, and the body.
    using Handler = std::function<Response(const QByteArray& request)>;
    // What happened on the server, for a debug log.
    enum class Event { ConnectionRequest, ConnectionAccepted, DataReceived, ResponseSent, SendComplete, PeerClosed, Refused };
    using EventHandler = std::function<void(Event event, int openConnections)>;

    explicit LoopbackHttpServer(IClock& clock, QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    int HeaderLimit = 16 * 1024;
    int BodyLimit = 64 * 1024;
    qint64 DeadlineMs = 10'000;
    int MaxConnections = 32;
    Handler OnRequest;
    EventHandler OnEvent;

    // How far the bytes received so far make a request: still incomplete, whole (its first
    // `Length` bytes), or refused with a status (400, 413, 431).
    struct Framing {
        enum Kind { Incomplete, Whole, Refused } Result = Incomplete;
        qsizetype Length = 0;
        int Status = 0;
        QByteArray Reason;
    };
    static Framing Frame(QByteArrayView received, int headerLimit, int bodyLimit);

    // The response as sent: status line, Content-Type, Content-Length, Connection: close,
    // X-Content-Type-Options: nosniff, Cache-Control: no-store, the further lines, the body.
    static QByteArray Format(const Response& response);

    // Connections accepted and not yet closed.
    int OpenConnections() const { return static_cast<int>(m_connections.size()); }
    // Answers 408 to every connection older than DeadlineMs; the server's own timer runs it once
    // a second, tests call it after moving the clock.
    void CheckDeadlines();
    // Closes every connection; the server goes on listening.
    void DropConnections();
    // Closes every connection and stops listening.
    void CloseAll();

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    struct Connection;
    // Reads what waits on the connection and answers once the request is whole or wrong.
    void Pump(int fd);
    // Writes what remains of the answer; closes the connection once all is written.
    void Flush(int fd);
    void Answer(Connection& c, const Response& response);
    void Drop(int fd);

    IClock& m_clock;
    std::map<int, std::unique_ptr<Connection>> m_connections;
    QTimer* m_deadlineTimer;
};

}  // namespace tidepost
