#include "mainwindow/PleaseWait.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "foundation/Foundation.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

PleaseWait::PleaseWait(Foundation& f, const QWidget* mainWindow, std::function<void()> unload)
    : CaptionedWindow(f, "PleaseWait", Qt::Tool | Qt::FramelessWindowHint), m_unload(std::move(unload)) {
    setWindowTitle("Working....");
    setFixedSize(Twips(4665), Twips(600));
    m_label = new QLabel("Working, please wait.....", this);
    m_label->setObjectName("Label1");
    QFont font("Arial");
    font.setPointSizeF(8.25);
    font.setBold(true);
    m_label->setFont(font);
    m_label->setGeometry(Twips(120), Twips(30), Twips(4455), Twips(210));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName("ProgressBar");
    m_progressBar->setRange(1, 10);
    m_progressBar->setTextVisible(false);
    m_progressBar->setGeometry(Twips(90), Twips(240), Twips(4485), Twips(255));
    m_progressBar->setAccessibleName("Progress");
    AddCaption(2403, [this](const QString& text) { setWindowTitle(text); });
    AddCaption(2404, [this](const QString& text) { m_label->setText(text); });
    AddCaption(3637, [this](const QString& text) { m_progressBar->setAccessibleName(text); });
    FinishLoad();
    CentreOverMainWindow(*this, mainWindow);

    m_checkMesTimer = new QTimer(this);
    m_checkMesTimer->setObjectName("Check_MES_Timer");
    m_checkMesTimer->setInterval(2000);
    connect(m_checkMesTimer, &QTimer::timeout, this, &PleaseWait::Check_MES_Timer_Timer);
}

// A hidden window has nothing to hide: its timer runs while it is shown.
void PleaseWait::showEvent(QShowEvent* event) {
    CaptionedWindow::showEvent(event);
    m_checkMesTimer->start();
}

void PleaseWait::hideEvent(QHideEvent* event) {
    m_checkMesTimer->stop();
    CaptionedWindow::hideEvent(event);
}

void PleaseWait::SetCaption(const QString& caption) { m_label->setText(caption); }

QString PleaseWait::Caption() const { return m_label->text(); }

void PleaseWait::Check_MES_Timer_Timer() {
    if (!m_f.gSession.MesConnected() && isVisible()) hide();
}

void PleaseWait::Unload() {
    m_unloading = true;
    close();
    m_unloading = false;
    if (m_unload) m_unload();
}

void PleaseWait::Form_QueryUnload(bool byUser) {
    // The operator gives up waiting: a requested exit is cancelled.
    if (byUser && OnUserClose) OnUserClose();
}

void PleaseWait::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_unloading) return;
    Form_QueryUnload(true);
    if (m_unload) m_unload();
}

// A window without a frame may never get the window system's close, so Esc counts as the
// operator's close too.
void PleaseWait::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    event->ignore();
}

}  // namespace tidepost
