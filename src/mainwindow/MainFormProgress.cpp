#include <QLabel>
#include <QProgressBar>
#include <exception>

#include "foundation/Foundation.h"
#include "foundation/Screensaver.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/PleaseWait.h"

namespace tidepost {

namespace {
constexpr int kProgressSteps = 10;
constexpr qsizetype kLongestBeat = 12;  // "Progr: " and five stars
}  // namespace

void MainForm::ScreensaverTimer_Timer() {
    try {
        CloseRunningScreenSaver(m_foundation.Os);
    } catch (const std::exception&) {
        // The next tick tries again.
    }
}

void MainForm::ProgressTimer_Timer() {
    if (m_link.Dialogue.DebugMode != 0) {
        QLabel* beat = m_controls->Label12;
        beat->setText(beat->text().size() >= kLongestBeat ? QStringLiteral("Progr: ") : beat->text() + "*");
    }
    if (m_progressStep == 0 || m_progressStep > kProgressSteps) m_progressStep = 1;
    // The bar moves whether or not the busy window is shown, so it moves at once when it is.
    GetPleaseWait().ProgressBar()->setValue(m_progressStep);
    ++m_progressStep;
}

}  // namespace tidepost
