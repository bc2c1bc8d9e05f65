#include "foundation/DataFileText.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tidepost {

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
    return err;
}

QStringList SplitFileLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) lines.append(current);
    return lines;
}

}  // namespace tidepost
