#include "config/SetTimeForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/PcClock.h"
#include "config/SetupDialogs.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

SetTimeForm::SetTimeForm(Config& c) : CaptionedWindow(c.F, "SetTimeForm", kFixedDialog), m_c(c) {
    setWindowTitle("Adjust PC time ?");
    Label2 = new QLabel("Do you want to adjust the time of the PC to GPS local time ?", this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(false);
    CommandYes = new QPushButton("&Yes", this);
    CommandYes->setObjectName("CommandYes");
    CommandYes->setDefault(true);
    CommandYes->setAutoDefault(true);
    CommandNo = new QPushButton("&No", this);
    CommandNo->setObjectName("CommandNo");
    CommandNo->setAutoDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(CommandYes);
    row->addWidget(CommandNo);
    row->addStretch();
    layout->addLayout(row);
    setTabOrder(CommandYes, CommandNo);
    connect(CommandYes, &QPushButton::clicked, this, [this] { CommandYes_Click(); });
    connect(CommandNo, &QPushButton::clicked, this, [this] { CommandNo_Click(); });
    // Esc closes it as the close box does: no answer, so the question comes back.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { m_c.Setup->SetTimeForm.unload(); });

    AddCaption(2118, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2120, [this](const QString& t) { Label2->setText(t); });
    AddCaption(1, [this](const QString& t) { CommandYes->setText(t); });
    AddCaption(2, [this](const QString& t) { CommandNo->setText(t); });
    FinishLoad();
    // The question opens with plain answers; a later change of language gives the table's.
    CommandYes->setText("Yes");
    CommandNo->setText("No");
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void SetTimeForm::CommandYes_Click() {
    RequestPcClock(m_c, true);
    SetIniValue(m_f, "[SETPCTIME]", "Yes", true);
    m_c.Setup->SetTimeForm.unload();
}

void SetTimeForm::CommandNo_Click() {
    SetIniValue(m_f, "[SETPCTIME]", "No", true);
    m_c.Setup->SetTimeForm.unload();
}

void SetTimeForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Setup->SetTimeForm.unload();
}

void ShowSetTimeForm(Config& c) {
    const bool shown = c.Setup->SetTimeForm.isLoaded() && c.Setup->SetTimeForm.loaded()->isVisible();
    if (shown) return;
    SetTimeForm& form = c.Setup->SetTimeForm.get();
    form.show();
    form.activateWindow();
    form.CommandYes->setFocus();
}

}  // namespace tidepost
