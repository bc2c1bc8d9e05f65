#pragma once
#include <QString>

namespace tidepost {

// What the dialogue asks of the terminal window. The window implements it and registers itself in
// Link::Windows.TerminalModeForm; while the pointer is null the terminal counts as not visible.
class ITerminalWindow {
public:
    virtual ~ITerminalWindow() = default;
    virtual bool IsVisible() const = 0;
    // Shows the window, not modal.
    virtual void Show() = 0;
    // Starts the conversation with an empty window by sending the first Enter.
    virtual void InitPrompt() = 0;
    // Gives the text box `TerminalWindow` the keyboard focus.
    virtual void FocusTerminalWindow() = 0;
    // Moves the caret of `TerminalWindow` to the end of its text (loads the window, hidden).
    virtual void MoveCaretToEnd() = 0;
    // Appends text at the end of `TerminalWindow`.
    virtual void AppendText(const QString& text) = 0;
    // Cuts `TerminalWindow` to its last `count` characters (all of it when it is shorter).
    virtual void KeepLastCharacters(int count) = 0;
};

}  // namespace tidepost
