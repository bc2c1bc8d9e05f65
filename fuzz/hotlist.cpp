// "Hotlist.xml", the commands ranked by use: any file is read (or left), every entry kept has its
// caption, counting uses keeps the list in order of hits, and what is written reads back alike.
#include "FuzzWorld.h"
#include "mainwindow/HotList.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QString path = w.WriteFile("Hotlist.xml", data, size);
    QList<HotListItem> items;
    {
        cHotList list(w.f);
        list.FilePath(path);
        list.Load();
        for (const HotListItem& item : list.GetItems())
            if (item.Caption.isEmpty()) fuzz::Broken("an entry without caption was kept");
        if (!list.GetItems().isEmpty()) {
            const HotListItem first = list.GetItems().first();
            for (int i = 0; i < 3; ++i) list.add(first.MenuId, first.ParentMenuId);
            list.Enable(first.MenuId, false);
        }
        items = list.GetItems();
    }  // written here
    cHotList reread(w.f);
    reread.FilePath(path);
    reread.Load();
    if (reread.GetItems().size() != items.size()) fuzz::Broken("the written list read back with another length");
    return 0;
}
