#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>

class QAction;

namespace tidepost {

class MessageEditor;
struct EditorControls;

// Connects the editor's controls and menu items to the editor's handlers: keys, clicks, loss of
// focus and changes of the body. Controls that do not exist are left out.
class EditorWiring : public QObject {
    Q_OBJECT
public:
    EditorWiring(MessageEditor& editor, EditorControls& controls, QObject* parent = nullptr);

    // The body takes at most this many characters by typing (line ends counted as CR LF); text
    // the program sets is not cut.
    static constexpr int kTypingLimit = 32000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectMenus();
    void MenuItemTriggered();
    QHash<QAction*, void (MessageEditor::*)()> m_menuCommands;
    // Runs the field's normalisation once the focus change has finished; never twice at once,
    // since the chooser it may open takes the focus itself.
    void NormaliseLater(int field);

    MessageEditor& m_editor;
    EditorControls& c;
    bool m_normalising = false;
};

// The key code the editor's handlers take for a key of the toolkit; 0 for keys they ignore.
int EditorKeyCode(int qtKey);
// The modifier mask: 1 Shift, 2 Ctrl, 4 Alt.
int EditorShiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace tidepost
