#include "foundation/UsefullFileRoutines.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "foundation/ErrorHandling.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "platform/AtomicFile.h"
#include "platform/FileError.h"
#include "platform/FileLookup.h"

namespace tidepost {

QString ResolvePath(const QString& path) {
    const QString normalized = NormalizeSeparators(path);
    const qsizetype slash = normalized.lastIndexOf(u'/');
    if (slash < 0) return normalized;
    const QString name = normalized.mid(slash + 1);
    if (name.isEmpty()) return normalized;
    return FindFileNoCase(slash == 0 ? QStringLiteral("/") : normalized.left(slash), name);
}

namespace {

// Whether the resolved path is a file; err is set on anything but a plain "not there".
bool IsExistingFile(const QString& resolved, FileError& err) {
    if (resolved.contains(QChar(0))) {
        // The system would silently cut the name at the NUL and answer for another file.
        err = FileErrorFromErrno(EINVAL);
        return false;
    }
    struct stat st {};
    if (::stat(QFile::encodeName(resolved).constData(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) err = FileErrorFromErrno(errno);
        return false;
    }
    return S_ISREG(st.st_mode);
}

}  // namespace

bool CheckFileExists(Foundation& f, const QString& path) {
    FileError err;
    const bool exists = IsExistingFile(ResolvePath(path), err);
    if (err) ShowFileErrorBox(f, QStringLiteral("CheckFileExists"), err, path);
    return exists;
}

QByteArray GetFileBytes(Foundation& f, const QString& path) {
    if (!CheckFileExists(f, path)) return {};
    QByteArray content;
    if (const FileError err = ReadFileBytes(ResolvePath(path), content)) {
        const QString text =
            WithFileErrorText(f, ComposeErrorText(QStringLiteral("GetFileContent"), err.number, err.description),
                              err.number, path);
        QueueMessageBox(f, text, ErrorTitle(err.number));
        return {};
    }
    return content;
}

QString GetFileContent(Foundation& f, const QString& path) { return f.Os.Codec.Decode(GetFileBytes(f, path)); }

}  // namespace tidepost
