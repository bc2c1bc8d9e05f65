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
    if (priority != 2 && priority != 3) return false;
    if (IDistressMessageForm* form = m.DistressMessageForm) form->Raise(priority);
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
