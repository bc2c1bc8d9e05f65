#pragma once
#include <QDialog>
#include <functional>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tidepost {

struct Foundation;

// The warranty disclaimer "IMPORTANT Agreement.", shown modal by the start-up until it has once
// been accepted. "I accept!" records "[AS IS Accepted?]" "YES" in the settings file at once;
// "I don't accept" closes the links and asks to end the program (the main window's exit); its
// close box and Esc store nothing.
class ASISForm : public QDialog {
    Q_OBJECT
public:
    // `mainWindow` is placed in view and the disclaimer centred over it; `unload` lets the window
    // go (its holder's unload).
    ASISForm(Foundation& f, QWidget* mainWindow, std::function<void()> unload);

    // DisclaimerTextBox := the disclaimer text.
    void LoadText();
    void AcceptButton_Click();
    void Command1_Click();
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

private:
    void ApplyCaptions();
    void PlaceOverMainWindow();

    Foundation& m_f;
    QWidget* m_mainWindow;
    std::function<void()> m_unload;
    CaptionList m_captions;
    QLabel* Label2;
    QPlainTextEdit* DisclaimerTextBox;
    QPushButton* AcceptButton;
    QPushButton* Command1;
};

}  // namespace tidepost
