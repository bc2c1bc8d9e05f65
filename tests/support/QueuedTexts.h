#pragma once
#include <QStringList>

#include "foundation/Foundation.h"

namespace tidepost::test {

// Takes every text waiting in the message-box queue, oldest first, and leaves the queue empty.
inline QStringList DrainErrorQueue(Foundation& f) {
    QStringList texts;
    while (f.gErrorQueue && f.gErrorQueue->Count() > 0) texts << f.gErrorQueue->Dequeue().toString();
    return texts;
}

}  // namespace tidepost::test
