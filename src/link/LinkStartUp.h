#pragma once
#include <QStringList>
#include <functional>

namespace tidepost {

struct Link;

// The start-up of the whole program, run once by the main window right after it is created and
// has registered itself: settings and data files, code tables, the serial port, the first
// commands for the transceiver, the start-up menus and the timers. `arguments` is the command
// line, the program first ("-log" starts the communication log). `laterAreas` is the start-up of
// the areas above the link (the address book, the outbox log), run once the settings are read and
// before the serial port opens; nothing while empty. Nothing escapes: a failure that ends the
// start-up is queued as a message box, and the window is usable in every case.
void RunStartUp(Link& link, const QStringList& arguments, const std::function<void()>& laterAreas = {});

}  // namespace tidepost
