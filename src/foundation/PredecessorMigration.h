#pragma once

namespace tidepost {

struct Foundation;

// Takes over what the predecessor product left behind when it has been removed and this product
// has no per-user settings yet: its per-user "Config" settings, its settings file (converted),
// its provider and LES list files and its message folders, from the platform's PredecessorRoot
// into its ProductRoot. Does nothing while either folder is unset. Never reports to the user and
// never deletes a folder that holds data: what is not taken over stays where it is and is noted
// in the error log.
void MigratePredecessorData(Foundation& f);

// Converts the predecessor's settings file into this product's settings file in ProductRoot:
// every "Zarvik" becomes "Tidepost" and the line after each line holding "[Version]" becomes
// "1. 0. 4". True when the whole file was converted; the target is replaced only then.
bool MigrateIniFile(Foundation& f);

}  // namespace tidepost
