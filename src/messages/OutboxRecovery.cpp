#include "messages/OutboxRecovery.h"

#include "link/Link.h"
#include "messages/DeliveryStatus.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/ISerialControl.h"
#include "platform/ISocketControl.h"

namespace tidepost {

void ClearOutboxAtStartUp(Messages& m) {
    cOutBox& outBox = GetOutBox(m);
    using namespace DeliveryStatus;
    const int unreferenced = outBox.UpdateOutBox({}, kNoReference, Initiated, kNoReference, Initiated, true);
    if (unreferenced >= 1) {
        outBox.UpdateOutBox({}, kNoReference, Initiated, kNoReference, PcCleared, true);
    } else if (outBox.UpdateOutBox({}, {}, Sending, {}, Sending, true) >= 1) {
        outBox.UpdateOutBox({}, {}, Sending, {}, PcCleared, true);
    }

    Platform& os = m.F.Os;
    if (os.Serial && os.Serial->PortOpen()) os.Serial->Close();
    if (os.Socket && os.Socket->SocketState() != 0) os.Socket->Close();
}

void ClearOutboxAfterMesRestart(Messages& m) {
    using namespace DeliveryStatus;
    const QString& queue = m.L.Dialogue.CommandQueue;
    const cOutBox::LineMatch unfinished = [&queue](const OutboxFields& x) {
        const QStringView status = x[8];
        if (status != Initiated && status != Sending && status != ConfReq) return false;
        return x[7] != kDistressReference && !IsSubmissionQueued(queue, x[0]);
    };
    GetOutBox(m).UpdateOutBoxWhere(unfinished, {}, MesCleared, true);
}

bool IsSubmissionQueued(const QString& commandQueue, QStringView fileName) {
    if (fileName.isEmpty()) return false;
    for (QStringView line : QStringView(commandQueue).split(u'\n')) {
        const QList<QStringView> words = line.trimmed().split(u' ', Qt::SkipEmptyParts);
        if (words.size() >= 2 && words[0] == QLatin1String("tx") && words[1] == fileName) return true;
    }
    return false;
}

}  // namespace tidepost
