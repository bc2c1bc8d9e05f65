#include "messages/InboxReplyParsers.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <optional>

#include "foundation/ErrorHandling.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cErrorLog.h"
#include "link/ReplyFields.h"

namespace tidepost {

namespace {

// The marker that selects the first listing layout.
const QString kBytesFree = QStringLiteral(" bytes free");
const QString kBytes = QStringLiteral(" bytes");

// Columns `first` to `last` of a line, counted from 1; columns beyond its end read as empty text.
QString Columns(const QString& line, qsizetype first, qsizetype last) {
    if (last < first) return {};
    return line.mid(first - 1, last - first + 1);
}

QString Trimmed(const QString& text) { return TrimBlanks(text).toString(); }

// "yy-mm-dd" with the century put in front: 19 from 70 on, else 20. Nothing when it is no date.
std::optional<QDate> CenturyDate(const QString& text) {
    const QString full = (LeadingNumber(text.left(2)) >= 70 ? QStringLiteral("19") : QStringLiteral("20")) + text;
    for (const char* format : {"yyyy-MM-dd", "yyyy-M-d"}) {
        const QDate date = QDate::fromString(full, QLatin1String(format));
        if (date.isValid()) return date;
    }
    return std::nullopt;
}

// The date with the hour and minute texts added by their numeric values.
QDateTime DateAndTime(const QDate& date, const QString& hour, const QString& minute) {
    return QDateTime(date, QTime(0, 0), Qt::UTC)
        .addSecs(LeadingNumber(Trimmed(hour)) * 3600 + LeadingNumber(Trimmed(minute)) * 60);
}

// The numeric value of a text, held in a 16-bit field.
template <typename Field>
Field Value(const QString& text) {
    return static_cast<Field>(std::clamp<qint64>(LeadingNumber(text), std::numeric_limits<Field>::min(),
                                                 std::numeric_limits<Field>::max()));
}
qint16 Value16(const QString& text) { return Value<qint16>(text); }
qint32 Value32(const QString& text) { return Value<qint32>(text); }

// A size column must hold digits only.
std::optional<qint32> StrictSize(const QString& text) {
    const QString t = Trimmed(text);
    if (!IsAllDigits(t)) return std::nullopt;
    bool ok = false;
    const qint32 size = t.toInt(&ok);
    if (!ok) return std::nullopt;
    return size;
}

QString WithoutLineEnds(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

void LogSkippedLine(Foundation& f, const QString& line, ListingKind kind) {
    if (kind == ListingKind::Egc) {
        ErrorLog(f).AddLine(ComposeErrorText(QStringLiteral("cEGC.DecodeEGCFileList"), 13,
                                             "Type mismatch in the EGC listing line \"" + WithoutLineEnds(line) +
                                                 "\"; the EGC stays on the transceiver"));
        return;
    }
    ErrorLog(f).AddLine(ComposeErrorText(
        QStringLiteral("MessageHandling.ParseInboxListing"), 13,
        "Type mismatch in the inbox listing line \"" + WithoutLineEnds(line) +
            "\"; the message stays on the transceiver"));
}

// First layout: the lines of a CR LF reply, also read from a shell that ends them with LF alone.
QStringList FirstLayoutLines(const QString& reply) {
    QStringList lines = reply.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return lines;
}

std::optional<InboxListEntry> FirstLayoutEntry(const QString& line) {
    InboxListEntry e;
    e.Name = Trimmed(Columns(line, 1, 8));
    const QString extension = Trimmed(Columns(line, 10, 12));
    if (!extension.isEmpty()) e.Extension = extension;
    const auto size = StrictSize(Columns(line, 18, 22));
    const auto date = CenturyDate(Trimmed(Columns(line, 25, 32)));
    if (!size || !date) return std::nullopt;
    e.Size = *size;
    e.Date = DateAndTime(*date, Columns(line, 35, 36), Columns(line, 38, 39));
    return e;
}

// p: the column in which " bytes" begins.
std::optional<InboxListEntry> SecondLayoutEntry(const QString& line, qsizetype p, ListingKind kind) {
    InboxListEntry e;
    if (kind == ListingKind::Egc) {
        // An EGC's whole name stands in columns 1-17; its number follows the first ".".
        const QString name = Trimmed(Columns(line, 1, 17));
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        e.Name = dot < 0 ? name : name.left(dot);
        if (dot >= 0) e.Extension = name.mid(dot + 1);
    } else {
        e.Name = Trimmed(Columns(line, 1, 13));
        if (line.indexOf(QLatin1Char('.')) == 13) e.Extension = Columns(line, 15, 17);
    }
    const auto date = CenturyDate(Trimmed(Columns(line, 37, 44)));
    const auto size = StrictSize(Columns(line, 52, p - 1));
    if (!size || !date) return std::nullopt;
    e.Size = *size;
    e.Date = DateAndTime(*date, Columns(line, 47, 48), Columns(line, 50, 51));
    return e;
}

// An empty entry, then one per data line.
template <typename Entry>
void Collect(QList<Entry>& entries, int& count, const Entry& entry) {
    if (count == 0) entries[0] = entry;
    else entries.append(entry);
    ++count;
}

qint16 RoutingFlags(const QString& routing) {
    qint16 flags = 0;
    if (routing.contains(QLatin1String("+M")) || routing.contains(QLatin1String("Mem"))) flags += 1;
    if (routing.contains(QLatin1String("Pr"))) flags += 2;
    if (routing.contains(QLatin1String("Re"))) flags += 4;
    return flags;
}

}  // namespace

QList<InboxListEntry> ParseInboxListing(Foundation& f, const QString& reply) {
    return ParseFileListing(f, reply, ListingKind::Inbox);
}

QList<InboxListEntry> ParseFileListing(Foundation& f, const QString& reply, ListingKind kind) {
    QList<InboxListEntry> entries{InboxListEntry{}};
    int count = 0;
    if (reply.contains(kBytesFree)) {
        for (const QString& line : FirstLayoutLines(reply)) {
            if (line.indexOf(QLatin1Char(':')) < 7) continue;  // the first ":" must stand after column 7
            if (const auto entry = FirstLayoutEntry(line)) Collect(entries, count, *entry);
            else LogSkippedLine(f, line, kind);
        }
    } else {
        for (const QString& line : reply.split(QLatin1Char('\n'))) {
            const qsizetype at = line.indexOf(kBytes);
            if (at < 8) continue;  // " bytes" must first occur after column 8
            if (const auto entry = SecondLayoutEntry(line, at + 1, kind)) Collect(entries, count, *entry);
            else LogSkippedLine(f, line, kind);
        }
    }
    return entries;
}

QList<InLogEntry> ParseInLog(const QString& reply) {
    QList<InLogEntry> entries{InLogEntry{}};
    int count = 0;
    for (const QString& line : reply.split(QLatin1Char('\n'))) {
        if (!line.contains(QLatin1String("IN."))) continue;
        InLogEntry e;
        e.LES = Value16(Columns(line, 1, 3));
        e.Column6 = Value16(Columns(line, 6, 6));
        e.Priority = Value16(Columns(line, 8, 8));
        e.Presentation = Value16(Columns(line, 10, 10));
        if (const auto date = CenturyDate(Columns(line, 12, 19)))
            e.Date = DateAndTime(*date, Columns(line, 22, 23), Columns(line, 25, 26));
        e.Size = Value32(Trimmed(Columns(line, 28, 32)));
        e.Reference = Value32(Trimmed(Columns(line, 34, 41)));
        const QString column43 = Columns(line, 43, 43);
        e.Column43 = IsAllDigits(column43) ? Value16(column43) : 0;
        e.Routing = Trimmed(Columns(line, 45, 52));
        e.Flags = RoutingFlags(e.Routing);
        e.Name = Columns(line, 54, 59);
        Collect(entries, count, e);
    }
    return entries;
}

}  // namespace tidepost
