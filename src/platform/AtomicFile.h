#pragma once
#include <QByteArray>
#include <QString>

#include "platform/FileError.h"

namespace tidepost {

// Replaces the whole file at `path` with `content` without a moment in which the file is missing
// or half written: the content goes beside it first (into `stagingPath` when the format names a
// backup file, else a temporary file), is flushed to disk, and is then renamed over the original.
FileError WriteFileAtomic(const QString& path, const QByteArray& content, const QString& stagingPath = {});

// Creates the file at `path` holding `content`, and never replaces a file: the content is written
// beside it (NewFileStagingPath) and flushed, then takes the name only while the name is free.
// Error 58 "File already exists" when it is taken. On any failure no file of either name is left.
FileError WriteNewFile(const QString& path, const QByteArray& content);
QString NewFileStagingPath(const QString& path);

// Gives the file at `from` the name `to` unless a file of that name exists (error 58 then, and
// nothing changes).
FileError RenameNoReplace(const QString& from, const QString& to);

// The whole file at `path`; on failure the classic error, and `bytes` holds nothing.
FileError ReadFileBytes(const QString& path, QByteArray& bytes);

// Appends bytes to a file, creating it when missing. An append that fails part way (a disk that
// fills) is cut back off, so the file keeps its old length and no fragment stays behind.
FileError AppendToFile(const QString& path, const QByteArray& content);

// Appends `line` and `lineEnd` as AppendToFile does. When the file's last line has no line end
// (a line torn by a crash or an older full disk), it is ended with `lineEnd` first, so the new
// line never runs on from the fragment.
FileError AppendLineToFile(const QString& path, const QByteArray& line, const QByteArray& lineEnd);

}  // namespace tidepost
