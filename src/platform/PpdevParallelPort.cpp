#include "platform/PpdevParallelPort.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <csignal>
#include <ctime>
#include <linux/ppdev.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tidepost {

namespace {

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

int OpenRetrying(const QByteArray& path, int flags) {
    int fd;
    do fd = ::open(path.constData(), flags);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// One byte to a FIFO or a file. A FIFO whose reader has gone raises SIGPIPE, which would end the
// program: the signal is held back for the write and a pending one taken away before it is let
// through again, so the write just fails with EPIPE.
ssize_t WriteByteWithoutSigpipe(int fd, quint8 value) {
    sigset_t pipe, previous;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigset_t pendingBefore;
    sigpending(&pendingBefore);
    const bool alreadyPending = sigismember(&pendingBefore, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &previous);
    ssize_t written;
    do written = ::write(fd, &value, 1);
    while (written < 0 && errno == EINTR);
    const int error = errno;
    if (written < 0 && error == EPIPE && !alreadyPending) {
        const timespec none{0, 0};
        while (sigtimedwait(&pipe, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return written;
}

}  // namespace

PpdevParallelPort::~PpdevParallelPort() { Release(); }

bool PpdevParallelPort::Claim(const QString& device, QString& reason) {
    Release();
    const QByteArray path = QFile::encodeName(device);
    if (path.isEmpty()) {
        reason = Reason(ENOENT);
        return false;
    }
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        reason = Reason(errno);
        return false;
    }
    const bool character = S_ISCHR(info.st_mode);
    // A FIFO without a reader fails at once (ENXIO) instead of waiting for one; a file is added to.
    const int flags = character ? O_RDWR | O_CLOEXEC | O_NONBLOCK : O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK;
    const int fd = OpenRetrying(path, flags);
    if (fd < 0) {
        reason = Reason(errno);
        return false;
    }
    if (character && ::ioctl(fd, PPCLAIM) != 0) {
        // Not a parallel port (ENOTTY), or the port is held elsewhere.
        reason = Reason(errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_ppdev = character;
    m_device = device;
    return true;
}

bool PpdevParallelPort::WriteData(quint8 value, QString& reason) {
    if (m_fd < 0) {
        reason = Reason(EBADF);
        return false;
    }
    if (m_ppdev) {
        unsigned char data = value;
        if (::ioctl(m_fd, PPWDATA, &data) == 0) return true;
        reason = Reason(errno);
        return false;
    }
    const ssize_t written = WriteByteWithoutSigpipe(m_fd, value);
    if (written == 1) return true;
    reason = written < 0 ? Reason(errno) : Reason(EIO);
    return false;
}

void PpdevParallelPort::Release() {
    if (m_fd < 0) return;
    if (m_ppdev) ::ioctl(m_fd, PPRELEASE);
    ::close(m_fd);
    m_fd = -1;
    m_ppdev = false;
    m_device.clear();
}

}  // namespace tidepost
