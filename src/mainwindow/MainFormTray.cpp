#include "foundation/Foundation.h"
#include "mainwindow/MainForm.h"
#include "platform/ITrayIcon.h"

namespace tidepost {

void MainForm::TrayIcon_Click() {
    Foundation& f = m_foundation;
    if (!f.Windows.TrayIconShown) return;
    if (InboxButton_Click) InboxButton_Click();
    if (isMinimized())
        showMaximized();
    else
        show();
    raise();
    activateWindow();
    if (f.Os.Tray) f.Os.Tray->RemoveIcon();
    f.Windows.TrayIconShown = false;
}

}  // namespace tidepost
