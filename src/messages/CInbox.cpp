#include "messages/CInbox.h"

#include <array>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "messages/InboxIndex.h"
#include "messages/IndexPages.h"
#include "messages/Messages.h"
#include "platform/AnsiCodec.h"

namespace tidepost {

namespace {

// A line's date and time "yy-MM-dd hh:mm" holds a ":" of its own, so a whole line splits into
// eleven pieces: 0 modem file name, 1 LES, 2 priority, 3 presentation, 4 date and hour,
// 5 minutes, 6 size, 7 reference, 8 routing, 9 read flag, 10 stored file name.
constexpr int kPieces = 11;
constexpr int kReadFlagPiece = 9;
constexpr int kFileNamePiece = 10;

int SortPiece(int sortBy) {
    switch (sortBy) {
    case 1: return 0;
    case 2: return 1;
    case 3: return 3;
    case 4: return 4;
    case 5: return 6;
    case 6: return 7;
    case 7: return 8;
    default: return kFileNamePiece;
    }
}

const QString kTableStart = QStringLiteral(
    "<style type=\"text/css\"><!--"
    "A:link { COLOR: black; TEXT-DECORATION: none; font-weight: normal }"
    "A:visited { COLOR: black; TEXT-DECORATION: none; font-weight: normal }"
    "A:active { COLOR: black; TEXT-DECORATION: none }"
    "A:hover { COLOR: blue; TEXT-DECORATION: none; font-weight: none }"
    "tr { foreground-color: #DDDDDD}"
    ".initial { foreground-color: #DDDDDD; color:#000000 }"
    ".normal { foreground-color: #CCCCCC }"
    ".highlight { foreground-color: #8888FF }"
    "--></style><table>"
    "<tr><td><b>File name</b></td><td><b>Modem file name</b></td><td><b>LES</b></td>"
    "<td><b>Language</b></td><td><b>Date</b></td><td><b>Size</b></td><td><b>Ref.no.</b></td>"
    "<td><b>Routing</b></td></th></tr>\r\n");

const QString kRowEvents =
    QStringLiteral(" onMouseOver=\"this.className='highlight'\" onMouseOut=\"this.className='normal'\">");

}  // namespace

bool CInbox::ReadIndex(IndexPageTable& table, bool bUnreadOnly) {
    table.Columns = kPieces;
    Foundation& f = m_m.F;
    if (!ReadIndexText(f, f.gInboxDir, QString::fromLatin1(kInboxIndexName), QStringLiteral("CInbox.ReadIndex"),
                       table.Text))
        return false;
    const QList<QStringView> lines = FileLineViews(table.Text);
    table.Cells.resize(lines.size() * kPieces);
    QStringView* cells = table.Cells.data();
    std::array<QStringView, kPieces> pieces;
    for (const QStringView line : lines) {
        // The first eleven pieces; those after them are not shown.
        const int count = CutFields(line, u':', pieces.data(), kPieces);
        // A line too short to hold a read flag holds no "No" either.
        if (bUnreadOnly && (count <= kReadFlagPiece || pieces[kReadFlagPiece] != u"No")) continue;
        if (count == kPieces) std::copy(pieces.cbegin(), pieces.cend(), cells);
        else std::fill_n(cells, kPieces, QStringView());
        cells += kPieces;
    }
    table.Cells.resize(cells - table.Cells.data());
    return true;
}

QString CInbox::LoadIndexHTML(int Items, int SortBy, bool SortOrderAscending, bool bUnreadOnly) {
    IndexPageTable index;
    ReadIndex(index, bUnreadOnly);
    return BuildIndexTable(index, PageRowOrder(index, kFileNamePiece, Items, SortPiece(SortBy), SortOrderAscending));
}

QString CInbox::BuildIndexTable(const IndexPageTable& table, const QList<int>& order) {
    // Room for the rows as they are when no field needs escaping: the markup of a row, its cells
    // and the file name a second time in the link.
    constexpr qsizetype kRowMarkup = 220;
    qsizetype expected = kTableStart.size() + 8;
    for (const int row : order) {
        expected += kRowMarkup + table.Cell(kFileNamePiece, row).size();
        for (int piece = 0; piece < kPieces; ++piece) expected += table.Cell(piece, row).size();
    }
    PageWriter page(expected);
    page.Markup(kTableStart);
    const AnsiCodec& codec = m_m.F.Os.Codec;
    for (qsizetype i = 0; i < order.size(); ++i) {
        const int row = order[i];
        page.Markup(i % 2 == 0 ? QLatin1String("<tr bgcolor=#EEEEEE") : QLatin1String("<tr "));
        page.Markup(kRowEvents);
        page.LinkCell(codec, QLatin1String("REQUESTRXMSG"), table.Cell(kFileNamePiece, row));
        for (int piece : {0, 1, 3}) page.Cell(table.Cell(piece, row));
        page.Markup(QLatin1String("<td>"));
        page.Text(table.Cell(4, row));
        page.Markup(QLatin1String(":"));
        page.Text(table.Cell(5, row));
        page.Markup(QLatin1String("</td>"));
        for (int piece : {6, 7, 8}) page.Cell(table.Cell(piece, row));
        page.Markup(QLatin1String("</tr>\r\n"));
    }
    page.Markup(QLatin1String("</table>"));
    return page.Take();
}

bool CInbox::GetInBoxMessage(QString& strFileName, QString& strMessage) {
    GetStoredMessage(m_m.F, m_m.F.gInboxDir, strFileName, strMessage);
    return false;
}

CInbox& GetInbox(Messages& m) {
    if (!m.InboxInstance) m.InboxInstance = std::make_unique<CInbox>(m);
    return *m.InboxInstance;
}

}  // namespace tidepost
