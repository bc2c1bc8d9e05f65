#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// The data folder: the whole content of "DataPath.txt" in the program folder (nothing trimmed;
// a "\" counts as a separator) when that file exists and the folder exists or can be created
// one level deep; otherwise the program's own data folder. That is the program folder while it
// can be written, else (an installed program) the user's data folder "$XDG_DATA_HOME/Tidepost",
// created when missing.
QString GetDataPath(Foundation& f);

// Whether a folder exists at path. A failure of the test itself (other than "not there") shows
// the file error box and gives false.
bool CheckDirExists(Foundation& f, const QString& path);

// The start-up check of the data folder: creates every file and folder the program expects when
// it is missing, moves an unusable working folder back under the data folder (saving its key at
// once, with a notice for the address-book, EGC, inbox and sent-items folders), then lets the
// default messages catch up. Run once, after the settings file and the working-folder globals
// have been read.
void CheckDataFiles(Foundation& f);

}  // namespace tidepost
