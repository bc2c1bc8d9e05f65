#include "distress/Option112Form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "distress/Distress.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/ReadOnlyCombo.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

QComboBox* NewPickOnlyCombo(QWidget* parent, const char* name) {
    QComboBox* combo = NewReadOnlyCombo(parent, QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

}  // namespace

Option112Form::Option112Form(Distress& d, std::function<void()> closed)
    : QDialog(nullptr, kFixedDialog), m_d(d), m_closed(std::move(closed)) {
    setObjectName("Option112Form");
    setWindowTitle(QStringLiteral("Landmobile Alert Settings"));
    const char* texts[] = {"Atlantic Ocean Region West LES", "Atlantic Ocean Region East LES", "Pacific Ocean Region LES",
                           "Indian Ocean Region LES"};
    const char* comboNames[] = {"AORWCombo", "AORECombo", "PORCombo", "IORCombo"};
    auto* grid = new QGridLayout;
    std::array<QComboBox*, 4> combos{};
    for (int i = 0; i < 4; ++i) {
        Labels[i] = new QLabel(QString::fromLatin1(texts[i]), this);
        Labels[i]->setObjectName("Label" + QString::number(i + 1));
        combos[i] = NewPickOnlyCombo(this, comboNames[i]);
        Labels[i]->setBuddy(combos[i]);
        grid->addWidget(Labels[i], i, 0);
        grid->addWidget(combos[i], i, 1);
    }
    AORWCombo = combos[0];
    AORECombo = combos[1];
    PORCombo = combos[2];
    IORCombo = combos[3];
    NatureOfDistressLbl = new QLabel(QStringLiteral("Distress nature :"), this);
    NatureOfDistressLbl->setObjectName("NatureOfDistressLbl");
    DistressNatureCombo = NewPickOnlyCombo(this, "DistressNatureCombo");
    NatureOfDistressLbl->setBuddy(DistressNatureCombo);
    grid->addWidget(NatureOfDistressLbl, 4, 0);
    grid->addWidget(DistressNatureCombo, 4, 1);
    grid->setColumnStretch(1, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    setTabOrder(AORWCombo, AORECombo);
    setTabOrder(AORECombo, PORCombo);
    setTabOrder(PORCombo, IORCombo);
    setTabOrder(IORCombo, DistressNatureCombo);
    setTabOrder(DistressNatureCombo, OKButton);
    setTabOrder(OKButton, CancelButton);

    m_captions = {
        {2397, [this](const QString& t) { setWindowTitle(t); }},
        {9, [this](const QString& t) { CancelButton->setText(t); }},
        {2402, [this](const QString& t) { Labels[0]->setText(t); }},
        {2401, [this](const QString& t) { Labels[1]->setText(t); }},
        {2400, [this](const QString& t) { Labels[2]->setText(t); }},
        {2399, [this](const QString& t) { Labels[3]->setText(t); }},
        {2398, [this](const QString& t) { NatureOfDistressLbl->setText(t); }},
        {1906, [this](const QString& t) { OKButton->setText(t); }},
    };
    ApplyCaptions();
    connect(&d.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &Option112Form::ml_RuntimeSupport_LanguageChanged);
    adjustSize();
    CentreOverMainWindow(*this, d.F.Windows.MainForm ? d.F.Windows.MainForm->Form() : nullptr);
    AORWCombo->setFocus();
}

QComboBox* Option112Form::LesCombo(int ocean) const {
    const std::array<QComboBox*, 4> combos = {AORWCombo, AORECombo, PORCombo, IORCombo};
    return ocean >= 0 && ocean < 4 ? combos[ocean] : nullptr;
}

void Option112Form::SetLists(const LmAlertLists& lists) {
    DistressNatureCombo->clear();
    DistressNatureCombo->addItems(lists.natures);
    for (int i = 0; i < 4; ++i) {
        LesCombo(i)->clear();
        LesCombo(i)->addItems(lists.lesLists[i]);
    }
    adjustSize();
}

void Option112Form::OKButton_Click() {
    std::array<QString, 4> les;
    for (int i = 0; i < 4; ++i) les[i] = LesCombo(i)->currentText();
    const LmAlertOkPlan plan = PlanLmAlertOk(m_d.F, les, DistressNatureCombo->currentText());
    if (plan.refused) {
        MessageBoxRequest box;
        box.text = MlText(m_d.F, 2653, QStringLiteral("Error, invalid LES ID"));
        box.title = MlText(m_d.F, 2652, QStringLiteral("Invalid LES ID"));
        box.icon = MsgIcon::Critical;
        if (m_d.F.Os.Boxes) m_d.F.Os.Boxes->Show(box, this);
        return;
    }
    for (const QString& command : plan.commands) QueueCommand(m_d.L, command, true, false);
    Close();
}

void Option112Form::CancelButton_Click() { Close(); }

void Option112Form::reject() { CancelButton_Click(); }

void Option112Form::Close() {
    if (m_closed) m_closed();
    else hide();
}

void Option112Form::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_d.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void Option112Form::ApplyCaptions() {
    ApplyCaptionList(m_d.F, m_captions);
    m_d.F.Strings.ApplyLanguageCharset(this);
    for (int i = 0; i < 4; ++i) LesCombo(i)->setAccessibleName(Labels[i]->text());
    DistressNatureCombo->setAccessibleName(NatureOfDistressLbl->text());
}

}  // namespace tidepost
