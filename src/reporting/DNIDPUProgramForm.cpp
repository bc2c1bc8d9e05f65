#include "reporting/DNIDPUProgramForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/WindowPlacement.h"
#include "reporting/DnidProgramSetup.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

const char* const kOceanNames[4] = {"WestLESCombo", "EastLESCombo", "PacificLESCombo", "IndianLESCombo"};
const char* const kOceanCaptions[4] = {"WEST:", "EAST:", "PACIFIC:", "INDIAN:"};
constexpr int kOceanIds[4] = {2261, 2262, 2263, 2264};
// "PU Program 1" to "PU Program 4".
constexpr int kProgramIds[4] = {2969, 2968, 2967, 2966};

QLabel* Label(const QString& text, QWidget* parent, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(name);
    return label;
}

// An hour or minute box: its numbers to choose from, or two digits typed.
QComboBox* TimeBox(int last, QWidget* parent, const QString& name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 0; n <= last; ++n) box->addItem(QString::number(n).rightJustified(2, '0'));
    box->lineEdit()->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), box));
    return box;
}

QString Spoken(const QString& caption) { return caption.trimmed(); }

}  // namespace

DNIDPUProgramForm::DNIDPUProgramForm(Reporting& r) : QDialog(nullptr, kFixedDialog), m_f(r.F), m_r(r) {
    setObjectName("DNIDPUProgramForm");
    setWindowTitle("DNID PU Programming");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* grid = new QGridLayout;
    m_columns = Label("Provider                  , LES,  DNID, Mem.", this, "ColumnTitle");
    m_columns->setFont(fixed);
    grid->addWidget(m_columns, 0, 1, 1, 4);
    for (int ocean = 0; ocean < 4; ++ocean) {
        m_oceanLabels[ocean] = Label(kOceanCaptions[ocean], this, QString("OceanLabel(%1)").arg(ocean));
        auto* list = new QComboBox(this);
        list->setObjectName(kOceanNames[ocean]);
        list->setFont(fixed);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setMinimumContentsLength(39);
        list->installEventFilter(this);
        m_oceans[ocean] = list;
        grid->addWidget(m_oceanLabels[ocean], ocean + 1, 0);
        grid->addWidget(list, ocean + 1, 1, 1, 4);
    }
    WestLESCombo = m_oceans[0];
    EastLESCombo = m_oceans[1];
    PacificLESCombo = m_oceans[2];
    IndianLESCombo = m_oceans[3];

    m_hour = Label("Hour:", this, "HourLabel");
    m_minute = Label("Minute:", this, "MinuteLabel");
    grid->addWidget(m_hour, 5, 1);
    grid->addWidget(m_minute, 5, 2);
    m_start = Label("START:", this, "StartLabel");
    StartHour = TimeBox(23, this, "StartHour");
    StartMinute = TimeBox(59, this, "StartMinute");
    StartCheck = new QCheckBox("Immediately", this);
    StartCheck->setObjectName("StartCheck");
    grid->addWidget(m_start, 6, 0);
    grid->addWidget(StartHour, 6, 1);
    grid->addWidget(StartMinute, 6, 2);
    grid->addWidget(StartCheck, 6, 3);
    m_interval = Label("INTERVAL:", this, "IntervalLabel");
    IntervalHour = TimeBox(23, this, "IntervalHour");
    IntervalMinute = TimeBox(59, this, "IntervalMinute");
    grid->addWidget(m_interval, 7, 0);
    grid->addWidget(IntervalHour, 7, 1);
    grid->addWidget(IntervalMinute, 7, 2);
    grid->setColumnStretch(4, 1);
    for (QComboBox* box : {StartHour, StartMinute, IntervalHour, IntervalMinute}) {
        // Enter in a box is OK, as in every dialog of one-line fields.
        connect(box->lineEdit(), &QLineEdit::returnPressed, this, [this] { OKButton_Click(); });
    }
    StartHour->setEditText("00");
    StartMinute->setEditText("00");
    IntervalHour->setEditText("01");
    IntervalMinute->setEditText("00");
    connect(StartCheck, &QCheckBox::clicked, this, [this] { StartCheck_Click(); });

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(true);
    OKButton->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    QWidget* order[] = {WestLESCombo, EastLESCombo, PacificLESCombo, IndianLESCombo, StartHour, StartMinute,
                        StartCheck,   IntervalHour, IntervalMinute,  OKButton,       CancelButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    m_captions = {
        {2277, [this](const QString& t) { setWindowTitle(t); }},
        {2260, [this](const QString& t) { m_columns->setText(t); }},
        {2265, [this](const QString& t) { m_start->setText(t); }},
        {2268, [this](const QString& t) { m_interval->setText(t); }},
        {2266, [this](const QString& t) { m_hour->setText(t); }},
        {2267, [this](const QString& t) { m_minute->setText(t); }},
        {2259, [this](const QString& t) { StartCheck->setText(t); }},
        {1906, [this](const QString& t) { OKButton->setText(t); }},
        {9, [this](const QString& t) { CancelButton->setText(t); }},
    };
    for (int ocean = 0; ocean < 4; ++ocean)
        m_captions.append({kOceanIds[ocean], [this, ocean](const QString& t) { m_oceanLabels[ocean]->setText(t); }});
    ApplyCaptions();
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &DNIDPUProgramForm::ml_RuntimeSupport_LanguageChanged);

    ChooseText = m_f.Strings.GetMlString(2979, "Choose DNID from list");
    if (ChooseText.isEmpty()) ChooseText = "Choose DNID from list";
    NoDnidText = m_f.Strings.GetMlString(2980, "No DNID for this ocean");
    if (NoDnidText.isEmpty()) NoDnidText = "No DNID for this ocean";
    SetData();
    adjustSize();
    CentreOverMainWindow(*this, ReportingMainWindow(r));
    WestLESCombo->setFocus();
}

void DNIDPUProgramForm::SetData() {
    for (QComboBox* list : m_oceans) {
        list->setPlaceholderText(list->count() > 0 ? ChooseText : NoDnidText);
        list->setCurrentIndex(-1);
    }
}

QString DNIDPUProgramForm::ChosenEntry(int ocean) const {
    const QComboBox* list = m_oceans.at(ocean);
    return list->currentIndex() >= 0 ? list->currentData().toString() : QString();
}

void DNIDPUProgramForm::SetProgram(int index) {
    ProgramIndex = index >= 0 && index <= 3 ? index : -1;
    QString caption;
    if (ProgramIndex >= 0) {
        caption = m_f.Strings.GetMlString(kProgramIds[ProgramIndex]);
        if (caption.isEmpty()) caption = QString("PU Program %1").arg(ProgramIndex + 1);
    } else {
        // No closed program: the dialog's own title, so the window still says what it is.
        caption = m_f.Strings.GetMlString(2277, "DNID PU Programming");
        if (caption.isEmpty()) caption = "DNID PU Programming";
    }
    setWindowTitle(caption);
}

void DNIDPUProgramForm::StartCheck_Click() {
    const bool free = !StartCheck->isChecked();
    StartHour->setEnabled(free);
    StartMinute->setEnabled(free);
}

void DNIDPUProgramForm::OKButton_Click() { SaveNewProgram(m_r); }

void DNIDPUProgramForm::CancelButton_Click() { m_r.DNIDPUProgramForms.unload(); }

void DNIDPUProgramForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    // The program it sets up stays named in the new language.
    if (ProgramIndex >= 0) SetProgram(ProgramIndex);
}

void DNIDPUProgramForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
    UpdateAccessibleNames();
}

void DNIDPUProgramForm::UpdateAccessibleNames() {
    for (int ocean = 0; ocean < 4; ++ocean) m_oceans[ocean]->setAccessibleName(Spoken(m_oceanLabels[ocean]->text()));
    const QString start = Spoken(m_start->text());
    const QString interval = Spoken(m_interval->text());
    const QString hour = Spoken(m_hour->text());
    const QString minute = Spoken(m_minute->text());
    StartHour->setAccessibleName(start + ' ' + hour);
    StartMinute->setAccessibleName(start + ' ' + minute);
    IntervalHour->setAccessibleName(interval + ' ' + hour);
    IntervalMinute->setAccessibleName(interval + ' ' + minute);
}

bool DNIDPUProgramForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // The ocean lists are chosen from, never typed into: a typed character is dropped (the
        // keys that move in a list or open it still work). OK takes no typed character either.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool typed = !text.isEmpty() && text.at(0).isPrint() && text != QLatin1String(" ");
        const bool ocean = std::find(m_oceans.begin(), m_oceans.end(), watched) != m_oceans.end();
        if (typed && (ocean || watched == OKButton)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DNIDPUProgramForm::closeEvent(QCloseEvent* event) {
    event->accept();
    CancelButton_Click();
}

void DNIDPUProgramForm::reject() { CancelButton_Click(); }

}  // namespace tidepost
