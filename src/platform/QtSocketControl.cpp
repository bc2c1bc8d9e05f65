#include "platform/QtSocketControl.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace tidepost {

QtSocketControl::QtSocketControl() {
    m_socket.setReadBufferSize(kReadBufferBytes);
    QObject::connect(&m_socket, &QTcpSocket::disconnected, &m_socket, [this] {
        m_pending += ReadBuffered(m_socket.bytesAvailable());
        m_peerClosed = true;
    });
    QObject::connect(&m_socket, &QTcpSocket::errorOccurred, &m_socket,
                     [this](QAbstractSocket::SocketError e) {
                         if (e == QAbstractSocket::SocketTimeoutError) return;  // a read without waiting
                         if (m_socket.state() != QAbstractSocket::ConnectedState) m_connectFailed = true;
                     });
}

QtSocketControl::~QtSocketControl() {
    QObject::disconnect(&m_socket, nullptr, &m_socket, nullptr);
    m_socket.abort();
}

int QtSocketControl::SocketState() const {
    switch (m_socket.state()) {
    case QAbstractSocket::HostLookupState: return ResolvingHost;
    case QAbstractSocket::ConnectingState: return Connecting;
    case QAbstractSocket::ConnectedState: return Connected;
    case QAbstractSocket::BoundState: return Open;
    case QAbstractSocket::ListeningState: return Listening;
    case QAbstractSocket::ClosingState: return Closing;
    case QAbstractSocket::UnconnectedState: break;
    }
    if (m_peerClosed) return Closing;
    if (m_connectFailed) return Error;
    return Closed;
}

QString QtSocketControl::LocalIP() const {
    if (m_socket.state() == QAbstractSocket::ConnectedState) return m_socket.localAddress().toString();
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) return a.toString();
    return QHostAddress(QHostAddress::LocalHost).toString();
}

void QtSocketControl::Connect() {
    m_socket.abort();
    m_pending.clear();
    m_peerClosed = false;
    m_connectFailed = false;
    if (m_localPort > 0) m_socket.bind(QHostAddress::AnyIPv4, static_cast<quint16>(m_localPort));
    m_socket.connectToHost(m_remoteHost, static_cast<quint16>(m_remotePort));
}

void QtSocketControl::Close() {
    if (m_socket.state() == QAbstractSocket::ConnectedState) m_socket.flush();
    m_socket.abort();
    m_pending.clear();
    m_peerClosed = false;
    m_connectFailed = false;
}

bool QtSocketControl::SendData(const QByteArray& bytes) {
    if (m_socket.state() != QAbstractSocket::ConnectedState) {
        m_errorNumber = ErrWrongState;
        m_errorText = "Wrong protocol or connection state for the requested transaction or request";
        return false;
    }
    if (m_socket.write(bytes) != bytes.size()) {
        m_errorNumber = ErrSendFailed;
        m_errorText = m_socket.errorString();
        return false;
    }
    // Hand the bytes to the system now; the event loop would otherwise send them only later.
    m_socket.flush();
    return true;
}

QByteArray QtSocketControl::ReadBuffered(qint64 most) {
    return m_socket.isOpen() && most > 0 ? m_socket.read(most) : QByteArray();
}

QByteArray QtSocketControl::GetData() {
    QByteArray out;
    out.swap(m_pending);
    const auto take = [this, &out] { out += ReadBuffered(kMaxReadBytes - out.size()); };
    take();
    // Take also what the system holds but Qt's notifier has not collected yet, without waiting.
    for (int i = 0; i < 64 && out.size() < kMaxReadBytes && m_socket.state() == QAbstractSocket::ConnectedState &&
                    m_socket.waitForReadyRead(0);
         ++i)
        take();
    out += m_pending;  // the peer may have closed during the reads above
    m_pending.clear();
    take();
    return out;
}

}  // namespace tidepost
