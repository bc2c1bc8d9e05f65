#pragma once
#include <QList>
#include <QStringView>
#include <QVariant>

namespace tidepost {

// A two-dimensional table of values indexed (column, row), both from 0: the listing tables behind
// the inbox and sent-items pages. A default-constructed table has no elements.
class Array2D {
public:
    Array2D() = default;
    Array2D(int columns, int rows);

    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    // The cell at (column, row). An index outside the table throws RuntimeError 9 "Subscript out
    // of range" in every build, as a classic array does, instead of touching other memory.
    QVariant& operator()(int column, int row) { return m_cells[Index(column, row)]; }
    const QVariant& operator()(int column, int row) const { return m_cells[Index(column, row)]; }
    // Grows or shrinks the number of rows, keeping the values of the rows that stay.
    void ResizeRows(int rows);
    void SwapRows(int a, int b);

private:
    qsizetype Index(int column, int row) const {
        if (column < 0 || column >= m_columns || row < 0 || row >= m_rows) ThrowOutOfRange();
        return qsizetype(row) * m_columns + column;
    }
    [[noreturn]] static void ThrowOutOfRange();
    int m_columns = 0;
    int m_rows = 0;
    QList<QVariant> m_cells;  // row by row, so a row's cells lie together
};

// The number of elements of the first dimension: the columns of a table, the items of a list.
int GetElementCount(const Array2D& table);
template <typename T>
int GetElementCount(const QList<T>& list) {
    return static_cast<int>(list.size());
}

// Compares two stored values: numbers by value, texts by their character codes, a number below
// any text, an empty value as 0 beside a number and as "" beside a text. Any other value counts
// as its text form. Returns <0, 0 or >0.
int CompareStoredValues(const QVariant& a, const QVariant& b);

// Sorts the rows of the table by the values of one column with a diminishing-gap exchange sort:
// the gap starts at half the last row index (1 for two rows) and halves down to 1; at each gap
// passes over the rows swap row i and row i + gap while they are out of order, until a pass swaps
// nothing. Equal values are never swapped, yet the order of equal rows is not kept. A table
// without elements, or a column outside the table, is left as it is.
void SortArray2D(Array2D& table, int column, bool ascending);

// The exchanges of SortArray2D over `count` items of any kind: compare(i, j) orders the items now
// at places i and j (<0, 0 or >0), swap(i, j) exchanges them.
template <typename Compare, typename Swap>
void DiminishingGapSort(int count, bool ascending, Compare&& compare, Swap&& swap) {
    const int n = count - 1;  // the upper bound of the items
    int gap = n / 2;
    if (gap == 0 && n >= 1) gap = 1;
    while (gap >= 1) {
        bool exchanged;
        do {
            exchanged = false;
            for (int i = 0; i <= n - gap; ++i) {
                const int order = compare(i, i + gap);
                if ((ascending && order > 0) || (!ascending && order < 0)) {
                    swap(i, i + gap);
                    exchanged = true;
                }
            }
        } while (exchanged);
        gap /= 2;
    }
}

// SortArray2D for a column of texts without building the table: `rows` (one entry per key) ends
// in the order SortArray2D gives the rows whose sort column holds `keys`, equal keys included,
// because keys and rows go through the same exchanges. Texts compare by their character codes.
void SortRowsByText(QList<QStringView>& keys, QList<int>& rows, bool ascending);

}  // namespace tidepost
