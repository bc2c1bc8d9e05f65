#include "editor/DefaultMessageLoader.h"

#include "editor/cDefaultMessage.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "messages/IMessageEditor.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {


}  // namespace

QString DefaultMessageBody(const QString& stored) {
    QString body = stored;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    body.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return body;
}

DefaultMessageLoad LoadDefaultMessage(Foundation& f, IMessageEditor& editor, int n, QWidget* owner,
                                      const std::function<void(int n)>& openSetUp) {
    cDefaultMessage message(f);
    message.Init(static_cast<std::int16_t>(n));
    if (!message.ExistsFile()) {
        if (openSetUp) openSetUp(n);
        return DefaultMessageLoad::SetUpOpened;
    }
    if (!message.LoadMessage(static_cast<std::int16_t>(n))) {
        MessageBoxRequest box;
        box.title = MlText(f, 3044, "Default message error");
        box.text = MlText(f, 3045, "Default message could not be loaded");
        box.buttons = MsgButtons::Ok;
        if (f.Os.Boxes) f.Os.Boxes->Show(box, owner);
        return DefaultMessageLoad::NotLoaded;
    }
    MessageBoxRequest question;
    question.title = MlText(f, 3046, "Load message");
    question.text = MlText(f, 3047, "Load default message") + ": " + message.GetName();
    question.buttons = MsgButtons::YesNo;
    if (!f.Os.Boxes || f.Os.Boxes->Show(question, owner) != MsgAnswer::Yes) return DefaultMessageLoad::Declined;

    // A distress message keeps its rescue address; replacing it would send a distress-priority
    // message elsewhere and lose the header kept for the return to the editor.
    if (f.gSession.MessagePriority() != kDistressPriority) {
        editor.SetAddressFieldText(0, message.GetTo());
        editor.SetAddressFieldText(1, message.GetCc());
        editor.SetAddressFieldText(2, message.GetBcc());
        editor.SetSubjectFieldText(message.GetSubject());
    }
    editor.SetEditorText(DefaultMessageBody(message.GetBodyText()));
    return DefaultMessageLoad::Loaded;
}

QStringList DefaultMessageCaptions(Foundation& f) {
    QStringList captions;
    cDefaultMessage message(f);
    for (int n = 1; n <= 8; ++n) {
        const QString name = message.LoadMessage(static_cast<std::int16_t>(n)) ? message.GetName()
                                                                                : MlText(f, 2060, "Empty");
        captions << QStringLiteral("F%1 [%2]").arg(n).arg(name);
    }
    return captions;
}

}  // namespace tidepost
