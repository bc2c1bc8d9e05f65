#include "foundation/Validators.h"

#include <QStringList>

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {
// The information style of a queued box; the queue does not show it.
constexpr int InformationStyle = 64;

QString AddressFailureTitle(const Foundation& f) { return MlText(f, 2841, "Address failure"); }
}  // namespace

bool ValidateName(Foundation& f, const QString& text, bool display, QString& message, QWidget* owner) {
    if (!text.isEmpty()) return true;
    const QString reason = MlText(f, 2837, "The name field can not be empty.");
    if (display) {
        MessageBoxRequest box;
        box.text = reason;
        box.title = MlText(f, 2838, "Name failure");
        box.buttons = MsgButtons::Ok;
        f.Os.Boxes->Show(box, owner);
    } else {
        message = reason;
    }
    return false;
}

bool ValidateEmail(Foundation& f, const QString& text, bool display, QString& /*message*/, QWidget* owner) {
    if (text.contains('.') && text.contains('@')) return true;
    if (!display) return false;
    MessageBoxRequest box;
    box.text = MlText(f, 2839, "E-mail addresses must have an '@' character.") + MlText(f, 2840, " Continue anyway?");
    box.title = AddressFailureTitle(f);
    box.buttons = MsgButtons::YesNo;
    box.icon = MsgIcon::Question;
    return f.Os.Boxes->Show(box, owner) == MsgAnswer::Yes;
}

bool ValidateInmcNumber(Foundation& f, const QString& text, bool display, QString& message) {
    static const QStringList prefixes{"5804", "5814", "5824", "5834", "5844"};
    QString reason;
    if (text.size() != 12)
        reason = MlText(f, 2843,
                        "Inm-C addresses needs to be a 12 digits No., 3 digit for Ocean Region & 9 digit for the "
                        "Mobile No.");
    else if (!prefixes.contains(text.left(4)))
        reason = MlText(f, 2842,
                        "Inm-C addresses must start with the ocean region (581,582,583,584 or 580 for any ocean) and "
                        "a '4' in Mobile Number.");
    else
        return true;
    if (display)
        QueueMessageBox(f, reason, AddressFailureTitle(f), InformationStyle);
    else
        message = reason;
    return false;
}

bool ValidateDnid(Foundation& f, const QString& text, bool display, QString& message) {
    if (text.size() < 6) return true;
    const QString reason = MlText(f, 2844, "DNID Numbers can max. be a 5 digit No.");
    if (display)
        QueueMessageBox(f, reason, AddressFailureTitle(f), InformationStyle);
    else
        message = reason;
    return false;
}

bool ValidateNumber(Foundation& /*f*/, const QString& /*text*/, bool /*display*/, QString& /*message*/) { return true; }

}  // namespace tidepost
