#pragma once
#include <QList>
#include <functional>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tidepost {

// The OK and Cancel buttons of a small dialog, in a row at its lower right: a click
// runs their handler, Esc is Cancel, and Enter in each of `enterFields` is OK (a window that is
// not a QDialog has no default button of its own). With `okIsDefault` OK is drawn as the default.
struct OkCancelButtons {
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QBoxLayout* Row = nullptr;  // the row, for the dialog's layout
};
OkCancelButtons AddOkCancelButtons(QWidget& window, const std::function<void()>& ok,
                                   const std::function<void()>& cancel, bool okIsDefault,
                                   const QList<QLineEdit*>& enterFields = {});

}  // namespace tidepost
