#pragma once
#include <QVariant>

#include "foundation/cList.h"

namespace tidepost {

// First in, first out over a cList: new items enter at the head, the oldest leaves at the tail.
class cQueue {
public:
    qint32 Count() const { return m_list.Count(); }
    void Enqueue(const QVariant& varItem) { m_list.AddHead(varItem); }
    QVariant Dequeue() { return m_list.RemoveTail(); }
    QVariant Peek() const { return m_list.PeekTail(); }

private:
    cList m_list;
};

}  // namespace tidepost
