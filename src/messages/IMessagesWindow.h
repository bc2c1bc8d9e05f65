#pragma once
#include <QStringList>
#include <vector>

#include "foundation/FlexRow.h"

namespace tidepost {

// One row of the sent-items grid whose log line changed: the cells it shows and the cells it
// should show instead.
struct SentItemsRowChange {
    QStringList Before;
    QStringList After;
};

// What the message area asks of the main window: which view its main area shows, and the views
// that show stored and sent messages. The main window implements it and registers itself in
// Messages::Window; while that is null nothing is shown.
class IMessagesWindow {
public:
    virtual ~IMessagesWindow() = default;

    // `MessageLogShown`: the view of the main area, 0 editor, 1 inbox, 2 sent items, 3 EGC,
    // 4 info log, 5 electronic form.
    virtual int MessageLogShown() const = 0;

    // The inbox view's grid `InboxMSGrid`: appends one row of the nine cells (disk file name,
    // modem file name, LES, priority, bits, date and time, size, reference, routing), each
    // left-aligned and bold (unread), in the text colour `foreColor` (0x00BBGGRR); then sorts the
    // rows by the first cell in descending order, letter case ignored, and makes the last row the
    // current row.
    virtual void InboxMSGrid_AddRow(const QStringList& cells, int foreColor) = 0;
    // Widens the selection of the inbox grid's current row to all columns.
    virtual void InBox_SetAllColumnsSelected() = 0;

    // Shows the message editor in the main area.
    virtual void ChangeViewEditor() = 0;
    // Switches to the sent-items view and loads it again from the outbox log.
    virtual void OutboxButton_Click() = 0;
    // Widens the selection of the sent-items grid's current row to all its columns.
    virtual void OutBox_SetAllColumnsSelected() = 0;
    // The column widths of the sent-items grid as the user last left them.
    virtual void RestoreSentItemsGridWidths() = 0;
    // The sent-items view on screen shows changed log lines: each row that shows a Before shows
    // its After, in place, the order and the selection kept. False when the view cannot do so;
    // the grid is then loaded again.
    virtual bool ChangeSentItemsRows(const std::vector<SentItemsRowChange>& changes) {
        (void)changes;
        return false;
    }
    // The sent-items view on screen shows a new log line's row among the newest. False when the
    // view cannot do so; the grid is then loaded again.
    virtual bool AddSentItemsRow(const FlexRow& row) {
        (void)row;
        return false;
    }

    // Rebuilds the Forms menu from the forms folder (a remote command may have written a form).
    virtual void UpdateElectronicFormsMenu() = 0;
};

}  // namespace tidepost
