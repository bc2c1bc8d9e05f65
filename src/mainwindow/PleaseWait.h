#pragma once
#include <functional>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace tidepost {

// The borderless busy box "Working, please wait....." with a moving bar, shown while settings go
// to the transceiver and while a requested exit waits for downloads. It is loaded on first use
// and only hidden afterwards; the operator closing it (Esc, or the window system's close) unloads
// it and calls OnUserClose, the program's own Unload does not.
class PleaseWait : public CaptionedWindow {
    Q_OBJECT
public:
    // `unload` lets the window go (its holder's unload); `mainWindow` is what it is centred over,
    // once, when it loads.
    PleaseWait(Foundation& f, const QWidget* mainWindow, std::function<void()> unload);

    // The caption of its label `Label1`.
    void SetCaption(const QString& caption);
    QString Caption() const;
    QProgressBar* ProgressBar() const { return m_progressBar; }
    // Every 2 s while the window is shown: a lost link hides the window.
    void Check_MES_Timer_Timer();
    QTimer* Check_MES_Timer() const { return m_checkMesTimer; }
    // The program closes it; no user close is reported.
    void Unload();

    std::function<void()> OnUserClose;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Form_QueryUnload(bool byUser);

    QLabel* m_label;
    QProgressBar* m_progressBar;
    QTimer* m_checkMesTimer;
    std::function<void()> m_unload;
    bool m_unloading = false;
};

}  // namespace tidepost
