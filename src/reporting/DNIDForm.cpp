#include "reporting/DNIDForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

const char* const kRowNames[DNIDForm::kColumns] = {"LabelNo",    "CheckEnabled", "LabelProvider", "LabelStatus", "LabelLES",
                                                   "LabelDNID",  "LabelMember",  "LabelSubAdr",   "LabelChannel",
                                                   "LabelRandom"};
const char* const kTitleNames[DNIDForm::kColumns - 1] = {"EnableLabel", "ProviderLabel", "StatusLabel",
                                                         "LESLabel",    "DNIDLabel",     "MemberLabel",
                                                         "SubAdrLabel", "ChannelLabel",  "RandomLabel"};
const char* const kTitles[DNIDForm::kColumns - 1] = {"Enable", "Provider", "Status", "LES",   "DNID",
                                                     "Member", "SubAdr",   "Channel", "Random"};
constexpr int kTitleIds[DNIDForm::kColumns - 1] = {2884, 2879, 318, 306, 2159, 2880, 2881, 2882, 2883};

// Transceiver text shown as it is: never markup, and without a buddy an "&" is a plain "&".
QLabel* PlainLabel(const QString& text, QWidget* parent, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(name);
    return label;
}

// A row's enable box: a click or Space ticks any state but ticked, which it clears. A stored
// status other than 0 or 1 shows partly checked, a state the operator cannot choose.
class EnableBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

Qt::CheckState ShownState(quint8 status) {
    if (status == 1) return Qt::Checked;
    if (status == 0) return Qt::Unchecked;
    return Qt::PartiallyChecked;
}

}  // namespace

DNIDForm::DNIDForm(Reporting& r) : QDialog(nullptr, kFixedDialog), m_f(r.F), m_r(r) {
    setObjectName("DNIDForm");
    setWindowTitle("DNID List");
    auto* rows = new QWidget;
    rows->setObjectName("DnidRows");
    auto* grid = new QGridLayout(rows);
    grid->setHorizontalSpacing(Twips(180));
    for (int c = 0; c < kColumns - 1; ++c) {
        m_titles[c] = PlainLabel(kTitles[c], rows, kTitleNames[c]);
        grid->addWidget(m_titles[c], 0, c + 1);
    }
    BuildRows(grid);
    grid->setRowStretch(grid->rowCount(), 1);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("DnidScroll");
    m_scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes to the boxes themselves; the area scrolls to the one that has the focus.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(rows);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As tall as the rows need, up to what the screen leaves for the title, the buttons and a margin.
    const QSize need = rows->sizeHint();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - Twips(2400) : need.height();
    m_scroll->setMinimumWidth(need.width() + m_scroll->verticalScrollBar()->sizeHint().width());
    m_scroll->setMinimumHeight(qMax(qMin(need.height(), room), Twips(600)));

    OKButton = new QPushButton("&OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("&Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_scroll);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });

    // Top to bottom: the boxes, then OK and Cancel.
    QWidget* previous = nullptr;
    for (const Row& row : m_rows) {
        if (previous) setTabOrder(previous, row.Controls[1]);
        previous = row.Controls[1];
    }
    if (previous) setTabOrder(previous, OKButton);
    setTabOrder(OKButton, CancelButton);

    m_captions.append({2269, [this](const QString& t) { setWindowTitle(t); }});
    for (int c = 0; c < kColumns - 1; ++c) m_captions.append({kTitleIds[c], [this, c](const QString& t) { m_titles[c]->setText(t); }});
    m_captions.append({3, [this](const QString& t) { OKButton->setText(t); }});
    m_captions.append({4, [this](const QString& t) { CancelButton->setText(t); }});
    ApplyCaptions();
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this, &DNIDForm::ml_RuntimeSupport_LanguageChanged);

    adjustSize();
    CentreOverMainWindow(*this, ReportingMainWindow(r));
    if (m_rows.isEmpty()) OKButton->setFocus();
    else m_rows.first().Controls[1]->setFocus();
}

void DNIDForm::BuildRows(QGridLayout* grid) {
    QWidget* parent = grid->parentWidget();
    const cDnid& store = DnidStore(m_r);
    if (!store.m_IsLoaded) {
        // One row whose number label carries the text; the rest of the row is not there.
        QString text = m_f.Strings.GetMlString(2633, "No DNID's in mobile.");
        if (text.isEmpty()) text = "No DNID's in mobile.";
        m_empty = PlainLabel(text, parent, "LabelNo(0)");
        grid->addWidget(m_empty, 1, 0, 1, kColumns);
        return;
    }
    const QList<DnidRecord> records = store.GetDnids();
    const int count = qMin<int>(store.m_CountDnids, static_cast<int>(records.size()));
    for (int i = 0; i < count; ++i) {
        Row row;
        row.Record = records.at(i);
        const DnidRecord& d = row.Record;
        const QString suffix = QString("(%1)").arg(i);
        auto name = [&suffix](int c) { return QString(kRowNames[c]) + suffix; };
        auto* box = new EnableBox(parent);
        box->setObjectName(name(1));
        row.ShownState = ShownState(d.Status);
        box->setCheckState(static_cast<Qt::CheckState>(row.ShownState));
        row.Controls[0] = PlainLabel(QString::number(i + 1) + ".", parent, name(0));
        row.Controls[1] = box;
        auto* provider = PlainLabel(d.Provider, parent, name(2));
        // A click on the provider toggles the row's box.
        provider->installEventFilter(this);
        row.Controls[2] = provider;
        row.Controls[3] = PlainLabel(d.Status == 1 ? "Enabled" : "Disabled", parent, name(3));
        const qint64 values[] = {d.LES, d.DNID, d.Member, d.SubAdr, d.Channel, d.Random};
        for (int c = 4; c < kColumns; ++c) row.Controls[c] = PlainLabel(QString::number(values[c - 4]), parent, name(c));
        for (int c = 0; c < kColumns; ++c) grid->addWidget(row.Controls[c], i + 1, c);
        m_rows.append(row);
    }
}

QCheckBox* DNIDForm::CheckEnabled(int i) const {
    return i >= 0 && i < m_rows.size() ? static_cast<QCheckBox*>(m_rows.at(i).Controls[1]) : nullptr;
}

QLabel* DNIDForm::LabelNo(int i) const {
    if (i == 0 && m_empty) return m_empty;
    return i >= 0 && i < m_rows.size() ? static_cast<QLabel*>(m_rows.at(i).Controls[0]) : nullptr;
}

QLabel* DNIDForm::LabelProvider(int i) const {
    return i >= 0 && i < m_rows.size() ? static_cast<QLabel*>(m_rows.at(i).Controls[2]) : nullptr;
}

QLabel* DNIDForm::LabelStatus(int i) const {
    return i >= 0 && i < m_rows.size() ? static_cast<QLabel*>(m_rows.at(i).Controls[3]) : nullptr;
}

void DNIDForm::ToggleRow(int i) {
    QCheckBox* box = CheckEnabled(i);
    if (box) box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

QStringList DNIDForm::ChangedRowCommands() const {
    QStringList commands;
    for (const Row& row : m_rows) {
        const Qt::CheckState state = static_cast<QCheckBox*>(row.Controls[1])->checkState();
        if (state == row.ShownState) continue;
        const DnidRecord& d = row.Record;
        commands << QString("st -d %1%2,%3,%4,%5")
                        .arg(state == Qt::Checked ? 'E' : 'D')
                        .arg(d.LES)
                        .arg(d.DNID)
                        .arg(d.Member)
                        .arg(d.SubAdr);
    }
    return commands;
}

void DNIDForm::OKButton_Click() {
    for (const QString& command : ChangedRowCommands()) QueueCommand(m_r.L, command, true, false);
    m_r.DNIDForms.unload();
}

void DNIDForm::CancelButton_Click() { m_r.DNIDForms.unload(); }

void DNIDForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void DNIDForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
    UpdateAccessibleNames();
}

void DNIDForm::UpdateAccessibleNames() {
    const QString enable = m_titles[0]->text();
    for (const Row& row : m_rows) {
        const QString provider = row.Record.Provider;
        row.Controls[1]->setAccessibleName(provider.isEmpty() ? enable : enable + ' ' + provider);
        // The values are read with their column.
        for (int c = 2; c < kColumns; ++c) row.Controls[c]->setAccessibleDescription(m_titles[c - 1]->text());
    }
}

bool DNIDForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_rows.at(i).Controls[2] == watched) {
                ToggleRow(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DNIDForm::closeEvent(QCloseEvent* event) {
    event->accept();
    CancelButton_Click();
}

void DNIDForm::reject() { CancelButton_Click(); }

void OpenDnidList(Reporting& r) {
    if (r.F.gSession.MesConnected()) {
        r.DnidReplyTarget = 0;
        if (r.L.Windows.Window) r.L.Windows.Window->ShowWaitForm();
        QueueCommand(r.L, "st -d", true, false);
        return;
    }
    ShowDnidForm(r);
}

void ShowDnidForm(Reporting& r) { ShowReportingWindow(r, r.DNIDForms.get()); }

}  // namespace tidepost
