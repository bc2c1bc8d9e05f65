#pragma once
#include <QString>
#include <QWidget>
#include <functional>

#include "link/ITerminalWindow.h"

class QLabel;
class QPlainTextEdit;

namespace tidepost {

struct Link;

// The window "Terminal Mode": the operator types straight to the transceiver's shell and reads
// its raw answers. It never touches the link: a finished line goes to `CommandQueue`, and during
// a pass-through ("tr ", "transfer ") each key goes to the engine's `TerminalKey`. Prompts at the
// start of the current line are recognised, so Enter sends only what follows them and Backspace
// cannot eat into them; after a password prompt the typed and pasted characters show as "*" and
// are collected in `TerminalInputLine`. Controls carry their given names as objectName.
//
// The whole text is kept here with the transceiver's own line ends (CR LF, CR CR LF); the text
// box shows it without the CRs. All editing happens at the end of the text.
class TerminalModeForm : public QWidget, public ITerminalWindow {
    Q_OBJECT
public:
    // Registers itself in link.Windows.TerminalModeForm; `unload` lets the holder go (Esc, close).
    TerminalModeForm(Link& link, std::function<void()> unload, QWidget* owner = nullptr);
    ~TerminalModeForm() override;

    // ITerminalWindow
    bool IsVisible() const override { return isVisible(); }
    void Show() override;
    void InitPrompt() override;
    void FocusTerminalWindow() override;
    void MoveCaretToEnd() override;
    void AppendText(const QString& text) override;
    void KeepLastCharacters(int count) override;

    // Key handling, callable without a keyboard. KeyDown returns true when the key is dropped.
    bool TerminalWindow_KeyDown(int keyCode);
    void TerminalWindow_KeyPress(char16_t code);
    // A paste of `clip` (keys, context menu, middle click and drop all come here).
    void PasteText(const QString& clip);
    // Esc and the close box: the dialogue goes back to polling and the window is let go.
    void Form_Unload();

    // The whole text, with its CRs.
    const QString& Text() const { return m_text; }
    const QString& TerminalInputLine() const { return m_inputLine; }
    bool PassThrough() const { return m_passThrough; }
    bool NoPromptYet() const { return m_noPromptYet; }

    QPlainTextEdit* TerminalWindow = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyCaptions();
    QString CurrentLine() const;
    void Insert(const QString& text);
    void RemoveLastCharacter();
    void Render();
    bool Connected() const;

    Link& m_link;
    std::function<void()> m_unload;
    QString m_text;
    QString m_inputLine;
    bool m_passThrough = false;
    bool m_noPromptYet = true;
    bool m_unloaded = false;
    bool m_rendering = false;
};

}  // namespace tidepost
