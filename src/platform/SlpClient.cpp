#include "platform/SlpClient.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QVariant>

#include "platform/SlpMessages.h"

namespace tidepost {

namespace {
// The default of net.slp.multicastTTL: the whole site.
constexpr int kMulticastTtl = 255;
}  // namespace

SlpUdpExchange::SlpUdpExchange(QString host, quint16 port, int waitMs)
    : m_host(std::move(host)),
      m_port(port),
      m_waitMs(waitMs),
      m_xid(static_cast<quint16>(QRandomGenerator::global()->bounded(1, 65536))) {
    m_resendTimer.setSingleShot(true);
    m_endTimer.setSingleShot(true);
    QObject::connect(&m_resendTimer, &QTimer::timeout, &m_resendTimer, [this] { Send(); });
    QObject::connect(&m_endTimer, &QTimer::timeout, &m_endTimer, [this] { Finish(Collected()); });
    QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] { OnReadyRead(); });
}

SlpUdpExchange::~SlpUdpExchange() { QObject::disconnect(&m_socket, nullptr, &m_socket, nullptr); }

void SlpUdpExchange::Begin() {
    m_endTimer.start(m_waitMs);
    const QHostAddress numeric(m_host);
    if (!numeric.isNull()) {
        SendTo(numeric);
        return;
    }
    // The socket is the context: a lookup still running when the exchange is dropped is ignored.
    QHostInfo::lookupHost(m_host, &m_socket, [this](const QHostInfo& info) {
        if (m_finished) return;
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
            Fail(info.errorString());
            return;
        }
        SendTo(info.addresses().front());
    });
}

void SlpUdpExchange::SendTo(const QHostAddress& address) {
    m_address = address;
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    if (!m_socket.bind(QHostAddress(v6 ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4), 0)) {
        Fail(m_socket.errorString());
        return;
    }
    if (IsMulticast()) m_socket.setSocketOption(QAbstractSocket::MulticastTtlOption, QVariant(kMulticastTtl));
    Send();
    if (!m_finished) m_resendTimer.start(m_waitMs / 2);
}

void SlpUdpExchange::Send() {
    if (m_finished) return;
    if (m_socket.writeDatagram(Request(m_xid, IsMulticast()), m_address, m_port) < 0)
        Fail(m_socket.errorString());
}

void SlpUdpExchange::Fail(const QString& reason) {
    m_errorLine = QString("SLP request to %1:%2 failed: %3").arg(m_host).arg(m_port).arg(reason);
    Finish(Collected());
}

void SlpUdpExchange::Finish(QString output) {
    if (m_finished) return;
    m_finished = true;
    m_output = std::move(output);
    m_resendTimer.stop();
    m_endTimer.stop();
    m_socket.close();
}

void SlpUdpExchange::OnReadyRead() {
    // A reply that ends the exchange closes the socket: stop reading there.
    while (m_socket.state() == QAbstractSocket::BoundState && m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram d = m_socket.receiveDatagram();
        if (!m_finished && d.isValid()) Take(d.data(), d.senderAddress());
    }
}

SlpServiceSearch::SlpServiceSearch(const QString& serviceType, const SlpTarget& target, const SlpTimings& timings)
    : SlpUdpExchange(target.Host, target.Port, timings.ServiceWaitMs), m_serviceType(serviceType) {
    Begin();
}

QByteArray SlpServiceSearch::Request(quint16 xid, bool multicast) const {
    return slp::EncodeServiceRequest(xid, multicast, m_responders, m_serviceType);
}

void SlpServiceSearch::Take(const QByteArray& datagram, const QHostAddress& sender) {
    const auto reply = slp::DecodeServiceReply(datagram);
    if (!reply || reply->Xid != Xid()) return;
    const QString responder = sender.toString();
    if (!m_responders.contains(responder)) m_responders.append(responder);
    if (reply->ErrorCode == 0) {
        for (const slp::UrlEntry& e : reply->Urls) {
            if (m_urls.contains(e.Url)) continue;
            m_urls.insert(e.Url);
            m_lines += e.Url + ',' + QString::number(e.Lifetime) + '\n';
        }
    }
    // One host asked directly gives one reply; a group may hold any number of hosts.
    if (!IsMulticast()) Finish(m_lines);
}

QString SlpServiceSearch::Collected() const { return m_lines; }

SlpAttributeQuery::SlpAttributeQuery(const QString& address, quint16 port, const QString& serviceType,
                                     const SlpTimings& timings)
    : SlpUdpExchange(address, port, timings.AttributeWaitMs), m_serviceType(serviceType) {
    Begin();
}

QByteArray SlpAttributeQuery::Request(quint16 xid, bool) const {
    return slp::EncodeAttributeRequest(xid, m_serviceType, {});
}

void SlpAttributeQuery::Take(const QByteArray& datagram, const QHostAddress&) {
    const auto reply = slp::DecodeAttributeReply(datagram);
    if (!reply || reply->Xid != Xid()) return;
    Finish(reply->ErrorCode == 0 && !reply->Attributes.isEmpty() ? reply->Attributes + '\n' : QString());
}

}  // namespace tidepost
