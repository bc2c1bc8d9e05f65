#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
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

// Creates (or empties) the staging file, writes the content and flushes it to disk.
FileError WriteStaging(const QString& staging, const QByteArray& content) {
    const int fd = ::open(QFile::encodeName(staging).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == ENOENT && !QFileInfo(staging).dir().exists()) return {kErrPathNotFound, "Path not found"};
        return FileErrorFromErrno(errno);
    }
    FileError err = WriteAll(fd, content);
    if (!err && ::fsync(fd) != 0) err = FileErrorFromErrno(errno);
    if (::close(fd) != 0 && !err) err = FileErrorFromErrno(errno);
    return err;
}

const FileError kAlreadyExists{kErrFileAlreadyExists, "File already exists"};

// Gives the staged file the target's name unless a file of that name exists; the staging name
// stays for the caller to remove.
FileError MoveIntoPlaceNoReplace(const QByteArray& staging, const QByteArray& target) {
    if (::renameat2(AT_FDCWD, staging.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) return {};
    if (errno == EEXIST) return kAlreadyExists;
    if (errno != EINVAL && errno != ENOSYS) return FileErrorFromErrno(errno);
    // A file system without the exclusive rename: a hard link fails just as surely on a taken name.
    if (::link(staging.constData(), target.constData()) == 0) return {};
    if (errno == EEXIST) return kAlreadyExists;
    return FileErrorFromErrno(errno);
}
}  // namespace

FileError WriteFileAtomic(const QString& path, const QByteArray& content, const QString& stagingPath) {
    const QString staging = stagingPath.isEmpty() ? path + ".tmp~" : stagingPath;
    const QByteArray stagingName = QFile::encodeName(staging);
    FileError err = WriteStaging(staging, content);
    if (!err && ::rename(stagingName.constData(), QFile::encodeName(path).constData()) != 0)
        err = FileErrorFromErrno(errno);
    if (err) ::unlink(stagingName.constData());
    return err;
}

QString NewFileStagingPath(const QString& path) { return path + ".new~"; }

FileError WriteNewFile(const QString& path, const QByteArray& content) {
    const QString staging = NewFileStagingPath(path);
    const QByteArray stagingName = QFile::encodeName(staging);
    FileError err = WriteStaging(staging, content);
    if (!err) err = MoveIntoPlaceNoReplace(stagingName, QFile::encodeName(path));
    ::unlink(stagingName.constData());
    return err;
}

FileError RenameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const FileError err = MoveIntoPlaceNoReplace(source, QFile::encodeName(to));
    // Where the name was given by a hard link, the old name is still there.
    if (!err && QFileInfo::exists(from)) ::unlink(source.constData());
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

namespace {
// Opens for appending; with `endOfFragment` the file's last line is ended with it first. A failed
// write cuts the file back to its length before the append.
FileError Append(const QString& path, const QByteArray& content, const QByteArray& endOfFragment) {
    const QByteArray name = QFile::encodeName(path);
    constexpr int kFlags = O_CREAT | O_APPEND | O_CLOEXEC;
    int fd = ::open(name.constData(), (endOfFragment.isEmpty() ? O_WRONLY : O_RDWR) | kFlags, 0644);
    // A file that may be written but not read still takes the line, unchecked.
    const bool readable = fd >= 0 && !endOfFragment.isEmpty();
    if (fd < 0 && errno == EACCES && !endOfFragment.isEmpty()) fd = ::open(name.constData(), O_WRONLY | kFlags, 0644);
    if (fd < 0) {
        if (errno == ENOENT) return {kErrPathNotFound, "Path not found"};
        return FileErrorFromErrno(errno);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const FileError err = FileErrorFromErrno(errno);
        ::close(fd);
        return err;
    }
    const bool regular = S_ISREG(st.st_mode);
    QByteArray bytes;
    if (readable && regular && st.st_size > 0) {
        char last = 0;
        if (::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n' && last != '\r') bytes = endOfFragment;
    }
    bytes += content;
    FileError err = WriteAll(fd, bytes);
    if (err && regular) (void)::ftruncate(fd, st.st_size);
    if (::close(fd) != 0 && !err) err = FileErrorFromErrno(errno);
    return err;
}
}  // namespace

FileError AppendToFile(const QString& path, const QByteArray& content) { return Append(path, content, {}); }

FileError AppendLineToFile(const QString& path, const QByteArray& line, const QByteArray& lineEnd) {
    return Append(path, line + lineEnd, lineEnd);
}

}  // namespace tidepost
