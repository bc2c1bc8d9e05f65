#pragma once
#include <QList>
#include <QString>
#include <cstdint>

#include "foundation/Definitions.h"
#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// The whole settings file in memory, in file order: Key is the key line with its brackets,
// Value its value. Loaded once (by the start-up, else by the first access) and written back whole.
struct IniEntryList {
    QList<KeyValuePair> Items;
    bool Loaded = false;
    // A load has been tried: reads answer from memory from then on, even when it failed, so that
    // an unreadable file is not read (and reported) again on every timer tick.
    bool LoadTried = false;
    // A failure of the settings file has been reported; it is reported once per run.
    bool ErrorReported = false;
};

// The settings file: the data folder, the product name, ".ini" (an existing file whose name
// differs only in case is used).
QString GetIniFilePath(const Foundation& f);

// Loads the settings file into gIniEntries, replacing what was there; writes the default file
// first when it is missing. A failure shows the file error box (queued inside a timer tick), only
// the first settings-file failure of the run; what was read before stays loaded.
void ReadIniFile(Foundation& f);
// Replaces the settings file by gIniEntries; nothing when the list was never loaded. False when the
// file was not written: never loaded, or the write failed (which queues its file error box).
bool WriteIniFile(Foundation& f);
// The same, with the failure given to the caller to tell (no box is queued); a list never loaded
// is a path/file access error.
FileError WriteIniFileChecked(Foundation& f);
// The value of the first entry whose key equals `key` exactly; "" when there is none or the file
// could not be loaded. Loads the file when no load has been tried yet.
QString GetIniValue(Foundation& f, const QString& key);
// Sets the first entry with that key or appends one; with `save` the file is written at once.
// Stores nothing while the file could not be loaded. Returns 1 in every case.
std::uint8_t SetIniValue(Foundation& f, const QString& key, const QString& value, bool save);
// Writes the default settings file, replacing any file of that name; a failure is reported as
// ReadIniFile's are.
void CreateIniFile104(Foundation& f);

// The text of the default settings file for a data folder.
QString DefaultIniFileText(const QString& dataPath);
// The file text of a list of entries (what WriteIniFile writes). Every value reads back as its
// own: a one-line value has its line breaks turned into blanks; the signature's lines end with
// CR LF, and a line of it that the reader would take for the block's end ("[End Of Signature]",
// blanks around it allowed) is written with round brackets instead of square ones.
QString IniFileText(const QList<KeyValuePair>& entries);
// The entries of a settings file's text; `complete` tells whether the text ended properly
// (a signature block without its end line runs into the end of the text).
QList<KeyValuePair> ParseIniFileText(const QString& text, bool* complete = nullptr);

}  // namespace tidepost
