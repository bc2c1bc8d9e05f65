#pragma once
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Foundation;

// What the receive-error test window shows after one of its buttons.
struct RxErrorTestView {
    QString Input;   // the number used; "100" when the input held no 16-bit number
    QString Output;  // the kind's whole list
    QString Count;   // the number's count
};
// "Add error" (add True) or "Del error" for the kind of `msgError` (checked: received messages,
// else EGC broadcasts) and the number in `input`.
RxErrorTestView RunRxErrorTest(Foundation& f, bool msgError, const QString& input, bool add);

// A developer's window to add and remove receive-error counter entries by hand.
class TestForm : public QWidget {
    Q_OBJECT
public:
    explicit TestForm(Foundation& f, QWidget* parent = nullptr);

    void AddError_Click();
    void DelError_Click();

private:
    void Run(bool add);

    Foundation& m_f;
    QCheckBox* m_msgEgcChoice;
    QLineEdit* m_inputField;
    QPushButton* m_addError;
    QPushButton* m_delError;
    QLineEdit* m_outputField;
    QLabel* m_countLabel;
    QPushButton* m_command3;
};

}  // namespace tidepost
