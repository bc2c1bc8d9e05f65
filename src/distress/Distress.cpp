#include "distress/Distress.h"

#include <QLabel>

#include "distress/TestModeReplies.h"
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
