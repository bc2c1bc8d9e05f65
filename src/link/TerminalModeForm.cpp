#include "link/TerminalModeForm.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/TerminalPrompts.h"

namespace tidepost {

namespace {

constexpr char16_t kEnter = 13;
constexpr char16_t kBackspace = 8;
constexpr char16_t kEsc = 27;
constexpr char16_t kCtrlV = 22;
constexpr char16_t kCtrlC = 3;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kDelete = 46;

// The text box: every key and every paste goes through the window's handling; what the box
// would change on its own (cut, a drag moved out of it) is put back from the window's text.
class TerminalTextBox : public QPlainTextEdit {
public:
    explicit TerminalTextBox(TerminalModeForm& form) : QPlainTextEdit(&form), m_form(form) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
            event->matches(QKeySequence::SelectAll)) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        switch (event->key()) {
        case Qt::Key_Escape: m_form.TerminalWindow_KeyPress(kEsc); return;
        case Qt::Key_Return:
        case Qt::Key_Enter: m_form.TerminalWindow_KeyPress(kEnter); return;
        case Qt::Key_Backspace: m_form.TerminalWindow_KeyPress(kBackspace); return;
        case Qt::Key_Left:
            if (!m_form.TerminalWindow_KeyDown(kLeft)) QPlainTextEdit::keyPressEvent(event);
            return;
        case Qt::Key_Up: m_form.TerminalWindow_KeyDown(kUp); return;
        case Qt::Key_Delete: m_form.TerminalWindow_KeyDown(kDelete); return;
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: QPlainTextEdit::keyPressEvent(event); return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: event->ignore(); return;  // leaves the box, as a keyboard user expects
        default: break;
        }
        const QString text = event->text();
        if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) return;
        for (QChar c : text) {
            if (c.isPrint()) m_form.TerminalWindow_KeyPress(c.unicode());
        }
    }
    bool canInsertFromMimeData(const QMimeData* source) const override { return source->hasText(); }
    void insertFromMimeData(const QMimeData* source) override {
        m_form.PasteText(source->hasText() ? source->text() : QString());
    }

private:
    TerminalModeForm& m_form;
};

}  // namespace

TerminalModeForm::TerminalModeForm(Link& link, std::function<void()> unload, QWidget* owner)
    : QWidget(owner, Qt::Window), m_link(link), m_unload(std::move(unload)) {
    setObjectName("TerminalModeForm");
    auto* box = new TerminalTextBox(*this);
    TerminalWindow = box;
    TerminalWindow->setObjectName("TerminalWindow");
    TerminalWindow->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    TerminalWindow->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TerminalWindow->setUndoRedoEnabled(false);
    TerminalWindow->setTabChangesFocus(true);
    TerminalWindow->setMinimumSize(480, 240);
    Label1 = new QLabel("Terminal Mode", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TerminalWindow, 1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    ApplyCaptions();
    TerminalWindow->setAccessibleName(windowTitle());
    TerminalWindow->setAccessibleDescription(Label2->text());
    connect(TerminalWindow, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_rendering) Render();
    });
    resize(640, 420);
    m_link.Windows.TerminalModeForm = this;
}

TerminalModeForm::~TerminalModeForm() {
    if (m_link.Windows.TerminalModeForm == this) m_link.Windows.TerminalModeForm = nullptr;
}

void TerminalModeForm::ApplyCaptions() {
    const MlStrings& strings = m_link.F.Strings;
    setWindowTitle("Terminal Mode");
    SetWindowCaption(strings, this, 2503);
    SetCaption(strings, Label1, 2503);
    Label2->setText(
        "The Terminal Mode window disables all usual communication with the transceiver. No information will be "
        "updated in Tidepost, and no EGC's or messages will be recieved in the period of the Terminal Mode "
        "session. Press 'Esc' to exit.");
    SetCaption(strings, Label2, 2504);
}

void TerminalModeForm::Show() { show(); }

void TerminalModeForm::InitPrompt() {
    if (m_text.isEmpty()) TerminalWindow_KeyPress(kEnter);
}

void TerminalModeForm::FocusTerminalWindow() {
    // Only the focus inside the window: the engine calls this on its ticks, and raising the
    // window each time would take it from whatever the operator works in.
    TerminalWindow->setFocus(Qt::OtherFocusReason);
}

void TerminalModeForm::MoveCaretToEnd() {
    QTextCursor cursor = TerminalWindow->textCursor();
    cursor.movePosition(QTextCursor::End);
    TerminalWindow->setTextCursor(cursor);
}

void TerminalModeForm::AppendText(const QString& text) { Insert(text); }

void TerminalModeForm::KeepLastCharacters(int count) {
    if (count < 0) count = 0;
    if (m_text.size() <= count) return;
    m_text = m_text.right(count);
    Render();
}

bool TerminalModeForm::Connected() const { return m_link.F.gSession.MesConnected(); }

QString TerminalModeForm::CurrentLine() const {
    const qsizetype lf = m_text.lastIndexOf(QLatin1Char('\n'));
    return lf < 0 ? m_text : m_text.mid(lf + 1);
}

void TerminalModeForm::Insert(const QString& text) {
    if (text.isEmpty()) return;
    m_text += text;
    Render();
}

// A line end goes as a whole (CR LF, CR CR LF), as the box shows it as one.
void TerminalModeForm::RemoveLastCharacter() {
    if (m_text.isEmpty()) return;
    if (m_text.endsWith(QLatin1Char('\n'))) {
        m_text.chop(1);
        while (m_text.endsWith(QLatin1Char('\r'))) m_text.chop(1);
    } else {
        m_text.chop(1);
    }
    Render();
}

void TerminalModeForm::Render() {
    m_rendering = true;
    QString shown = m_text;
    shown.remove(QLatin1Char('\r'));
    if (TerminalWindow->toPlainText() != shown) TerminalWindow->setPlainText(shown);
    MoveCaretToEnd();
    TerminalWindow->verticalScrollBar()->setValue(TerminalWindow->verticalScrollBar()->maximum());
    m_rendering = false;
}

bool TerminalModeForm::TerminalWindow_KeyDown(int keyCode) {
    if (keyCode == kUp || keyCode == kDelete) return true;
    if (keyCode == kLeft) return IsExactlyPrompt(CurrentLine());
    return false;
}

void TerminalModeForm::TerminalWindow_KeyPress(char16_t code) {
    StampActivity(m_link);
    if (code == kEsc) {
        Form_Unload();
        return;
    }
    MoveCaretToEnd();
    const QChar key(code);
    if (!Connected()) {
        // Nothing can be sent; the box behaves as a plain text box.
        if (code == kEnter) Insert("\r\n");
        else if (code == kBackspace) RemoveLastCharacter();
        else if (code != kCtrlV && code != kCtrlC) Insert(QString(key));
        return;
    }
    QString line = CurrentLine();
    LinkDialogue& d = m_link.Dialogue;
    const QString& prompt = d.CurrentPrompt;
    if (m_passThrough) {
        if (line.endsWith(prompt)) m_passThrough = false;
        else m_link.Transfer.TerminalKey += key;
    }

    if (code == kEnter) {
        bool recognised = false;
        // With no prompt learnt yet every line would "end with" the empty prompt; what was typed
        // is then sent as it stands.
        if (!prompt.isEmpty() && line.endsWith(prompt)) {
            line.clear();
            recognised = true;
            m_noPromptYet = false;
        } else if (!prompt.isEmpty() && line.startsWith(prompt)) {
            const qsizetype shell = line.indexOf(QLatin1String(":/$"));
            if (shell >= 0) {
                line = line.mid(shell + 3);
                if (line.startsWith(QLatin1Char(' '))) line.remove(0, 1);
            } else {
                line = line.mid(prompt.size());
            }
            recognised = true;
            m_noPromptYet = false;
        } else if (IsPasswordLine(line)) {
            line = m_inputLine;
            m_inputLine.clear();
            recognised = true;
        } else if (const qsizetype gt = line.indexOf(QLatin1String("> ")); gt >= 0) {
            line = line.mid(gt + 2);
            recognised = true;
        } else if (const qsizetype sgt = line.indexOf(QLatin1String(" >")); sgt >= 0) {
            line = line.mid(sgt + 2);
            recognised = true;
        }
        if (line.trimmed().isEmpty() && !m_noPromptYet && !recognised) return;
        if (!m_passThrough) {
            d.CommandQueue += line + QLatin1String("\r\n");
            DialogueWorkArrived(m_link);
            if (line.startsWith(QLatin1String("transfer ")) || line.startsWith(QLatin1String("tr "))) m_passThrough = true;
        }
        // The first Enter of an empty window only fetches the prompt; the window stays empty.
        if (!m_text.isEmpty()) Insert("\r\n");
        return;
    }

    if (code == kBackspace) {
        if (IsExactlyPrompt(line)) return;
        // A "*" taken back takes its hidden character with it, so the corrected password is sent.
        if (IsPasswordLine(line) && line.endsWith(QLatin1Char('*')) && !m_inputLine.isEmpty()) m_inputLine.chop(1);
        RemoveLastCharacter();
        return;
    }

    if (code == kCtrlV || code == kCtrlC) return;
    if (IsPasswordLine(line)) {
        m_inputLine += key;
        Insert("*");
        return;
    }
    Insert(QString(key));
}

void TerminalModeForm::PasteText(const QString& clip) {
    if (Connected() && !clip.isEmpty()) {
        const QString line = CurrentLine();
        if (IsPasswordLine(line)) {
            // Shown as one "*" per character of the hidden answer, typed or pasted.
            m_inputLine += clip;
            const qsizetype colon = line.indexOf(QLatin1String(": "));
            m_text.chop(line.size());
            m_text += line.left(colon + 2) + QString(m_inputLine.size(), QLatin1Char('*'));
            Render();
        } else {
            Insert(clip);
        }
    }
    MoveCaretToEnd();
}

void TerminalModeForm::Form_Unload() {
    if (m_unloaded) return;
    m_unloaded = true;
    m_link.Dialogue.TerminalModeRequested = false;
    m_text.clear();
    m_inputLine.clear();
    Render();
    if (m_link.Windows.Window) m_link.Windows.Window->SetTimer2Enabled(true);
    if (m_link.Windows.TerminalModeForm == this) m_link.Windows.TerminalModeForm = nullptr;
    hide();
    if (m_unload) m_unload();
}

void TerminalModeForm::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace tidepost
