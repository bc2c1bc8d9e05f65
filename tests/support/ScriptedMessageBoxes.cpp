#include "support/ScriptedMessageBoxes.h"

namespace tidepost::test {

MsgAnswer ScriptedMessageBoxes::Show(const MessageBoxRequest& request, QWidget*) {
    Shown.append(request);
    if (!m_answers.isEmpty()) return m_answers.takeFirst();
    switch (request.buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    default: return MsgAnswer::Ok;
    }
}

}  // namespace tidepost::test
