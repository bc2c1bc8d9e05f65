#include "mainwindow/UserInputWatch.h"

#include <QCoreApplication>
#include <QEvent>

namespace tidepost {

UserInputWatch::UserInputWatch(QObject* parent, std::function<void()> onInput)
    : QObject(parent), m_onInput(std::move(onInput)) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool UserInputWatch::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::WindowActivate:
        if (m_onInput) m_onInput();
        break;
    default:
        break;
    }
    return false;
}

}  // namespace tidepost
