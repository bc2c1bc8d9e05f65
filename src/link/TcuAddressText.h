#pragma once
#include <QString>
#include <optional>

namespace tidepost {

// The fixed IP address typed for the TCU, trimmed, when it is one the unit can be given: four
// decimal numbers 0 to 255 without leading zeros (which some readers take for octal), joined by
// ".". Refused: 0.0.0.0, 255.255.255.255, 127.x.x.x (loopback) and 224.0.0.0 and above
// (multicast and reserved), each of which would leave the unit unreachable.
std::optional<QString> CheckFixedIpAddress(const QString& typed);

// What the TCU address box holds, as it is to be stored: trimmed, and "" for a text in angle
// brackets (the box's placeholders "<Select From List>" and "<Getting IP addresses...>"), so that
// an empty setting lets discovery find the unit.
QString TcuAddressToSave(const QString& text);

// The text holds a control character (a line break would split the settings file's one-line value).
bool HasControlCharacter(const QString& text);

}  // namespace tidepost
