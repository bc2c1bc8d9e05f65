#include "mainwindow/ActionsMenuCommands.h"

#include <QAction>

#include "foundation/DebugLog.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/IDistressModeWindow.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"

namespace tidepost {

namespace {
constexpr int kLogin = 2048;
constexpr int kSetPreferredOcean = 2056;
}  // namespace

const QList<ActionsCommand>& ActionsCommandTable() {
    using G = ActionsGuard;
    // The login commands name the ocean's coordination station: ocean index times 100 plus 44.
    static const QList<ActionsCommand> table = {
        {"LoginEastMenu", "li 144", true, true, G::Connected, 2049, kLogin, {}},
        {"LoginPacificMenu", "li 244", true, true, G::Connected, 2050, kLogin, {}},
        {"LoginIndianMenu", "li 344", true, true, G::Connected, 2051, kLogin, {}},
        {"LoginWestMenu", "li 44", true, true, G::Connected, 2052, kLogin, {}},
        {"LogoutMenu", "lo", true, true, G::Connected, 2053, 0, {}},
        {"PreferredEastMenu", "se -o e", false, true, G::Connected, 2049, kSetPreferredOcean, "East"},
        {"PreferredPacificMenu", "se -o p", false, true, G::Connected, 2050, kSetPreferredOcean, "Pacific"},
        {"PreferredIndianMenu", "se -o i", false, true, G::Connected, 2051, kSetPreferredOcean, "Indian"},
        {"PreferredWestMenu", "se -o w", false, true, G::Connected, 2052, kSetPreferredOcean, "West"},
        {"PreferredNoneMenu", "se -o n", false, true, G::Connected, 2057, kSetPreferredOcean, "None"},
        {"mnuAbortTransmission", "cl", false, true, G::None, 0, 0, {}},
        {"TransceiverStatusMenu", "st -w", true, true, G::ConnectedElseWindow, 2007, 0, {}},
        {"GPSStatusMenu", "ru -g", true, false, G::ConnectedElseWindow, 2008, 0, {}},
        {"PositionInfoMenu", "se -p", false, false, G::None, 2009, 0, {}},
        {"mnuLatestDistress", "st -a", true, false, G::None, 2023, 0, {}},
        {"mobileNoMenu", {}, false, false, G::ConfigPassword, 2035, 0, {}},
    };
    return table;
}

const ActionsCommand& ActionsCommandRow(const QString& item) {
    static const ActionsCommand none;
    for (const ActionsCommand& row : ActionsCommandTable())
        if (row.Item == item) return row;
    return none;
}

bool MainForm::RunActionsCommand(const QString& item) {
    const ActionsCommand& row = ActionsCommandRow(item);
    const bool connected = m_foundation.gSession.MesConnected();
    if ((row.Guard == ActionsGuard::Connected || row.Guard == ActionsGuard::ConnectedElseWindow) && !connected)
        return false;
    // A refused line (a waiting copy, or the exit waiting for a download) changes nothing else:
    // the other steps run as if it had been queued.
    if (!row.Text.isEmpty()) QueueCommand(m_link, row.Text, row.AllowDuplicate, row.AtFront);
    return true;
}

void MainForm::CountActionsCommand(const QString& item) {
    const ActionsCommand& row = ActionsCommandRow(item);
    if (row.HotListId != 0 && HotList.Add) HotList.Add(row.HotListId, row.ParentId);
}

void MainForm::LoginEastMenu_Click() {
    RunActionsCommand("LoginEastMenu");
    CountActionsCommand("LoginEastMenu");
}

void MainForm::LoginPacificMenu_Click() {
    RunActionsCommand("LoginPacificMenu");
    CountActionsCommand("LoginPacificMenu");
}

void MainForm::LoginIndianMenu_Click() {
    RunActionsCommand("LoginIndianMenu");
    CountActionsCommand("LoginIndianMenu");
}

void MainForm::LoginWestMenu_Click() {
    RunActionsCommand("LoginWestMenu");
    CountActionsCommand("LoginWestMenu");
}

void MainForm::LogoutMenu_Click() {
    RunActionsCommand("LogoutMenu");
    CountActionsCommand("LogoutMenu");
}

void MainForm::CheckPreferredOceanMenu(bool checked) {
    for (const char* name :
         {"PreferredNoneMenu", "PreferredEastMenu", "PreferredPacificMenu", "PreferredIndianMenu", "PreferredWestMenu"})
        if (QAction* item = MenuItem(name)) item->setChecked(checked);
}

void MainForm::SetPreferredOcean(const QString& item) {
    if (RunActionsCommand(item)) {
        CheckPreferredOceanMenu(false);
        if (QAction* own = MenuItem(item)) own->setChecked(true);
        SetIniValue(m_foundation, "[Preferred Ocean]", ActionsCommandRow(item).PreferredOcean, true);
    }
    CountActionsCommand(item);
}

void MainForm::PreferredEastMenu_Click() { SetPreferredOcean("PreferredEastMenu"); }
void MainForm::PreferredPacificMenu_Click() { SetPreferredOcean("PreferredPacificMenu"); }
void MainForm::PreferredIndianMenu_Click() { SetPreferredOcean("PreferredIndianMenu"); }
void MainForm::PreferredWestMenu_Click() { SetPreferredOcean("PreferredWestMenu"); }
void MainForm::PreferredNoneMenu_Click() { SetPreferredOcean("PreferredNoneMenu"); }

void MainForm::mnuAbortTransmission_Click() { RunActionsCommand("mnuAbortTransmission"); }

void MainForm::TransceiverStatusMenu_Click() {
    auto& window = m_link.Windows.TransceiverStatusForm;
    if (m_foundation.gSession.MesConnected()) {
        m_link.Requests.TransceiverStatusRequested = true;
        ShowWaitForm();
        RunActionsCommand("TransceiverStatusMenu");
        if (window.SetStatusOutput) window.SetStatusOutput(QString());
    } else if (window.Show) {
        window.Show();
    }
    CountActionsCommand("TransceiverStatusMenu");
}

void MainForm::GPSStatusMenu_Click() {
    if (m_foundation.gSession.MesConnected()) {
        ShowWaitForm();
        RunActionsCommand("GPSStatusMenu");
        m_link.Requests.GpsStatusRequested = true;
    } else if (m_link.Windows.GPSStatusForm.Show) {
        m_link.Windows.GPSStatusForm.Show();
    }
    CountActionsCommand("GPSStatusMenu");
}

void MainForm::PositionInfoMenu_Click() {
    m_link.Requests.PositionFormRequested = true;
    ShowWaitForm();
    RunActionsCommand("PositionInfoMenu");
    CountActionsCommand("PositionInfoMenu");
}

void MainForm::mnuLatestDistress_Click() {
    m_link.Requests.LatestDistressRequested = true;
    RunActionsCommand("mnuLatestDistress");
    ShowWaitForm();
    CountActionsCommand("mnuLatestDistress");
}

void MainForm::DistressTestModeMenu_Click() {
    constexpr int kStartRequested = 0;
    if (m_foundation.gSession.MesConnected()) {
        if (IDistressModeWindow* test = m_link.Windows.DistressModeForm) test->HandleEvent(kStartRequested);
        ShowDistressButtonsTestWindow();
    }
    if (HotList.Add) HotList.Add(2024, 0);
}

void MainForm::mobileNoMenu_Click() {
    ConfigPasswordGuard(5, Dialogs.ShowMobileNoChangeForm);
    CountActionsCommand("mobileNoMenu");
}

void MainForm::mnuLogPCComm_Click() {
    const bool logging = !IsLogPCCommChecked();
    SetLogPCCommChecked(logging);
    SetIniValue(m_foundation, "[Logging]", logging ? "Yes" : "No", true);
}

void MainForm::mnuLogWindow_Click() {
    DebugLog& window = m_foundation.Windows.DebugLog.get();
    window.show();
    window.raise();
}

}  // namespace tidepost
