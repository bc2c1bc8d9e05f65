#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "mainwindow/MainForm.h"

namespace tidepost {

void MainForm::ConfigPasswordGuard(qint32 code, const std::function<void()>& action) {
    Foundation& f = m_foundation;
    if (GetAppSetting(f, f.gProductName, "Config", "Config Password", "").isEmpty()) {
        if (action) action();
        return;
    }
    // A stored password is never passed: without its dialog the command stays closed.
    auto& dialog = Dialogs.VerifyConfigPasswordForm;
    if (!dialog.Show) return;
    if (dialog.SetConfigPasswordPurpose) dialog.SetConfigPasswordPurpose(code);
    if (dialog.ClearPassword) dialog.ClearPassword();
    dialog.Show();
}

void MainForm::RunConfigPasswordAction(qint32 code) {
    std::function<void()> action;
    switch (code) {
    case 0: action = Dialogs.OpenEGCSetup; break;
    case 1: action = Dialogs.OpenRoutingSetup; break;
    case 2: action = Dialogs.OpenDnidList; break;
    case 3: action = [this] { OpenTerminalMode(false); }; break;
    case 4: action = Dialogs.OpenEMailServices; break;
    case 5: action = Dialogs.ShowMobileNoChangeForm; break;
    case 7: action = Dialogs.OpenPUReporting; break;
    case 13: action = Dialogs.OpenEnidList; break;
    default: break;
    }
    if (action) action();
}

}  // namespace tidepost
