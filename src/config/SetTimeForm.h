#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QPushButton;

namespace tidepost {

struct Config;

// "Adjust PC time ?": the first-start question whether the PC clock follows the transceiver's.
// Shown by the event timer until it is answered; closed without an answer it writes nothing.
class SetTimeForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit SetTimeForm(Config& c);
    void CommandYes_Click();
    void CommandNo_Click();

    QLabel* Label2 = nullptr;
    QPushButton* CommandYes = nullptr;
    QPushButton* CommandNo = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

// What the event timer does while the question is unanswered: shows it when it is not shown. An
// open one is left where it is: raising it every tick would take the focus from any other window.
void ShowSetTimeForm(Config& c);

}  // namespace tidepost
