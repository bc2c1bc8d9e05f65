#include "foundation/WindowRoles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tidepost {

namespace {

// The nearest class of Qt's own in the object's class chain.
const char* QtClassOf(const QObject* object) {
    const QMetaObject* mo = object->metaObject();
    while (mo != nullptr && QByteArrayView(mo->className()).startsWith("tidepost::")) mo = mo->superClass();
    return mo != nullptr ? mo->className() : "";
}

QAccessibleInterface* WindowRole(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow()) return nullptr;
    // Asked once per class of the chain: answer for the object's own class only.
    if (className != QLatin1String(object->metaObject()->className())) return nullptr;
    if (QByteArrayView(QtClassOf(object)) != "QWidget") return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void InstallWindowRoles() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(WindowRole);
}

}  // namespace tidepost
