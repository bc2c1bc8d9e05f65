#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tidepost::test {

// A plain TCP client of a server in this process: every wait lets Qt's events run, so the
// server can accept, read and answer meanwhile. Waits are for real I/O only.
class HttpClient {
public:
    explicit HttpClient(quint16 port, const char* address = "127.0.0.1") {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        ::inet_pton(AF_INET, address, &a.sin_addr);
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    }
    ~HttpClient() {
        if (m_fd >= 0) ::close(m_fd);
    }
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    bool Connected() const { return m_connected; }
    bool Send(const QByteArray& bytes) {
        qsizetype sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(m_fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
            if (n <= 0) return false;
            sent += n;
        }
        return true;
    }
    // Everything until the server closes the connection (or the time is up).
    QByteArray ReadToEnd(int timeoutMs = 5000) {
        QByteArray all;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            QCoreApplication::processEvents();
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 5) <= 0) continue;
            char buffer[8192];
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            all.append(buffer, n);
        }
        return all;
    }
    // Lets the events run for a moment (the server reads what has come).
    static void Settle(int rounds = 20) {
        for (int i = 0; i < rounds; ++i) {
            QCoreApplication::processEvents();
            ::usleep(1000);
        }
    }
    // Runs the events until `done` holds (or the time is up).
    template <typename Done>
    static bool Until(Done&& done, int timeoutMs = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > timeoutMs) return false;
            QCoreApplication::processEvents();
            ::usleep(500);
        }
        return true;
    }

private:
    int m_fd = -1;
    bool m_connected = false;
};

}  // namespace tidepost::test
