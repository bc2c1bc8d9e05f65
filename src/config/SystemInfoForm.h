#pragma once
#include <array>

#include "foundation/CaptionedWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace tidepost {

struct Config;

// "System Information": the program's version and what is known of the connected transceiver,
// read from the session each time Update runs. Modeless; it keeps nothing of its own.
class SystemInfoForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit SystemInfoForm(Config& c);
    void ShowForm();
    // Refills the eight values from the session, the identity replies and the link in use.
    void Update();
    void OKButton_Click();

    QGroupBox* Frame1 = nullptr;
    QLabel* SoftwareVersionLabel = nullptr;
    QLabel* MobileTypeLabel = nullptr;
    QLabel* ProductLabel = nullptr;
    QLabel* SolasLabel = nullptr;
    QLabel* TransceiverSWLabel = nullptr;
    QLabel* SerieNrLabel = nullptr;
    QLabel* MobileNumberLabel = nullptr;
    QLabel* ComPortLabel = nullptr;
    std::array<QLabel*, 8> Label1{};
    QLabel* SwVersion = nullptr;
    QLabel* MobileType = nullptr;
    QLabel* Product = nullptr;
    QLabel* Solas = nullptr;
    QLabel* TransceiverSw = nullptr;
    QLabel* SerieNr = nullptr;
    QLabel* MobileNumber = nullptr;
    QLabel* ComPort = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

}  // namespace tidepost
