#include "foundation/DebugLog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "platform/IClock.h"

namespace tidepost {

DebugLog::DebugLog(const Foundation& f, QWidget* parent)
    : QWidget(parent),
      m_f(f),
      m_textWindow(new QPlainTextEdit(this)),
      m_clearButton(new QPushButton("Clear", this)),
      m_command1(new QPushButton("OK", this)) {
    setObjectName("DebugLog");
    setWindowTitle("Debug Log");
    m_textWindow->setObjectName("TextWindow");
    m_clearButton->setObjectName("ClearButton");
    m_command1->setObjectName("Command1");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_clearButton);
    buttons->addWidget(m_command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_textWindow);
    layout->addLayout(buttons);
    resize(600, 400);
    m_textWindow->setMaximumBlockCount(kMaxLines);
    m_textWindow->setReadOnly(true);

    connect(m_clearButton, &QPushButton::clicked, this, &DebugLog::ClearButton_Click);
    connect(m_command1, &QPushButton::clicked, this, &DebugLog::Command1_Click);
}

void DebugLog::AddLine(const QString& TextLine) {
    const QString line = LogTimeStamp(m_f.Os.Clock->Now()) + TextLine;
    m_lines.push_back(line);
    while (m_lines.size() > static_cast<size_t>(kMaxLines)) m_lines.pop_front();
    if (isVisible()) {
        MoveCaretToEnd();
        m_textWindow->insertPlainText(line + "\n");
        MoveCaretToEnd();
    }

    const qint64 now = m_f.Os.Clock->MonotonicMs();
    if (!m_fileChecked || now - m_fileCheckedAt >= 1000 || now < m_fileCheckedAt) {
        const QString path = DataFilePath(m_f, "DebugLog.txt");
        m_fileExists = !path.isEmpty() && QFileInfo(path).isFile();
        m_fileCheckedAt = now;
        m_fileChecked = true;
    }
    if (m_fileExists) (void)AppendLogLine(m_f, "DebugLog.txt", line);
}

QString DebugLog::Text() const {
    QString text;
    for (const QString& line : m_lines) text += line + "\n";
    return text;
}

void DebugLog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_textWindow->setPlainText(Text());
    MoveCaretToEnd();
}

void DebugLog::ClearButton_Click() {
    m_lines.clear();
    m_textWindow->clear();
}

void DebugLog::Command1_Click() { hide(); }

void DebugLog::MoveCaretToEnd() { m_textWindow->moveCursor(QTextCursor::End); }

}  // namespace tidepost
