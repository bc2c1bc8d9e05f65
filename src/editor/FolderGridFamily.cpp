#include "editor/FolderGridFamily.h"

#include <algorithm>

#include "editor/FlexGrid.h"
#include "editor/GridColumnWidths.h"
#include "foundation/AppSettings.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

void SetGridHeaders(const Foundation& f, FlexGrid& grid, const GridHeader* headers, int count) {
    for (int col = 0; col < count; ++col)
        grid.SetTextMatrix(0, col, MlText(f, headers[col].id, QString::fromLatin1(headers[col].english)));
}

const FolderGridFamily& FamilyOf(FolderGridKind kind) {
    static const FolderGridFamily inbox{"InboxMSGrid", 9, 3, {"Distress", "Urgent"}, "INBOXGRID",
                                        " 1155: 1350: 405: 795: 1155: 1305: 705: 705: 1005"};
    static const FolderGridFamily sent{"OutboxMSGrid", 10, 1, {kSearchAndRescue}, "SENTITEMSGRID",
                                       " 1380: 2325: 1350: 630: 1560: 795: 600: 705: 1005: 1005"};
    static const FolderGridFamily egc{"EGCMSGrid", 10, 4, {"Distress", "Urgent"}, "EGCGRID",
                                      " 1590: 1350: 600: 2880: 1020: 1005: 1620: 705: 705: 1005"};
    switch (kind) {
    case FolderGridKind::Inbox: return inbox;
    case FolderGridKind::SentItems: return sent;
    case FolderGridKind::Egc: break;
    }
    return egc;
}

void SetAllColumnsSelected(FlexGrid& grid, FolderGridKind kind) {
    if (grid.Rows() < 2) {
        grid.SetHighlightAlways(false);
        return;
    }
    grid.SetHighlightAlways(true);
    const FolderGridFamily& family = FamilyOf(kind);
    const QString key = grid.TextMatrix(grid.Row(), family.KeyColumn);
    grid.SetForeColorSel(family.RedTexts.contains(key) ? kGridRed : kGridBlack);
    const int last = grid.Cols() - 1;
    if (grid.Col() != 0 || grid.ColSel() != last) {
        grid.SetRow(grid.Row());
        grid.SetCol(0);
        grid.SetColSel(last);
    }
}

void SelectAllRows(FlexGrid& grid) {
    if (grid.Rows() < 2) return;
    grid.SetRow(1);
    grid.SetCol(0);
    grid.SetRowSel(grid.Rows() - 1);
    grid.SetColSel(grid.Cols() - 1);
}

void RestoreGridWidths(Foundation& f, FlexGrid& grid, FolderGridKind kind) {
    const FolderGridFamily& family = FamilyOf(kind);
    // Without widths of the operator's own, each column fits its heading and a typical value.
    const QString s = GetAppSetting(f, f.gProductName, QStringLiteral("Config"), QString::fromLatin1(family.WidthKey),
                                    FittingWidthsText(f, grid, kind));
    for (int i = 0; i < grid.Cols(); ++i) {
        const qint64 width = LeadingNumber(GetField(i + 1, QStringLiteral(":"), s));
        grid.SetColWidth(i, static_cast<int>(std::clamp<qint64>(width, 0, 1'000'000)));
    }
}

QString GridWidthsText(const FlexGrid& grid) {
    QString s;
    for (int i = 0; i < grid.Cols(); ++i) {
        const int width = grid.ColWidth(i);
        s += (width >= 0 ? QStringLiteral(" ") : QString()) + QString::number(width) + u':';
    }
    return s;
}

void SaveGridWidths(Foundation& f, const FlexGrid& grid, FolderGridKind kind) {
    SaveAppSetting(f, f.gProductName, QStringLiteral("Config"), QString::fromLatin1(FamilyOf(kind).WidthKey),
                   GridWidthsText(grid));
}

}  // namespace tidepost
