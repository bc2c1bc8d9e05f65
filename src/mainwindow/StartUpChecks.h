#pragma once
#include <QSizeF>

namespace tidepost {

struct Foundation;

// The start-up's warnings about the system, each queued for the user (the start-up goes on):
// a Windows release older than 98 or Windows Me (the version record is read into
// OsMajorVersion, OsMinorVersion and OsSuiteMask first; a record of another system names no
// Windows release and is never warned about), a screen below 640 x 480 logical pixels, and a
// display of fewer than 65536 colours (GetColorDepth).
void CheckStartUpConditions(Foundation& f, const QSizeF& screenPixels);

}  // namespace tidepost
