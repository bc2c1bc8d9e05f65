#pragma once
#include <QString>
#include <functional>

#include "editor/ScreenMetrics.h"

class QWidget;

namespace tidepost {

struct Foundation;

// Puts back the placement SaveFormPlacement stored for `window` (section = its objectName):
// nothing stored ("Height" missing or -1), an unreadable value, or a place on no present screen
// runs `setDefaultPlacement` instead. The stored window state (0 normal, 1 minimised,
// 2 maximised) is applied last.
void RestoreFormPlacement(Foundation& f, const QString& appName, QWidget& window, const ScreenMetrics& screen,
                          const std::function<void()>& setDefaultPlacement);

}  // namespace tidepost
