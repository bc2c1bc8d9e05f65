#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QProgressBar;

namespace tidepost {

// The borderless strip "Transferring Message to Modem...." over the main window while an
// outgoing message streams to the transceiver; the streaming sets its bar `ProgressBar1` and hides
// it after every step. Loaded on first use and never unloaded by the program.
class MSG_Transfer : public CaptionedWindow {
    Q_OBJECT
public:
    MSG_Transfer(Foundation& f, const QWidget* mainWindow);
    QProgressBar* ProgressBar1() const { return m_progressBar; }

private:
    QLabel* m_label;
    QProgressBar* m_progressBar;
};

}  // namespace tidepost
