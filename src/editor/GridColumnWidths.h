#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace tidepost {

struct Foundation;
class FlexGrid;
enum class FolderGridKind;

// Pixel widths that show each column's heading and its typical value in full: the wider of the
// two. When the columns together need more than `available` pixels (0: no limit), the columns
// whose value is wider than their heading give up the excess, the widest first and never below
// what their heading needs, so that the last column stays inside the view where it can.
QList<int> FittingColumnWidths(const QList<int>& headingPx, const QList<int>& valuePx, int available);

// What the operator most often reads in each column of a folder grid, in the language in use.
// A cell may offer several values separated by "|": the widest of them counts.
QStringList TypicalFolderRow(const Foundation& f, FolderGridKind kind);

// The grid's default width setting (" n: n: …", twips): each column as wide as its heading (row 0,
// in the header's font) and the typical row (in the cells' font) need, fitted into the grid's
// visible width. Used when the operator has stored no widths of his own.
QString FittingWidthsText(const Foundation& f, const FlexGrid& grid, FolderGridKind kind);

}  // namespace tidepost
