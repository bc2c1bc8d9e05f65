#pragma once
#include <QList>
#include <functional>

#include "mainwindow/HotList.h"

namespace tidepost {

// The commands the hot-list popup can run, in the order they are compared. The areas that own
// the handlers fill their rows; a row without a handler runs nothing.
class HotListCommandTable {
public:
    struct Row {
        int id = 0;
        int parentId = 0;  // 0: any parent; else only entries counted under that parent
        std::function<void()> run;
    };
    // All rows, without handlers.
    HotListCommandTable();
    // Gives the row of id (and parentId) its handler; false when the table has no such row.
    bool Set(int id, std::function<void()> run, int parentId = 0);
    // The first row that matches an entry with that id and parent; null when none does.
    const Row* Find(int id, int parentId) const;
    const QList<Row>& Rows() const { return m_rows; }

private:
    QList<Row> m_rows;
};

// The hot list as a popup at the cursor: the enabled entries in their order, item id MenuId + 1.
// The chosen entry runs its command: a form (0 to 63) through openForm, any other through the
// table. An empty list shows nothing; a dismissed popup runs nothing.
void RunHotListPopup(const QList<HotListItem>& items, const HotListCommandTable& table,
                     const std::function<void(int index)>& openForm);

}  // namespace tidepost
