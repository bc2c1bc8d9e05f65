#include "editor/MessageIndexMark.h"

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "foundation/IndexLines.h"
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
    // Only a line whose last field is the file's name can change: the others are not decoded.
    const QByteArray name = f.Os.Codec.Encode(fileName);
    const IndexLines lines(std::move(bytes));
    std::vector<IndexLines::Edit> edits;
    for (int i = 0; i < lines.Count(); ++i) {
        const QByteArrayView text = lines.Text(i);
        if (LastField(text, ':') != name) continue;
        const QString line = f.Os.Codec.Decode(text.toByteArray());
        const QString marked = MarkLine(line, fileName, readField);
        if (marked != line) edits.push_back({i, f.Os.Codec.Encode(marked)});
    }
    if (edits.empty()) return {};

    // A failure, a full disk too, leaves the index as it was and no .bak behind.
    const QString backup = FindFileNoCase(NormalizeSeparators(folder), ext + ".bak");
    return WriteFileAtomic(index, lines.Edited(edits), backup);
}

}  // namespace tidepost
