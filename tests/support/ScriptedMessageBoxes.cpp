#include "support/ScriptedMessageBoxes.h"

#include <QDialog>
#include <QPointer>

#include "platform/OpenBoxes.h"

namespace tidepost::test {

MsgAnswer ScriptedMessageBoxes::Show(const MessageBoxRequest& request, QWidget* owner) {
    Shown.append(request);
    if (OnShow) {
        // As a real box: its owner is not deleted while it is up.
        const BoxOpenOn open(owner ? owner : DefaultOwner, nullptr);
        OnShow(request);
    }
    if (!m_answers.isEmpty()) {
        const std::optional<MsgAnswer> answer = m_answers.takeFirst();
        return answer ? *answer : ClosedWithoutButton(request.buttons);
    }
    switch (request.buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesYesToAllNoToAll: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    default: return MsgAnswer::Ok;
    }
}

int ScriptedMessageBoxes::ShowDialog(QDialog& dialog) {
    DialogsShown.append(dialog.objectName());
    QPointer<QDialog> shown(&dialog);
    dialog.setModal(true);
    dialog.show();
    if (OnDialog) {
        const BoxOpenOn open(dialog.parentWidget(), &dialog);
        OnDialog(dialog);
    }
    if (!shown) return QDialog::Rejected;
    if (shown->isVisible()) shown->close();
    return shown->result();
}

}  // namespace tidepost::test
