#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace tidepost {

// One data row of a folder grid: its cell texts and the text colour (0x00BBGGRR) and weight that
// apply to the whole row, so that they move with the row when the rows are reordered.
struct FlexRow {
    QStringList Cells;
    int ForeColor = 0;
    bool Bold = false;
};

// Orders rows by the columns first..last, ascending or descending, letter case ignored or not, as
// a folder grid sorts them; equal rows keep their order. Usable on any thread.
void SortFlexRows(std::vector<FlexRow>& rows, int first, int last, bool descending, bool ignoreCase);

// Text order of two cells in which runs of digits compare by their value, so that a counter 100
// comes after 99; a run of more than six digits is a stored file's name (the date "yymmdd", then
// the counter), compared date first. Equal values fall back to plain text order. Names and dates
// written with a fixed width keep their plain text order.
int CompareGridTexts(const QString& a, const QString& b, Qt::CaseSensitivity cs);

}  // namespace tidepost
