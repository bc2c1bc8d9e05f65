#pragma once
#include <QString>
#include <array>
#include <optional>

namespace tidepost {

struct Config;

// The classes of received traffic the transceiver routes, in the order of its menu and of the
// routing dialog's rows: mail, EGC system, FleetNET, SafetyNET safety, SafetyNET urgent+distress.
inline constexpr std::array<int, 5> kRouteClasses = {10, 30, 31, 32, 33};

// The masks of the transceiver's configuration menu, one per class (kRouteClasses order); a class
// whose line is missing or whose value is no mask (0 to 7) has none. No value at all when the
// text is not the menu (no "Configuration" header, or no "Enter filenumber >" after it).
using RouteMasks = std::array<std::optional<int>, 5>;
std::optional<RouteMasks> ReadRoutingMenu(const QString& reply);

// Opens the routing set-up: with the transceiver answering it asks for the printer setting and
// the routing menu first (the dialog shows when the menu has come), else it shows the dialog.
void OpenRoutingSetup(Config& c);

// The reply to "set -z": which local printer options the dialog offers and which is chosen.
void HandlePrinterRoutingReply(Config& c, const QString& reply);

// The reply to "ro", the transceiver's configuration menu: takes the masks, leaves the menu
// and shows the dialog. A menu that cannot be read is left all the same and the operator told.
void HandleRoutingMenuReply(Config& c, const QString& reply);

}  // namespace tidepost
