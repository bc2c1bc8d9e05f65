#pragma once
#include <QList>
#include <QString>

namespace tidepost {

class AnsiCodec;

// One electronic form as the Forms menu lists it.
struct FormsMenuEntry {
    QString Caption;   // ready for a menu item: "&" doubled
    QString FileName;  // the file's name in the forms folder
};

// The forms of a folder in name order: files whose name ends in ".htm" exactly and which are not
// empty, each under the title of its first 64 KiB (control characters out, blanks trimmed) or,
// without one, its name without ".htm". At most `most` forms; `more` tells whether another one
// was found beyond them.
QList<FormsMenuEntry> ScanFormsFolder(const AnsiCodec& codec, const QString& folder, int most, bool& more);

// A form's title as a menu caption.
QString FormsMenuCaption(const QString& title);

}  // namespace tidepost
