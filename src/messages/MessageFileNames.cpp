#include "messages/MessageFileNames.h"

#include "foundation/Foundation.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "platform/AtomicFile.h"
#include "platform/IClock.h"

namespace tidepost {

namespace {

// Outbox names keep twelve characters, the only length the transceiver's file names and the
// upload check take: the counters after 99 are a capital letter and a digit, "A0" for 100 to
// "Z9" for 359, which still sort after "99".
constexpr int kLastOutboxCounter = 100 + 26 * 10 - 1;
constexpr int kLastCounter = 32767;

QString Counter(int n) {
    if (n < 10) return "0" + QString::number(n);
    if (n < 100) return QString::number(n);
    return QString(QChar(u'A' + (n - 100) / 10)) + QChar(u'0' + (n - 100) % 10);
}

// Calls `free` with each of today's names in `folder` that no file takes, in counter order,
// until it gives false.
template <typename Free>
void ForEachFreeName(Foundation& f, const QString& folder, const QString& ext, Free free) {
    const QString prefix = f.Os.Clock->Now().toString(QStringLiteral("yyMMdd"));
    const QString base = AddBackslash(folder);
    const bool outbox = ext.compare(QLatin1String("out"), Qt::CaseInsensitive) == 0;
    const int last = outbox ? kLastOutboxCounter : kLastCounter;
    for (int n = 1; n <= last; ++n) {
        const QString counter = outbox ? Counter(n) : n < 10 ? "0" + QString::number(n) : QString::number(n);
        const QString candidate = prefix + counter + "." + ext;
        if (!CheckFileExists(f, base + candidate) && !free(candidate)) return;
    }
}

}  // namespace

QString GetNewMessageFileName(Foundation& f, const QString& folder, const QString& ext) {
    QString name;
    ForEachFreeName(f, folder, ext, [&name](const QString& candidate) {
        name = candidate;
        return false;
    });
    return name;
}

int FreeMessageFileNames(Foundation& f, const QString& folder, const QString& ext, int atMost) {
    int count = 0;
    if (atMost <= 0) return 0;
    ForEachFreeName(f, folder, ext, [&](const QString&) { return ++count < atMost; });
    return count;
}

bool AppendIndexLine(Foundation& f, const QString& path, const QString& line) { return !AppendToIndex(f, path, line); }

FileError AppendToIndex(Foundation& f, const QString& path, const QString& line) {
    return AppendLineToFile(ResolvePath(path), f.Os.Codec.Encode(line), "\r\n");
}

FileError ReadOrCreateIndex(Foundation& f, const QString& path, QByteArray& bytes) {
    const QString resolved = ResolvePath(path);
    if (!CheckFileExists(f, resolved))
        if (const FileError err = AppendToFile(resolved, {})) return err;
    return ReadFileBytes(resolved, bytes);
}

}  // namespace tidepost
