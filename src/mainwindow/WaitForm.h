#pragma once
#include <QWidget>

namespace tidepost {

// The modeless busy window "Communicating with transceiver, please wait..." that a menu shows
// before it queues a query; the reply's handling unloads it.
class WaitForm : public QWidget {
    Q_OBJECT
public:
    explicit WaitForm(QWidget* parent = nullptr);
};

}  // namespace tidepost
