#include "support/FakeSettingsStore.h"

namespace tidepost::test {

namespace {
bool Same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

int FakeSettingsStore::IndexOf(const QString& app, const QString& section, const QString& key) const {
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        if (Same(e.app, app) && Same(e.section, section) && Same(e.key, key)) return i;
    }
    return -1;
}

QString FakeSettingsStore::Get(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue) {
    const int i = IndexOf(app, section, key);
    return i < 0 ? defaultValue : m_entries[i].value;
}

bool FakeSettingsStore::Save(const QString& app, const QString& section, const QString& key,
                             const QString& value) {
    ++SaveCount;
    if (FailSaves) return false;
    const int i = IndexOf(app, section, key);
    if (i < 0)
        m_entries.append({app, section, key, value});
    else
        m_entries[i].value = value;
    return true;
}

QList<QPair<QString, QString>> FakeSettingsStore::GetSection(const QString& app, const QString& section) {
    QList<QPair<QString, QString>> out;
    for (const Entry& e : m_entries)
        if (Same(e.app, app) && Same(e.section, section)) out.append({e.key, e.value});
    return out;
}

void FakeSettingsStore::DeleteKey(const QString& app, const QString& section, const QString& key) {
    const int i = IndexOf(app, section, key);
    if (i >= 0) m_entries.removeAt(i);
}

void FakeSettingsStore::DeleteApplication(const QString& app) {
    m_entries.removeIf([&](const Entry& e) { return Same(e.app, app); });
}

bool FakeSettingsStore::Has(const QString& app, const QString& section, const QString& key) const {
    return IndexOf(app, section, key) >= 0;
}

}  // namespace tidepost::test
