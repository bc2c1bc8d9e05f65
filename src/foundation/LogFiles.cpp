#include "foundation/LogFiles.h"

#include <QFileInfo>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

QString LogTimeStamp(const QDateTime& time) { return time.toString("yyyy-MM-dd HH:mm:ss") + "  "; }

QString DataFilePath(const Foundation& f, const QString& fileName) {
    // Without a data folder the name would land in the file system's root.
    if (f.gConfiguration.DataPath.isEmpty()) return {};
    return FindFileNoCase(f.gConfiguration.DataPath, fileName);
}

namespace {
// Rewrites the log with the lines that start in its newer half. A failure leaves the log as it
// was; the next append tries again.
void KeepNewestHalf(const QString& path) {
    QByteArray content;
    if (ReadFileBytes(path, content) || content.size() <= kMaxLogBytes) return;
    // The first line that starts in the newer half, whichever line end the file uses.
    qsizetype cut = 0;
    for (const QByteArray& line : SplitKeepingEnds(content)) {
        if (cut >= content.size() / 2) break;
        cut += line.size();
    }
    (void)WriteFileAtomic(path, content.mid(cut));
}
}  // namespace

namespace {
// A line (lineEnd not empty) first ends a last line that a crash or a full disk left unended.
FileError AppendToDataLog(const Foundation& f, const QString& fileName, const QString& text, const QByteArray& lineEnd) {
    const QString path = DataFilePath(f, fileName);
    if (path.isEmpty()) return {kErrPathNotFound, "Path not found"};
    const QByteArray bytes = f.Os.Codec.Encode(text);
    const FileError err = lineEnd.isEmpty() ? AppendToFile(path, bytes) : AppendLineToFile(path, bytes, lineEnd);
    if (!err && QFileInfo(path).size() > kMaxLogBytes) KeepNewestHalf(path);
    return err;
}
}  // namespace

FileError AppendToLog(const Foundation& f, const QString& fileName, const QString& text) {
    return AppendToDataLog(f, fileName, text, {});
}

FileError AppendLogLine(const Foundation& f, const QString& fileName, const QString& line) {
    return AppendToDataLog(f, fileName, line, "\r\n");
}

}  // namespace tidepost
