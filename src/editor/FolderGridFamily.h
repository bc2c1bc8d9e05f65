#pragma once
#include <QString>
#include <QStringList>

namespace tidepost {

struct Foundation;
class FlexGrid;

// The three folder grids of the main window share one set of rules; what differs is a row of
// this table.
enum class FolderGridKind { Inbox, SentItems, Egc };

struct FolderGridFamily {
    const char* GridName;       // the grid's objectName
    int Columns;
    int KeyColumn;              // the cell whose text decides the selection colour
    QStringList RedTexts;       // key-cell texts (exact, case-sensitive) selected in red
    const char* WidthKey;       // per-user setting, section "Config"
    const char* DefaultWidths;  // twips, ":"-separated
};
const FolderGridFamily& FamilyOf(FolderGridKind kind);

// A column heading: its string id and the English text where the table lacks it.
struct GridHeader {
    int id;
    const char* english;
};
// Writes the headings into the grid's row 0 in the language in use.
void SetGridHeaders(const Foundation& f, FlexGrid& grid, const GridHeader* headers, int count);

inline constexpr int kGridRed = 255;
inline constexpr int kGridBlack = 0;

// The selection rule, run after every click or key of the operator and by the procedures that
// move the selection: header only, no highlight; else the current row, all columns, highlighted
// always, in red when the row's key cell is one of the red texts.
void SetAllColumnsSelected(FlexGrid& grid, FolderGridKind kind);
// Ctrl+A: every data row, all columns. Highlight and selection colour stay as they were.
void SelectAllRows(FlexGrid& grid);
// Column widths from the per-user setting (the family's defaults when none is stored); columns the
// stored value does not reach get width 0 (hidden).
void RestoreGridWidths(Foundation& f, FlexGrid& grid, FolderGridKind kind);
// Stores the grid's column widths: each as " n" (or "-n") followed by ":".
void SaveGridWidths(Foundation& f, const FlexGrid& grid, FolderGridKind kind);
QString GridWidthsText(const FlexGrid& grid);

}  // namespace tidepost
