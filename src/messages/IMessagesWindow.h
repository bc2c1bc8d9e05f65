#pragma once
#include <QStringList>

namespace tidepost {

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

    // Rebuilds the Forms menu from the forms folder (a remote command may have written a form).
    virtual void UpdateElectronicFormsMenu() = 0;
};

}  // namespace tidepost
