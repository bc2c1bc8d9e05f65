#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/ShellWindows.h"

namespace tidepost {

QMenu* MainForm::AddMenu(QWidget* parent, const char* name, int stringId, const QString& english) {
    auto* menu = new QMenu(english, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    SetCaption(m_foundation.Strings, menu, stringId);
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) bar->addMenu(menu);
    else if (auto* owner = qobject_cast<QMenu*>(parent)) owner->addMenu(menu);
    return menu;
}

QAction* MainForm::AddItem(QMenu* menu, const char* name, int stringId, const QString& english, bool checkable) {
    auto* item = new QAction(english, menu);
    item->setObjectName(name);
    item->setCheckable(checkable);
    SetCaption(m_foundation.Strings, item, stringId);
    menu->addAction(item);
    return item;
}

// The menus whose look follows the transceiver. Their commands belong to the windows they open.
void MainForm::BuildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenuBar");
    setMenuBar(bar);

    QMenu* file = AddMenu(bar, "FileMenu", 1977, "&File");
    QAction* exit = AddItem(file, "mnuExit", 1984, "E&xit", false);
    connect(exit, &QAction::triggered, this, &MainForm::mnuExit_Click);

    QMenu* view = AddMenu(bar, "mnuView", 2000, "&View");
    QAction* terminalMode = AddItem(view, "TerminalModeMenu", 2010, "&Terminal Mode", false);
    AddTransceiverMenuItem(terminalMode);
    connect(terminalMode, &QAction::triggered, this, &MainForm::TerminalModeMenu_Click);
    AddViewAndEditItems(bar, view);

    QMenu* send = AddMenu(bar, "SendMenu", 2012, "&Messaging");
    QAction* contacts = AddItem(send, "mnuContacts", 2014, "Contacts/Address book", false);
    connect(contacts, &QAction::triggered, this, [this] { ShowAddressBookDialog("TO"); });

    QMenu* distress = AddMenu(bar, "DistressMenu", 2021, "&Distress");
    m_linkMenus[LinkMenu::DistressMenu] = distress->menuAction();

    QMenu* config = AddMenu(bar, "ConfigMenu", 2025, "&Setup");
    connect(AddItem(config, "CommSettings", 2046, "Communication setup...", false), &QAction::triggered, this,
            &MainForm::CommSettings_Click);
    QAction* alertSettings = AddItem(config, "LMAlertSetting", 2032, "Landmobile Alert settings...", false);
    m_linkMenus[LinkMenu::LMAlertSetting] = alertSettings;
    AddTransceiverMenuItem(alertSettings);
    QMenu* codePage = AddMenu(config, "mnuSelectCodePage", 3014, "Select Code Page");
    m_linkMenus[LinkMenu::mnuWindows1251Cyrillic] =
        AddItem(codePage, "mnuWindows1251Cyrillic", 3015, "Windows 1251 Cyrillic", true);
    m_linkMenus[LinkMenu::mnuDos866Cyrillic] = AddItem(codePage, "mnuDos866Cyrillic", 3016, "IBM/DOS 866 Cyrillic", true);
    m_linkMenus[LinkMenu::mnuSelectCodePage] = codePage->menuAction();

    QMenu* actions = AddMenu(bar, "OptionsMenu", 2047, "&Actions");
    QMenu* preferredOcean = AddMenu(actions, "mnuPreferredOcean", 2054, "Preferred ocean");
    QMenu* setPreferred = AddMenu(preferredOcean, "SetPreferredOceanMenu", 2056, "Set &Preferred ocean");
    AddTransceiverMenuItem(setPreferred->menuAction());
    m_linkMenus[LinkMenu::PreferredEastMenu] =
        AddItem(setPreferred, "PreferredEastMenu", 2049, "[581] &East Atlantic (AOR-E)", true);
    m_linkMenus[LinkMenu::PreferredPacificMenu] =
        AddItem(setPreferred, "PreferredPacificMenu", 2050, "[582] &Pacific (POR)", true);
    m_linkMenus[LinkMenu::PreferredIndianMenu] =
        AddItem(setPreferred, "PreferredIndianMenu", 2051, "[583] &Indian (IOR)", true);
    m_linkMenus[LinkMenu::PreferredWestMenu] =
        AddItem(setPreferred, "PreferredWestMenu", 2052, "[584] &West Atlantic (AOR-W)", true);
    m_linkMenus[LinkMenu::PreferredNoneMenu] = AddItem(setPreferred, "PreferredNoneMenu", 2057, "&None", true);

    // Offered only when the electronic-forms folder exists (start-up).
    m_mnuForms = AddMenu(bar, "mnuForms", 2059, "Fo&rms");
    m_mnuForms->menuAction()->setVisible(false);
    m_mnuForms->menuAction()->setEnabled(false);

    QMenu* help = AddMenu(bar, "HelpMenu", 8, "&Help");
    QAction* about = AddItem(help, "mnuAbout", 2064, "A&bout Tidepost...", false);
    connect(about, &QAction::triggered, this, &MainForm::mnuAbout_Click);
    // The logging submenu stays hidden: the switch is set at start-up only.
    QMenu* logging = AddMenu(help, "mnuLogging", 2062, "&Logging");
    logging->menuAction()->setVisible(false);
    logging->menuAction()->setEnabled(false);
    m_mnuLogPCComm = AddItem(logging, "mnuLogPCComm", 2063, "Log PC communication to file", true);
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
