#pragma once
#include <QString>

namespace tidepost {

// The main-window menu items whose visibility or check mark follows the transceiver's replies and
// the settings read at start-up.
enum class LinkMenu {
    DistressMenu,
    LMAlertSetting,       // "Landmobile Alert settings..."
    mnuSelectCodePage,    // "Select Code Page"
    mnuWindows1251Cyrillic,
    mnuDos866Cyrillic,
    PreferredWestMenu,
    PreferredEastMenu,
    PreferredPacificMenu,
    PreferredIndianMenu,
    PreferredNoneMenu,
};

// The item's object name in the main window.
inline QString LinkMenuName(LinkMenu menu) {
    switch (menu) {
    case LinkMenu::DistressMenu: return QStringLiteral("DistressMenu");
    case LinkMenu::LMAlertSetting: return QStringLiteral("LMAlertSetting");
    case LinkMenu::mnuSelectCodePage: return QStringLiteral("mnuSelectCodePage");
    case LinkMenu::mnuWindows1251Cyrillic: return QStringLiteral("mnuWindows1251Cyrillic");
    case LinkMenu::mnuDos866Cyrillic: return QStringLiteral("mnuDos866Cyrillic");
    case LinkMenu::PreferredWestMenu: return QStringLiteral("PreferredWestMenu");
    case LinkMenu::PreferredEastMenu: return QStringLiteral("PreferredEastMenu");
    case LinkMenu::PreferredPacificMenu: return QStringLiteral("PreferredPacificMenu");
    case LinkMenu::PreferredIndianMenu: return QStringLiteral("PreferredIndianMenu");
    case LinkMenu::PreferredNoneMenu: return QStringLiteral("PreferredNoneMenu");
    }
    return {};
}

// What the identity and status replies change in the main window's menus. The main window
// implements it and registers itself in Link::Windows.Menus; while that is null nothing is changed.
class ILinkMenus {
public:
    virtual ~ILinkMenus() = default;
    virtual void SetMenuVisible(LinkMenu menu, bool visible) = 0;
    virtual void SetMenuChecked(LinkMenu menu, bool checked) = 0;
};

}  // namespace tidepost
