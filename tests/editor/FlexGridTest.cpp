#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <QBrush>
#include <QFont>
#include <functional>

#include "editor/FlexGrid.h"
#include "editor/FlexGridModel.h"
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

// The model over packed rows: what each edit leaves in the cells, colours and weights.
TEST(FlexGrid, ModelCellsColoursAndWeightOverEdits) {
    FlexGridModel model;
    model.SetCols(4);
    model.SetAllRows({{{"a", QString::fromUtf8("Ωb"), "", "d"}, 0x0000FF, true},
                      {{"short"}, 0, false},
                      {{"1", "2", "3", "4", "beyond the columns"}, 0x00FF00, false}});
    const auto shown = [&](int row, int col) { return model.data(model.index(row, col), Qt::DisplayRole).toString(); };
    struct Step {
        const char* what;
        std::function<void()> edit;
        int row, col;
        QString text;
    };
    const Step steps[] = {
        {"a wide cell", [] {}, 0, 1, QString::fromUtf8("Ωb")},
        {"a row shorter than the columns", [] {}, 1, 3, ""},
        {"a row longer than the columns is cut", [] {}, 2, 3, "4"},
        {"set inside a row", [&] { model.SetText(0, 2, "c"); }, 0, 2, "c"},
        {"set beyond a short row's cells", [&] { model.SetText(1, 3, QString::fromUtf8("é")); }, 1, 3,
         QString::fromUtf8("é")},
        {"the cells between stay empty", [] {}, 1, 2, ""},
        {"an insert", [&] { model.InsertRow(1, {{"new", "n"}, 0x123456, true}); }, 1, 0, "new"},
        {"the rows below move down", [] {}, 2, 0, "short"},
        {"a remove", [&] { model.RemoveRow(0); }, 0, 0, "new"},
        {"fewer columns cut the cells", [&] { model.SetCols(1); }, 1, 0, "short"},
        {"more columns again show them empty", [&] { model.SetCols(4); }, 1, 3, ""},
        {"grown rows are empty", [&] { model.SetDataRows(5); }, 4, 2, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.edit();
        EXPECT_EQ(model.Text(step.row, step.col), step.text);
        EXPECT_EQ(shown(step.row, step.col), step.text);
        EXPECT_TRUE(model.TextIs(step.row, step.col, step.text));
    }
    EXPECT_EQ(model.DataRows(), 5);
    EXPECT_EQ(model.RowAt(0).ForeColor, 0x123456);
    EXPECT_TRUE(model.data(model.index(0, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(model.data(model.index(2, 0), Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 255, 0));
    EXPECT_FALSE(model.data(model.index(2, 0), Qt::FontRole).isValid());
    EXPECT_EQ(model.Text(7, 0), QString()) << "no row there";
    EXPECT_TRUE(model.TextIs(0, 9, u"")) << "beyond the columns is empty";
    EXPECT_FALSE(model.TextIs(9, 0, u""));

    model.SetRowStyle(1, 2, nullptr, nullptr);
    const int red = 255;
    const bool bold = true;
    model.SetRowStyle(1, 1, &red, &bold);
    EXPECT_EQ(model.RowAt(1).ForeColor, 255);
    EXPECT_TRUE(model.RowAt(1).Bold);
    EXPECT_EQ(model.Text(1, 0), "short") << "a style change leaves the texts";
}

// Changed and removed rows leave their old cells unused in the model's buffer until it is copied
// afresh; every row reads the same before and after.
TEST(FlexGrid, ModelKeepsEveryRowOverManyChangesAndRemovals) {
    FlexGridModel model;
    model.SetCols(2);
    std::vector<FlexRow> rows;
    for (int i = 0; i < 3000; ++i) rows.push_back({{QString("name%1").arg(i), QString(40, QChar(u'a' + i % 26))}, i, i % 2 == 1});
    model.SetAllRows(std::move(rows));
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < model.DataRows(); ++i) model.SetText(i, 1, QString("round%1 row%2 ").arg(round).arg(i).repeated(3));
    for (int i = model.DataRows() - 1; i >= 0; i -= 2) model.RemoveRow(i);
    ASSERT_EQ(model.DataRows(), 1500);
    for (int i = 0; i < model.DataRows(); ++i) {
        ASSERT_EQ(model.Text(i, 0), QString("name%1").arg(2 * i));
        ASSERT_EQ(model.Text(i, 1), QString("round2 row%1 ").arg(2 * i).repeated(3));
        ASSERT_EQ(model.ForeColorAt(i), 2 * i);
        ASSERT_FALSE(model.BoldAt(i));
    }
    model.SortRows(0, 0, true, true);
    EXPECT_EQ(model.Text(0, 0), "name2998");
    EXPECT_EQ(model.Text(0, 1), QString("round2 row2998 ").repeated(3)) << "the cells move with their row";
    EXPECT_EQ(model.ForeColorAt(0), 2998);
}

TEST(FlexGrid, SortOfARowRangeLeavesTheOthers) {
    FlexGrid grid;
    Fill(grid, {"e", "d", "c", "b", "a"});
    grid.SetCol(0);
    grid.SetRow(2);
    grid.SetRowSel(4);
    grid.SetSort(kFlexSortStringNoCaseAscending);
    EXPECT_EQ(FirstColumn(grid), (QStringList{"e", "b", "c", "d", "a"}));
    EXPECT_EQ(grid.TextMatrix(2, 1), "b-b") << "the whole row moves";
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
