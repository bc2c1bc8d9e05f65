#include "foundation/LesLists.h"

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

bool WriteLesFile(const Foundation& f, const QString& path, const QList<KeyValuePair>& list) {
    QString text;
    for (const KeyValuePair& entry : list) text += entry.Key + "|" + entry.Value + "\r\n";
    return !WriteFileAtomic(path, f.Os.Codec.Encode(text));
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

}  // namespace tidepost
