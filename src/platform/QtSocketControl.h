#pragma once
#include <QTcpSocket>

#include "platform/ISocketControl.h"

namespace tidepost {

// The TCP client to the terminal control unit through QTcpSocket. Everything runs on the
// user-interface thread; Connect returns at once and the connection completes in the event loop.
class QtSocketControl : public ISocketControl {
public:
    QtSocketControl();
    ~QtSocketControl() override;

    // 7 connected, 0 closed; 8 after the peer closed and 9 after a failed connect, until Close.
    int SocketState() const override;
    void SetRemoteHost(const QString& host) override { m_remoteHost = host; }
    QString RemoteHost() const override { return m_remoteHost; }
    void SetRemotePort(int port) override { m_remotePort = port; }
    void SetLocalPort(int port) override { m_localPort = port; }
    QString LocalIP() const override;
    void Connect() override;
    void Close() override;
    bool SendData(const QByteArray& bytes) override;
    QByteArray GetData() override;
    int LastErrorNumber() const override { return m_errorNumber; }
    QString LastErrorDescription() const override { return m_errorText; }

private:
    // At most `most` bytes of what Qt holds.
    QByteArray ReadBuffered(qint64 most);
    QTcpSocket m_socket;
    QString m_remoteHost;
    int m_remotePort = 0;
    int m_localPort = 0;
    bool m_peerClosed = false;
    bool m_connectFailed = false;
    QByteArray m_pending;  // what was waiting when the peer closed
    int m_errorNumber = 0;
    QString m_errorText;
};

}  // namespace tidepost
