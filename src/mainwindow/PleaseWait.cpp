#include "mainwindow/PleaseWait.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace tidepost {

PleaseWait::PleaseWait(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("PleaseWait");
    setWindowTitle("Tidepost");
    m_label = new QLabel("Working, please wait.....", this);
    m_label->setObjectName("Label1");
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
}

void PleaseWait::SetCaption(const QString& caption) { m_label->setText(caption); }

QString PleaseWait::Caption() const { return m_label->text(); }

void PleaseWait::Unload() {
    m_unloading = true;
    close();
    m_unloading = false;
}

void PleaseWait::closeEvent(QCloseEvent* event) {
    if (!m_unloading && OnUserClose) OnUserClose();
    event->accept();
}

}  // namespace tidepost
