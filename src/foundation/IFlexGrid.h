#pragma once

namespace tidepost {

// The part of a flex grid (rows and columns of cells with fixed header rows and columns, a
// current cell and a selection) that the general routines format. Colours are 0x00BBGGRR.
class IFlexGrid {
public:
    virtual ~IFlexGrid() = default;
    virtual int Rows() const = 0;        // number of rows, fixed ones included
    virtual int Cols() const = 0;
    virtual int FixedCols() const = 0;
    virtual void SetRow(int row) = 0;    // the current cell
    virtual void SetCol(int col) = 0;
    virtual void SetRowSel(int row) = 0; // the other corner of the selection
    virtual void SetColSel(int col) = 0;
    // 0: cell formatting applies to the current cell only; 1: to the whole selection.
    virtual void SetFillStyle(int style) = 0;
    virtual void SetCellForeColor(int colour) = 0;
    virtual void SetCellFontBold(bool bold) = 0;
};

}  // namespace tidepost
