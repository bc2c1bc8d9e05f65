#include "config/DefaultISPForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "config/Config.h"
#include "config/DefaultIsp.h"
#include "foundation/ReadOnlyCombo.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

DefaultISPForm::DefaultISPForm(Config& c) : CaptionedWindow(c.F, "DefaultISPForm", kFixedDialog), m_c(c) {
    setWindowTitle("Set Default ISP");
    ISPLabel = new QLabel("Default &ISP:", this);
    ISPLabel->setObjectName("ISPLabel");
    ISPComboBox = NewReadOnlyCombo(this, "ISPComboBox");
    ISPComboBox->setAccessibleName("Default ISP:");
    ISPComboBox->setMinimumWidth(Twips(3600));
    ISPLabel->setBuddy(ISPComboBox);
    // Enter is OK, as in every dialog of one-line fields.
    connect(ISPComboBox->lineEdit(), &QLineEdit::returnPressed, this, [this] { OKButton_Click(); });
    CheckSetDefaultLES = new QCheckBox("&Set Default LES's to ISP settings.", this);
    CheckSetDefaultLES->setObjectName("CheckSetDefaultLES");
    CheckSetDefaultLES->setChecked(true);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    auto* grid = new QGridLayout(this);
    grid->addWidget(ISPLabel, 0, 0);
    grid->addWidget(ISPComboBox, 0, 1);
    grid->addWidget(CheckSetDefaultLES, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, 2, 0, 1, 2);
    setTabOrder(ISPComboBox, CheckSetDefaultLES);
    setTabOrder(CheckSetDefaultLES, OKButton);
    setTabOrder(OKButton, CancelButton);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    AddCaption(2198, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2945, [this](const QString& t) { CheckSetDefaultLES->setText(t); });
    AddCaption(2199, [this](const QString& t) {
        ISPLabel->setText(t);
        ISPComboBox->setAccessibleName(t);
    });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    FinishLoad();

    const DefaultIspChoices choices = LoadDefaultIspChoices(m_f);
    ISPComboBox->addItems(choices.Names);
    ISPComboBox->setCurrentIndex(ISPComboBox->findText(choices.Current, Qt::MatchExactly));
    ISPComboBox->setEditText(choices.Current);
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void DefaultISPForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

void DefaultISPForm::OKButton_Click() {
    const QString name = ISPComboBox->currentText();
    const bool setLes = CheckSetDefaultLES->isChecked();
    // Closed first, as Cancel closes it; the layout that follows sees the new default.
    m_c.DefaultISPForm.unload();
    StoreDefaultIsp(m_c, name, setLes);
}

void DefaultISPForm::CancelButton_Click() { m_c.DefaultISPForm.unload(); }

void DefaultISPForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.DefaultISPForm.unload();
}

}  // namespace tidepost
