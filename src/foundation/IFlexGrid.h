#pragma once
#include <QString>
#include <vector>

#include "foundation/FlexRow.h"

namespace tidepost {

// Cell alignment "left, vertically centred" and the row order "text, letter case ignored,
// descending" of a flex grid.
inline constexpr int kFlexAlignLeftCenter = 1;
inline constexpr int kFlexSortStringNoCaseDescending = 6;

// A flex grid: rows and columns of cells with fixed header rows and columns, a current cell and a
// selection. The general routines format it; the folder views fill it. Colours are 0x00BBGGRR.
class IFlexGrid {
public:
    virtual ~IFlexGrid() = default;
    virtual int Rows() const = 0;        // number of rows, fixed ones included
    virtual int Cols() const = 0;
    virtual int FixedCols() const = 0;
    // Grows or cuts the grid; cells that stay keep their text and format.
    virtual void SetRows(int rows) = 0;
    virtual void SetCols(int cols) = 0;
    virtual void SetRow(int row) = 0;    // the current cell
    virtual void SetCol(int col) = 0;
    virtual void SetRowSel(int row) = 0; // the other corner of the selection
    virtual void SetColSel(int col) = 0;
    // 0: cell formatting applies to the current cell only; 1: to the whole selection.
    virtual void SetFillStyle(int style) = 0;
    virtual void SetCellForeColor(int colour) = 0;
    virtual void SetCellFontBold(bool bold) = 0;
    virtual void SetCellAlignment(int alignment) = 0;
    // The text of the current cell.
    virtual void SetText(const QString& text) = 0;
    // Off while many cells change, so the grid is drawn once afterwards.
    virtual void SetRedraw(bool redraw) = 0;
    // Orders the rows below the fixed ones by the current column (kFlexSort...).
    virtual void SetSort(int order) = 0;
    // Replaces the rows below the fixed one by `rows` in one step, each cell left-aligned in its
    // row's colour and weight. A grid that cannot take them at once gets them cell by cell.
    virtual void SetAllRows(std::vector<FlexRow> rows) {
        SetRows(1);
        for (size_t i = 0; i < rows.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            SetRows(row + 1);
            SetRow(row);
            for (int col = 0; col < Cols(); ++col) {
                SetCol(col);
                SetCellAlignment(kFlexAlignLeftCenter);
                SetCellForeColor(rows[i].ForeColor);
                SetCellFontBold(rows[i].Bold);
                SetText(rows[i].Cell(col));
            }
        }
    }
};

}  // namespace tidepost
