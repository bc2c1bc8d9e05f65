#include "egc/EGCForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

#include "egc/Egc.h"
#include "egc/EgcSetup.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

struct TypeBox {
    const char* name;
    int stringId;
    const char* caption;
};
// In the order of the message-type letters.
constexpr std::array<TypeBox, 10> kTypeBoxes = {{
    {"NavWarningCheck", 2291, "Navigational Warnings"},
    {"MetWarningCheck", 2290, "Meteological Warnings"},
    {"IceReportsCheck", 2289, "Ice Reports"},
    {"SARCheck", 2288, "Search And Rescue"},
    {"MetForecastCheck", 2287, "Meteological Forecasts"},
    {"PilotServiceCheck", 2286, "Pilot Service"},
    {"LORANCheck", 2285, "LORAN"},
    {"SATNAVCheck", 2284, "SATNAV"},
    {"OtherNavaidCheck", 2283, "Other Navaid"},
    {"AddNavWarningCheck", 2282, "Additional Navigational Warnings"},
}};

QFrame* Line(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

}  // namespace

EGCForm::EGCForm(Egc& e) : CaptionedWindow(e.F, "EGCForm", kFixedDialog), m_e(e) {
    setWindowTitle("EGC Setup");
    auto check = [this](const char* name, const QString& text) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(name);
        return box;
    };
    EGCOnlyCheck = check("EGCOnlyCheck", "EGC Receiver Only");
    AddNavareaCheck = check("AddNavareaCheck", "Additional NAVAREA(s) / METAREA(s)");
    for (int i = 0; i < 4; ++i) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(Indexed("AdditionalNAVAREACombo", i));
        combo->installEventFilter(this);
        AdditionalNAVAREACombo[i] = combo;
        combo->addItem(MlText(m_f, 2947, "None"));
        for (int n = 1; n <= 99; ++n) combo->addItem(QString::number(n));
        combo->setCurrentIndex(-1);
    }
    SystemMessageCheck = check("SystemMessageCheck", "System Messages");
    SafetyNETCheck = check("SafetyNETCheck", "SafetyNET");
    Label10 = new QLabel("[Coastal Warning Areas settings]", this);
    Label10->setObjectName("Label10");
    Label4 = new QLabel("Coastal Warning Areas [A..Z]:", this);
    Label4->setObjectName("Label4");
    CoastalWarningAreasText = new QLineEdit(kAllCoastalAreas, this);
    CoastalWarningAreasText->setObjectName("CoastalWarningAreasText");
    CoastalWarningAreasText->installEventFilter(this);
    CoastalWarningAreasText->setMinimumWidth(Twips(3600));
    Label4->setBuddy(CoastalWarningAreasText);
    connect(CoastalWarningAreasText, &QLineEdit::textEdited, this, [this] { m_coastalKnown = true; });
    for (std::size_t i = 0; i < kTypeBoxes.size(); ++i) TypeChecks[i] = check(kTypeBoxes[i].name, kTypeBoxes[i].caption);
    Label3 = new QLabel("[Fixed  Positions]", this);
    Label3->setObjectName("Label3");
    Label1 = new QLabel("Latitude:", this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel("Longitude:", this);
    Label2->setObjectName("Label2");
    Label11 = new QLabel("Deg.   North/South  Deg.   East/West", this);
    Label11->setObjectName("Label11");
    for (int n = 0; n < 5; ++n) {
        RowLabels[n] = new QLabel(QStringLiteral("Fixed Pos. %1:").arg(n + 1), this);
        RowLabels[n]->setObjectName(QStringLiteral("Label%1").arg(5 + n));
        auto degree = [this](const char* name, int row) {
            auto* text = new QLineEdit(this);
            text->setObjectName(Indexed(name, row));
            text->setMaximumWidth(Twips(600));
            text->installEventFilter(this);
            return text;
        };
        auto hemisphere = [this](const char* name, int row, const char* a, const char* b) {
            auto* combo = new QComboBox(this);
            combo->setObjectName(Indexed(name, row));
            combo->addItems({QString(), QString::fromLatin1(a), QString::fromLatin1(b)});
            combo->setCurrentIndex(-1);
            combo->setFixedWidth(Twips(1200));
            return combo;
        };
        FixLatDegText[n] = degree("FixLatDegText", n);
        FixLatCombo[n] = hemisphere("FixLatCombo", n, "N", "S");
        FixLonDegText[n] = degree("FixLonDegText", n);
        FixLonCombo[n] = hemisphere("FixLonCombo", n, "E", "W");
        RowLabels[n]->setBuddy(FixLatDegText[n]);
    }
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");

    auto* top = new QGridLayout;
    top->addWidget(EGCOnlyCheck, 0, 0);
    top->addWidget(AddNavareaCheck, 0, 1);
    auto* lists = new QHBoxLayout;
    for (QComboBox* c : AdditionalNAVAREACombo) lists->addWidget(c);
    top->addLayout(lists, 0, 2);
    top->addWidget(SystemMessageCheck, 1, 0);
    top->addWidget(SafetyNETCheck, 2, 0);
    auto* coastal = new QHBoxLayout;
    coastal->addWidget(Label4);
    coastal->addWidget(CoastalWarningAreasText, 1);
    auto* types = new QGridLayout;
    for (int i = 0; i < 10; ++i) types->addWidget(TypeChecks[i], i / 2, i % 2);
    auto* fixed = new QGridLayout;
    fixed->addWidget(Label1, 0, 1, 1, 2);
    fixed->addWidget(Label2, 0, 3, 1, 2);
    fixed->addWidget(Label11, 1, 1, 1, 4);
    for (int n = 0; n < 5; ++n) {
        fixed->addWidget(RowLabels[n], n + 2, 0);
        fixed->addWidget(FixLatDegText[n], n + 2, 1);
        fixed->addWidget(FixLatCombo[n], n + 2, 2);
        fixed->addWidget(FixLonDegText[n], n + 2, 3);
        fixed->addWidget(FixLonCombo[n], n + 2, 4);
    }
    // The rows stay beside their titles; the room left over goes to the right.
    fixed->setColumnStretch(5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Line(this));
    layout->addWidget(Label10);
    layout->addLayout(coastal);
    layout->addWidget(Line(this));
    layout->addLayout(types);
    layout->addWidget(Line(this));
    layout->addWidget(Label3);
    layout->addLayout(fixed);
    layout->addWidget(Line(this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QWidget*> order{EGCOnlyCheck, AddNavareaCheck};
    for (QComboBox* c : AdditionalNAVAREACombo) order << c;
    order << SystemMessageCheck << SafetyNETCheck << CoastalWarningAreasText;
    for (QCheckBox* c : TypeChecks) order << c;
    for (int n = 0; n < 5; ++n) order << FixLatDegText[n] << FixLatCombo[n] << FixLonDegText[n] << FixLonCombo[n];
    order << OKButton << CancelButton;
    for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);

    // A grey box the operator clicks takes a value of its own and never goes back to grey.
    QList<QCheckBox*> boxes{EGCOnlyCheck, AddNavareaCheck, SystemMessageCheck, SafetyNETCheck};
    for (QCheckBox* c : TypeChecks) boxes << c;
    for (QCheckBox* box : boxes)
        connect(box, &QCheckBox::clicked, this, [box] {
            if (box->isTristate()) {
                box->setTristate(false);
                box->setCheckState(Qt::Checked);
            }
        });
    connect(AddNavareaCheck, &QCheckBox::clicked, this, [this] { UpdateEGCForm(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    AddCaption(2281, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2294, [this](const QString& t) { AddNavareaCheck->setText(t); });
    for (std::size_t i = 0; i < kTypeBoxes.size(); ++i)
        AddCaption(kTypeBoxes[i].stringId, [this, i](const QString& t) { TypeChecks[i]->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(2295, [this](const QString& t) { EGCOnlyCheck->setText(t); });
    AddCaption(2222, [this](const QString& t) { Label1->setText(t); });
    AddCaption(2297, [this](const QString& t) { Label10->setText(t); });
    AddCaption(2296, [this](const QString& t) { Label11->setText(t); });
    AddCaption(2221, [this](const QString& t) { Label2->setText(t); });
    AddCaption(2304, [this](const QString& t) { Label3->setText(t); });
    AddCaption(2303, [this](const QString& t) { Label4->setText(t); });
    for (int n = 0; n < 5; ++n) AddCaption(2302 - n, [this, n](const QString& t) { RowLabels[n]->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(2293, [this](const QString& t) { SystemMessageCheck->setText(t); });
    // The last text: the boxes without a caption of their own are then named after their labels.
    AddCaption(2292, [this](const QString& t) {
        SafetyNETCheck->setText(t);
        NameRowControls();
    });
    FinishLoad();
    NameRowControls();

    const auto& session = m_f.gSession;
    EGCOnlyCheck->setVisible(session.ProductType() != 4 && session.ProductType() != 5);
    SetValues(m_e.Setup.Values);
    SetFixedPositionsEnabled(m_e.Setup.Queried ? m_e.Setup.FixedPositionsSupported : true);
    UpdateEGCForm();
}

void EGCForm::NameRowControls() {
    Label4->setAccessibleName(Label4->text());
    CoastalWarningAreasText->setAccessibleName(Label4->text());
    for (int i = 0; i < 4; ++i)
        AdditionalNAVAREACombo[i]->setAccessibleName(AddNavareaCheck->text() + QStringLiteral(" %1").arg(i + 1));
    // "Deg.   North/South  Deg.   East/West": the words of the four columns.
    QStringList columns = Label11->text().split(QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
    if (columns.size() != 4) columns = {"Deg.", "North/South", "Deg.", "East/West"};
    for (int n = 0; n < 5; ++n) {
        const QString row = RowLabels[n]->text() + ' ';
        FixLatDegText[n]->setAccessibleName(row + Label1->text() + ' ' + columns[0]);
        FixLatCombo[n]->setAccessibleName(row + Label1->text() + ' ' + columns[1]);
        FixLonDegText[n]->setAccessibleName(row + Label2->text() + ' ' + columns[2]);
        FixLonCombo[n]->setAccessibleName(row + Label2->text() + ' ' + columns[3]);
    }
}

int EGCForm::CoastalTypingLimit() const {
    const auto& s = m_f.gSession;
    return (s.ProductType() == 5 || (s.ProductType() == 4 && s.SwVerInt() > 214)) ? 26 : 11;
}

void EGCForm::SetBox(QCheckBox* box, qint8 value) {
    box->setTristate(value == kBoxGrey);
    box->setCheckState(value == kBoxGrey ? Qt::PartiallyChecked : value == kBoxTicked ? Qt::Checked : Qt::Unchecked);
}

qint8 EGCForm::BoxValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Checked: return kBoxTicked;
    case Qt::PartiallyChecked: return kBoxGrey;
    default: return kBoxClear;
    }
}

EgcSetupValues EGCForm::Values() const {
    EgcSetupValues v;
    v.EGCOnly = BoxValue(EGCOnlyCheck);
    v.SystemMessage = BoxValue(SystemMessageCheck);
    v.SafetyNET = BoxValue(SafetyNETCheck);
    v.AddNavarea = BoxValue(AddNavareaCheck);
    for (int i = 0; i < 4; ++i) v.Navarea[i] = qMax(0, AdditionalNAVAREACombo[i]->currentIndex());
    v.CoastalAreas = CoastalWarningAreasText->text();
    v.CoastalKnown = m_coastalKnown;
    for (int i = 0; i < 10; ++i) v.Types[i] = BoxValue(TypeChecks[i]);
    for (int n = 0; n < 5; ++n) {
        v.Fixed[n] = {FixLatDegText[n]->text(), FixLatCombo[n]->currentText(), FixLonDegText[n]->text(),
                      FixLonCombo[n]->currentText()};
    }
    return v;
}

void EGCForm::SetValues(const EgcSetupValues& v) {
    SetBox(EGCOnlyCheck, v.EGCOnly);
    SetBox(SystemMessageCheck, v.SystemMessage);
    SetBox(SafetyNETCheck, v.SafetyNET);
    SetBox(AddNavareaCheck, v.AddNavarea);
    for (int i = 0; i < 4; ++i) AdditionalNAVAREACombo[i]->setCurrentIndex(v.Navarea[i]);
    CoastalWarningAreasText->setText(v.CoastalAreas);
    m_coastalKnown = v.CoastalKnown;
    for (int i = 0; i < 10; ++i) SetBox(TypeChecks[i], v.Types[i]);
    for (int n = 0; n < 5; ++n) {
        FixLatDegText[n]->setText(v.Fixed[n].LatDeg);
        FixLatCombo[n]->setCurrentIndex(v.Fixed[n].LatHem.isEmpty() ? -1 : FixLatCombo[n]->findText(v.Fixed[n].LatHem));
        FixLonDegText[n]->setText(v.Fixed[n].LonDeg);
        FixLonCombo[n]->setCurrentIndex(v.Fixed[n].LonHem.isEmpty() ? -1 : FixLonCombo[n]->findText(v.Fixed[n].LonHem));
    }
    UpdateEGCForm();
}

void EGCForm::SetFixedPositionsEnabled(bool enabled) {
    for (int n = 0; n < 5; ++n) {
        FixLatCombo[n]->setEnabled(enabled);
        FixLatDegText[n]->setEnabled(enabled);
        FixLonCombo[n]->setEnabled(enabled);
        FixLonDegText[n]->setEnabled(enabled);
    }
}

void EGCForm::UpdateEGCForm() {
    const bool ticked = AddNavareaCheck->checkState() == Qt::Checked;
    const bool four = m_f.gConfiguration.Support4ExtraNavAreas;
    for (int i = 0; i < 4; ++i) {
        AdditionalNAVAREACombo[i]->setVisible(i == 0 || four);
        AdditionalNAVAREACombo[i]->setEnabled(ticked);
    }
}

bool EGCForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return CaptionedWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Keys without a character (Tab, the cursor keys, Backspace, Delete) do what they always do.
    if (text.size() != 1 || text[0] == '\b' || text[0] == '\t' || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return CaptionedWindow::eventFilter(watched, event);
    for (QComboBox* c : AdditionalNAVAREACombo)
        if (watched == c) return true;
    if (watched == CoastalWarningAreasText) {
        const QChar c = FilterCoastalKey(text[0]);
        if (c.isNull()) return true;
        QLineEdit* box = CoastalWarningAreasText;
        if (!box->hasSelectedText() && box->text().size() >= CoastalTypingLimit()) return true;
        box->insert(QString(c));
        m_coastalKnown = true;
        return true;
    }
    for (int n = 0; n < 5; ++n)
        if (watched == FixLatDegText[n] || watched == FixLonDegText[n])
            return FilterDegreeKey(text[0]).isNull();
    return CaptionedWindow::eventFilter(watched, event);
}

bool EGCForm::ValidateFixedPositions() {
    const auto fault = FirstDegreeFault(Values().Fixed);
    if (!fault) return true;
    MessageBoxRequest request;
    request.title = MlText(m_f, 2612, "Validation error");
    request.text = fault->Latitude
                       ? MlText(m_f, 2615, "Error: Latitude degrees field must contain a value between ") + "0" +
                             MlText(m_f, 2610, " and ") + "90"
                       : MlText(m_f, 2618, "Error: Longitude degrees field must contain a value between ") + "0" +
                             MlText(m_f, 2610, " and ") + "180";
    request.buttons = MsgButtons::OkCancel;
    request.icon = MsgIcon::Warning;
    if (m_f.Os.Boxes->Show(request, this) == MsgAnswer::Ok) {
        QLineEdit* box = fault->Latitude ? FixLatDegText[fault->Row] : FixLonDegText[fault->Row];
        box->setFocus();
        box->selectAll();
    }
    return false;
}

void EGCForm::OKButton_Click() {
    if (!ValidateFixedPositions()) return;
    if (!SendEGCSettings(m_e, Values())) {
        MessageBoxRequest request;
        request.text = MlText(m_f, 2695, "Error: No transceiver commnuication");
        request.title = MlText(m_f, 2697, "Information!");
        request.icon = MsgIcon::Critical;
        m_f.Os.Boxes->Show(request, this);
    }
    CancelButton_Click();
}

void EGCForm::CancelButton_Click() { m_e.Setup.EGCForms.unload(); }

void EGCForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_e.Setup.EGCForms.unload();
}

}  // namespace tidepost
