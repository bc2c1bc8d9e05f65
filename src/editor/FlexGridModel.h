#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "foundation/FlexRow.h"

namespace tidepost {

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
    // Whether a cell holds `text` (a cell beyond the row's last is empty); no QString is made.
    bool TextIs(int i, int col, QStringView text) const {
        if (i < 0 || i >= DataRows()) return false;
        return col >= 0 && col < m_cols ? RowAt(i).CellIs(col, text) : text.isEmpty();
    }
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

}  // namespace tidepost
