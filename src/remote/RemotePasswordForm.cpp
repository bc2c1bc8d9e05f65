#include "remote/RemotePasswordForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"
#include "remote/RemotePassword.h"
#include "remote/Remote.h"

namespace tidepost {

namespace {

QLineEdit* PasswordField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

QLabel* FieldLabel(QWidget* parent, const char* name, const QString& text, QLineEdit* field) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(field);
    field->setAccessibleName(QString(text).remove(u'&'));
    return label;
}

}  // namespace

RemotePasswordForm::RemotePasswordForm(Remote& r) : QDialog(nullptr, kFixedDialog), m_r(r) {
    setObjectName("RemotePasswordForm");
    setWindowTitle("Remote Password");
    OldRemotePassword = PasswordField(this, "OldRemotePassword");
    RemotePassword = PasswordField(this, "RemotePassword");
    ConfirmRemotePassword = PasswordField(this, "ConfirmRemotePassword");
    OldRemotePasswordLabel = FieldLabel(this, "OldRemotePasswordLabel", "&Old Remote Password:", OldRemotePassword);
    RemotePasswordLabel = FieldLabel(this, "RemotePasswordLabel", "&New Remote Password:", RemotePassword);
    ConfirmRemotePasswordLabel =
        FieldLabel(this, "ConfirmRemotePasswordLabel", "&Confirm Remote Password:", ConfirmRemotePassword);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const std::pair<QLabel*, QLineEdit*> rows[] = {{OldRemotePasswordLabel, OldRemotePassword},
                                                   {RemotePasswordLabel, RemotePassword},
                                                   {ConfirmRemotePasswordLabel, ConfirmRemotePassword}};
    int row = 0;
    for (const auto& [label, field] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        field->setMinimumWidth(Twips(2400));
        field->installEventFilter(this);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, row, 0, 1, 2);
    setTabOrder(OldRemotePassword, RemotePassword);
    setTabOrder(RemotePassword, ConfirmRemotePassword);
    setTabOrder(ConfirmRemotePassword, OKButton);
    setTabOrder(OKButton, CancelButton);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });

    // A caption keeps its access key where the translation has none of its own.
    auto labelCaption = [](QLabel* label, QLineEdit* field, const QChar key) {
        return [label, field, key](const QString& t) {
            QString text = t;
            if (!text.contains(u'&')) {
                const qsizetype at = text.indexOf(key, 0, Qt::CaseInsensitive);
                text.insert(at < 0 ? 0 : at, u'&');
            }
            label->setText(text);
            field->setAccessibleName(t);
        };
    };
    m_captions = {
        {2418, [this](const QString& t) { setWindowTitle(t); }},
        {2419, labelCaption(OldRemotePasswordLabel, OldRemotePassword, u'O')},
        {2420, labelCaption(RemotePasswordLabel, RemotePassword, u'N')},
        {2421, labelCaption(ConfirmRemotePasswordLabel, ConfirmRemotePassword, u'C')},
        {1906, [this](const QString& t) { OKButton->setText(t); }},
        {9, [this](const QString& t) { CancelButton->setText(t); }},
    };
    ApplyCaptions();
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &RemotePasswordForm::ml_RuntimeSupport_LanguageChanged);
    adjustSize();
    CentreOverMainWindow(*this, r.F.Windows.MainForm ? r.F.Windows.MainForm->Form() : nullptr);
    OldRemotePassword->setFocus();
}

void RemotePasswordForm::ApplyCaptions() {
    ApplyCaptionList(m_r.F, m_captions);
    m_r.F.Strings.ApplyLanguageCharset(this);
}

void RemotePasswordForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_r.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    adjustSize();
}

void RemotePasswordForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

bool RemotePasswordForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab and Enter keep their usual meaning (next field, the default button).
        const bool usual = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Return ||
                           key->key() == Qt::Key_Enter;
        if (!usual && key->text().size() == 1 && RemotePasswordKeyMovesOn(key->text().front())) {
            QWidget* next = watched == OldRemotePassword ? static_cast<QWidget*>(RemotePassword)
                            : watched == RemotePassword  ? static_cast<QWidget*>(ConfirmRemotePassword)
                            : watched == ConfirmRemotePassword ? static_cast<QWidget*>(OKButton)
                                                               : nullptr;
            if (next && next->isEnabled() && next->isVisible()) next->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RemotePasswordForm::OKButton_Click() {
    const RemotePasswordChange outcome = ChangeRemotePassword(m_r.F, OldRemotePassword->text(), RemotePassword->text(),
                                                              ConfirmRemotePassword->text());
    MessageBoxRequest box;
    box.text = RemotePasswordChangeText(m_r.F, outcome);
    box.title = m_r.F.gProductName;
    if (m_r.F.Os.Boxes) m_r.F.Os.Boxes->Show(box, this);
    OldRemotePassword->clear();
    CancelButton_Click();
}

void RemotePasswordForm::CancelButton_Click() {
    RemotePassword->clear();
    ConfirmRemotePassword->clear();
    m_r.RemotePasswordForms.unload();
}

void RemotePasswordForm::reject() { CancelButton_Click(); }

void RemotePasswordForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_r.RemotePasswordForms.unload();
}

void ShowRemotePasswordForm(Remote& r) { r.RemotePasswordForms.get().ShowForm(); }

}  // namespace tidepost
