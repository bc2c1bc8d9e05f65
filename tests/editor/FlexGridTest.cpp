#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/FlexGrid.h"
#include "foundation/GeneralRoutines.h"

using namespace tidepost;

namespace {

// A grid of three columns with the given first-column texts and, per row, colour and weight.
void Fill(FlexGrid& grid, const QStringList& names) {
    grid.SetCols(3);
    grid.SetRows(1);
    std::vector<FlexRow> rows;
    for (const QString& name : names) rows.push_back({{name, name + "-b", ""}, 0, false});
    grid.SetAllRows(std::move(rows));
}

QStringList FirstColumn(const FlexGrid& grid) {
    QStringList texts;
    for (int row = 1; row < grid.Rows(); ++row) texts.append(grid.TextMatrix(row, 0));
    return texts;
}

TEST(FlexGrid, CellsThroughTheGridInterfaceAndTheHeaderRow) {
    FlexGrid grid;
    IFlexGrid& i = grid;
    i.SetCols(3);
    i.SetRows(3);
    i.SetRow(0);
    i.SetCol(1);
    i.SetText("Header");
    i.SetRow(2);
    i.SetCol(2);
    i.SetText("cell");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Header");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "Header");
    EXPECT_EQ(grid.TextMatrix(2, 2), "cell");
    EXPECT_EQ(grid.model()->rowCount(), 2) << "the header row is no data row";

    HighlightGridRow(grid, 1, 255, true);
    EXPECT_EQ(grid.RowForeColor(1), 255);
    EXPECT_TRUE(grid.RowBold(1));
    EXPECT_EQ(grid.RowForeColor(2), 0);
    EXPECT_FALSE(grid.RowBold(2));

    i.SetRows(2);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Row(), 1) << "a current row beyond the end moves to the last row";
}

TEST(FlexGrid, SortKeepsEachRowsStyleAndComparesCountersByValue) {
    FlexGrid grid;
    Fill(grid, {"26121099.egc", "26120999.EGC", "261210100.egc", "26121010.egc", "26121101.egc"});
    HighlightGridRow(grid, 3, 255, true);  // "261210100.egc"
    grid.SetRow(grid.Rows() - 1);
    grid.SetCol(0);
    grid.SetSort(kFlexSortStringNoCaseDescending);
    EXPECT_EQ(FirstColumn(grid),
              (QStringList{"26121101.egc", "261210100.egc", "26121099.egc", "26121010.egc", "26120999.EGC"}))
        << "the next day's first EGC above the day before's hundredth, and 100 above 99";
    EXPECT_EQ(grid.RowForeColor(2), 255) << "the style moves with its row";
    EXPECT_TRUE(grid.RowBold(2));
    EXPECT_EQ(grid.RowForeColor(1), 0);

    grid.SetSort(kFlexSortStringNoCaseAscending);
    EXPECT_EQ(FirstColumn(grid).first(), "26120999.EGC");
}

TEST(FlexGrid, CompareGridTextsTable) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"26121099.egc", "261210100.egc", -1},  // 99 before 100
        {"261209100.egc", "26121001.egc", -1},  // the date first
        {"99", "100", -1},
        {"26121009.egc", "26121010.egc", -1},   // fixed width keeps text order
        {"2026-12-09 14:05", "2026-12-10 09:00", -1},
        {"abc", "ABC", 0},
        {"a", "ab", -1},
        {"", "x", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        const int got = CompareGridTexts(c.a, c.b, Qt::CaseInsensitive);
        EXPECT_EQ(got < 0 ? -1 : (got > 0 ? 1 : 0), c.expected);
    }
}

TEST(FlexGrid, InsertAndRemoveRowsKeepTheHeader) {
    FlexGrid grid;
    Fill(grid, {"b", "c"});
    grid.AddItem(1, {{"a", "", ""}, 255, true});
    EXPECT_EQ(FirstColumn(grid), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(grid.RowForeColor(1), 255);
    grid.SetRow(3);
    grid.RemoveItem(3);
    EXPECT_EQ(FirstColumn(grid), (QStringList{"a", "b"}));
    EXPECT_EQ(grid.Row(), 2);
    grid.RemoveItem(0);
    EXPECT_EQ(grid.Rows(), 3) << "the header row is never removed";
    EXPECT_EQ(grid.FindRow(0, "b"), 2);
    EXPECT_EQ(grid.FindRow(0, "x"), -1);
}

TEST(FlexGrid, HighlightNeverThenAlwaysShowsTheSelectionInItsColour) {
    FlexGrid grid;
    const QColor styleHighlight = QApplication::palette(&grid).color(QPalette::Active, QPalette::Highlight);
    grid.SetHighlightAlways(false);
    EXPECT_EQ(grid.palette().color(QPalette::Inactive, QPalette::Highlight),
              grid.palette().color(QPalette::Inactive, QPalette::Base));
    grid.SetHighlightAlways(true);
    grid.SetForeColorSel(255);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(grid.palette().color(group, QPalette::Highlight), styleHighlight) << "also without the focus";
        EXPECT_EQ(grid.palette().color(group, QPalette::HighlightedText), QColor(255, 0, 0));
    }
}

TEST(FlexGrid, WidthsInTwipsAndZeroHides) {
    FlexGrid grid;
    grid.SetCols(3);
    const double tpp = grid.TwipsPerPixel();
    EXPECT_DOUBLE_EQ(tpp, 1440.0 / grid.logicalDpiX());
    grid.SetColWidth(0, 1590);
    grid.SetColWidth(1, 0);
    grid.SetColWidth(2, 1353);  // not a whole number of pixels
    EXPECT_EQ(grid.ColWidth(0), 1590);
    EXPECT_EQ(grid.ColWidth(1), 0);
    EXPECT_TRUE(grid.isColumnHidden(1));
    EXPECT_EQ(grid.ColWidth(2), 1353) << "a width the operator has not changed reads back as set";
    grid.setColumnWidth(2, 100);
    EXPECT_EQ(grid.ColWidth(2), static_cast<int>(std::lround(100 * tpp)));
    grid.SetColWidth(1, 600);
    EXPECT_FALSE(grid.isColumnHidden(1));
}

TEST(FlexGrid, OnlyTheOperatorRaisesSelChange) {
    FlexGrid grid;
    Fill(grid, {"a", "b", "c"});
    grid.resize(400, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    int changes = 0;
    grid.SelChange = [&] { ++changes; };

    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetRowSel(3);
    grid.SetSort(kFlexSortStringNoCaseDescending);
    EXPECT_EQ(changes, 0) << "the program's own changes";

    const QRect cell = grid.visualRect(grid.model()->index(0, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_GE(changes, 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.RowSel(), 1);

    const int before = changes;
    int popups = 0;
    grid.MouseDown = [&](int button, int, int, int) { popups += button == 2; };
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, grid.visualRect(grid.model()->index(2, 0)).center());
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(changes, before) << "a right click does not move the selection";
    EXPECT_EQ(grid.Row(), 1);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid.visualRect(grid.model()->index(2, 1)).center());
    EXPECT_EQ(grid.SelTop(), 1);
    EXPECT_EQ(grid.SelBottom(), 3) << "Shift extends the rows selected";
}

}  // namespace
