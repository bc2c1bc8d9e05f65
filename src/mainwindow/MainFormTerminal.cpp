#include <QPointer>

#include "foundation/Foundation.h"
#include "foundation/WindowPlacement.h"
#include "foundation/cShowModal.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/SimInfoForm.h"
#include "mainwindow/MainForm.h"

namespace tidepost {

void MainForm::OpenTerminalMode(bool showWaitForm) {
    if (showWaitForm) ShowWaitForm();
    m_terminalMode.get();
    EnterTerminalMode(m_link);
}

void MainForm::TerminalModeMenu_Click() {
    if (m_link.Dialogue.TerminalModeRequested) {
        if (m_terminalMode.isLoaded() && m_terminalMode.loaded()->isVisible()) {
            m_terminalMode.loaded()->raise();
            m_terminalMode.loaded()->activateWindow();
        }
        return;
    }
    // After a password the terminal mode opens without the wait window.
    ConfigPasswordGuard(3, [this] { OpenTerminalMode(true); });
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
