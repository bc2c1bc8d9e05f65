#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Config;

// How one of the two password change dialogs is made: its names, texts, stored key and keys.
struct PasswordChangeDesign {
    const char* name;
    const char* key;  // of section "Config"
    const char* oldName;
    const char* newName;
    const char* confirmName;
    int titleId;
    const char* title;
    int oldLabelId;
    const char* oldLabel;
    int newLabelId;
    const char* newLabel;
    int confirmLabelId;
    const char* confirmLabel;
    int acceptedId;
    const char* accepted;
    int refusedId;
    const char* refused;
    // The transmit dialog: control characters move on instead of typing, and a new password is at
    // most as long as its check dialog's field takes.
    bool transmit;
};

// Changes a stored password: old, new and confirmation. Modeless; OK tells the outcome and closes
// either way, Cancel stores nothing. The fields show "*" and are emptied when it closes.
class PasswordChangeForm : public CaptionedWindow {
    Q_OBJECT
public:
    PasswordChangeForm(Config& c, const PasswordChangeDesign& design);
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();

    QLineEdit* OldPassword = nullptr;
    QLineEdit* NewPassword = nullptr;
    QLineEdit* ConfirmPassword = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Lets this dialog's one instance go.
    virtual void Unload() = 0;
    Config& m_c;

private:
    void ClearFields();
    const PasswordChangeDesign& m_design;
};

// "Config Password".
class ConfigPasswordForm : public PasswordChangeForm {
    Q_OBJECT
public:
    explicit ConfigPasswordForm(Config& c);

protected:
    void Unload() override;
};

// "Transmit Password".
class TransmitPasswordForm : public PasswordChangeForm {
    Q_OBJECT
public:
    explicit TransmitPasswordForm(Config& c);

protected:
    void Unload() override;
};

// A password field: every character shown as "*".
QLineEdit* NewPasswordField(QWidget* owner, const char* name);
// A small dialog at least as wide as its title needs, so the title is not cut short.
void KeepTitleVisible(QWidget& window);

// Whether a key typed into a transmit password field is a control character (codes 1 to 15) that
// the field discards: Backspace, Tab and Enter keep their roles.
bool IsDiscardedPasswordKey(int key, const QString& keyText);

}  // namespace tidepost
