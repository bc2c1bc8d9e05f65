#include "mainwindow/StartUpChecks.h"

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/StartUp.h"

namespace tidepost {

namespace {

QString WindowsName(const Foundation& f, const OsVersionRecord& os) {
    if (os.MajorVersion == 4) {
        switch (os.MinorVersion) {
        case 0: return QStringLiteral("Windows 95");
        case 10: return QStringLiteral("Windows 98");
        case 90: return QStringLiteral("Windows Me");
        default: return MlText(f, 2745, "an unknown version of Windows");
        }
    }
    if (os.MajorVersion == 5 && os.SuiteMask == 64) return QStringLiteral("Windows XP Embedded");
    return {};
}

bool IsUnsupportedWindows(const OsVersionRecord& os) {
    if (!os.Windows) return false;
    return os.MajorVersion < 4 || (os.MajorVersion == 4 && (os.MinorVersion == 0 || os.MinorVersion == 90));
}

}  // namespace

void CheckStartUpConditions(Foundation& f, const QSizeF& screenPixels) {
    const QString info = MlText(f, 12, "Info");
    ReadOsVersion(f);
    const OsVersionRecord os = GetOsVersion(f);
    if (IsUnsupportedWindows(os)) {
        QueueMessageBox(f,
                        MlText(f, 2744, "Tidepost has detected that you are running ") + WindowsName(f, os) + ".\r\n" +
                            MlText(f, 2743,
                                   "This Windows version is not supported. Please upgrade to Windows 98SE, 2000 or XP."),
                        info);
    }

    const double width = screenPixels.width();
    const double height = screenPixels.height();
    if (width < 640 || height < 480) {
        QueueMessageBox(f,
                        MlText(f, 2747, "You are runnning Windows with a resolution of ") + QString::number(width) +
                            " * " + QString::number(height) + "\r\n" +
                            MlText(f, 2746, "Please set a minimum screen resolution of ") + "640 * 480",
                        info);
    }

    const double colours = GetColorDepth(f);
    if (colours > 0 && colours < 65536) {
        QueueMessageBox(f,
                        FormatMlString(MlText(f, 2748,
                                              "You are runnning Windows with %0 colours. This will significantly degrade "
                                              "the look of Tidepost. Please set the number of colours to at least 65536."),
                                       {colours}),
                        info);
    }
}

}  // namespace tidepost
