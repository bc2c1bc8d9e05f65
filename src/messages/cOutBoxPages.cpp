#include "foundation/Foundation.h"
#include "messages/IndexPages.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"

namespace tidepost {

namespace {

constexpr int kFields = 21;
constexpr int kFileNameField = 0;

int SortField(int sortBy) {
    switch (sortBy) {
    case 1: return 17;
    case 2: return 1;
    case 3: return 2;
    case 4: return 3;
    case 5: return 4;
    case 6: return 6;
    case 7: return 7;
    case 8: return 8;
    default: return kFileNameField;
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
    table.Columns = kFields;
    if (!ReadIndexLines(m_m.F, m_m.F.gOutboxDir, QStringLiteral("OUT.IDX"), QStringLiteral("cOutBox.ReadIndex"),
                        table.Lines))
        return false;
    table.Cells.reserve(table.Lines.size() * kFields);
    for (const QString& line : std::as_const(table.Lines)) {
        const OutboxFields fields = SplitOutboxLine(line);
        if (fields.size() < kFields) {
            table.AddEmptyRow();
            continue;
        }
        for (int i = 0; i < kFields; ++i) table.Cells.append(fields[i]);
    }
    return true;
}

QString cOutBox::LoadIndexHTML(int Items, int SortBy, bool SortOrderAscending) {
    IndexPageTable index;
    ReadIndex(index);
    return BuildIndexTable(index, PageRowOrder(index, kFileNameField, Items, SortField(SortBy), SortOrderAscending));
}

QString cOutBox::BuildIndexTable(const IndexPageTable& table, const QList<int>& order) {
    QString html = kTableStart;
    html.reserve(html.size() + order.size() * 256 + 8);
    for (qsizetype i = 0; i < order.size(); ++i) {
        const int row = order[i];
        const auto cell = [&](int field) {
            html += QLatin1String("<td>");
            AppendHtml(html, table.Cell(field, row));
            html += QLatin1String("</td>");
        };
        html += i % 2 == 0 ? QLatin1String("<tr bgcolor=#EEEEEE>") : QLatin1String("<tr >");
        html += QLatin1String("<td><a href=REQUESTTXMSG?ID=");
        AppendLinkId(html, m_m.F, table.Cell(kFileNameField, row));
        html += u'>';
        AppendHtml(html, table.Cell(kFileNameField, row));
        html += QLatin1String("</a></td>");
        for (int field : {17, 1, 2, 3}) cell(field);
        html += QLatin1String("<td>");
        AppendHtml(html, table.Cell(4, row));
        html += u' ';
        AppendHtml(html, table.Cell(5, row));
        html += QLatin1String("</td>");
        for (int field : {6, 7, 8}) cell(field);
        html += QLatin1String("</tr>\r\n");
    }
    html += QLatin1String("</table>");
    return html;
}

void cOutBox::GetOutBoxMessage(QString& strFileName, QString& strMessage) {
    GetStoredMessage(m_m.F, m_m.F.gOutboxDir, strFileName, strMessage);
}

}  // namespace tidepost
