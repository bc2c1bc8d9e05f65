#include "foundation/cList.h"

namespace tidepost {

void cList::AddHead(const QVariant& varItem) {
    // Shift everything, the spare slot included, one up; the first write grows the array.
    for (qint32 k = m_array.StopIndex(); k >= m_array.StartIndex(); --k) m_array.SetData(k + 1, m_array.Data(k));
    m_array.SetData(m_array.StartIndex(), varItem);
}

QVariant cList::RemoveHead() {
    if (Count() <= 0) return {};
    const QVariant item = m_array.Data(m_array.StartIndex());
    m_array.Delete(m_array.StartIndex());
    return item;
}

void cList::AddTail(const QVariant& varItem) {
    // The spare slot takes the item and a new spare slot goes on top.
    const qint32 spare = m_array.StopIndex();
    m_array.SetData(spare + 1, QVariant());
    m_array.SetData(spare, varItem);
}

QVariant cList::RemoveTail() {
    if (Count() <= 0) return {};
    const qint32 tail = m_array.StopIndex() - 1;
    const QVariant item = m_array.Data(tail);
    m_array.Delete(tail);
    return item;
}

QVariant cList::PeekHead() const { return Count() > 0 ? m_array.Data(m_array.StartIndex()) : QVariant(); }

QVariant cList::PeekTail() const { return Count() > 0 ? m_array.Data(m_array.StopIndex() - 1) : QVariant(); }

qint32 cList::Seekelement(const QString& Tekst) const {
    for (qint32 i = m_array.StartIndex(); i < m_array.StopIndex(); ++i) {
        const QVariant item = m_array.Data(i);
        if (item.typeId() == QMetaType::QString && item.toString() == Tekst) return i;
    }
    return -1;
}

}  // namespace tidepost
