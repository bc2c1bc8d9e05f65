#pragma once
#include <QList>
#include <QString>
#include <algorithm>

#include "foundation/IFlexGrid.h"

namespace tidepost::test {

// A flex grid in memory that draws nothing: cells with text, colour and alignment, a current
// cell, a selection, and the sort orders the program uses.
class FakeFlexGrid : public IFlexGrid {
public:
    struct Cell {
        QString Text;
        int ForeColor = 0;
        int Alignment = 0;
        bool Bold = false;
    };

    FakeFlexGrid(int rows = 1, int cols = 10) {
        SetCols(cols);
        SetRows(rows);
    }

    int Rows() const override { return static_cast<int>(m_cells.size()); }
    int Cols() const override { return m_cols; }
    int FixedCols() const override { return FixedColCount; }
    void SetRows(int rows) override {
        const int old = Rows();
        m_cells.resize(rows);
        for (int r = old; r < rows; ++r) m_cells[r].resize(m_cols);
    }
    void SetCols(int cols) override {
        if (cols == m_cols) return;
        m_cols = cols;
        for (auto& row : m_cells) row.resize(cols);
    }
    void SetRow(int row) override { Row = RowSel = row; }
    void SetCol(int col) override { Col = ColSel = col; }
    void SetRowSel(int row) override { RowSel = row; }
    void SetColSel(int col) override { ColSel = col; }
    void SetFillStyle(int style) override { FillStyle = style; }
    void SetCellForeColor(int colour) override {
        Format([colour](Cell& c) { c.ForeColor = colour; });
    }
    void SetCellFontBold(bool bold) override {
        Format([bold](Cell& c) { c.Bold = bold; });
    }
    void SetCellAlignment(int alignment) override {
        Format([alignment](Cell& c) { c.Alignment = alignment; });
    }
    void SetText(const QString& text) override { m_cells[Row][Col].Text = text; }
    void SetRedraw(bool redraw) override {
        Redraw = redraw;
        RedrawCalls.append(redraw);
    }
    void SetSort(int order) override {
        Sorts.append(order);
        if (order != kFlexSortStringNoCaseDescending || Rows() <= FixedRowCount) return;
        const int key = Col;
        std::stable_sort(m_cells.begin() + FixedRowCount, m_cells.end(), [key](const auto& a, const auto& b) {
            return a[key].Text.compare(b[key].Text, Qt::CaseInsensitive) > 0;
        });
    }

    const Cell& At(int row, int col) const { return m_cells.at(row).at(col); }
    QString Text(int row, int col) const { return At(row, col).Text; }
    QStringList RowTexts(int row) const {
        QStringList texts;
        for (const Cell& c : m_cells.at(row)) texts.append(c.Text);
        return texts;
    }

    int FixedRowCount = 1;
    int FixedColCount = 0;
    int Row = 0, Col = 0, RowSel = 0, ColSel = 0, FillStyle = 0;
    bool Redraw = true;
    QList<bool> RedrawCalls;
    QList<int> Sorts;

private:
    template <typename Change>
    void Format(Change change) {
        if (FillStyle == 0) {
            change(m_cells[Row][Col]);
            return;
        }
        for (int r = std::min(Row, RowSel); r <= std::max(Row, RowSel); ++r)
            for (int c = std::min(Col, ColSel); c <= std::max(Col, ColSel); ++c) change(m_cells[r][c]);
    }

    QList<QList<Cell>> m_cells;
    int m_cols = 0;
};

}  // namespace tidepost::test
