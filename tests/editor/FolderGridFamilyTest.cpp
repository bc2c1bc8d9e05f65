#include <QTest>
#include <gtest/gtest.h>

#include "editor/FolderGridFamily.h"
#include "editor/FolderViewsFixture.h"
#include "foundation/AppSettings.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using FolderGrids = FolderViewsFixture;

// Fills a grid with data rows whose key column holds the given texts.
void FillKeys(FlexGrid& grid, FolderGridKind kind, const QStringList& keys) {
    std::vector<FlexRow> rows;
    int n = 0;
    for (const QString& key : keys) {
        QStringList cells(FamilyOf(kind).Columns, QString("r%1").arg(++n));
        cells[FamilyOf(kind).KeyColumn] = key;
        FlexRow row(cells);
        rows.push_back(row);
    }
    grid.SetAllRows(std::move(rows));
}

TEST_F(FolderGrids, SelectionRulePerGrid) {
    struct Case {
        FolderGridKind kind;
        QString key;
        int colour;
    };
    const Case cases[] = {
        {FolderGridKind::Inbox, "Distress", 255},       {FolderGridKind::Inbox, "Urgent", 255},
        {FolderGridKind::Inbox, "Safety", 0},           {FolderGridKind::Inbox, "distress", 0},
        {FolderGridKind::SentItems, "SEARCH & RESCUE", 255}, {FolderGridKind::SentItems, "Search & Rescue", 0},
        {FolderGridKind::Egc, "Distress", 255},         {FolderGridKind::Egc, "Unknown", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        FlexGrid& grid = *views.Grid(c.kind);
        FillKeys(grid, c.kind, {"Routine", c.key});
        grid.SetRow(2);
        grid.SetCol(5);  // the operator clicked a cell in column 5
        SetAllColumnsSelected(grid, c.kind);
        EXPECT_TRUE(grid.HighlightAlways());
        EXPECT_EQ(grid.ForeColorSel(), c.colour);
        EXPECT_EQ(grid.Row(), 2);
        EXPECT_EQ(grid.RowSel(), 2);
        EXPECT_EQ(grid.Col(), 0);
        EXPECT_EQ(grid.ColSel(), FamilyOf(c.kind).Columns - 1) << "the whole row";
    }
}

TEST_F(FolderGrids, HeaderOnlyShowsNoSelectionAndCtrlAChangesNothing) {
    for (const FolderGridKind kind : {FolderGridKind::Inbox, FolderGridKind::SentItems, FolderGridKind::Egc}) {
        FlexGrid& grid = *views.Grid(kind);
        FillKeys(grid, kind, {"Distress"});
        SetAllColumnsSelected(grid, kind);
        grid.SetRows(1);
        SetAllColumnsSelected(grid, kind);
        EXPECT_FALSE(grid.HighlightAlways());
        QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(grid.Row(), 0);
        EXPECT_EQ(grid.RowSel(), 0);
    }
}

TEST_F(FolderGrids, CtrlASelectsEveryDataRowAndKeepsTheColour) {
    for (const FolderGridKind kind : {FolderGridKind::Inbox, FolderGridKind::SentItems, FolderGridKind::Egc}) {
        FlexGrid& grid = *views.Grid(kind);
        FillKeys(grid, kind, {"Distress", "SEARCH & RESCUE", "x", "y", "z"});
        grid.SetRow(1);
        SetAllColumnsSelected(grid, kind);
        const int colour = grid.ForeColorSel();
        QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(grid.SelTop(), 1);
        EXPECT_EQ(grid.SelBottom(), 5);
        EXPECT_EQ(grid.Col(), 0);
        EXPECT_EQ(grid.ColSel(), grid.Cols() - 1);
        EXPECT_EQ(grid.ForeColorSel(), colour);
        EXPECT_TRUE(grid.selectionModel()->isRowSelected(4, {}));
    }
}

TEST_F(FolderGrids, EnterOpensDeleteAndBackspaceDelete) {
    struct Case {
        FolderGridKind kind;
        QString open;
        QString remove;
    };
    const Case cases[] = {
        {FolderGridKind::Inbox, "OpenSelectedInboxMessage", "InboxDeleteMessage_Click"},
        {FolderGridKind::SentItems, "LoadText", "SentItemsDeleteMessage_Click"},
    };
    views.Seams.LoadText = [this](const QString&, const QString&, bool, bool, int) {
        seamCalls.append("LoadText");
        return false;
    };
    for (const Case& c : cases) {
        FlexGrid& grid = *views.Grid(c.kind);
        FillKeys(grid, c.kind, {"a", "b"});
        grid.SetRow(1);
        seamCalls.clear();
        QTest::keyClick(&grid, Qt::Key_Return);
        QTest::keyClick(&grid, Qt::Key_Delete);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_Backspace);
        EXPECT_EQ(seamCalls, (QStringList{c.open, c.remove, c.remove, c.remove}));
    }
}

TEST_F(FolderGrids, AReceivedMessageJoinsTheInboxBoldAndInOrder) {
    views.InboxMSGrid_AddRow({"26121002.in", "IN.002", "112", "Distress"}, 255);
    views.InboxMSGrid_AddRow({"26121001.in", "IN.001", "112", "Routine"}, 0);
    views.InboxMSGrid_AddRow({"26121003.in", "IN.003", "112", "Safety"}, 0);
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121003.in", "26121002.in", "26121001.in"}));
    EXPECT_EQ(inbox->RowForeColor(2), 255);
    EXPECT_TRUE(inbox->RowBold(1) && inbox->RowBold(2) && inbox->RowBold(3));
    EXPECT_EQ(inbox->Row(), 3);
    views.InBox_SetAllColumnsSelected();
    EXPECT_EQ(inbox->ColSel(), 8);
}

TEST_F(FolderGrids, WidthsRestoredFromDefaultsOrStoredAndSavedWithFinalColon) {
    RestoreGridWidths(f, *egc, FolderGridKind::Egc);
    for (int col = 0; col < 10; ++col) EXPECT_GT(egc->ColWidth(col), 0) << "no stored widths: every column shows";

    SaveAppSetting(f, f.gProductName, "Config", "EGCGRID", " 1590: 1350:");
    RestoreGridWidths(f, *egc, FolderGridKind::Egc);
    EXPECT_EQ(egc->ColWidth(0), 1590);
    EXPECT_EQ(egc->ColWidth(1), 1350);
    for (int col = 2; col < 10; ++col) EXPECT_TRUE(egc->isColumnHidden(col)) << col;

    egc->SetColWidth(3, 2880);
    views.Grid_LostFocus(FolderGridKind::Egc);
    EXPECT_EQ(GetAppSetting(f, f.gProductName, "Config", "EGCGRID", ""),
              " 1590: 1350: 0: 2880: 0: 0: 0: 0: 0: 0:");

    SaveAppSetting(f, f.gProductName, "Config", "INBOXGRID", " 1155: 1350: 405: 795: 1155: 1305: 705: 705: 1005:");
    RestoreGridWidths(f, *inbox, FolderGridKind::Inbox);
    EXPECT_EQ(GridWidthsText(*inbox), " 1155: 1350: 405: 795: 1155: 1305: 705: 705: 1005:");
    RestoreGridWidths(f, *sent, FolderGridKind::SentItems);
    const QString fitted = GridWidthsText(*sent);
    views.Grid_LostFocus(FolderGridKind::SentItems);
    EXPECT_EQ(GetAppSetting(f, f.gProductName, "Config", "SENTITEMSGRID", ""), fitted);
    EXPECT_TRUE(fitted.endsWith(u':'));
}

TEST_F(FolderGrids, FocusLeavingTheGridSavesItsWidths) {
    FolderViews own(f, m);  // outlives the grid, whose focus may go while it is destroyed
    QWidget window;
    auto* grid = new FlexGrid(&window);
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    own.Attach(FolderGridKind::Egc, grid);
    SaveAppSetting(f, f.gProductName, "Config", "EGCGRID", " 1590: 1350: 600: 2880: 1020: 1005: 1620: 705: 705: 1005:");
    RestoreGridWidths(f, *grid, FolderGridKind::Egc);
    SaveAppSetting(f, f.gProductName, "Config", "EGCGRID", "");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    grid->setFocus();
    other->setFocus();
    EXPECT_EQ(GetAppSetting(f, f.gProductName, "Config", "EGCGRID", ""),
              " 1590: 1350: 600: 2880: 1020: 1005: 1620: 705: 705: 1005:");
}

}  // namespace
