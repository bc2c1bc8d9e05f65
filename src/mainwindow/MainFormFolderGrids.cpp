#include <QAction>
#include <QLayout>
#include <QMenu>

#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Captions.h"
#include "editor/MessageEditor.h"
#include "foundation/Foundation.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/MainFormEditor.h"
#include "mainwindow/MainFormFolderViewCommands.h"

namespace tidepost {

namespace {

struct PopupItem {
    const char* name;
    int stringId;
    const char* english;
    bool visible;
};

// The popup of a grid: the one the menu tree holds, else built here with its items.
QMenu* FindOrBuildPopup(MainForm& form, const MlStrings& strings, const char* name, std::initializer_list<PopupItem> items) {
    if (auto* menu = form.findChild<QMenu*>(QString::fromLatin1(name))) return menu;
    auto* menu = new QMenu(&form);
    menu->setObjectName(QString::fromLatin1(name));
    for (const PopupItem& i : items) {
        auto* item = new QAction(QString::fromLatin1(i.english), menu);
        item->setObjectName(QString::fromLatin1(i.name));
        item->setVisible(i.visible);
        SetCaption(strings, item, i.stringId);
        menu->addAction(item);
    }
    return menu;
}

void OnTriggered(QObject* owner, const char* name, std::function<void()> run) {
    if (auto* item = owner->findChild<QAction*>(QString::fromLatin1(name)))
        QObject::connect(item, &QAction::triggered, owner, [run = std::move(run)] { run(); });
}

}  // namespace

// Puts the grid where the layout placed a stand-in of that name, or at the end of the work area.
void PlaceViewWidget(QWidget* area, QWidget* grid) {
    QWidget* standIn = area->findChild<QWidget*>(grid->objectName());
    if (standIn && standIn != grid) {
        if (QWidget* parent = standIn->parentWidget(); parent && parent->layout()) {
            grid->setParent(parent);
            parent->layout()->replaceWidget(standIn, grid);
        } else {
            grid->setParent(standIn->parentWidget());
            grid->setGeometry(standIn->geometry());
        }
        grid->setVisible(standIn->isVisibleTo(standIn->parentWidget()));
        delete standIn;
        return;
    }
    grid->setParent(area);
    if (auto* layout = qobject_cast<QBoxLayout*>(area->layout()))
        layout->insertWidget(std::max(layout->count() - 2, 0), grid, 1);
    grid->hide();
}

void MainForm::CreateFolderGrids() {
    if (!m_messages) return;
    m_folderViews = std::make_unique<FolderViews>(m_foundation, *m_messages);
    FolderViews& views = *m_folderViews;
    QWidget* area = centralWidget();

    struct Grid {
        FolderGridKind kind;
        const char* accessibleName;
    };
    for (const Grid& g : {Grid{FolderGridKind::Inbox, "Inbox"}, Grid{FolderGridKind::SentItems, "Sent items"},
                          Grid{FolderGridKind::Egc, "EGC messages"}}) {
        auto* grid = new FlexGrid(area);
        views.Attach(g.kind, grid);
        grid->setAccessibleName(QString::fromLatin1(g.accessibleName));
        PlaceViewWidget(area, grid);
    }
    // The layout sizes and shows the grids from here on, in place of the stand-ins just removed.
    if (m_controls) {
        m_controls->InboxMSGrid = views.Grid(FolderGridKind::Inbox);
        m_controls->OutboxMSGrid = views.Grid(FolderGridKind::SentItems);
        m_controls->EGCMSGrid = views.Grid(FolderGridKind::Egc);
    }

    const MlStrings& strings = m_foundation.Strings;
    QMenu* egcPopup = FindOrBuildPopup(*this, strings, "EGCPopup",
                                       {{"OpenEgc", 1975, "Open EGC", true},
                                        {"EGCSortColumn", 1969, "Sort by Column", false},
                                        {"EGCMarkUnread", 1973, "Mark Unread", true},
                                        {"EGCDelete", 1976, "Delete EGC", true}});
    QMenu* sentPopup = FindOrBuildPopup(*this, strings, "SentItemsPopup",
                                        {{"OpenSentMessage", 1968, "Open Message", true},
                                         {"SentItemsSortColumn", 1969, "Sort by Column", false},
                                         {"ResubmitMessage", 1970, "Request Confirmation", true},
                                         {"SentItemsDeleteMessage", 1971, "Delete Message", true}});
    // "Open" in a popup opens the current row, as Enter does.
    OnTriggered(egcPopup, "OpenEgc", [&views] { views.Grid_DblClick(FolderGridKind::Egc); });
    OnTriggered(egcPopup, "EGCMarkUnread", [&views] { views.EGCMarkUnread_Click(); });
    OnTriggered(egcPopup, "EGCDelete", [&views] { views.EGCDelete_Click(); });
    OnTriggered(sentPopup, "OpenSentMessage", [&views] { views.OpenSelectedSentItem(); });
    OnTriggered(sentPopup, "ResubmitMessage", [&views] { views.ResubmitMessage_Click(); });
    OnTriggered(sentPopup, "SentItemsDeleteMessage", [&views] {
        if (views.Seams.SentItemsDeleteMessage_Click) views.Seams.SentItemsDeleteMessage_Click();
    });

    FolderViewSeams& seams = views.Seams;
    seams.SetMessageLogShown = [this](int mode) { MessageLogShown = mode; };
    seams.MainFormSetUp = [this] { MainFormSetUp(); };
    seams.EnableEditorGUI = [this](bool enable) {
        if (m_editorGlue && m_editorGlue->Editor()) m_editorGlue->Editor()->EnableEditorGUI(enable);
    };
    seams.HotListAdd = [this](int id, int parent) {
        if (HotList.Add) HotList.Add(id, parent);
    };
    seams.InboxButton_Click = [this] {
        if (InboxButton_Click) InboxButton_Click();
    };
    seams.HandleEditorShortcutKeys = [this](int& keyCode, int shift) {
        if (KeyHandlers.HandleEditorShortcutKeys) KeyHandlers.HandleEditorShortcutKeys(keyCode, shift);
    };
    seams.ShowPopup = [this, &views](FolderGridKind kind, int x, int y) {
        const char* name = kind == FolderGridKind::Egc         ? "EGCPopup"
                           : kind == FolderGridKind::SentItems ? "SentItemsPopup"
                                                               : "InboxPopup";
        FlexGrid* grid = views.Grid(kind);
        if (auto* popup = findChild<QMenu*>(QString::fromLatin1(name)); popup && grid)
            popup->exec(grid->viewport()->mapToGlobal(QPoint(x, y)));
    };

    // The view buttons and menu items, where the layout and the menu tree have them.
    EGCButton_Click = [&views] { views.EGCButton_Click(); };
    AreaHandlers.EGCButton_Click = [&views] { views.EGCButton_Click(); };
    AreaHandlers.mnuInfoLog_Click = [&views] { views.mnuInfoLog_Click(); };
    OnTriggered(this, "EgcMenu", [&views] { views.EgcMenu_Click(); });
    OnTriggered(this, "InboxMenu", [&views] { views.InboxMenu_Click(); });
    OnTriggered(this, "mnuInfoLog", [&views] { views.mnuInfoLog_Click(); });
    HotListCommands.Set(2005, [&views] { views.EgcMenu_Click(); });
    HotListCommands.Set(2003, [&views] { views.InboxMenu_Click(); });
    HotListCommands.Set(2006, [&views] { views.mnuInfoLog_Click(); });
    ConnectFolderViewCommands();
}

}  // namespace tidepost
