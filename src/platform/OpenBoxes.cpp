#include "platform/OpenBoxes.h"

#include <QDialog>
#include <QList>
#include <QWidget>
#include <utility>
#include <vector>

namespace tidepost {

namespace {

// Kept as a child of the window, so it goes with the window.
class OpenBoxList : public QObject {
public:
    explicit OpenBoxList(QWidget* window) : QObject(window) { setObjectName(kName); }
    static constexpr const char* kName = "tidepostOpenBoxes";

    QList<QPointer<QWidget>> Boxes;
    int Count = 0;
    std::vector<std::function<void()>> WhenClosed;
};

OpenBoxList* ListOf(const QWidget* window, bool create) {
    if (window == nullptr) return nullptr;
    auto* list = window->findChild<OpenBoxList*>(OpenBoxList::kName, Qt::FindDirectChildrenOnly);
    if (list == nullptr && create) list = new OpenBoxList(const_cast<QWidget*>(window));
    return list;
}

// The owner's window and every window it belongs to, innermost first.
QList<QWidget*> WindowsOf(QWidget* owner) {
    QList<QWidget*> windows;
    for (QWidget* w = owner ? owner->window() : nullptr; w != nullptr;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        windows.append(w);
    return windows;
}

void End(QWidget* box) {
    if (box == nullptr) return;
    // A dialog rejected has no clicked button: its question answers as closed without one.
    if (auto* dialog = qobject_cast<QDialog*>(box)) dialog->reject();
    else box->hide();
}

}  // namespace

BoxOpenOn::BoxOpenOn(QWidget* owner, QWidget* box) : m_owner(owner), m_box(box) {
    for (QWidget* window : WindowsOf(owner)) {
        OpenBoxList* list = ListOf(window, true);
        ++list->Count;
        list->Boxes.append(m_box);
    }
}

BoxOpenOn::~BoxOpenOn() {
    // Innermost window first, so a window closes before the windows it belongs to.
    for (QWidget* window : WindowsOf(m_owner)) {
        OpenBoxList* list = ListOf(window, false);
        if (list == nullptr) continue;
        --list->Count;
        list->Boxes.removeOne(m_box);
        list->Boxes.removeAll(QPointer<QWidget>());
        if (list->Count > 0) continue;
        std::vector<std::function<void()>> pending = std::exchange(list->WhenClosed, {});
        for (const auto& then : pending) then();
    }
}

bool HasOpenBox(const QWidget* window) {
    const OpenBoxList* list = ListOf(window, false);
    return list != nullptr && list->Count > 0;
}

void WhenNoBoxOpen(QWidget* window, std::function<void()> then) {
    if (window == nullptr) return;
    if (!HasOpenBox(window)) {
        then();
        return;
    }
    OpenBoxList* list = ListOf(window, false);
    QPointer<QWidget> guard(window);
    list->WhenClosed.push_back([guard, then = std::move(then)] {
        if (guard) then();
    });
    // Ending a box runs nothing of the code that waits for it: that goes on once its loop returns.
    const QList<QPointer<QWidget>> open = list->Boxes;
    for (const QPointer<QWidget>& box : open) End(box);
}

}  // namespace tidepost
