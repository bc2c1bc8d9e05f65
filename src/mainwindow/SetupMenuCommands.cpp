#include "mainwindow/SetupMenuCommands.h"

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/LesLists.h"
#include "foundation/UsefullRoutines.h"
#include "mainwindow/MainForm.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

void Run(const std::function<void()>& action) {
    if (action) action();
}

}  // namespace

QStringList LesListItems(Foundation& f, int ocean) {
    const QString available = f.gConfiguration.AvailableLESs(OceanIndex(ocean));
    if (available.isEmpty()) return {};
    const QStringList ids = available.split(',');
    const QStringList names = GetLesNames(f, ids, ocean);
    QStringList items;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const qint64 number = LeadingNumber(ids[i]);
        if (number > 0 && number <= 32767 && IsValidLesId(int(number))) items.append(ids[i] + ", " + names.value(i));
    }
    return items;
}

void MainForm::ConfigEGCMenu_Click() {
    ConfigPasswordGuard(0, Dialogs.OpenEGCSetup);
    if (HotList.Add) HotList.Add(2028, 0);
}

void MainForm::ConfigPasswordMenu_Click() {
    Run(Dialogs.ShowConfigPasswordForm);
    if (HotList.Add) HotList.Add(2044, 0);
}

void MainForm::DefineSignature_Click() {
    auto& dialog = Dialogs.DefineSignatureForm;
    if (dialog.SetSignatureText) dialog.SetSignatureText(GetIniValue(m_foundation, "[Signature]"));
    Run(dialog.Show);
    if (HotList.Add) HotList.Add(1998, 0);
}

void MainForm::DNID_Click() {
    Run(Dialogs.DNIDPUProgramForm.PrepareNewProgram);
    ConfigPasswordGuard(7, Dialogs.OpenPUReporting);
    if (HotList.Add) HotList.Add(2017, 0);
}

void MainForm::DNIDMenu_Click() {
    ConfigPasswordGuard(2, Dialogs.OpenDnidList);
    if (HotList.Add) HotList.Add(2029, 0);
}

void MainForm::ENIDMenu_Click() {
    ConfigPasswordGuard(13, [this] {
        if (m_foundation.gSession.MesConnected()) {
            Run(Dialogs.OpenEnidList);
            return;
        }
        MessageBoxRequest box;
        box.text = m_foundation.Strings.GetMlString(2695, "Error: No transceiver commnuication");
        box.title = m_foundation.Strings.GetMlString(2697, "Information!");
        box.buttons = MsgButtons::Ok;
        box.icon = MsgIcon::Critical;
        if (m_foundation.Os.Boxes) m_foundation.Os.Boxes->Show(box, this);
    });
    if (HotList.Add) HotList.Add(2030, 0);
}

void MainForm::EMailServicesMenu_Click() {
    // The provider dialog edits a fresh copy of isp.dat; shown without it, its OK could write back
    // a stale or missing copy. So the same preparation runs with and without a password.
    ConfigPasswordGuard(4, Dialogs.OpenEMailServices);
    if (HotList.Add) HotList.Add(2034, 0);
}

void MainForm::LESMenu_Click() {
    auto& dialog = Dialogs.LESConfigForm;
    for (int ocean = 0; ocean < kOceanCount; ++ocean)
        if (dialog.SetLesList) dialog.SetLesList(ocean, LesListItems(m_foundation, ocean));
    Run(dialog.DisableEditButtons);
    Run(dialog.Show);
    if (HotList.Add) HotList.Add(2033, 0);
}

void MainForm::mnuRemoteConfigPassword_Click() {
    Run(Dialogs.ShowRemotePasswordForm);
    if (HotList.Add) HotList.Add(2045, 0);
}

void MainForm::mnuSendCommand_Click() { Run(Dialogs.ShowCommandForm); }

void MainForm::mnuSettings_Click() {
    Run(Dialogs.ShowSettingsForm);
    if (HotList.Add) HotList.Add(2716, 0);
}

void MainForm::mnuTestSound_Click() {
    Run(Dialogs.ShowTestSoundForm);
    if (HotList.Add) HotList.Add(1503, 0);
}

void MainForm::mnuVesselData_Click() {
    Run(Dialogs.ShowVesselDataForm);
    if (HotList.Add) HotList.Add(1999, 0);
}

void MainForm::RoutingMenu_Click() {
    ConfigPasswordGuard(1, Dialogs.OpenRoutingSetup);
    if (HotList.Add) HotList.Add(2031, 0);
}

void MainForm::SetDefaultISPMenu_Click() {
    Run(Dialogs.ShowDefaultISPForm);
    if (HotList.Add) HotList.Add(2027, 0);
}

void MainForm::SetDefaultLESMenu_Click() {
    static const char* const keys[kOceanCount] = {"[Default LES West]", "[Default LES East]",
                                                  "[Default LES Pacific]", "[Default LES Indian]"};
    auto& dialog = Dialogs.DefaultLESForm;
    for (int ocean = 0; ocean < kOceanCount; ++ocean)
        if (dialog.SetLesList) dialog.SetLesList(ocean, LesListItems(m_foundation, ocean));
    for (int ocean = 0; ocean < kOceanCount; ++ocean) {
        const QString text = GetLesDisplayName(m_foundation, GetIniValue(m_foundation, keys[ocean]));
        if (dialog.SetLesListText) dialog.SetLesListText(ocean, text);
    }
    WriteIniFile(m_foundation);
    Run(dialog.Show);
    if (HotList.Add) HotList.Add(2026, 0);
}

void MainForm::SetPcTimeMenu_Click() {
    // Counted first: the use counts even when the dialog then fails to open.
    if (HotList.Add) HotList.Add(2041, 0);
    Run(Dialogs.ShowSetLocalTimeForm);
}

void MainForm::SystemInfoMenu_Click() {
    Run(Dialogs.ShowSystemInfoForm);
    if (HotList.Add) HotList.Add(2061, 0);
}

void MainForm::TransmitPasswordMenu_Click() {
    Run(Dialogs.ShowTransmitPasswordForm);
    if (HotList.Add) HotList.Add(2043, 0);
}

}  // namespace tidepost
