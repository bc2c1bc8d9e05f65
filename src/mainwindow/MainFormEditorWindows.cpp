#include "mainwindow/MainFormEditorWindows.h"

#include <QAbstractButton>
#include <QAction>
#include <QVariant>

#include "editor/MessageEditor.h"
#include "link/CommonDialogs.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormDefaultMessages.h"
#include "mainwindow/MainFormEditor.h"
#include "mainwindow/MainFormFolderViewCommands.h"

namespace tidepost {

namespace {

// The text of an editor control: the body's plain text or a field's text.
QString ControlText(const MainForm& form, const QString& name) {
    const QWidget* control = form.findChild<QWidget*>(name);
    if (!control) return {};
    const QVariant plain = control->property("plainText");
    return plain.isValid() ? plain.toString() : control->property("text").toString();
}

void TriggerItem(MainForm& form, const char* name) {
    if (QAction* item = form.findChild<QAction*>(name)) item->trigger();
}

}  // namespace

void ConnectEditorWindows(MainForm& form, Link& link, EditorWindows& windows) {
    DefaultMessageKeys& keys = windows.Keys;
    keys.Links.FieldText = [&form](const QString& name) { return ControlText(form, name); };
    keys.Links.MainWindow = [&form]() -> QWidget* { return &form; };
    keys.HotListAdd = [&form](int id, int parentId) {
        if (form.HotList.Add) form.HotList.Add(id, parentId);
    };
    form.KeyHandlers.HandleFunctionKey = [&keys](int& keyCode, int shift) { keys.HandleFunctionKey(keyCode, shift); };
    for (int i = 0; i < 8; ++i) {
        if (QAction* item = form.findChild<QAction*>(QStringLiteral("mnuF(%1)").arg(i))) {
            QObject::connect(item, &QAction::triggered, &form, [&form, i] {
                int keyCode = 112 + i;
                form.Form_KeyDown(keyCode, 0);
            });
        }
    }
    if (QAction* setup = form.findChild<QAction*>("mnuFunctionKeySetup"))
        QObject::connect(setup, &QAction::triggered, &form, [&keys] { keys.mnuFunctionKeySetup_Click(); });
    ConnectDefaultMessages(form, keys);

    MessageFormLinks& viewer = windows.Viewer.Links;
    viewer.EditorText = [&form] { return ControlText(form, "Editor"); };
    viewer.SetEditorText = [&form](const QString& text) {
        if (QWidget* editor = form.findChild<QWidget*>("Editor")) {
            if (editor->property("plainText").isValid()) editor->setProperty("plainText", text);
            else editor->setProperty("text", text);
        }
    };
    viewer.EditorButton_Click = [&form] {
        if (auto* button = form.findChild<QAbstractButton*>("EditorButton")) button->click();
    };
    viewer.PrintText = [&link](QWidget* owner, const QString& text, int flags) { PrintText(link, owner, text, flags); };
    if (MainFormEditor* glue = form.EditorGlue(); glue && glue->Editor()) {
        MessageEditor* editor = glue->Editor();
        viewer.FontSize = [editor] { return editor->cFont.Size(); };
        glue->ViewerTextSize = [&windows](int size) {
            if (windows.Viewer.Form.isLoaded()) windows.Viewer.Form.loaded()->ApplyTextSize(size);
        };
    }
    viewer.mnuMsgTextSizeDec_Click = [&form] { TriggerItem(form, "mnuMsgTextSizeDec"); };
    viewer.mnuMsgTextSizeInc_Click = [&form] { TriggerItem(form, "mnuMsgTextSizeInc"); };
    ConnectViewerToFolderViews(form, windows);
}

}  // namespace tidepost
