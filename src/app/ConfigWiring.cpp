#include "app/ConfigWiring.h"

#include <QLineEdit>

#include "config/Config.h"
#include "config/DefaultISPForm.h"
#include "config/DefaultIsp.h"
#include "config/DefaultLESForm.h"
#include "config/EMailServicesForm.h"
#include "config/IConfigMainWindow.h"
#include "config/LESConfigForm.h"
#include "config/Routing.h"
#include "config/SettingsForm.h"
#include "config/DefineSignatureForm.h"
#include "config/PasswordChangeForm.h"
#include "config/PasswordVerifyForm.h"
#include "config/SetLocalTimeForm.h"
#include "config/SetTimeForm.h"
#include "config/SetupDialogs.h"
#include "config/StatusDialogs.h"
#include "config/VesselDataForm.h"
#include "mainwindow/MainForm.h"

namespace tidepost {

namespace {

class ConfigMainWindow : public IConfigMainWindow {
public:
    explicit ConfigMainWindow(MainForm& form) : m_form(form) {}
    void CcFieldVisible(bool value) override { m_form.CcFieldVisible(value); }
    void BCcFieldVisible(bool value) override { m_form.BCcFieldVisible(value); }
    void MainFormSetUp() override { m_form.MainFormSetUp(); }
    void ResetHotList() override { m_form.ResetHotList(); }
    void RunConfigPasswordAction(qint32 code) override { m_form.RunConfigPasswordAction(code); }
    void UpdateMnuInsertVesselName() override { m_form.UpdateMnuInsertVesselName(); }

private:
    MainForm& m_form;
};

// The passwords, the PC clock, the vessel data and the signature.
void ConnectSetupDialogs(MenuDialogs& d, Config& c) {
    SetupDialogs& s = *c.Setup;
    d.ShowConfigPasswordForm = [&s] { s.ConfigPasswordForm.get().ShowForm(); };
    d.ShowTransmitPasswordForm = [&s] { s.TransmitPasswordForm.get().ShowForm(); };
    d.VerifyConfigPasswordForm.SetConfigPasswordPurpose = [&s](qint32 code) { s.ConfigPasswordPurpose = code; };
    d.VerifyConfigPasswordForm.ClearPassword = [&s] { s.VerifyConfigPasswordForm.get().Password->clear(); };
    d.VerifyConfigPasswordForm.Show = [&s] { s.VerifyConfigPasswordForm.get().ShowForm(); };
    d.ShowVerifyTransmitPasswordForm = [&c] { AskTransmitPassword(c); };
    d.ShowSetTimeForm = [&c] { ShowSetTimeForm(c); };
    d.ShowSetLocalTimeForm = [&s] { s.SetLocalTimeForm.get().ShowForm(); };
    d.ShowVesselDataForm = [&s] { s.VesselDataForm.get().ShowForm(); };
    d.DefineSignatureForm.SetSignatureText = [&s](const QString& text) {
        s.DefineSignatureForm.get().SetSignatureText(text);
    };
    d.DefineSignatureForm.Show = [&s] { s.DefineSignatureForm.get().ShowForm(); };
}

}  // namespace

std::unique_ptr<IConfigMainWindow> ConnectConfigDialogs(MainForm& form, Config& c) {
    auto main = std::make_unique<ConfigMainWindow>(form);
    c.MainWindow = main.get();
    MenuDialogs& d = form.Dialogs;
    d.LESConfigForm.SetLesList = [&c](int ocean, const QStringList& items) { c.LESConfigForm.get().SetLesList(ocean, items); };
    d.LESConfigForm.DisableEditButtons = [&c] { c.LESConfigForm.get().DisableEditButtons(); };
    d.LESConfigForm.Show = [&c] { c.LESConfigForm.get().ShowForm(); };
    d.DefaultLESForm.SetLesList = [&c](int ocean, const QStringList& items) { c.DefaultLESForm.get().SetLesList(ocean, items); };
    d.DefaultLESForm.SetLesListText = [&c](int ocean, const QString& text) {
        c.DefaultLESForm.get().SetLesListText(ocean, text);
    };
    d.DefaultLESForm.Show = [&c] { c.DefaultLESForm.get().ShowForm(); };
    d.ShowDefaultISPForm = [&c] { c.DefaultISPForm.get().ShowForm(); };
    d.OpenEMailServices = [&c] { OpenEMailServices(c); };
    d.ShowSettingsForm = [&c] { c.SettingsForm.get().ShowForm(); };
    d.OpenRoutingSetup = [&c] { OpenRoutingSetup(c); };
    form.ApplyIspCcBccAvailability = [&c] { ApplyIspCcBccAvailability(c); };
    d.ShowSystemInfoForm = [&c] { ShowSystemInfoForm(c); };
    d.ShowMobileNoChangeForm = [&c] { ShowMobileNoChangeForm(c); };
    d.ShowTestSoundForm = [&c] { ShowTestSoundForm(c); };
    d.ShowCommandForm = [&c] { ShowCommandForm(c); };
    ConnectSetupDialogs(d, c);
    return main;
}

}  // namespace tidepost
