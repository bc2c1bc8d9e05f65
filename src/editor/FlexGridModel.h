#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "foundation/FlexRow.h"

namespace tidepost {

// The rows of a flex grid below its fixed header row: model row i is grid row i + 1. The header
// row's texts are the horizontal header. No object per cell or row: the rows' packed cells lie
// one after another in one buffer, so tens of thousands of rows take little more than their text
// and leave no scattered blocks behind when they go.
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

    // A copy of a data row.
    FlexRow RowAt(int i) const;
    int ForeColorAt(int i) const { return m_rows.at(static_cast<size_t>(i)).ForeColor; }
    bool BoldAt(int i) const { return m_rows.at(static_cast<size_t>(i)).Bold; }
    QString Text(int i, int col) const;
    // Whether a cell holds `text` (a cell beyond the row's last is empty); no QString is made.
    bool TextIs(int i, int col, QStringView text) const {
        if (i < 0 || i >= DataRows()) return false;
        return col >= 0 && col < m_cols ? PackedCellIs(PackedOf(i), col, text) : text.isEmpty();
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
    // Where a row's packed cells lie in m_texts, and its style.
    struct RowPlace {
        quint32 Offset = 0;
        quint32 Size = 0;
        int ForeColor = 0;
        bool Bold = false;
    };
    QByteArrayView PackedOf(int i) const {
        const RowPlace& place = m_rows[static_cast<size_t>(i)];
        return QByteArrayView(m_texts.constData() + place.Offset, place.Size);
    }
    // Puts a row's new cells at the end of m_texts; its old ones become unused.
    void Place(RowPlace& place, QByteArrayView packed);
    void Unuse(const RowPlace& place) { m_unused += place.Size; }
    // Copies the rows' cells into a buffer of their own size once most of m_texts is unused.
    void CompactIfWasteful();
    // A row cut to the columns.
    FlexRow Fitted(FlexRow row) const;

    std::vector<RowPlace> m_rows;
    QByteArray m_texts;
    qsizetype m_unused = 0;
    QStringList m_header;
    int m_cols = 0;
};

}  // namespace tidepost
