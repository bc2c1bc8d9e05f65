#include "messages/RxErrorCounters.h"

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

const QString kSection = QStringLiteral("Messages");

QString KeyOf(quint8 kind) {
    if (kind == kRxErrorKindEgc) return QStringLiteral("EgcRxErrors");
    if (kind == kRxErrorKindMessage) return QStringLiteral("InMsgRxErrors");
    return {};
}

QString Entry(qint16 number, int count) { return ";" + QString::number(number) + "," + QString::number(count); }

// Where the number's first entry stands: from its ";" up to the next ";" or the end of the list.
struct EntrySpan {
    qsizetype At = -1;
    qsizetype Length = 0;
    QString Count;  // the text after the ","
};

EntrySpan FindEntry(const QString& list, qint16 number) {
    const QString start = ";" + QString::number(number) + ",";
    EntrySpan span;
    span.At = list.indexOf(start);
    if (span.At < 0) return span;
    const qsizetype c = span.At + start.size();
    qsizetype e = list.indexOf(QLatin1Char(';'), c);
    if (e < 0) e = list.size();
    span.Length = e - span.At;
    span.Count = list.mid(c, e - c);
    return span;
}

quint8 CountOf(const EntrySpan& span) {
    if (span.At < 0 || !IsAllDigits(span.Count)) return 0;
    bool ok = false;
    const int value = span.Count.toInt(&ok);
    return ok && value <= 255 ? static_cast<quint8>(value) : 255;
}

}  // namespace

QString ReadRxErrorList(Foundation& f, quint8 kind) {
    const QString key = KeyOf(kind);
    if (key.isEmpty()) return {};
    return GetAppSetting(f, f.gProductName, kSection, key, QString());
}

bool WriteRxErrorList(Foundation& f, quint8 kind, const QString& list) {
    const QString key = KeyOf(kind);
    if (key.isEmpty()) return false;
    SaveAppSetting(f, f.gProductName, kSection, key, list);
    return true;
}

quint8 GetRxErrorCount(Foundation& f, quint8 kind, qint16 number) {
    if (number < 0) return 0;
    return CountOf(FindEntry(ReadRxErrorList(f, kind), number));
}

// An entry whose count is unreadable is replaced or removed like any other, so that the list
// cannot grow by one entry for the same number on every call.
bool IncRxErrorCount(Foundation& f, quint8 kind, qint16 number) {
    if (number < 0) return false;
    QString list = ReadRxErrorList(f, kind);
    const EntrySpan span = FindEntry(list, number);
    if (span.At >= 0) list.replace(span.At, span.Length, Entry(number, CountOf(span) + 1));
    else list += Entry(number, 1);
    return WriteRxErrorList(f, kind, list);
}

bool RemoveRxErrorCount(Foundation& f, quint8 kind, qint16 number) {
    if (number < 0) return false;
    QString list = ReadRxErrorList(f, kind);
    const EntrySpan span = FindEntry(list, number);
    if (span.At >= 0) list.remove(span.At, span.Length);
    return WriteRxErrorList(f, kind, list);
}

}  // namespace tidepost
