#include "messages/EgcCodes.h"

namespace tidepost {

QString ConvertEGCPriorityNo(int code) {
    switch (code) {
    case 0: return QStringLiteral("Routine");
    case 1: return QStringLiteral("Safety");
    case 2: return QStringLiteral("Urgent");
    case 3: return QStringLiteral("Distress");
    default: return QStringLiteral("Unknown");
    }
}

QString ConvertEGCLanguage(int code) {
    switch (code) {
    case 0: return QStringLiteral("7 Bit IA5");
    case 6: return QStringLiteral("5 Bit TELEX");
    case 7: return QStringLiteral("8 Bit Data");
    default: return QStringLiteral("Unknown");
    }
}

}  // namespace tidepost
