#include "reporting/ProgramStatusForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/WindowPlacement.h"
#include "reporting/Reporting.h"

namespace tidepost {

ProgramStatusForm::ProgramStatusForm(Reporting& r) : QDialog(nullptr, kFixedDialog), m_f(r.F), m_r(r) {
    setObjectName("ProgramStatusForm");
    setWindowTitle("Program Status");
    m_status = new QLabel("Program Status Info", this);
    m_status->setObjectName("Status");
    // The transceiver's own text: never read as markup; it can be selected and copied.
    m_status->setTextFormat(Qt::PlainText);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setMinimumWidth(Twips(4000));
    // A very long text is cut at the window's edge rather than making the window larger than a screen.
    m_status->setMaximumSize(Twips(12000), Twips(9000));
    m_close = new QPushButton("OK", this);
    m_close->setObjectName("CloseButton");
    m_close->setAutoDefault(true);
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &ProgramStatusForm::CloseButton_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    setTabOrder(m_status, m_close);

    m_captions = {
        {2415, [this](const QString& text) { setWindowTitle(text); }},
        {1906, [this](const QString& text) { m_close->setText(text); }},
    };
    ApplyCaptions();
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &ProgramStatusForm::ml_RuntimeSupport_LanguageChanged);
    adjustSize();
    CentreOverMainWindow(*this, ReportingMainWindow(r));
    m_close->setFocus();
}

void ProgramStatusForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void ProgramStatusForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
}

void ProgramStatusForm::CloseButton_Click() { m_r.ProgramStatusForms.unload(); }

void ProgramStatusForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CloseButton_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ProgramStatusForm::closeEvent(QCloseEvent* event) {
    event->accept();
    CloseButton_Click();
}

}  // namespace tidepost
