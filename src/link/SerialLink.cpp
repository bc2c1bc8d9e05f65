#include "link/SerialLink.h"

#include <QFile>
#include <cmath>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/LogFiles.h"
#include "link/AppendToLogFile.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/LinkIo.h"
#include "link/LinkLoss.h"
#include "link/PeriodicPolls.h"
#include "platform/ISerialControl.h"

namespace tidepost {

namespace {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 16;
constexpr qsizetype kShortestSettings = 10;
constexpr qsizetype kLongestSettings = 12;

const QString kRebootAdvice = QStringLiteral(" If this error continues, you may need to reboot the computer.");

// The line-error texts of the serial control's error events; events not listed are not logged.
QString LineErrorText(int event) {
    switch (event) {
    case ISerialControl::ErCTSTO: return "CTS Timeout." + kRebootAdvice;
    case ISerialControl::ErDSRTO: return "DSR Timeout." + kRebootAdvice;
    case ISerialControl::ErFrame: return "Framing Error." + kRebootAdvice;
    case ISerialControl::ErOverrun: return "Data Lost." + kRebootAdvice;
    case ISerialControl::ErCDTO: return "CD (RLSD) Timeout." + kRebootAdvice;
    case ISerialControl::ErRxOver: return "Receive buffer overflow." + kRebootAdvice;
    case ISerialControl::ErRxParity: return "Parity Error." + kRebootAdvice;
    case ISerialControl::EvSend: return QStringLiteral("Transmit buffer Threshold event!.");
    case ISerialControl::EvDSR: return "Change in the DSR line." + kRebootAdvice;
    default: return {};
    }
}

}  // namespace

bool IsComPortAvailable(Foundation& f, int portNumber) {
    ISerialControl* serial = f.Os.Serial;
    if (serial == nullptr) return false;
    if (serial->PortOpen() && serial->CommPort() == portNumber) return true;
    return serial->ProbePort(portNumber) != ISerialControl::ErrBadPortNumber;
}

bool OpenComPort(Foundation& f, std::uint8_t port, const QString& settings) {
    ISerialControl* serial = f.Os.Serial;
    if (serial == nullptr) return false;
    if (serial->PortOpen()) serial->Close();
    serial->SetCommPort(port);
    serial->SetSettings(settings);
    return serial->Open() == ISerialControl::OpenOk;
}

std::uint8_t GetComPortSetting(Foundation& f) {
    bool ok = false;
    const double value = GetIniValue(f, "[COM port]").trimmed().toDouble(&ok);
    if (!ok || !(value >= kFirstPort && value <= kLastPort)) return kFirstPort;
    // Halves go to the even neighbour; 16.4 stays in range as 16.
    return static_cast<std::uint8_t>(std::nearbyint(value));
}

QString GetComSettings(Foundation& f) {
    const QString settings = GetIniValue(f, "[COM Settings]");
    if (settings.size() < kShortestSettings || settings.size() > kLongestSettings) return kDefaultComSettings;
    return settings;
}

bool OpenComPortAtStartUp(Foundation& f) {
    if (GetIniValue(f, "[HOST Interface]") != QLatin1String("COM")) return false;
    const std::uint8_t port = GetComPortSetting(f);
    const QString settings = GetComSettings(f);
    const bool open = OpenComPort(f, port, settings);
    // The values used are saved with the settings file, so a bad entry is repaired for good.
    SetIniValue(f, "[COM port]", QString::number(port), false);
    SetIniValue(f, "[COM Settings]", settings, false);
    return open;
}

bool StartCommLog(Foundation& f, const QStringList& arguments) {
    const QString path = DataFilePath(f, "CommLog.txt");
    if (!path.isEmpty() && QFile::exists(path)) QFile::remove(path);
    return GetIniValue(f, "[Logging]") == QLatin1String("Yes") || arguments.join(' ').contains("-log");
}

void MSComm1_OnComm(Link& link) {
    ISerialControl* serial = link.F.Os.Serial;
    if (serial == nullptr || serial->CommEvent() != ISerialControl::EvReceive) return;
    link.Dialogue.DialogueState = 1;
    SetReceiveThreshold(link, 0);
    DialogueWorkArrived(link);
}

bool CheckCommEvent(Link& link) {
    CSession& session = link.F.gSession;
    ISerialControl* serial = link.F.Os.Serial;
    bool carrierLost = false;
    if (session.MesConnected() && serial != nullptr) {
        const int event = serial->CommEvent();
        if (event == ISerialControl::EvCD) {
            if (serial->CDHolding()) {
                QueueStatusPoll(link);
            } else {
                ConnectionLost(link);
                carrierLost = true;
            }
        } else {
            const QString text = LineErrorText(event);
            if (!text.isEmpty()) AppendToLogFile(link.F, text, "ErrorLog.txt", true);
        }
    }
    // The callers have just heard from the transceiver, except when the carrier has gone: then
    // the link stays lost until a reply proves otherwise.
    if (!carrierLost) session.SetMesConnected(true);
    return session.MesConnected();
}

void AttachSerialLink(Link& link) {
    if (link.F.Os.Serial) link.F.Os.Serial->OnComm = [&link] { MSComm1_OnComm(link); };
    link.Dialogue.CheckCommEvent = [&link] { CheckCommEvent(link); };
}

}  // namespace tidepost
