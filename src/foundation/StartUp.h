#pragma once

namespace tidepost {

struct Foundation;

// The foundation's part of the program's start-up, in the order the main window's load runs it:
// product name and version, data folder, operating-system version, settings file, working folders, data
// check, provider list with the default provider's LES per ocean, migration from the predecessor
// product. Reports its failures through boxes and the message-box queue and always runs to the end.
// Runs once per program run; later calls do nothing.
void LoadFoundation(Foundation& f);

// The version record of the operating system into OsMajorVersion, OsMinorVersion, OsSuiteMask.
void ReadOsVersion(Foundation& f);

}  // namespace tidepost
