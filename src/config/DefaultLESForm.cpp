#include "config/DefaultLESForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "config/Config.h"
#include "foundation/ReadOnlyCombo.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

namespace {

constexpr const char* kKeys[4] = {"[Default LES West]", "[Default LES East]", "[Default LES Pacific]",
                                  "[Default LES Indian]"};
constexpr int kLabelIds[4] = {2201, 2204, 2203, 2202};
constexpr const char* kLabelTexts[4] = {"[584] &West Atlantic", "[581] &East Atlantic", "[582] &Pacific Ocean",
                                        "[583] &Indian Ocean"};

}  // namespace

void StoreDefaultLes(Foundation& f, const std::array<QString, 4>& texts) {
    for (int ocean = 0; ocean < 4; ++ocean) SetIniValue(f, kKeys[ocean], texts[ocean].left(3), ocean == 3);
    for (int ocean = 0; ocean < 4; ++ocean) f.gConfiguration.SetDefaultLes(OceanIndex(ocean), texts[ocean].left(3));
}

DefaultLESForm::DefaultLESForm(Config& c) : CaptionedWindow(c.F, "DefaultLESForm", kFixedDialog), m_c(c) {
    setWindowTitle("Default LES Selection");
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        Label[i] = new QLabel(kLabelTexts[i], this);
        Label[i]->setObjectName(QStringLiteral("Label(%1)").arg(i));
        LesList[i] = NewReadOnlyCombo(this, QStringLiteral("LesList(%1)").arg(i));
        LesList[i]->setMinimumWidth(Twips(3300));
        LesList[i]->setAccessibleName(QString(kLabelTexts[i]).remove('&'));
        Label[i]->setBuddy(LesList[i]);
        // Enter is OK, as in every dialog of one-line fields.
        connect(LesList[i]->lineEdit(), &QLineEdit::returnPressed, this, [this] { OKButton_Click(); });
        grid->addWidget(Label[i], i, 0);
        grid->addWidget(LesList[i], i, 1);
    }
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, 4, 0, 1, 2);
    for (int i = 0; i < 3; ++i) setTabOrder(LesList[i], LesList[i + 1]);
    setTabOrder(LesList[3], OKButton);
    setTabOrder(OKButton, CancelButton);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    AddCaption(2200, [this](const QString& t) { setWindowTitle(t); });
    for (int i = 0; i < 4; ++i)
        AddCaption(kLabelIds[i], [this, i](const QString& t) {
            Label[i]->setText(t);
            LesList[i]->setAccessibleName(QString(t).remove('&'));
        });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    FinishLoad();
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void DefaultLESForm::SetLesList(int ocean, const QStringList& items) {
    if (ocean < 0 || ocean > 3) return;
    const QString text = LesList[ocean]->currentText();
    LesList[ocean]->clear();
    LesList[ocean]->addItems(items);
    LesList[ocean]->setCurrentIndex(-1);
    LesList[ocean]->setEditText(text);
}

void DefaultLESForm::SetLesListText(int ocean, const QString& text) {
    if (ocean < 0 || ocean > 3) return;
    const int index = LesList[ocean]->findText(text, Qt::MatchExactly);
    LesList[ocean]->setCurrentIndex(index);
    LesList[ocean]->setEditText(text);
}

void DefaultLESForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

void DefaultLESForm::OKButton_Click() {
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i) texts[i] = LesList[i]->currentText();
    StoreDefaultLes(m_f, texts);
    CancelButton_Click();
}

void DefaultLESForm::CancelButton_Click() { m_c.DefaultLESForm.unload(); }

void DefaultLESForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.DefaultLESForm.unload();
}

}  // namespace tidepost
