#pragma once
#include <QString>
#include <functional>

#include "editor/EditorControls.h"
#include "editor/cFont.h"
#include "messages/IMessageEditor.h"

namespace tidepost {

struct Messages;
class IEditorHost;

// The message editor of the main window: the To, Cc, Bcc and Subject fields, the body and the
// commands that work on them. Key handlers take key codes as the key map gives them (8
// Backspace, 13 Enter, 35-40 End, Home and the arrows, 65-90 the letters, 190 ".") and the
// modifier mask (1 Shift, 2 Ctrl, 4 Alt); a handler that acts on a key sets its code to 0.
class MessageEditor : public IMessageEditor {
public:
    MessageEditor(Messages& m, EditorControls& controls, IEditorHost& host);

    enum Field { To = 0, Cc = 1, Bcc = 2 };

    // The header texts the distress editor keeps while it shows its own.
    QString SavedToText;
    QString SavedCcText;
    QString SavedBccText;
    QString SavedSubjectText;
    // The default message last loaded into the editor (0: none).
    int LoadedDefaultMessage = 0;
    // The text size of the editor and the viewer.
    tidepost::cFont cFont;

    // IMessageEditor
    QString AddressFieldText(int list) const override;
    void SetAddressFieldText(int list, const QString& text) override;
    bool AddressFieldShown(int list) const override;
    QString SubjectFieldText() const override;
    void SetSubjectFieldText(const QString& text) override;
    QString EditorText() const override;
    void SetEditorText(const QString& text) override;
    void SetLoadedDefaultMessage(int number) override { LoadedDefaultMessage = number; }
    void ChangeToEditor() override;
    void DistressEditorButton_Click() override;

    // --- the view ---
    void ChangeViewEditor();
    // Leaving the distress editor: while the To field shows its recipient, the saved header
    // texts go back into their fields; the saved texts are cleared in any case.
    void RestoreSavedHeaderTexts();
    void EditorButton_Click();
    // True in the editor view with routine priority: the header may be changed.
    bool HeaderFieldsEditable() const;
    // Enables or disables the header controls and shows the distress appearance.
    void EnableEditorGUI(bool bEnable);

    // --- header fields and keys ---
    void HandleEditorShortcutKeys(int& keyCode, int shift);
    void AddressFieldKeyDown(Field field, int& keyCode, int shift);
    void SubjectFieldText_KeyDown(int& keyCode, int shift);
    // Resolves the field's names against the address book and writes each followed by ";".
    void NormaliseAddressField(Field field);
    void AddressField_LostFocus(Field field);
    void AddressField_DblClick(Field field);
    // The To field's key rules and its normalisation on leaving it.
    void ToFieldText_KeyDown(int& keyCode, int shift) { AddressFieldKeyDown(To, keyCode, shift); }
    void ToFieldText_LostFocus() { AddressField_LostFocus(To); }
    void CaretToEnd(Field field);
    void ShowAddressBookDialog(const QString& field);
    void ToButton_Click() { ShowAddressBookDialog("TO"); }
    void CCButton_Click() { ShowAddressBookDialog("CC"); }
    void BccButton_Click() { ShowAddressBookDialog("BCC"); }
    void AddrbookButton_Click();
    void mnuContacts_Click() { AddrbookButton_Click(); }
    // The body's length, line ends counted as CR LF, in the status bar's third panel.
    void Editor_Change();

    // --- commands ---
    void mnuNewMessage_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void InsertSpeedCourseText();
    void InsertPositionText();
    void mnuInsertSpeedCourse_Click();
    void mnuInsertVesselName_Click();
    void mnuInsertVesselData_Click();
    void mnuDos866Cyrillic_Click();
    void mnuWindows1251Cyrillic_Click();
    void mnuSaveMsg_Click();
    void mnuPrintEditor_Click();
    void mnuDontSendMsg_Click();

    // --- insert menu and text files ---
    void InsertToEditor(const QString& strText);
    // The position line, only while the transceiver answers.
    void InsertPosition_Click();
    void InsertSignature_Click();
    void insertmobilenumber_Click();
    // Asks the transceiver for its time ("ti u"); the reply inserts it.
    void Insertutcdatetime_Click();
    void InsertLocalDateTime_Click();
    void mnuOpenMsg_Click();
    void mnuMergeMsg_Click();
    // Reads a file the operator chooses into the body: in place of it, or at the caret to merge.
    // The body is touched only once the whole file has been read.
    void OpenTextFileIntoEditor(bool merge, const QString& initialName);
    // Code page 866 text as 1251, for a Russian interface with "IBM/DOS 866 Cyrillic" checked.
    QString EncodeText(const QString& strText) const;

    // --- text size ---
    // At start-up: the stored size, given to the editor.
    void ApplyStoredTextSize();
    void mnuMsgTextSizeInc_Click();
    void mnuMsgTextSizeDec_Click();

private:
    QLineEdit* FieldWidget(Field field) const;
    void ClipboardFailed(const QString& title);
    void ChooseCodePage(bool to866);
    void ApplyTextSize();

    Messages& m_m;
    EditorControls& c;
    IEditorHost& m_host;
};

}  // namespace tidepost
