#include "editor/SendCommand.h"

#include "foundation/AppSettings.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kSendMessageId = 2020;
constexpr int kScanId = 2055;
constexpr int kLinkTestId = 2058;

void Info(Foundation& f, QWidget* owner, const QString& title, const QString& text) {
    MessageBoxRequest box;
    box.title = title;
    box.text = text;
    box.buttons = MsgButtons::Ok;
    if (f.Os.Boxes) f.Os.Boxes->Show(box, owner);
}

SendRefusal CheckAndHandOver(Foundation& f, const SendCommandLinks& l) {
    if (l.ChangeToEditor) l.ChangeToEditor();

    const OceanIndex ocean = f.gConfiguration.LastOcean();
    const int status = l.GetMobileStatus ? l.GetMobileStatus() : 0;
    const QString caption = l.MobileStatusCaption ? l.MobileStatusCaption() : QString();
    if (caption.isEmpty() || ocean >= kOceanCount || status == 0) {
        if (l.ShowOceanRegionNotFound) l.ShowOceanRegionNotFound();
        return SendRefusal::NoOceanRegion;
    }
    if (status == 6 || status == 1) {
        Info(f, l.Owner, "Info", "Sending Distress in progress!\r\n\r\nSending not allowed");
        return SendRefusal::DistressInProgress;
    }
    if (status == 2) {
        Info(f, l.Owner, "Info", "Link Test in progress!\r\n\r\nSending not allowed");
        return SendRefusal::LinkTestInProgress;
    }

    const bool distress = f.gSession.MessagePriority() == kDistressPriority;
    const QString les = GetIniValue(f, DefaultLesKey(ocean));
    const bool lesSet = !les.isEmpty() && les != QLatin1String("000");
    // A distress message goes to the rescue centre through the LES, never through an e-mail
    // provider, so a missing provider must not hold it up.
    const bool providerSet = distress || !f.gConfiguration.DefaultISPLes(ocean).isEmpty();
    if (!lesSet || !providerSet) {
        Info(f, l.Owner, MlText(f, 2694, "Default LES & ISP FAILURE!"),
             MlText(f, 2692, "Please select Default LES and ISP provider!") + "\r\n\r\n" +
                 MlText(f, 2693, "Go to Menu: <Setup>, <Set Default LES> and <Set Default ISP>"));
        return SendRefusal::NoDefaultLesOrProvider;
    }

    const QString password = GetAppSetting(f, f.gProductName, "Config", "Transmit Password", QString());
    if (!password.isEmpty() && !distress) {
        // Never send past the password: without its check nothing opens.
        if (l.ShowVerifyTransmitPassword) l.ShowVerifyTransmitPassword();
        return SendRefusal::None;
    }
    if (l.ShowSendingForm) l.ShowSendingForm();
    return SendRefusal::None;
}

}  // namespace

QString DefaultLesKey(int ocean) {
    switch (ocean) {
        case kOceanAorW: return QStringLiteral("[Default LES West]");
        case kOceanAorE: return QStringLiteral("[Default LES East]");
        case kOceanPor: return QStringLiteral("[Default LES Pacific]");
        case kOceanIor: return QStringLiteral("[Default LES Indian]");
        default: return QString();
    }
}

SendRefusal SendMessage_Click(Foundation& f, const SendCommandLinks& links) {
    const SendRefusal result = CheckAndHandOver(f, links);
    if (links.HotListAdd) links.HotListAdd(kSendMessageId, 0);
    return result;
}

void ScanMenu_Click(Link& link, const SendCommandLinks& links) {
    QueueCommand(link, QStringLiteral("nc -s"), true, true);
    if (links.HotListAdd) links.HotListAdd(kScanId, 0);
}

void LinktestMenu_Click(Foundation& f, Link& link, const SendCommandLinks& links) {
    if (f.gSession.MesConnected()) {
        QueueCommand(link, QStringLiteral("st -m"), true, true);
        if (links.ShowWaitForm) links.ShowWaitForm();
    } else if (links.ShowLinkTestForm) {
        links.ShowLinkTestForm();
    }
    if (links.HotListAdd) links.HotListAdd(kLinkTestId, 0);
}

}  // namespace tidepost
