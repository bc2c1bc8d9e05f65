#include "link/LinkIo.h"

#include "link/AppendToLogFile.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "platform/ISerialControl.h"
#include "platform/ISocketControl.h"

namespace tidepost {

ISerialControl* OpenSerial(const Link& link) {
    ISerialControl* serial = link.F.Os.Serial;
    return serial != nullptr && serial->PortOpen() ? serial : nullptr;
}

ISocketControl* ConnectedSocket(const Link& link) {
    ISocketControl* socket = link.F.Os.Socket;
    if (socket == nullptr || !link.F.gSession.LanConnected) return nullptr;
    return socket->SocketState() == ISocketControl::Connected ? socket : nullptr;
}

void LinkFailure(Link& link, int number, const QString& description) {
    if (link.Dialogue.CheckCommEvent) link.Dialogue.CheckCommEvent();
    AppendLinkErrorLine(link.F, number, description);
}

void WriteToLinks(Link& link, const QByteArray& bytes) {
    if (ISerialControl* serial = OpenSerial(link)) {
        if (!serial->Output(bytes)) LinkFailure(link, serial->LastErrorNumber(), serial->LastErrorDescription());
    }
    if (ISocketControl* socket = ConnectedSocket(link)) {
        if (!socket->SendData(bytes)) LinkFailure(link, socket->LastErrorNumber(), socket->LastErrorDescription());
    }
}

void SetReceiveThreshold(Link& link, int threshold) {
    link.Dialogue.ReceiveThreshold = threshold;
    if (link.F.Os.Serial) link.F.Os.Serial->SetRThreshold(threshold);
}

void SetLabel1(Link& link, const QString& caption) {
    if (link.Windows.Window) link.Windows.Window->SetLabel1Caption(caption);
}

}  // namespace tidepost
