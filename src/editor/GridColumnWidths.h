#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace tidepost {

struct Foundation;
class FlexGrid;
enum class FolderGridKind;

// Pixel widths that show each column's heading and its widest value in full. When the columns
// together need more than `available` pixels (0: no limit), first the columns whose widest value is
// wider than both their heading and their common value give way down to the wider of the two, the
// widest first; then headings wider than their common value give way down to it (never below half
// the heading); last any column down to half its heading, so that the last column stays inside
// the view where it can. `commonPx` holds each
// column's common value (the widest value where it is missing).
QList<int> FittingColumnWidths(const QList<int>& headingPx, const QList<int>& valuePx, int available,
                               const QList<int>& commonPx = {});

// What the operator most often reads in each column of a folder grid, in the language in use.
// A cell may offer several values separated by "|", the common one first: the widest of them is
// shown whole where the grid has room.
QStringList TypicalFolderRow(const Foundation& f, FolderGridKind kind);

// The grid's default width setting (" n: n: …", twips): each column as wide as its heading (row 0,
// in the header's font) and the typical row (in the cells' font) need, fitted into the grid's
// visible width. Used when the operator has stored no widths of his own.
QString FittingWidthsText(const Foundation& f, const FlexGrid& grid, FolderGridKind kind);

}  // namespace tidepost
