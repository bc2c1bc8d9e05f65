#include "editor/FlexGridModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>

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
    const RowPlace& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return PackedCell(PackedOf(index.row()), index.column());
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
    const bool cut = cols < m_cols;
    m_cols = cols;
    if (cut) {
        for (int i = 0; i < DataRows(); ++i)
            if (PackedCellCount(PackedOf(i)) > cols) {
                const FlexRow row = Fitted(RowAt(i));
                Place(m_rows[static_cast<size_t>(i)], row.Packed());
            }
        CompactIfWasteful();
    }
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
        for (int i = count; i < old; ++i) Unuse(m_rows[static_cast<size_t>(i)]);
        m_rows.resize(static_cast<size_t>(count));
        CompactIfWasteful();
        endRemoveRows();
    }
}

void FlexGridModel::SetAllRows(std::vector<FlexRow> rows) {
    beginResetModel();
    qsizetype size = 0;
    for (FlexRow& row : rows) {
        if (row.CellCount() > m_cols) row.Resize(m_cols);
        size += row.PackedBytes();
    }
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_rows.reserve(rows.size());
    m_texts = QByteArray();
    m_texts.reserve(size);
    m_unused = 0;
    for (FlexRow& row : rows) {
        RowPlace place;
        place.ForeColor = row.ForeColor;
        place.Bold = row.Bold;
        Place(place, row.Packed());
        m_rows.push_back(place);
        row = FlexRow();  // its block goes now, not after all the others
    }
    endResetModel();
}

void FlexGridModel::InsertRow(int at, FlexRow row) {
    at = std::clamp(at, 0, DataRows());
    row = Fitted(std::move(row));
    RowPlace place;
    place.ForeColor = row.ForeColor;
    place.Bold = row.Bold;
    Place(place, row.Packed());
    beginInsertRows({}, at, at);
    m_rows.insert(m_rows.begin() + at, place);
    endInsertRows();
}

void FlexGridModel::RemoveRow(int at) {
    if (at < 0 || at >= DataRows()) return;
    beginRemoveRows({}, at, at);
    Unuse(m_rows[static_cast<size_t>(at)]);
    m_rows.erase(m_rows.begin() + at);
    CompactIfWasteful();
    endRemoveRows();
}

FlexRow FlexGridModel::RowAt(int i) const {
    const RowPlace& place = m_rows.at(static_cast<size_t>(i));
    return FlexRow::FromPacked(PackedOf(i), place.ForeColor, place.Bold);
}

FlexRow FlexGridModel::Fitted(FlexRow row) const {
    if (row.CellCount() > m_cols) row.Resize(m_cols);
    return row;
}

void FlexGridModel::Place(RowPlace& place, QByteArrayView packed) {
    Unuse(place);
    place.Offset = quint32(m_texts.size());
    place.Size = quint32(packed.size());
    m_texts.append(packed);
}

void FlexGridModel::CompactIfWasteful() {
    if (m_unused < 64 * 1024 || m_unused < m_texts.size() / 2) return;
    QByteArray texts;
    texts.reserve(m_texts.size() - m_unused);
    for (RowPlace& place : m_rows) {
        const QByteArrayView packed(m_texts.constData() + place.Offset, place.Size);
        place.Offset = quint32(texts.size());
        texts.append(packed);
    }
    m_texts = std::move(texts);
    m_unused = 0;
}

QString FlexGridModel::Text(int i, int col) const {
    if (i < 0 || i >= DataRows()) return {};
    return PackedCell(PackedOf(i), col);
}

void FlexGridModel::SetText(int i, int col, const QString& text) {
    if (i < 0 || i >= DataRows() || col < 0 || col >= m_cols) return;
    FlexRow row = RowAt(i);
    row.SetCell(col, text);
    Place(m_rows[static_cast<size_t>(i)], row.Packed());
    CompactIfWasteful();
    const QModelIndex at = index(i, col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

void FlexGridModel::SetRowStyle(int first, int last, const int* colour, const bool* bold) {
    first = std::max(first, 0);
    last = std::min(last, DataRows() - 1);
    if (first > last) return;
    for (int i = first; i <= last; ++i) {
        RowPlace& row = m_rows[static_cast<size_t>(i)];
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
    const std::vector<size_t> order = FlexSortOrder(
        size_t(lastRow - firstRow + 1),
        [&](size_t row, int col) { return PackedCell(PackedOf(firstRow + int(row)), col); }, first, last, descending,
        ignoreCase);
    if (!order.empty()) {
        const std::vector<RowPlace> part(m_rows.begin() + firstRow, m_rows.begin() + lastRow + 1);
        for (size_t k = 0; k < order.size(); ++k) m_rows[size_t(firstRow) + k] = part[order[k]];
    }
    emit layoutChanged();
}

}  // namespace tidepost
