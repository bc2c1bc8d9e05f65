#include "messages/CInbox.h"

#include <array>

#include "foundation/Foundation.h"
#include "messages/InboxIndex.h"
#include "messages/IndexPages.h"
#include "messages/Messages.h"

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
    if (!ReadIndexLines(f, f.gInboxDir, QString::fromLatin1(kInboxIndexName), QStringLiteral("CInbox.ReadIndex"),
                        table.Lines))
        return false;
    table.Cells.reserve(table.Lines.size() * kPieces);
    std::array<QStringView, kPieces> pieces;
    for (const QString& line : std::as_const(table.Lines)) {
        // The first eleven pieces; those after them are not shown.
        const QStringView text(line);
        int count = 0;
        for (qsizetype start = 0; count < kPieces;) {
            const qsizetype colon = text.indexOf(u':', start);
            pieces[count++] = colon < 0 ? text.sliced(start) : text.sliced(start, colon - start);
            if (colon < 0) break;
            start = colon + 1;
        }
        // A line too short to hold a read flag holds no "No" either.
        if (bUnreadOnly && (count <= kReadFlagPiece || pieces[kReadFlagPiece] != u"No")) continue;
        if (count < kPieces) {
            table.AddEmptyRow();
            continue;
        }
        for (const QStringView piece : pieces) table.Cells.append(piece);
    }
    return true;
}

QString CInbox::LoadIndexHTML(int Items, int SortBy, bool SortOrderAscending, bool bUnreadOnly) {
    IndexPageTable index;
    ReadIndex(index, bUnreadOnly);
    return BuildIndexTable(index, PageRowOrder(index, kFileNamePiece, Items, SortPiece(SortBy), SortOrderAscending));
}

QString CInbox::BuildIndexTable(const IndexPageTable& table, const QList<int>& order) {
    QString html = kTableStart;
    html.reserve(html.size() + order.size() * 320 + 8);
    for (qsizetype i = 0; i < order.size(); ++i) {
        const int row = order[i];
        const auto cell = [&](int piece) {
            html += QLatin1String("<td>");
            AppendHtml(html, table.Cell(piece, row));
            html += QLatin1String("</td>");
        };
        html += i % 2 == 0 ? QLatin1String("<tr bgcolor=#EEEEEE") : QLatin1String("<tr ");
        html += kRowEvents;
        html += QLatin1String("<td><a href=REQUESTRXMSG?ID=");
        AppendLinkId(html, m_m.F, table.Cell(kFileNamePiece, row));
        html += u'>';
        AppendHtml(html, table.Cell(kFileNamePiece, row));
        html += QLatin1String("</a></td>");
        for (int piece : {0, 1, 3}) cell(piece);
        html += QLatin1String("<td>");
        AppendHtml(html, table.Cell(4, row));
        html += u':';
        AppendHtml(html, table.Cell(5, row));
        html += QLatin1String("</td>");
        for (int piece : {6, 7, 8}) cell(piece);
        html += QLatin1String("</tr>\r\n");
    }
    html += QLatin1String("</table>");
    return html;
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
