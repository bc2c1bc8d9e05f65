#include "config/CommandForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config/Config.h"
#include "config/StatusDialogs.h"
#include "foundation/Foundation.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

CommandLineCheck CheckCommandLine(const QString& text) {
    if (text.isEmpty()) return CommandLineCheck::Empty;
    for (const QChar ch : text)
        if (ch.category() == QChar::Other_Control || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            return CommandLineCheck::Refused;
    return CommandLineCheck::Send;
}

QString CommandLineToSend(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) ++first;
    while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

CommandForm::CommandForm(Config& c) : QWidget(nullptr, Qt::Window), m_c(c) {
    setObjectName("CommandForm");
    setWindowTitle("Send command");
    LabelSendCommand = new QLabel("Send command", this);
    LabelSendCommand->setObjectName("LabelSendCommand");
    CommandLine = new QLineEdit(this);
    CommandLine->setObjectName("CommandLine");
    CommandLine->setAccessibleName(LabelSendCommand->text());
    CommandLine->setMinimumWidth(300);
    LabelSendCommand->setBuddy(CommandLine);
    Command1 = new QPushButton("Ok", this);
    Command1->setObjectName("Command1");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(LabelSendCommand);
    layout->addWidget(CommandLine);
    layout->addWidget(Command1);
    setTabOrder(CommandLine, Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void CommandForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

void CommandForm::Command1_Click() {
    const QString text = CommandLine->text();
    switch (CheckCommandLine(text)) {
    case CommandLineCheck::Empty: break;
    case CommandLineCheck::Refused: {
        // A pasted line break would send the parts as separate shell commands.
        Foundation& f = m_c.F;
        MessageBoxRequest box;
        box.text = f.Strings.GetMlString(3441, "The command holds a line break or another control character and is not sent.");
        box.title = f.gProductName;
        if (f.Os.Boxes) f.Os.Boxes->Show(box, this);
        return;
    }
    case CommandLineCheck::Send: QueueCommand(m_c.L, CommandLineToSend(text), true, true); break;
    }
    m_c.Status->CommandForm.unload();
}

void CommandForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Status->CommandForm.unload();
}

}  // namespace tidepost
