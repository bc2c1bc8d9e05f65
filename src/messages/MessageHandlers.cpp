#include "messages/MessageHandlers.h"

#include "link/Link.h"
#include "messages/IMessagesWindow.h"
#include "messages/InboxFetch.h"
#include "messages/DeliveryStatusHandlers.h"
#include "messages/Messages.h"
#include "messages/SubmissionErrors.h"
#include "messages/PrintFetchedFile.h"
#include "messages/TransferInToPC.h"
#include "messages/OutboxRecovery.h"
#include "messages/DeliveryStatus.h"
#include "messages/cOutBox.h"

namespace tidepost {

void RegisterMessageHandlers(Messages& m) {
    ReplyDispatch& d = m.L.Dispatch;
    d.HandleInboxListing = [&m](const QString& reply) { HandleInboxListing(m, reply); };
    d.HandleInboxLog = [&m](const QString& reply) { HandleInboxLog(m, reply); };
    d.Transfer_IN_To_PC = [&m](const QString& reply) { Transfer_IN_To_PC(m, reply); };
    d.Print_Fetched_File = [&m](QString& text) { Print_Fetched_File(m, text, PrintedText::Reply); };
    d.cOutBox.AddDistressAlert = [&m](int status) { GetOutBox(m).AddDistressAlert(status); };
    d.OutboxButton_Click = [&m] {
        if (m.Window) m.Window->OutboxButton_Click();
    };
    d.ClearOutboxAfterMesRestart = [&m] { ClearOutboxAfterMesRestart(m); };
    d.CheckUploadedFileSize = CheckUploadedFileSize;
    d.DeleteUploadedFile = [&m](const QString& fileName) { DeleteUploadedFile(m, fileName); };
    d.HandleTxError = [&m](const QString& reply) { HandleTxError(m, reply); };
    d.HandleTxEgcOnlyError = [&m](const QString& reply) { HandleTxEgcOnlyError(m, reply); };
    d.MarkUploadFailed = [&m](const QString& fileName) {
        GetOutBox(m).UpdateOutBoxFile(fileName, {}, DeliveryStatus::Failed, true);
    };
    RegisterDeliveryStatusHandlers(m);
}

}  // namespace tidepost
