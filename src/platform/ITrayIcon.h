#pragma once
#include <QIcon>
#include <QString>
#include <functional>
#include <memory>

class QSystemTrayIcon;

namespace tidepost {

// The program's icon in the taskbar notification area.
class ITrayIcon {
public:
    virtual ~ITrayIcon() = default;
    // Shows the icon with its tool tip; showing it while it is shown only updates the tip.
    virtual void ShowIcon(const QString& toolTip) = 0;
    virtual void RemoveIcon() = 0;
    // Called when the user clicks the icon; the owner window restores itself then.
    virtual void SetActivatedHandler(std::function<void()> handler) = 0;
};

// QSystemTrayIcon; does nothing on a desktop without a notification area.
class QtTrayIcon : public ITrayIcon {
public:
    QtTrayIcon();
    ~QtTrayIcon() override;
    void ShowIcon(const QString& toolTip) override;
    void RemoveIcon() override;
    void SetActivatedHandler(std::function<void()> handler) override;
    // The picture shown; without one the application's window icon is used.
    void SetIcon(const QIcon& icon) { m_icon = icon; }

private:
    QIcon m_icon;
    std::function<void()> m_handler;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};

}  // namespace tidepost
