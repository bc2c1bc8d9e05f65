#pragma once
#include <QString>

class QAction;
class QWidget;

namespace tidepost {

class MlStrings;

// Setting captions from the string table. A caption changes only when the lookup in the current
// language gives a text; when it gives "" the control keeps the caption it has. Each returns
// whether the caption was changed.

// The control's own caption: the text of a button, check box, option button or label, the title
// of a frame or menu, the window title of a window.
bool SetCaption(const MlStrings& strings, QWidget* control, int stringId);
// The window title, also for a control that is not a window on its own.
bool SetWindowCaption(const MlStrings& strings, QWidget* window, int stringId);
bool SetToolTip(const MlStrings& strings, QWidget* control, int stringId);
// A menu entry or tool command.
bool SetCaption(const MlStrings& strings, QAction* action, int stringId);
bool SetToolTip(const MlStrings& strings, QAction* action, int stringId);

}  // namespace tidepost
