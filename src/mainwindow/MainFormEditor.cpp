#include "mainwindow/MainFormEditor.h"

#include <QPlainTextEdit>

#include "editor/EditorWiring.h"
#include "foundation/FixedPitchFont.h"
#include "editor/MessageEditor.h"
#include "mainwindow/HotList.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormSendCommand.h"
#include "link/Link.h"
#include "messages/Messages.h"

namespace tidepost {

MainFormEditor::MainFormEditor(MainForm& form) : m_form(form), m_controls(EditorControls::FindIn(&form)) {
    if (m_controls.Editor) m_controls.Editor->setFont(FixedPitchFont(m_controls.Editor->font().pointSize()));
    if (form.MessagesArea() == nullptr) return;
    m_editor = std::make_unique<MessageEditor>(*form.MessagesArea(), m_controls, *this);
    m_wiring = std::make_unique<EditorWiring>(*m_editor, m_controls);
    form.MessagesArea()->Editor = m_editor.get();
    // The window's Editor and Distress buttons and View menu items run the editor's commands.
    form.EditorButton_Click = [this] { m_editor->EditorButton_Click(); };
    form.DistressEditorButton_Click = [this] { m_editor->DistressEditorButton_Click(); };
    form.KeyHandlers.HandleEditorShortcutKeys = [this](int& keyCode, int shift) {
        m_editor->HandleEditorShortcutKeys(keyCode, shift);
    };
    m_send = std::make_unique<MainFormSendCommand>(form, *m_editor);
    // The reply to "ti u" goes in at the caret.
    form.MessagesArea()->L.Windows.InsertToEditor = [this](const QString& text) { m_editor->InsertToEditor(text); };
}

MainFormEditor::~MainFormEditor() {
    m_send.reset();
    if (m_form.MessagesArea()) m_form.MessagesArea()->L.Windows.InsertToEditor = nullptr;
    if (m_editor && m_form.MessagesArea() && m_form.MessagesArea()->Editor == m_editor.get()) m_form.MessagesArea()->Editor = nullptr;
    m_form.KeyHandlers.HandleEditorShortcutKeys = nullptr;
    m_form.EditorButton_Click = nullptr;
    m_form.DistressEditorButton_Click = nullptr;
}

void MainFormEditor::ApplyStoredTextSize() {
    if (m_editor) m_editor->ApplyStoredTextSize();
}

int MainFormEditor::MessageLogShown() const { return static_cast<int>(m_form.MessageLogShown); }

void MainFormEditor::SetMessageLogShown(int view) { m_form.MessageLogShown = view; }

void MainFormEditor::MainFormSetUp() { m_form.MainFormSetUp(); }

void MainFormEditor::Form_Resize() { m_form.Form_Resize(); }

void MainFormEditor::ApplyIspCcBccAvailability() {
    if (m_form.ApplyIspCcBccAvailability) m_form.ApplyIspCcBccAvailability();
}

void MainFormEditor::HotListAdd(int id, int parentId) {
    if (cHotList* hotList = m_form.HotListObject()) hotList->add(id, parentId);
}

void MainFormEditor::SendButton_Click() {
    if (m_send) m_send->SendButton_Click();
}

bool MainFormEditor::AddressRowShown(int list) const { return m_form.EditorAddressRowShown(list); }

QWidget* MainFormEditor::Owner() { return &m_form; }

}  // namespace tidepost
