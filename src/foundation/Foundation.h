#pragma once
#include <QList>
#include <QStringList>

#include "foundation/CConfiguration.h"
#include "foundation/IspRecord.h"
#include "foundation/MlStrings.h"
#include "platform/Platform.h"

namespace tidepost {

// The foundation's state: one instance per program run, owned by the application object.
// Members keep the names the rest of the program knows them by.
struct Foundation {
    explicit Foundation(Platform& platform) : Os(platform) {}
    Platform& Os;

    QString gProductName = "Tidepost";
    MlStrings Strings;
    CConfiguration gConfiguration;

    // The provider list of "isp.dat", in file order.
    QList<IspRecord> gIspList;

    // Code tables, filled once at start-up by their Init routines (Definitions.h).
    QStringList LesFileNames;
    QStringList OceanNames;
    QStringList DestinationTypeNames;
    QStringList MobileTypeNames;
    QStringList ProductModelNames;
    QStringList MobileStatusTexts;
};

}  // namespace tidepost
