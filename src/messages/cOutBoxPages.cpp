#include <array>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "messages/IndexPages.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/AnsiCodec.h"

namespace tidepost {

namespace {

constexpr int kFields = 21;
// A page shows the fields 0 to 8 and 17 (To); the table holds these ten, To last.
constexpr int kColumns = 10;
constexpr int kToField = 17;
constexpr int kToColumn = 9;
constexpr int kFileNameColumn = 0;

// The column a page is sorted by.
int SortColumn(int sortBy) {
    switch (sortBy) {
    case 1: return kToColumn;
    case 2: return 1;
    case 3: return 2;
    case 4: return 3;
    case 5: return 4;
    case 6: return 6;
    case 7: return 7;
    case 8: return 8;
    default: return kFileNameColumn;
    }
}

const QString kTableStart = QStringLiteral(
    "<style type=\"text/css\"><!--"
    "A:link { COLOR: black; TEXT-DECORATION: none; font-weight: normal }"
    "A:visited { COLOR: black; TEXT-DECORATION: none; font-weight: normal }"
    "A:active { COLOR: black; TEXT-DECORATION: none }"
    "A:hover { COLOR: blue; TEXT-DECORATION: none; font-weight: none }"
    "--></style><table>"
    "<tr><td><b>File name</b></td><td><b>Address</b></td><td><b>Destination</b></td>"
    "<td><b>LES</b></td><td><b>Language</b></td><td><b>Date</b></td><td><b>Size</b></td>"
    "<td><b>Ref.no.</b></td><td><b>Status</b></td></th></tr>\r\n");

}  // namespace

bool cOutBox::ReadIndex(IndexPageTable& table) {
    table.Columns = kColumns;
    if (!ReadIndexText(m_m.F, m_m.F.gOutboxDir, QStringLiteral("OUT.IDX"), QStringLiteral("cOutBox.ReadIndex"),
                       table.Text))
        return false;
    const QList<QStringView> lines = FileLineViews(table.Text);
    table.Cells.resize(lines.size() * kColumns);
    QStringView* cells = table.Cells.data();
    std::array<QStringView, kFields> fields;
    for (const QStringView line : lines) {
        // A line of fewer than 21 fields stays a row of empty fields.
        if (CutFields(line, u';', fields.data(), kFields) == kFields) {
            std::copy(fields.cbegin(), fields.cbegin() + kToColumn, cells);
            cells[kToColumn] = fields[kToField];
        }
        cells += kColumns;
    }
    return true;
}

QString cOutBox::LoadIndexHTML(int Items, int SortBy, bool SortOrderAscending) {
    IndexPageTable index;
    ReadIndex(index);
    return BuildIndexTable(index, PageRowOrder(index, kFileNameColumn, Items, SortColumn(SortBy), SortOrderAscending));
}

QString cOutBox::BuildIndexTable(const IndexPageTable& table, const QList<int>& order) {
    // Room for the rows as they are when no field needs escaping: the markup of a row, its cells
    // and the file name a second time in the link.
    constexpr qsizetype kRowMarkup = 140;
    qsizetype expected = kTableStart.size() + 8;
    for (const int row : order) {
        expected += kRowMarkup + table.Cell(kFileNameColumn, row).size();
        for (int column = 0; column < kColumns; ++column) expected += table.Cell(column, row).size();
    }
    PageWriter page(expected);
    page.Markup(kTableStart);
    const AnsiCodec& codec = m_m.F.Os.Codec;
    for (qsizetype i = 0; i < order.size(); ++i) {
        const int row = order[i];
        page.Markup(i % 2 == 0 ? QLatin1String("<tr bgcolor=#EEEEEE>") : QLatin1String("<tr >"));
        page.LinkCell(codec, QLatin1String("REQUESTTXMSG"), table.Cell(kFileNameColumn, row));
        for (int column : {kToColumn, 1, 2, 3}) page.Cell(table.Cell(column, row));
        page.Markup(QLatin1String("<td>"));
        page.Text(table.Cell(4, row));
        page.Markup(QLatin1String(" "));
        page.Text(table.Cell(5, row));
        page.Markup(QLatin1String("</td>"));
        for (int column : {6, 7, 8}) page.Cell(table.Cell(column, row));
        page.Markup(QLatin1String("</tr>\r\n"));
    }
    page.Markup(QLatin1String("</table>"));
    return page.Take();
}

void cOutBox::GetOutBoxMessage(QString& strFileName, QString& strMessage) {
    GetStoredMessage(m_m.F, m_m.F.gOutboxDir, strFileName, strMessage);
}

}  // namespace tidepost
