#include "editor/FlexGridModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>
#include <iterator>

namespace tidepost {

namespace {

QColor ColorOf(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DataRows();
}

int FlexGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_cols; }

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= DataRows() || index.column() >= m_cols) return {};
    const FlexRow& row = RowAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return row.Cell(index.column());
    case Qt::ForegroundRole: return QBrush(ColorOf(row.ForeColor));
    case Qt::FontRole:
        if (row.Bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default: return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return HeaderText(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return QAbstractTableModel::headerData(section, orientation, role);
}

void FlexGridModel::SetCols(int cols) {
    cols = std::max(cols, 0);
    if (cols == m_cols) return;
    beginResetModel();
    // Rows may be shorter than the columns (their missing cells are empty), so only a cut changes them.
    if (cols < m_cols)
        for (FlexRow& row : m_rows)
            if (row.CellCount() > cols) row.Resize(cols);
    m_cols = cols;
    m_header.resize(cols);
    endResetModel();
}

void FlexGridModel::SetDataRows(int count) {
    count = std::max(count, 0);
    const int old = DataRows();
    if (count > old) {
        beginInsertRows({}, old, count - 1);
        m_rows.resize(static_cast<size_t>(count));
        endInsertRows();
    } else if (count < old) {
        beginRemoveRows({}, count, old - 1);
        m_rows.resize(static_cast<size_t>(count));
        endRemoveRows();
    }
}

void FlexGridModel::SetAllRows(std::vector<FlexRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    for (FlexRow& row : m_rows)
        if (row.CellCount() > m_cols) row.Resize(m_cols);
    endResetModel();
}

void FlexGridModel::InsertRow(int at, FlexRow row) {
    at = std::clamp(at, 0, DataRows());
    if (row.CellCount() > m_cols) row.Resize(m_cols);
    beginInsertRows({}, at, at);
    m_rows.insert(m_rows.begin() + at, std::move(row));
    endInsertRows();
}

void FlexGridModel::RemoveRow(int at) {
    if (at < 0 || at >= DataRows()) return;
    beginRemoveRows({}, at, at);
    m_rows.erase(m_rows.begin() + at);
    endRemoveRows();
}

QString FlexGridModel::Text(int i, int col) const {
    if (i < 0 || i >= DataRows()) return {};
    return RowAt(i).Cell(col);
}

void FlexGridModel::SetText(int i, int col, const QString& text) {
    if (i < 0 || i >= DataRows() || col < 0 || col >= m_cols) return;
    m_rows[static_cast<size_t>(i)].SetCell(col, text);
    const QModelIndex at = index(i, col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

void FlexGridModel::SetRowStyle(int first, int last, const int* colour, const bool* bold) {
    first = std::max(first, 0);
    last = std::min(last, DataRows() - 1);
    if (first > last) return;
    for (int i = first; i <= last; ++i) {
        FlexRow& row = m_rows[static_cast<size_t>(i)];
        if (colour) row.ForeColor = *colour;
        if (bold) row.Bold = *bold;
    }
    emit dataChanged(index(first, 0), index(last, std::max(m_cols - 1, 0)), {Qt::ForegroundRole, Qt::FontRole});
}

void FlexGridModel::SetHeaderText(int col, const QString& text) {
    if (col < 0 || col >= m_cols) return;
    m_header[col] = text;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

void FlexGridModel::SortRows(int first, int last, bool descending, bool ignoreCase, int firstRow, int lastRow) {
    firstRow = std::max(firstRow, 0);
    lastRow = lastRow < 0 ? DataRows() - 1 : std::min(lastRow, DataRows() - 1);
    if (lastRow - firstRow < 1) return;
    first = std::clamp(first, 0, std::max(m_cols - 1, 0));
    last = std::clamp(last, first, std::max(m_cols - 1, 0));
    emit layoutAboutToBeChanged();
    if (firstRow == 0 && lastRow == DataRows() - 1) {
        SortFlexRows(m_rows, first, last, descending, ignoreCase);
    } else {
        std::vector<FlexRow> part(std::make_move_iterator(m_rows.begin() + firstRow),
                                  std::make_move_iterator(m_rows.begin() + lastRow + 1));
        SortFlexRows(part, first, last, descending, ignoreCase);
        std::move(part.begin(), part.end(), m_rows.begin() + firstRow);
    }
    emit layoutChanged();
}

}  // namespace tidepost
