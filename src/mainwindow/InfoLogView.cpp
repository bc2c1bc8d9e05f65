#include "mainwindow/InfoLogView.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

#include "link/InfoHandler.h"
#include "link/cInfoLog.h"

namespace tidepost {

namespace {

constexpr int kColumns = 4;
constexpr int kNumberColumn = 2;
constexpr int kRowHeight = 16;
constexpr QChar kStx = QChar(2);
const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kDescending = QStringLiteral("DESC");

// A row whose "Number" cell sorts by value.
class InfoLogItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int col = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (col == kNumberColumn) return text(col).toLongLong() < other.text(col).toLongLong();
        return text(col) < other.text(col);
    }
};

// The sort indicator: a small triangle, grey on its shaded sides and white on its lit ones.
QIcon SortIndicator(bool up) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor grey(128, 128, 128);
    const QPointF top(8, 4.5), left(4, 11.5), right(12, 11.5);
    const QPointF bottom(8, 11.5), tl(4, 4.5), tr(12, 4.5);
    if (up) {
        p.setPen(grey);
        p.drawLine(top, left);
        p.setPen(Qt::white);
        p.drawLine(top, right);
        p.drawLine(left, right);
    } else {
        p.setPen(grey);
        p.drawLine(tl, tr);
        p.drawLine(tl, bottom);
        p.setPen(Qt::white);
        p.drawLine(tr, bottom);
    }
    return QIcon(pixmap);
}

QString LoadedTypeText(int type) {
    switch (type) {
    case 1: return QStringLiteral("Info");
    case 2: return QStringLiteral("Error");
    case 4: return QStringLiteral("Tidepost info");
    default: return QStringLiteral("Unknown");
    }
}

QString AddedTypeText(const QString& field) {
    if (field == u"1") return QStringLiteral("Info");
    if (field == u"2") return QStringLiteral("Error");
    if (field == u"4") return QStringLiteral("Tidepost Info");
    return QStringLiteral("Unknown");
}

}  // namespace

const QStringList InfoLogView::Keys = {QStringLiteral("Date"), QStringLiteral("Type"), QStringLiteral("Number"),
                                       QStringLiteral("Text")};
const QList<int> InfoLogView::HighlightedInfoNumbers = {20, 21, 22, 160, 161, 162, 233, 313, 325, 363, 473, 552, 553};

InfoLogView::InfoLogView(QTreeWidget* grid)
    : m_grid(grid), m_tags(kColumns), m_ascending(SortIndicator(true)), m_descending(SortIndicator(false)) {
    if (!grid) return;
    grid->setObjectName(QStringLiteral("MessageGrid"));
    grid->setAccessibleName(QStringLiteral("Info log"));
    grid->setRootIsDecorated(false);
    grid->setUniformRowHeights(true);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTextElideMode(Qt::ElideRight);
    grid->setWordWrap(false);
    grid->setFont(QFont(QStringLiteral("Arial"), 8));
    grid->header()->setSectionsMovable(false);
    grid->header()->setSectionsClickable(true);
    grid->header()->setSortIndicatorShown(false);
    QObject::connect(grid->header(), &QHeaderView::sectionClicked, grid,
                     [this](int section) { MessageGrid_HeaderClick(section + 1); });
}

bool InfoLogView::Highlighted(const QString& text, int number) {
    return text.contains(u"SEARCH&RESCUE", Qt::CaseInsensitive) || HighlightedInfoNumbers.contains(number);
}

QString InfoLogView::Tag(int column) const { return m_tags.value(column - 1); }

void InfoLogView::SetTag(int column, const QString& tag) {
    if (column >= 1 && column <= m_tags.size()) m_tags[column - 1] = tag;
}

void InfoLogView::SetUpInfoLogGridColumns() {
    if (!m_grid || !Shown || !Shown()) return;
    m_grid->clear();
    m_grid->setColumnCount(kColumns);
    static const int ids[kColumns] = {323, 324, 325, 326};
    QStringList captions;
    for (int i = 0; i < kColumns; ++i) captions << (Caption ? Caption(ids[i], Keys[i]) : Keys[i]);
    m_grid->setHeaderLabels(captions);
    for (int i = 0; i < kColumns; ++i) m_grid->headerItem()->setTextAlignment(i, Qt::AlignLeft | Qt::AlignVCenter);
    m_tags = QStringList(kColumns);
    m_grid->setVisible(true);
}

void InfoLogView::FillRow(QTreeWidgetItem* item, const QString& date, const QString& type, const QString& number,
                          const QString& text, bool highlighted) {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setBold(highlighted);
    const QColor colour = highlighted ? QColor(255, 0, 0) : QColor(Qt::black);
    const QString cells[kColumns] = {date, type, number, text};
    for (int i = 0; i < kColumns; ++i) {
        item->setText(i, cells[i]);
        item->setFont(i, font);
        item->setForeground(i, colour);
        item->setSizeHint(i, QSize(-1, kRowHeight));
    }
}

void InfoLogView::LoadInfoLogGrid(const QList<InfoLogEntry>& entries) {
    if (!m_grid) return;
    if (entries.isEmpty()) {
        m_grid->setUpdatesEnabled(true);
        return;
    }
    m_grid->clear();
    m_grid->setUpdatesEnabled(false);
    QList<QTreeWidgetItem*> items;
    items.reserve(entries.size());
    for (const InfoLogEntry& e : entries) {
        auto* item = new InfoLogItem;
        FillRow(item, e.oDate.toString(kDateFormat), LoadedTypeText(e.InfoType), QString::number(e.InfoNumber),
                e.InfoMessage, Highlighted(e.InfoMessage, e.InfoNumber));
        items.append(item);
    }
    m_grid->addTopLevelItems(items);
    m_grid->resizeColumnToContents(0);
    m_grid->resizeColumnToContents(3);
    m_grid->setUpdatesEnabled(true);
}

void InfoLogView::AddMessageGridInfoEntry(const QDateTime& oDate, quint8 InfoType, qint16 InfoNumber,
                                          const QString& InfoMessage) {
    if (!Shown || !Shown()) return;
    const QString line = oDate.toString(kDateFormat) + kStx + QString::number(InfoType) + kStx +
                         QString::number(InfoNumber) + kStx + CleanInfoText(InfoMessage);
    MessageGrid_AddLine(1, line, 4);
}

void InfoLogView::MessageGrid_AddLine(qint32 row, const QString& Linie, qint32 LogType) {
    if (LogType != 4 || !m_grid) return;
    const QStringList f = Linie.split(kStx);
    if (f.size() != kColumns) return;
    // A new entry goes on top whatever order is shown, so sorting stays off while it is placed.
    const bool sorting = m_grid->isSortingEnabled();
    m_grid->setSortingEnabled(false);
    auto* item = new InfoLogItem;
    m_grid->insertTopLevelItem(0, item);
    QTreeWidgetItem* target = m_grid->topLevelItem(std::clamp(row - 1, 0, m_grid->topLevelItemCount() - 1));
    FillRow(target, f[0], AddedTypeText(f[1]), f[2], f[3], Highlighted(f[3], f[2].toInt()));
    m_grid->setSortingEnabled(sorting);
}

void InfoLogView::MessageGrid_HeaderClick(qint32 column) {
    if (!m_grid || column < 1 || column > m_grid->columnCount()) return;
    const bool ascending = Tag(column).isEmpty();
    SetTag(column, ascending ? kDescending : QString());
    for (int i = 0; i < m_grid->columnCount(); ++i)
        m_grid->headerItem()->setIcon(i, i == column - 1 ? (ascending ? m_ascending : m_descending) : QIcon());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_grid->sortItems(column - 1, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace tidepost
