#include "platform/LoopbackHttpServer.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/IClock.h"

namespace tidepost {

struct LoopbackHttpServer::Connection {
    int Fd = -1;
    qint64 Started = 0;
    QByteArray In;
    bool Answering = false;
    QByteArray Out;
    qsizetype Sent = 0;
    std::unique_ptr<QSocketNotifier> Reader;
    std::unique_ptr<QSocketNotifier> Writer;
};

namespace {

LoopbackHttpServer::Response Plain(int status, const QByteArray& reason) {
    LoopbackHttpServer::Response r;
    r.Status = status;
    r.Reason = reason;
    r.ContentType = "text/plain; charset=us-ascii";
    r.Body = QByteArray::number(status) + " " + reason;
    return r;
}

// The framing of the head: the body's length, or the refusal it deserves.
struct HeadCheck {
    bool Ok = true;
    int Status = 0;
    QByteArray Reason;
    qint64 BodyLength = 0;
};

HeadCheck CheckHead(QByteArrayView head, qint64 bodyLimit) {
    HeadCheck check;
    bool lengthSeen = false;
    qsizetype start = head.indexOf("\r\n");
    while (start >= 0 && start + 2 < head.size()) {
        const qsizetype lineStart = start + 2;
        qsizetype end = head.indexOf("\r\n", lineStart);
        if (end < 0) end = head.size();
        const QByteArrayView line = head.sliced(lineStart, end - lineStart);
        start = end;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) continue;
        const QByteArray name = line.first(colon).trimmed().toByteArray().toLower();
        const QByteArray value = line.sliced(colon + 1).trimmed().toByteArray();
        if (name == "transfer-encoding") return {false, 400, "Bad Request", 0};
        if (name != "content-length") continue;
        bool digits = !value.isEmpty() && value.size() <= 18;
        for (char c : value) digits = digits && c >= '0' && c <= '9';
        if (!digits) {
            // A length too long to hold is a body too large, not a malformed one.
            bool allDigits = !value.isEmpty();
            for (char c : value) allDigits = allDigits && c >= '0' && c <= '9';
            if (allDigits) return {false, 413, "Content Too Large", 0};
            return {false, 400, "Bad Request", 0};
        }
        const qint64 length = value.toLongLong();
        if (lengthSeen && length != check.BodyLength) return {false, 400, "Bad Request", 0};
        lengthSeen = true;
        check.BodyLength = length;
    }
    if (check.BodyLength > bodyLimit) return {false, 413, "Content Too Large", 0};
    return check;
}

}  // namespace

LoopbackHttpServer::Framing LoopbackHttpServer::Frame(QByteArrayView received, int headerLimit, int bodyLimit) {
    Framing f;
    const qsizetype end = received.indexOf(QByteArrayView("\r\n\r\n"));
    if (end < 0) {
        if (received.size() > headerLimit) f = {Framing::Refused, 0, 431, "Request Header Fields Too Large"};
        return f;
    }
    if (end + 4 > headerLimit) return {Framing::Refused, 0, 431, "Request Header Fields Too Large"};
    const HeadCheck check = CheckHead(received.first(end), bodyLimit);
    if (!check.Ok) return {Framing::Refused, 0, check.Status, check.Reason};
    if (received.size() < end + 4 + check.BodyLength) return f;
    return {Framing::Whole, end + 4 + check.BodyLength, 0, {}};
}

LoopbackHttpServer::LoopbackHttpServer(IClock& clock, QObject* parent)
    : QTcpServer(parent), m_clock(clock), m_deadlineTimer(new QTimer(this)) {
    m_deadlineTimer->setInterval(1000);
    connect(m_deadlineTimer, &QTimer::timeout, this, &LoopbackHttpServer::CheckDeadlines);
}

LoopbackHttpServer::~LoopbackHttpServer() { CloseAll(); }

QByteArray LoopbackHttpServer::Format(const Response& response) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.Status) + " " + response.Reason + "\r\n";
    if (!response.ContentType.isEmpty()) out += "Content-Type: " + response.ContentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.Body.size()) + "\r\n";
    out += "Connection: close\r\nX-Content-Type-Options: nosniff\r\nCache-Control: no-store\r\n";
    for (const QByteArray& line : response.Headers) out += line + "\r\n";
    out += "\r\n";
    out += response.Body;
    return out;
}

void LoopbackHttpServer::incomingConnection(qintptr socketDescriptor) {
    const int fd = static_cast<int>(socketDescriptor);
    if (OnEvent) OnEvent(Event::ConnectionRequest, OpenConnections());
    if (OpenConnections() >= MaxConnections) {
        ::close(fd);
        if (OnEvent) OnEvent(Event::Refused, OpenConnections());
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    auto c = std::make_unique<Connection>();
    c->Fd = fd;
    c->Started = m_clock.MonotonicMs();
    m_connections[fd] = std::move(c);
    if (!m_deadlineTimer->isActive()) m_deadlineTimer->start();
    if (OnEvent) OnEvent(Event::ConnectionAccepted, OpenConnections());
    Pump(fd);
}

void LoopbackHttpServer::Pump(int fd) {
    auto it = m_connections.find(fd);
    if (it == m_connections.end()) return;
    Connection& c = *it->second;
    if (c.Answering) return;
    // Enough to hold the largest request allowed and to see that a larger one is one.
    const qsizetype most = static_cast<qsizetype>(HeaderLimit) + BodyLimit + 1;
    char buffer[16384];
    for (;;) {
        if (c.In.size() >= most) break;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            c.In.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        // The peer closed (or the connection broke) before its request was whole.
        Drop(fd);
        if (OnEvent) OnEvent(Event::PeerClosed, OpenConnections());
        return;
    }

    const Framing framing = Frame(c.In, HeaderLimit, BodyLimit);
    if (framing.Result == Framing::Refused) {
        Answer(c, Plain(framing.Status, framing.Reason));
        return;
    }
    if (framing.Result == Framing::Whole) {
        c.In.truncate(framing.Length);
        if (OnEvent) OnEvent(Event::DataReceived, OpenConnections());
        Response response;
        try {
            response = OnRequest ? OnRequest(c.In) : Plain(404, "Not Found");
        } catch (const std::exception&) {
            response = Plain(500, "Internal Server Error");
        }
        // The handler may have closed the server meanwhile.
        if (m_connections.find(fd) == m_connections.end()) return;
        Answer(c, response);
        return;
    }
    if (!c.Reader) {
        c.Reader = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(c.Reader.get(), &QSocketNotifier::activated, this, [this, fd] { Pump(fd); });
    }
}

void LoopbackHttpServer::Answer(Connection& c, const Response& response) {
    c.Answering = true;
    c.Reader.reset();
    c.Out = Format(response);
    c.Sent = 0;
    Flush(c.Fd);
}

void LoopbackHttpServer::Flush(int fd) {
    auto it = m_connections.find(fd);
    if (it == m_connections.end()) return;
    Connection& c = *it->second;
    while (c.Sent < c.Out.size()) {
        const ssize_t n = ::send(fd, c.Out.constData() + c.Sent, static_cast<size_t>(c.Out.size() - c.Sent), MSG_NOSIGNAL);
        if (n > 0) {
            c.Sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!c.Writer) {
                c.Writer = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
                connect(c.Writer.get(), &QSocketNotifier::activated, this, [this, fd] { Flush(fd); });
            }
            return;
        }
        Drop(fd);
        if (OnEvent) OnEvent(Event::PeerClosed, OpenConnections());
        return;
    }
    if (OnEvent) OnEvent(Event::ResponseSent, OpenConnections());
    // What the client sent beyond its request is read away first: closing over unread data
    // resets the connection, and the client could lose the answer.
    ::shutdown(fd, SHUT_WR);
    char buffer[4096];
    while (::recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    Drop(fd);
    if (OnEvent) OnEvent(Event::SendComplete, OpenConnections());
}

void LoopbackHttpServer::Drop(int fd) {
    auto it = m_connections.find(fd);
    if (it == m_connections.end()) return;
    it->second->Reader.reset();
    it->second->Writer.reset();
    ::close(fd);
    m_connections.erase(it);
    if (m_connections.empty()) m_deadlineTimer->stop();
}

void LoopbackHttpServer::CheckDeadlines() {
    const qint64 now = m_clock.MonotonicMs();
    QList<int> late;
    for (const auto& [fd, c] : m_connections)
        if (now - c->Started >= DeadlineMs) late.append(fd);
    for (int fd : late) {
        auto it = m_connections.find(fd);
        if (it == m_connections.end()) continue;
        Connection& c = *it->second;
        if (c.Answering) {
            // It does not read its answer either.
            if (now - c.Started >= 2 * DeadlineMs) Drop(fd);
            continue;
        }
        Answer(c, Plain(408, "Request Timeout"));
    }
}

void LoopbackHttpServer::DropConnections() {
    while (!m_connections.empty()) Drop(m_connections.begin()->first);
}

void LoopbackHttpServer::CloseAll() {
    DropConnections();
    close();
}

}  // namespace tidepost
