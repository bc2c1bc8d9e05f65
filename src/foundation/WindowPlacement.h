#pragma once
#include <Qt>

class QWidget;

namespace tidepost {

// Centres `window` over the main window, or on the screen while the main window is minimised
// (or absent). Sizes are the windows' frames, as the operator sees them.
void CentreOverMainWindow(QWidget& window, const QWidget* mainWindow);

// A dialog of fixed size: a title and a close box, nothing to minimise or maximise.
inline constexpr Qt::WindowFlags kFixedDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// 15 twips make one pixel at the usual 96 dots per inch.
constexpr int Twips(int twips) { return (twips + 7) / 15; }

}  // namespace tidepost
