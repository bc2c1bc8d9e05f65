#pragma once
#include <functional>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QTimer;

namespace tidepost {

// The borderless busy strip "Communicating with transceiver, please wait..." that stands over
// the main window while a query to the transceiver is outstanding. The code that handles the
// reply unloads it; so do Esc and a lost link. Every showing is a freshly loaded window.
class WaitForm : public CaptionedWindow {
    Q_OBJECT
public:
    // `unload` lets the window go (its holder's unload); `mainWindow` is what it is centred over.
    WaitForm(Foundation& f, const QWidget* mainWindow, std::function<void()> unload);

    // Every 100 ms: with the link up it stays on top of every other window; with the link down it
    // hides and unloads itself, and the timer stays stopped.
    void ProgTimer_Timer();
    QTimer* ProgTimer() const { return m_progTimer; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A hidden strip has nothing to keep on top: an unloaded one waits hidden for its deletion and
    // must not tick meanwhile.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* m_label;
    QTimer* m_progTimer;
    std::function<void()> m_unload;
};

}  // namespace tidepost
