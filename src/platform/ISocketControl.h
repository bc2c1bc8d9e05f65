#pragma once
#include <QByteArray>
#include <QString>

#include "platform/LinkReadLimits.h"

namespace tidepost {

// The TCP client to the terminal control unit, as the link uses it. Bytes in and out.
class ISocketControl {
public:
    enum State { Closed = 0, Open = 1, Listening = 2, ConnectionPending = 3, ResolvingHost = 4,
                 HostResolved = 5, Connecting = 6, Connected = 7, Closing = 8, Error = 9 };

    virtual ~ISocketControl() = default;
    virtual int SocketState() const = 0;
    virtual void SetRemoteHost(const QString& host) = 0;
    virtual QString RemoteHost() const = 0;  // keeps its value after a close
    virtual void SetRemotePort(int port) = 0;
    virtual void SetLocalPort(int port) = 0;
    virtual QString LocalIP() const = 0;
    virtual void Connect() = 0;  // returns at once; SocketState becomes Connected later
    virtual void Close() = 0;
    virtual bool SendData(const QByteArray& bytes) = 0;
    // The received bytes not yet read, up to kMaxReadBytes, without waiting.
    virtual QByteArray GetData() = 0;
    // The latest failure of SendData (0 and "" before the first), for error lines.
    enum SendError { ErrWrongState = 40006, ErrSendFailed = 40020 };
    virtual int LastErrorNumber() const = 0;
    virtual QString LastErrorDescription() const = 0;
};

}  // namespace tidepost
