#pragma once
#include <QtGlobal>

namespace tidepost {

// What the configuration dialogs change in the main window: whether the editor shows its Cc and
// Bcc rows, laying the window out again for its current view, its hot list, the guarded commands'
// actions and the vessel-name command. The application implements it
// over the main window.
class IConfigMainWindow {
public:
    virtual ~IConfigMainWindow() = default;
    virtual void CcFieldVisible(bool value) = 0;
    virtual void BCcFieldVisible(bool value) = 0;
    virtual void MainFormSetUp() = 0;
    // Empties the hot list of frequently used commands and stores it at once.
    virtual void ResetHotList() = 0;
    // The action of a guarded configuration command, once its password has been typed right.
    virtual void RunConfigPasswordAction(qint32 code) { (void)code; }
    // The insert-vessel-name command follows the stored vessel name.
    virtual void UpdateMnuInsertVesselName() {}
};

}  // namespace tidepost
