#pragma once
#include <QByteArrayView>
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QStringView>
#include <functional>

#include "messages/OutboxLogCopy.h"

namespace tidepost {

struct Messages;
struct IndexPageTable;

// The fields of one outbox-log line (split at ";"), viewing the line's text.
using OutboxFields = QList<QStringView>;
OutboxFields SplitOutboxLine(QStringView line);

// The outbox log "OUT.IDX" of the sent-items folder: one ";"-separated line per submission or
// distress alert (21 fields: 0 file name, 2 LES, 7 reference, 8 delivery status, 17..19 the
// aliases …). After a submission's first line is written, every change to the log goes through
// this class. A rewrite stages the new log in "OUT.BAK" and renames it over "OUT.IDX", so the log
// is never missing. File names in the folder are matched ignoring case.
class cOutBox {
public:
    explicit cOutBox(Messages& m);
    ~cOutBox();
    cOutBox(const cOutBox&) = delete;
    cOutBox& operator=(const cOutBox&) = delete;

    // Sets the reference (unless strNewRefNo is empty) and the status of the lines of at least 10
    // fields whose reference equals strRefNo exactly, whose LES has the numeric value of strLesNo
    // (any LES when it is empty) and whose status equals strStatus (any when empty); all of them
    // or only the first. Empty lines are dropped. When a line matched, the log is rewritten (also
    // when nothing in it changed) and the sent-items grid shows the change (ShowChangedSentItems).
    // The rewrite works from the copy of the log the program holds while the file has not changed
    // since; every line ends with CR LF afterwards. Returns the number of lines
    // matched. Failures are shown in a box at once (queued while a timer tick runs).
    int UpdateOutBox(const QString& strLesNo, const QString& strRefNo, const QString& strStatus,
                     const QString& strNewRefNo, const QString& strNewStatus, bool bUpdateAll);
    // The same for the lines whose file name (field 0) equals strFileName exactly; empty lines stay.
    int UpdateOutBoxFile(const QString& strFileName, const QString& strNewRefNo, const QString& strNewStatus,
                         bool bUpdateAll);
    // UpdateOutBox with the caller's own rule for which lines (of at least 10 fields) match.
    using LineMatch = std::function<bool(const OutboxFields& fields)>;
    // A quick test on a line's bytes: false only for a line that cannot match.
    using BytesMayMatch = std::function<bool(QByteArrayView line)>;
    int UpdateOutBoxWhere(const LineMatch& match, const QString& strNewRefNo, const QString& strNewStatus,
                          bool bUpdateAll);

    // Appends `line` to the outbox log at `path` as AppendIndexLine does; false when it failed.
    bool AppendLogLine(const QString& path, const QString& line);
    // The log as the program last read or wrote it.
    OutboxLogCopy& LogCopy() { return m_log; }

    // Writes strMsg (ANSI, no line end added) as the file DiskFileName of the sent-items folder
    // ("[outbox]"), replacing an old one. A failure queues a message box and gives false.
    bool SaveMessage(const QString& strMsg, const QString& DiskFileName);

    // Records a distress alert reported by the transceiver: the file "-" with "Distress Alert" and
    // a line with reference "-" and the status of the code (1 "Sending", 2 "Conf.Ok",
    // 3 "Failed", other "Unknown"); the sent-items view is rebuilt when it is shown. False when
    // the file or the line could not be written.
    bool AddDistressAlert(int status);

    // strData := field `field` (blanks trimmed) of the first line of at least 8 fields whose field
    // RefIndex (blanks trimmed) equals RefNo, or "not found"; left as it was when "[outbox]" is
    // empty or the folder holds a file "Outbox.idx". Always 0. An unreadable log throws
    // RuntimeError for the caller.
    int GetIndexValue(int RefIndex, const QString& RefNo, int field, QString& strData);

    // The sent items as an HTML table for the local forms server: the lines of "OUT.IDX" with
    // the highest file names (the newest), at most `Items` of them (none below 1), ordered by
    // the column `SortBy` selects (1 address, 2 destination, 3 LES, 4 type and bits, 5 date,
    // 6 size, 7 reference, 8 status, any other the file name). Every text is escaped and each
    // row links to its message ("REQUESTTXMSG?ID=" and the file name). A line of fewer than
    // 21 fields is a row of empty cells. The table is always given; an index that cannot be read
    // gives it without rows, and the failure is queued for the operator.
    QString LoadIndexHTML(int Items, int SortBy, bool SortOrderAscending);
    // The outbox message file strFileName as HTML (escaped, line ends "<br>"); strFileName comes
    // back as the full path. Only a plain file name of the sent-items folder is read; any other
    // name, or a missing file, gives the escaped "Does not exist!" text with the path.
    void GetOutBoxMessage(QString& strFileName, QString& strMessage);

private:
    // The log as the page reads it; false when it could not be read (then no rows).
    bool ReadIndex(IndexPageTable& table);
    // The rows of the table in `order`.
    QString BuildIndexTable(const IndexPageTable& table, const QList<int>& order);
    enum class Routine { UpdateOutBox, UpdateOutBoxFile };
    // `mayMatch`, when given, passes over lines by their bytes before they are decoded for `match`.
    int Rewrite(Routine routine, const LineMatch& match, const QString& newRef, const QString& newStatus,
                bool updateAll, const BytesMayMatch& mayMatch = {});
    void ShowUpdateError(Routine routine, int number, const QString& description, const QString& path);
    bool AppendDistressLine(const QString& les, const QString& status);

    Messages& m_m;
    QMetaObject::Connection m_languageChanged;
    OutboxLogCopy m_log;
};

// The one cOutBox of the message area, created on first use.
cOutBox& GetOutBox(Messages& m);

}  // namespace tidepost
