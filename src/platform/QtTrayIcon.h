#pragma once
#include <QIcon>
#include <memory>

#include "platform/ITrayIcon.h"

class QSystemTrayIcon;

namespace tidepost {

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
