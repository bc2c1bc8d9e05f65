#include "egc/EgcReplyParsers.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <optional>

#include "foundation/ErrorHandling.h"
#include "foundation/cErrorLog.h"
#include "link/ReplyFields.h"
#include "messages/InboxReplyParsers.h"

namespace tidepost {

namespace {

// A whole number column: an optional sign and digits only, within the field's range.
template <typename Field>
std::optional<Field> Strict(const QString& text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<Field>::min() || value > std::numeric_limits<Field>::max())
        return std::nullopt;
    return static_cast<Field>(value);
}

void LogSkippedLogLine(Foundation& f, const QString& line) {
    ErrorLog(f).AddLine(ComposeErrorText(QStringLiteral("cEGC.DecodeEgcLog"), 13,
                                         "Type mismatch in the EGC log line \"" + line +
                                             "\"; the EGC stays on the transceiver"));
}

std::optional<EgcLogEntry> LogRecord(const QStringList& c) {
    EgcLogEntry e;
    const auto les = Strict<qint16>(c[0]), service = Strict<qint16>(c[1]), priority = Strict<qint16>(c[2]),
               language = Strict<qint16>(c[3]), column9 = Strict<qint16>(c[8]), column10 = Strict<qint16>(c[9]);
    const auto length = Strict<qint32>(c[6]), ref = Strict<qint32>(c[7]);
    if (!les || !service || !priority || !language || !length || !ref || !column9 || !column10) return std::nullopt;
    // egc.idx separates its fields by ":": only the time may hold one, and exactly one.
    if (c[4].contains(u':') || c[5].count(u':') != 1 || c[10].contains(u':')) return std::nullopt;
    e.Les = *les;
    e.Service = *service;
    e.Priority = *priority;
    e.Language = *language;
    e.Date = c[4].size() == 8 ? WidenEgcYear(c[4]) : c[4];
    e.Time = c[5];
    e.Length = *length;
    e.RefNo = *ref;
    e.Column9 = *column9;
    e.Column10 = *column10;
    e.Routing = c[10];
    e.FileName = c[11];
    return e;
}

}  // namespace

QString WidenEgcYear(const QString& date) {
    return (LeadingNumber(date.left(2)) >= 70 ? QStringLiteral("19") : QStringLiteral("20")) + date;
}

bool IsEgcFileName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^EGC\\.[0-9]{3}$"));
    return pattern.match(name).hasMatch();
}

QList<EgcFileEntry> ParseEgcListing(Foundation& f, const QString& reply) {
    QList<EgcFileEntry> entries;
    for (const InboxListEntry& listed : ParseFileListing(f, reply, ListingKind::Egc)) {
        if (!listed.Date.isValid()) continue;  // the empty entry of a listing without data lines
        EgcFileEntry e;
        e.Name = listed.Extension.isEmpty() ? listed.Name : listed.Name + u'.' + listed.Extension;
        e.Number = static_cast<qint16>(std::clamp<qint64>(LeadingNumber(listed.Extension),
                                                          std::numeric_limits<qint16>::min(),
                                                          std::numeric_limits<qint16>::max()));
        e.Size = listed.Size;
        e.Date = listed.Date.toString(QStringLiteral("yyyy-MM-dd"));
        e.Time = listed.Date.toString(QStringLiteral("HH:mm"));
        entries.append(e);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const EgcFileEntry& a, const EgcFileEntry& b) {
        if (a.Date != b.Date) return a.Date < b.Date;  // yyyy-MM-dd orders as the calendar does
        if (a.Time != b.Time) return a.Time < b.Time;
        return a.Number < b.Number;
    });
    return entries;
}

QList<EgcLogEntry> ParseEgcLog(Foundation& f, const QString& reply, const QString& echoEnd) {
    QList<EgcLogEntry> entries;
    // Before the first "st -l" no line end is known: the lines are then taken at LF.
    const QString end = echoEnd.isEmpty() ? QStringLiteral("\n") : echoEnd;
    const QString echo = QStringLiteral("st -e") + end;
    const qsizetype at = reply.indexOf(echo, 0, Qt::CaseInsensitive);
    if (at < 0) return entries;
    qsizetype start = at + echo.size();
    for (;;) {
        const qsizetype next = reply.indexOf(end, start, Qt::CaseInsensitive);
        if (next < 0) break;  // the prompt
        const QString line = reply.mid(start, next - start).simplified();
        start = next + end.size();
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        if (columns.size() != 12 || !columns[11].startsWith(QLatin1String("EGC."))) continue;
        if (const auto record = LogRecord(columns)) entries.append(*record);
        else LogSkippedLogLine(f, line);
    }
    return entries;
}

}  // namespace tidepost
