#include "foundation/MessageBoxQueue.h"

#include "foundation/Foundation.h"

namespace tidepost {

cErrorQueue& ErrorQueue(Foundation& f) {
    if (!f.gErrorQueue) f.gErrorQueue = std::make_unique<cErrorQueue>();
    return *f.gErrorQueue;
}

void QueueMessageBox(Foundation& f, const QString& text, const QString& /*title*/, int /*style*/) {
    cErrorQueue& queue = ErrorQueue(f);
    if (queue.Seekelement(text) == -1) queue.Enqueue(text);
}

}  // namespace tidepost
