#include "egc/ENIDForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "egc/Egc.h"
#include "egc/EgcSetup.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"

namespace tidepost {

namespace {
QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }
}  // namespace

ENIDForm::ENIDForm(Egc& e) : CaptionedWindow(e.F, "ENIDForm", kFixedDialog), m_e(e) {
    setWindowTitle("ENID List");
    auto label = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    EnableLabel = label("EnableLabel", "Enable");
    ProviderLabel = label("ProviderLabel", "Provider");
    ENIDLabel = label("ENIDLabel", "ENID");
    StatusLabel = label("StatusLabel", "Status");
    auto* grid = new QGridLayout;
    grid->addWidget(EnableLabel, 0, 1);
    grid->addWidget(ProviderLabel, 0, 2);
    grid->addWidget(ENIDLabel, 0, 3);
    grid->addWidget(StatusLabel, 0, 4);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 1, 0, 1, 5);

    m_loaded = m_e.gENID.m_IsLoaded();
    if (m_loaded) m_enids = m_e.gENID.GetEnids();
    const int rows = m_loaded ? int(m_enids.size()) : 1;
    for (int i = 0; i < rows; ++i) {
        LabelNo << label(Indexed("LabelNo", i), QString::number(i + 1) + '.');
        auto* box = new QCheckBox(this);
        box->setObjectName(Indexed("CheckEnabled", i));
        CheckEnabled << box;
        LabelProvider << label(Indexed("LabelProvider", i), QString());
        LabelENID << label(Indexed("LabelENID", i), QString());
        LabelStatus << label(Indexed("LabelStatus", i), QString());
        LabelProvider[i]->setMinimumWidth(Twips(3270));
        LabelProvider[i]->installEventFilter(this);
        grid->addWidget(LabelNo[i], i + 2, 0);
        grid->addWidget(box, i + 2, 1);
        grid->addWidget(LabelProvider[i], i + 2, 2);
        grid->addWidget(LabelENID[i], i + 2, 3);
        grid->addWidget(LabelStatus[i], i + 2, 4);
        if (!m_loaded) continue;
        const EnidEntry& entry = m_enids[i];
        box->setChecked(entry.Enabled == 1);
        // Plain text: a label here takes no access keys, so "&" shows as it is, once.
        LabelProvider[i]->setTextFormat(Qt::PlainText);
        LabelProvider[i]->setText(entry.Provider);
        LabelENID[i]->setText(QString::number(entry.Enid));
        LabelStatus[i]->setText(entry.Enabled == 1 ? MlText(m_f, 2950, "Enabled") : MlText(m_f, 2272, "Disabled"));
    }
    if (!m_loaded) {
        LabelNo[0]->setText(MlText(m_f, 2640, "No ENID's in mobile."));
        LabelNo[0]->setMinimumWidth(Twips(5000));
        grid->removeWidget(LabelNo[0]);
        grid->addWidget(LabelNo[0], 2, 0, 1, 5);
        CheckEnabled[0]->hide();
        LabelProvider[0]->hide();
        LabelENID[0]->hide();
        LabelStatus[0]->hide();
    }
    OKButton = new QPushButton("&OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("&Cancel", this);
    CancelButton->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(Twips(200));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QWidget* previous = nullptr;
    for (QCheckBox* box : CheckEnabled) {
        if (previous) setTabOrder(previous, box);
        previous = box;
    }
    if (previous) setTabOrder(previous, OKButton);
    setTabOrder(OKButton, CancelButton);

    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    AddCaption(2319, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(4, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(2379, [this](const QString& t) { EnableLabel->setText(t); });
    AddCaption(2085, [this](const QString& t) { ENIDLabel->setText(t); });
    AddCaption(3, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(2879, [this](const QString& t) { ProviderLabel->setText(t); });
    AddCaption(318, [this](const QString& t) {
        StatusLabel->setText(t);
        NameRows();
    });
    FinishLoad();
    NameRows();
}

void ENIDForm::NameRows() {
    if (!m_loaded) return;
    for (qsizetype i = 0; i < m_enids.size(); ++i)
        CheckEnabled[i]->setAccessibleName(EnableLabel->text() + ' ' + m_enids[i].Provider + ' ' +
                                           QString::number(m_enids[i].Enid));
}

void ENIDForm::LabelProvider_Click(int row) {
    if (row < 0 || row >= CheckEnabled.size()) return;
    QCheckBox* box = CheckEnabled[row];
    box->setChecked(box->checkState() != Qt::Checked);
}

QStringList ENIDForm::PendingCommands() const {
    if (!m_loaded) return {};
    QList<bool> ticked;
    for (QCheckBox* box : CheckEnabled) ticked << box->isChecked();
    return EnidSwitchCommands(m_enids, ticked);
}

void ENIDForm::OKButton_Click() {
    for (const QString& command : PendingCommands()) QueueCommand(m_e.L, command, true, false);
    CancelButton_Click();
}

void ENIDForm::CancelButton_Click() { m_e.Setup.ENIDForms.unload(); }

bool ENIDForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const qsizetype row = LabelProvider.indexOf(static_cast<QLabel*>(watched));
        if (row >= 0) {
            LabelProvider_Click(int(row));
            return true;
        }
    }
    return CaptionedWindow::eventFilter(watched, event);
}

void ENIDForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_e.Setup.ENIDForms.unload();
}

}  // namespace tidepost
