#pragma once
#include <QObject>

#include "editor/SendCommand.h"

namespace tidepost {

class MainForm;
class MessageEditor;

// The Send command in the main window: the Send button, "&Send message", Ctrl+Enter through the
// window's key map and the hot list, and the link commands "&Scan Preferred ocean" and "L&ink test...".
class MainFormSendCommand : public QObject {
public:
    MainFormSendCommand(MainForm& form, MessageEditor& editor);
    ~MainFormSendCommand() override;

    void SendMessage_Click();
    void SendButton_Click() { SendMessage_Click(); }
    void ScanMenu_Click();
    void LinktestMenu_Click();
    // What the commands ask of the window; a test may replace a link.
    SendCommandLinks Links;

private:
    MainForm& m_form;
};

}  // namespace tidepost
