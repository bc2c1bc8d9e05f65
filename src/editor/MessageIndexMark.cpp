#include "editor/MessageIndexMark.h"

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

QString IndexExtension(StoredMessageType type) {
    switch (type) {
    case StoredMessageType::Received: return QStringLiteral("in");
    case StoredMessageType::Sent: return QStringLiteral("out");
    case StoredMessageType::Egc: return QStringLiteral("egc");
    }
    return {};
}

namespace {

// The line with its read field set to "Yes" when the field says "No"; otherwise the line as it is.
QString MarkLine(const QString& line, const QString& fileName, int readField) {
    QStringList fields = line.split(u':');
    if (fields.last() != fileName || fields.size() < readField) return line;
    QString& flag = fields[readField - 1];
    if (flag.toUpper() != u"NO") return line;
    flag = QStringLiteral("Yes");
    return fields.join(u':');
}

}  // namespace

FileError MarkMessageRead(Foundation& f, const QString& folder, const QString& fileName, StoredMessageType type) {
    const QString ext = IndexExtension(type);
    const QString index = FindFileNoCase(NormalizeSeparators(folder), ext + ".idx");
    QByteArray bytes;
    if (const FileError err = ReadFileBytes(index, bytes)) return err;
    if (type == StoredMessageType::Sent) return {};

    const int readField = type == StoredMessageType::Received ? 10 : 11;
    QByteArray out;
    out.reserve(bytes.size() + 16);
    for (const QByteArray& raw : SplitKeepingEnds(bytes)) {
        const QByteArray end = LineEndOf(raw);
        const QString line = f.Os.Codec.Decode(raw.left(raw.size() - end.size()));
        const QString marked = MarkLine(line, fileName, readField);
        out += marked == line ? raw : f.Os.Codec.Encode(marked) + end;
    }
    if (out == bytes) return {};

    // A failure, a full disk too, leaves the index as it was and no .bak behind.
    const QString backup = FindFileNoCase(NormalizeSeparators(folder), ext + ".bak");
    return WriteFileAtomic(index, out, backup);
}

}  // namespace tidepost
