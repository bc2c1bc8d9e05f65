#include "reporting/PUReportingForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WindowPlacement.h"
#include "reporting/PUReportingActions.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

constexpr int kFrameCaptionIds[PUReportingForm::kPrograms] = {2180, 2168, 2181, 2182};
const char* const kFrameCaptions[PUReportingForm::kPrograms] = {"Program 1", "Program 2", "Program 3", "Program 4"};
constexpr int kOceanCaptionIds[PUReportingForm::kOceans] = {2176, 2177, 2178, 2179};
const char* const kOceanCaptions[PUReportingForm::kOceans] = {"West:", "East:", "Pacific:", "Indian:"};

// A label that shows its text as it stands: transceiver text is never read as markup.
QLabel* PlainLabel(const QString& text, QWidget* parent, const QString& name = {}) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter presses the button that has the focus, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

void KeepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

// The code's number as the names are indexed: "" counts as 0; -1 for anything outside 0 to 3.
int CodeIndex(const QString& code) {
    const qint64 n = LeadingNumber(code);
    return n >= 0 && n <= 3 ? static_cast<int>(n) : -1;
}

// "West:" → "West", for a description read aloud.
QString Spoken(const QString& caption) {
    QString text = caption.trimmed();
    while (text.endsWith(':')) text.chop(1);
    return text.trimmed();
}

}  // namespace

PUReportingForm::PUReportingForm(Reporting& r) : QDialog(nullptr, kFixedDialog), m_f(r.F), m_r(r) {
    setObjectName("PUReportingForm");
    setWindowTitle("PU Reporting Setup");
    auto* frames = new QGridLayout;
    for (int i = 0; i < kPrograms; ++i) {
        BuildFrame(i);
        frames->addWidget(m_frame[i], i / 2, i % 2);
    }
    m_ok = Button("Ok", "OKButton", this);
    // OK is the default button while no other button has the focus.
    m_ok->setDefault(true);
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(m_ok);
    okRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(frames);
    layout->addLayout(okRow);
    BuildButtons();

    auto add = [this](int id, CaptionSetter set) { m_captions.append({id, std::move(set)}); };
    add(2417, [this](const QString& text) { setWindowTitle(text); });
    add(2175, [this](const QString& text) { UpdateHeader(text); });
    for (int i = 0; i < kPrograms; ++i) {
        add(kFrameCaptionIds[i], [this, i](const QString& text) { m_frame[i]->setTitle(text); });
        for (int o = 0; o < kOceans; ++o)
            add(kOceanCaptionIds[o], [this, i, o](const QString& text) { m_ocean[i][o]->setText(text); });
        add(2173, [this, i](const QString& text) { m_type[i]->setText(text); });
        add(2174, [this, i](const QString& text) { m_statusLine[i]->setText(text); });
        add(2172, [this, i](const QString& text) { m_new[i]->setText(text); });
        add(2171, [this, i](const QString& text) { m_start[i]->setText(text); });
        add(2170, [this, i](const QString& text) { m_stop[i]->setText(text); });
        add(1964, [this, i](const QString& text) { m_delete[i]->setText(text); });
        add(318, [this, i](const QString& text) { m_status[i]->setText(text); });
    }
    add(2187, [this](const QString& text) { m_ok->setText(text); });
    UpdateHeader(m_headerText);
    ApplyCaptions();
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &PUReportingForm::ml_RuntimeSupport_LanguageChanged);

    // The names keep the language of this load; the "Type: " and "Status: " lines are fetched anew
    // each time they are written.
    const MlStrings& s = r.F.Strings;
    ProgramTypeNames = {QString(), s.GetMlString(2976, "Closed"), s.GetMlString(2763, "Local"),
                        s.GetMlString(2593, "Remote")};
    ProgramStatusNames = {QString(), s.GetMlString(2947, "None"), s.GetMlString(2977, "Started"),
                          s.GetMlString(2978, "Stopped")};

    // Until a list reply says what each program allows, no program offers an action.
    HideActionButtons();
    adjustSize();
    CentreOverMainWindow(*this, ReportingMainWindow(r));
    m_ok->setFocus();
}

void PUReportingForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void PUReportingForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
    // The descriptions are made of the captions.
    UpdateDescriptions();
}

void PUReportingForm::BuildFrame(int i) {
    auto* frame = new QGroupBox(kFrameCaptions[i], this);
    frame->setObjectName(QString("ProgramFrame(%1)").arg(i));
    m_frame[i] = frame;
    auto* grid = new QGridLayout(frame);
    m_type[i] = PlainLabel("Type:", frame, QString("PrgType(%1)").arg(i));
    m_statusLine[i] = PlainLabel("Status:", frame, QString("PrgStatus(%1)").arg(i));
    grid->addWidget(m_type[i], 0, 0, 1, 4);
    grid->addWidget(m_statusLine[i], 1, 0, 1, 4);
    for (int c = 0; c < 4; ++c) {
        m_header[i][c] = PlainLabel({}, frame, QString("ColumnHeader(%1,%2)").arg(i).arg(c));
        grid->addWidget(m_header[i][c], 2, c);
    }
    const int digit = fontMetrics().horizontalAdvance('0');
    for (int o = 0; o < kOceans; ++o) {
        const int number = 4 * i + o + 1;
        m_ocean[i][o] = PlainLabel(kOceanCaptions[o], frame, QString("OceanLabel(%1,%2)").arg(i).arg(o));
        m_les[i][o] = PlainLabel({}, frame, QString("LES%1").arg(number));
        m_dnid[i][o] = PlainLabel({}, frame, QString("DNID%1").arg(number));
        m_mem[i][o] = PlainLabel({}, frame, QString("Mem%1").arg(number));
        // Room for the usual values, so the frame keeps its size as the list fills it.
        m_les[i][o]->setMinimumWidth(4 * digit);
        m_dnid[i][o]->setMinimumWidth(6 * digit);
        m_mem[i][o]->setMinimumWidth(4 * digit);
        grid->addWidget(m_ocean[i][o], 3 + o, 0);
        grid->addWidget(m_les[i][o], 3 + o, 1);
        grid->addWidget(m_dnid[i][o], 3 + o, 2);
        grid->addWidget(m_mem[i][o], 3 + o, 3);
    }
    // Status on the left, Start and Stop in the middle, New and Delete on the right; the list
    // never shows both of a pair.
    m_status[i] = Button("Status", QString("Status%1Button").arg(i + 1), frame);
    m_start[i] = Button("Start", QString("StartButton%1").arg(i + 1), frame);
    m_stop[i] = Button("Stop", QString("StopButton%1").arg(i + 1), frame);
    m_new[i] = Button("New", QString("NewButton%1").arg(i + 1), frame);
    m_delete[i] = Button("Delete", QString("DeleteButton%1").arg(i + 1), frame);
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_status[i], 0, 0);
    buttons->addWidget(m_start[i], 0, 1);
    buttons->addWidget(m_stop[i], 0, 1);
    buttons->addWidget(m_new[i], 0, 2);
    buttons->addWidget(m_delete[i], 0, 2);
    for (QPushButton* b : {m_start[i], m_stop[i], m_new[i], m_delete[i]}) KeepPlaceWhenHidden(b);
    grid->addLayout(buttons, 3 + kOceans, 0, 1, 4);
}

void PUReportingForm::BuildButtons() {
    Reporting& r = m_r;
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous) setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 0; i < kPrograms; ++i) {
        connect(m_new[i], &QPushButton::clicked, this, [&r, i] { NewButton_Click(r, i); });
        connect(m_start[i], &QPushButton::clicked, this, [&r, i] { StartButton_Click(r, i); });
        connect(m_stop[i], &QPushButton::clicked, this, [&r, i] { StopButton_Click(r, i); });
        connect(m_delete[i], &QPushButton::clicked, this, [&r, i] { DeleteButton_Click(r, i); });
        connect(m_status[i], &QPushButton::clicked, this, [&r, i] { StatusButton_Click(r, i); });
        // Frame by frame, left to right within a frame.
        for (QWidget* w : {static_cast<QWidget*>(m_status[i]), static_cast<QWidget*>(m_start[i]),
                           static_cast<QWidget*>(m_stop[i]), static_cast<QWidget*>(m_new[i]),
                           static_cast<QWidget*>(m_delete[i])})
            chain(w);
    }
    chain(m_ok);
    connect(m_ok, &QPushButton::clicked, this, [&r] { OKButton_Click(r); });
}

void PUReportingForm::UpdateHeader(const QString& text) {
    m_headerText = text;
    // The header is laid out in columns of blanks; each column heads its own row of labels, so
    // they line up in every language and font.
    const QStringList columns = text.trimmed().split(QRegularExpression("\\s{2,}"));
    for (int i = 0; i < kPrograms; ++i) {
        for (int c = 0; c < 4; ++c) {
            if (columns.size() == 4) m_header[i][c]->setText(columns.at(c));
            else m_header[i][c]->setText(c == 0 ? text : QString());
        }
    }
}

void PUReportingForm::UpdateDescriptions() {
    for (int i = 0; i < kPrograms; ++i) {
        const QString program = m_frame[i]->title();
        m_type[i]->setAccessibleDescription(program);
        m_statusLine[i]->setAccessibleDescription(program);
        for (QPushButton* b : {m_new[i], m_start[i], m_stop[i], m_delete[i], m_status[i]})
            b->setAccessibleDescription(program);
        for (int o = 0; o < kOceans; ++o) {
            const QString row = program + ", " + Spoken(m_ocean[i][o]->text());
            m_ocean[i][o]->setAccessibleDescription(program);
            const QLabel* columns[3] = {m_header[i][1], m_header[i][2], m_header[i][3]};
            QLabel* values[3] = {m_les[i][o], m_dnid[i][o], m_mem[i][o]};
            for (int c = 0; c < 3; ++c) {
                const QString column = columns[c]->text();
                values[c]->setAccessibleDescription(column.isEmpty() ? row : row + ", " + column);
            }
        }
    }
}

QString PUReportingForm::TypeCode(int i) const { return m_type[i]->property("Tag").toString(); }
QString PUReportingForm::StatusCode(int i) const { return m_statusLine[i]->property("Tag").toString(); }

bool PUReportingForm::SetProgramType(int iCon, const QString& strType, const QString& strPUADSType) {
    m_type[iCon]->setProperty("Tag", strType);
    const int index = CodeIndex(strType);
    if (index < 0) return false;
    m_type[iCon]->setText(m_f.Strings.GetMlString(2974, "Type: ") + strPUADSType + ProgramTypeNames.value(index));
    return true;
}

bool PUReportingForm::SetProgramStatus(int iCon, const QString& code) {
    m_statusLine[iCon]->setProperty("Tag", code);
    const int index = CodeIndex(code);
    if (index < 0) return false;
    m_statusLine[iCon]->setText(m_f.Strings.GetMlString(2975, "Status: ") + ProgramStatusNames.value(index));
    return true;
}

void PUReportingForm::ClearRows() {
    for (int i = 0; i < kPrograms; ++i)
        for (int o = 0; o < kOceans; ++o) SetRow(i, o, {}, {}, {});
}

void PUReportingForm::SetRow(int i, int ocean, const QString& les, const QString& dnid, const QString& member) {
    m_les[i][ocean]->setText(les);
    m_dnid[i][ocean]->setText(dnid);
    m_mem[i][ocean]->setText(member);
}

void PUReportingForm::ApplyButtonTable(int i) {
    auto set = [this, i](bool showNew, bool start, bool stop, bool del) {
        m_new[i]->setVisible(showNew);
        m_start[i]->setVisible(start);
        m_stop[i]->setVisible(stop);
        m_delete[i]->setVisible(del);
    };
    const QString status = StatusCode(i);
    if (status == "2") set(false, false, true, true);
    else if (status == "3") set(false, true, false, true);
    else if (status == "1") set(false, false, false, true);
    const QString type = TypeCode(i);
    if (type == "1") set(true, false, false, false);
    else if (type == "3") set(false, false, false, false);
}

void PUReportingForm::HideActionButtons() {
    for (int i = 0; i < kPrograms; ++i)
        for (QPushButton* b : {m_new[i], m_start[i], m_stop[i], m_delete[i]}) b->setVisible(false);
}

void PUReportingForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Esc on a Status button does nothing; anywhere else it is the OK button.
    for (const QPushButton* b : m_status)
        if (b->hasFocus()) return;
    OKButton_Click(m_r);
}

void PUReportingForm::closeEvent(QCloseEvent* event) {
    // The window stays while one of its own boxes is open.
    if (BoxOpen) {
        event->ignore();
        return;
    }
    event->accept();
    OKButton_Click(m_r);
}

}  // namespace tidepost
