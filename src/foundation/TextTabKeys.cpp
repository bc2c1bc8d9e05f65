#include "foundation/TextTabKeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace tidepost {

namespace {

bool IsCtrlTab(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Tab && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

class CtrlTabInserts : public QObject {
public:
    explicit CtrlTabInserts(QPlainTextEdit* text) : QObject(text), m_text(text) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_text) return false;
        // Claimed before any shortcut of the window can take it.
        if (event->type() == QEvent::ShortcutOverride && IsCtrlTab(event)) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && IsCtrlTab(event)) {
            if (!m_text->isReadOnly()) m_text->insertPlainText(QStringLiteral("\t"));
            return true;
        }
        return false;
    }

private:
    QPlainTextEdit* m_text;
};

}  // namespace

void LetTabLeaveText(QPlainTextEdit* text, bool ctrlTabInserts) {
    if (text == nullptr) return;
    text->setTabChangesFocus(true);
    if (ctrlTabInserts) text->installEventFilter(new CtrlTabInserts(text));
}

}  // namespace tidepost
