#pragma once
#include "editor/DefaultMessageKeys.h"
#include "editor/MessageViewer.h"

namespace tidepost {

struct Foundation;
struct Link;
class MainForm;

// The message viewer and the default-message keys, with what they reach in the main window.
struct EditorWindows {
    explicit EditorWindows(Foundation& f) : Viewer(f), Keys(f) {}
    MessageViewer Viewer;
    DefaultMessageKeys Keys;
};

// Hands the main window's key map and menu items (found by name: "mnuF(0)" … "mnuF(7)",
// "mnuFunctionKeySetup") to the default-message keys, and the editor's controls (found by name)
// to the viewer and the dialog, with the editor's text size and printing. Whatever is not there
// yet is left out.
void ConnectEditorWindows(MainForm& form, Link& link, EditorWindows& windows);

}  // namespace tidepost
