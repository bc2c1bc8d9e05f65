#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "mainwindow/cPopupMenu.h"

using namespace tidepost;

namespace {

// Scripts the menu's answer and records where it was opened.
struct ScriptedMenu {
    std::optional<int> choose;  // the id to pick; none: dismissed
    QPoint openedAt;
    int runs = 0;

    ScriptedMenu() {
        cPopupMenu::Exec = [this](QMenu& menu, const QPoint& at) -> QAction* {
            ++runs;
            openedAt = at;
            if (!choose) return nullptr;
            for (QAction* action : menu.actions())
                if (!action->isSeparator() && action->data().toInt() == *choose) return action;
            return nullptr;
        };
    }
    ~ScriptedMenu() { cPopupMenu::Exec = nullptr; }
};

QAction* ActionOf(cPopupMenu& menu, int id) {
    for (QAction* action : menu.hWnd()->actions())
        if (action->data().toInt() == id) return action;
    return nullptr;
}

TEST(PopupMenu, ItemsKeepTheirMarksTogether) {
    cPopupMenu menu;
    menu.add(1, "&Plain");
    menu.add(0, "-");
    menu.add(2, "All at once", true, true, cPopupMenu::Disabled);
    menu.add(3, "Grayed", false, false, cPopupMenu::Grayed);
    const auto actions = menu.hWnd()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[0]->text(), "&Plain");
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_FALSE(actions[0]->isChecked());

    QAction* all = ActionOf(menu, 2);
    EXPECT_TRUE(all->isChecked());
    EXPECT_TRUE(all->font().bold());
    EXPECT_FALSE(all->isEnabled());
    EXPECT_EQ(menu.hWnd()->defaultAction(), all);
    EXPECT_FALSE(ActionOf(menu, 3)->isEnabled());
}

TEST(PopupMenu, AnswersTheChosenIdZeroWhenDismissedMinusOneWithoutAWindow) {
    QWidget owner;
    owner.show();
    ScriptedMenu script;
    cPopupMenu menu;
    menu.add(7, "Seven");
    menu.add(8, "Eight");

    script.choose = 8;
    EXPECT_EQ(menu.Show(&owner, 10, 20), 8);
    script.choose.reset();
    EXPECT_EQ(menu.Show(&owner, 10, 20), 0);
    EXPECT_EQ(menu.Show(nullptr, 10, 20), -1);
    EXPECT_EQ(script.runs, 2) << "no menu without a window";
}

TEST(PopupMenu, WithoutAnyVisibleWindowThereIsNoOwner) {
    ScriptedMenu script;
    cPopupMenu menu;
    menu.add(1, "One");
    if (QApplication::activeWindow()) GTEST_SKIP() << "another window is active";
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) GTEST_SKIP() << "another window is visible";
    EXPECT_EQ(menu.Show(), -1);
}

TEST(PopupMenu, OpensAtTheGivenPointTheCursorOrBelowTheControl) {
    QWidget owner;
    owner.setGeometry(100, 100, 300, 200);
    auto* button = new QPushButton("Pick", &owner);
    button->setGeometry(20, 30, 80, 25);
    owner.show();
    ScriptedMenu script;
    cPopupMenu menu;
    menu.add(1, "One");

    menu.Show(&owner, 40, 50);
    EXPECT_EQ(script.openedAt, QPoint(40, 50));

    QCursor::setPos(321, 123);
    const QPoint cursor = QCursor::pos();
    menu.Show(&owner, -1, 50);
    EXPECT_EQ(script.openedAt, QPoint(cursor.x(), 50));
    menu.Show(&owner, 40, -1);
    EXPECT_EQ(script.openedAt, QPoint(40, cursor.y()));

    menu.Show(&owner, 40, 50, button);
    const QPoint corner = button->mapToGlobal(button->rect().bottomLeft());
    EXPECT_EQ(script.openedAt.x(), corner.x());
    EXPECT_NEAR(script.openedAt.y(), corner.y(), 1) << "just under the control";

    // The same through window ids.
    menu.Show(owner.winId(), -1, -1, button->winId());
    EXPECT_EQ(script.openedAt.x(), corner.x());
}

TEST(PopupMenu, TheRealMenuAnswersTheKeyboard) {
    QWidget owner;
    owner.show();
    cPopupMenu menu;
    menu.add(4, "Four");
    menu.add(5, "Five");
    // Down, Down, Enter in the open menu: the second item.
    QTimer::singleShot(0, [] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    EXPECT_EQ(menu.Show(&owner, 10, 10), 5);
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) QTest::keyClick(popup, Qt::Key_Escape);
    });
    EXPECT_EQ(menu.Show(&owner, 10, 10), 0);
}

}  // namespace
