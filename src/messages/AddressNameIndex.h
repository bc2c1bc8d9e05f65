#pragma once
#include <QHash>
#include <QList>
#include <QString>

#include "messages/AddressEntry.h"

namespace tidepost {

// Where each name (letter case ignored) first stands in the address-book table, so that the names
// of a message are found without walking 30,000 entries per name. It is built again when the
// table is not the one it was built for (another list or another size) and after Changed(),
// which whoever replaces the table or renames an entry in place calls. As a second line of defence
// a found entry is checked against the table and a name it does not know is looked for in the
// table itself.
class AddressNameIndex {
public:
    // The index of the first entry named `name` (letter case ignored), or -1.
    int Find(const QList<AddressEntry>& table, const QString& name);
    void Changed() { m_built = false; }

private:
    void Build(const QList<AddressEntry>& table);

    QHash<QString, int> m_first;
    const AddressEntry* m_data = nullptr;
    qsizetype m_size = -1;
    bool m_built = false;
};

}  // namespace tidepost
