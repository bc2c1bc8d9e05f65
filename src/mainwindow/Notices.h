#pragma once
#include <functional>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QPushButton;

namespace tidepost {

// A notice with one text and an OK button that closes it; OK lets the window go (its holder's
// unload), so the next showing is a fresh window. Centred over the main window when it loads.
class NoticeWindow : public CaptionedWindow {
    Q_OBJECT
public:
    struct Texts {
        const char* name;
        int titleId;
        const char* title;
        int textId;
        const char* text;
        int widthTwips;
        int heightTwips;
    };
    NoticeWindow(Foundation& f, const QWidget* mainWindow, const Texts& texts, std::function<void()> unload);

    void OKButton_Click();

private:
    QLabel* m_label;
    QPushButton* m_ok;
    std::function<void()> m_unload;
};

// "Please wait until the Modem has found a valid Ocean Region!": the Send command's answer while
// the transceiver has no ocean region.
NoticeWindow* NewMsgOceanRegionNotFound(Foundation& f, const QWidget* mainWindow, std::function<void()> unload);
// "New Message Received!": never shown; its icon is the new-message tray icon's picture.
NoticeWindow* NewNewMessageForm(Foundation& f, const QWidget* mainWindow, std::function<void()> unload);

}  // namespace tidepost
