#include <algorithm>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/LanDiscovery.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

CommSettingsForm* MainForm::MakeCommSettingsForm() {
    auto* form = new CommSettingsForm(m_link, this);
    form->adjustSize();
    CentreOverMainWindow(*form, this);
    // Never off the top or the left of the screen, where its title bar could not be reached.
    form->move(std::max(0, form->x()), std::max(0, form->y()));
    return form;
}

void MainForm::CommSettings_Click() {
    Foundation& f = m_foundation;
    // The dialog shows "<Getting IP addresses...>" until the search has ended.
    if (GetIniValue(f, "[HOST Interface]") == QLatin1String("LAN") && f.gConfiguration.SlpTcuAddressCount() == 0)
        FindTcuAddresses(m_link);
    CommSettingsForm& form = m_commSettings.get();
    form.show();
    // The LAN link's steps and the search's answers wait on Winsock_timer while the dialog is open.
    Wake(m_winsockTimer);
    form.raise();
    form.activateWindow();
    if (HotList.Add) HotList.Add(2046, 0);
}

}  // namespace tidepost
