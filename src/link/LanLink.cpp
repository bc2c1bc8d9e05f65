#include "link/LanLink.h"

#include "foundation/AppSettings.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "foundation/cErrorLog.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/TcuDiscovery.h"
#include "link/TickGuard.h"
#include "platform/ISocketControl.h"

namespace tidepost {

namespace {

constexpr quint16 kDefaultTcuPort = 23;
constexpr int kGreen = 65280;
constexpr int kRed = 255;
// 10 s of 500-ms ticks after a TCU or transceiver prompt on the serial link.
constexpr qint32 kIndicatorTicks = 20;
// Discovery runs again after this many ticks (5 s) while no TCU address is known.
constexpr qint16 kSlpRetryPeriod = 10;
const QString kCrLf = QStringLiteral("\r\n");

bool IsLanMode(Link& link) { return GetIniValue(link.F, "[HOST Interface]") == "LAN"; }

bool IsConnected(const ISocketControl* socket) {
    return socket != nullptr && socket->SocketState() == ISocketControl::Connected;
}

void Send(Link& link, const QString& text) { link.F.Os.Socket->SendData(link.F.Os.Codec.Encode(text)); }

QString ReadSocket(Link& link) { return link.F.Os.Codec.Decode(link.F.Os.Socket->GetData()); }

void SetBar(Link& link, int colour) {
    if (link.Window) link.Window->SetTCUConnBarColor(colour);
}

void SetStatusCaption(Link& link, const QString& caption) {
    if (link.LanWindow) link.LanWindow->SetMobileStatusFieldCaption(caption);
}

// Green while the TCU is reachable. The status field is the link's to write only while the
// transceiver does not answer; once it answers, the field shows the transceiver's own status.
void ShowTcuIndicator(Link& link, bool tcuReachable) {
    const bool mesConnected = link.F.gSession.MesConnected();
    SetBar(link, tcuReachable ? kGreen : kRed);
    if (mesConnected) return;
    SetStatusCaption(link,
                     tcuReachable ? MlText(link.F, 3036, "Connected to TCU") : link.F.MobileStatusTexts.value(0));
}

void RefreshTcuIndicator(Link& link, bool lanMode) {
    CSession& session = link.F.gSession;
    if (lanMode) {
        ShowTcuIndicator(link, session.ConnectedToTCU);
        return;
    }
    if (session.ConnectedToTCU_Via_Com) {
        session.ConnectedToTCU_Via_Com = false;
        link.TcuIndicatorCountdown = kIndicatorTicks;
    }
    if (link.TcuIndicatorCountdown == 0) session.ConnectedToTCU_Via_Com = false;
    ShowTcuIndicator(link, link.TcuIndicatorCountdown != 0);
    if (link.TcuIndicatorCountdown > 0) --link.TcuIndicatorCountdown;
}

void ConnectStep(Link& link) {
    Foundation& f = link.F;
    ISocketControl* socket = f.Os.Socket;
    link.LanReceiveBuffer.clear();
    socket->Close();
    // With the socket closed no bridge runs. Left set (after the transceiver stayed silent in
    // state 4), the engine would go on reading the socket while it waits for a reply and take the
    // bridge's answer away from state 3, so that the link never came up again.
    f.gSession.LanConnected = false;
    const QString configured = GetIniValue(f, "[IP Settings]");
    if (!configured.isEmpty()) {
        socket->SetRemoteHost(configured);
    } else {
        if (f.gConfiguration.SlpTcuAddressCount() == 0) {
            // The search answers on a later tick (TakeTcuDiscoveryAnswers); one runs at a time.
            if (link.SlpRetryTicks == 0 && !IsFindingTcuAddresses(link)) {
                ErrorLog(f).AddLine("Check1");
                FindTcuAddresses(link);
            }
            ++link.SlpRetryTicks;
        }
        const QStringList found = f.gConfiguration.SlpTcuAddresses();
        if (f.gConfiguration.SlpTcuAddressCount() == 1 && !found.value(0).isEmpty()) {
            socket->SetRemoteHost(found.value(0));
            SetIniValue(f, "[IP Settings]", found.value(0), true);
        }
    }
    // The host a socket was last given counts too, so a unit chosen earlier is tried again.
    if (socket->RemoteHost().isEmpty()) return;
    socket->SetRemotePort(GetTcuPort(link));
    socket->SetLocalPort(0);
    socket->Connect();
    link.LanLinkState = 1;
}

void WaitForTcpStep(Link& link) {
    CSession& session = link.F.gSession;
    if (IsConnected(link.F.Os.Socket)) {
        session.ConnectedToTCU = true;
        link.LanRetryCount = 0;
        link.LanLinkState = 2;
        return;
    }
    if (++link.LanRetryCount >= 2) {
        session.ConnectedToTCU = false;
        link.LanRetryCount = 0;
        link.LanLinkState = 0;
    }
}

void StartBridgeStep(Link& link) {
    const bool connected = IsConnected(link.F.Os.Socket);
    if (connected) {
        Send(link, kCrLf);
        Send(link, "minic -f" + kCrLf);
    }
    if (++link.LanRetryCount > 5) {
        link.LanRetryCount = 0;
        link.LanLinkState = 0;
    } else if (connected) {
        link.LanLinkState = 3;
    }
}

void WaitForBridgeStep(Link& link) {
    if (IsConnected(link.F.Os.Socket)) link.LanReceiveBuffer = ReadSocket(link);
    const QString& text = link.LanReceiveBuffer;
    bool answered = false;
    if (text.contains(QLatin1String("minic: command not found")) ||
        text.contains(QLatin1String("Connected"), Qt::CaseInsensitive)) {
        answered = true;
        link.F.gSession.LanConnected = true;
        QueueCommand(link, "st -v" + kCrLf + "st -i", true, false);
        link.LanRetryCount = 0;
    }
    if (++link.LanRetryCount > 5) {
        link.LanRetryCount = 0;
        link.LanLinkState = 0;
    } else if (answered) {
        link.LanLinkState = 4;
    }
}

void WaitForTransceiverStep(Link& link) {
    Foundation& f = link.F;
    f.gSession.LanConnected = true;
    if (f.gSession.MesConnected()) {
        link.LanRetryCount = 0;
        if (f.gConfiguration.GetTcuSwMajor() == 0) {
            ErrorLog(f).AddLine("Check2");
            ReadTcuSwVersion(link, f.Os.Socket->RemoteHost());
        }
        link.LanLinkState = 5;
        return;
    }
    if (++link.LanRetryCount > 10) {
        link.LanRetryCount = 0;
        link.LanLinkState = 0;
    }
}

void SuperviseStep(Link& link) {
    if (link.F.gSession.MesConnected()) return;
    link.F.gSession.LanConnected = false;
    link.LanLinkState = 6;
}

void ProbeStep(Link& link) {
    if (!IsConnected(link.F.Os.Socket)) {
        link.LanLinkState = 0;
        return;
    }
    Send(link, kCrLf);
    link.LanLinkState = 7;
}

void ReadProbeStep(Link& link) {
    if (IsConnected(link.F.Os.Socket)) link.LanReceiveBuffer = ReadSocket(link);
    if (link.LanReceiveBuffer.contains(QLatin1String("kv880:/$"), Qt::CaseInsensitive)) {
        // The TCU's own shell answered: only the bridge has to be started again.
        link.LanLinkState = 2;
        return;
    }
    link.F.gSession.ConnectedToTCU = false;
    link.LanLinkState = 0;
}

void WinsockTick(Link& link) {
    TakeTcuDiscoveryAnswers(link);
    if (link.SlpRetryTicks == kSlpRetryPeriod) link.SlpRetryTicks = 0;
    const bool lanMode = IsLanMode(link);
    RefreshTcuIndicator(link, lanMode);
    if (!lanMode || link.F.Os.Socket == nullptr) return;
    if (link.LanWindow && link.LanWindow->IsCommSettingsFormVisible()) return;

    switch (link.LanLinkState) {
    case 0: ConnectStep(link); break;
    case 1: WaitForTcpStep(link); break;
    case 2: StartBridgeStep(link); break;
    case 3: WaitForBridgeStep(link); break;
    case 4: WaitForTransceiverStep(link); break;
    case 5: SuperviseStep(link); break;
    case 6: ProbeStep(link); break;
    case 7: ReadProbeStep(link); break;
    default: link.LanLinkState = 0; break;
    }
}

}  // namespace

quint16 GetTcuPort(Link& link) {
    Foundation& f = link.F;
    if (f.Os.Settings == nullptr) return kDefaultTcuPort;
    bool ok = false;
    const uint port = GetAppSetting(f, f.gProductName, "Config", "TCU Port", "").trimmed().toUInt(&ok);
    return ok && port >= 1 && port <= 65535 ? static_cast<quint16>(port) : kDefaultTcuPort;
}

void Winsock_timer_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.Winsock_timer_Timer", [&] { WinsockTick(link); });
}

}  // namespace tidepost
