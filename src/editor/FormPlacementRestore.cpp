#include "editor/FormPlacementRestore.h"

#include <QWidget>

#include "foundation/AppSettings.h"

namespace tidepost {

namespace {

bool ReadNumber(Foundation& f, const QString& app, const QString& section, const QString& key, double fallback,
                double& value) {
    bool ok = false;
    value = GetAppSetting(f, app, section, key, QString::number(fallback)).trimmed().toDouble(&ok);
    return ok;
}

bool OnSomeScreen(const QRectF& twips, const ScreenMetrics& screen) {
    const QRect pixels(screen.ToPixels(twips.left()), screen.ToPixels(twips.top()),
                       std::max(1, screen.ToPixels(twips.width())), std::max(1, screen.ToPixels(twips.height())));
    // The title bar must be reachable: some part of the window's top strip lies on a screen.
    const QRect titleStrip(pixels.left(), pixels.top(), pixels.width(), std::min(pixels.height(), 24));
    for (const QRect& s : screen.screens)
        if (s.intersects(titleStrip)) return true;
    return screen.screens.isEmpty();
}

Qt::WindowStates StateOf(int number) {
    if (number == 1) return Qt::WindowMinimized;
    if (number == 2) return Qt::WindowMaximized;
    return Qt::WindowNoState;
}

}  // namespace

void RestoreFormPlacement(Foundation& f, const QString& appName, QWidget& window, const ScreenMetrics& screen,
                          const std::function<void()>& setDefaultPlacement) {
    const QString section = window.objectName();
    double height = -1;
    if (!ReadNumber(f, appName, section, "Height", -1, height) || height == -1) {
        setDefaultPlacement();
        return;
    }
    const Qt::WindowStates before = window.windowState();
    if (before & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        window.setWindowState(Qt::WindowNoState);

    const QRectF current = FrameInTwips(window, screen);
    double left = 0, top = 0, width = 0;
    const bool ok = ReadNumber(f, appName, section, "Left", current.left(), left) &&
                    ReadNumber(f, appName, section, "Top", current.top(), top) &&
                    ReadNumber(f, appName, section, "Width", current.width(), width) &&
                    ReadNumber(f, appName, section, "Height", current.height(), height);
    const QRectF placement(left, top, width, height);
    if (!ok || width <= 0 || height <= 0 || !OnSomeScreen(placement, screen)) {
        setDefaultPlacement();
        return;
    }
    SetFrameInTwips(window, placement, screen);

    const int beforeNumber = (before & Qt::WindowMinimized) ? 1 : (before & Qt::WindowMaximized) ? 2 : 0;
    bool stateOk = false;
    const int state = GetAppSetting(f, appName, section, "WindowState", QString::number(beforeNumber)).toInt(&stateOk);
    window.setWindowState(StateOf(stateOk ? state : beforeNumber));
}

}  // namespace tidepost
