#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "foundation/Definitions.h"
#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// The built-in LES lists, a fresh copy on every call (Key = three-digit id, Value = station name).
QList<KeyValuePair> DefaultLesListAorW();
QList<KeyValuePair> DefaultLesListAorE();
QList<KeyValuePair> DefaultLesListPor();
QList<KeyValuePair> DefaultLesListIor();
// The built-in list of an ocean 0..3; empty for any other value.
QList<KeyValuePair> GetDefaultLesList(int ocean);

// Replaces the file at `path` by one line "Key|Value" CR LF per element, atomically.
// False on any failure, without a message; the failure goes to `error` when given.
bool WriteLesFile(const Foundation& f, const QString& path, const QList<KeyValuePair>& list,
                  FileError* error = nullptr);

// Reads a LES list file: per line Key = its first three characters, Value = its second
// "|"-separated field ("" without "|"). An empty file gives one element with empty strings.
// On failure sets `error` and returns what was read so far.
QList<KeyValuePair> ReadLesFile(const Foundation& f, const QString& path, FileError* error = nullptr);

// The LES list file of the ocean from the data folder. Any failure (an ocean above 3, a missing
// file) shows the file error box and gives an empty list.
QList<KeyValuePair> ReadDefaultLesFile(Foundation& f, int ocean);

// The station name of each id (compared exactly with the three-digit keys) in the LES list file of
// the ocean, "" for an id the file does not hold; the file is read once (ReadDefaultLesFile).
QStringList GetLesNames(Foundation& f, const QStringList& ids, int ocean);
// For a stored LES id whose number is above 0 and whose station is in its ocean's LES list file:
// the three-digit id, ", " and the name. Otherwise the text as given, without a message.
QString GetLesDisplayName(Foundation& f, const QString& lesId);

// At start-up each ocean's available LESs are the ids of its LES list file, in file order, joined
// by ",". False when a file cannot be read (its error box shown); that ocean and the later ones
// are then left as they were.
bool LoadAvailableLESs(Foundation& f);

// The LES listing of the transceiver ("st -n", "status -n"): each station's lines begin with
// "LES id ", STX and its id right-aligned in three characters, and end at the next empty line,
// whichever of LF, CR LF or CR CR LF ends the lines.
// The ids of the listing in reply order, three digits each; an id field that is not a number is
// skipped, duplicates stay.
QStringList ListedLesIds(const QString& reply);
// The station's lines, from its marker up to the empty line that ends them, as received; a null
// string when the station is not listed or its lines have no ending empty line.
QString ListedLesBlock(const QString& reply, int lesNumber);
// The listed ids replace the available LESs of the ocean of the first one; a reply without ids,
// or whose first id is of no ocean, changes nothing.
void UpdateLESList(Foundation& f, const QString& reply);

}  // namespace tidepost
