#include "link/CommSettingsActions.h"

#include "foundation/Definitions.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "link/LanDiscovery.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/SerialLink.h"
#include "platform/ISerialControl.h"
#include "platform/ISocketControl.h"

namespace tidepost {

namespace {

const QString kIdentityQueries = QStringLiteral("st -v\r\nst -i");

bool SocketConnected(const Link& link) {
    return link.F.Os.Socket != nullptr && link.F.Os.Socket->SocketState() == ISocketControl::Connected;
}

void SetStatusCaption(Link& link, const QString& caption) {
    if (link.Windows.LanWindow) link.Windows.LanWindow->SetMobileStatusFieldCaption(caption);
}

void SendLines(Link& link, const QStringList& lines) {
    if (!SocketConnected(link)) return;
    TakeSocketFromEngine(link);
    SendToTcu(link, kCrLf);
    for (const QString& line : lines) SendToTcu(link, line + kCrLf);
}

}  // namespace

void ChooseSerialLink(Link& link, const QString& port, const QString& baudRate) {
    Foundation& f = link.F;
    SetIniValue(f, "[HOST Interface]", "COM", true);
    if (f.Os.Socket) f.Os.Socket->Close();
    ConnectionLost(link);
    const QString settings = baudRate + ",n,8,1";
    SetIniValue(f, "[COM port]", port, false);
    SetIniValue(f, "[COM Settings]", settings, true);
    OpenComPort(f, static_cast<std::uint8_t>(port.toInt()), settings);
    QueueCommand(link, kIdentityQueries, true, false);
}

void ChooseLanLink(Link& link, const QString& address) {
    Foundation& f = link.F;
    if (f.Os.Serial && f.Os.Serial->PortOpen()) {
        f.Os.Serial->Close();
        ConnectionLost(link);
    }
    SetIniValue(f, "[HOST Interface]", "LAN", true);
    SetIniValue(f, "[IP Settings]", address, true);
}

bool IsConnectedToTcu(const Link& link, const QString& address) {
    return SocketConnected(link) && link.F.Os.Socket->RemoteHost() == address && link.F.gSession.ConnectedToTCU;
}

void StartTcuConnection(Link& link, const QString& address) {
    ISocketControl* socket = link.F.Os.Socket;
    if (socket == nullptr) return;
    TakeSocketFromEngine(link);
    socket->Close();
    socket->SetRemoteHost(address);
    socket->SetRemotePort(GetTcuPort(link));
    socket->SetLocalPort(0);
    link.F.gSession.ConnectedToTCU = false;
    SetStatusCaption(link, QString());
    socket->Connect();
    ReadTcuSwVersion(link, socket->RemoteHost());
}

void StartTcuBridge(Link& link) {
    link.F.gSession.ConnectedToTCU = true;
    SetStatusCaption(link, MlText(link.F, 3036, "Connected to TCU"));
    SendLines(link, {QStringLiteral("minic -f")});
}

void SendFixedIpCommands(Link& link, const QString& address) {
    SendLines(link, {QStringLiteral("exit"), QStringLiteral("sysconf -h 0"), "sysconf -i " + address,
                     QStringLiteral("minic -f")});
}

void SendAutomaticIpCommands(Link& link) {
    SendLines(link, {QStringLiteral("exit"), QStringLiteral("sysconf -h 1"), QStringLiteral("minic -f")});
}

void TcuBridgeReady(Link& link) {
    BridgeAnsweredForDialog(link);
    link.Dialogue.DialogueState = 0;
    QueueCommand(link, kIdentityQueries, true, false);
}

void RebootSilentTcu(Link& link) {
    if (SocketConnected(link)) SendToTcu(link, "reboot" + kCrLf);
}

}  // namespace tidepost
