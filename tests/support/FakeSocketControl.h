#pragma once
#include "platform/ISocketControl.h"
#include "support/FakeByteChannel.h"

namespace tidepost::test {

// The TCP client in memory. Connect makes the state Connected at once unless ConnectAtOnce is
// False, when it stays Connecting until CompleteConnect or FailConnect.
class FakeSocketControl : public ISocketControl, public FakeByteChannel {
public:
    int SocketState() const override { return State; }
    void SetRemoteHost(const QString& host) override { Host = host; }
    QString RemoteHost() const override { return Host; }
    void SetRemotePort(int port) override { RemotePort = port; }
    void SetLocalPort(int port) override { LocalPort = port; }
    QString LocalIP() const override { return LocalAddress; }
    void Connect() override;
    void Close() override;
    bool SendData(const QByteArray& bytes) override;
    QByteArray GetData() override;
    int LastErrorNumber() const override { return m_errorNumber; }
    QString LastErrorDescription() const override { return m_errorText; }

    void CompleteConnect() { State = Connected; }
    void FailConnect() { State = Error; }
    // The unit closes the connection.
    void PeerCloses() { State = Closing; }

    int State = Closed;
    bool ConnectAtOnce = true;
    bool FailSends = false;  // SendData fails while connected (nothing recorded)
    QString Host;
    int RemotePort = 0;
    int LocalPort = -1;
    QString LocalAddress = "192.168.0.10";
    int ConnectCount = 0;
    int CloseCount = 0;

private:
    int m_errorNumber = 0;
    QString m_errorText;
};

}  // namespace tidepost::test
