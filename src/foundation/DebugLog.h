#pragma once
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace tidepost {

struct Foundation;

// The debug log window. Its lines also go to "DebugLog.txt" in the data folder, but only while
// that file exists, so creating the file by hand switches the file copy on.
class DebugLog : public QWidget {
    Q_OBJECT
public:
    explicit DebugLog(const Foundation& f, QWidget* parent = nullptr);

    // Works whether or not the window is shown.
    void AddLine(const QString& TextLine);
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
};

}  // namespace tidepost
