#pragma once
#include <QFont>

namespace tidepost {

// "Courier New" or "Courier" where installed, else the system's fixed-pitch font, at the size
// given: the font of every box that shows the transceiver's column-aligned text.
QFont FixedPitchFont(int pointSize);

}  // namespace tidepost
