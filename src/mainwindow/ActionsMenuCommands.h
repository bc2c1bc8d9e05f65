#pragma once
#include <QList>
#include <QString>

namespace tidepost {

// When a command of the Actions, status and mobile-number items may queue its line.
enum class ActionsGuard {
    None,                 // always
    Connected,            // only while the transceiver answers; otherwise only the use is counted
    ConnectedElseWindow,  // as Connected, but without the transceiver the window shows its old text
    ConfigPassword,       // behind the configuration password
};

// One command of the Actions, status-query and mobile-number items: its menu item, the line it
// queues (none for the mobile number), where and whether a waiting copy is refused, its guard
// and its hot-list entry (id 0: not counted).
struct ActionsCommand {
    QString Item;
    QString Text;
    bool AtFront = false;
    bool AllowDuplicate = false;
    ActionsGuard Guard = ActionsGuard::None;
    int HotListId = 0;
    int ParentId = 0;
    // "[Preferred Ocean]" for the preferred-ocean commands; empty for the others.
    QString PreferredOcean;
};

// Every row, in menu order.
const QList<ActionsCommand>& ActionsCommandTable();
// The row of a menu item; an empty row (no item) for an unknown name.
const ActionsCommand& ActionsCommandRow(const QString& item);

}  // namespace tidepost
