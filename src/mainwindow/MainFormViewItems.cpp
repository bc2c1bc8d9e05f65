#include <QAction>

#include "mainwindow/MainForm.h"

namespace tidepost {

// The View menu's editor and compact-mode items and the Edit menu's clipboard items, as the menu
// tree built them: their commands and hot-list rows.
void MainForm::ConnectViewAndEditItems() {
    const auto item = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    QAction* editor = item("mnuViewEditor");
    m_mnuViewDistressEditor = item("mnuViewDistressEditor");
    m_mnuCompactMode = item("mnuCompactMode");
    m_mnuCut = item("mnuCut");
    m_mnuCopy = item("mnuCopy");
    m_mnuPaste = item("mnuPaste");
    connect(editor, &QAction::triggered, this, &MainForm::mnuViewEditor_Click);
    connect(m_mnuViewDistressEditor, &QAction::triggered, this, &MainForm::mnuViewDistressEditor_Click);
    connect(m_mnuCompactMode, &QAction::triggered, this, [this](bool checked) {
        // The menu has already moved the check mark; the command itself decides it.
        m_mnuCompactMode->setChecked(!checked);
        mnuCompactMode_Click();
    });
    HotListCommands.Set(2001, [this] { mnuViewEditor_Click(); });
    HotListCommands.Set(2002, [this] { mnuViewDistressEditor_Click(); });
    HotListCommands.Set(2011, [this] { mnuCompactMode_Click(); });
}

}  // namespace tidepost
