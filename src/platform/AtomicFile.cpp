#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tidepost {

namespace {
FileError WriteAll(int fd, const QByteArray& content) {
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + done, static_cast<size_t>(content.size() - done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileErrorFromErrno(errno);
        }
        done += n;
    }
    return {};
}
}  // namespace

FileError WriteFileAtomic(const QString& path, const QByteArray& content, const QString& stagingPath) {
    const QString staging = stagingPath.isEmpty() ? path + ".tmp~" : stagingPath;
    const QByteArray stagingName = QFile::encodeName(staging);
    const int fd = ::open(stagingName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == ENOENT && !QFileInfo(staging).dir().exists()) return {kErrPathNotFound, "Path not found"};
        return FileErrorFromErrno(errno);
    }
    FileError err = WriteAll(fd, content);
    if (!err && ::fsync(fd) != 0) err = FileErrorFromErrno(errno);
    if (::close(fd) != 0 && !err) err = FileErrorFromErrno(errno);
    if (!err && ::rename(stagingName.constData(), QFile::encodeName(path).constData()) != 0)
        err = FileErrorFromErrno(errno);
    if (err) ::unlink(stagingName.constData());
    return err;
}

FileError ReadFileBytes(const QString& path, QByteArray& bytes) {
    bytes.clear();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FileErrorFromErrno(errno);
    FileError err;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            // A folder in place of the file ends up here.
            err = FileErrorFromErrno(errno == EISDIR ? EACCES : errno);
            break;
        }
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    ::close(fd);
    if (err) bytes.clear();
    return err;
}

FileError AppendToFile(const QString& path, const QByteArray& content) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == ENOENT) return {kErrPathNotFound, "Path not found"};
        return FileErrorFromErrno(errno);
    }
    FileError err = WriteAll(fd, content);
    if (::close(fd) != 0 && !err) err = FileErrorFromErrno(errno);
    return err;
}

}  // namespace tidepost
