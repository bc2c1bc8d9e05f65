#include "link/SimInfoForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "link/CommandQueue.h"
#include "link/Link.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

std::optional<qint16> ParseNotificationNumber(const QString& text) {
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!whole.match(trimmed).hasMatch()) return std::nullopt;
    bool ok = false;
    const int number = trimmed.toInt(&ok);  // too many digits for an int: not ok
    if (!ok || number < -32768 || number > 32767) return std::nullopt;
    return qint16(number);
}

SimInfoForm::SimInfoForm(Link& link, QWidget* owner) : QDialog(owner), m_link(link) {
    setObjectName("SimInfoForm");
    setWindowTitle("Simulate Infos");
    Label1 = new QLabel("Simulate Info/Error:", this);
    Label1->setObjectName("Label1");
    InfonumberField = new QLineEdit(this);
    InfonumberField->setObjectName("InfonumberField");
    InfonumberField->setAccessibleName("Simulate Info/Error");
    Label1->setBuddy(InfonumberField);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    Label2 = new QLabel("This only works on 560, and user authority level must be DEVL", this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(InfonumberField, 0, 1);
    grid->addWidget(OKButton, 0, 2);
    grid->addWidget(CancelButton, 1, 2);
    grid->addWidget(Label2, 2, 0, 1, 3);
    setTabOrder(InfonumberField, OKButton);
    setTabOrder(OKButton, CancelButton);

    connect(OKButton, &QPushButton::clicked, this, &SimInfoForm::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &SimInfoForm::CancelButton_Click);
    connect(InfonumberField, &QLineEdit::returnPressed, this, &SimInfoForm::OKButton_Click);
}

void SimInfoForm::OKButton_Click() {
    const QString text = InfonumberField->text();
    if (text.trimmed().isEmpty()) {
        CancelButton_Click();
        return;
    }
    const std::optional<qint16> number = ParseNotificationNumber(text);
    if (!number) {
        MessageBoxRequest request;
        request.text = "Error: not a number";
        request.title = "Error";
        if (IMessageBoxes* boxes = m_link.F.Os.Boxes) boxes->Show(request, this);
        return;
    }
    QueueCommand(m_link, "db usrrep " + QString::number(*number) + " 1\r\nst -l", false, true);
}

void SimInfoForm::CancelButton_Click() { reject(); }

}  // namespace tidepost
