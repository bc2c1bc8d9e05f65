#include "mainwindow/MainWindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "foundation/AppSettings.h"
#include "foundation/FormPlacement.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

QSize ScreenSize(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

int ToPixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

}  // namespace

void ResetWindowToDefaultSize(QWidget& window) {
    if (window.isMinimized() || window.isMaximized()) window.showNormal();
    const QSize screen = ScreenSize(window);
    const QSize size(821, 655);
    const int left = qMax(0, (screen.width() - size.width()) / 2);
    const int top = qMax(0, (screen.height() - size.height()) / 2);
    window.resize(size);
    window.move(left, top);
}

void RestoreMainWindowPlacement(Foundation& f, const QString& appName, QWidget& window) {
    const QString section = window.objectName();
    if (LeadingNumber(GetAppSetting(f, appName, section, "Height", "-1")) == -1) {
        ResetWindowToDefaultSize(window);
        return;
    }
    const Qt::WindowStates before = window.windowState();
    if (window.isMinimized() || window.isMaximized()) window.showNormal();
    const QRect frame = window.frameGeometry();
    const auto read = [&](const char* key, int currentPixels, bool& ok) {
        const QString text = GetAppSetting(f, appName, section, key, QString::number(currentPixels * kTwipsPerPixel));
        bool isNumber = false;
        const float twips = text.trimmed().toFloat(&isNumber);
        if (!isNumber || !std::isfinite(twips)) ok = false;
        return isNumber ? ToPixels(twips) : 0;
    };
    bool ok = true;
    const int left = read("Left", frame.left(), ok);
    const int top = read("Top", frame.top(), ok);
    const int width = read("Width", frame.width(), ok);
    const int height = read("Height", frame.height(), ok);
    bool stateOk = false;
    const QString stateText = GetAppSetting(f, appName, section, "WindowState", QString());
    int state = stateText.trimmed().toInt(&stateOk);
    if (stateText.isEmpty()) {
        stateOk = true;
        state = before.testFlag(Qt::WindowMinimized) ? 1 : before.testFlag(Qt::WindowMaximized) ? 2 : 0;
    }
    // A value that is not a number, or a window that would have no size, falls back to the default.
    if (!ok || !stateOk || width <= 0 || height <= 0) {
        ResetWindowToDefaultSize(window);
        return;
    }
    // The stored values are the frame's; the frame around the client area keeps its thickness.
    const QSize border = frame.size() - window.size();
    window.move(left, top);
    window.resize(qMax(1, width - border.width()), qMax(1, height - border.height()));
    if (state == 1) window.setWindowState(Qt::WindowMinimized);
    else if (state == 2) window.setWindowState(Qt::WindowMaximized);
}

void HookMainWindow(QWidget& window) {
    window.setMinimumSize(640, 480);
    window.setMaximumSize(ScreenSize(window));
}

void UnhookWindow(QWidget& window) {
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

}  // namespace tidepost
