#pragma once
#include <QList>
#include <QString>
#include <cstdint>

namespace tidepost {

struct Foundation;
class IMainForm;

// One entry of the hot list. MenuId is the string id of the command's caption, or 0 to 63 for an
// electronic form (its position in the Forms menu).
struct HotListItem {
    int MenuId = 0;
    int ParentMenuId = 0;
    QString Caption;
    std::uint8_t Hits = 0;
    bool Enabled = true;
};

// The main window's commands ranked by use, kept in "Hotlist.xml". A use counts one hit; an entry
// used more often than the one above it moves up one place. The file is written when the list
// is reset and when the object goes (the main window lets it go once, at exit).
class cHotList {
public:
    explicit cHotList(const Foundation& f);
    ~cHotList();
    cHotList(const cHotList&) = delete;
    cHotList& operator=(const cHotList&) = delete;

    void FilePath(const QString& path) { m_filePath = path; }
    // The Forms-menu lookup for form entries; null answers 0 and empty texts.
    void MenuInterface(const IMainForm* menus) { m_menus = menus; }

    // Reads the file. Missing or malformed XML leaves the list as it is; no version, a version
    // below 2 or one that is not a number gives an empty list. Entries without caption drop.
    void Load();
    // Counts one use of a command; true when an existing entry was counted.
    bool add(int menuId, int parentMenuId);
    // Empties the list and writes the file at once; false when it could not be written.
    bool Reset();
    // Sets whether the popup offers the first entry with that id; false when there is none.
    bool Enable(int menuId, bool bEnable);
    QList<HotListItem> GetItems() const { return m_items; }

private:
    int FindItem(int menuId) const;
    void AppendItem(int menuId, int parentMenuId);
    bool CountHit(int p);
    void RenormaliseHits();
    bool SaveHotListFile() const;
    QString CaptionOf(int menuId, int parentMenuId) const;
    int FormIndex(const QString& fileName) const;
    QString FormFileName(int index) const;
    QString FormName(int index) const;

    const Foundation& m_f;
    QList<HotListItem> m_items;
    QString m_filePath;
    const IMainForm* m_menus = nullptr;
};

// The path of "Hotlist.xml" in the data folder.
QString HotListFilePath(const Foundation& f);

}  // namespace tidepost
