#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Config;

// An Inmarsat mobile number: exactly nine digits, the first of them 4 (400000000 to 499999999).
bool IsValidMobileNumber(const QString& text);

// Whether a key typed into the number box with `current` in it may pass: Backspace always; into
// an empty box only "4"; after that digits only.
bool MobileNumberKeyPasses(const QString& current, int key, const QString& keyText);

// "Mobile number": gives the transceiver a new mobile number. Modeless; OK sends it and asks
// the transceiver's status again, Cancel sends nothing.
class MobileNoChangeForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit MobileNoChangeForm(Config& c);
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();

    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

}  // namespace tidepost
