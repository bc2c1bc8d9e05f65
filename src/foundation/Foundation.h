#pragma once
#include <QList>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

#include "foundation/CConfiguration.h"
#include "foundation/CSession.h"
#include "foundation/FoundationWindows.h"
#include "foundation/IniFile.h"
#include "foundation/IspRecord.h"
#include "foundation/MlStrings.h"
#include "foundation/cErrorLog.h"
#include "foundation/cErrorQueue.h"
#include "platform/Platform.h"

namespace tidepost {

// The foundation's state: one instance per program run, owned by the application object.
// Members keep the names the rest of the program knows them by.
struct Foundation {
    explicit Foundation(Platform& platform) : Os(platform) {}
    Platform& Os;

    QString gProductName = "Tidepost";
    // The version as the about box and the system information show it: "201" and "2.01 " for 2.1
    // (ProgramVersion.h); set by the start-up.
    QString VersionNumber;
    QString VersionText;
    // The start-up has read the settings file and checked the data folder (done once per run).
    bool FoundationLoaded = false;
    MlStrings Strings;
    CConfiguration gConfiguration;
    // The link and the connected transceiver as the program last saw them.
    CSession gSession;

    // The settings file in memory (IniFile.h).
    IniEntryList gIniEntries;
    // The operating system's version record, 0 until the start-up checks read it; major 5 with
    // suite mask 64 redirects the settings store into the settings file (AppSettings.h).
    std::int16_t OsMajorVersion = 0;
    std::int16_t OsMinorVersion = 0;
    std::uint16_t OsSuiteMask = 0;

    // The working folders from the settings file, corrected by the start-up data check.
    QString gAddressBookDir;
    QString gDraftsDir;
    QString gEgcDir;
    QString gInboxDir;
    QString gOutboxDir;
    QString gSavedFilesDir;
    QString gWorkingDir;
    // Brings the default-message files of the drafts folder up to date; the start-up data check
    // calls it last. Set by the area that owns the default messages; nothing happens while empty.
    std::function<void()> UpgradeDefaultMessages;

    // The provider list of "isp.dat", in file order.
    QList<IspRecord> gIspList;
    // The operator declined renewing an isp.dat of an old version: the file stays as it is on disk,
    // and the list in memory (which does not hold its providers) is never written over it.
    bool IspFileKept = false;

    // Code tables, filled once at start-up by their Init routines (Definitions.h).
    QStringList LesFileNames;
    QStringList OceanNames;
    QStringList DestinationTypeNames;
    QStringList MobileTypeNames;
    QStringList ProductModelNames;
    QStringList MobileStatusTexts;

    // The message-box queue and the error log, each created on first use (MessageBoxQueue.h,
    // cErrorLog.h); start-up replaces the queue by a new, empty one.
    std::unique_ptr<cErrorQueue> gErrorQueue;
    std::unique_ptr<cErrorLog> gErrorLog;
    // How many timer ticks are running now (TimerTick.h); file errors are queued meanwhile.
    int TimerTicksRunning = 0;

    // The main window, the foundation's own windows and what they share (FoundationWindows.h).
    FoundationWindows Windows{*this};
};

}  // namespace tidepost
