#pragma once
#include <QString>
#include <functional>

namespace tidepost {

// The program's icon in the taskbar notification area.
class ITrayIcon {
public:
    virtual ~ITrayIcon() = default;
    // Shows the icon with its tool tip; showing it while it is shown only updates the tip.
    virtual void ShowIcon(const QString& toolTip) = 0;
    virtual void RemoveIcon() = 0;
    // Called when the user clicks or double-clicks the icon with the left or right button.
    virtual void SetActivatedHandler(std::function<void()> handler) = 0;
};

}  // namespace tidepost
