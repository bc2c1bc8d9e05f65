#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "foundation/Foundation.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainMenuTree.h"
#include "mainwindow/ShellWindows.h"

namespace tidepost {

namespace {

// The menu entry of an item or of a submenu.
void ApplyEntry(QAction* action, const MainMenuEntry& e) {
    action->setObjectName(e.name);
    action->setCheckable(e.checkItem);
    if (!e.shortcut.isEmpty()) action->setShortcut(QKeySequence(e.shortcut, QKeySequence::PortableText));
    action->setChecked(e.checked);
    action->setEnabled(e.enabled);
    action->setVisible(e.visible);
}

}  // namespace

// The whole menu definition with design texts; the texts of the language come with the
// window's localisation at load. Commands are connected by the areas that own them.
void MainForm::BuildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenuBar");
    setMenuBar(bar);

    QHash<QString, QMenu*> menus;
    for (const MainMenuEntry& e : MainMenuTree()) {
        QMenu* owner = menus.value(e.parent);
        QWidget* holder = e.parent.isEmpty() ? static_cast<QWidget*>(bar)
                          : e.parent == PopupParent ? static_cast<QWidget*>(this)
                                                    : owner;
        if (holder == nullptr) continue;  // a parent defined later than its item: not in the table
        if (e.kind == MainMenuEntry::Menu) {
            auto* menu = new QMenu(e.text, holder);
            menu->setObjectName(e.name);
            if (e.parent.isEmpty()) bar->addMenu(menu);
            else if (owner) owner->addMenu(menu);
            ApplyEntry(menu->menuAction(), e);
            menus.insert(e.name, menu);
        } else {
            // A separator shows no text: some styles would draw its "-" as a section title.
            const bool separator = e.kind == MainMenuEntry::Separator;
            auto* action = new QAction(separator ? QString() : e.text, owner);
            action->setSeparator(separator);
            ApplyEntry(action, e);
            owner->addAction(action);
        }
    }

    const auto item = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    connect(item("mnuExit"), &QAction::triggered, this, &MainForm::mnuExit_Click);
    connect(item("TerminalModeMenu"), &QAction::triggered, this, &MainForm::TerminalModeMenu_Click);
    connect(item("CommSettings"), &QAction::triggered, this, &MainForm::CommSettings_Click);
    connect(item("mnuLanguage"), &QAction::triggered, this, &MainForm::mnuLanguage_Click);
    connect(item("mnuAbout"), &QAction::triggered, this, &MainForm::mnuAbout_Click);
    ConnectViewAndEditItems();

    m_linkMenus[LinkMenu::DistressMenu] = item("DistressMenu");
    m_linkMenus[LinkMenu::LMAlertSetting] = item("LMAlertSetting");
    m_linkMenus[LinkMenu::mnuSelectCodePage] = item("mnuSelectCodePage");
    m_linkMenus[LinkMenu::mnuWindows1251Cyrillic] = item("mnuWindows1251Cyrillic");
    m_linkMenus[LinkMenu::mnuDos866Cyrillic] = item("mnuDos866Cyrillic");
    m_linkMenus[LinkMenu::PreferredEastMenu] = item("PreferredEastMenu");
    m_linkMenus[LinkMenu::PreferredPacificMenu] = item("PreferredPacificMenu");
    m_linkMenus[LinkMenu::PreferredIndianMenu] = item("PreferredIndianMenu");
    m_linkMenus[LinkMenu::PreferredWestMenu] = item("PreferredWestMenu");
    m_linkMenus[LinkMenu::PreferredNoneMenu] = item("PreferredNoneMenu");

    m_mnuForms = menus.value("mnuForms");
    // The logging switch is set at start-up only; its submenu stays hidden.
    m_mnuLogPCComm = item("mnuLogPCComm");
}

void MainForm::mnuAbout_Click() {
    AboutTidepost& about = Shell().About.get();
    about.show();
    about.raise();
    about.activateWindow();
    if (HotList.Add) HotList.Add(2064, 0);
}

void MainForm::SetMenuVisible(LinkMenu menu, bool visible) {
    if (QAction* item = m_linkMenus.value(menu)) item->setVisible(visible);
}

void MainForm::SetMenuChecked(LinkMenu menu, bool checked) {
    if (QAction* item = m_linkMenus.value(menu)) item->setChecked(checked);
}

}  // namespace tidepost
