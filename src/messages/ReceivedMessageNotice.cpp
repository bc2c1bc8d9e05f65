#include "messages/ReceivedMessageNotice.h"

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "link/ReplyFields.h"
#include "messages/IDistressMessageForm.h"
#include "messages/Messages.h"

namespace tidepost {

bool RaisePriorityAlarm(Messages& m, qint16 priority) {
    Foundation& f = m.F;
    QString headline;
    if (priority == 2) headline = MlText(f, 2952, "URGENCY PRIORITY MESSAGE");
    else if (priority == 3) headline = MlText(f, 2254, "DISTRESS PRIORITY MESSAGE");
    else return false;

    if (IDistressMessageForm* form = m.DistressMessageForm) {
        form->SetLabel1Caption(headline);
        form->SetBeepTimerEnabled(true);
        form->SetFlashTimerEnabled(true);
    } else {
        QueueMessageBox(f, headline, QStringLiteral("Info"));
        PlayWaveFile(f, QStringLiteral("alarm.wav"));
    }
    return true;
}

void AnnounceReceivedMessage(Messages& m, qint16 priority) {
    if (RaisePriorityAlarm(m, priority)) return;
    Foundation& f = m.F;
    ShowNewMessageTrayIcon(f);
    const QString notify = GetAppSetting(f, f.gProductName, QStringLiteral("Settings"), QStringLiteral("NewMessageNotify"),
                                         QStringLiteral("1"));
    if (LeadingNumber(notify) != 0) QueueMessageBox(f, MlText(f, 2953, "New message received"), QStringLiteral("Info"));
}

}  // namespace tidepost
