#include "app/ConfigWiring.h"

#include "config/Config.h"
#include "config/DefaultISPForm.h"
#include "config/DefaultIsp.h"
#include "config/DefaultLESForm.h"
#include "config/EMailServicesForm.h"
#include "config/IConfigMainWindow.h"
#include "config/LESConfigForm.h"
#include "config/Routing.h"
#include "config/SettingsForm.h"
#include "config/StatusDialogs.h"
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

private:
    MainForm& m_form;
};

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
    return main;
}

}  // namespace tidepost
