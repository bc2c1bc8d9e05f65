#include "messages/AddressNameIndex.h"

namespace tidepost {

namespace {

int ScanTable(const QList<AddressEntry>& table, const QString& name) {
    for (qsizetype i = 0; i < table.size(); ++i)
        if (table.at(i).Name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

}  // namespace

void AddressNameIndex::Build(const QList<AddressEntry>& table) {
    m_first.clear();
    m_first.reserve(table.size());
    // From the last entry to the first, so that the first of equal names wins.
    for (qsizetype i = table.size() - 1; i >= 0; --i) m_first[table.at(i).Name.toCaseFolded()] = static_cast<int>(i);
    m_data = table.constData();
    m_size = table.size();
    m_built = true;
}

int AddressNameIndex::Find(const QList<AddressEntry>& table, const QString& name) {
    if (!m_built || m_data != table.constData() || m_size != table.size()) Build(table);
    const auto found = m_first.constFind(name.toCaseFolded());
    if (found != m_first.constEnd()) {
        const int i = *found;
        if (i < table.size() && table.at(i).Name.compare(name, Qt::CaseInsensitive) == 0) return i;
        Build(table);
        return ScanTable(table, name);
    }
    return ScanTable(table, name);
}

}  // namespace tidepost
