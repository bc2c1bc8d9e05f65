#pragma once

class QWidget;

namespace tidepost {

// The distress-buttons test window, as the link loss and the main window reach it.
class IDistressModeWindow {
public:
    virtual ~IDistressModeWindow() = default;
    virtual bool IsVisible() const = 0;
    // An event of its state machine; 3 hides it and returns it to idle.
    virtual void HandleEvent(int event) = 0;
    // Shows it modally over `owner`; returns once it has been closed.
    virtual void ShowModal(QWidget* owner) = 0;
};

}  // namespace tidepost
