#pragma once
#include <QString>
#include <QVariant>
#include <functional>

#include "foundation/cList.h"

namespace tidepost {

// The queue of texts waiting to be shown in a message box; oldest at the tail.
class cErrorQueue {
public:
    qint32 Count() const { return m_list.Count(); }
    void Enqueue(const QVariant& item) {
        m_list.AddHead(item);
        Pushed();
    }
    // Puts the item where the next Dequeue takes it.
    void EnqueueFirst(const QVariant& item) {
        m_list.AddTail(item);
        Pushed();
    }
    QVariant Dequeue() { return m_list.RemoveTail(); }
    QVariant Peek() const { return m_list.PeekTail(); }
    qint32 Seekelement(const QString& Tekst) const { return m_list.Seekelement(Tekst); }

    // Called after every push, so that the timer that shows the texts starts in the same call
    // instead of polling an empty queue.
    std::function<void()> OnPushed;

private:
    void Pushed() {
        if (OnPushed) OnPushed();
    }
    cList m_list;
};

}  // namespace tidepost
