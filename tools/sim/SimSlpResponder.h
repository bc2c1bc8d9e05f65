#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUdpSocket>
#include <functional>

namespace tidepost::sim {

// One service a responder announces.
struct SlpService {
    QString Url;                // "service:device.kalvenor://127.0.0.1"
    quint16 Lifetime = 65535;   // seconds
    QString Attributes;         // "(device-model=880),(device-sw-version=1.23)"
};

// An SLPv2 service agent on a UDP port of one address (RFC 2608): answers service requests with
// the URLs of its services of the type asked for, and attribute requests with the attribute list
// of the service named by URL or type, cut to the tags asked for. It stays quiet when it is in
// the request's list of previous responders, and, for a request sent to a group, when it has
// nothing to say.
class SimSlpResponder {
public:
    SimSlpResponder();
    // Port 0: any free port.
    bool Listen(const QHostAddress& address, quint16 port);
    quint16 Port() const { return m_socket.localPort(); }
    QHostAddress Address() const { return m_socket.localAddress(); }

    QList<SlpService> Services;
    // Every answer goes out this long after its request, as from a slow or distant host.
    int ReplyDelayMs = 0;
    // Datagrams sent before each answer, made from that answer: other hosts' stray or broken
    // messages, as they arrive on a real network.
    std::function<QList<QByteArray>(const QByteArray& reply)> NoiseBeforeReply;

    int ServiceRequests = 0;
    int AttributeRequests = 0;
    // The previous-responder list of each service request, in order.
    QStringList PreviousResponders;

private:
    void OnReadyRead();
    void Answer(const QByteArray& request, const QHostAddress& sender, quint16 senderPort);
    void Reply(const QByteArray& reply, const QHostAddress& to, quint16 port);
    QUdpSocket m_socket;
};

}  // namespace tidepost::sim
