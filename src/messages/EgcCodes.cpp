#include "messages/EgcCodes.h"

namespace tidepost {

QString ConvertEGCServiceNo(int code) {
    switch (code) {
    case 0: return QStringLiteral("General Call");
    case 2: return QStringLiteral("Group Call");
    case 4: return QStringLiteral("NAV Warning");
    case 11: return QStringLiteral("System Call");
    case 13: return QStringLiteral("Coastal Warning/Forecast");
    case 14: return QStringLiteral("Distress Alert Relay");
    case 23: return QStringLiteral("EGC System");
    case 24: return QStringLiteral("MET Warning");
    case 31: return QStringLiteral("MET/NAV Warning/Forecast");
    case 33: return QStringLiteral("ENID load/delete");
    case 34:
    case 44: return QStringLiteral("SAR Coordination");
    case 72:
    case 73: return QStringLiteral("Chart Correction");
    default: return QStringLiteral("Unknown");
    }
}

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

QString ConvertEGCData(qint64 value) { return value == -1 ? QStringLiteral("Unknown") : QString::number(value); }

}  // namespace tidepost
