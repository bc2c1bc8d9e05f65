#pragma once
#include <functional>

#include "foundation/CaptionedWindow.h"
#include "foundation/FormHolder.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tidepost {

struct Config;

// A window that shows a status text of the transceiver, as the reply handlers write it, and
// saves or prints it. OK and Cancel let the window go; the next reply or command loads a fresh,
// empty one.
class StatusTextWindow : public CaptionedWindow {
    Q_OBJECT
public:
    void ShowForm();
    // The text as written, line ends and all (the box shows it with plain line breaks).
    QString StatusOutput() const { return m_text; }
    // Replaces the text and puts the caret at its end.
    void SetStatusOutput(const QString& text);

    void OKButton_Click() { CancelButton_Click(); }
    void CancelButton_Click();
    void SaveButton_Click();
    void PrintButton_Click();

    QPlainTextEdit* statusoutput = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* PrintButton = nullptr;

protected:
    struct Design {
        const char* name;
        const char* title;
        const char* okText;
        const char* cancelText;
        const char* saveText;
        const char* printText;
        QString saveFileName;
    };
    StatusTextWindow(Config& c, const Design& design);
    // The save dialog's title, looked up when Save is pressed.
    virtual QString SaveTitle() const = 0;
    // The holder of this window, which lets it go.
    virtual void Unload() = 0;
    void closeEvent(QCloseEvent* event) override;

    Config& m_c;

private:
    QString m_text;
    QString m_saveFileName;
};

// "Transceiver Status": the replies to "st -w", one block each.
class TransceiverStatusForm : public StatusTextWindow {
    Q_OBJECT
public:
    explicit TransceiverStatusForm(Config& c);

protected:
    QString SaveTitle() const override;
    void Unload() override;
};

// "GPS Status": the summary of the last GPS test.
class GPSStatusForm : public StatusTextWindow {
    Q_OBJECT
public:
    explicit GPSStatusForm(Config& c);

protected:
    QString SaveTitle() const override;
    void Unload() override;
};

// "Linktest": the latest link-test result; Execute asks the transceiver for a new test.
class LinkTestForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit LinkTestForm(Config& c);
    void ShowForm();
    QString LinkTestResultText() const { return m_result; }
    void SetLinkTestResult(const QString& text);

    void ExecuteButton_Click();
    void CancelButton_Click();
    void PrintButton_Click();

    QGroupBox* Frame1 = nullptr;
    QLabel* LinkTestResult = nullptr;
    QPushButton* ExecuteButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* PrintButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
    QString m_result;
};

}  // namespace tidepost
