#include "foundation/OkCancelButtons.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>

namespace tidepost {

namespace {

// Esc anywhere in the window that no control takes for itself, whether or not the window is the
// active one (a shortcut would need that).
class EscapeFilter : public QObject {
public:
    EscapeFilter(QWidget& window, std::function<void()> cancel) : QObject(&window), m_cancel(std::move(cancel)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            m_cancel();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_cancel;
};

}  // namespace

OkCancelButtons AddOkCancelButtons(QWidget& window, const std::function<void()>& ok,
                                   const std::function<void()>& cancel, bool okIsDefault,
                                   const QList<QLineEdit*>& enterFields) {
    OkCancelButtons b;
    b.OKButton = new QPushButton(QStringLiteral("OK"), &window);
    b.OKButton->setObjectName(QStringLiteral("OKButton"));
    b.OKButton->setDefault(okIsDefault);
    b.CancelButton = new QPushButton(QStringLiteral("Cancel"), &window);
    b.CancelButton->setObjectName(QStringLiteral("CancelButton"));
    b.Row = new QHBoxLayout;
    b.Row->addStretch();
    b.Row->addWidget(b.OKButton);
    b.Row->addWidget(b.CancelButton);
    QObject::connect(b.OKButton, &QPushButton::clicked, &window, [ok] { ok(); });
    QObject::connect(b.CancelButton, &QPushButton::clicked, &window, [cancel] { cancel(); });
    for (QLineEdit* field : enterFields)
        QObject::connect(field, &QLineEdit::returnPressed, &window, [ok] { ok(); });
    window.installEventFilter(new EscapeFilter(window, cancel));
    return b;
}

}  // namespace tidepost
