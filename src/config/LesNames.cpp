#include "config/LesNames.h"

#include "config/FileFieldValidator.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/LesLists.h"
#include "foundation/UsefullRoutines.h"
#include "platform/FileLookup.h"

namespace tidepost {

QString LesItemText(const QString& id, const QString& name) { return id + ", " + name; }

QString LesItemId(const QString& item) { return TrimBlanks(QStringView(item).left(item.indexOf(','))).toString(); }

QString LesItemName(const QString& item) {
    const qsizetype comma = item.indexOf(',');
    return comma < 0 ? QString() : TrimBlanks(QStringView(item).mid(comma + 1)).toString();
}

QString LesFilePath(Foundation& f, int ocean) {
    return FindFileNoCase(AddBackslash(f.gConfiguration.DataPath), LesFileName(ocean));
}

FileError SaveLesNames(Foundation& f, int ocean, const QStringList& items) {
    if (items.isEmpty()) return {};
    const QString path = LesFilePath(f, ocean);
    FileError err;
    QList<KeyValuePair> entries = ReadLesFile(f, path, &err);
    if (err.number == kErrFileNotFound) entries.clear();
    else if (err) return err;
    // An empty file reads as one empty entry, which is no station.
    entries.removeIf([](const KeyValuePair& e) { return e.Key.isEmpty() && e.Value.isEmpty(); });
    for (const QString& item : items) {
        const KeyValuePair listed{LesItemId(item), LesItemName(item)};
        // Only what a line of the file can hold is stored; anything else keeps the file's entry.
        if (!IsFileFieldText(listed.Key) || !IsFileFieldText(listed.Value) || listed.Key.isEmpty()) continue;
        auto known = std::find_if(entries.begin(), entries.end(), [&](const KeyValuePair& e) { return e.Key == listed.Key; });
        if (known != entries.end()) known->Value = listed.Value;
        else entries.append(listed);
    }
    if (!WriteLesFile(f, path, entries, &err)) return err;
    return {};
}

FileError WriteDefaultLesNames(Foundation& f, int ocean) {
    FileError err;
    if (!WriteLesFile(f, LesFilePath(f, ocean), GetDefaultLesList(ocean), &err)) return err;
    return {};
}

}  // namespace tidepost
