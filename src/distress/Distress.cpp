#include "distress/Distress.h"

#include <QLabel>

#include "distress/TestModeReplies.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cErrorLog.h"
#include "link/Link.h"
#include "messages/Messages.h"

namespace tidepost {

Distress::Distress(Foundation& foundation, Link& link, Messages& messages)
    : F(foundation), L(link), M(messages), LatestDistressForms([this] {
          return new LatestDistressForm(F, [this] { LatestDistressForms.unload(); });
      }) {}

void RegisterDistressHandlers(Distress& d) {
    Link& link = d.L;
    link.Windows.DistressModeForm = &d.DistressModeForm;
    link.Dispatch.HandleDistressTestModeReply = [&d](const QString& reply) {
        HandleDistressTestModeReply(d.L, d.DistressModeForm.Machine, reply);
    };
    link.Dispatch.HandleLatestDistressReply = [&d](const QString& reply) { HandleLatestDistressReply(d, reply); };
    link.Notifications.SetDistressTestModeActive = [&link](bool active) { SetDistressTestModeActive(link, active); };
    d.M.DistressMessageForm = &d.DistressMessageForm;
    link.Dispatch.HandleDistressGeneratorReply = [&d](const QString& reply) { HandleDistressGeneratorReply(d, reply); };
    link.Dispatch.ExtractOption112Les = [&d](const QString& reply) { ExtractOption112Les(d, reply); };
    link.Dispatch.ExtractNatureOfDistress = [&d](const QString& reply) { ExtractNatureOfDistress(d, reply); };
}

void HandleDistressGeneratorReply(Distress& d, const QString& reply) {
    using Outcome = DistressGeneratorReading::Outcome;
    Foundation& f = d.F;
    if (!f.gSession.MesConnected()) {
        ErrorLog(f).AddLine(QStringLiteral("DistressGenerator was NULL"));
        return;
    }
    const DistressGeneratorReading reading =
        ReadDistressGeneratorReply(reply, d.L.Dialogue.EchoTerminator, d.GeneratorValues);
    if (reading.outcome == Outcome::ErrorLine) {
        // The busy window would otherwise stay for good; the open request stays for the next read.
        UnloadWaitForm(d.L);
        if (!reading.errorLine.startsWith(QStringLiteral("ERROR 550"))) {
            QueueMessageBox(f, reading.errorLine, QStringLiteral("Error"));
            if (d.CloseDistressGenerator) d.CloseDistressGenerator();
        }
        return;
    }
    if (reading.les) {
        const OceanIndex ocean = GetOceanOfLes(*reading.les);
        f.gConfiguration.SetLastOcean(ocean);
        f.gConfiguration.SetDistressGenLes(ocean, std::int16_t(*reading.les));
    }
    d.GeneratorValues = reading.values;
    if (reading.outcome == Outcome::Failed) {
        UnloadWaitForm(d.L);
        if (d.ShowDistressGeneratorOnReply && !reading.illegalArgument && d.ShowDistressGenerator)
            d.ShowDistressGenerator();
        QueueMessageBox(f, MlText(f, 2806, "Error: Distress generator values could not be loaded"),
                        MlText(f, 2544, "Error"));
        return;
    }
    const int type = f.gSession.MobileType();
    if (type == 1 || type == 4) return;
    UnloadWaitForm(d.L);
    if (d.ShowDistressGeneratorOnReply && d.ShowDistressGenerator) d.ShowDistressGenerator();
    d.ShowDistressGeneratorOnReply = false;
}

void ExtractOption112Les(Distress& d, const QString& reply) {
    const AlertLesReading reading = ReadAlertLesReply(reply);
    if (reading.form == AlertLesReading::Form::Maritime) {
        for (int n = 0; n < 4; ++n)
            if (reading.les[n]) d.F.gConfiguration.SetDistressGenLes(OceanIndex(n), std::int16_t(reading.les[n]->toInt()));
    } else if (reading.form != AlertLesReading::Form::None && d.FillAlertLes) {
        d.FillAlertLes(reading);
    }
    if (reading.errorNumber != 0) {
        QueueMessageBox(d.F, ComposeErrorText(QStringLiteral("ExtractOption112Les"), reading.errorNumber,
                                              reading.errorDescription),
                        ErrorTitle(reading.errorNumber));
        return;
    }
    const bool opens = reading.form == AlertLesReading::Form::LandMobile || reading.form == AlertLesReading::Form::LesIds;
    if (opens && d.ShowLmAlertSettingsOnReply) {
        UnloadWaitForm(d.L);
        if (d.ShowLmAlertSettings) d.ShowLmAlertSettings();
        d.ShowLmAlertSettingsOnReply = false;
    }
}

void ExtractNatureOfDistress(Distress& d, const QString& reply) {
    const std::optional<int> nature = ReadNatureOfDistressReply(reply);
    if (nature && d.ShowLandMobileNature) d.ShowLandMobileNature(*nature);
    // Only units with an alert LES per ocean are asked for the reply that opens the settings; for
    // the others this is the last reply, and the busy window must not stay for good.
    const int type = d.F.gSession.ProductType();
    if (type != 5 && type != 4 && d.ShowLmAlertSettingsOnReply) {
        UnloadWaitForm(d.L);
        d.ShowLmAlertSettingsOnReply = false;
    }
}

void HandleLatestDistressReply(Distress& d, const QString& reply) {
    const LatestDistressValues values = ReadLatestDistressReply(d.F, reply);
    LatestDistressForm& form = d.LatestDistressForms.get();
    form.LatestDistressField->setText(values.Alert);
    form.LatestDistressTestField->setText(values.Test);
    UnloadWaitForm(d.L);
    form.show();
    form.raise();
}

}  // namespace tidepost
