#include "editor/GridColumnWidths.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "editor/FlexGrid.h"
#include "editor/FolderGridFamily.h"
#include "foundation/MlText.h"

namespace tidepost {

namespace {

// Room the cells leave beside their text (focus frame, grid line) and a little air between values.
constexpr int kCellAir = 10;
// No column is squeezed below this (pixels) to make room for the others.
constexpr int kNarrowestColumn = 24;

const char* const kPriorities = "Routine|Safety|Urgent|Distress";
const char* const kBits = "7 Bit IA5|5 Bit TELEX|8 Bit Data";
const char* const kDateTime = "26-12-11 09:30";

// The sent items' delivery states, in the language in use, as the grid shows them.
QString StatusTexts(const Foundation& f) {
    struct Status {
        int id;
        const char* english;
    };
    // The common state first.
    constexpr Status kStates[] = {{3003, "Delivered"}, {3001, "Initiated"}, {3002, "Sending"},
                                  {3004, "ConfReq"},   {3005, "Conf.Ok"},   {3006, "Failed"},
                                  {3007, "PC Cleared"}, {3008, "MES Cleared"}};
    QStringList texts;
    for (const Status& s : kStates) texts.append(MlText(f, s.id, QString::fromLatin1(s.english)));
    return texts.join(u'|');
}

int WidestOf(const QFontMetrics& fm, const QString& cell) {
    int widest = 0;
    for (const QString& value : cell.split(u'|')) widest = std::max(widest, fm.horizontalAdvance(value));
    return widest;
}

QString WidthsText(const FlexGrid& grid, const QList<int>& pixels) {
    QString text;
    for (int px : pixels) text += u' ' + QString::number(std::lround(px * grid.TwipsPerPixel())) + u':';
    return text;
}

}  // namespace

QList<int> FittingColumnWidths(const QList<int>& headingPx, const QList<int>& valuePx, int available,
                               const QList<int>& commonPx) {
    QList<int> widths;
    for (qsizetype i = 0; i < headingPx.size(); ++i)
        widths.append(std::max(headingPx[i], i < valuePx.size() ? valuePx[i] : 0));
    int excess = std::accumulate(widths.begin(), widths.end(), 0) - available;
    if (available <= 0 || excess <= 0) return widths;
    const auto common = [&](qsizetype i) {
        return i < commonPx.size() ? commonPx[i] : (i < valuePx.size() ? valuePx[i] : 0);
    };
    // First the rarer, wider values give way down to the common one (or the heading); then
    // headings wider than their values give way down to the value, keeping half the heading; last,
    // so that the last column is still in sight, any column down to half its heading.
    QList<int> firstFloors, secondFloors, lastFloors;
    for (qsizetype i = 0; i < widths.size(); ++i) {
        firstFloors.append(std::min(widths[i], std::max(headingPx[i], common(i))));
        secondFloors.append(std::min(firstFloors[i], std::max(common(i), headingPx[i] / 2)));
        lastFloors.append(std::min(secondFloors[i], std::max(kNarrowestColumn, headingPx[i] / 2)));
    }
    for (const QList<int>* floors : {&firstFloors, &secondFloors, &lastFloors}) {
        // The column with the most to spare gives first, down to the next one's spare, so that
        // wide columns shrink together.
        while (excess > 0) {
            qsizetype widest = -1;
            int spare = 0, next = 0;
            for (qsizetype i = 0; i < widths.size(); ++i) {
                const int own = widths[i] - (*floors)[i];
                if (own > spare) {
                    next = spare;
                    spare = own;
                    widest = i;
                } else {
                    next = std::max(next, own);
                }
            }
            if (widest < 0) break;
            const int take = std::min(excess, std::max(1, spare - next));
            widths[widest] -= take;
            excess -= take;
        }
    }
    return widths;
}

QStringList TypicalFolderRow(const Foundation& f, FolderGridKind kind) {
    const QString priorities = QString::fromLatin1(kPriorities);
    const QString bits = QString::fromLatin1(kBits);
    const QString when = QString::fromLatin1(kDateTime);
    switch (kind) {
    case FolderGridKind::Inbox:
        return {"26121199.txt", "IN.12345", "112", priorities, bits, when, "12345", "123456", "Direct|Memory"};
    case FolderGridKind::SentItems:
        return {"26121199.out", "Agent", "12345678|ops@example.org", "112", "Telex 5 Bit|E-Mail 7 Bit", when, "09:30",
                "12345", "123456",
                StatusTexts(f)};
    case FolderGridKind::Egc: break;
    }
    return {"26121199.egc", "EGC26121199", "112", "NAV Warning|MET Warning|SAR Coordination", priorities, bits,
            when, "12345", "123456", "Direct|Memory"};
}

QString FittingWidthsText(const Foundation& f, const FlexGrid& grid, FolderGridKind kind) {
    const QStringList typical = TypicalFolderRow(f, kind);
    // Unread rows are bold: their values are the widest.
    QFont bold = grid.font();
    bold.setBold(true);
    const QFontMetrics cells(bold);
    const QHeaderView* header = grid.horizontalHeader();
    QList<int> headingPx, valuePx, commonPx;
    for (int col = 0; col < grid.Cols(); ++col) {
        headingPx.append(header->sectionSizeHint(col) + kCellAir / 2);
        const QString cell = typical.value(col);
        valuePx.append(cell.isEmpty() ? 0 : WidestOf(cells, cell) + kCellAir);
        commonPx.append(cell.isEmpty() ? 0 : cells.horizontalAdvance(cell.section(u'|', 0, 0)) + kCellAir);
    }
    // The view's width less the frame and a vertical scroll bar, which a long folder shows.
    // A grid the layout has not sized yet has no width to fit into.
    if (!grid.testAttribute(Qt::WA_Resized)) return WidthsText(grid, FittingColumnWidths(headingPx, valuePx, 0, commonPx));
    int available = grid.width() - 2 * grid.frameWidth();
    if (const QScrollBar* bar = grid.verticalScrollBar()) available -= bar->sizeHint().width();
    return WidthsText(grid, FittingColumnWidths(headingPx, valuePx, std::max(available, 1), commonPx));
}

}  // namespace tidepost
