#pragma once
#include <QString>

#include "platform/IMessageBoxes.h"

namespace tidepost {

struct Foundation;

// The caption of a message box's standard button in the language in use, with its access key;
// "" for a button the string table has no text for.
QString StandardButtonCaption(const Foundation& f, MsgAnswer button);

}  // namespace tidepost
