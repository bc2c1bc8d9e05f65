#include "editor/FolderViews.h"

#include "editor/FlexGrid.h"
#include "foundation/CSession.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "messages/Messages.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kKeyEnter = 13;
constexpr int kKeyDelete = 46;
constexpr int kAsciiBackspace = 8;
constexpr int kAsciiCtrlA = 1;
constexpr int kRightButton = 2;
constexpr int kInfoLogViewMode = 4;
constexpr int kInfoLogMenuId = 2006;

void Run(const std::function<void()>& f) {
    if (f) f();
}

}  // namespace

FolderViews::~FolderViews() {
    // The worker posts to m_context; it must be done before m_context goes.
    if (m_egcLoader.joinable()) m_egcLoader.join();
    if (m_inboxLoader.joinable()) m_inboxLoader.join();
    for (FlexGrid* grid : {InboxMSGrid.data(), OutboxMSGrid.data(), EGCMSGrid.data()}) {
        if (!grid) continue;
        grid->SelChange = {};
        grid->KeyDown = {};
        grid->KeyPress = {};
        grid->DblClick = {};
        grid->MouseDown = {};
        grid->LostFocus = {};
    }
    if (OutboxMSGrid && M.OutboxMSGrid == static_cast<IFlexGrid*>(OutboxMSGrid.data())) M.OutboxMSGrid = nullptr;
    // A sent-items load still on its worker would finish this view when its rows come.
    if (M.SentItemsLoading) M.SentItemsLoading->Drop();
}

FlexGrid* FolderViews::Grid(FolderGridKind kind) const {
    switch (kind) {
    case FolderGridKind::Inbox: return InboxMSGrid;
    case FolderGridKind::SentItems: return OutboxMSGrid;
    case FolderGridKind::Egc: break;
    }
    return EGCMSGrid;
}

void FolderViews::Attach(FolderGridKind kind, FlexGrid* grid) {
    switch (kind) {
    case FolderGridKind::Inbox: InboxMSGrid = grid; break;
    case FolderGridKind::SentItems:
        OutboxMSGrid = grid;
        M.OutboxMSGrid = grid;
        if (grid) {
            // The message area must not reach a grid that is gone.
            IFlexGrid* registered = grid;
            Messages* m = &M;
            QObject::connect(grid, &QObject::destroyed, [m, registered] {
                if (m->OutboxMSGrid == registered) m->OutboxMSGrid = nullptr;
            });
        }
        break;
    case FolderGridKind::Egc: EGCMSGrid = grid; break;
    }
    if (!grid) return;
    grid->setObjectName(QString::fromLatin1(FamilyOf(kind).GridName));
    grid->SetCols(FamilyOf(kind).Columns);
    grid->SelChange = [this, kind] { SetAllColumnsSelected(*Grid(kind), kind); };
    grid->KeyDown = [this, kind](int& keyCode, int shift) { Grid_KeyDown(kind, keyCode, shift); };
    grid->KeyPress = [this, kind](int& keyAscii) { Grid_KeyPress(kind, keyAscii); };
    grid->DblClick = [this, kind] { Grid_DblClick(kind); };
    grid->MouseDown = [this, kind](int button, int shift, int x, int y) { Grid_MouseDown(kind, button, shift, x, y); };
    grid->LostFocus = [this, kind] { Grid_LostFocus(kind); };
}

void FolderViews::InboxMSGrid_AddRow(const QStringList& cells, int foreColor) {
    FlexGrid* grid = InboxMSGrid;
    if (!grid) return;
    // The row would be lost when the rows of a load still on its worker are swapped in; the
    // message is in the index already, so the view is loaded again instead.
    if (m_inboxLoadPending) {
        InboxButton_Click();
        return;
    }
    grid->AddItem(grid->Rows(), {cells, foreColor, true});
    grid->SetRow(grid->Rows() - 1);
    grid->SetCol(0);
    grid->SetSort(kFlexSortStringNoCaseDescending);
    grid->SetRow(grid->Rows() - 1);
}

void FolderViews::InBox_SetAllColumnsSelected() {
    if (InboxMSGrid) SetAllColumnsSelected(*InboxMSGrid, FolderGridKind::Inbox);
}
void FolderViews::OutBox_SetAllColumnsSelected() {
    if (OutboxMSGrid) SetAllColumnsSelected(*OutboxMSGrid, FolderGridKind::SentItems);
}
void FolderViews::EgcBox_SetAllColumnsSelected() {
    if (EGCMSGrid) SetAllColumnsSelected(*EGCMSGrid, FolderGridKind::Egc);
}
void FolderViews::RestoreInboxGridWidths() {
    if (InboxMSGrid) RestoreGridWidths(F, *InboxMSGrid, FolderGridKind::Inbox);
}
void FolderViews::RestoreSentItemsGridWidths() {
    if (OutboxMSGrid) RestoreGridWidths(F, *OutboxMSGrid, FolderGridKind::SentItems);
}
void FolderViews::RestoreEgcGridWidths() {
    if (EGCMSGrid) RestoreGridWidths(F, *EGCMSGrid, FolderGridKind::Egc);
}

void FolderViews::Grid_KeyDown(FolderGridKind kind, int& keyCode, int) {
    if (keyCode == kKeyEnter) {
        keyCode = 0;
        Grid_DblClick(kind);
    } else if (keyCode == kKeyDelete) {
        // Delete acts whatever modifier keys are held with it.
        keyCode = 0;
        switch (kind) {
        case FolderGridKind::Inbox: Run(Seams.InboxDeleteMessage_Click); break;
        case FolderGridKind::SentItems: Run(Seams.SentItemsDeleteMessage_Click); break;
        case FolderGridKind::Egc: EGCDelete_Click(); break;
        }
    }
}

void FolderViews::Grid_KeyPress(FolderGridKind kind, int& keyAscii) {
    if (keyAscii == kAsciiBackspace) {
        int key = kKeyDelete;
        Grid_KeyDown(kind, key, 0);
        keyAscii = 0;
    } else if (keyAscii == kAsciiCtrlA) {
        if (FlexGrid* grid = Grid(kind)) SelectAllRows(*grid);
        keyAscii = 0;
    }
}

void FolderViews::Grid_DblClick(FolderGridKind kind) {
    switch (kind) {
    case FolderGridKind::Inbox: Run(Seams.OpenSelectedInboxMessage); break;
    case FolderGridKind::SentItems: OpenSelectedSentItem(); break;
    case FolderGridKind::Egc: Run(Seams.OpenSelectedEgc); break;
    }
}

void FolderViews::Grid_MouseDown(FolderGridKind kind, int button, int, int x, int y) {
    if (button == kRightButton && Seams.ShowPopup) Seams.ShowPopup(kind, x, y);
}

void FolderViews::Grid_LostFocus(FolderGridKind kind) {
    if (FlexGrid* grid = Grid(kind)) SaveGridWidths(F, *grid, kind);
}

void FolderViews::ViewButton_KeyDown(int& keyCode, int shift) {
    if (Seams.HandleEditorShortcutKeys) Seams.HandleEditorShortcutKeys(keyCode, shift);
}

void FolderViews::ShowFolderView(int mode) {
    if (Seams.SetMessageLogShown) Seams.SetMessageLogShown(mode);
    if (Seams.MainFormSetUp) Seams.MainFormSetUp();
    F.gSession.SetMessagePriority(0);
    if (Seams.EnableEditorGUI) Seams.EnableEditorGUI(false);
}

int FolderViews::AskDelete(const QString& folder, const QString& file) {
    MessageBoxRequest box;
    box.text = MlText(F, 2676, QStringLiteral("Delete ")) + AddBackslash(folder) + file + " ?";
    box.buttons = MsgButtons::YesYesToAllNoToAll;
    box.icon = MsgIcon::Question;
    box.buttonCaptions = {MlText(F, 2207, QStringLiteral("Yes")), MlText(F, 2674, QStringLiteral("Yes to all")),
                          MlText(F, 2675, QStringLiteral("No to all"))};
    switch (F.Os.Boxes->Show(box)) {
    case MsgAnswer::Yes: return kAnswerYes;
    case MsgAnswer::YesToAll: return kAnswerYesToAll;
    default: return kAnswerNoToAll;
    }
}

void FolderViews::mnuInfoLog_Click() {
    if (Seams.SetMessageLogShown) Seams.SetMessageLogShown(kInfoLogViewMode);
    F.gSession.SetMessagePriority(0);
    if (Seams.EnableEditorGUI) Seams.EnableEditorGUI(false);
    Run(Seams.MainFormSetUp);
    Run(Seams.ShowInfoLogGrid);
    if (Seams.HotListAdd) Seams.HotListAdd(kInfoLogMenuId, 0);
}

void FolderViews::InboxMenu_Click() { Run(Seams.InboxButton_Click); }

void FolderViews::InboxButtonClick() { Run(Seams.InboxButton_Click); }

}  // namespace tidepost
