#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "messages/DeliveryStatus.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kFileColumn = 0;
constexpr int kLesColumn = 3;
constexpr int kBitsColumn = 4;
constexpr int kRefColumn = 8;
const QString kConfReqKey = QStringLiteral("ConfReq");

// A reference the LES gave: what is written before one comes ("<None>", empty), the placeholder of
// a distress alert ("-") and the transceiver's own outbox names ("OUT.…") are none.
bool HasLesReference(const QString& ref) {
    const QString r = ref.trimmed();
    return !r.isEmpty() && r != u"<None>" && r != u"-" && !r.startsWith(u"OUT.", Qt::CaseInsensitive);
}

}  // namespace

void FolderViews::ConfirmationBox(const QString& text) {
    MessageBoxRequest box;
    box.text = text;
    box.title = MlText(F, 2366, QStringLiteral("Confirmation Request"));
    box.buttons = MsgButtons::Ok;
    F.Os.Boxes->Show(box);
}

void FolderViews::ResubmitMessage_Click() {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid) return;
    const int row = grid->Row();
    const QString file = grid->TextMatrix(row, kFileColumn);
    const QString les = grid->TextMatrix(row, kLesColumn);
    const QString ref = grid->TextMatrix(row, kRefColumn);
    const QString notPossible = MlText(F, 2691, QStringLiteral("ConfReq of this message not possible"));

    if (!GetIniValue(F, kConfReqKey).isEmpty()) {
        ConfirmationBox(QStringLiteral("Only one confirmation request can be sent at a time. Please wait until the "
                                       "response from the previous request has been received."));
        return;
    }
    // Every distress alert shares the file name "-", and an entry without the LES's reference can
    // never be answered, so it would hold the one pending slot for good.
    if (row < 1 || file == u"-" || grid->TextMatrix(row, kBitsColumn) == u"Distress Alert" || !HasLesReference(ref)) {
        ConfirmationBox(notPossible);
        return;
    }
    if (GetOutBox(M).UpdateOutBoxFile(file, {}, DeliveryStatus::ConfReq, true) < 1) {
        ConfirmationBox(notPossible);
        return;
    }
    QueueCommand(M.L, "co " + ref + " " + les, true, false);
    SetIniValue(F, kConfReqKey, file, true);
}

}  // namespace tidepost
