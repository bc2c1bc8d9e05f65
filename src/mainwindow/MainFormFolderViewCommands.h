#pragma once

class QWidget;

namespace tidepost {

class MainForm;
struct EditorWindows;

// Puts a view's widget where the layout placed a stand-in of the same object name, or at the end
// of the work area.
void PlaceViewWidget(QWidget* area, QWidget* widget);

// The viewer's Next and Previous reach the folder views, and the folder views open messages in it.
void ConnectViewerToFolderViews(MainForm& form, EditorWindows& windows);

}  // namespace tidepost
