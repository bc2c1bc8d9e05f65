#pragma once
#include <QStringList>
#include <QWidget>
#include <deque>

class QPlainTextEdit;
class QPushButton;

namespace tidepost {

struct Foundation;

// The debug log window. Its lines also go to "DebugLog.txt" in the data folder, but only while
// that file exists, so creating the file by hand switches the file copy on. It keeps the latest
// kMaxLines lines and shows them when it is shown; whether the file exists is looked at no more
// than once a second, so a busy server does not stat the file for every line.
class DebugLog : public QWidget {
    Q_OBJECT
public:
    explicit DebugLog(const Foundation& f, QWidget* parent = nullptr);

    static constexpr int kMaxLines = 2000;
    // Works whether or not the window is shown.
    void AddLine(const QString& TextLine);
    // The lines kept, as the window shows them.
    QString Text() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ClearButton_Click();
    void Command1_Click();
    void MoveCaretToEnd();

    const Foundation& m_f;
    QPlainTextEdit* m_textWindow;
    QPushButton* m_clearButton;
    QPushButton* m_command1;
    std::deque<QString> m_lines;
    bool m_fileExists = false;
    qint64 m_fileCheckedAt = 0;
    bool m_fileChecked = false;
};

}  // namespace tidepost
