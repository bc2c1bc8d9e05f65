#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Foundation.h"

namespace tidepost {

namespace {
constexpr int kReceivedMessageType = 1;
constexpr int kEgcMessageType = 3;
}  // namespace

bool FolderViews::OpenSelected(FolderGridKind kind) {
    FlexGrid* grid = Grid(kind);
    if (!grid || grid->Rows() < 2) return false;
    const QString file = grid->TextMatrix(grid->Row(), 0);
    grid->SetRedraw(false);
    const int row = grid->Row();
    const bool next = row > 1;
    const bool previous = row < grid->Rows() - 1;
    grid->SetRow(row);
    SetAllColumnsSelected(*grid, kind);
    grid->SetRedraw(true);
    if (!Seams.LoadText) return true;
    const bool egc = kind == FolderGridKind::Egc;
    const bool failed = Seams.LoadText(egc ? F.gEgcDir : F.gInboxDir, file, next, previous,
                                       egc ? kEgcMessageType : kReceivedMessageType);
    if (!failed && row < grid->Rows()) {
        // The viewer has marked it read in the index; the row shows so at once.
        grid->SetRow(row);
        grid->SetFillStyle(0);
        grid->SetCellFontBold(false);
        SetAllColumnsSelected(*grid, kind);
    }
    return failed;
}

bool FolderViews::OpenSelectedInboxMessage() { return OpenSelected(FolderGridKind::Inbox); }

bool FolderViews::OpenSelectedEgc() { return OpenSelected(FolderGridKind::Egc); }

// Next is the row above (newer in the default order), Previous the row below; a step whose message
// cannot be shown is taken back.
void FolderViews::StepSelection(FolderGridKind kind, int step) {
    FlexGrid* grid = Grid(kind);
    if (!grid) return;
    const int from = grid->Row();
    const int to = from + step;
    const bool moved = to >= 1 && to <= grid->Rows() - 1;
    if (moved) {
        grid->SetRow(to);
        SetAllColumnsSelected(*grid, kind);
    }
    if (OpenSelected(kind) && moved && from < grid->Rows()) {
        grid->SetRow(from);
        SetAllColumnsSelected(*grid, kind);
    }
}

void FolderViews::GetNextInboxMessage() { StepSelection(FolderGridKind::Inbox, -1); }
void FolderViews::GetPrevInboxMessage() { StepSelection(FolderGridKind::Inbox, 1); }
void FolderViews::GetNextEgcMessage() { StepSelection(FolderGridKind::Egc, -1); }
void FolderViews::GetPrevEgcMessage() { StepSelection(FolderGridKind::Egc, 1); }

}  // namespace tidepost
