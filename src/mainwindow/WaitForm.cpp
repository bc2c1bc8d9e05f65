#include "mainwindow/WaitForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "foundation/Foundation.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

WaitForm::WaitForm(Foundation& f, const QWidget* mainWindow, std::function<void()> unload)
    : CaptionedWindow(f, "WaitForm", Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_unload(std::move(unload)) {
    setWindowTitle("Please wait");
    m_label = new QLabel("  Communicating with transceiver, please wait...  ", this);
    m_label->setObjectName("Label1");
    AddCaption(2529, [this](const QString& text) { setWindowTitle(text); });
    AddCaption(2530, [this](const QString& text) {
        m_label->setText(text);
        m_label->adjustSize();
        m_label->setFixedHeight(Twips(255));
    });
    FinishLoad();
    m_label->adjustSize();
    m_label->setFixedHeight(Twips(255));
    // The strip is as wide as its text when it loads; a later language change keeps the width.
    setFixedSize(m_label->width(), Twips(270));
    m_label->move(0, 0);
    CentreOverMainWindow(*this, mainWindow);

    m_progTimer = new QTimer(this);
    m_progTimer->setObjectName("ProgTimer");
    m_progTimer->setInterval(100);
    connect(m_progTimer, &QTimer::timeout, this, &WaitForm::ProgTimer_Timer);
    m_progTimer->start();
}

void WaitForm::ProgTimer_Timer() {
    m_progTimer->stop();
    if (m_f.gSession.MesConnected()) {
        if (isVisible()) raise();
        m_progTimer->start();
        return;
    }
    if (isVisible()) hide();
    if (m_unload) m_unload();
}

void WaitForm::showEvent(QShowEvent* event) {
    CaptionedWindow::showEvent(event);
    m_progTimer->start();
}

void WaitForm::hideEvent(QHideEvent* event) {
    m_progTimer->stop();
    CaptionedWindow::hideEvent(event);
}

void WaitForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (m_unload) m_unload();
        return;
    }
    event->ignore();
}

}  // namespace tidepost
