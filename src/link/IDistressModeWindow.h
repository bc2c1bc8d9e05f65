#pragma once

class QWidget;

namespace tidepost {

// The distress-buttons test window, as the link loss, the exit and the main window reach it.
class IDistressModeWindow {
public:
    virtual ~IDistressModeWindow() = default;
    virtual bool IsVisible() const = 0;
    // An event of its state machine; 3 hides it and returns it to idle.
    virtual void HandleEvent(int event) = 0;
    // Shows it modally over `owner`; returns once it has been closed.
    virtual void ShowModal(QWidget* owner) = 0;
    // The state of its machine: 0 idle (no test), 1 initiating, 2 under test, 3 cancelling.
    virtual int GetState() const = 0;
    // Ends a test that is starting or running ("se -q 0"); does nothing in the other states.
    virtual void EndTest() = 0;
};

}  // namespace tidepost
