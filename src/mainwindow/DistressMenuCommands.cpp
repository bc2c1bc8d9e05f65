#include "mainwindow/MainForm.h"

namespace tidepost {

// The distress area builds and sends what these open; a menu command counts its use whatever it
// then does.
void MainForm::DistressGeneratorMenu_Click() {
    if (Dialogs.OpenDistressGenerator) Dialogs.OpenDistressGenerator();
    if (HotList.Add) HotList.Add(2022, 0);
}

void MainForm::LMAlertSetting_Click() {
    if (Dialogs.OpenLmAlertSettings) Dialogs.OpenLmAlertSettings();
    if (HotList.Add) HotList.Add(2032, 0);
}

}  // namespace tidepost
