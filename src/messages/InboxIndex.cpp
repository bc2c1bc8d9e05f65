#include "messages/InboxIndex.h"

#include <QStringView>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {

QString ThreeDigitLes(qint16 les) {
    QString text = QString::number(les);
    return FormatThreeDigits(text);
}

// Field n of an index line; the time's ":" counts as a separator here.
QStringView Part(QStringView line, qsizetype n) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        start = line.indexOf(u':', start);
        if (start < 0) return {};
        ++start;
    }
    const qsizetype end = line.indexOf(u':', start);
    return end < 0 ? line.mid(start) : line.mid(start, end - start);
}

}  // namespace

QString InboxIndexLine(const InLogEntry& entry, const QString& when, const QString& disk) {
    return entry.Name + ":" + ThreeDigitLes(entry.LES) + ":" + QString::number(entry.Priority) + ":" +
           QString::number(entry.Presentation) + ":" + when + ":" + QString::number(entry.Size) + ":" +
           QString::number(entry.Reference) + ":" + entry.Routing + ":No:" + disk;
}

// Only the lines that begin with the message's name and LES are decoded: an index of many
// thousand lines is searched as bytes.
bool IsInInboxIndex(Foundation& f, const QString& path, const InLogEntry& entry, const QString& when) {
    QByteArray bytes;
    if (ReadFileBytes(ResolvePath(path), bytes)) return false;
    const QByteArray lead = f.Os.Codec.Encode(entry.Name + ":" + ThreeDigitLes(entry.LES) + ":");
    const QString date = when.section(u':', 0, 0);
    const QString minute = when.section(u':', 1);
    const QString size = QString::number(entry.Size);
    const QString reference = QString::number(entry.Reference);
    for (const QByteArray& raw : SplitKeepingEnds(bytes)) {
        if (!raw.startsWith(lead)) continue;
        const QString line = f.Os.Codec.Decode(raw.left(raw.size() - LineEndOf(raw).size()));
        if (Part(line, 4) == date && Part(line, 5) == minute && Part(line, 6) == size && Part(line, 7) == reference)
            return true;
    }
    return false;
}

}  // namespace tidepost
