#include "link/InfoHandler.h"

#include "foundation/UsefullRoutines.h"

namespace tidepost {

QString CleanInfoText(const QString& text) { return FlattenText(text); }

}  // namespace tidepost
