#pragma once
#include <QDialog>
#include <QMetaObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tidepost {

struct Messages;
struct SendingChoices;

// The send dialogue: where the text comes from (the editor or a text file), whether a delivery
// confirmation is asked and the message printed, with the Russian interface the code page of the
// upload, and the land earth stations that will be used. Not modal; OK sends (SendEditorMessage,
// SendDialogue.h) and Cancel closes it. One instance (Messages::SendingForms), shown by
// ShowSendingForm.
class SendingForm : public QDialog {
    Q_OBJECT
public:
    // The load: controls, captions, character set, language notifier, code-page controls for the
    // Russian interface only, and the position over the main window.
    explicit SendingForm(Messages& m, QWidget* parent = nullptr);
    ~SendingForm() override;

    QGroupBox* Frame1;
    QRadioButton* TextInEditorOption;
    QRadioButton* FileFromDiskOption;
    QLineEdit* FileNameText;
    QCheckBox* PrintCheck;
    QCheckBox* ConfirmationCheck;
    QCheckBox* DESCheckBox;
    QGroupBox* Frame3;
    QLabel* DefaultEMailLESLabel;
    QGroupBox* Frame2;
    QLabel* DefaultLESLabel;
    QLabel* DefLesHelp;
    QLabel* CodePageLabel;
    QComboBox* CodePageSelect;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    // The confirmation box's tag: "Checked" or "UnChecked" after the operator's last click.
    QString ConfirmationCheckTag;

    // The provider with its LES and the default LES of the ocean region last logged into.
    void FillLesLabels();
    // The choices as the controls show them.
    SendingChoices Choices() const;

    // The open-file dialog for a text to send, starting in the drafts folder; the chosen path
    // trimmed, or "" when the operator cancels.
    QString SelectFileFromDisk();

    void OKButton_Click();
    void CancelButton_Click();
    void ConfirmationCheck_Click();
    void FileFromDiskOption_Click();

protected:
    // Esc and the close box cancel.
    void reject() override;

private:
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ApplyCaptions();

    Messages& m_m;
    QMetaObject::Connection ml_RuntimeSupport;
};

}  // namespace tidepost
