#include <QAction>

#include "link/Link.h"
#include "mainwindow/MainForm.h"

namespace tidepost {

namespace {

using Handler = void (MainForm::*)();

struct MenuCommand {
    const char* Item;
    Handler Run;
};

// The menu items and their handlers. Items the menu tree does not hold are skipped.
const MenuCommand kMenuCommands[] = {
    {"LoginEastMenu", &MainForm::LoginEastMenu_Click},
    {"LoginPacificMenu", &MainForm::LoginPacificMenu_Click},
    {"LoginIndianMenu", &MainForm::LoginIndianMenu_Click},
    {"LoginWestMenu", &MainForm::LoginWestMenu_Click},
    {"LogoutMenu", &MainForm::LogoutMenu_Click},
    {"PreferredEastMenu", &MainForm::PreferredEastMenu_Click},
    {"PreferredPacificMenu", &MainForm::PreferredPacificMenu_Click},
    {"PreferredIndianMenu", &MainForm::PreferredIndianMenu_Click},
    {"PreferredWestMenu", &MainForm::PreferredWestMenu_Click},
    {"PreferredNoneMenu", &MainForm::PreferredNoneMenu_Click},
    {"mnuAbortTransmission", &MainForm::mnuAbortTransmission_Click},
    {"TransceiverStatusMenu", &MainForm::TransceiverStatusMenu_Click},
    {"GPSStatusMenu", &MainForm::GPSStatusMenu_Click},
    {"PositionInfoMenu", &MainForm::PositionInfoMenu_Click},
    {"mnuLatestDistress", &MainForm::mnuLatestDistress_Click},
    {"DistressTestModeMenu", &MainForm::DistressTestModeMenu_Click},
    {"DistressGeneratorMenu", &MainForm::DistressGeneratorMenu_Click},
    {"LMAlertSetting", &MainForm::LMAlertSetting_Click},
    {"mobileNoMenu", &MainForm::mobileNoMenu_Click},
    {"mnuLogPCComm", &MainForm::mnuLogPCComm_Click},
    {"mnuLogWindow", &MainForm::mnuLogWindow_Click},
    {"ConfigEGCMenu", &MainForm::ConfigEGCMenu_Click},
    {"ConfigPasswordMenu", &MainForm::ConfigPasswordMenu_Click},
    {"DefineSignature", &MainForm::DefineSignature_Click},
    {"DNID", &MainForm::DNID_Click},
    {"DNIDMenu", &MainForm::DNIDMenu_Click},
    {"ENIDMenu", &MainForm::ENIDMenu_Click},
    {"EMailServicesMenu", &MainForm::EMailServicesMenu_Click},
    {"LESMenu", &MainForm::LESMenu_Click},
    {"mnuRemoteConfigPassword", &MainForm::mnuRemoteConfigPassword_Click},
    {"mnuSendCommand", &MainForm::mnuSendCommand_Click},
    {"mnuSettings", &MainForm::mnuSettings_Click},
    {"mnuTestSound", &MainForm::mnuTestSound_Click},
    {"mnuVesselData", &MainForm::mnuVesselData_Click},
    {"RoutingMenu", &MainForm::RoutingMenu_Click},
    {"SetDefaultISPMenu", &MainForm::SetDefaultISPMenu_Click},
    {"SetDefaultLESMenu", &MainForm::SetDefaultLESMenu_Click},
    {"SetPcTimeMenu", &MainForm::SetPcTimeMenu_Click},
    {"SystemInfoMenu", &MainForm::SystemInfoMenu_Click},
    {"TransmitPasswordMenu", &MainForm::TransmitPasswordMenu_Click},
    {"OnMenu", &MainForm::OnMenu_Click},
    {"OffMenu", &MainForm::OffMenu_Click},
    {"mnuEnableMenus", &MainForm::mnuEnableMenus_Click},
    {"mnuChangeTo560L", &MainForm::mnuChangeTo560L_Click},
    {"mnuChangeTo560M", &MainForm::mnuChangeTo560M_Click},
    {"mnuChangeTo560D", &MainForm::mnuChangeTo560D_Click},
    {"mnuChangeTo560SSA", &MainForm::mnuChangeTo560SSA_Click},
    {"mnuSimDistressGenerator", &MainForm::mnuSimDistressGenerator_Click},
    {"mnuRxEGCRoutine", &MainForm::mnuRxEGCRoutine_Click},
    {"mnuRxEGCSafety", &MainForm::mnuRxEGCSafety_Click},
    {"mnuRxEGCUrgency", &MainForm::mnuRxEGCUrgency_Click},
    {"mnuRxEGCDistress", &MainForm::mnuRxEGCDistress_Click},
    {"mnuSimEgcRxError", &MainForm::mnuSimEgcRxError_Click},
    {"mnuRepairEgcLog", &MainForm::mnuRepairEgcLog_Click},
    {"mnuSim_st_e", &MainForm::mnuSim_st_e_Click},
    {"mnuSimEnids", &MainForm::mnuSimEnids_Click},
    {"mnuSimInMsg560", &MainForm::mnuSimInMsg560_Click},
    {"mnuSimInDistMsg560", &MainForm::mnuSimInDistMsg560_Click},
    {"mnuSimMsgRxError", &MainForm::mnuSimMsgRxError_Click},
    {"mnuTestRxError", &MainForm::mnuTestRxError_Click},
    {"mnuSimInfo21", &MainForm::mnuSimInfo21_Click},
    {"mnuSimInfo22", &MainForm::mnuSimInfo22_Click},
    {"mnuSimInfo105", &MainForm::mnuSimInfo105_Click},
    {"mnuSimInfo111", &MainForm::mnuSimInfo111_Click},
    {"mnuSimInfo193", &MainForm::mnuSimInfo193_Click},
    {"mnuSimInfo116", &MainForm::mnuSimInfo116_Click},
    {"mnuSimInfo325", &MainForm::mnuSimInfo325_Click},
    {"mnuSimInfo325Double", &MainForm::mnuSimInfo325Double_Click},
    {"mnuSimInfo450", &MainForm::mnuSimInfo450_Click},
    {"mnuSimInfo473", &MainForm::mnuSimInfo473_Click},
    {"mnuSimInfo553", &MainForm::mnuSimInfo553_Click},
    {"mnuSimInfo111_105_325_103", &MainForm::mnuSimInfo111_105_325_103_Click},
    {"mnuSimInfo80_811_393_221", &MainForm::mnuSimInfo80_811_393_221_Click},
    {"mnuGetInfo560", &MainForm::mnuGetInfo560_Click},
    {"mnuSimDistressInfos", &MainForm::mnuSimDistressInfos_Click},
};

// The hot-list entries the handlers count and run again from the F12 popup: id, parent (0: any).
struct HotListCommand {
    int Id;
    int ParentId;
    Handler Run;
};

const HotListCommand kHotListCommands[] = {
    {2049, 0, &MainForm::LoginEastMenu_Click},
    {2050, 0, &MainForm::LoginPacificMenu_Click},
    {2051, 0, &MainForm::LoginIndianMenu_Click},
    {2052, 0, &MainForm::LoginWestMenu_Click},
    {2053, 0, &MainForm::LogoutMenu_Click},
    // The preferred-ocean commands count the Login ids under their own parent: their entries must
    // set the preferred ocean, never log the terminal in.
    {2049, 2056, &MainForm::PreferredEastMenu_Click},
    {2050, 2056, &MainForm::PreferredPacificMenu_Click},
    {2051, 2056, &MainForm::PreferredIndianMenu_Click},
    {2052, 2056, &MainForm::PreferredWestMenu_Click},
    {2057, 0, &MainForm::PreferredNoneMenu_Click},
    {2007, 0, &MainForm::TransceiverStatusMenu_Click},
    {2008, 0, &MainForm::GPSStatusMenu_Click},
    {2009, 0, &MainForm::PositionInfoMenu_Click},
    {2023, 0, &MainForm::mnuLatestDistress_Click},
    {2024, 0, &MainForm::DistressTestModeMenu_Click},
    {2022, 0, &MainForm::DistressGeneratorMenu_Click},
    {2032, 0, &MainForm::LMAlertSetting_Click},
    {2035, 0, &MainForm::mobileNoMenu_Click},
    {2046, 0, &MainForm::CommSettings_Click},
    {2028, 0, &MainForm::ConfigEGCMenu_Click},
    {2044, 0, &MainForm::ConfigPasswordMenu_Click},
    {1998, 0, &MainForm::DefineSignature_Click},
    {2017, 0, &MainForm::DNID_Click},
    {2029, 0, &MainForm::DNIDMenu_Click},
    {2030, 0, &MainForm::ENIDMenu_Click},
    {2034, 0, &MainForm::EMailServicesMenu_Click},
    {2033, 0, &MainForm::LESMenu_Click},
    {2045, 0, &MainForm::mnuRemoteConfigPassword_Click},
    {2716, 0, &MainForm::mnuSettings_Click},
    {1503, 0, &MainForm::mnuTestSound_Click},
    {1999, 0, &MainForm::mnuVesselData_Click},
    {2031, 0, &MainForm::RoutingMenu_Click},
    {2027, 0, &MainForm::SetDefaultISPMenu_Click},
    {2026, 0, &MainForm::SetDefaultLESMenu_Click},
    {2041, 0, &MainForm::SetPcTimeMenu_Click},
    {2061, 0, &MainForm::SystemInfoMenu_Click},
    {2010, 0, &MainForm::TerminalModeMenu_Click},
    {2043, 0, &MainForm::TransmitPasswordMenu_Click},
};

}  // namespace

QAction* MainForm::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void MainForm::ConnectMenuCommands() {
    for (const MenuCommand& command : kMenuCommands) {
        QAction* item = MenuItem(command.Item);
        if (item == nullptr) continue;
        connect(item, &QAction::triggered, this, [this, item, run = command.Run](bool checked) {
            // A check item's mark is the handler's to set: undo the toggle Qt made on the click.
            if (item->isCheckable()) item->setChecked(!checked);
            (this->*run)();
        });
    }
    for (const HotListCommand& command : kHotListCommands)
        HotListCommands.Set(command.Id, [this, run = command.Run] { (this->*run)(); }, command.ParentId);
    AddDebugLabels();
    // The developer menus are never offered.
    for (const char* menu : {"mnuDebug", "mnuTest"})
        if (QAction* item = MenuItem(menu)) item->setVisible(false);
}

}  // namespace tidepost
