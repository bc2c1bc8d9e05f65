#pragma once
#include <QString>
#include <QVariant>

#include "foundation/cDynamicArray.h"

namespace tidepost {

// A double-ended list over a cDynamicArray: the items occupy slots 0 .. StopIndex - 1 with the
// head at 0, and the top slot is a spare one that holds the empty value.
class cList {
public:
    qint32 Count() const { return m_array.StopIndex() - m_array.StartIndex(); }
    void AddHead(const QVariant& varItem);
    QVariant RemoveHead();
    void AddTail(const QVariant& varItem);
    QVariant RemoveTail();
    QVariant PeekHead() const;
    QVariant PeekTail() const;
    // Index of the first item from the head that is a text equal to Tekst (case counts); -1 if none.
    qint32 Seekelement(const QString& Tekst) const;

private:
    cDynamicArray m_array;
};

}  // namespace tidepost
