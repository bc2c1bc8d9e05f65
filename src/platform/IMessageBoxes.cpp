#include "platform/IMessageBoxes.h"

namespace tidepost {

MsgAnswer ClosedWithoutButton(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    case MsgButtons::YesYesToAllNoToAll: return MsgAnswer::NoToAll;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel: break;
    }
    return MsgAnswer::Cancel;
}

}  // namespace tidepost
