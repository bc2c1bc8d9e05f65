#pragma once
#include <QString>

namespace tidepost {

// Trace texts of the screen-saver handling, the message-box timer and the disk-space check;
// they are not kept anywhere.
inline void LogDebugText(const QString& text) { (void)text; }

}  // namespace tidepost
