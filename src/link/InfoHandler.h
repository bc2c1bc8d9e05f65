#pragma once
#include <QString>

namespace tidepost {

// The one-line form of a notification text, as the info log and its view show it: STX and ETX
// removed, every line break (CR LF, lone CR, lone LF) one blank.
QString CleanInfoText(const QString& text);

}  // namespace tidepost
