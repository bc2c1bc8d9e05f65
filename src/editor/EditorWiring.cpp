#include "editor/EditorWiring.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "editor/EditorControls.h"
#include "editor/MessageEditor.h"

namespace tidepost {

int EditorKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Period: return 190;
        default: break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // 65-90, as the letters' codes
    return 0;
}

int EditorShiftMask(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

EditorWiring::EditorWiring(MessageEditor& editor, EditorControls& controls, QObject* parent)
    : QObject(parent), m_editor(editor), c(controls) {
    for (QObject* o : {static_cast<QObject*>(c.ToFieldText), static_cast<QObject*>(c.CCFieldText),
                       static_cast<QObject*>(c.BccFieldText), static_cast<QObject*>(c.SubjectFieldText),
                       static_cast<QObject*>(c.Editor), static_cast<QObject*>(c.CCButton),
                       static_cast<QObject*>(c.BccButton), static_cast<QObject*>(c.ToButton),
                       static_cast<QObject*>(c.EditorButton)})
        if (o) o->installEventFilter(this);
    if (c.Editor) connect(c.Editor, &QPlainTextEdit::textChanged, this, [this] { m_editor.Editor_Change(); });
    if (c.ToButton) connect(c.ToButton, &QAbstractButton::clicked, this, [this] { m_editor.ToButton_Click(); });
    if (c.CCButton) connect(c.CCButton, &QAbstractButton::clicked, this, [this] { m_editor.CCButton_Click(); });
    if (c.BccButton) connect(c.BccButton, &QAbstractButton::clicked, this, [this] { m_editor.BccButton_Click(); });
    if (c.AddrbookButton)
        connect(c.AddrbookButton, &QAbstractButton::clicked, this, [this] { m_editor.AddrbookButton_Click(); });
    ConnectMenus();
}

void EditorWiring::ConnectMenus() {
    // Each item runs its command through MenuItemTriggered, which finds it by the item that sent.
    const auto on = [this](QAction* item, void (MessageEditor::*handler)()) {
        if (item == nullptr) return;
        m_menuCommands.insert(item, handler);
        connect(item, &QAction::triggered, this, &EditorWiring::MenuItemTriggered);
    };
    on(c.mnuNewMsg, &MessageEditor::mnuNewMessage_Click);
    on(c.mnuNewMessage, &MessageEditor::mnuNewMessage_Click);
    on(c.mnuSaveMsg, &MessageEditor::mnuSaveMsg_Click);
    on(c.mnuPrintEditor, &MessageEditor::mnuPrintEditor_Click);
    on(c.mnuCut, &MessageEditor::mnuCut_Click);
    on(c.mnuCopy, &MessageEditor::mnuCopy_Click);
    on(c.mnuPaste, &MessageEditor::mnuPaste_Click);
    on(c.mnuInsertSpeedCourse, &MessageEditor::mnuInsertSpeedCourse_Click);
    on(c.mnuInsertVesselName, &MessageEditor::mnuInsertVesselName_Click);
    on(c.mnuInsertVesselData, &MessageEditor::mnuInsertVesselData_Click);
    on(c.mnuDos866Cyrillic, &MessageEditor::mnuDos866Cyrillic_Click);
    on(c.mnuWindows1251Cyrillic, &MessageEditor::mnuWindows1251Cyrillic_Click);
    on(c.mnuDontSendMsg, &MessageEditor::mnuDontSendMsg_Click);
    on(c.mnuContacts, &MessageEditor::mnuContacts_Click);
    on(c.mnuMsgTextSizeInc, &MessageEditor::mnuMsgTextSizeInc_Click);
    on(c.mnuMsgTextSizeDec, &MessageEditor::mnuMsgTextSizeDec_Click);
    on(c.mnuOpenMsg, &MessageEditor::mnuOpenMsg_Click);
    on(c.mnuMergeMsg, &MessageEditor::mnuMergeMsg_Click);
    on(c.InsertPosition, &MessageEditor::InsertPosition_Click);
    on(c.InsertSignature, &MessageEditor::InsertSignature_Click);
    on(c.insertmobilenumber, &MessageEditor::insertmobilenumber_Click);
    on(c.Insertutcdatetime, &MessageEditor::Insertutcdatetime_Click);
    on(c.InsertLocalDateTime, &MessageEditor::InsertLocalDateTime_Click);
}

void EditorWiring::MenuItemTriggered() {
    const auto found = m_menuCommands.constFind(qobject_cast<QAction*>(sender()));
    if (found != m_menuCommands.constEnd()) (m_editor.*found.value())();
}

void EditorWiring::NormaliseLater(int field) {
    QTimer::singleShot(0, this, [this, field] {
        if (m_normalising) return;
        m_normalising = true;
        m_editor.AddressField_LostFocus(static_cast<MessageEditor::Field>(field));
        m_normalising = false;
    });
}

bool EditorWiring::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    int field = -1;
    if (watched == c.ToFieldText) field = MessageEditor::To;
    else if (watched == c.CCFieldText) field = MessageEditor::Cc;
    else if (watched == c.BccFieldText) field = MessageEditor::Bcc;

    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int shift = EditorShiftMask(key->modifiers());
        int code = EditorKeyCode(key->key());
        if (field >= 0) {
            if (code != 0) m_editor.AddressFieldKeyDown(static_cast<MessageEditor::Field>(field), code, shift);
            return code == 0 && EditorKeyCode(key->key()) != 0;
        }
        if (watched == c.SubjectFieldText) {
            if (code != 0) m_editor.SubjectFieldText_KeyDown(code, shift);
            return code == 0 && EditorKeyCode(key->key()) != 0;
        }
        if (watched == c.Editor) {
            // Typing stops at the limit; the keys that move or delete still work.
            const QString typed = key->text();
            if (!typed.isEmpty() && typed.at(0).isPrint() && (key->modifiers() & ~Qt::ShiftModifier) == 0) {
                const int selected = CrLfLength(c.Editor->textCursor().selectedText());
                if (CrLfLength(c.Editor->toPlainText()) - selected + typed.size() > kTypingLimit) return true;
            }
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
                const int selected = CrLfLength(c.Editor->textCursor().selectedText());
                if (CrLfLength(c.Editor->toPlainText()) - selected + 2 > kTypingLimit) return true;
            }
            return false;
        }
        // The view and address buttons share the editor's shortcut keys.
        if (code != 0) m_editor.HandleEditorShortcutKeys(code, shift);
        return code == 0 && EditorKeyCode(key->key()) != 0;
    }
    if (field >= 0) {
        const auto f = static_cast<MessageEditor::Field>(field);
        switch (type) {
            case QEvent::FocusOut: NormaliseLater(field); break;
            // After the widget has placed the caret where the click was.
            case QEvent::FocusIn:
            case QEvent::MouseButtonRelease:
                QTimer::singleShot(0, this, [this, f] { m_editor.CaretToEnd(f); });
                break;
            case QEvent::MouseButtonDblClick:
                if (f != MessageEditor::To || !c.ToFieldText->isReadOnly()) {
                    QTimer::singleShot(0, this, [this, f] { m_editor.AddressField_DblClick(f); });
                    return true;
                }
                break;
            default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tidepost
