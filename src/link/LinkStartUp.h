#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace tidepost {

struct Foundation;
struct Link;

// The link's parts of the program's start-up, which the main window's load runs in its order,
// inside its own handling of failures: a step that fails throws, and the load ends there with
// ReportStartUpFailure.

// The link's state for a new run: the start-up advice of the PC settings is due, no exit is
// pending, the session and indicators say "not connected", the command queue is empty with the
// command time-out read, the serial port reports every character, and the code tables are filled
// in the current language.
void StartUpLinkState(Link& link);

// The communication log ("-log" in `arguments`, the program first, or "[Logging]" "Yes"), the
// event timer, the PC clock query, the start-up menus and the default LES per ocean; then
// `laterAreas` (the areas above the link: the address book, the outbox log, which closes any open
// link), the serial port in serial mode, and the first commands for the transceiver.
void StartUpFirstCommands(Link& link, const QStringList& arguments, const std::function<void()>& laterAreas = {});

// Queues the report of a failure that ended the start-up: "(MainForm.Load) Error ..." with the
// file's part of the text, and for a missing path the advice where to set it.
void ReportStartUpFailure(Foundation& f, int number, const QString& description);

}  // namespace tidepost
