#include "mainwindow/HotList.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/IMainForm.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

constexpr int kFormCount = 64;

bool IsFormId(int menuId) { return menuId >= 0 && menuId < kFormCount; }

// What one Item of the file holds, as text.
struct StoredItem {
    QString menuId;
    QString parentMenuId;
    QString hits;
};

struct StoredList {
    bool hasVersion = false;
    QString version;
    QList<StoredItem> items;
};

// Reads the whole document first: a file that is not well-formed changes nothing.
bool ReadStoredList(const QString& path, StoredList& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    StoredItem* item = nullptr;
    QList<QString> open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString name = xml.name().toString();
            open.append(name);
            if (name == QLatin1String("Item")) {
                out.items.append(StoredItem{});
                item = &out.items.last();
            } else if (name == QLatin1String("Version") && !out.hasVersion) {
                out.hasVersion = true;
                out.version = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                open.removeLast();
            } else if (item != nullptr && open.size() >= 2 && open.at(open.size() - 2) == QLatin1String("Item")) {
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                open.removeLast();
                if (name == QLatin1String("MenuId")) item->menuId = text;
                else if (name == QLatin1String("ParentMenuId")) item->parentMenuId = text;
                else if (name == QLatin1String("Hits")) item->hits = text;
            }
        } else if (xml.isEndElement()) {
            if (!open.isEmpty()) open.removeLast();
            if (xml.name() == QLatin1String("Item")) item = nullptr;
        }
    }
    return !xml.hasError();
}

QString Escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'&') out += QLatin1String("&amp;");
        else if (c == u'<') out += QLatin1String("&lt;");
        else if (c == u'>') out += QLatin1String("&gt;");
        else out += c;
    }
    return out;
}

}  // namespace

QString HotListFilePath(const Foundation& f) { return AddBackslash(f.gConfiguration.DataPath) + "Hotlist.xml"; }

cHotList::cHotList(const Foundation& f) : m_f(f) {}

cHotList::~cHotList() {
    // Letting the list go is when it reaches the disk.
    if (!m_filePath.isEmpty()) SaveHotListFile();
}

int cHotList::FormIndex(const QString& fileName) const { return m_menus ? m_menus->GetMnuFomsIndex(fileName) : 0; }
QString cHotList::FormFileName(int index) const { return m_menus ? m_menus->GetMnuFomsFileName(index) : QString(); }
QString cHotList::FormName(int index) const { return m_menus ? m_menus->GetMnuFomsName(index) : QString(); }

QString cHotList::CaptionOf(int menuId, int parentMenuId) const {
    return IsFormId(menuId) ? FormName(menuId) : GetCaptionPair(m_f, menuId, parentMenuId);
}

void cHotList::Load() {
    StoredList stored;
    if (m_filePath.isEmpty() || !ReadStoredList(m_filePath, stored)) return;
    if (!stored.hasVersion) return;
    // A version that is not a number is no version 2 file: an empty list, rewritten at exit.
    bool ok = false;
    const short version = stored.version.trimmed().toShort(&ok);
    QList<HotListItem> kept;
    if (ok && version >= 2) {
        for (const StoredItem& s : stored.items) {
            HotListItem item;
            bool isNumber = false;
            item.MenuId = s.menuId.toInt(&isNumber);
            if (isNumber) {
                item.ParentMenuId = s.parentMenuId.toInt();
                item.Caption = GetCaptionPair(m_f, item.MenuId, item.ParentMenuId);
            } else {
                if (s.menuId.isEmpty()) continue;
                item.MenuId = FormIndex(s.menuId);
                if (item.MenuId == -1) continue;
                item.ParentMenuId = 0;
                item.Caption = FormName(item.MenuId);
            }
            if (item.Caption.isEmpty()) continue;
            const int hits = s.hits.toInt(&isNumber);
            item.Hits = isNumber && hits >= 0 && hits <= 255 ? static_cast<std::uint8_t>(hits) : 0;
            item.Enabled = true;
            kept.append(item);
        }
    }
    m_items = kept;
}

bool cHotList::add(int menuId, int parentMenuId) {
    const int p = FindItem(menuId);
    if (p >= 0) return CountHit(p);
    AppendItem(menuId, parentMenuId);
    return false;
}

bool cHotList::Reset() {
    m_items.clear();
    return SaveHotListFile();
}

bool cHotList::Enable(int menuId, bool bEnable) {
    const int p = FindItem(menuId);
    if (p < 0) return false;
    m_items[p].Enabled = bEnable;
    return true;
}

int cHotList::FindItem(int menuId) const {
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items.at(i).MenuId == menuId) return i;
    return -1;
}

void cHotList::AppendItem(int menuId, int parentMenuId) {
    HotListItem item;
    item.Caption = CaptionOf(menuId, parentMenuId);
    if (item.Caption.isEmpty()) return;
    item.MenuId = menuId;
    item.ParentMenuId = parentMenuId;
    m_items.append(item);
}

bool cHotList::CountHit(int p) {
    if (p < 0 || p >= m_items.size()) return false;
    if (m_items[p].Hits < 255) ++m_items[p].Hits;
    if (p > 0 && m_items.at(p - 1).Hits < m_items.at(p).Hits) m_items.swapItemsAt(p - 1, p);
    if (m_items.at(p).Hits == 255) RenormaliseHits();
    return true;
}

void cHotList::RenormaliseHits() {
    const int n = static_cast<int>(m_items.size());
    for (int k = 0; k < n; ++k) m_items[k].Hits = static_cast<std::uint8_t>(qMin(n - k, 255));
}

bool cHotList::SaveHotListFile() const {
    QByteArray text = "<?xml version='1.0'?>\r\n<HotList>\r\n    <Version>2</Version>";
    for (const HotListItem& item : m_items) {
        const QString id = IsFormId(item.MenuId) ? FormFileName(item.MenuId) : QString::number(item.MenuId);
        const int parent = IsFormId(item.MenuId) ? 0 : item.ParentMenuId;
        text += "\r\n    <Item>\r\n        <MenuId>" + Escaped(id).toUtf8() + "</MenuId>\r\n        <ParentMenuId>" +
                QByteArray::number(parent) + "</ParentMenuId>\r\n        <Hits>" + QByteArray::number(item.Hits) +
                "</Hits>\r\n    </Item>";
    }
    text += "\r\n</HotList>\r\n";
    // Written aside and put in place whole: an interrupted write leaves the old list.
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace tidepost
