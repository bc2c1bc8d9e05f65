#pragma once
#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Link;

// The number typed for a simulated notification: a whole decimal number with an optional sign,
// blanks around it allowed, that fits a 16-bit signed integer; nothing for any other text.
std::optional<qint16> ParseNotificationNumber(const QString& text);

// The developer window "Simulate Infos": makes the transceiver report a chosen INFO or ERROR
// number ("db usrrep <n> 1", then the status list "st -l", both at the front of the queue). It
// works only with the 560 family at user authority DEVL, as its notice says. Fixed English
// captions; controls carry their given names as objectName.
class SimInfoForm : public QDialog {
    Q_OBJECT
public:
    SimInfoForm(Link& link, QWidget* owner);

    // A number queues its commands and the window stays for the next; other text is refused
    // with "Error: not a number"; an empty field closes the window.
    void OKButton_Click();
    void CancelButton_Click();

    QLabel* Label1 = nullptr;
    QLineEdit* InfonumberField = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* Label2 = nullptr;

private:
    Link& m_link;
};

}  // namespace tidepost
