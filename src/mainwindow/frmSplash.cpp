#include "mainwindow/frmSplash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "mainwindow/ProductPictures.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

namespace {
constexpr int kPictureWidth = 465;
constexpr int kPictureHeight = 281;
constexpr int kLabelHeight = 28;
}  // namespace

frmSplash::frmSplash(Foundation& f, const QWidget* mainWindow, std::function<void()> unload)
    : CaptionedWindow(f, "frmSplash", Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_unload(std::move(unload)) {
    setWindowTitle("Tidepost");
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(DrawProductScene(QSize(kPictureWidth, kPictureHeight)));
    Image1->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    Image1->setAccessibleName("Tidepost");
    Label3 = new QLabel("Please Wait....", this);
    Label3->setObjectName("Label3");
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setGeometry(0, kPictureHeight, kPictureWidth, kLabelHeight);
    setFixedSize(kPictureWidth, kPictureHeight + kLabelHeight);
    AddCaption(2322, [this](const QString& text) {
        Label3->setText(text);
        setAccessibleDescription(text);
    });
    FinishLoad();
    setAccessibleName("Tidepost");
    setAccessibleDescription(Label3->text());
    CentreOverMainWindow(*this, mainWindow && mainWindow->isVisible() ? mainWindow : nullptr);
}

void frmSplash::Form_Click() {
    hide();
    if (m_unload) m_unload();
}

void frmSplash::Form_KeyPress(int) { Form_Click(); }

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Form_KeyPress(event->key());
}

}  // namespace tidepost
