#pragma once
#include <QString>

namespace tidepost {

struct Link;

// The transceiver's own description of itself, turned into the codes of the session
// (MobileType, ProductType, ProductModel, SolasType, AtcType, MobileType510AB) and into the
// main window's menus. None of these lets an exception out.

// "st -v": MobileType510AB := the reply mentions "Inmarsat-C Software" (any letter case).
void ParseSoftwareInfo(Link& link, const QString& reply);

// Sets the five identity codes from the markers the reply contains (any letter case). Every
// marker is tested, in a fixed order, and a later match overrides an earlier one; a code a
// marker does not name keeps its value, and a reply without any marker changes nothing.
void ClassifyMobile(Link& link, const QString& reply);

// Shows or hides the land-mobile alert settings, the distress menu and the code-page menu by the
// session's codes and the current language.
void UpdateMenusForMobileType(Link& link);

// "st -i": classification, menus, the system information dialog, and once per run for a
// transceiver with distress alerting the advice on the PC's settings.
void HandleStatusInfoReply(Link& link, const QString& reply);

// "ver": the software version of the transceiver's CPU, read around the first "." after "CPU"
// (exact case); a reply without them changes nothing.
void HandleVersionReply(Link& link, const QString& reply);

}  // namespace tidepost
