#include "editor/MessageEditor.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "distress/DistressEditorInfo.h"
#include "editor/IEditorHost.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "messages/AddressBookWindows.h"
#include "messages/AddressSearch.h"
#include "messages/Messages.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

// The distress editor's locked To field.
const QString kDistressToField = kSearchAndRescue + QLatin1Char(';');

constexpr int kCtrl = 2;
constexpr int kAlt = 4;

void SetEnabled(QWidget* w, bool enabled) {
    if (w) w->setEnabled(enabled);
}

// Red for the distress editor, the window text colour otherwise.
void SetDistressColour(QWidget* w, bool distress) {
    if (!w) return;
    QPalette p = w->palette();
    p.setColor(QPalette::Text, distress ? QColor(Qt::red) : QPalette().color(QPalette::Text));
    w->setPalette(p);
}

}  // namespace

MessageEditor::MessageEditor(Messages& m, EditorControls& controls, IEditorHost& host)
    : m_m(m), c(controls), m_host(host) {}

QLineEdit* MessageEditor::FieldWidget(Field field) const {
    switch (field) {
        case To: return c.ToFieldText;
        case Cc: return c.CCFieldText;
        case Bcc: return c.BccFieldText;
    }
    return nullptr;
}

QString MessageEditor::AddressFieldText(int list) const {
    const QLineEdit* w = list >= 0 && list <= 2 ? FieldWidget(static_cast<Field>(list)) : nullptr;
    return w ? w->text() : QString();
}

void MessageEditor::SetAddressFieldText(int list, const QString& text) {
    QLineEdit* w = list >= 0 && list <= 2 ? FieldWidget(static_cast<Field>(list)) : nullptr;
    if (w) w->setText(text);
}

bool MessageEditor::AddressFieldShown(int list) const {
    if (list == To) return true;
    return (list == Cc || list == Bcc) && m_host.AddressRowShown(list);
}

QString MessageEditor::SubjectFieldText() const {
    return c.SubjectFieldText ? c.SubjectFieldText->text() : QString();
}

void MessageEditor::SetSubjectFieldText(const QString& text) {
    if (c.SubjectFieldText) c.SubjectFieldText->setText(text);
}

QString MessageEditor::EditorText() const { return BodyText(c); }

void MessageEditor::SetEditorText(const QString& text) { SetBodyText(c, text); }

// --- the view ---

bool MessageEditor::HeaderFieldsEditable() const {
    return m_host.MessageLogShown() == 0 && m_m.F.gSession.MessagePriority() != kDistressPriority;
}

void MessageEditor::EnableEditorGUI(bool bEnable) {
    for (QWidget* w : {static_cast<QWidget*>(c.ToButton), static_cast<QWidget*>(c.CCButton),
                       static_cast<QWidget*>(c.BccButton), static_cast<QWidget*>(c.CCFieldText),
                       static_cast<QWidget*>(c.BccFieldText), c.SubjectLabel.data(),
                       static_cast<QWidget*>(c.SubjectFieldText)})
        SetEnabled(w, bEnable);
    const bool distress = m_m.F.gSession.MessagePriority() == kDistressPriority;
    SetDistressColour(c.ToFieldText, distress);
    SetDistressColour(c.Editor, distress);
    if (c.ToFieldText) c.ToFieldText->setReadOnly(distress);
    SetEnabled(c.AddrbookButton, !distress);
}

void MessageEditor::ChangeViewEditor() {
    CSession& s = m_m.F.gSession;
    s.SetMessagePriority(0);
    RestoreSavedHeaderTexts();
    m_host.SetMessageLogShown(0);
    m_host.MainFormSetUp();
    EnableEditorGUI(HeaderFieldsEditable());
    m_host.ApplyIspCcBccAvailability();
    m_host.Form_Resize();
}

void MessageEditor::RestoreSavedHeaderTexts() {
    if (c.ToFieldText && c.ToFieldText->text() == kDistressToField) {
        SetAddressFieldText(To, SavedToText);
        SetAddressFieldText(Cc, SavedCcText);
        SetAddressFieldText(Bcc, SavedBccText);
        if (c.SubjectFieldText) c.SubjectFieldText->setText(SavedSubjectText);
    }
    EnableEditorGUI(HeaderFieldsEditable());
    SavedToText.clear();
    SavedCcText.clear();
    SavedBccText.clear();
    SavedSubjectText.clear();
}

void MessageEditor::ChangeToEditor() {
    if (m_m.F.gSession.MessagePriority() == kDistressPriority)
        DistressEditorButton_Click();
    else
        ChangeViewEditor();
}

void MessageEditor::EditorButton_Click() {
    ChangeViewEditor();
    m_host.HotListAdd(2001, 0);
}

void MessageEditor::DistressEditorButton_Click() {
    Foundation& f = m_m.F;
    if (f.gSession.MessagePriority() != kDistressPriority) {
        const int formerView = m_host.MessageLogShown();
        m_host.SetMessageLogShown(0);
        const QString title = MlText(f, 504, "Continue to Distress Message Editor ?");
        const QString text = MlText(f, 503,
                                    "A message with distress priority will automatically be sent to Maritime Rescue "
                                    "Coordination Centre (MRCC).") +
                             "\r\n\r\n" + title;
        const bool yes = AskDistressEditorQuestion(f, m_host.Owner(), title, text);
        // After No the window still shows the former view, so the view mode must say so too.
        if (!yes) m_host.SetMessageLogShown(formerView);
        if (yes) {
            ChangeViewEditor();
            m_host.HotListAdd(2002, 0);
            f.gSession.SetMessagePriority(kDistressPriority);
            ShowDistressEditorNotice(f, m_host.Owner(), MlText(f, 322, "Important"),
                                     MlText(f, 500, "Please make sure that the distress priority message is written "
                                                    "in English."));
            if (SavedToText.isEmpty()) SavedToText = AddressFieldText(To);
            if (SavedCcText.isEmpty()) SavedCcText = AddressFieldText(Cc);
            if (SavedBccText.isEmpty()) SavedBccText = AddressFieldText(Bcc);
            if (SavedSubjectText.isEmpty() && c.SubjectFieldText) SavedSubjectText = c.SubjectFieldText->text();
            SetAddressFieldText(To, kDistressToField);
            SetAddressFieldText(Cc, QString());
            SetAddressFieldText(Bcc, QString());
            if (c.SubjectFieldText) c.SubjectFieldText->clear();
            EnableEditorGUI(HeaderFieldsEditable());
            if (c.Editor) {
                QTextCursor cursor = c.Editor->textCursor();
                cursor.setPosition(0);
                c.Editor->setTextCursor(cursor);
            }
            InsertPosition_Click();
            insertmobilenumber_Click();
            mnuInsertVesselData_Click();
        }
    }
    if (c.Editor && c.Editor->isVisible()) c.Editor->setFocus();
}

// --- header fields and keys ---

void MessageEditor::HandleEditorShortcutKeys(int& keyCode, int shift) {
    if (keyCode == 65 && shift == kCtrl) {
        if (c.Editor) c.Editor->selectAll();
        keyCode = 0;
    } else if ((keyCode == 84 || keyCode == 190) && shift == kAlt) {
        keyCode = 0;
        ToButton_Click();
    } else if (keyCode == 67 && shift == kAlt) {
        keyCode = 0;
        CCButton_Click();
    } else if (keyCode == 66 && shift == kAlt && c.BccFieldText && c.BccFieldText->isVisible()) {
        keyCode = 0;
        BccButton_Click();
    }
}

void MessageEditor::AddressFieldKeyDown(Field field, int& keyCode, int shift) {
    QLineEdit* w = FieldWidget(field);
    if (keyCode >= 35 && keyCode <= 40) {
        keyCode = 0;
        return;
    }
    if (keyCode == 8) {
        // A locked field (the distress address) keeps its text.
        if (w && !w->isReadOnly()) {
            const QString text = w->text();
            const qsizetype at = text.lastIndexOf(QLatin1Char(';'));
            w->setText(at >= 0 ? text.left(at) : QString());
            CaretToEnd(field);
        }
        keyCode = 0;
        return;
    }
    if (field != To && m_m.F.gSession.MessagePriority() == kDistressPriority)
        QueueMessageBox(m_m.F,
                        MlText(m_m.F, 2663, "Distress priority selected; modification of this field is not possible"),
                        "Info", 0);
    if (keyCode == 13 && shift == kCtrl) {
        keyCode = 0;
        m_host.SendButton_Click();
        return;
    }
    if (keyCode == 75 && (shift == kCtrl || shift == kAlt)) {
        keyCode = 0;
        AddressField_LostFocus(field);
        CaretToEnd(field);
        return;
    }
    HandleEditorShortcutKeys(keyCode, shift);
}

void MessageEditor::SubjectFieldText_KeyDown(int& keyCode, int shift) {
    if (keyCode != 13) return;
    keyCode = 0;
    if (shift == kCtrl) {
        m_host.SendButton_Click();
        return;
    }
    if (c.Editor && c.Editor->isVisible() && c.Editor->isEnabled()) c.Editor->setFocus();
}

void MessageEditor::NormaliseAddressField(Field field) {
    QLineEdit* w = FieldWidget(field);
    if (!w) return;
    const AddressSearchResult result = ResolveAddressField(m_m, w->text(), QStringLiteral(";"), true);
    if (!FieldWidget(field)) return;  // the window went away under the chooser
    QString text;
    for (const QString& name : result.Names) {
        const QString trimmed = TrimBlanks(name).toString();
        if (!trimmed.isEmpty()) text += trimmed + QLatin1Char(';');
    }
    w->setText(text);
}

void MessageEditor::AddressField_LostFocus(Field field) {
    if (field == To && m_m.F.gSession.MessagePriority() == kDistressPriority) return;
    NormaliseAddressField(field);
}

void MessageEditor::AddressField_DblClick(Field field) {
    if (m_m.F.gSession.MessagePriority() == kDistressPriority) return;
    ShowAddressBookDialog(field == To ? "TO" : field == Cc ? "CC" : "BCC");
}

void MessageEditor::CaretToEnd(Field field) {
    if (QLineEdit* w = FieldWidget(field)) w->setCursorPosition(static_cast<int>(w->text().size()));
}

void MessageEditor::ShowAddressBookDialog(const QString& field) { tidepost::ShowAddressBookDialog(m_m, field); }

void MessageEditor::AddrbookButton_Click() {
    ShowAddressBookDialog("TO");
    m_host.HotListAdd(2014, 0);
}

void MessageEditor::Editor_Change() {
    if (m_m.F.Windows.MainForm)
        m_m.F.Windows.MainForm->SetStatusPanelText(3, QString::number(BodyText(c).size()));
}

}  // namespace tidepost
