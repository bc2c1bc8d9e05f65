#include "mainwindow/Notices.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/WindowPlacement.h"

namespace tidepost {

NoticeWindow::NoticeWindow(Foundation& f, const QWidget* mainWindow, const Texts& texts, std::function<void()> unload)
    : CaptionedWindow(f, texts.name, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_unload(std::move(unload)) {
    setWindowTitle(texts.title);
    setFixedSize(Twips(texts.widthTwips), Twips(texts.heightTwips));
    m_label = new QLabel(texts.text, this);
    m_label->setObjectName("Label1");
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignCenter);
    m_ok = new QPushButton("OK", this);
    m_ok->setObjectName("OKButton");
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_ok, &QPushButton::clicked, this, &NoticeWindow::OKButton_Click);
    AddCaption(texts.titleId, [this](const QString& text) { setWindowTitle(text); });
    AddCaption(texts.textId, [this](const QString& text) { m_label->setText(text); });
    AddCaption(1906, [this](const QString& text) { m_ok->setText(text); });
    FinishLoad();
    CentreOverMainWindow(*this, mainWindow);
}

void NoticeWindow::OKButton_Click() {
    hide();
    if (m_unload) m_unload();
}

NoticeWindow* NewMsgOceanRegionNotFound(Foundation& f, const QWidget* mainWindow, std::function<void()> unload) {
    static const NoticeWindow::Texts texts{"MsgOceanRegionNotFound", 2389, "Ocean Region Error", 2390,
                                           "Please wait until the Modem has found a valid Ocean Region!", 5370, 1590};
    return new NoticeWindow(f, mainWindow, texts, std::move(unload));
}

NoticeWindow* NewNewMessageForm(Foundation& f, const QWidget* mainWindow, std::function<void()> unload) {
    static const NoticeWindow::Texts texts{"NewMessageForm", 2393, "Message Notification!", 2394,
                                           "New Message Received!", 3120, 1440};
    return new NoticeWindow(f, mainWindow, texts, std::move(unload));
}

}  // namespace tidepost
