#pragma once
#include <QByteArray>
#include <QString>

#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// The first free name "yymmdd" + counter + "." + ext in `folder` (with or without a final
// separator), the counter written 01..09, 10, 11 ... 99, 100 ...; the date is today's local date.
// Outbox names ("out") stay twelve characters long: after 99 come "A0" to "Z9" (100 to 359).
// A file of the same name in another letter case counts as taken. Creates nothing; "" when every
// counter of the day is taken (32,767; 359 for the outbox).
QString GetNewMessageFileName(Foundation& f, const QString& folder, const QString& ext);

// How many of today's names GetNewMessageFileName could still give in `folder`, counting no
// further than `atMost`: a caller that needs that many names checks before it takes the first.
int FreeMessageFileNames(Foundation& f, const QString& folder, const QString& ext, int atMost);

// Appends `line` and CR LF (ANSI text) to the file at `path`, creating the file when missing; an
// existing file of another letter case is the one appended to. A last line left without its line
// end is ended first, and a failed append leaves the file as it was. False on any failure.
bool AppendIndexLine(Foundation& f, const QString& path, const QString& line);
// The same, giving the failure's error (number 0 on success).
FileError AppendToIndex(Foundation& f, const QString& path, const QString& line);

// The bytes of the index file at `path` (an existing file of another letter case is the one
// read), first creating it empty where there is none: the folder views and the pages of the
// stores read their indexes through it, so a missing index is created once, under one name.
FileError ReadOrCreateIndex(Foundation& f, const QString& path, QByteArray& bytes);

}  // namespace tidepost
