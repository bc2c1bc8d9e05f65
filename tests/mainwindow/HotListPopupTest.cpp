#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <optional>

#include "support/ListItems.h"
#include "mainwindow/HotListCommands.h"
#include "mainwindow/cPopupMenu.h"

using namespace tidepost;

namespace {

HotListItem Item(int id, int parent, const QString& caption, bool enabled = true) {
    HotListItem item;
    item.MenuId = id;
    item.ParentMenuId = parent;
    item.Caption = caption;
    item.Enabled = enabled;
    return item;
}

struct HotListPopup : ::testing::Test {
    QWidget owner;
    std::optional<int> choose;  // the item id to pick; none: dismissed
    QStringList offered;
    QList<int> offeredIds;
    int shown = 0;
    QStringList ran;
    QList<int> forms;
    HotListCommandTable table;

    HotListPopup() {
        owner.show();
        cPopupMenu::Exec = [this](QMenu& menu, const QPoint&) -> QAction* {
            ++shown;
            QAction* pick = nullptr;
            for (QAction* action : menu.actions()) {
                offered << action->text();
                offeredIds << action->data().toInt();
                if (choose && action->data().toInt() == *choose) pick = action;
            }
            return pick;
        };
        for (const HotListCommandTable::Row& row : table.Rows())
            if (row.id != 2064) table.Set(row.id, [this, id = row.id] { ran << QString::number(id); }, row.parentId);
        table.Set(2049, [this] { ran << "PreferredEast"; }, 2056);
    }
    ~HotListPopup() override { cPopupMenu::Exec = nullptr; }
    void Run(const QList<HotListItem>& items) {
        RunHotListPopup(items, table, [this](int index) { forms << index; });
    }
};

TEST_F(HotListPopup, ChoosingAnEntryRunsItsCommand) {
    struct Case {
        const char* what;
        QList<HotListItem> items;
        std::optional<int> choose;
        QStringList offered;
        QStringList ran;
        QList<int> forms;
    };
    const QList<Case> cases = {
        {"a command", {Item(2020, 0, "&Send message"), Item(1990, 1989, "Insert -> &position", false)}, 2021,
         {"&Send message"}, {"2020"}, {}},
        {"a form", {Item(0, 0, "Weather"), Item(53, 0, "Last")}, 54, {"Weather", "Last"}, {}, {53}},
        {"form at position 0 has item id 1", {Item(0, 0, "Weather")}, 1, {"Weather"}, {}, {0}},
        {"a row without handler", {Item(2064, 0, "A&bout")}, 2065, {"A&bout"}, {}, {}},
        {"an id not in the table", {Item(3000, 0, "Other")}, 3001, {"Other"}, {}, {}},
        {"dismissed", {Item(2020, 0, "&Send message")}, std::nullopt, {"&Send message"}, {}, {}},
        {"all disabled", {Item(2020, 0, "&Send message", false)}, 2021, {}, {}, {}},
        {"a preferred-ocean entry", {Item(2049, 2056, "Set &Preferred ocean -> East")}, 2050,
         {"Set &Preferred ocean -> East"}, {"PreferredEast"}, {}},
        {"a login entry", {Item(2049, 2048, "&Login -> East")}, 2050, {"&Login -> East"}, {"2049"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        offered.clear();
        ran.clear();
        forms.clear();
        choose = c.choose;
        Run(c.items);
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(ran, c.ran);
        EXPECT_EQ(test::Items(forms), test::Items(c.forms));
    }
}

TEST_F(HotListPopup, EmptyListShowsNoPopup) {
    Run({});
    EXPECT_EQ(shown, 0);
}

TEST_F(HotListPopup, ItemIdsAreMenuIdPlusOneInListOrder) {
    Run({Item(2064, 0, "b"), Item(2020, 0, "a"), Item(5, 0, "f")});
    EXPECT_EQ(offeredIds, (QList<int>{2065, 2021, 6}));
}

TEST_F(HotListPopup, TableKeepsItsOrderAndKnowsItsRows) {
    HotListCommandTable fresh;
    ASSERT_FALSE(fresh.Rows().isEmpty());
    EXPECT_EQ(fresh.Rows().first().id, 1914);
    EXPECT_EQ(fresh.Rows().last().id, 2061);
    EXPECT_FALSE(fresh.Set(4242, [] {}));
    EXPECT_EQ(fresh.Find(4242, 0), nullptr);
    ASSERT_NE(fresh.Find(2049, 2048), nullptr);
    EXPECT_EQ(fresh.Find(2049, 2048)->parentId, 0);
    EXPECT_EQ(fresh.Find(2049, 2056)->parentId, 2056);
}

}  // namespace
