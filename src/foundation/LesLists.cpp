#include "foundation/LesLists.h"

#include <QRegularExpression>
#include <initializer_list>

#include "foundation/DataFileText.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/UsefullRoutines.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

namespace {
QList<KeyValuePair> MakeList(std::initializer_list<std::pair<const char*, const char*>> entries) {
    QList<KeyValuePair> list;
    list.reserve(static_cast<qsizetype>(entries.size()));
    for (const auto& [key, value] : entries) list.append({QString::fromLatin1(key), QString::fromLatin1(value)});
    return list;
}
}  // namespace

QList<KeyValuePair> DefaultLesListAorW() {
    return MakeList({{"001", "Southbury"}, {"002", "Burum"}, {"003", "Yamaguchi"}, {"004", "Eik"},
                     {"012", "Burum"}, {"021", "Aussaguel"}});
}

QList<KeyValuePair> DefaultLesListAorE() {
    return MakeList({{"101", "Southbury"}, {"102", "Burum"}, {"103", "Yamaguchi"}, {"104", "Eik"},
                     {"105", "Fucino"}, {"112", "Burum"}, {"117", "Nudol"}, {"120", "Thermopylae"},
                     {"121", "Aussaguel"}});
}

QList<KeyValuePair> DefaultLesListPor() {
    return MakeList({{"201", "Southbury"}, {"202", "Burum"}, {"203", "Yamaguchi"}, {"204", "Eik"},
                     {"210", "Sentosa"}, {"211", "Beijing"}, {"212", "Burum"}, {"217", "Nudol"},
                     {"221", "Aussaguel"}});
}

QList<KeyValuePair> DefaultLesListIor() {
    return MakeList({{"301", "Southbury"}, {"302", "Burum"}, {"303", "Yamaguchi"}, {"304", "Eik"},
                     {"305", "Thermopylae"}, {"306", "Arvi"}, {"311", "Beijing"}, {"312", "Burum"},
                     {"317", "Nudol"}, {"321", "Aussaguel"}, {"328", "Sentosa"}, {"330", "Haiphong"},
                     {"335", "Fucino"}});
}

QList<KeyValuePair> GetDefaultLesList(int ocean) {
    switch (ocean) {
    case kOceanAorW: return DefaultLesListAorW();
    case kOceanAorE: return DefaultLesListAorE();
    case kOceanPor: return DefaultLesListPor();
    case kOceanIor: return DefaultLesListIor();
    default: return {};
    }
}

bool WriteLesFile(const Foundation& f, const QString& path, const QList<KeyValuePair>& list, FileError* error) {
    QString text;
    for (const KeyValuePair& entry : list) text += entry.Key + "|" + entry.Value + "\r\n";
    const FileError err = WriteFileAtomic(path, f.Os.Codec.Encode(text));
    if (error) *error = err;
    return !err;
}

QList<KeyValuePair> ReadLesFile(const Foundation& f, const QString& path, FileError* error) {
    QList<KeyValuePair> list{KeyValuePair{}};
    QByteArray bytes;
    const FileError err = ReadFileBytes(path, bytes);
    if (error) *error = err;
    if (err) return list;
    const QStringList lines = SplitFileLines(f.Os.Codec.Decode(bytes));
    if (!lines.isEmpty()) list.clear();
    for (const QString& line : lines) list.append({line.left(3), GetField(2, "|", line)});
    return list;
}

QList<KeyValuePair> ReadDefaultLesFile(Foundation& f, int ocean) {
    const QString routine = "ReadDefaultLesFile";
    if (ocean < 0 || ocean >= kOceanCount) {
        ShowFileErrorBox(f, routine, kErrSubscriptOutOfRange, "Subscript out of range");
        return {};
    }
    const QString path = FindFileNoCase(AddBackslash(f.gConfiguration.DataPath), LesFileName(ocean));
    FileError err;
    QList<KeyValuePair> list = ReadLesFile(f, path, &err);
    if (err) {
        ShowFileErrorBox(f, routine, err, path);
        return {};
    }
    return list;
}

QStringList GetLesNames(Foundation& f, const QStringList& ids, int ocean) {
    if (ids.isEmpty()) return {};
    const QList<KeyValuePair> list = ReadDefaultLesFile(f, ocean);
    QStringList names;
    for (const QString& id : ids) {
        QString name;
        for (const KeyValuePair& entry : list)
            if (entry.Key == id) {
                name = entry.Value;
                break;
            }
        names.append(name);
    }
    return names;
}

QString GetLesDisplayName(Foundation& f, const QString& lesId) {
    const qint64 n = LeadingNumber(lesId);
    if (n <= 0 || n > 32767) return lesId;
    const int ocean = GetOceanOfLes(int(n));
    if (ocean >= kOceanCount) return lesId;
    QString id = QString::number(n);
    FormatThreeDigits(id);
    const QString path = FindFileNoCase(AddBackslash(f.gConfiguration.DataPath), LesFileName(ocean));
    FileError err;
    for (const KeyValuePair& entry : ReadLesFile(f, path, &err))
        if (entry.Key == id) return id + ", " + entry.Value;
    return lesId;
}

bool LoadAvailableLESs(Foundation& f) {
    for (int ocean = 0; ocean < kOceanCount; ++ocean) {
        // An unreadable file gives no entry at all (its box shown); an empty one gives one empty entry.
        const QList<KeyValuePair> list = ReadDefaultLesFile(f, ocean);
        if (list.isEmpty()) return false;
        QStringList keys;
        for (const KeyValuePair& entry : list) keys.append(entry.Key);
        if (!f.gConfiguration.SetavailableLESs(OceanIndex(ocean), keys.join(','))) return false;
    }
    return true;
}

namespace {

const QString kLesMarker = QStringLiteral("LES id ") + QChar(2);

// An empty line: a line end (LF, CR LF or CR CR LF) followed at once by another.
const QRegularExpression& EmptyLine() {
    static const QRegularExpression re(QStringLiteral("\\r{0,2}\\n\\r{0,2}\\n"));
    return re;
}

}  // namespace

QStringList ListedLesIds(const QString& reply) {
    QStringList ids;
    qsizetype from = 0;
    for (;;) {
        const qsizetype marker = reply.indexOf(kLesMarker, from);
        if (marker < 0) break;
        const qsizetype start = marker + kLesMarker.size();
        from = start;
        // Blanks pad the id on the left; one inside it ("1 2") leaves no number.
        const QString field = TrimBlanks(QStringView(reply).mid(start, 3)).toString();
        if (!IsAllDigits(field)) continue;
        ids.append(field.rightJustified(3, '0'));
    }
    return ids;
}

QString ListedLesBlock(const QString& reply, int lesNumber) {
    const QString number = QString::number(lesNumber);
    const qsizetype marker = reply.indexOf(kLesMarker + number.rightJustified(3, ' '));
    if (marker < 0) return {};
    const QRegularExpressionMatch end = EmptyLine().match(reply, marker);
    if (!end.hasMatch()) return {};
    return reply.mid(marker, end.capturedStart() - marker);
}

void UpdateLESList(Foundation& f, const QString& reply) {
    const QStringList ids = ListedLesIds(reply);
    if (ids.isEmpty()) return;
    const QChar first = ids.front().front();
    if (first < '0' || first > '3') return;
    f.gConfiguration.SetavailableLESs(OceanIndex(first.unicode() - '0'), ids.join(','));
}

}  // namespace tidepost
