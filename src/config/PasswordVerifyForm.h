#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Config;

// How one of the two password check dialogs is made.
struct PasswordVerifyDesign {
    const char* name;
    const char* key;  // of section "Config"
    int labelId;
    const char* label;
    int okId;
    int wrongId;
    const char* wrong;
    bool transmit;  // its field takes 20 characters and discards control characters, which run OK
};

// Asks for a stored password before the work it guards. Modeless; the right password runs the
// work and closes the dialog, a wrong one is told and the field emptied for another try.
class PasswordVerifyForm : public CaptionedWindow {
    Q_OBJECT
public:
    PasswordVerifyForm(Config& c, const PasswordVerifyDesign& design);
    // Shows it, or brings an open one forward, with the focus in `Password`.
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();

    QLabel* PasswordLabel = nullptr;
    QLineEdit* Password = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The guarded work, once the right password has been typed.
    virtual void RunGuardedWork() = 0;
    virtual void Unload() = 0;
    Config& m_c;

private:
    const PasswordVerifyDesign& m_design;
};

// "Password verification" for the configuration commands: runs the action of
// ConfigPasswordPurpose through the main window.
class VerifyConfigPasswordForm : public PasswordVerifyForm {
    Q_OBJECT
public:
    explicit VerifyConfigPasswordForm(Config& c);

protected:
    void RunGuardedWork() override;
    void Unload() override;
};

// "Password verification" before sending: opens the send dialogue.
class VerifyTransmitPasswordForm : public PasswordVerifyForm {
    Q_OBJECT
public:
    explicit VerifyTransmitPasswordForm(Config& c);

protected:
    void RunGuardedWork() override;
    void Unload() override;
};

// The send command with a transmit password stored: the field emptied, the dialog shown.
void AskTransmitPassword(Config& c);

}  // namespace tidepost
