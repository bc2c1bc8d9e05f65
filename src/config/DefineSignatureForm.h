#pragma once
#include "foundation/CaptionedWindow.h"
#include "platform/FileError.h"

class QPlainTextEdit;
class QPushButton;

namespace tidepost {

struct Config;
struct Foundation;

// Stores the signature (its lines joined by CR LF) under "[Signature]" and writes the settings
// file at once; the failure of that write, if any.
FileError StoreSignature(Foundation& f, const QString& text);

// "Define Signature": the message signature, several lines. Modeless; the menu command puts the
// stored signature in before it shows. OK stores it; a failed write is told and the dialog stays
// with the text, Cancel stores nothing.
class DefineSignatureForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit DefineSignatureForm(Config& c);
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();
    // The text of `SignatureText`, lines separated by CR LF.
    void SetSignatureText(const QString& text);
    QString SignatureTextValue() const;

    QPlainTextEdit* SignatureText = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

}  // namespace tidepost
