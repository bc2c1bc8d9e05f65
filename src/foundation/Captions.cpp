#include "foundation/Captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "foundation/MlStrings.h"

namespace tidepost {

namespace {

// The looked-up text, or "" when there is no control or no text.
template <class Control>
QString Lookup(const MlStrings& strings, Control* control, int stringId) {
    return control ? strings.GetMlString(stringId) : QString();
}

}  // namespace

bool SetCaption(const MlStrings& strings, QWidget* control, int stringId) {
    const QString text = Lookup(strings, control, stringId);
    if (text.isEmpty()) return false;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control)) frame->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(control)) menu->setTitle(text);
    else if (control->isWindow()) control->setWindowTitle(text);
    else return false;
    return true;
}

bool SetWindowCaption(const MlStrings& strings, QWidget* window, int stringId) {
    const QString text = Lookup(strings, window, stringId);
    if (text.isEmpty()) return false;
    window->setWindowTitle(text);
    return true;
}

bool SetToolTip(const MlStrings& strings, QWidget* control, int stringId) {
    const QString text = Lookup(strings, control, stringId);
    if (text.isEmpty()) return false;
    control->setToolTip(text);
    return true;
}

bool SetCaption(const MlStrings& strings, QAction* action, int stringId) {
    const QString text = Lookup(strings, action, stringId);
    if (text.isEmpty()) return false;
    action->setText(text);
    return true;
}

bool SetToolTip(const MlStrings& strings, QAction* action, int stringId) {
    const QString text = Lookup(strings, action, stringId);
    if (text.isEmpty()) return false;
    action->setToolTip(text);
    return true;
}

}  // namespace tidepost
