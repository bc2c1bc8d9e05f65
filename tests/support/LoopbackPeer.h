#pragma once
#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace tidepost::test {

// A TCP peer on 127.0.0.1 for tests of the real socket: it listens on a free port, accepts one
// connection and lets the test write to it and read what the program sent. Waits are for real
// I/O only and let Qt's events run.
class LoopbackPeer {
public:
    LoopbackPeer();
    ~LoopbackPeer();
    bool IsListening() const { return m_server.isListening(); }
    quint16 Port() const { return m_server.serverPort(); }

    bool WaitForClient(int timeoutMs = 5000);
    bool HasClient() const { return m_client && m_client->state() == QAbstractSocket::ConnectedState; }
    bool Write(const QByteArray& bytes);
    QByteArray ReadAtLeast(qsizetype count, int timeoutMs = 5000);
    // Closes the connection from this side.
    void Disconnect();
    // Stops listening: a later connect is refused.
    void StopListening() { m_server.close(); }

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};

}  // namespace tidepost::test
