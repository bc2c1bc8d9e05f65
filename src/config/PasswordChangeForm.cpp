#include "config/PasswordChangeForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config/Config.h"
#include "foundation/OkCancelButtons.h"
#include "config/SetupDialogs.h"
#include "config/StoredPassword.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

// The check dialog's field takes this many characters: a longer transmit password could never be
// typed there, and sending would stay locked.
constexpr int kTransmitPasswordLength = 20;

const PasswordChangeDesign kConfigDesign{
    "ConfigPasswordForm", kConfigPasswordKey, "OldConfigPassword", "ConfigPassword", "ConfirmConfigPassword",
    2192, "Config Password", 2193, "Old Config password:", 2195, "New Config password:", 2194,
    "Confirm Config Password:", 2606, "New Config Password Registered OK!", 2605, "Config Password Failure!", false};

const PasswordChangeDesign kTransmitDesign{
    "TransmitPasswordForm", kTransmitPasswordKey, "OldTransmitPassword", "TransmitPassword",
    "ConfirmTransmitPassword", 2516, "Transmit Password", 2517, "Old Transmit Password:", 2518,
    "New Transmit Password:", 2519, "Confirm Transmit Password:", 2784, "New Transmit Password Registered OK!", 2785,
    "Transmit Password Failure!", true};

}  // namespace

QLineEdit* NewPasswordField(QWidget* owner, const char* name) {
    auto* field = new QLineEdit(owner);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    // Each typed character shows as "*", whatever the style would draw.
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return field;
}

void KeepTitleVisible(QWidget& window) {
    // The frame's buttons and icon take about this much of the title bar.
    constexpr int kTitleBarExtra = 140;
    window.setMinimumWidth(window.fontMetrics().horizontalAdvance(window.windowTitle()) + kTitleBarExtra);
}

bool IsDiscardedPasswordKey(int key, const QString& keyText) {
    (void)key;
    if (keyText.size() != 1) return false;
    const char16_t code = keyText.front().unicode();
    return code >= 1 && code <= 15 && code != 8 && code != 9 && code != 13;
}

PasswordChangeForm::PasswordChangeForm(Config& c, const PasswordChangeDesign& design)
    : CaptionedWindow(c.F, design.name, kFixedDialog), m_c(c), m_design(design) {
    setWindowTitle(design.title);
    auto* oldLabel = new QLabel(design.oldLabel, this);
    auto* newLabel = new QLabel(design.newLabel, this);
    auto* confirmLabel = new QLabel(design.confirmLabel, this);
    OldPassword = NewPasswordField(this, design.oldName);
    NewPassword = NewPasswordField(this, design.newName);
    ConfirmPassword = NewPasswordField(this, design.confirmName);
    if (design.transmit) {
        NewPassword->setMaxLength(kTransmitPasswordLength);
        ConfirmPassword->setMaxLength(kTransmitPasswordLength);
        for (QLineEdit* field : {OldPassword, NewPassword, ConfirmPassword}) field->installEventFilter(this);
    }
    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {oldLabel, OldPassword}, {newLabel, NewPassword}, {confirmLabel, ConfirmPassword}};
    for (const auto& [label, field] : rows) {
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
    const OkCancelButtons buttons = AddOkCancelButtons(
        *this, [this] { OKButton_Click(); }, [this] { CancelButton_Click(); }, true,
        {OldPassword, NewPassword, ConfirmPassword});
    OKButton = buttons.OKButton;
    CancelButton = buttons.CancelButton;

    auto* grid = new QGridLayout(this);
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    grid->addLayout(buttons.Row, 3, 0, 1, 2);
    grid->setColumnMinimumWidth(1, Twips(2400));
    KeepTitleVisible(*this);
    setTabOrder(OldPassword, NewPassword);
    setTabOrder(NewPassword, ConfirmPassword);
    setTabOrder(ConfirmPassword, OKButton);
    setTabOrder(OKButton, CancelButton);

    AddCaption(design.titleId, [this](const QString& t) {
        setWindowTitle(t);
        KeepTitleVisible(*this);
    });
    const int labelIds[] = {design.oldLabelId, design.newLabelId, design.confirmLabelId};
    for (int row = 0; row < 3; ++row) {
        QLabel* label = rows[row].first;
        QLineEdit* field = rows[row].second;
        AddCaption(labelIds[row], [label, field](const QString& t) {
            label->setText(t);
            field->setAccessibleName(t);
        });
    }
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    FinishLoad();
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void PasswordChangeForm::ShowForm() {
    show();
    raise();
    activateWindow();
    OldPassword->setFocus();
}

void PasswordChangeForm::OKButton_Click() {
    const bool accepted = ChangeStoredPassword(m_f, m_design.key, OldPassword->text(), NewPassword->text(),
                                               ConfirmPassword->text());
    MessageBoxRequest box;
    box.text = accepted ? MlText(m_f, m_design.acceptedId, m_design.accepted)
                        : MlText(m_f, m_design.refusedId, m_design.refused);
    box.title = m_f.gProductName;
    box.buttons = MsgButtons::Ok;
    if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
    ClearFields();
    Unload();
}

void PasswordChangeForm::CancelButton_Click() {
    ClearFields();
    Unload();
}

void PasswordChangeForm::ClearFields() {
    OldPassword->clear();
    NewPassword->clear();
    ConfirmPassword->clear();
}

bool PasswordChangeForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsDiscardedPasswordKey(key->key(), key->text())) {
            // The key moves on to the next control, as Tab would.
            QWidget* next = watched == OldPassword   ? static_cast<QWidget*>(NewPassword)
                            : watched == NewPassword ? static_cast<QWidget*>(ConfirmPassword)
                                                     : static_cast<QWidget*>(OKButton);
            if (next->isEnabled() && next->isVisible()) next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return CaptionedWindow::eventFilter(watched, event);
}

void PasswordChangeForm::closeEvent(QCloseEvent* event) {
    event->accept();
    ClearFields();
    Unload();
}

ConfigPasswordForm::ConfigPasswordForm(Config& c) : PasswordChangeForm(c, kConfigDesign) {}
void ConfigPasswordForm::Unload() { m_c.Setup->ConfigPasswordForm.unload(); }

TransmitPasswordForm::TransmitPasswordForm(Config& c) : PasswordChangeForm(c, kTransmitDesign) {}
void TransmitPasswordForm::Unload() { m_c.Setup->TransmitPasswordForm.unload(); }

}  // namespace tidepost
