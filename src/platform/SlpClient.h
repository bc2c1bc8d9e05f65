#pragma once
#include <QHostAddress>
#include <QSet>
#include <QTimer>
#include <QUdpSocket>

#include "platform/ISlpDiscovery.h"

namespace tidepost {

// How long the own SLP client listens. A search sent to a multicast group collects replies for the
// whole wait, since any number of hosts may answer; a request to one host ends with its reply.
// Each request is sent again once, halfway through its wait, in case a datagram was lost.
struct SlpTimings {
    int ServiceWaitMs = 3000;
    int AttributeWaitMs = 2000;
};

// One request and its replies over UDP, driven by the event loop: the constructor sends (after
// looking up a host name when the address is not numeric) and returns at once.
class SlpUdpExchange : public IPendingAnswer {
public:
    ~SlpUdpExchange() override;
    bool IsFinished() const override { return m_finished; }
    QString Output() const override { return m_finished ? m_output : QString(); }
    QString ErrorLogLine() const override { return m_errorLine; }

protected:
    SlpUdpExchange(QString host, quint16 port, int waitMs);
    // Starts the exchange; the derived class calls it at the end of its constructor.
    void Begin();
    virtual QByteArray Request(quint16 xid, bool multicast) const = 0;
    // One datagram that arrived; the derived class ends the exchange with Finish when it is done.
    virtual void Take(const QByteArray& datagram, const QHostAddress& sender) = 0;
    // The wait is over: the answer is what was collected.
    virtual QString Collected() const = 0;
    void Finish(QString output);
    bool IsMulticast() const { return m_address.isMulticast(); }
    quint16 Xid() const { return m_xid; }

private:
    void SendTo(const QHostAddress& address);
    void Send();
    void Fail(const QString& reason);
    void OnReadyRead();

    QString m_host;
    quint16 m_port;
    int m_waitMs;
    quint16 m_xid;
    QHostAddress m_address;
    QUdpSocket m_socket;
    QTimer m_resendTimer;
    QTimer m_endTimer;
    bool m_finished = false;
    QString m_output;
    QString m_errorLine;
};

// A service search (slptool's findsrvs): "<url>,<lifetime>" lines, one per service found, in the
// order the replies came, each URL once.
class SlpServiceSearch : public SlpUdpExchange {
public:
    SlpServiceSearch(const QString& serviceType, const SlpTarget& target, const SlpTimings& timings = {});

private:
    QByteArray Request(quint16 xid, bool multicast) const override;
    void Take(const QByteArray& datagram, const QHostAddress& sender) override;
    QString Collected() const override;

    QString m_serviceType;
    QStringList m_responders;
    QSet<QString> m_urls;
    QString m_lines;
};

// The attributes of a service type at one host (slptool's -u <address> findattrs): the attribute
// list as the host sent it, or "" when it did not answer or answered with an error.
class SlpAttributeQuery : public SlpUdpExchange {
public:
    SlpAttributeQuery(const QString& address, quint16 port, const QString& serviceType,
                      const SlpTimings& timings = {});

private:
    QByteArray Request(quint16 xid, bool multicast) const override;
    void Take(const QByteArray& datagram, const QHostAddress& sender) override;
    QString Collected() const override { return {}; }

    QString m_serviceType;
};

}  // namespace tidepost
