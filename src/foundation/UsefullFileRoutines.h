#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// Whether path names an existing file (not a folder). The file name is matched ignoring case, and a
// "\" in path is a separator. A missing file or folder gives false quietly; any other failure (a name
// too long, a link loop, no access to a folder, a NUL in the path) shows an error box at once and
// gives false.
bool CheckFileExists(Foundation& f, const QString& path);

// The whole file decoded through the ANSI code page (f.Os.Codec), one character per byte; "" when
// CheckFileExists is not true. A read failure queues an error box and gives "".
QString GetFileContent(Foundation& f, const QString& path);

}  // namespace tidepost
