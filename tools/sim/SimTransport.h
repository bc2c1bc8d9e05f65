#pragma once
#include <QByteArray>
#include <QTcpServer>
#include <QTimer>
#include <QPointer>
#include <QTcpSocket>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace tidepost::sim {

class SimShell;

// Passes the shell's output on whole, or in pieces of ChunkSize bytes ChunkDelayMs apart, the way
// a slow line delivers a reply over several reads.
class OutputPacer {
public:
    explicit OutputPacer(std::function<void(const QByteArray&)> sink);
    void Send(const QByteArray& bytes);
    int ChunkSize = 0;  // 0: at once
    int ChunkDelayMs = 0;
    // The next piece sent goes out one character at a time, spread over `ms` (at most
    // kSlowMaxCharDelayMs between two characters), as a transceiver that is busy answers.
    void SlowNext(int ms) { m_slowNextMs = ms; }
    static constexpr int kSlowMaxCharDelayMs = 2000;

private:
    void Next();
    int m_slowNextMs = 0;
    int m_slowDelayMs = 0;
    qsizetype m_slowLeft = 0;
    std::function<void(const QByteArray&)> m_sink;
    QByteArray m_queue;
    QTimer m_timer;
};

// Serves a shell on a file descriptor, normally the master side of a pseudo-terminal whose slave
// the program opens as its serial port. The descriptor stays the caller's.
class SimFdTransport {
public:
    SimFdTransport(SimShell& shell, int fd);
    ~SimFdTransport();
    OutputPacer Pacer;
    // The other side is gone for good (the descriptor reports an error).
    bool Broken() const { return m_broken; }

private:
    void OnReadable();
    void Write(const QByteArray& bytes);
    void Flush();
    SimShell& m_shell;
    int m_fd;
    std::unique_ptr<QSocketNotifier> m_readNotifier;
    std::unique_ptr<QSocketNotifier> m_writeNotifier;
    QByteArray m_out;
    bool m_broken = false;
};

// Serves a shell on a TCP port of 127.0.0.1, as a terminal control unit would: one client at a
// time, a newer connection replacing the older.
class SimTcpTransport {
public:
    explicit SimTcpTransport(SimShell& shell);
    ~SimTcpTransport();
    // 0 lets the system choose; False when the port cannot be bound.
    bool Listen(quint16 port);
    quint16 Port() const { return m_server.serverPort(); }
    bool HasClient() const;
    // Drops the current client, as a unit that goes away.
    void DropClient();
    OutputPacer Pacer;

private:
    void OnNewConnection();
    SimShell& m_shell;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};

}  // namespace tidepost::sim
