#include "config/LesServicesForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/LesEditForm.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/LesLists.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WindowPlacement.h"
#include "link/Link.h"

namespace tidepost {

LesServicesForm::LesServicesForm(Config& c) : CaptionedWindow(c.F, "LesServicesForm", kFixedDialog), m_c(c) {
    setWindowTitle("LES Services");
    ServicesText = new QLabel("Services", this);
    ServicesText->setObjectName("ServicesText");
    ServicesText->setTextFormat(Qt::PlainText);
    ServicesText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ServicesText->setFocusPolicy(Qt::StrongFocus);
    ServicesText->setAccessibleName("Services");
    ServicesText->setMinimumWidth(Twips(4500));
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ServicesText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    layout->addLayout(buttons);
    setTabOrder(ServicesText, OKButton);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { OKButton_Click(); });
    AddCaption(2347, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(2348, [this](const QString& t) {
        if (ServicesText->property("filled").toBool()) return;
        ServicesText->setText(t);
    });
    FinishLoad();
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void LesServicesForm::OKButton_Click() { m_c.LesServicesForm.unload(); }

void LesServicesForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.LesServicesForm.unload();
}

void HandleLesServicesReply(Config& c, const QString& reply) {
    const tidepost::LesEditForm* edit = c.LesEditForm.loaded();
    if (!edit || !edit->isVisible()) return;
    const qint64 number = LeadingNumber(edit->LesNo->text());
    const QString block = ListedLesBlock(reply, int(qBound(qint64(-99), number, qint64(99999))));
    if (block.isNull()) return;
    tidepost::LesServicesForm& form = c.LesServicesForm.get();
    QString text = RemoveStxEtx(block);
    text.remove('\r');
    form.ServicesText->setProperty("filled", true);
    form.ServicesText->setText(text);
    form.adjustSize();
    UnloadWaitForm(c.L);
    form.show();
    form.raise();
}

}  // namespace tidepost
