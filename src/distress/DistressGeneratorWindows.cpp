#include "distress/DistressGeneratorWindows.h"

#include <QComboBox>
#include <QPointer>
#include <QTimer>

#include "distress/Distress.h"
#include "distress/DistressGenerator.h"
#include "distress/DistressGeneratorForm.h"
#include "distress/DistressInfoForm.h"
#include "distress/Option112Form.h"
#include "foundation/Foundation.h"
#include "foundation/LesLists.h"

namespace tidepost {

namespace {

void ShowGeneratorForm(Distress& d) {
    auto& holder = d.GeneratorWindows.DistressGeneratorForms;
    // Each opening loads the values afresh.
    holder.unload();
    DistressGeneratorForm& form = holder.get();
    form.show();
    form.raise();
    form.activateWindow();
}

void InfoOk(Distress& d) {
    d.GeneratorWindows.DistressInfoForms.unload();
    if (!DistressInfoReads(d)) ShowGeneratorForm(d);
}

}  // namespace

DistressGeneratorWindows::DistressGeneratorWindows(Distress& d)
    : DistressInfoForms([&d] {
          return new DistressInfoForm(
              d.F, [&d] { InfoOk(d); }, [&d] { d.GeneratorWindows.DistressInfoForms.unload(); });
      }),
      DistressGeneratorForms([&d] {
          return new DistressGeneratorForm(d, [&d] { d.GeneratorWindows.DistressGeneratorForms.unload(); });
      }),
      Option112Forms([&d] { return new Option112Form(d, [&d] { d.GeneratorWindows.Option112Forms.unload(); }); }) {}

DistressGeneratorWindows::~DistressGeneratorWindows() = default;

void ConnectDistressGeneratorWindows(Distress& d) {
    DistressGeneratorWindows& w = d.GeneratorWindows;
    // Called from the reply dispatch: the dialog is built once the dialogue's tick has returned, so
    // nothing its loading may have to tell the operator holds up the transceiver.
    d.ShowDistressGenerator = [&d] { QTimer::singleShot(0, &d.F.Strings.Notifier, [&d] { ShowGeneratorForm(d); }); };
    d.CloseDistressGenerator = [&w] {
        if (DistressGeneratorForm* form = w.DistressGeneratorForms.loaded()) form->MarkClosing();
        w.DistressGeneratorForms.unload();
    };
    d.FillAlertLes = [&d, &w](const AlertLesReading& reading) {
        Option112Form& form = w.Option112Forms.get();
        for (int ocean = 0; ocean < 4; ++ocean)
            if (reading.les[ocean]) form.LesCombo(ocean)->setEditText(GetLesDisplayName(d.F, *reading.les[ocean]));
    };
    d.ShowLmAlertSettings = [&w] {
        Option112Form& form = w.Option112Forms.get();
        form.show();
        form.raise();
        form.activateWindow();
    };
    d.ShowLandMobileNature = [&w](int nature) {
        // The transceiver's nature in English, whatever the language of the list.
        w.Option112Forms.get().DistressNatureCombo->setEditText(QString::fromLatin1(kDistressNatures[nature].landMobile));
    };
}

void OpenDistressGenerator(Distress& d) {
    if (DistressGeneratorMenuReads(d)) return;
    DistressInfoForm& notice = d.GeneratorWindows.DistressInfoForms.get();
    notice.show();
    notice.raise();
    notice.activateWindow();
}

void OpenLmAlertSettings(Distress& d) {
    if (!d.F.gSession.MesConnected()) return;
    // A window left from an earlier opening starts afresh too.
    d.GeneratorWindows.Option112Forms.get().SetLists(LoadLmAlertLists(d.F));
    LmAlertSettingsReads(d);
}

}  // namespace tidepost
