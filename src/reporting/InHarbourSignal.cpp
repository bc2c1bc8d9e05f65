#include "reporting/InHarbourSignal.h"

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "link/INotificationsWindow.h"
#include "link/Link.h"
#include "platform/IClock.h"
#include "reporting/Reporting.h"
#include "reporting/cInHarbourButton.h"

namespace tidepost {

namespace {

cInHarbourButton& Button(Reporting& r) {
    if (!r.InHarbourButton) r.InHarbourButton = std::make_unique<cInHarbourButton>(r.F);
    return *r.InHarbourButton;
}

}  // namespace

void PressInHarbourButton(Reporting& r) {
    Foundation& f = r.F;
    const QString position = f.gSession.GetPos().Valid ? "'" + f.gSession.GetPosStr() + "'"
                                                        : MlText(f, 2680, "'No position available'");
    cInHarbourButton& button = Button(r);
    const bool ok = button.Push();
    QString text;
    if (ok) {
        text = MlText(f, 120, "In Harbour Button pressed at position:") + ' ' + position;
    } else {
        text = MlText(f, 121, "Error pressing In Harbour Button at position:") + ' ' + position + ".\r\n" +
               FormatMlString(MlText(f, 3563, "The parallel port '%0' could not be written: %1"),
                              {button.Device(), button.Failure()});
    }
    ShowStatusMessage(f, "INFO : " + text);
    const QDateTime now = f.Os.Clock ? f.Os.Clock->Now() : QDateTime::currentDateTime();
    r.L.Notifications.gInfoLog.AddInfo(now, 4, 10000, text);
    if (r.L.Windows.NotificationsWindow) r.L.Windows.NotificationsWindow->AddMessageGridInfoEntry(now, 4, 10000, text);
    QueueMessageBox(f, text, QStringLiteral("Info"), 0);
}

void ReleaseInHarbourButton(Reporting& r) { Button(r).Release(); }

void FreeInHarbourButton(Reporting& r) {
    if (r.InHarbourButton) r.InHarbourButton->Release();
    r.InHarbourButton.reset();
}

}  // namespace tidepost
