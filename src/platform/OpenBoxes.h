#pragma once
#include <QPointer>
#include <functional>

class QWidget;

namespace tidepost {

// The modal boxes and dialogs that run over a window, each in an event loop of its own. A window
// must never be deleted while one of them is open: the box is a child of the window and the code
// that waits for its answer is the window's own. Whoever shows a box over a window holds a
// BoxOpenOn for as long as the box runs; whoever closes a window for good goes through
// WhenNoBoxOpen.
class BoxOpenOn {
public:
    // `box` runs over `owner` (and so over every window that owner belongs to).
    BoxOpenOn(QWidget* owner, QWidget* box);
    ~BoxOpenOn();
    BoxOpenOn(const BoxOpenOn&) = delete;
    BoxOpenOn& operator=(const BoxOpenOn&) = delete;

private:
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_box;
};

// Whether a box is open over the window.
bool HasOpenBox(const QWidget* window);

// Runs `then` at once when no box is open over the window; otherwise ends the open boxes as if
// closed without a button (a question then answers Cancel or No) and runs `then` once the last of
// them has returned to the code that showed it. Nothing runs when the window is gone by then.
void WhenNoBoxOpen(QWidget* window, std::function<void()> then);

}  // namespace tidepost
