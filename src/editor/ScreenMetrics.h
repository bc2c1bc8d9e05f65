#pragma once
#include <QList>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace tidepost {

// What the viewer's placement needs of the screen: its size and work area in pixels and how many
// twips make a pixel. The real one asks the window's screen; tests give a fixed one.
struct ScreenMetrics {
    QSize screen;        // the whole screen, pixels
    QRect workArea;      // the screen without panels and taskbars, pixels
    double twipsPerPixel = 15;
    // The rectangles of all screens present, pixels.
    QList<QRect> screens;

    int ToPixels(double twips) const;
    double ToTwips(int pixels) const { return pixels * twipsPerPixel; }
    double ScreenWidth() const { return ToTwips(screen.width()); }
    double ScreenHeight() const { return ToTwips(screen.height()); }
};

using ScreenMetricsSource = std::function<ScreenMetrics(const QWidget* window)>;
// The screen of `window` (the primary screen without one).
ScreenMetrics CurrentScreenMetrics(const QWidget* window);

// Frame geometry of a window in twips, and setting it: left and top place the frame, width and
// height are the frame's size (the window system's decorations included when known).
QRectF FrameInTwips(const QWidget& window, const ScreenMetrics& screen);
void SetFrameInTwips(QWidget& window, const QRectF& twips, const ScreenMetrics& screen);

}  // namespace tidepost
