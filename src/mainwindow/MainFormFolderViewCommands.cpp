#include "mainwindow/MainFormFolderViewCommands.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "editor/FolderViews.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "link/cInfoLog.h"
#include "mainwindow/InfoLogView.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/MainFormEditorWindows.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

constexpr int kInfoLogViewMode = 4;
constexpr int kSentMenuId = 2004;

void OnItem(QObject* owner, const char* name, std::function<void()> run) {
    if (auto* item = owner->findChild<QAction*>(QString::fromLatin1(name)))
        QObject::connect(item, &QAction::triggered, owner, [run = std::move(run)] { run(); });
}

// What the message area asks of the main window, answered by its views.
class MainFormMessagesWindow : public IMessagesWindow {
public:
    MainFormMessagesWindow(MainForm& form, FolderViews& views) : m_form(form), m_views(views) {}
    int MessageLogShown() const override { return static_cast<int>(m_form.MessageLogShown); }
    void InboxMSGrid_AddRow(const QStringList& cells, int foreColor) override {
        m_views.InboxMSGrid_AddRow(cells, foreColor);
    }
    void InBox_SetAllColumnsSelected() override { m_views.InBox_SetAllColumnsSelected(); }
    void ChangeViewEditor() override {
        if (m_form.EditorButton_Click) m_form.EditorButton_Click();
    }
    void OutboxButton_Click() override { m_views.OutboxButton_Click(); }
    void OutBox_SetAllColumnsSelected() override { m_views.OutBox_SetAllColumnsSelected(); }
    void RestoreSentItemsGridWidths() override { m_views.RestoreSentItemsGridWidths(); }
    bool ChangeSentItemsRows(const std::vector<SentItemsRowChange>& changes) override {
        return m_views.ChangeSentItemsRows(changes);
    }
    bool AddSentItemsRow(const FlexRow& row) override { return m_views.AddSentItemsRow(row); }
    void UpdateElectronicFormsMenu() override {
        if (m_form.AreaHandlers.FormsMenuRebuild) m_form.AreaHandlers.FormsMenuRebuild();
    }

private:
    MainForm& m_form;
    FolderViews& m_views;
};

}  // namespace

void MainForm::ConnectFolderViewCommands() {
    FolderViews& views = *m_folderViews;
    FolderViewSeams& seams = views.Seams;
    seams.OpenSelectedInboxMessage = [&views] { views.OpenSelectedInboxMessage(); };
    seams.OpenSelectedEgc = [&views] { views.OpenSelectedEgc(); };
    seams.InboxDeleteMessage_Click = [&views] { views.InboxDeleteMessage_Click(); };
    seams.SentItemsDeleteMessage_Click = [&views] { views.SentItemsDeleteMessage_Click(); };

    InboxButton_Click = [&views] { views.InboxButton_Click(); };
    OutboxButton_Click = [&views] { views.OutboxButton_Click(); };
    OnItem(this, "SentItemsMenu", [&views] { views.OutboxButton_Click(); });
    HotListCommands.Set(kSentMenuId, [&views] { views.OutboxButton_Click(); });

    // "Open Message" of both popups opens the current row as a double-click does.
    if (QMenu* inbox = findChild<QMenu*>(QStringLiteral("InboxPopup"))) {
        OnItem(inbox, "OpenMessage", [&views] { views.OpenSelectedInboxMessage(); });
        OnItem(inbox, "InSortColumn", [&views] { views.InSortColumn_Click(); });
        OnItem(inbox, "InboxMarkUnread", [&views] { views.InboxMarkUnread_Click(); });
        OnItem(inbox, "InboxDeleteMessage", [&views] { views.InboxDeleteMessage_Click(); });
    }
    if (QMenu* sent = findChild<QMenu*>(QStringLiteral("SentItemsPopup")))
        OnItem(sent, "SentItemsSortColumn", [&views] { views.SentItemsSortColumn_Click(); });

    // The info-log list takes the place of its stand-in in the work area.
    auto* list = new QTreeWidget(centralWidget());
    m_infoLog = std::make_unique<InfoLogView>(list);
    PlaceViewWidget(centralWidget(), list);
    if (m_controls) m_controls->MessageGrid = list;
    InfoLogView& info = *m_infoLog;
    info.Shown = [this] { return MessageLogShown == kInfoLogViewMode; };
    info.Caption = [this](int id, const QString& english) { return MlText(m_foundation, id, english); };
    seams.ShowInfoLogGrid = [this, &info] {
        info.SetUpInfoLogGridColumns();
        cInfoLog log(m_foundation);
        info.LoadInfoLogGrid(log.ReadInfoLog());
        info.SetTag(1, QStringLiteral("DESC"));
        info.MessageGrid_HeaderClick(1);
    };

    if (m_messages && !m_messages->Window) {
        m_messagesWindow = std::make_unique<MainFormMessagesWindow>(*this, views);
        m_messages->Window = m_messagesWindow.get();
    }
}

void ConnectViewerToFolderViews(MainForm& form, EditorWindows& windows) {
    FolderViews* views = form.Folders();
    if (!views) return;
    MessageFormLinks& links = windows.Viewer.Links;
    links.GetNextInboxMessage = [views] { views->GetNextInboxMessage(); };
    links.GetPrevInboxMessage = [views] { views->GetPrevInboxMessage(); };
    links.GetNextEgcMessage = [views] { views->GetNextEgcMessage(); };
    links.GetPrevEgcMessage = [views] { views->GetPrevEgcMessage(); };
    links.GetNextOutboxMessage = [views] { views->GetNextOutboxMessage(); };
    links.GetPrevOutboxMessage = [views] { views->GetPrevOutboxMessage(); };
    views->Seams.LoadText = [&windows](const QString& folder, const QString& file, bool next, bool previous,
                                       int type) {
        return windows.Viewer.Form.get().LoadText(folder, file, next, previous, type);
    };
}

}  // namespace tidepost
