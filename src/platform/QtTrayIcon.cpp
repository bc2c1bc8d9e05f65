#include <QApplication>
#include <QStyle>
#include <QSystemTrayIcon>

#include "platform/QtTrayIcon.h"

namespace tidepost {

QtTrayIcon::QtTrayIcon() = default;
QtTrayIcon::~QtTrayIcon() = default;

void QtTrayIcon::ShowIcon(const QString& toolTip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    if (!m_tray) {
        QIcon icon = m_icon.isNull() ? QApplication::windowIcon() : m_icon;
        // A tray icon without a picture is not shown at all.
        if (icon.isNull() && QApplication::style())
            icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
        m_tray = std::make_unique<QSystemTrayIcon>(icon);
        QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, m_tray.get(),
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             // A left or right click, or a double click; the middle button is no click here.
                             const bool click = reason == QSystemTrayIcon::Trigger ||
                                                reason == QSystemTrayIcon::DoubleClick ||
                                                reason == QSystemTrayIcon::Context;
                             if (click && m_handler) m_handler();
                         });
    }
    m_tray->setToolTip(toolTip);
    m_tray->show();
}

void QtTrayIcon::RemoveIcon() {
    if (m_tray) m_tray->hide();
}

void QtTrayIcon::SetActivatedHandler(std::function<void()> handler) { m_handler = std::move(handler); }

}  // namespace tidepost
