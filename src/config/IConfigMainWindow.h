#pragma once

namespace tidepost {

// What the configuration dialogs change in the main window: whether the editor shows its Cc and
// Bcc rows, laying the window out again for its current view, and its hot list. The application implements it
// over the main window.
class IConfigMainWindow {
public:
    virtual ~IConfigMainWindow() = default;
    virtual void CcFieldVisible(bool value) = 0;
    virtual void BCcFieldVisible(bool value) = 0;
    virtual void MainFormSetUp() = 0;
    // Empties the hot list of frequently used commands and stores it at once.
    virtual void ResetHotList() = 0;
};

}  // namespace tidepost
