#include "mainwindow/MainFormDefaultMessages.h"

#include <QAction>

#include "editor/DefaultMessageKeys.h"
#include "editor/DefaultMessageLoader.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"

namespace tidepost {

void ConnectDefaultMessages(MainForm& form, DefaultMessageKeys& keys) {
    Messages* m = form.MessagesArea();
    if (!m) return;
    keys.LoadDefaultMessage = [&form, &keys, m](int n) {
        if (!m->Editor) return;
        LoadDefaultMessage(m->F, *m->Editor, n, &form, [&keys](int key) {
            FunctionKeyForm& setUp = keys.Form.get();
            setUp.KeyIndex = static_cast<std::int16_t>(key);
            setUp.ShowForm();
        });
    };
    const auto update = [&form, m] {
        const QStringList captions = DefaultMessageCaptions(m->F);
        for (int i = 0; i < captions.size(); ++i)
            if (QAction* item = form.findChild<QAction*>(QStringLiteral("mnuF(%1)").arg(i))) item->setText(captions[i]);
    };
    keys.Links.UpdateFMenu = update;
    form.AreaHandlers.UpdateFMenu = update;
    update();
}

}  // namespace tidepost
