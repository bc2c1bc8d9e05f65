#include "mainwindow/WaitForm.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tidepost {

WaitForm::WaitForm(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("WaitForm");
    setWindowTitle("Tidepost");
    auto* label = new QLabel("Communicating with transceiver, please wait...", this);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

}  // namespace tidepost
