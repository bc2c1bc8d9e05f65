#include "config/MobileNoChangeForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "config/Config.h"
#include "config/StatusDialogs.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/PeriodicPolls.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

bool IsValidMobileNumber(const QString& text) {
    if (text.size() != 9 || text.front() != QLatin1Char('4')) return false;
    for (const QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
    return true;
}

bool MobileNumberKeyPasses(const QString& current, int key, const QString& keyText) {
    if (key == Qt::Key_Backspace) return true;
    if (current.isEmpty()) return keyText == QLatin1String("4");
    return keyText.size() == 1 && keyText.front() >= QLatin1Char('0') && keyText.front() <= QLatin1Char('9');
}

MobileNoChangeForm::MobileNoChangeForm(Config& c) : CaptionedWindow(c.F, "MobileNoChangeForm", kFixedDialog), m_c(c) {
    setWindowTitle("Mobile number");
    Label2 = new QLabel("Type new Inmarsat Mobile Number:", this);
    Label2->setObjectName("Label2");
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setMaxLength(9);
    Text1->setAccessibleName(Label2->text());
    Label2->setBuddy(Text1);
    Text1->installEventFilter(this);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(Text1, 1, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, 2, 0);
    setTabOrder(Text1, OKButton);
    setTabOrder(OKButton, CancelButton);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(Text1, &QLineEdit::returnPressed, this, [this] { OKButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    AddCaption(2382, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(2383, [this](const QString& t) {
        Label2->setText(t);
        Text1->setAccessibleName(t);
    });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    FinishLoad();
    Text1->setText(QString::number(m_f.gSession.MobileNumber()));
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void MobileNoChangeForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

bool MobileNoChangeForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Keys that type nothing (moving, Tab, Enter, shortcuts) go on as usual.
        const bool types = !key->text().isEmpty() && key->text().front().isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if ((types || key->key() == Qt::Key_Backspace) && !MobileNumberKeyPasses(Text1->text(), key->key(), key->text()))
            return true;
    }
    return CaptionedWindow::eventFilter(watched, event);
}

void MobileNoChangeForm::OKButton_Click() {
    const QString product = m_f.gProductName;
    if (!m_f.gSession.MesConnected()) {
        // Said, not swallowed: the operator would otherwise think the number was sent.
        MessageBoxRequest box;
        box.text = m_f.Strings.GetMlString(2695, "Error: No transceiver commnuication");
        box.title = product;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        return;
    }
    const QString number = Text1->text();
    if (!IsValidMobileNumber(number)) {
        MessageBoxRequest box;
        box.text = m_f.Strings.GetMlString(2756, "Invalid Mobile Number!");
        box.title = QStringLiteral("Mobilenumber");
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        Text1->clear();
        return;
    }
    QueueCommand(m_c.L, QStringLiteral("se -u ") + number, true, false);
    m_f.gSession.SetMobileNumber(number.toInt());
    QueueStatusPoll(m_c.L);
    CancelButton_Click();
}

void MobileNoChangeForm::CancelButton_Click() { m_c.Status->MobileNoChangeForm.unload(); }

void MobileNoChangeForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Status->MobileNoChangeForm.unload();
}

}  // namespace tidepost
