#include "foundation/PositionFieldChecks.h"

#include "foundation/MlText.h"

namespace tidepost {

QString FieldCheckMessage(const Foundation& f, const PositionFieldCheck& check) {
    return MlText(f, check.messageId, check.message) + "0" + MlText(f, check.joinId, check.join) +
           QString::number(check.maximum);
}

QString CoordinateMessage(const Foundation& f, int messageId, const char* message, const QString& degrees,
                          const QString& minutes, const QString& hundredths, const QString& hemisphere, int rangeId,
                          const char* range) {
    return MlText(f, messageId, message) + degrees + QString::fromUtf8("\u00b0 ") + minutes + "." + hundredths + "' " +
           hemisphere + "\r\n" + MlText(f, rangeId, range);
}

QString ValidationTitle(const Foundation& f) { return MlText(f, 2612, "Validation error"); }

}  // namespace tidepost
