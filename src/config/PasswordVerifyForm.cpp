#include "config/PasswordVerifyForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "config/Config.h"
#include "config/IConfigMainWindow.h"
#include "foundation/OkCancelButtons.h"
#include "config/PasswordChangeForm.h"
#include "config/SetupDialogs.h"
#include "config/StoredPassword.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "messages/SendDialogue.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

const PasswordVerifyDesign kConfigDesign{"VerifyConfigPasswordForm", kConfigPasswordKey, 1912,
                                         "Please enter Config Password:", 1908, 2786, "Invalid Config Password!",
                                         false};
const PasswordVerifyDesign kTransmitDesign{"VerifyTransmitPasswordForm", kTransmitPasswordKey, 2520,
                                           "Please enter Transmit Password:", 1906, 2787,
                                           "Invalid Transmit Password!", true};

}  // namespace

PasswordVerifyForm::PasswordVerifyForm(Config& c, const PasswordVerifyDesign& design)
    : CaptionedWindow(c.F, design.name, kFixedDialog), m_c(c), m_design(design) {
    setWindowTitle("Password verification");
    PasswordLabel = new QLabel(design.label, this);
    PasswordLabel->setObjectName("PasswordLabel");
    Password = NewPasswordField(this, "Password");
    Password->setAccessibleName(PasswordLabel->text());
    PasswordLabel->setBuddy(Password);
    if (design.transmit) {
        Password->setMaxLength(20);
        Password->installEventFilter(this);
    }
    const OkCancelButtons buttons = AddOkCancelButtons(
        *this, [this] { OKButton_Click(); }, [this] { CancelButton_Click(); }, true, {Password});
    OKButton = buttons.OKButton;
    CancelButton = buttons.CancelButton;
    auto* grid = new QGridLayout(this);
    grid->addWidget(PasswordLabel, 0, 0);
    grid->addWidget(Password, 1, 0);
    grid->addLayout(buttons.Row, 2, 0);
    setTabOrder(Password, OKButton);
    setTabOrder(OKButton, CancelButton);

    AddCaption(1911, [this](const QString& t) {
        setWindowTitle(t);
        KeepTitleVisible(*this);
    });
    AddCaption(design.labelId, [this](const QString& t) {
        PasswordLabel->setText(t);
        Password->setAccessibleName(t);
    });
    AddCaption(design.okId, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    FinishLoad();
    Password->setMinimumWidth(Twips(3000));
    KeepTitleVisible(*this);
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void PasswordVerifyForm::ShowForm() {
    show();
    raise();
    activateWindow();
    // Once the window system has shown it: a focus set before that can land nowhere.
    QTimer::singleShot(0, this, [field = QPointer<QLineEdit>(Password)] {
        if (field && field->isEnabled() && field->isVisible()) field->setFocus(Qt::OtherFocusReason);
    });
}

void PasswordVerifyForm::OKButton_Click() {
    if (!StoredPasswordMatches(m_f, m_design.key, Password->text())) {
        MessageBoxRequest box;
        box.text = MlText(m_f, m_design.wrongId, m_design.wrong);
        box.title = m_f.gProductName;
        box.buttons = MsgButtons::Ok;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        Password->clear();
        Password->setFocus();
        return;
    }
    Password->clear();
    RunGuardedWork();
    Unload();
}

void PasswordVerifyForm::CancelButton_Click() {
    Password->clear();
    Unload();
}

bool PasswordVerifyForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Password && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsDiscardedPasswordKey(key->key(), key->text())) {
            OKButton_Click();
            return true;
        }
    }
    return CaptionedWindow::eventFilter(watched, event);
}

void PasswordVerifyForm::closeEvent(QCloseEvent* event) {
    event->accept();
    Password->clear();
    Unload();
}

VerifyConfigPasswordForm::VerifyConfigPasswordForm(Config& c) : PasswordVerifyForm(c, kConfigDesign) {}

void VerifyConfigPasswordForm::RunGuardedWork() {
    if (m_c.MainWindow) m_c.MainWindow->RunConfigPasswordAction(m_c.Setup->ConfigPasswordPurpose);
}

void VerifyConfigPasswordForm::Unload() { m_c.Setup->VerifyConfigPasswordForm.unload(); }

VerifyTransmitPasswordForm::VerifyTransmitPasswordForm(Config& c) : PasswordVerifyForm(c, kTransmitDesign) {}

void VerifyTransmitPasswordForm::RunGuardedWork() { ShowSendingForm(m_c.M); }

void VerifyTransmitPasswordForm::Unload() { m_c.Setup->VerifyTransmitPasswordForm.unload(); }

void AskTransmitPassword(Config& c) {
    VerifyTransmitPasswordForm& form = c.Setup->VerifyTransmitPasswordForm.get();
    form.Password->clear();
    form.ShowForm();
}

}  // namespace tidepost
