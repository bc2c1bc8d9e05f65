#pragma once
#include <QList>
#include <QStringList>

#include "messages/IMessagesWindow.h"

namespace tidepost::test {

// Stands in for the main window as the message area sees it: shows the view in Shown and
// remembers the rows added to the inbox grid.
class FakeMessagesWindow : public IMessagesWindow {
public:
    struct InboxRow {
        QStringList cells;
        int foreColor = 0;
    };

    int MessageLogShown() const override { return Shown; }
    void InboxMSGrid_AddRow(const QStringList& cells, int foreColor) override { InboxRows.append({cells, foreColor}); }
    void InBox_SetAllColumnsSelected() override { ++InboxSelections; }
    void UpdateElectronicFormsMenu() override { ++FormsMenuUpdates; }

    int Shown = 0;
    QList<InboxRow> InboxRows;
    int InboxSelections = 0;
    int FormsMenuUpdates = 0;
};

}  // namespace tidepost::test
