#pragma once

namespace tidepost {

// The distress-buttons test window, as the link loss reaches it.
class IDistressModeWindow {
public:
    virtual ~IDistressModeWindow() = default;
    virtual bool IsVisible() const = 0;
    // An event of its state machine; 3 hides it and returns it to idle.
    virtual void HandleEvent(int event) = 0;
};

}  // namespace tidepost
