#pragma once
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QMenu;

namespace tidepost {

// One popup menu: items are appended, then the menu is shown at a screen position and the id of
// the chosen item comes back.
class cPopupMenu {
public:
    cPopupMenu();
    ~cPopupMenu();
    cPopupMenu(const cPopupMenu&) = delete;
    cPopupMenu& operator=(const cPopupMenu&) = delete;

    enum ItemState { Enabled = 0, Disabled = 1, Grayed = 2 };
    // Appends a text item with that id ("-" appends a separator; "&" marks the access key):
    // checked when bChecked, the menu's default (bold) when bDefault, not selectable when
    // itemState is Disabled or Grayed. Item pictures are not drawn.
    void add(int id, const QString& item, bool bDefault = false, bool bChecked = false, int itemState = Enabled,
             int bmpUnchecked = 0, int bmpChecked = 0);
    // Shows the menu and waits for the choice: the chosen item's id, 0 when the menu was
    // dismissed, -1 when there is no window to own it. Owner -1 or 0: the program's active
    // window, else its first visible top-level window. With a control window the menu opens at
    // its bottom-left corner; otherwise x or y of -1 is the cursor's.
    int Show(WId ownerWindow = -1, int x = -1, int y = -1, WId controlWindow = -1);
    int Show(QWidget* owner, int x, int y, QWidget* control = nullptr);
    QMenu* hWnd() const { return m_menu.get(); }

    // How the menu is run; empty: QMenu::exec. Tests put their own here to pick an item.
    static inline std::function<QAction*(QMenu& menu, const QPoint& at)> Exec;

private:
    std::unique_ptr<QMenu> m_menu;
};

}  // namespace tidepost
