#include "config/DefineSignatureForm.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/Config.h"
#include "foundation/OkCancelButtons.h"
#include "config/SetupDialogs.h"
#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

FileError StoreSignature(Foundation& f, const QString& text) {
    SetIniValue(f, "[Signature]", text, false);
    return WriteIniFileChecked(f);
}

DefineSignatureForm::DefineSignatureForm(Config& c)
    : CaptionedWindow(c.F, "DefineSignatureForm", kFixedDialog), m_c(c) {
    setWindowTitle("Define Signature");
    SignatureText = new QPlainTextEdit(this);
    SignatureText->setObjectName("SignatureText");
    SignatureText->setLineWrapMode(QPlainTextEdit::NoWrap);
    SignatureText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SignatureText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SignatureText->setTabChangesFocus(true);
    SignatureText->setAccessibleName(windowTitle());
    SignatureText->setMinimumSize(Twips(5400), Twips(2400));
    // No default button: Enter in the text starts a new line.
    const OkCancelButtons buttons =
        AddOkCancelButtons(*this, [this] { OKButton_Click(); }, [this] { CancelButton_Click(); }, false);
    OKButton = buttons.OKButton;
    CancelButton = buttons.CancelButton;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SignatureText);
    layout->addLayout(buttons.Row);
    setTabOrder(SignatureText, OKButton);
    setTabOrder(OKButton, CancelButton);

    AddCaption(1904, [this](const QString& t) {
        setWindowTitle(t);
        SignatureText->setAccessibleName(t);
    });
    AddCaption(1905, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    FinishLoad();
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void DefineSignatureForm::ShowForm() {
    show();
    raise();
    activateWindow();
    SignatureText->setFocus();
}

void DefineSignatureForm::SetSignatureText(const QString& text) {
    QString shown = text;
    SignatureText->setPlainText(shown.replace(kCrLf, QStringLiteral("\n")));
}

QString DefineSignatureForm::SignatureTextValue() const {
    QString text = SignatureText->toPlainText();
    return text.replace(QLatin1Char('\n'), kCrLf);
}

void DefineSignatureForm::OKButton_Click() {
    const FileError error = StoreSignature(m_f, SignatureTextValue());
    if (error) {
        const QString explanation = GetFileErrorText(m_f, error.number, QStringLiteral("<Unknown file name>"));
        MessageBoxRequest box;
        box.text = FormatErrorText(m_f, 2607, "(DefineSignatureForm) Error '%0': %1.", error.number,
                                   error.description) +
                   kCrLf + (explanation.isEmpty() ? QString() : explanation + kCrLf) +
                   MlText(m_f, 2608, "The signature might not have been saved.");
        box.title = MlErrorTitle(m_f, error.number);
        box.buttons = MsgButtons::Ok;
        box.icon = MsgIcon::Critical;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        return;
    }
    m_c.Setup->DefineSignatureForm.unload();
}

void DefineSignatureForm::CancelButton_Click() { m_c.Setup->DefineSignatureForm.unload(); }

void DefineSignatureForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Setup->DefineSignatureForm.unload();
}

}  // namespace tidepost
