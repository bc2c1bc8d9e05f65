#pragma once
#include <QMainWindow>

namespace tidepost {

struct Foundation;

// The hub of the program: it owns the timers and shows the state of the link.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(Foundation& foundation, QWidget* parent = nullptr);

private:
    Foundation& m_foundation;
};

}  // namespace tidepost
