#include "distress/DistressInfoForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

DistressInfoForm::DistressInfoForm(Foundation& f, std::function<void()> okClicked, std::function<void()> closed)
    : QDialog(nullptr, kFixedDialog), m_f(f), m_okClicked(std::move(okClicked)), m_closed(std::move(closed)) {
    setObjectName("DistressInfoForm");
    setWindowTitle(QStringLiteral("Distress Info."));
    Label1 = new QLabel(QStringLiteral("This does not send a Distress Alert, it only sets the distress message."), this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(
        QStringLiteral("In case of an emergency, use the dedicated alarm panel to send a Distress Alert."), this);
    Label2->setObjectName("Label2");
    for (QLabel* label : {Label1, Label2}) {
        label->setWordWrap(true);
        label->setMinimumWidth(360);
    }
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });

    m_captions = {
        {2248, [this](const QString& t) { setWindowTitle(t); }},
        {2250, [this](const QString& t) { Label1->setText(t); }},
        {2249, [this](const QString& t) { Label2->setText(t); }},
        {1906, [this](const QString& t) { OKButton->setText(t); }},
    };
    ApplyCaptions();
    connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &DistressInfoForm::ml_RuntimeSupport_LanguageChanged);
    adjustSize();
    CentreOverMainWindow(*this, f.Windows.MainForm ? f.Windows.MainForm->Form() : nullptr);
    OKButton->setFocus();
}

void DistressInfoForm::OKButton_Click() {
    if (m_okClicked) m_okClicked();
}

void DistressInfoForm::reject() {
    QDialog::reject();
    if (m_closed) m_closed();
}

void DistressInfoForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void DistressInfoForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
}

}  // namespace tidepost
