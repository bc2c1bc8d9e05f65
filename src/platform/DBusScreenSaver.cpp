#include "platform/DBusScreenSaver.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace tidepost {

void DBusScreenSaver::SimulateUserActivity() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    // Sent without waiting: a slow or missing service must not hold up the event loop.
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                                       QStringLiteral("/org/freedesktop/ScreenSaver"),
                                                       QStringLiteral("org.freedesktop.ScreenSaver"),
                                                       QStringLiteral("SimulateUserActivity"));
    call.setAutoStartService(false);
    bus.send(call);
}

}  // namespace tidepost
