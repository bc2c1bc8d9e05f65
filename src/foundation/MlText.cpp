#include "foundation/MlText.h"

#include "foundation/Foundation.h"

namespace tidepost {

QString MlText(const Foundation& f, int stringId, const QString& english) {
    const QString text = f.Strings.GetMlString(stringId, english);
    return text.isEmpty() ? english : text;
}

}  // namespace tidepost
