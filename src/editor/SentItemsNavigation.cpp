#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Foundation.h"

namespace tidepost {

namespace {
constexpr int kBitsColumn = 4;
constexpr int kSentMessageType = 2;
}  // namespace

bool FolderViews::OpenSelectedSentItem() {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid || grid->Rows() < 2) return false;
    const QString file = grid->TextMatrix(grid->Row(), grid->Col());
    grid->SetRedraw(false);
    const int row = grid->Row();
    const bool next = row > 1;
    const bool previous = row < grid->Rows() - 1;
    grid->SetRow(row);
    const QString bits = grid->TextMatrix(row, kBitsColumn);
    OutBox_SetAllColumnsSelected();
    grid->SetRedraw(true);
    // A distress alert has no message file to show.
    if (bits == u"Distress Alert") return false;
    if (!Seams.LoadText) return true;
    return Seams.LoadText(F.gOutboxDir, file, next, previous, kSentMessageType);
}

// The rows above are newer (the grid runs newest first): Next goes up, Previous down.
void FolderViews::GetNextOutboxMessage() {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid) return;
    bool moved = false;
    if (grid->Row() > 1) {
        grid->SetRow(grid->Row() - 1);
        OutBox_SetAllColumnsSelected();
        moved = true;
    }
    if (OpenSelectedSentItem() && moved) {
        grid->SetRow(grid->Row() + 1);
        OutBox_SetAllColumnsSelected();
    }
}

void FolderViews::GetPrevOutboxMessage() {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid) return;
    bool moved = false;
    if (grid->Row() < grid->Rows() - 1) {
        grid->SetRow(grid->Row() + 1);
        OutBox_SetAllColumnsSelected();
        moved = true;
    }
    if (OpenSelectedSentItem() && moved) {
        grid->SetRow(grid->Row() - 1);
        OutBox_SetAllColumnsSelected();
    }
}

}  // namespace tidepost
