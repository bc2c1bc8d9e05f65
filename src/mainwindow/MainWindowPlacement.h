#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Foundation;

// Normal state, 821 x 655 pixels, centred on the window's screen, never left of or above it.
void ResetWindowToDefaultSize(QWidget& window);

// Applies the placement SaveFormPlacement stored for the window (section = its objectName, twips):
// position and size in one step, then the stored state. Nothing stored, or a value that is not a
// number, gives the default size instead.
void RestoreMainWindowPlacement(Foundation& f, const QString& appName, QWidget& window);

// The window's size limits while the program runs: at least 640 x 480 pixels, at most its screen.
void HookMainWindow(QWidget& window);
// Lifts the limits again.
void UnhookWindow(QWidget& window);

}  // namespace tidepost
