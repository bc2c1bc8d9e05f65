#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace tidepost {

// One data row of a folder grid: its cell texts and the text colour (0x00BBGGRR) and weight that
// apply to the whole row, so that they move with the row when the rows are reordered.
struct FlexRow {
    QStringList Cells;
    int ForeColor = 0;
    bool Bold = false;
};

// The rows of a flex grid below its fixed header row: model row i is grid row i + 1. The header
// row's texts are the horizontal header. No object per cell, so tens of thousands of rows stay cheap.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlexGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int Cols() const { return m_cols; }
    int DataRows() const { return static_cast<int>(m_rows.size()); }
    void SetCols(int cols);
    // Grows (with empty black rows) or cuts the data rows.
    void SetDataRows(int count);
    // Replaces every data row at once.
    void SetAllRows(std::vector<FlexRow> rows);
    void InsertRow(int at, FlexRow row);
    void RemoveRow(int at);

    const FlexRow& RowAt(int i) const { return m_rows.at(static_cast<size_t>(i)); }
    QString Text(int i, int col) const;
    void SetText(int i, int col, const QString& text);
    void SetRowStyle(int first, int last, const int* colour, const bool* bold);
    QString HeaderText(int col) const { return col >= 0 && col < m_header.size() ? m_header.at(col) : QString(); }
    void SetHeaderText(int col, const QString& text);

    // Orders the rows by the columns first..last, ascending or descending, letter case ignored or
    // not; equal rows keep their order. With a row range (model rows, inclusive) only those rows
    // change places among themselves.
    void SortRows(int first, int last, bool descending, bool ignoreCase, int firstRow = 0, int lastRow = -1);

private:
    std::vector<FlexRow> m_rows;
    QStringList m_header;
    int m_cols = 0;
};

// Orders rows by the columns first..last as FlexGridModel::SortRows does; usable on any thread.
void SortFlexRows(std::vector<FlexRow>& rows, int first, int last, bool descending, bool ignoreCase);

// Text order of two cells in which runs of digits compare by their value, so that a counter 100
// comes after 99; a run of more than six digits is a stored file's name (the date "yymmdd", then
// the counter), compared date first. Equal values fall back to plain text order. Names and dates
// written with a fixed width keep their plain text order.
int CompareGridTexts(const QString& a, const QString& b, Qt::CaseSensitivity cs);

}  // namespace tidepost
