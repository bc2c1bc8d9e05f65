#include "config/LesEditForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "config/Config.h"
#include "config/FileFieldValidator.h"
#include "config/LESConfigForm.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

// The station number of the caption, when it is one: digits only and a valid LES id.
int ValidLesNumber(const QString& caption) {
    const QString text = TrimBlanks(caption).toString();
    if (!IsAllDigits(text) || text.size() > 5) return 0;
    const int number = text.toInt();
    return IsValidLesId(number) ? number : 0;
}

}  // namespace

LesEditForm::LesEditForm(Config& c) : CaptionedWindow(c.F, "LesEditForm", kFixedDialog), m_c(c) {
    setWindowTitle("Change LES Name");
    LesNoLabel = new QLabel("LES Number:", this);
    LesNoLabel->setObjectName("LesNoLabel");
    LesNo = new QLabel(this);
    LesNo->setObjectName("LesNo");
    LesNo->setTextFormat(Qt::PlainText);
    LESNameLabel = new QLabel("LES &Name:", this);
    LESNameLabel->setObjectName("LESNameLabel");
    LESName = new QLineEdit(this);
    LESName->setObjectName("LESName");
    LESName->setAccessibleName("LES Name:");
    LESName->setValidator(new FileFieldValidator(LESName));
    LESNameLabel->setBuddy(LESName);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    InfoButton = new QPushButton("Info", this);
    InfoButton->setObjectName("InfoButton");

    auto* grid = new QGridLayout(this);
    grid->addWidget(LesNoLabel, 0, 0);
    grid->addWidget(LesNo, 0, 1);
    grid->addWidget(LESNameLabel, 1, 0);
    grid->addWidget(LESName, 1, 1);
    LESName->setMinimumWidth(Twips(3000));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(InfoButton);
    grid->addLayout(buttons, 2, 0, 1, 2);
    setTabOrder(LESName, OKButton);
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, InfoButton);

    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(InfoButton, &QPushButton::clicked, this, [this] { InfoButton_Click(); });
    connect(LESName, &QLineEdit::returnPressed, this, [this] { OKButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    AddCaption(2343, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(12, [this](const QString& t) { InfoButton->setText(t); });
    AddCaption(2346, [this](const QString& t) {
        LesNoLabel->setText(t);
        LesNo->setAccessibleName(t);
    });
    AddCaption(2345, [this](const QString& t) {
        LESNameLabel->setText(t);
        LESName->setAccessibleName(t);
    });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    FinishLoad();
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void LesEditForm::LoadLes(const QString& strLesNo, const QString& strLesName) {
    LesNo->setText(strLesNo);
    LESName->setText(strLesName);
    m_tag = LESName->text();
    m_answered = false;
    const qint64 number = LeadingNumber(strLesNo);
    const bool here = number >= 0 && number <= 32767 && m_f.gSession.MesConnected() &&
                      m_f.gSession.CurrentOcean() == GetOceanOfLes(int(number));
    InfoButton->setEnabled(here);
}

QString LesEditForm::ChosenName() const { return m_answered ? LESName->text().trimmed() : QString(); }

void LesEditForm::OKButton_Click() {
    m_answered = true;
    hide();
}

void LesEditForm::CancelButton_Click() {
    LESName->setText(m_tag);
    OKButton_Click();
}

void LesEditForm::InfoButton_Click() {
    const int number = ValidLesNumber(LesNo->text());
    if (number == 0) {
        MessageBoxRequest box;
        box.text = MlText(m_f, 2653, "Error, invalid LES ID");
        box.title = MlText(m_f, 2544, "Error");
        box.icon = MsgIcon::Critical;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        if (tidepost::LESConfigForm* lists = m_c.LESConfigForm.loaded()) lists->DeleteMarkedLES(EditOcean);
        CancelButton_Click();
        return;
    }
    if (!m_f.gSession.MesConnected() || m_f.gSession.CurrentOcean() != GetOceanOfLes(number)) return;
    QueueCommand(m_c.L, "status -n", true, false);
    if (m_c.L.Windows.Window) m_c.L.Windows.Window->ShowWaitForm();
}

void LesEditForm::closeEvent(QCloseEvent* event) {
    // Closed through its frame: the modal wait ends, and the name stays as it was.
    m_answered = false;
    event->accept();
}

}  // namespace tidepost
