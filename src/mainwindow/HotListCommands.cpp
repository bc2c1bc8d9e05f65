#include "mainwindow/HotListCommands.h"

#include "mainwindow/cPopupMenu.h"

namespace tidepost {

namespace {
// The Set Preferred ocean commands count the ids of the Login commands under their own parent.
constexpr int kPreferredOcean = 2056;
}  // namespace

HotListCommandTable::HotListCommandTable() {
    const int ids[] = {1914, 1979, 1981, 1980, 2013, 1983, 1990, 1991, 1992, 1993, 1994, 1995, 1996, 1997,
                       1999, 1998, 986,  987,  988,  1854, 1855, 2001, 2002, 2003, 2004, 2005, 2006, 2011,
                       2014, 2020, 2015, 2022, 2023, 2024, 1503, 2009};
    for (int id : ids) m_rows.append(Row{id, 0, {}});
    // An entry counted by a Set Preferred ocean command runs that command, not the Login.
    for (int id : {2049, 2050, 2051, 2052}) m_rows.append(Row{id, kPreferredOcean, {}});
    const int rest[] = {2049, 2050, 2051, 2052, 2053, 2055, 2026, 2027, 2057, 2007, 2008, 2058, 2716, 2028, 2031,
                        2017, 2029, 2030, 2032, 2043, 2044, 2045, 2010, 2033, 2034, 2035, 2041, 2046, 2064, 2061};
    for (int id : rest) m_rows.append(Row{id, 0, {}});
}

bool HotListCommandTable::Set(int id, std::function<void()> run, int parentId) {
    for (Row& row : m_rows)
        if (row.id == id && row.parentId == parentId) {
            row.run = std::move(run);
            return true;
        }
    return false;
}

const HotListCommandTable::Row* HotListCommandTable::Find(int id, int parentId) const {
    for (const Row& row : m_rows)
        if (row.id == id && (row.parentId == 0 || row.parentId == parentId)) return &row;
    return nullptr;
}

void RunHotListPopup(const QList<HotListItem>& items, const HotListCommandTable& table,
                     const std::function<void(int index)>& openForm) {
    if (items.isEmpty()) return;
    cPopupMenu popup;
    for (const HotListItem& item : items)
        if (item.Enabled) popup.add(item.MenuId + 1, item.Caption);
    const int chosen = popup.Show() - 1;
    if (chosen >= 0 && chosen < 64) {
        if (openForm) openForm(chosen);
        return;
    }
    // The popup carries the id only; the entry it came from tells the parent.
    int parentId = 0;
    for (const HotListItem& item : items)
        if (item.MenuId == chosen && item.Enabled) {
            parentId = item.ParentMenuId;
            break;
        }
    const HotListCommandTable::Row* row = table.Find(chosen, parentId);
    if (row && row->run) row->run();
}

}  // namespace tidepost
