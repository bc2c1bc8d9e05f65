#pragma once
#include <QString>

class QWidget;

namespace tidepost {

// What the save dialog offers.
struct SaveFileRequest {
    QString Title;
    QString Folder;           // where the dialog starts
    QString FileName;         // the name it proposes
    QString DefaultSuffix;    // added to a name typed without one
    QString Filter;           // e.g. "All Files, (*.*) (*)"
};

// The system's file dialogs. They ask before replacing an existing file.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen path with "/" separators; "" when cancelled.
    virtual QString GetSaveFileName(QWidget* owner, const SaveFileRequest& request) = 0;
    // A folder chosen among the existing ones (folders only shown), starting in startFolder; its
    // path with "/" separators, or "" when cancelled.
    virtual QString GetExistingDirectory(QWidget* owner, const QString& title, const QString& startFolder) = 0;
};

}  // namespace tidepost
