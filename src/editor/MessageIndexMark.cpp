#include "editor/MessageIndexMark.h"

#include <QFile>

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
    const QString text = f.Os.Codec.Decode(bytes);
    QString out;
    out.reserve(text.size() + 16);
    bool changed = false;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n') ++end;
        qsizetype next = end;
        if (next < text.size() && text.at(next) == u'\r') ++next;
        if (next < text.size() && text.at(next) == u'\n') ++next;
        const QString line = text.mid(start, end - start);
        const QString marked = MarkLine(line, fileName, readField);
        changed = changed || marked != line;
        out += marked;
        out += QStringView(text).mid(end, next - end);
        start = next;
    }
    if (!changed) return {};

    const QString backup = FindFileNoCase(NormalizeSeparators(folder), ext + ".bak");
    const FileError err = WriteFileAtomic(index, f.Os.Codec.Encode(out), backup);
    if (err.number == kErrDiskFull) {
        QFile::remove(backup);
        return {};
    }
    return err;
}

}  // namespace tidepost
