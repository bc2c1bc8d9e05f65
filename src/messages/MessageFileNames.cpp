#include "messages/MessageFileNames.h"

#include "foundation/Foundation.h"
#include "foundation/UsefullRoutines.h"
#include "platform/AtomicFile.h"
#include "platform/IClock.h"

namespace tidepost {

QString GetNewMessageFileName(Foundation& f, const QString& folder, const QString& ext) {
    const QString prefix = f.Os.Clock->Now().toString(QStringLiteral("yyMMdd"));
    const QString base = AddBackslash(folder);
    for (int n = 1; n <= 32767; ++n) {
        const QString counter = n < 10 ? "0" + QString::number(n) : QString::number(n);
        const QString candidate = prefix + counter + "." + ext;
        if (!CheckFileExists(f, base + candidate)) return candidate;
    }
    return {};
}

bool AppendIndexLine(Foundation& f, const QString& path, const QString& line) { return !AppendToIndex(f, path, line); }

FileError AppendToIndex(Foundation& f, const QString& path, const QString& line) {
    return AppendToFile(ResolvePath(path), f.Os.Codec.Encode(line + QStringLiteral("\r\n")));
}

}  // namespace tidepost
