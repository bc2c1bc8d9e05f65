#pragma once
#include <QMap>
#include <QTableView>
#include <functional>
#include <vector>

#include "editor/FlexGridModel.h"
#include "foundation/IFlexGrid.h"

namespace tidepost {

// Further sort orders of the grid (kFlexSort… of IFlexGrid): digit runs compare by value.
inline constexpr int kFlexSortGenericAscending = 1;
inline constexpr int kFlexSortGenericDescending = 2;
inline constexpr int kFlexSortStringNoCaseAscending = 5;
inline constexpr int kFlexSortStringAscending = 7;
inline constexpr int kFlexSortStringDescending = 8;

// A folder grid: one fixed header row (row 0), no fixed column, data rows 1 to Rows() - 1, a current
// cell (Row, Col) and a selection end (RowSel, ColSel). Only the operator's clicks and keys raise
// SelChange; the program's own changes of the cell or the selection never do. Widths are in twips.
class FlexGrid : public QTableView, public IFlexGrid {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    // IFlexGrid
    int Rows() const override { return m_model.DataRows() + 1; }
    int Cols() const override { return m_model.Cols(); }
    int FixedCols() const override { return 0; }
    void SetRows(int rows) override;
    void SetCols(int cols) override;
    void SetRow(int row) override;
    void SetCol(int col) override;
    void SetRowSel(int row) override;
    void SetColSel(int col) override;
    void SetFillStyle(int style) override { m_fillStyle = style; }
    void SetCellForeColor(int colour) override;
    void SetCellFontBold(bool bold) override;
    void SetCellAlignment(int) override {}  // every cell is left-aligned and centred vertically
    void SetText(const QString& text) override;
    void SetRedraw(bool redraw) override;
    void SetSort(int order) override;

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    int RowSel() const { return m_rowSel; }
    int ColSel() const { return m_colSel; }
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    int RowForeColor(int row) const;
    bool RowBold(int row) const;
    // The first and last selected rows, whichever way the selection was made.
    int SelTop() const { return std::min(m_row, m_rowSel); }
    int SelBottom() const { return std::max(m_row, m_rowSel); }

    // Replaces all data rows at once (header and columns stay).
    void SetAllRows(std::vector<FlexRow> rows) override;
    // Inserts a data row at grid row `row` (1 = top) or removes one; the header row stays.
    void AddItem(int row, FlexRow item);
    void RemoveItem(int row);
    // The data row that shows `text` in `col`, or -1.
    int FindRow(int col, const QString& text) const;
    // Whether a cell shows exactly `text` (the header row included), without copying the cell.
    bool TextIs(int row, int col, QStringView text) const;

    // Widths in twips (1/1440 inch); 0 hides the column.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    double TwipsPerPixel() const;

    // Highlight mode: false never (no selection shown), true always (also without focus).
    void SetHighlightAlways(bool always);
    bool HighlightAlways() const { return m_highlightAlways; }
    // Text colour of selected cells (0x00BBGGRR).
    void SetForeColorSel(int colour);
    int ForeColorSel() const { return m_foreColorSel; }

    const FlexGridModel& Model() const { return m_model; }

    // Events, as the operator raises them. Key codes are Windows virtual keys (13 Enter, 46 Delete),
    // shift masks 1 Shift, 2 Ctrl, 4 Alt; a handler that sets the code to 0 consumes the key.
    std::function<void()> SelChange;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void()> DblClick;
    std::function<void(int button, int shift, int x, int y)> MouseDown;
    std::function<void()> LostFocus;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SyncView();
    void OnUserSelection();
    void ApplyPalette();
    void FormatCells(const int* colour, const bool* bold);

    FlexGridModel m_model;
    int m_row = 0, m_col = 0, m_rowSel = 0, m_colSel = 0;
    int m_fillStyle = 0;
    bool m_redraw = true;
    bool m_syncing = false;
    bool m_highlightAlways = false;
    int m_foreColorSel = 0;
    // The twips each column was last set to, kept while its pixel width has not changed.
    QMap<int, int> m_twips;
};

}  // namespace tidepost
