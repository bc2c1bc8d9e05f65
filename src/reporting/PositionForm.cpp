#include "reporting/PositionForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/OkCancelButtons.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "platform/IClock.h"
#include "platform/IMessageBoxes.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

QLabel* Label(const QString& text, QWidget* parent, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(name);
    return label;
}

QLineEdit* NumberBox(QWidget* parent, const char* name, int digits) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(digits);
    // Digits only, typed or pasted.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QString("[0-9]{0,%1}").arg(digits)), box));
    box->setAlignment(Qt::AlignRight);
    const int width = box->fontMetrics().horizontalAdvance(QString(digits + 1, u'0'));
    box->setFixedWidth(width + 2 * box->fontMetrics().averageCharWidth() + 8);
    return box;
}

QComboBox* HemisphereList(QWidget* parent, const char* name, const char* first, const char* second) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems({QString(), QString::fromLatin1(first), QString::fromLatin1(second)});
    return list;
}

QString Spoken(const QString& caption) { return QString(caption).remove(u'&').trimmed(); }

}  // namespace

PositionForm::PositionForm(Reporting& r) : QDialog(nullptr, kFixedDialog), m_f(r.F), m_r(r) {
    setObjectName("PositionForm");
    setWindowTitle("Position");
    m_latitude = Label("Latitude:", this, "LatitudeLabel");
    m_longitude = Label("Longitude:", this, "LongitudeLabel");
    m_course = Label("Course:", this, "CourseLabel");
    m_speed = Label("Speed:", this, "SpeedLabel");
    m_status = Label("Status:", this, "StatusLabel");
    m_updated = Label("Updated:", this, "UpdatedLabel");
    LatDegText = NumberBox(this, "LatDegText", 3);
    LatMinText = NumberBox(this, "LatMinText", 2);
    LatHundText = NumberBox(this, "LatHundText", 2);
    NSHem = HemisphereList(this, "NSHem", "N", "S");
    LonDegText = NumberBox(this, "LonDegText", 3);
    LonMinText = NumberBox(this, "LonMinText", 2);
    LonHundText = NumberBox(this, "LonHundText", 2);
    EWHem = HemisphereList(this, "EWHem", "E", "W");
    CourseText = NumberBox(this, "CourseText", 3);
    SpeedText = NumberBox(this, "SpeedText", 3);
    m_degrees = Label("degrees", this, "Label15");
    m_knots = Label("knots", this, "Label14");
    DateLabel = Label("2005-01-01", this, "DateLabel");
    TimeLabel = Label("12:00", this, "TimeLabel");
    TimeZone = Label("UTC", this, "TimeZone");
    StatusText = Label(QString(), this, "StatusText");
    m_latitude->setBuddy(LatDegText);
    m_longitude->setBuddy(LonDegText);
    m_course->setBuddy(CourseText);
    m_speed->setBuddy(SpeedText);

    auto* grid = new QGridLayout;
    const auto coordinate = [this, grid](int row, QLabel* caption, QLineEdit* deg, QLineEdit* min, QLineEdit* hund,
                                         QComboBox* hemisphere, const char* prefix) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(deg, row, 1);
        grid->addWidget(Label(QString::fromUtf8("\u00b0"), this, QString(prefix) + "DegSign"), row, 2);
        grid->addWidget(min, row, 3);
        grid->addWidget(Label(",", this, QString(prefix) + "MinSign"), row, 4);
        grid->addWidget(hund, row, 5);
        grid->addWidget(Label("'", this, QString(prefix) + "HundSign"), row, 6);
        grid->addWidget(hemisphere, row, 7);
    };
    coordinate(0, m_latitude, LatDegText, LatMinText, LatHundText, NSHem, "Lat");
    coordinate(1, m_longitude, LonDegText, LonMinText, LonHundText, EWHem, "Lon");
    grid->addWidget(m_course, 2, 0);
    grid->addWidget(CourseText, 2, 1);
    grid->addWidget(m_degrees, 2, 2, 1, 6);
    grid->addWidget(m_speed, 3, 0);
    grid->addWidget(SpeedText, 3, 1);
    grid->addWidget(m_knots, 3, 2, 1, 6);
    auto* updated = new QHBoxLayout;
    updated->addWidget(DateLabel);
    updated->addWidget(TimeLabel);
    updated->addWidget(TimeZone);
    updated->addStretch();
    grid->addWidget(m_updated, 4, 0);
    grid->addLayout(updated, 4, 1, 1, 7);
    grid->addWidget(m_status, 5, 0);
    grid->addWidget(StatusText, 5, 1, 1, 7);
    grid->setColumnStretch(8, 1);

    const OkCancelButtons okCancel =
        AddOkCancelButtons(*this, [this] { OKButton_Click(); }, [this] { CancelButton_Click(); }, true);
    OKButton = okCancel.OKButton;
    CancelButton = okCancel.CancelButton;
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(okCancel.Row);

    QWidget* order[] = {LatDegText, LatMinText, LatHundText, NSHem,      LonDegText, LonMinText,
                        LonHundText, EWHem,     CourseText,  SpeedText,  OKButton,   CancelButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    m_captions = {
        {2405, [this](const QString& t) { setWindowTitle(t); }},
        {9, [this](const QString& t) { CancelButton->setText(t); }},
        {2220, [this](const QString& t) { m_course->setText(t); }},
        {2413, [this](const QString& t) { m_knots->setText(t); }},
        {2412, [this](const QString& t) { m_degrees->setText(t); }},
        {2222, [this](const QString& t) { m_latitude->setText(t); }},
        {2221, [this](const QString& t) { m_longitude->setText(t); }},
        {1906, [this](const QString& t) { OKButton->setText(t); }},
        {2219, [this](const QString& t) { m_speed->setText(t); }},
        {2174, [this](const QString& t) { m_status->setText(t); }},
        {2411, [this](const QString& t) { TimeZone->setText(t); }},
        {2414, [this](const QString& t) { m_updated->setText(t); }},
        {3564, [this](const QString& t) { m_minutes = t; }},
        {3565, [this](const QString& t) { m_hundredths = t; }},
        {3566, [this](const QString& t) { m_hemisphere = t; }},
    };
    ApplyCaptions();
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &PositionForm::ml_RuntimeSupport_LanguageChanged);

    adjustSize();
    CentreOverMainWindow(*this, ReportingMainWindow(r));
    PositionShown = false;
    UpdatePosition();
    LatDegText->setFocus();
}

void PositionForm::UpdatePosition() {
    Position = m_f.gSession.GetPos();
    const bool gpsOk = m_f.gSession.GpsStatus();
    if (!gpsOk && PositionShown) return;
    const PositionRecord& p = Position;
    if (p.LatDeg == 255) {
        for (QLineEdit* box : {LatDegText, LatMinText, LatHundText, LonDegText, LonMinText, LonHundText, CourseText,
                               SpeedText})
            box->clear();
        NSHem->setCurrentIndex(0);
        EWHem->setCurrentIndex(0);
        DateLabel->clear();
        TimeLabel->clear();
        TimeZone->setText(QStringLiteral("UTC"));
    } else {
        setWindowTitle(MlText(m_f, 2902, "Position updating..."));
        // The hundredths follow the minutes' decimal point (the "," between the boxes): two digits.
        const auto hundredths = [](int value) { return QString::number(value).rightJustified(2, u'0'); };
        LatDegText->setText(QString::number(p.LatDeg));
        LatMinText->setText(QString::number(p.LatMin));
        LatHundText->setText(hundredths(p.LatHund));
        NSHem->setCurrentIndex(p.South ? 2 : 1);
        LonDegText->setText(QString::number(p.LonDeg));
        LonMinText->setText(QString::number(p.LonMin));
        LonHundText->setText(hundredths(p.LonHund));
        EWHem->setCurrentIndex(p.West ? 2 : 1);
        CourseText->setText(QString::number(p.Course));
        SpeedText->setText(QString::number(p.Speed));
        const QDateTime systemTime = m_f.gSession.SystemTime();
        DateLabel->setText(systemTime.isValid() ? systemTime.toString(QStringLiteral("yyyy-MM-dd")) : QString());
        const FixTimeText fix = SplitFixTime(p.Updated);
        TimeZone->setText(fix.Zone);
        TimeLabel->setText(fix.Time);
        const QTime now = m_f.Os.Clock ? m_f.Os.Clock->Now().time() : QTime::currentTime();
        setWindowTitle(MlText(m_f, 2904, "Position updated at ") +
                       QString("%1:%2:%3").arg(now.hour()).arg(now.minute()).arg(now.second()));
        PositionShown = true;
    }
    ShowValidity(p.Valid);
}

void PositionForm::ShowValidity(bool valid) {
    m_valid = valid;
    StatusText->setText(valid ? MlText(m_f, 2905, "valid") : MlText(m_f, 2906, "not valid"));
    QPalette palette = StatusText->palette();
    palette.setColor(QPalette::WindowText, valid ? palette.color(QPalette::ButtonText) : QColor(255, 0, 0));
    StatusText->setPalette(palette);
}

PositionTexts PositionForm::Texts() const {
    return {LatDegText->text(), LatMinText->text(), LatHundText->text(), NSHem->currentText(),
            LonDegText->text(), LonMinText->text(), LonHundText->text(), EWHem->currentText(),
            CourseText->text(), SpeedText->text()};
}

bool PositionForm::ValidatePosition() {
    const std::optional<PositionRefusal> refusal = CheckTypedPosition(m_f, Texts());
    if (!refusal) return true;
    MessageBoxRequest box;
    box.text = refusal->text;
    box.title = ValidationTitle(m_f);
    box.buttons = refusal->okCancel ? MsgButtons::OkCancel : MsgButtons::Ok;
    box.icon = MsgIcon::Warning;
    QPointer<PositionForm> guard(this);
    const MsgAnswer answer = m_f.Os.Boxes ? m_f.Os.Boxes->Show(box, this) : MsgAnswer::Cancel;
    if (!guard) return false;
    if (refusal->okCancel && answer != MsgAnswer::Ok) return false;
    QWidget* field = findChild<QWidget*>(refusal->box);
    if (field && field->isEnabled() && (!refusal->okCancel || field->isVisible())) {
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    }
    return false;
}

void PositionForm::OKButton_Click() {
    const bool valid = ValidatePosition();
    if (!valid) return;
    if (m_f.gSession.MesConnected()) {
        QueueCommand(m_r.L, PositionSetCommand(Texts()), true, false);
        QueueCommand(m_r.L, QStringLiteral("se -p"), true, false);
    }
    CancelButton_Click();
}

void PositionForm::CancelButton_Click() {
    m_r.L.Requests.PositionFormRequested = false;
    m_r.PositionForms.unload();
}

void PositionForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    ShowValidity(m_valid);
}

void PositionForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
    UpdateAccessibleNames();
}

void PositionForm::UpdateAccessibleNames() {
    // A box without a caption of its own is named by its row and its place in the row.
    const QString latitude = Spoken(m_latitude->text());
    const QString longitude = Spoken(m_longitude->text());
    const QString degrees = Spoken(m_degrees->text());
    LatDegText->setAccessibleName(latitude + ' ' + degrees);
    LatMinText->setAccessibleName(latitude + ' ' + m_minutes);
    LatHundText->setAccessibleName(latitude + ' ' + m_hundredths);
    NSHem->setAccessibleName(latitude + ' ' + m_hemisphere);
    LonDegText->setAccessibleName(longitude + ' ' + degrees);
    LonMinText->setAccessibleName(longitude + ' ' + m_minutes);
    LonHundText->setAccessibleName(longitude + ' ' + m_hundredths);
    EWHem->setAccessibleName(longitude + ' ' + m_hemisphere);
    CourseText->setAccessibleName(Spoken(m_course->text()) + ' ' + degrees);
    SpeedText->setAccessibleName(Spoken(m_speed->text()) + ' ' + Spoken(m_knots->text()));
}

void PositionForm::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closed from its frame, the window is done with as by Cancel: the next position reply must
    // not bring it back.
    CancelButton_Click();
}

void PositionForm::reject() { CancelButton_Click(); }

}  // namespace tidepost
