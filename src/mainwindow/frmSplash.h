#pragma once
#include <functional>

#include "foundation/CaptionedWindow.h"

class QLabel;

namespace tidepost {

// The splash window: the product's picture and "Please Wait....", shown while the start-up works.
// A click on it or any key closes it.
class frmSplash : public CaptionedWindow {
    Q_OBJECT
public:
    // `unload` lets the window go (its holder's unload); it is centred over `mainWindow`'s screen
    // place when it loads.
    frmSplash(Foundation& f, const QWidget* mainWindow, std::function<void()> unload);

    void Form_Click();
    void Form_KeyPress(int KeyAscii);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* Image1;
    QLabel* Label3;
    std::function<void()> m_unload;
};

}  // namespace tidepost
