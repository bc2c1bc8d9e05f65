#pragma once
#include "foundation/CaptionedWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tidepost {

struct Config;

// "Set PC time": whether the PC clock follows the transceiver's at every start, with the
// transceiver's UTC time and the local time it gives, refreshed every second. Modeless; OK stores
// the choice ("Yes" also sets the clock now), Cancel stores nothing.
class SetLocalTimeForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit SetLocalTimeForm(Config& c);
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();
    // The two times again, from the transceiver's time as last read.
    void UpdateUTCAndLocalDateTimer_Timer();

    QGroupBox* ChoiceFrame = nullptr;
    QRadioButton* SetPcTimeAlways = nullptr;
    QRadioButton* SetPcTimeNever = nullptr;
    QGroupBox* UtcFrame = nullptr;
    QLabel* UtcTimeEx = nullptr;
    QGroupBox* LocalFrame = nullptr;
    QLabel* LocalTimeEx = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* UpdateUTCAndLocalDateTimer = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Close();
    Config& m_c;
};

// The two texts the dialog shows: the transceiver's UTC time and the local time from it
// ("yyyy-mm-dd hh:nn"), or "<unknown>" twice while no time has been read.
struct PcClockTexts {
    QString Utc;
    QString Local;
};
PcClockTexts CurrentPcClockTexts(Config& c);

}  // namespace tidepost
