#pragma once
#include <QList>
#include <QStringList>
#include <functional>

#include "messages/IMessagesWindow.h"

namespace tidepost::test {

// Stands in for the main window as the message area sees it: shows the view in Shown, remembers
// the rows added to the inbox grid and records what is asked of the sent-items view.
class FakeMessagesWindow : public IMessagesWindow {
public:
    struct InboxRow {
        QStringList cells;
        int foreColor = 0;
    };

    int MessageLogShown() const override { return Shown; }
    void InboxMSGrid_AddRow(const QStringList& cells, int foreColor) override { InboxRows.append({cells, foreColor}); }
    void InBox_SetAllColumnsSelected() override { ++InboxSelections; }
    void ChangeViewEditor() override {
        Calls.append("ChangeViewEditor");
        Shown = 0;
    }
    void OutboxButton_Click() override {
        Calls.append("OutboxButton_Click");
        if (OnOutboxButton) OnOutboxButton();
    }
    void OutBox_SetAllColumnsSelected() override { Calls.append("OutBox_SetAllColumnsSelected"); }
    void RestoreSentItemsGridWidths() override { Calls.append("RestoreSentItemsGridWidths"); }
    void UpdateElectronicFormsMenu() override { ++FormsMenuUpdates; }
    // The sent-items view's own row changes, when a test hands them to a real view.
    bool ChangeSentItemsRows(const std::vector<SentItemsRowChange>& changes) override {
        return OnChangeSentItemsRows && OnChangeSentItemsRows(changes);
    }
    bool AddSentItemsRow(const FlexRow& row) override { return OnAddSentItemsRow && OnAddSentItemsRow(row); }

    int Shown = 0;
    QList<InboxRow> InboxRows;
    int InboxSelections = 0;
    int FormsMenuUpdates = 0;
    QStringList Calls;
    std::function<void()> OnOutboxButton;
    std::function<bool(const std::vector<SentItemsRowChange>&)> OnChangeSentItemsRows;
    std::function<bool(const FlexRow&)> OnAddSentItemsRow;
};

}  // namespace tidepost::test
