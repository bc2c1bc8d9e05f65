#include "foundation/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tidepost {

void CentreOverMainWindow(QWidget& window, const QWidget* mainWindow) {
    const QSize size = window.frameGeometry().size();
    QRect over;
    if (mainWindow && !mainWindow->isMinimized()) {
        over = mainWindow->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        over = screen->geometry();
    } else {
        return;
    }
    window.move(over.left() + (over.width() - size.width()) / 2, over.top() + (over.height() - size.height()) / 2);
}

}  // namespace tidepost
