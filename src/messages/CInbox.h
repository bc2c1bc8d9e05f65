#pragma once
#include <QList>
#include <QString>

namespace tidepost {

struct Messages;
struct IndexPageTable;

// The inbox as the local forms server shows it: the received messages of the inbox index
// "in.idx" as an HTML table, and one stored message as HTML. It only reads; the receive road
// stores the messages and writes the index.
class CInbox {
public:
    explicit CInbox(Messages& m) : m_m(m) {}
    CInbox(const CInbox&) = delete;
    CInbox& operator=(const CInbox&) = delete;

    // The index lines with the highest stored file names (the newest), at most `Items` of them
    // (none below 1) and with `bUnreadOnly` only those whose read flag is "No", ordered by the
    // column `SortBy` selects (1 modem file name, 2 LES, 3 language, 4 date and hour, 5 size,
    // 6 reference, 7 routing, any other the file name), as texts. Every text is escaped and each
    // row links to its message ("REQUESTRXMSG?ID=" and the file name). A line of fewer than 11
    // pieces is a row of empty cells. The table is always given; an index that cannot be read
    // gives it without rows, and the failure is queued for the operator.
    QString LoadIndexHTML(int Items, int SortBy, bool SortOrderAscending, bool bUnreadOnly);
    // The received message strFileName as HTML (escaped, line ends "<br>"); strFileName comes
    // back as the full path. Only a plain file name of the inbox folder is read; any other name,
    // or a missing file, gives the escaped "Does not exist!" text with the path. Always false.
    bool GetInBoxMessage(QString& strFileName, QString& strMessage);

private:
    // The index as the page reads it; false when it could not be read (then no rows).
    bool ReadIndex(IndexPageTable& table, bool bUnreadOnly);
    // The rows of the table in `order`.
    QString BuildIndexTable(const IndexPageTable& table, const QList<int>& order);

    Messages& m_m;
};

// The one CInbox of the message area, created on first use.
CInbox& GetInbox(Messages& m);

}  // namespace tidepost
