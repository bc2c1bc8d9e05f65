#include "distress/DistressGeneratorForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "distress/Distress.h"
#include "distress/GeneratorBoxValidator.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

const QString kDigits = QStringLiteral("0123456789");

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString Indexed(const char* name, int index) { return QString::fromLatin1(name) + "(" + QString::number(index) + ")"; }

// The row caption and the unit, read out together for a box: "Latitude: Deg.".
QString BoxName(const QLabel* row, const QLabel* unit) { return row->text() + " " + unit->text(); }

}  // namespace

DistressGeneratorForm::DistressGeneratorForm(Distress& d, std::function<void()> closed)
    : QDialog(nullptr, kFixedDialog), m_d(d), m_closed(std::move(closed)) {
    setObjectName("DistressGeneratorForm");
    setWindowTitle(QStringLiteral("Distress Alert Setup"));
    BuildLesFrame();
    BuildPositionFrame();
    BuildReasonFrame();

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
    layout->addWidget(LESFrame);
    layout->addWidget(PositionFrame);
    layout->addWidget(ReasonFrame);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(RadioUseGPS, &QCheckBox::clicked, this, [this] { RadioUseGPS_Click(); });

    // Top to bottom, left to right, as the frames lay them out.
    QList<QWidget*> order;
    for (QComboBox* list : DistressLesList) order.append(list);
    for (const Box& box : m_boxes) order.append(box.edit);
    order.append(RadioUseGPS);
    for (QRadioButton* option : ReasonOption) order.append(option);
    order.append({OKButton, CancelButton});
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    auto caption = [this](int id, QWidget* w) {
        m_captions.append({id, [w](const QString& t) {
                               if (auto* label = qobject_cast<QLabel*>(w)) label->setText(t);
                               else if (auto* frame = qobject_cast<QGroupBox*>(w)) frame->setTitle(t);
                               else if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(t);
                           }});
    };
    m_captions.append({2209, [this](const QString& t) { setWindowTitle(t); }});
    caption(2210, LESFrame);
    for (int i = 0; i < 4; ++i) caption(2211, LabelAutoLes[i]);
    for (int i = 0; i < 4; ++i) caption(2212 + i, LabelLES[i]);
    caption(2216, PositionFrame);
    caption(2217, RadioUseGPS);
    caption(2218, LabelUTC);
    caption(2219, LabelSpeed);
    caption(2220, LabelCourse);
    caption(2221, LabelLon);
    caption(2222, LabelLat);
    for (QLabel* label : {LabelLatDeg, LabelLonDeg, LabelCourseDeg}) caption(2223, label);
    for (QLabel* label : {LabelLatMin, LabelLonMin, LabelMin}) caption(2224, label);
    for (QLabel* label : {LabelLatHund, LabelLonHund}) caption(2225, label);
    caption(2226, LabelLatNS);
    caption(2227, LabelLonEW);
    caption(2228, LabelSpeedKnots);
    caption(2229, LabelHour);
    caption(2230, ReasonFrame);
    for (int i = 0; i < 11; ++i) caption(kDistressNatures[i].maritimeId, ReasonOption[i]);
    caption(1906, OKButton);
    caption(9, CancelButton);
    ApplyCaptions();
    connect(&d.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &DistressGeneratorForm::ml_RuntimeSupport_LanguageChanged);

    Load();
    adjustSize();
    CentreOverMainWindow(*this, d.F.Windows.MainForm ? d.F.Windows.MainForm->Form() : nullptr);
    for (QWidget* w : order)
        if (w->isEnabled() && !w->isHidden()) {
            w->setFocus();
            break;
        }
}

void DistressGeneratorForm::BuildLesFrame() {
    LESFrame = new QGroupBox(QStringLiteral("Land Earth Stations:"), this);
    LESFrame->setObjectName("LESFrame");
    auto* grid = new QGridLayout(LESFrame);
    const char* oceans[] = {"Atlantic Ocean Region West:", "Atlantic Ocean Region East:", "Pacific Ocean Region:",
                            "Indian Ocean Region:"};
    for (int i = 0; i < 4; ++i) {
        LabelLES[i] = MakeLabel(LESFrame, Indexed("LabelLES", i), QString::fromLatin1(oceans[i]));
        DistressLesList[i] = new QComboBox(LESFrame);
        DistressLesList[i]->setObjectName(Indexed("DistressLesList", i));
        DistressLesList[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        LabelAutoLes[i] = MakeLabel(LESFrame, Indexed("LabelAutoLes", i),
                                    QStringLiteral("LES automatically selected by mobile"));
        LabelLES[i]->setBuddy(DistressLesList[i]);
        grid->addWidget(LabelLES[i], i, 0);
        grid->addWidget(DistressLesList[i], i, 1);
        grid->addWidget(LabelAutoLes[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
}

void DistressGeneratorForm::BuildPositionFrame() {
    PositionFrame = new QGroupBox(QStringLiteral("Position:"), this);
    PositionFrame->setObjectName("PositionFrame");
    auto* grid = new QGridLayout(PositionFrame);
    int next = 0;
    auto box = [this, &next](const char* name, QLabel* row, QLabel* unit, const QString& allowed, int maxLength,
                             bool capitals) {
        auto* edit = new QLineEdit(PositionFrame);
        edit->setObjectName(name);
        auto* validator = new GeneratorBoxValidator(edit, allowed, maxLength, capitals);
        edit->setValidator(validator);
        const int chars = maxLength < 0 ? 5 : maxLength + 1;
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(chars, '0')) + 16);
        unit->setBuddy(edit);
        m_boxes[next++] = {edit, validator, row, unit};
        return edit;
    };
    auto label = [this](const char* name, const char* text) {
        return MakeLabel(PositionFrame, QString::fromLatin1(name), QString::fromLatin1(text));
    };
    LabelLat = label("LabelLat", "Latitude:");
    LabelLatDeg = label("LabelLatDeg", "Deg.");
    LabelLatMin = label("LabelLatMin", "Min.");
    LabelLatHund = label("LabelLatHund", "Min/100");
    LabelLatNS = label("LabelLatNS", "N/S");
    LabelLon = label("LabelLon", "Longitude:");
    LabelLonDeg = label("LabelLonDeg", "Deg.");
    LabelLonMin = label("LabelLonMin", "Min.");
    LabelLonHund = label("LabelLonHund", "Min/100");
    LabelLonEW = label("LabelLonEW", "W/E");
    LabelCourse = label("LabelCourse", "Course:");
    LabelCourseDeg = label("LabelCourseDeg", "Deg.");
    LabelSpeed = label("LabelSpeed", "Speed:");
    LabelSpeedKnots = label("LabelSpeedKnots", "Knots");
    LabelUTC = label("LabelUTC", "Updated at UTC:");
    LabelHour = label("LabelHour", "Hour");
    LabelMin = label("LabelMin", "Min.");

    LatDegText = box("LatDegText", LabelLat, LabelLatDeg, kDigits, 3, false);
    LatMinText = box("LatMinText", LabelLat, LabelLatMin, kDigits, 2, false);
    LatHundText = box("LatHundText", LabelLat, LabelLatHund, kDigits, 3, false);
    NordSydText = box("NordSydText", LabelLat, LabelLatNS, QStringLiteral("NS"), 1, true);
    LonDegText = box("LonDegText", LabelLon, LabelLonDeg, kDigits, 3, false);
    LonMinText = box("LonMinText", LabelLon, LabelLonMin, kDigits, 2, false);
    LonHundText = box("LonHundText", LabelLon, LabelLonHund, kDigits, 3, false);
    OestVestText = box("OestVestText", LabelLon, LabelLonEW, QStringLiteral("EW"), 1, true);
    CourseText = box("CourseText", LabelCourse, LabelCourseDeg, kDigits, 3, false);
    SpeedText = box("SpeedText", LabelSpeed, LabelSpeedKnots, kDigits, -1, false);
    TOPHourText = box("TOPHourText", LabelUTC, LabelHour, kDigits, 2, false);
    TOPMinText = box("TOPMinText", LabelUTC, LabelMin, kDigits, 2, false);
    LabelLat->setBuddy(LatDegText);
    LabelLon->setBuddy(LonDegText);
    LabelCourse->setBuddy(CourseText);
    LabelSpeed->setBuddy(SpeedText);
    LabelUTC->setBuddy(TOPHourText);

    // Each row: its caption, then each box followed by its unit.
    const QList<QList<QWidget*>> rows = {
        {LabelLat, LatDegText, LabelLatDeg, LatMinText, LabelLatMin, LatHundText, LabelLatHund, NordSydText, LabelLatNS},
        {LabelLon, LonDegText, LabelLonDeg, LonMinText, LabelLonMin, LonHundText, LabelLonHund, OestVestText, LabelLonEW},
        {LabelCourse, CourseText, LabelCourseDeg},
        {LabelSpeed, SpeedText, LabelSpeedKnots},
        {LabelUTC, TOPHourText, LabelHour, TOPMinText, LabelMin},
    };
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[r].size()); ++c) grid->addWidget(rows[r][c], r, c);
    RadioUseGPS = new QCheckBox(QStringLiteral("Always use latest position from GPS"), PositionFrame);
    RadioUseGPS->setObjectName("RadioUseGPS");
    grid->addWidget(RadioUseGPS, int(rows.size()), 0, 1, 9);
}

void DistressGeneratorForm::BuildReasonFrame() {
    ReasonFrame = new QGroupBox(QStringLiteral("Nature of Distress:"), this);
    ReasonFrame->setObjectName("ReasonFrame");
    auto* grid = new QGridLayout(ReasonFrame);
    auto* group = new QButtonGroup(ReasonFrame);
    for (int i = 0; i < 11; ++i) {
        ReasonOption[i] = new QRadioButton(QString::fromLatin1(kDistressNatures[i].maritime), ReasonFrame);
        ReasonOption[i]->setObjectName(Indexed("ReasonOption", i));
        // The letter the transceiver takes for this nature.
        ReasonOption[i]->setProperty("Tag", QString(QLatin1Char(kDistressNatures[i].letter)));
        group->addButton(ReasonOption[i], i);
        grid->addWidget(ReasonOption[i], i / 2, i % 2);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { ReasonOption_Click(id); });
}

void DistressGeneratorForm::Load() {
    const GeneratorDialogLoad load = LoadGeneratorDialog(m_d.F, m_d.GeneratorValues);
    m_natureEnabled = load.natureEnabled;
    EnableNatureOptions(true);
    RadioUseGPS->setVisible(load.gpsVisible);
    RadioUseGPS->setChecked(load.gpsChecked);
    EnablePositionFields(!load.gpsChecked);
    for (int i = 0; i < 4; ++i) {
        const GeneratorLesList& list = load.lists[i];
        QComboBox* combo = DistressLesList[i];
        combo->clear();
        combo->addItems(list.entries);
        combo->setCurrentIndex(list.selected);
        combo->setEnabled(list.enabled);
        combo->setVisible(list.visible);
        LabelAutoLes[i]->setVisible(!list.visible);
    }
    ReasonOption[load.nature]->setChecked(true);
    ReasonOption_Click(load.nature);
    const DistressGeneratorValues& v = load.boxes;
    const QString* texts[] = {&v.LatDeg, &v.LatMin, &v.LatHund, &v.NordSyd, &v.LonDeg, &v.LonMin,
                              &v.LonHund, &v.OestVest, &v.Course, &v.Speed, &v.TOPHour, &v.TOPMin};
    for (int i = 0; i < 12; ++i) m_boxes[i].validator->Load(*texts[i]);
    UpdateAccessibleNames();
}

GeneratorDialogInput DistressGeneratorForm::Input() const {
    GeneratorDialogInput input;
    for (int i = 0; i < 4; ++i) input.lesEntries[i] = DistressLesList[i]->currentText();
    input.nature = SelectedNature;
    input.useGps = RadioUseGPS->isChecked();
    DistressGeneratorValues& v = input.boxes;
    v.Nature = QString(QLatin1Char(kDistressNatures[SelectedNature].letter));
    v.LatDeg = LatDegText->text();
    v.LatMin = LatMinText->text();
    v.LatHund = LatHundText->text();
    v.NordSyd = NordSydText->text();
    v.LonDeg = LonDegText->text();
    v.LonMin = LonMinText->text();
    v.LonHund = LonHundText->text();
    v.OestVest = OestVestText->text();
    v.Course = CourseText->text();
    v.Speed = SpeedText->text();
    v.TOPHour = TOPHourText->text();
    v.TOPMin = TOPMinText->text();
    return input;
}

void DistressGeneratorForm::EnableNatureOptions(bool bEnable) {
    for (int i = 0; i < 11; ++i) ReasonOption[i]->setEnabled(bEnable && m_natureEnabled[i]);
}

void DistressGeneratorForm::EnablePositionFields(bool bEnable) {
    for (const Box& box : m_boxes) {
        box.edit->setEnabled(bEnable);
        box.unit->setEnabled(bEnable);
    }
    for (QLabel* row : {LabelLat, LabelLon, LabelCourse, LabelSpeed, LabelUTC}) row->setEnabled(bEnable);
    if (bEnable && m_d.F.gSession.MobileType() == 5) EnableNatureOptions(true);
}

void DistressGeneratorForm::RadioUseGPS_Click() { EnablePositionFields(!RadioUseGPS->isChecked()); }

void DistressGeneratorForm::ReasonOption_Click(int Index) { SelectedNature = Index; }

void DistressGeneratorForm::OKButton_Click() {
    using Step = GeneratorOkPlan::Step;
    const GeneratorOkPlan plan = PlanGeneratorOk(m_d.F, Input());
    switch (plan.step) {
    case Step::Refused: ShowRefusal(*plan.refusal); return;
    case Step::NoOcean:
        ShowInfoBox(2631, "Can not set distress generator. Please log in to an Ocean region and try again", 12, "Info",
                    false);
        return;
    case Step::LinkDown:
        // The settings cannot reach the unit: the operator must know before the window goes.
        ShowInfoBox(2695, "Error: No transceiver commnuication", 2697, "Information!", true);
        if (m_closing) return;
        break;
    case Step::Send: break;
    }
    CarryOutGeneratorPlan(m_d, plan);
    Close();
}

void DistressGeneratorForm::CancelButton_Click() { Close(); }

void DistressGeneratorForm::reject() { CancelButton_Click(); }

void DistressGeneratorForm::Close() {
    m_closing = true;
    if (m_closed) m_closed();
    else hide();
}

void DistressGeneratorForm::ShowRefusal(const PositionRefusal& refusal) {
    MessageBoxRequest box;
    box.text = refusal.text;
    box.title = ValidationTitle(m_d.F);
    box.buttons = refusal.okCancel ? MsgButtons::OkCancel : MsgButtons::Ok;
    const MsgAnswer answer = m_d.F.Os.Boxes ? m_d.F.Os.Boxes->Show(box, this) : MsgAnswer::Ok;
    if (m_closing) return;
    if (refusal.okCancel && answer != MsgAnswer::Ok) return;
    auto* edit = findChild<QLineEdit*>(refusal.box);
    if (edit == nullptr) return;
    if (edit->isEnabled() && edit->isVisible()) edit->setFocus();
    edit->selectAll();
}

void DistressGeneratorForm::ShowInfoBox(int textId, const char* text, int titleId, const char* title, bool stop) {
    MessageBoxRequest box;
    box.text = MlText(m_d.F, textId, QString::fromLatin1(text));
    box.title = MlText(m_d.F, titleId, QString::fromLatin1(title));
    box.buttons = MsgButtons::Ok;
    box.icon = stop ? MsgIcon::Critical : MsgIcon::None;
    if (m_d.F.Os.Boxes) m_d.F.Os.Boxes->Show(box, this);
}

void DistressGeneratorForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_d.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void DistressGeneratorForm::ApplyCaptions() {
    ApplyCaptionList(m_d.F, m_captions);
    m_d.F.Strings.ApplyLanguageCharset(this);
    UpdateAccessibleNames();
}

void DistressGeneratorForm::UpdateAccessibleNames() {
    for (const Box& box : m_boxes)
        if (box.edit) box.edit->setAccessibleName(BoxName(box.row, box.unit));
    for (int i = 0; i < 4; ++i)
        if (DistressLesList[i]) DistressLesList[i]->setAccessibleName(LabelLES[i]->text());
}

}  // namespace tidepost
