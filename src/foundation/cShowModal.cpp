#include "foundation/cShowModal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "platform/OpenBoxes.h"

namespace tidepost {

namespace {

// Ends the wait when the dialog is hidden. Minimising (the dialog or its owner) hides it from the
// screen only, a spontaneous event: the dialog stays open, and so does the wait.
class HideWatch : public QObject {
public:
    explicit HideWatch(QEventLoop& loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous()) m_loop.quit();
        return false;
    }

private:
    QEventLoop& m_loop;
};

}  // namespace

void cShowModal::ShowModal(QWidget* fToShow, QWidget* fOwner) {
    QPointer<QWidget> dialog(fToShow);
    QPointer<QWidget> owner(fOwner);
    if (!dialog) return;
    // A dialog of no window is given the owner as its window, so it stays in front of it.
    if (owner && dialog->parentWidget() == nullptr) dialog->setParent(owner, dialog->windowFlags() | Qt::Dialog);
    dialog->show();
    if (owner) owner->setEnabled(false);
    // The owner's disabling must not reach the dialog it owns.
    dialog->setEnabled(true);

    QEventLoop loop;
    HideWatch watch(loop);
    dialog->installEventFilter(&watch);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (owner) QObject::connect(owner, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (dialog->isVisible()) {
        // The owner is not deleted under the dialog it waits for.
        const BoxOpenOn open(owner, dialog);
        loop.exec();
    }
    if (dialog) dialog->removeEventFilter(&watch);

    if (owner) {
        owner->setEnabled(true);
        owner->raise();
        owner->activateWindow();
    }
}

}  // namespace tidepost
