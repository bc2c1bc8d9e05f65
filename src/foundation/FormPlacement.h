#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Foundation;

// Twips per logical pixel: the stored placements count in twips, 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Stores a window's placement in the per-user settings of `appName`, section = the window's
// objectName: "Left", "Top", "Width", "Height" (its frame, in twips, as decimal text) and
// "WindowState" (0 normal, 1 minimised, 2 maximised), in that order. The values are taken as they
// are, also for a minimised or maximised window.
void SaveFormPlacement(Foundation& f, const QString& appName, const QWidget& window);

}  // namespace tidepost
