#include <QMultiHash>

#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Foundation.h"
#include "messages/SentItemsGrid.h"

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

namespace {
bool RowShows(const FlexGrid& grid, int row, const QStringList& cells) {
    for (int col = 0; col < cells.size(); ++col)
        if (!grid.TextIs(row, col, cells[col])) return false;
    return true;
}

// Up to this many changes each row's file name is compared with each change's in place; more
// changes are found by a hash of the names, which copies every row's name once.
constexpr size_t kChangesComparedInPlace = 8;
}  // namespace

void FolderViews::ReloadSentItemsRows() { GetSentItemsLoad(M).Start([this] { ShowSentItemsByDate(); }); }

bool FolderViews::ChangeSentItemsRows(const std::vector<SentItemsRowChange>& changes) {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid) return false;
    if (GetSentItemsLoad(M).Pending()) {
        GetSentItemsLoad(M).Restart();
        return true;
    }
    std::vector<bool> done(changes.size(), false);
    size_t left = changes.size();
    // Makes change i in `row` when the row shows what the change had before and it is not done yet.
    const auto take = [&](int row, size_t i) {
        const SentItemsRowChange& change = changes[i];
        if (done[i] || !RowShows(*grid, row, change.Before)) return false;
        for (int col = 0; col < change.After.size(); ++col)
            if (change.After[col] != change.Before.value(col)) grid->SetTextMatrix(row, col, change.After[col]);
        done[i] = true;
        --left;
        return true;
    };
    const bool inPlace = changes.size() <= kChangesComparedInPlace;
    QMultiHash<QString, size_t> byName;
    if (!inPlace)
        for (size_t i = 0; i < changes.size(); ++i) byName.insert(changes[i].Before.value(0), i);
    // One pass over the rows whatever the number of changes; only rows of a changed file's name
    // are compared cell by cell. Of two changes of one name the later one is tried first, both ways.
    for (int row = 1; row < grid->Rows() && left > 0; ++row) {
        if (inPlace) {
            for (size_t i = changes.size(); i-- > 0;)
                if (grid->TextIs(row, 0, changes[i].Before.value(0)) && take(row, i)) break;
            continue;
        }
        const auto [from, to] = byName.equal_range(grid->TextMatrix(row, 0));
        for (auto it = from; it != to; ++it)
            if (take(row, *it)) break;
    }
    // A row that is not there (the grid went its own way): the view is built again from the log.
    if (left > 0) ReloadSentItemsRows();
    return true;
}

bool FolderViews::AddSentItemsRow(const FlexRow& item) {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid) return false;
    if (GetSentItemsLoad(M).Pending()) {
        GetSentItemsLoad(M).Restart();
        return true;
    }
    const bool empty = grid->Rows() < 2;
    const int row = grid->Row(), rowSel = grid->RowSel(), col = grid->Col(), colSel = grid->ColSel();
    grid->AddItem(1, item);
    if (empty || row < 1) {
        grid->SetRow(1);
        grid->SetCol(0);
        OutBox_SetAllColumnsSelected();
    } else {
        grid->SetRow(row + 1);
        grid->SetCol(col);
        grid->SetRowSel(rowSel + 1);
        grid->SetColSel(colSel);
    }
    return true;
}

}  // namespace tidepost
