#include "sim/SimTcu.h"

#include <QTimer>

#include "sim/SimShell.h"

namespace tidepost::sim {

namespace {
const QByteArray kExit = QByteArrayLiteral("exit");
const QString kLineEnd = QStringLiteral("\r\n");
}  // namespace

SimTcuShell::SimTcuShell(SimShell& transceiver) : m_transceiver(transceiver) {
    m_transceiver.SetWriter([this](const QByteArray& bytes) {
        if (m_bridged && m_write) m_write(bytes);
    });
}

SimTcuShell::~SimTcuShell() { m_transceiver.SetWriter({}); }

void SimTcuShell::Write(const QString& text) {
    if (m_write && !text.isEmpty()) m_write(text.toLatin1());
}

void SimTcuShell::Connected() {
    Disconnected();
    m_bridged = BridgeAtConnect;
    if (!m_bridged && !Mute) Write(kLineEnd + Prompt);
}

void SimTcuShell::Disconnected() {
    m_bridged = false;
    m_reader = ShellLineReader();
    m_held.clear();
    m_lineForwarded = false;
    m_skipLf = false;
}

void SimTcuShell::EndBridge() {
    if (!m_bridged) return;
    m_bridged = false;
    m_reader = ShellLineReader();
    m_held.clear();
    m_lineForwarded = false;
    if (!Mute) Write(kLineEnd + Prompt);
}

void SimTcuShell::Forward(QByteArray& pending) {
    if (pending.isEmpty()) return;
    const QByteArray bytes = pending;
    pending.clear();
    m_transceiver.Receive(bytes);
}

void SimTcuShell::Receive(const QByteArray& bytes) {
    QByteArray toTransceiver;
    for (const char c : bytes) {
        if (m_skipLf) {
            m_skipLf = false;
            if (c == '\n') continue;
        }
        if (!m_bridged) {
            for (const QByteArray& line : m_reader.Feed(QByteArray(1, c))) OwnShellLine(QString::fromLatin1(line));
            // The LF of the CR LF that ended "minic -f" belongs to that line, not to the bridge.
            if (m_bridged) m_skipLf = c == '\r';
            continue;
        }
        const bool lineEnd = c == '\r' || c == '\n';
        if (lineEnd) {
            if (!m_lineForwarded && m_held == kExit) {
                // "exit" ends the bridge; the unit's own shell answers it.
                Forward(toTransceiver);
                m_held.clear();
                m_bridged = false;
                m_reader = ShellLineReader();
                m_skipLf = c == '\r';
                Heard(QString::fromLatin1(kExit));
                if (!Mute) Write(QString::fromLatin1(kExit) + EchoTerminator + Prompt);
                continue;
            }
            toTransceiver += m_held;
            toTransceiver += c;
            m_held.clear();
            m_lineForwarded = false;
        } else if (m_lineForwarded) {
            toTransceiver += c;
        } else {
            // Hold the start of a line while it may still become "exit"; pass it on once it cannot.
            m_held += c;
            if (!kExit.startsWith(m_held)) {
                toTransceiver += m_held;
                m_held.clear();
                m_lineForwarded = true;
            }
        }
    }
    Forward(toTransceiver);
}

void SimTcuShell::Heard(const QString& line) {
    Received.append(line);
    if (OnLineRead) OnLineRead(line);
}

void SimTcuShell::OwnShellLine(const QString& line) {
    Heard(line);
    if (Mute) return;
    const QString echo = line + EchoTerminator;
    const QString word = line.section(' ', 0, 0, QString::SectionSkipEmpty);
    if (line == "minic -f") {
        Write(echo + BridgeAnswer + kLineEnd);
        m_bridged = true;
        m_held.clear();
        m_lineForwarded = false;
        return;
    }
    if (line == "reboot") {
        Write(echo + "Rebooting..." + kLineEnd);
        m_bridged = false;
        if (OnReboot) OnReboot();
        return;
    }
    QString body;
    if (line.startsWith("sysconf -i ")) {
        FixedIp = line.mid(11);
    } else if (line == "sysconf -h 0" || line == "sysconf -h 1") {
        HostMode = line.right(1).toInt();
    } else if (!line.isEmpty() && line != "exit" && word != "sysconf") {
        body = word + ": command not found" + kLineEnd;
    }
    Write(echo + body + Prompt);
}

SimTcuServer::SimTcuServer(SimShell& transceiver) : Tcu(transceiver) {
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { OnNewConnection(); });
    Tcu.SetWriter([this](const QByteArray& bytes) {
        if (!m_client) return;
        m_client->write(bytes);
        m_client->flush();
    });
    // A unit that reboots closes the connection after its last words.
    Tcu.OnReboot = [this] {
        QTimer::singleShot(0, &m_server, [this] { DropClient(); });
    };
}

SimTcuServer::~SimTcuServer() {
    Tcu.SetWriter({});
    if (m_client) m_client->abort();
}

bool SimTcuServer::Listen(quint16 port) { return m_server.listen(QHostAddress::LocalHost, port); }

bool SimTcuServer::HasClient() const { return m_client && m_client->state() == QAbstractSocket::ConnectedState; }

void SimTcuServer::DropClient() {
    if (!m_client) return;
    QTcpSocket* c = m_client;
    m_client = nullptr;
    Tcu.Disconnected();
    c->flush();
    c->disconnectFromHost();
    c->deleteLater();
}

void SimTcuServer::OnNewConnection() {
    while (QTcpSocket* next = m_server.nextPendingConnection()) {
        DropClient();
        m_client = next;
        ++m_connections;
        QObject::connect(next, &QTcpSocket::readyRead, next, [this, next] {
            if (next == m_client) Tcu.Receive(next->readAll());
        });
        QObject::connect(next, &QTcpSocket::disconnected, next, [this, next] {
            if (next == m_client) {
                m_client = nullptr;
                Tcu.Disconnected();
            }
            next->deleteLater();
        });
        Tcu.Connected();
    }
}

SlpService TcuSlpService(const QString& address, const QString& swVersion, const QString& model) {
    SlpService s;
    s.Url = "service:device.kalvenor://" + address;
    s.Attributes = "(device-model=" + model + "),(device-sw-version=" + swVersion + ")";
    return s;
}

}  // namespace tidepost::sim
