#include "mainwindow/cPopupMenu.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

namespace tidepost {

namespace {

constexpr WId kNone = static_cast<WId>(-1);

QWidget* OwnerWindow(WId id) {
    if (id != kNone && id != 0) return QWidget::find(id);
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !qobject_cast<QMenu*>(w)) return w;
    return nullptr;
}

}  // namespace

cPopupMenu::cPopupMenu() : m_menu(std::make_unique<QMenu>()) { m_menu->setObjectName("cPopupMenu"); }

cPopupMenu::~cPopupMenu() = default;

void cPopupMenu::add(int id, const QString& item, bool bDefault, bool bChecked, int itemState, int, int) {
    QAction* action = item == QLatin1String("-") ? m_menu->addSeparator() : m_menu->addAction(item);
    action->setData(id);
    if (bChecked) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    if (bDefault) {
        m_menu->setDefaultAction(action);
        QFont font = action->font();
        font.setBold(true);
        action->setFont(font);
    }
    if (itemState == Disabled || itemState == Grayed) action->setEnabled(false);
}

int cPopupMenu::Show(WId ownerWindow, int x, int y, WId controlWindow) {
    QWidget* control = controlWindow == kNone ? nullptr : QWidget::find(controlWindow);
    return Show(OwnerWindow(ownerWindow), x, y, control);
}

int cPopupMenu::Show(QWidget* owner, int x, int y, QWidget* control) {
    if (owner == nullptr) return -1;
    QPoint at;
    if (control) {
        at = control->mapToGlobal(control->rect().bottomLeft() + QPoint(0, 1));
    } else {
        const QPoint cursor = QCursor::pos();
        at = QPoint(x == -1 ? cursor.x() : x, y == -1 ? cursor.y() : y);
    }
    QAction* chosen = Exec ? Exec(*m_menu, at) : m_menu->exec(at);
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace tidepost
