#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Foundation;

// Lets the operator pick an existing folder, starting in startFolder. The chosen folder's path
// without a trailing "/" (only the root keeps its "/"), or "" when cancelled or when no folder
// dialog can be shown.
QString BrowseForFolder(Foundation& f, QWidget* owner, const QString& title, const QString& startFolder);

}  // namespace tidepost
