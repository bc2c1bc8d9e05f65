#include "messages/TestForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "messages/RxErrorCounters.h"

namespace tidepost {

RxErrorTestView RunRxErrorTest(Foundation& f, bool msgError, const QString& input, bool add) {
    const quint8 kind = msgError ? kRxErrorKindMessage : kRxErrorKindEgc;
    bool ok = false;
    const int value = input.trimmed().toInt(&ok);
    // A number the counters cannot hold is treated like no number at all.
    const qint16 number = ok && value >= -32768 && value <= 32767 ? static_cast<qint16>(value) : 100;
    if (add) IncRxErrorCount(f, kind, number);
    else RemoveRxErrorCount(f, kind, number);
    RxErrorTestView view;
    view.Input = ok && number == value ? input : QStringLiteral("100");
    view.Output = ReadRxErrorList(f, kind);
    view.Count = QString::number(GetRxErrorCount(f, kind, number));
    return view;
}

TestForm::TestForm(Foundation& f, QWidget* parent)
    : QWidget(parent),
      m_f(f),
      m_msgEgcChoice(new QCheckBox("Msg error", this)),
      m_inputField(new QLineEdit(this)),
      m_addError(new QPushButton("Add error", this)),
      m_delError(new QPushButton("Del error", this)),
      m_outputField(new QLineEdit(this)),
      m_countLabel(new QLabel(this)),
      m_command3(new QPushButton("Command3", this)) {
    setObjectName("TestForm");
    setWindowTitle("Test Rx error");
    m_msgEgcChoice->setObjectName("MsgEgcChoice");
    m_inputField->setObjectName("InputField");
    m_addError->setObjectName("AddError");
    m_delError->setObjectName("DelError");
    m_outputField->setObjectName("OutputField");
    m_countLabel->setObjectName("CountLabel");
    m_command3->setObjectName("Command3");
    m_inputField->setAccessibleName("Input");
    m_outputField->setAccessibleName("Output");
    m_countLabel->setAccessibleName("Count");

    auto* fields = new QFormLayout;
    fields->addRow(m_msgEgcChoice);
    fields->addRow("Input", m_inputField);
    fields->addRow("Output", m_outputField);
    fields->addRow("Count", m_countLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addError);
    buttons->addWidget(m_delError);
    buttons->addWidget(m_command3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(m_addError, &QPushButton::clicked, this, &TestForm::AddError_Click);
    connect(m_delError, &QPushButton::clicked, this, &TestForm::DelError_Click);
}

void TestForm::AddError_Click() { Run(true); }

void TestForm::DelError_Click() { Run(false); }

void TestForm::Run(bool add) {
    const RxErrorTestView view = RunRxErrorTest(m_f, m_msgEgcChoice->isChecked(), m_inputField->text(), add);
    m_inputField->setText(view.Input);
    m_outputField->setText(view.Output);
    m_countLabel->setText(view.Count);
}

}  // namespace tidepost
