#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <vector>

namespace tidepost {

// One data row of a folder grid: its cell texts and the text colour (0x00BBGGRR) and weight that
// apply to the whole row, so that they move with the row when the rows are reordered.
//
// The cell texts live packed in one block (their lengths, then the texts one byte a character
// when every character fits in Latin-1, two otherwise), because a grid keeps tens of thousands
// of rows and a string object per cell costs several times the text itself. A cell becomes a
// QString only when it is asked for.
class FlexRow {
public:
    FlexRow() = default;
    FlexRow(const QStringList& cells, int foreColor = 0, bool bold = false);
    // A row of `count` cells packed straight from views of the texts (no QString per cell).
    static FlexRow FromViews(const QStringView* cells, qsizetype count, int foreColor = 0, bool bold = false);

    int CellCount() const;
    // The text of a cell; an empty text for a cell beyond the last.
    QString Cell(int col) const;
    // Whether a cell (empty beyond the last) holds exactly `text`, without making a QString.
    bool CellIs(int col, QStringView text) const;
    QStringList Cells() const;
    // Sets one cell, adding empty cells up to it where the row is shorter.
    void SetCell(int col, const QString& text);
    void SetCells(const QStringList& cells);
    // Cuts the row to `count` cells or adds empty ones up to it.
    void Resize(int count);
    // The bytes the packed texts take, the block's own header left out.
    qsizetype PackedBytes() const { return m_packed.size(); }
    // The packed block itself, for a keeper of many rows that stores the blocks one after another
    // (read it with the Packed... functions below), and a row made from such a block.
    QByteArrayView Packed() const { return m_packed; }
    static FlexRow FromPacked(QByteArrayView packed, int foreColor = 0, bool bold = false);

    int ForeColor = 0;
    bool Bold = false;

    friend bool operator==(const FlexRow& a, const FlexRow& b) {
        return a.ForeColor == b.ForeColor && a.Bold == b.Bold && a.Cells() == b.Cells();
    }

private:
    QByteArray m_packed;
};

// A packed row's cells read where the block lies, as FlexRow's own CellCount, Cell and CellIs.
int PackedCellCount(QByteArrayView packed);
QString PackedCell(QByteArrayView packed, int col);
bool PackedCellIs(QByteArrayView packed, int col, QStringView text);

// The order SortFlexRows gives `count` rows whose cells `cell(row, col)` gives: the rows' old
// positions in their new order, or nothing when they are in order already.
std::vector<size_t> FlexSortOrder(size_t count, const std::function<QString(size_t row, int col)>& cell, int first,
                                  int last, bool descending, bool ignoreCase);

// Orders rows by the columns first..last, ascending or descending, letter case ignored or not, as
// a folder grid sorts them; equal rows keep their order. Usable on any thread.
void SortFlexRows(std::vector<FlexRow>& rows, int first, int last, bool descending, bool ignoreCase);

// Text order of two cells in which runs of digits compare by their value, so that a counter 100
// comes after 99; a run of more than six digits is a stored file's name (the date "yymmdd", then
// the counter), compared date first. Equal values fall back to plain text order. Names and dates
// written with a fixed width keep their plain text order.
int CompareGridTexts(const QString& a, const QString& b, Qt::CaseSensitivity cs);

}  // namespace tidepost
