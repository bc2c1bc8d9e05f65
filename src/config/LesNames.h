#pragma once
#include <QString>
#include <QStringList>

#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// An item of the LES lists: the three-digit id, ", " and the station's name.
QString LesItemText(const QString& id, const QString& name);
// The id of an item: the text before its first ",", trimmed.
QString LesItemId(const QString& item);
// The name of an item: all after its first ",", trimmed; a name may hold commas itself.
QString LesItemName(const QString& item);

// The path of the ocean's LES list file in the data folder.
QString LesFilePath(Foundation& f, int ocean);

// Stores the names of the listed stations in the ocean's LES file. The list shows only the
// stations available now, so every other entry of the file stays as it is, in file order: a
// listed id the file holds gets the listed name, one it lacks is added at the end. An empty list
// writes nothing. The failure of reading or writing the file is returned; nothing is written
// when the file cannot be read.
FileError SaveLesNames(Foundation& f, int ocean, const QStringList& items);
// Replaces the ocean's LES file by its built-in list.
FileError WriteDefaultLesNames(Foundation& f, int ocean);

}  // namespace tidepost
