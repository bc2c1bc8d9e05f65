#include "sim/SimTransport.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "sim/SimShell.h"

namespace tidepost::sim {

OutputPacer::OutputPacer(std::function<void(const QByteArray&)> sink) : m_sink(std::move(sink)) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { Next(); });
}

void OutputPacer::Send(const QByteArray& bytes) {
    if (m_slowNextMs > 0 && !bytes.isEmpty()) {
        m_slowDelayMs = std::min<qint64>(kSlowMaxCharDelayMs, m_slowNextMs / bytes.size());
        m_slowLeft = m_queue.size() + bytes.size();
        m_slowNextMs = 0;
    }
    if (ChunkSize <= 0 && m_queue.isEmpty() && m_slowLeft == 0) {
        m_sink(bytes);
        return;
    }
    m_queue += bytes;
    if (!m_timer.isActive()) Next();
}

void OutputPacer::Next() {
    if (m_queue.isEmpty()) return;
    const bool slow = m_slowLeft > 0;
    qsizetype n = ChunkSize > 0 ? std::min<qsizetype>(ChunkSize, m_queue.size()) : m_queue.size();
    if (slow) n = 1;
    const QByteArray chunk = m_queue.left(n);
    m_queue.remove(0, n);
    if (slow) --m_slowLeft;
    m_sink(chunk);
    if (!m_queue.isEmpty()) m_timer.start(slow ? m_slowDelayMs : ChunkDelayMs);
}

SimFdTransport::SimFdTransport(SimShell& shell, int fd)
    : Pacer([this](const QByteArray& b) { Write(b); }), m_shell(shell), m_fd(fd) {
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    m_readNotifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    QObject::connect(m_readNotifier.get(), &QSocketNotifier::activated, m_readNotifier.get(),
                     [this] { OnReadable(); });
    m_writeNotifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Write);
    m_writeNotifier->setEnabled(false);
    QObject::connect(m_writeNotifier.get(), &QSocketNotifier::activated, m_writeNotifier.get(),
                     [this] { Flush(); });
    m_shell.SetWriter([this](const QByteArray& b) { Pacer.Send(b); });
}

SimFdTransport::~SimFdTransport() { m_shell.SetWriter({}); }

void SimFdTransport::OnReadable() {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            m_shell.Receive(QByteArray(buffer, static_cast<qsizetype>(n)));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        // End of file or an error such as EIO once no one holds the other side: stop listening,
        // or the notifier would fire without end.
        m_broken = true;
        m_readNotifier->setEnabled(false);
        return;
    }
}

void SimFdTransport::Write(const QByteArray& bytes) {
    m_out += bytes;
    Flush();
}

void SimFdTransport::Flush() {
    while (!m_out.isEmpty() && !m_broken) {
        const ssize_t n = ::write(m_fd, m_out.constData(), static_cast<size_t>(m_out.size()));
        if (n > 0) {
            m_out.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) break;
        m_broken = true;
    }
    m_writeNotifier->setEnabled(!m_out.isEmpty() && !m_broken);
}

SimTcpTransport::SimTcpTransport(SimShell& shell)
    : Pacer([this](const QByteArray& b) {
          if (m_client) {
              m_client->write(b);
              m_client->flush();
          }
      }),
      m_shell(shell) {
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { OnNewConnection(); });
    m_shell.SetWriter([this](const QByteArray& b) { Pacer.Send(b); });
}

SimTcpTransport::~SimTcpTransport() {
    m_shell.SetWriter({});
    DropClient();
}

bool SimTcpTransport::Listen(quint16 port) { return m_server.listen(QHostAddress::LocalHost, port); }

bool SimTcpTransport::HasClient() const {
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

void SimTcpTransport::DropClient() {
    if (!m_client) return;
    QTcpSocket* c = m_client;
    m_client = nullptr;
    c->abort();
    c->deleteLater();
}

void SimTcpTransport::OnNewConnection() {
    while (QTcpSocket* next = m_server.nextPendingConnection()) {
        DropClient();
        m_client = next;
        QObject::connect(next, &QTcpSocket::readyRead, next, [this, next] {
            if (next == m_client) m_shell.Receive(next->readAll());
        });
        QObject::connect(next, &QTcpSocket::disconnected, next, [this, next] {
            if (next == m_client) m_client = nullptr;
            next->deleteLater();
        });
    }
}

}  // namespace tidepost::sim
