#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "editor/FlexGrid.h"

#include "editor/FolderGridFamily.h"
#include "egc/IEgcView.h"
#include "messages/IMessagesWindow.h"
#include "platform/FileError.h"

namespace tidepost {

struct Foundation;
struct Messages;
// What the folder views need of the main window and of the areas built beside them. An empty
// function is a part not there yet: it does nothing (LoadText then counts as "not shown").
struct FolderViewSeams {
    std::function<void(int mode)> SetMessageLogShown;
    std::function<void()> MainFormSetUp;
    std::function<void(bool enable)> EnableEditorGUI;
    std::function<void(int menuId, int parentMenuId)> HotListAdd;
    // The message viewer: shows folder/file as message type 1 received, 2 sent, 3 EGC, with its
    // Next and Previous buttons enabled as asked; true when the message could not be shown.
    std::function<bool(const QString& folder, const QString& file, bool next, bool previous, int type)> LoadText;
    std::function<void()> OpenSelectedInboxMessage;
    std::function<void()> OpenSelectedEgc;
    std::function<void()> InboxDeleteMessage_Click;
    std::function<void()> SentItemsDeleteMessage_Click;
    std::function<void()> InboxButton_Click;
    // Sets up and fills the info-log grid, then sorts it by the date, newest first.
    std::function<void()> ShowInfoLogGrid;
    // Shows the grid's popup menu at a point of the grid.
    std::function<void(FolderGridKind kind, int x, int y)> ShowPopup;
    std::function<void(int& keyCode, int shift)> HandleEditorShortcutKeys;
};

// The three folder grids of the main window and the procedures they share: selection, keys,
// widths, the EGC view, the sent items' viewer navigation and the confirmation request. The main
// window owns the grid widgets and hands them over with Attach.
class FolderViews : public IEgcView {
public:
    FolderViews(Foundation& f, Messages& m) : F(f), M(m) {}
    // Unhooks the grids that are still there, and the sent-items grid from the message area.
    ~FolderViews();
    FolderViews(const FolderViews&) = delete;
    FolderViews& operator=(const FolderViews&) = delete;

    Foundation& F;
    Messages& M;
    FolderViewSeams Seams;

    // Wires the grid's clicks and keys to the family's rules (and, for the sent items, registers
    // the grid with the message area).
    void Attach(FolderGridKind kind, FlexGrid* grid);
    FlexGrid* Grid(FolderGridKind kind) const;
    QPointer<FlexGrid> InboxMSGrid;
    QPointer<FlexGrid> OutboxMSGrid;
    QPointer<FlexGrid> EGCMSGrid;

    // A received message's row in the inbox grid: the nine cells, bold (unread), in `foreColor`;
    // then the rows newest first and the last row current.
    void InboxMSGrid_AddRow(const QStringList& cells, int foreColor);
    void InBox_SetAllColumnsSelected();
    void OutBox_SetAllColumnsSelected();
    void EgcBox_SetAllColumnsSelected();
    void RestoreInboxGridWidths();
    void RestoreSentItemsGridWidths();
    void RestoreEgcGridWidths();

    // The grid events of the family (also what the widget's events call).
    void Grid_KeyDown(FolderGridKind kind, int& keyCode, int shift);
    void Grid_KeyPress(FolderGridKind kind, int& keyAscii);
    void Grid_DblClick(FolderGridKind kind);
    void Grid_MouseDown(FolderGridKind kind, int button, int shift, int x, int y);
    void Grid_LostFocus(FolderGridKind kind);
    // The view buttons' keys go to the editor's shortcut keys.
    void ViewButton_KeyDown(int& keyCode, int shift);

    // The EGC view: switches to view 3 and loads the grid from egc.idx. A long index is read into
    // rows on a worker thread and the rows are swapped in at once when they are ready, so the
    // window stays responsive; until then EgcLoadPending is true and the grid shows its header only.
    void EGCButton_Click();
    bool EgcLoadPending() const { return m_egcLoadPending; }
    // Indexes of more lines than this load on the worker thread.
    int EgcBackgroundLoadLines = 5000;
    void EGCButtonClick() { EGCButton_Click(); }
    // What the EGC store shows (IEgcView). A row that arrives while a load is still on its worker
    // would be lost when the load's rows are swapped in, so the view is loaded again instead.
    void AddEgcRow(const QString& indexLine) override;
    bool IsEgcViewShown() const override;
    void ReloadEgcView() override { EGCButton_Click(); }
    void EgcMenu_Click() { EGCButton_Click(); }
    // Deletes the selected EGCs (files and index lines) after asking, bottom row first.
    void EGCDelete_Click();
    // Answers: 6 Yes, 7 Yes to all, 2 No to all, 0 after a failure (or a closed question).
    int DeleteSelectedEgcs(bool bAsk);
    void EGCMarkUnread_Click();
    void MarkEgcUnread();

    // Sent items in the message viewer: true when the current row could not be shown.
    bool OpenSelectedSentItem();
    void GetNextOutboxMessage();
    void GetPrevOutboxMessage();
    // Asks the LES for a delivery confirmation of the current sent item.
    void ResubmitMessage_Click();

    void mnuInfoLog_Click();
    void InboxMenu_Click();
    void InboxButtonClick();

    // The inbox view (view 1): rebuilt from the inbox index every time it opens, newest first. A
    // long index is read into rows on a worker thread, as the EGC view's is; until the rows are
    // in InboxLoadPending is true and the grid shows its header only.
    void InboxButton_Click();
    bool InboxLoadPending() const { return m_inboxLoadPending; }
    int InboxBackgroundLoadLines = 5000;
    // "Sort by Column": by the whole row as text, ascending and descending in turn.
    void InSortColumn_Click();
    // Deletes the selected messages (files and index lines) after asking, bottom row first.
    void InboxDeleteMessage_Click();
    // Answers: 6 Yes, 7 Yes to all, 2 No to all (also a closed question), 0 after a failure.
    int DeleteSelectedInboxMessages(bool bAsk);
    // Sets the read flag of the selected messages back to unread and reloads the view.
    void InboxMarkUnread_Click();
    void MarkInboxMessageUnread();
    // The sent-items view (view 2), rebuilt from the sent-items index.
    void OutboxButton_Click();
    // Changed log lines in the sent-items grid (IMessagesWindow): each row that shows a change's
    // Before takes its After in place, so the order and the selection stay. Rows of a load still
    // on its worker would come in without the change: the load starts again instead, as it does
    // for rows that cannot be found. False without a grid.
    bool ChangeSentItemsRows(const std::vector<SentItemsRowChange>& changes);
    // A new log line's row on top of the sent-items grid (the newest first), the selection kept on
    // the rows it was on.
    bool AddSentItemsRow(const FlexRow& row);
    void SentItemsSortColumn_Click();
    void SentItemsDeleteMessage_Click();
    int DeleteSelectedSentItems(bool bAsk);
    // The message of the current row in the viewer: true when it could not be shown.
    bool OpenSelectedInboxMessage();
    bool OpenSelectedEgc();
    // The viewer's Next (the row above) and Previous (the row below); a failed step is undone.
    void GetNextInboxMessage();
    void GetPrevInboxMessage();
    void GetNextEgcMessage();
    void GetPrevEgcMessage();
    // The index of a cell in the grid's row-by-row order of cells.
    qint32 InboxGridIndex(qint16 row, qint16 col) const;
    qint32 OutboxGridIndex(qint16 row, qint16 col) const;
    qint32 EGCGridIndex(qint16 row, qint16 col) const;
    // What "Sort by Column" of each view applied last: 0 none yet, 5 ascending, 6 descending.
    quint8 InboxSortOrder = 0;
    quint8 SentItemsSortOrder = 0;

private:
    // Switches the window to folder view `mode`: its layout, routine priority, the editor's
    // header controls off.
    void ShowFolderView(int mode);
    // "Delete <folder>/<file> ?" with Yes, Yes to all and No to all: kAnswerYes, kAnswerYesToAll or
    // kAnswerNoToAll (also when the question is closed without an answer).
    int AskDelete(const QString& folder, const QString& file);
    void FinishEgcLoad(int generation, std::vector<FlexRow> rows);
    void EgcLoadFailed(int number, const QString& description);
    bool DeleteEgcFile(const QString& file, int& number, QString& description);
    // The index rewrite of MarkEgcUnread; false with the error when it failed.
    bool RewriteEgcReadFlag(const QString& file, int& number, QString& description);
    void ConfirmationBox(const QString& text);
    // The delete command and one row of it, shared by the inbox and the sent items.
    void DeleteSelectedRows(FolderGridKind kind);
    int DeleteSelectedRow(FolderGridKind kind, bool bAsk);
    bool OpenSelected(FolderGridKind kind);
    void StepSelection(FolderGridKind kind, int step);
    void InboxLoadFailed(int number, const QString& description);
    // The sent-items view once its rows are in: by date, newest first, the top row current.
    void ShowSentItemsByDate();
    // The sent-items view loaded again from the log (on the worker when it is long).
    void ReloadSentItemsRows();
    void LoadInboxView(bool mayUseWorker);
    void FinishInboxLoad(int generation, std::vector<FlexRow> rows);
    void SortByColumn(FolderGridKind kind, quint8& order);

    // The EGC load on the worker thread: its results come back through m_context, and only the
    // latest load's rows are taken.
    std::thread m_egcLoader;
    std::thread m_inboxLoader;
    int m_inboxGeneration = 0;
    bool m_inboxLoadPending = false;
    int m_egcGeneration = 0;
    bool m_egcLoadPending = false;
    QObject m_context;
};

inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerYesToAll = 7;
inline constexpr int kAnswerNoToAll = 2;

}  // namespace tidepost
