#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "mainwindow/MainForm.h"

namespace tidepost {

// The View menu's editor and compact-mode items and the Edit menu's clipboard items. The whole
// menu tree, when it stands in one table, takes these over by their names.
void MainForm::AddViewAndEditItems(QMenuBar* bar, QMenu* view) {
    QAction* first = view->actions().isEmpty() ? nullptr : view->actions().first();
    const auto item = [&](QMenu* menu, QAction* before, const char* name, int stringId, const QString& english) {
        auto* action = new QAction(english, menu);
        action->setObjectName(name);
        SetCaption(m_foundation.Strings, action, stringId);
        menu->insertAction(before, action);
        return action;
    };
    QAction* editor = item(view, first, "mnuViewEditor", 2001, "E&ditor");
    m_mnuViewDistressEditor = item(view, first, "mnuViewDistressEditor", 2002, "&Distress Message Editor");
    m_mnuCompactMode = item(view, nullptr, "mnuCompactMode", 2011, "&Compact Mode");
    m_mnuCompactMode->setCheckable(true);
    connect(editor, &QAction::triggered, this, &MainForm::mnuViewEditor_Click);
    connect(m_mnuViewDistressEditor, &QAction::triggered, this, &MainForm::mnuViewDistressEditor_Click);
    connect(m_mnuCompactMode, &QAction::triggered, this, [this](bool checked) {
        // The menu has already moved the check mark; the command itself decides it.
        m_mnuCompactMode->setChecked(!checked);
        mnuCompactMode_Click();
    });
    // Offered by the transceiver's SOLAS type (the status tick).
    m_mnuViewDistressEditor->setVisible(false);
    HotListCommands.Set(2001, [this] { mnuViewEditor_Click(); });
    HotListCommands.Set(2002, [this] { mnuViewDistressEditor_Click(); });
    HotListCommands.Set(2011, [this] { mnuCompactMode_Click(); });

    auto* edit = new QMenu("&Edit", bar);
    edit->setObjectName("Edit");
    edit->menuAction()->setObjectName("Edit");
    SetCaption(m_foundation.Strings, edit, 1985);
    bar->insertMenu(view->menuAction(), edit);
    m_mnuCut = item(edit, nullptr, "mnuCut", 1986, "Cut");
    m_mnuCopy = item(edit, nullptr, "mnuCopy", 1987, "Copy");
    m_mnuPaste = item(edit, nullptr, "mnuPaste", 1988, "Paste");
}

}  // namespace tidepost
