#include "foundation/LogFiles.h"

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

FileError AppendLogLine(const Foundation& f, const QString& fileName, const QString& line) {
    const QString path = DataFilePath(f, fileName);
    if (path.isEmpty()) return {kErrPathNotFound, "Path not found"};
    return AppendToFile(path, f.Os.Codec.Encode(line + "\r\n"));
}

}  // namespace tidepost
