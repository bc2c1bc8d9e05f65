#include "platform/TermSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tidepost {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// The write end for the handler; -1 while no instance exists.
volatile std::sig_atomic_t g_writeFd = -1;

void OnSignal(int number) {
    const int savedErrno = errno;
    const int fd = g_writeFd;
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(number);
        // A full pipe drops the byte: one waiting signal is enough to end the program.
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

TermSignals::TermSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0) {
        m_fds[0] = m_fds[1] = -1;
        return;
    }
    g_writeFd = m_fds[1];
    m_notifier = new QSocketNotifier(m_fds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TermSignals::ReadPipe);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) ::sigaction(number, &action, nullptr);
}

TermSignals::~TermSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    if (m_fds[0] >= 0)
        for (int number : kSignals) ::sigaction(number, &action, nullptr);
    g_writeFd = -1;
    delete m_notifier;
    for (int fd : m_fds)
        if (fd >= 0) ::close(fd);
}

void TermSignals::ReadPipe() {
    unsigned char byte = 0;
    while (::read(m_fds[0], &byte, 1) == 1) emit Received(byte);
}

}  // namespace tidepost
