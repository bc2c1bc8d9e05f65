#include <QPointer>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/WindowPlacement.h"
#include "foundation/cShowModal.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/SimInfoForm.h"
#include "mainwindow/MainForm.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

void MainForm::TerminalModeMenu_Click() {
    Foundation& f = m_foundation;
    if (!GetAppSetting(f, f.gProductName, "Config", "Config Password", "").isEmpty()) {
        // The shell can change every setting of the transceiver: never open it past a password
        // that cannot be checked.
        MessageBoxRequest request;
        request.text = "Terminal Mode is protected by the configuration password, which cannot be checked in this "
                       "version. Terminal Mode stays closed.";
        request.title = "Terminal Mode";
        request.icon = MsgIcon::Information;
        if (f.Os.Boxes) f.Os.Boxes->Show(request, this);
        return;
    }
    if (m_link.Dialogue.TerminalModeRequested) {
        if (m_terminalMode.isLoaded() && m_terminalMode.loaded()->isVisible()) {
            m_terminalMode.loaded()->raise();
            m_terminalMode.loaded()->activateWindow();
        }
        return;
    }
    ShowWaitForm();
    m_terminalMode.get();
    EnterTerminalMode(m_link);
    if (HotList.Add) HotList.Add(2010, 0);
}

void MainForm::mnuGetInfo560_Click() {
    QPointer<SimInfoForm> form = new SimInfoForm(m_link, this);
    form->adjustSize();
    CentreOverMainWindow(*form, this);
    cShowModal().ShowModal(form, this);
    delete form.data();
}

}  // namespace tidepost
