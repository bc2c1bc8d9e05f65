#pragma once
#include <QList>
#include <QVariant>

namespace tidepost {

// A growable array of values indexed from 0. It always has at least one slot; a slot that was
// never written, and a read outside the array, give the empty value (an invalid QVariant).
class cDynamicArray {
public:
    QVariant Data(int iPos) const;
    QList<QVariant> DataArray() const { return m_slots; }
    // Below 0 nothing happens; above StopIndex the array first grows to iPos with empty slots.
    void SetData(int iPos, const QVariant& varValue);
    qint16 StartIndex() const { return 0; }
    qint32 StopIndex() const { return static_cast<qint32>(m_slots.size() - 1); }
    // Removes slot iPos, moving the values above it down; outside the array nothing happens.
    // Deleting the only slot throws std::out_of_range: the array never becomes empty.
    void Delete(int iPos);

private:
    QList<QVariant> m_slots{QVariant()};
};

}  // namespace tidepost
