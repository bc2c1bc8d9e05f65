#include "support/LoopbackPeer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace tidepost::test {

LoopbackPeer::LoopbackPeer() { m_server.listen(QHostAddress::LocalHost, 0); }

LoopbackPeer::~LoopbackPeer() { Disconnect(); }

bool LoopbackPeer::WaitForClient(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_client && !deadline.hasExpired()) {
        if (m_server.hasPendingConnections() || m_server.waitForNewConnection(10))
            m_client = m_server.nextPendingConnection();
        QCoreApplication::processEvents();
    }
    return m_client != nullptr;
}

bool LoopbackPeer::Write(const QByteArray& bytes) {
    if (!HasClient()) return false;
    const bool ok = m_client->write(bytes) == bytes.size();
    m_client->flush();
    return ok;
}

QByteArray LoopbackPeer::ReadAtLeast(qsizetype count, int timeoutMs) {
    QByteArray out;
    const QDeadlineTimer deadline(timeoutMs);
    while (m_client && !deadline.hasExpired()) {
        out += m_client->readAll();
        if (out.size() >= count) break;
        QCoreApplication::processEvents();
        if (m_client && m_client->state() == QAbstractSocket::ConnectedState) m_client->waitForReadyRead(10);
    }
    if (m_client) out += m_client->readAll();
    return out;
}

void LoopbackPeer::Disconnect() {
    if (!m_client) return;
    m_client->flush();
    m_client->disconnectFromHost();
    if (m_client && m_client->state() != QAbstractSocket::UnconnectedState) m_client->abort();
    delete m_client;
}

}  // namespace tidepost::test
