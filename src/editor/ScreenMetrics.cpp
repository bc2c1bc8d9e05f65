#include "editor/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tidepost {

int ScreenMetrics::ToPixels(double twips) const {
    return static_cast<int>(std::nearbyint(twips / (twipsPerPixel > 0 ? twipsPerPixel : 15)));
}

ScreenMetrics CurrentScreenMetrics(const QWidget* window) {
    ScreenMetrics m;
    QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return m;
    m.screen = screen->geometry().size();
    m.workArea = screen->availableGeometry();
    const double dpi = screen->logicalDotsPerInchY();
    m.twipsPerPixel = dpi > 0 ? 1440.0 / dpi : 15;
    for (const QScreen* s : QGuiApplication::screens()) m.screens.append(s->geometry());
    return m;
}

QRectF FrameInTwips(const QWidget& window, const ScreenMetrics& screen) {
    const QRect frame = window.frameGeometry();
    return {screen.ToTwips(frame.left()), screen.ToTwips(frame.top()), screen.ToTwips(frame.width()),
            screen.ToTwips(frame.height())};
}

void SetFrameInTwips(QWidget& window, const QRectF& twips, const ScreenMetrics& screen) {
    // The decorations around the client area, as far as the window system has told us.
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const int extraW = frame.width() - inner.width();
    const int extraH = frame.height() - inner.height();
    window.move(screen.ToPixels(twips.left()), screen.ToPixels(twips.top()));
    window.resize(std::max(1, screen.ToPixels(twips.width()) - extraW),
                  std::max(1, screen.ToPixels(twips.height()) - extraH));
}

}  // namespace tidepost
