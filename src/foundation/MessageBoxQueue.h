#pragma once
#include <QString>

namespace tidepost {

struct Foundation;
class cErrorQueue;

// The message-box queue, created on first use.
cErrorQueue& ErrorQueue(Foundation& f);

// Queues a text for the main window to show and returns at once. A text that is already waiting
// is dropped. The title and style are accepted but never shown: every queued box has the main
// window's own title and an OK button.
void QueueMessageBox(Foundation& f, const QString& text, const QString& title = {}, int style = 0);

}  // namespace tidepost
