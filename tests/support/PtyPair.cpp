#include "support/PtyPair.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tidepost::test {

PtyPair::PtyPair() {
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair() { HangUp(); }

bool PtyPair::Write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) done += n;
        else if (n < 0 && errno != EINTR && errno != EAGAIN) return false;
    }
    return done == bytes.size();
}

QByteArray PtyPair::ReadAvailable() {
    QByteArray out;
    char buffer[4096];
    for (;;) {
        if (m_master < 0) break;
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0) break;
        out.append(buffer, static_cast<qsizetype>(n));
    }
    return out;
}

QByteArray PtyPair::ReadAtLeast(qsizetype count, int timeoutMs) {
    QByteArray out = ReadAvailable();
    const QDeadlineTimer deadline(timeoutMs);
    while (out.size() < count && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        pollfd p{m_master, POLLIN, 0};
        ::poll(&p, 1, 10);
        out += ReadAvailable();
    }
    return out;
}

void PtyPair::HangUp() {
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
    m_master = m_slave = -1;
}

}  // namespace tidepost::test
