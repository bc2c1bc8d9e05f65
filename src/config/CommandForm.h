#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Config;

// What the command line makes of a typed text.
enum class CommandLineCheck {
    Empty,    // nothing typed: nothing is sent
    Refused,  // a line break or another control character would split or garble the command
    Send,     // one shell line
};
CommandLineCheck CheckCommandLine(const QString& text);

// The shell line that goes out for a typed text: without its leading and trailing blanks.
QString CommandLineToSend(const QString& text);

// "Send command": one line typed by a developer goes straight to the transceiver's shell, ahead
// of every command already waiting. Hidden in the Test menu; no captions of its own.
class CommandForm : public QWidget {
    Q_OBJECT
public:
    explicit CommandForm(Config& c);
    void ShowForm();
    void Command1_Click();

    QLabel* LabelSendCommand = nullptr;
    QLineEdit* CommandLine = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

}  // namespace tidepost
