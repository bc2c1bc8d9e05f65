#include "mainwindow/MainForm.h"

#include "foundation/Foundation.h"

namespace tidepost {

MainForm::MainForm(Foundation& foundation, QWidget* parent) : QMainWindow(parent), m_foundation(foundation) {
    setObjectName("MainForm");
    setWindowTitle("Tidepost");
    resize(800, 600);
}

}  // namespace tidepost
