#include "config/StatusDialogs.h"

#include "config/CommandForm.h"
#include "config/Config.h"
#include "config/MobileNoChangeForm.h"
#include "config/StatusWindows.h"
#include "config/SystemInfoForm.h"
#include "config/TestSoundForm.h"
#include "link/Link.h"

namespace tidepost {

StatusDialogs::StatusDialogs(Config& c)
    : SystemInfoForm([&c] { return new tidepost::SystemInfoForm(c); }),
      TransceiverStatusForm([&c] { return new tidepost::TransceiverStatusForm(c); }),
      GPSStatusForm([&c] { return new tidepost::GPSStatusForm(c); }),
      LinkTestForm([&c] { return new tidepost::LinkTestForm(c); }),
      MobileNoChangeForm([&c] { return new tidepost::MobileNoChangeForm(c); }),
      TestSoundForm([&c] { return new tidepost::TestSoundForm(c); }),
      CommandForm([&c] { return new tidepost::CommandForm(c); }) {}

StatusDialogs::~StatusDialogs() = default;

void StatusDialogs::UnloadAll() {
    SystemInfoForm.unload();
    TransceiverStatusForm.unload();
    GPSStatusForm.unload();
    LinkTestForm.unload();
    MobileNoChangeForm.unload();
    TestSoundForm.unload();
    CommandForm.unload();
}

namespace {

template <typename Form>
bool IsShown(FormHolder<Form>& holder) {
    Form* form = holder.loaded();
    return form && form->isVisible();
}

}  // namespace

void RegisterStatusWindows(Config& c) {
    StatusDialogs& d = *c.Status;
    LinkWindows& w = c.L.Windows;

    w.TransceiverStatusForm.IsVisible = [&d] { return IsShown(d.TransceiverStatusForm); };
    w.TransceiverStatusForm.StatusOutput = [&d] {
        // A window not loaded would load empty.
        const auto* form = d.TransceiverStatusForm.loaded();
        return form ? form->StatusOutput() : QString();
    };
    w.TransceiverStatusForm.SetStatusOutput = [&d](const QString& text) { d.TransceiverStatusForm.get().SetStatusOutput(text); };
    w.TransceiverStatusForm.SetCaption = [&d](const QString& text) { d.TransceiverStatusForm.get().setWindowTitle(text); };
    w.TransceiverStatusForm.Show = [&d] { d.TransceiverStatusForm.get().ShowForm(); };

    w.GPSStatusForm.IsVisible = [&d] { return IsShown(d.GPSStatusForm); };
    w.GPSStatusForm.SetStatusOutput = [&d](const QString& text) { d.GPSStatusForm.get().SetStatusOutput(text); };
    w.GPSStatusForm.SetCaption = [&d](const QString& text) { d.GPSStatusForm.get().setWindowTitle(text); };
    w.GPSStatusForm.Show = [&d] { d.GPSStatusForm.get().ShowForm(); };

    w.LinkTestForm.SetLinkTestResult = [&d](const QString& text) { d.LinkTestForm.get().SetLinkTestResult(text); };
    w.LinkTestForm.Show = [&d] { d.LinkTestForm.get().ShowForm(); };

    // Only a loaded dialog follows the replies; its load reads the session itself.
    w.SystemInfoForm.Update = [&d] {
        if (auto* form = d.SystemInfoForm.loaded()) form->Update();
    };
}

void ShowSystemInfoForm(Config& c) { c.Status->SystemInfoForm.get().ShowForm(); }
void ShowMobileNoChangeForm(Config& c) { c.Status->MobileNoChangeForm.get().ShowForm(); }
void ShowTestSoundForm(Config& c) { c.Status->TestSoundForm.get().ShowForm(); }
void ShowCommandForm(Config& c) { c.Status->CommandForm.get().ShowForm(); }

}  // namespace tidepost
