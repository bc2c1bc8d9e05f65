#include "link/LanLink.h"

#include "foundation/AppSettings.h"
#include "foundation/Definitions.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "foundation/cErrorLog.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/LanDiscovery.h"
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

bool IsLanMode(Link& link) { return GetIniValue(link.F, "[HOST Interface]") == "LAN"; }

bool IsConnected(const ISocketControl* socket) {
    return socket != nullptr && socket->SocketState() == ISocketControl::Connected;
}

void SetBar(Link& link, int colour) {
    if (link.Windows.Window) link.Windows.Window->SetTCUConnBarColor(colour);
}

void SetStatusCaption(Link& link, const QString& caption) {
    if (link.Windows.LanWindow) link.Windows.LanWindow->SetMobileStatusFieldCaption(caption);
}

// Green while the TCU is reachable. The status field is the link's to write only while the
// transceiver does not answer; once it answers, the field shows the transceiver's own status.
void ShowTcuIndicator(Link& link, bool tcuReachable) {
    const bool mesConnected = link.F.gSession.MesConnected();
    SetBar(link, tcuReachable ? kGreen : kRed);
    link.Lan.TcuIndicatorGreen = tcuReachable;
    if (mesConnected) return;
    SetStatusCaption(link,
                     tcuReachable ? MlText(link.F, 3036, "Connected to TCU") : link.F.MobileStatusTexts.value(0));
}

void RefreshTcuIndicator(Link& link, bool lanMode) {
    LinkLan& lan = link.Lan;
    CSession& session = link.F.gSession;
    if (lanMode) {
        ShowTcuIndicator(link, session.ConnectedToTCU);
        return;
    }
    if (session.ConnectedToTCU_Via_Com) {
        session.ConnectedToTCU_Via_Com = false;
        lan.TcuIndicatorCountdown = kIndicatorTicks;
    }
    if (lan.TcuIndicatorCountdown == 0) session.ConnectedToTCU_Via_Com = false;
    ShowTcuIndicator(link, lan.TcuIndicatorCountdown != 0);
    if (lan.TcuIndicatorCountdown > 0) --lan.TcuIndicatorCountdown;
}

void ConnectStep(Link& link) {
    LinkLan& lan = link.Lan;
    Foundation& f = link.F;
    ISocketControl* socket = f.Os.Socket;
    lan.LanReceiveBuffer.clear();
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
            if (lan.SlpRetryTicks == 0 && !IsFindingTcuAddresses(link)) {
                if (!lan.DiscoveryFailureLogged) ErrorLog(f).AddLine("Check1");
                FindTcuAddresses(link);
            }
            ++lan.SlpRetryTicks;
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
    lan.LanLinkState = 1;
}

void WaitForTcpStep(Link& link) {
    LinkLan& lan = link.Lan;
    CSession& session = link.F.gSession;
    if (IsConnected(link.F.Os.Socket)) {
        session.ConnectedToTCU = true;
        lan.LanRetryCount = 0;
        lan.LanLinkState = 2;
        return;
    }
    if (++lan.LanRetryCount >= 2) {
        session.ConnectedToTCU = false;
        lan.LanRetryCount = 0;
        lan.LanLinkState = 0;
    }
}

void StartBridgeStep(Link& link) {
    LinkLan& lan = link.Lan;
    const bool connected = IsConnected(link.F.Os.Socket);
    if (connected) {
        SendToTcu(link, kCrLf);
        SendToTcu(link, "minic -f" + kCrLf);
    }
    if (++lan.LanRetryCount > 5) {
        lan.LanRetryCount = 0;
        lan.LanLinkState = 0;
    } else if (connected) {
        lan.LanLinkState = 3;
    }
}

void WaitForBridgeStep(Link& link) {
    LinkLan& lan = link.Lan;
    if (IsConnected(link.F.Os.Socket)) lan.LanReceiveBuffer = ReadFromTcu(link);
    bool answered = false;
    if (IsBridgeAnswer(lan.LanReceiveBuffer)) {
        answered = true;
        link.F.gSession.LanConnected = true;
        QueueCommand(link, "st -v" + kCrLf + "st -i", true, false);
        lan.LanRetryCount = 0;
    }
    if (++lan.LanRetryCount > 5) {
        lan.LanRetryCount = 0;
        lan.LanLinkState = 0;
    } else if (answered) {
        lan.LanLinkState = 4;
    }
}

void WaitForTransceiverStep(Link& link) {
    LinkLan& lan = link.Lan;
    Foundation& f = link.F;
    f.gSession.LanConnected = true;
    if (f.gSession.MesConnected()) {
        lan.LanRetryCount = 0;
        if (f.gConfiguration.GetTcuSwMajor() == 0) {
            ErrorLog(f).AddLine("Check2");
            ReadTcuSwVersion(link, f.Os.Socket->RemoteHost());
        }
        lan.LanLinkState = 5;
        return;
    }
    if (++lan.LanRetryCount > 10) {
        lan.LanRetryCount = 0;
        lan.LanLinkState = 0;
    }
}

void SuperviseStep(Link& link) {
    if (link.F.gSession.MesConnected()) return;
    link.F.gSession.LanConnected = false;
    link.Lan.LanLinkState = 6;
}

void ProbeStep(Link& link) {
    LinkLan& lan = link.Lan;
    if (!IsConnected(link.F.Os.Socket)) {
        lan.LanLinkState = 0;
        return;
    }
    SendToTcu(link, kCrLf);
    lan.LanLinkState = 7;
}

void ReadProbeStep(Link& link) {
    LinkLan& lan = link.Lan;
    if (IsConnected(link.F.Os.Socket)) lan.LanReceiveBuffer = ReadFromTcu(link);
    if (lan.LanReceiveBuffer.contains(QLatin1String("kv880:/$"), Qt::CaseInsensitive)) {
        // The TCU's own shell answered: only the bridge has to be started again.
        lan.LanLinkState = 2;
        return;
    }
    link.F.gSession.ConnectedToTCU = false;
    lan.LanLinkState = 0;
}

void WinsockTick(Link& link) {
    LinkLan& lan = link.Lan;
    TakeTcuDiscoveryAnswers(link);
    if (lan.SlpRetryTicks == kSlpRetryPeriod) lan.SlpRetryTicks = 0;
    const bool lanMode = IsLanMode(link);
    RefreshTcuIndicator(link, lanMode);
    if (!lanMode || link.F.Os.Socket == nullptr) return;
    if (link.Windows.LanWindow && link.Windows.LanWindow->IsCommSettingsFormVisible()) return;

    switch (lan.LanLinkState) {
    case 0: ConnectStep(link); break;
    case 1: WaitForTcpStep(link); break;
    case 2: StartBridgeStep(link); break;
    case 3: WaitForBridgeStep(link); break;
    case 4: WaitForTransceiverStep(link); break;
    case 5: SuperviseStep(link); break;
    case 6: ProbeStep(link); break;
    case 7: ReadProbeStep(link); break;
    default: lan.LanLinkState = 0; break;
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

void SendToTcu(Link& link, const QString& text) { link.F.Os.Socket->SendData(link.F.Os.Codec.Encode(text)); }

QString ReadFromTcu(Link& link) { return link.F.Os.Codec.Decode(link.F.Os.Socket->GetData()); }

bool IsBridgeAnswer(const QString& text) {
    return text.contains(QLatin1String("minic: command not found")) ||
           text.contains(QLatin1String("Connected"), Qt::CaseInsensitive);
}

void TakeSocketFromEngine(Link& link) { link.F.gSession.LanConnected = false; }

void BridgeAnsweredForDialog(Link& link) {
    link.F.gSession.LanConnected = true;
    link.Lan.LanRetryCount = 0;
    link.Lan.LanLinkState = 4;
}

bool WinsockTimerHasWork(Link& link) {
    const LinkLan& lan = link.Lan;
    if (lan.SlpSearches.IsWaiting()) return true;
    if (link.Windows.LanWindow && link.Windows.LanWindow->IsCommSettingsFormVisible()) return true;
    if (!IsLanMode(link))
        return link.F.gSession.ConnectedToTCU_Via_Com || lan.TcuIndicatorCountdown > 0 || lan.TcuIndicatorGreen;
    if (link.F.Os.Socket == nullptr) return false;
    return lan.LanLinkState != 5 || !link.F.gSession.MesConnected();
}

void Winsock_timer_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.Winsock_timer_Timer", [&] { WinsockTick(link); });
}

}  // namespace tidepost
