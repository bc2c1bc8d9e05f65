#pragma once
#include <QList>
#include <QString>

namespace tidepost {

// One entry of the main window's menu definition, in the order the menus show it.
struct MainMenuEntry {
    enum Kind { Menu, Item, Separator };
    QString name;       // the object name; control arrays carry their index: "mnuF(0)"
    QString parent;     // the menu that holds it; "" the menu bar, PopupParent a grid popup
    Kind kind = Item;
    int stringId = 0;   // 0: the design text stays whatever the language
    QString text;       // the design text
    QString english;    // the English text of the string id where it differs from the design text
    bool checkItem = false;
    QString shortcut;   // portable text, e.g. "Ctrl+P"
    bool visible = true;
    bool enabled = true;
    bool checked = false;
};

// The parent of the folder grids' popup menus, which are never part of the menu bar.
inline const QString PopupParent = QStringLiteral("(popup)");

// The whole menu definition of the main window, parents before their items.
const QList<MainMenuEntry>& MainMenuTree();

}  // namespace tidepost
