#include "editor/FlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace tidepost {

namespace {

QColor ColorOf(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int ShiftMask(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent) {
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setSortingEnabled(false);
    setShowGrid(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { OnUserSelection(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { OnUserSelection(); });
    ApplyPalette();
}

void FlexGrid::SetRows(int rows) {
    m_model.SetDataRows(std::max(rows, 1) - 1);
    const int last = Rows() - 1;
    m_row = std::min(m_row, last);
    m_rowSel = std::min(m_rowSel, last);
    SyncView();
}

void FlexGrid::SetCols(int cols) {
    m_model.SetCols(cols);
    const int last = std::max(Cols() - 1, 0);
    m_col = std::min(m_col, last);
    m_colSel = std::min(m_colSel, last);
    SyncView();
}

void FlexGrid::SetRow(int row) {
    if (row < 0 || row >= Rows()) return;
    m_row = m_rowSel = row;
    SyncView();
}

void FlexGrid::SetCol(int col) {
    if (col < 0 || col >= std::max(Cols(), 1)) return;
    m_col = m_colSel = col;
    SyncView();
}

void FlexGrid::SetRowSel(int row) {
    if (row < 0 || row >= Rows()) return;
    m_rowSel = row;
    SyncView();
}

void FlexGrid::SetColSel(int col) {
    if (col < 0 || col >= std::max(Cols(), 1)) return;
    m_colSel = col;
    SyncView();
}

void FlexGrid::FormatCells(const int* colour, const bool* bold) {
    const int top = m_fillStyle == 0 ? m_row : SelTop();
    const int bottom = m_fillStyle == 0 ? m_row : SelBottom();
    // The header row keeps its own look.
    m_model.SetRowStyle(std::max(top, 1) - 1, bottom - 1, colour, bold);
}

void FlexGrid::SetCellForeColor(int colour) { FormatCells(&colour, nullptr); }

void FlexGrid::SetCellFontBold(bool bold) { FormatCells(nullptr, &bold); }

void FlexGrid::SetText(const QString& text) { SetTextMatrix(m_row, m_col, text); }

QString FlexGrid::TextMatrix(int row, int col) const {
    return row == 0 ? m_model.HeaderText(col) : m_model.Text(row - 1, col);
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (row == 0)
        m_model.SetHeaderText(col, text);
    else
        m_model.SetText(row - 1, col, text);
}

int FlexGrid::RowForeColor(int row) const {
    return row >= 1 && row < Rows() ? m_model.ForeColorAt(row - 1) : 0;
}

bool FlexGrid::RowBold(int row) const { return row >= 1 && row < Rows() && m_model.BoldAt(row - 1); }

void FlexGrid::SetRedraw(bool redraw) {
    m_redraw = redraw;
    setUpdatesEnabled(redraw);
    if (redraw) SyncView();
}

void FlexGrid::SetSort(int order) {
    const int first = std::min(m_col, m_colSel), last = std::max(m_col, m_colSel);
    // Several selected data rows change places only among themselves; otherwise all rows sort.
    int firstRow = 0, lastRow = -1;
    if (SelTop() >= 1 && SelTop() != SelBottom()) {
        firstRow = SelTop() - 1;
        lastRow = SelBottom() - 1;
    }
    switch (order) {
    case kFlexSortGenericAscending:
    case kFlexSortStringNoCaseAscending: m_model.SortRows(first, last, false, true, firstRow, lastRow); break;
    case kFlexSortGenericDescending:
    case kFlexSortStringNoCaseDescending: m_model.SortRows(first, last, true, true, firstRow, lastRow); break;
    case kFlexSortStringAscending: m_model.SortRows(first, last, false, false, firstRow, lastRow); break;
    case kFlexSortStringDescending: m_model.SortRows(first, last, true, false, firstRow, lastRow); break;
    default: return;
    }
    SyncView();
}

void FlexGrid::SetAllRows(std::vector<FlexRow> rows) {
    m_model.SetAllRows(std::move(rows));
    const int last = Rows() - 1;
    m_row = std::min(m_row, last);
    m_rowSel = std::min(m_rowSel, last);
    SyncView();
}

void FlexGrid::AddItem(int row, FlexRow item) {
    m_model.InsertRow(std::max(row, 1) - 1, std::move(item));
    SyncView();
}

void FlexGrid::RemoveItem(int row) {
    if (row < 1 || row >= Rows()) return;
    m_model.RemoveRow(row - 1);
    const int last = Rows() - 1;
    m_row = std::min(m_row, last);
    m_rowSel = std::min(m_rowSel, last);
    SyncView();
}

bool FlexGrid::TextIs(int row, int col, QStringView text) const {
    return row == 0 ? m_model.HeaderText(col) == text : m_model.TextIs(row - 1, col, text);
}

int FlexGrid::FindRow(int col, const QString& text) const {
    for (int i = 0; i < m_model.DataRows(); ++i)
        if (m_model.TextIs(i, col, text)) return i + 1;
    return -1;
}

double FlexGrid::TwipsPerPixel() const {
    const int dpi = logicalDpiX();
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

int FlexGrid::ColWidth(int col) const {
    if (col < 0 || col >= Cols() || isColumnHidden(col)) return 0;
    const int pixels = columnWidth(col);
    const auto kept = m_twips.constFind(col);
    if (kept != m_twips.constEnd() && static_cast<int>(std::lround(*kept / TwipsPerPixel())) == pixels) return *kept;
    return static_cast<int>(std::lround(pixels * TwipsPerPixel()));
}

void FlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= Cols()) return;
    if (twips <= 0) {
        m_twips.remove(col);
        setColumnHidden(col, true);
        return;
    }
    setColumnHidden(col, false);
    m_twips[col] = twips;
    setColumnWidth(col, std::max(1, static_cast<int>(std::lround(twips / TwipsPerPixel()))));
}

void FlexGrid::SetHighlightAlways(bool always) {
    if (always == m_highlightAlways) return;
    m_highlightAlways = always;
    ApplyPalette();
}

void FlexGrid::SetForeColorSel(int colour) {
    if (colour == m_foreColorSel) return;
    m_foreColorSel = colour;
    ApplyPalette();
}

void FlexGrid::ApplyPalette() {
    QPalette p = palette();
    // The style's own selection colour; the grid's palette may hold the "never" look by now.
    const QColor highlight = QApplication::palette(this).color(QPalette::Active, QPalette::Highlight);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        if (m_highlightAlways) {
            p.setColor(group, QPalette::Highlight, highlight);
            p.setColor(group, QPalette::HighlightedText, ColorOf(m_foreColorSel));
        } else {
            p.setColor(group, QPalette::Highlight, p.color(group, QPalette::Base));
            p.setColor(group, QPalette::HighlightedText, p.color(group, QPalette::Text));
        }
    }
    setPalette(p);
}

void FlexGrid::SyncView() {
    if (!m_redraw) return;
    m_syncing = true;
    QItemSelectionModel* sel = selectionModel();
    if (m_row >= 1 && Rows() > 1 && Cols() > 0) {
        const QModelIndex current = m_model.index(m_row - 1, m_col);
        sel->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        const QModelIndex topLeft = m_model.index(SelTop() - 1, std::min(m_col, m_colSel));
        const QModelIndex bottomRight = m_model.index(SelBottom() - 1, std::max(m_col, m_colSel));
        sel->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
        scrollTo(m_model.index(m_rowSel - 1, 0));
    } else {
        sel->clear();
    }
    m_syncing = false;
}

void FlexGrid::OnUserSelection() {
    if (m_syncing) return;
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    // The operator selects whole rows: the current row, and the other end of a range made with Shift.
    int top = current.row(), bottom = current.row();
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    m_rowSel = current.row() + 1;
    m_row = (current.row() == top ? bottom : top) + 1;
    m_col = 0;
    m_colSel = std::max(Cols() - 1, 0);
    if (SelChange) SelChange();
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    const int shift = ShiftMask(event->modifiers());
    int keyCode = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: keyCode = 13; break;
    case Qt::Key_Delete: keyCode = 46; break;
    case Qt::Key_Backspace: keyCode = 8; break;
    default:
        if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) keyCode = event->key();
        break;
    }
    if (keyCode != 0 && KeyDown) {
        KeyDown(keyCode, shift);
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    int ascii = 0;
    if (event->key() == Qt::Key_Backspace)
        ascii = 8;
    else if (shift == 2 && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        ascii = event->key() - Qt::Key_A + 1;
    else if (!event->text().isEmpty() && event->text().at(0).unicode() < 256)
        ascii = event->text().at(0).unicode();
    if (ascii != 0 && KeyPress) {
        KeyPress(ascii);
        if (ascii == 0) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const int shift = ShiftMask(event->modifiers());
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        // The popup acts on the selection as it is; the clicked row is not selected.
        event->accept();
        if (MouseDown) MouseDown(2, shift, at.x(), at.y());
        return;
    }
    QTableView::mousePressEvent(event);
    if (MouseDown) MouseDown(event->button() == Qt::LeftButton ? 1 : 4, shift, at.x(), at.y());
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QTableView::mouseDoubleClickEvent(event);
    if (DblClick && indexAt(event->position().toPoint()).isValid()) DblClick();
}

void FlexGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    if (LostFocus) LostFocus();
}

}  // namespace tidepost
