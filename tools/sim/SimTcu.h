#pragma once
#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

#include "sim/ShellLineReader.h"
#include "sim/SimSlpResponder.h"

namespace tidepost::sim {

class SimShell;

// A terminal control unit in front of a transceiver. Its own shell (prompt "kv880:/$ ") answers
// the unit's commands; "minic -f" answers with a line holding "Connected" and starts the bridge,
// after which everything goes to the transceiver's shell and back, until the line "exit".
class SimTcuShell {
public:
    using Writer = std::function<void(const QByteArray&)>;
    // The transceiver's shell speaks through this unit from now on.
    explicit SimTcuShell(SimShell& transceiver);
    ~SimTcuShell();
    void SetWriter(Writer write) { m_write = std::move(write); }

    // A client has connected: the unit greets it with its prompt, or, with BridgeAtConnect, the
    // bridge is already running and the transceiver answers at once.
    void Connected();
    void Disconnected();
    // Bytes written by the client.
    void Receive(const QByteArray& bytes);
    bool Bridged() const { return m_bridged; }
    // The bridge program ends by itself: the unit's shell takes the connection back.
    void EndBridge();

    QString Prompt = QStringLiteral("kv880:/$ ");
    QString EchoTerminator = QStringLiteral("\r\n");
    QString BridgeAnswer = QStringLiteral("Connected to transceiver");
    // A unit whose bridge survives the connection, so its shell is never seen.
    bool BridgeAtConnect = false;
    // The unit's own shell reads and drops every line.
    bool Mute = false;
    // Every line the unit's own shell read, in order.
    QStringList Received;
    // Told of each of those lines as it is read.
    std::function<void(const QString& line)> OnLineRead;
    // What "sysconf -i <address>" and "sysconf -h <n>" set last ("" and -1 before).
    QString FixedIp;
    int HostMode = -1;
    // "reboot": the unit goes away; the transport drops the client.
    std::function<void()> OnReboot;

private:
    void Heard(const QString& line);
    void Write(const QString& text);
    void OwnShellLine(const QString& line);
    void Forward(QByteArray& pending);
    SimShell& m_transceiver;
    Writer m_write;
    ShellLineReader m_reader;
    bool m_bridged = false;
    // While bridged: the start of a line that may still turn out to be "exit".
    QByteArray m_held;
    bool m_lineForwarded = false;
    bool m_skipLf = false;
};

// The unit on a TCP port of 127.0.0.1: one client at a time, a newer connection replacing the
// older, as on the unit's telnet port.
class SimTcuServer {
public:
    explicit SimTcuServer(SimShell& transceiver);
    ~SimTcuServer();
    // 0 lets the system choose; False when the port cannot be bound.
    bool Listen(quint16 port);
    quint16 Port() const { return m_server.serverPort(); }
    bool HasClient() const;
    void DropClient();
    // Connections accepted so far.
    int Connections() const { return m_connections; }
    SimTcuShell Tcu;

private:
    void OnNewConnection();
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    int m_connections = 0;
};

// How a unit announces itself for discovery, at an address, with a software version ("1.23").
SlpService TcuSlpService(const QString& address, const QString& swVersion, const QString& model = "880");

}  // namespace tidepost::sim
