#include "mainwindow/MSG_Transfer.h"

#include <QLabel>
#include <QProgressBar>

#include "foundation/WindowPlacement.h"

namespace tidepost {

MSG_Transfer::MSG_Transfer(Foundation& f, const QWidget* mainWindow)
    : CaptionedWindow(f, "MSG_Transfer", Qt::Tool | Qt::FramelessWindowHint) {
    setWindowTitle("Transferring Message to Modem....");
    setFixedSize(Twips(4665), Twips(600));
    m_label = new QLabel("Please wait!", this);
    m_label->setObjectName("Label1");
    QFont font("Arial");
    font.setPointSizeF(8.25);
    font.setBold(true);
    m_label->setFont(font);
    m_label->setGeometry(Twips(120), Twips(15), Twips(4455), Twips(210));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName("ProgressBar1");
    m_progressBar->setTextVisible(false);
    m_progressBar->setGeometry(Twips(90), Twips(240), Twips(4485), Twips(255));
    AddCaption(1901, [this](const QString& text) {
        setWindowTitle(text);
        m_progressBar->setAccessibleName(text);
    });
    AddCaption(1902, [this](const QString& text) { m_label->setText(text); });
    m_progressBar->setAccessibleName(windowTitle());
    FinishLoad();
    CentreOverMainWindow(*this, mainWindow);
}

}  // namespace tidepost
