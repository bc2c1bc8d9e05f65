#pragma once
#include <QByteArray>
#include <QString>

namespace tidepost {

struct Foundation;

// The path with its file name matched ignoring case inside its folder (a "\" counts as "/"): an
// existing file of another letter case is used, otherwise the name as written.
QString ResolvePath(const QString& path);

// Whether path names an existing file (not a folder). The file name is matched ignoring case, and a
// "\" in path is a separator. A missing file or folder gives false quietly; any other failure (a name
// too long, a link loop, no access to a folder, a NUL in the path) shows an error box at once and
// gives false.
bool CheckFileExists(Foundation& f, const QString& path);

// The whole file decoded through the ANSI code page (f.Os.Codec), one character per byte; "" when
// CheckFileExists is not true. A read failure queues an error box and gives "".
QString GetFileContent(Foundation& f, const QString& path);
// The same file's bytes as they are, for text that must reach the transceiver unchanged.
QByteArray GetFileBytes(Foundation& f, const QString& path);

}  // namespace tidepost
