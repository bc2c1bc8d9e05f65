#include "foundation/StartUp.h"

#include "foundation/DataFiles.h"
#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/IspFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/PredecessorMigration.h"
#include "foundation/ProgramVersion.h"
#include "platform/IOsFacts.h"

namespace tidepost {

void ReadOsVersion(Foundation& f) {
    const OsVersionRecord r = f.Os.OsFacts ? f.Os.OsFacts->GetOsVersion() : OsVersionRecord{};
    f.OsMajorVersion = static_cast<std::int16_t>(r.MajorVersion);
    f.OsMinorVersion = static_cast<std::int16_t>(r.MinorVersion);
    f.OsSuiteMask = static_cast<std::uint16_t>(r.SuiteMask);
}

void LoadFoundation(Foundation& f) {
    if (f.FoundationLoaded) return;
    f.FoundationLoaded = true;
    f.gProductName = QStringLiteral("Tidepost");
    SetProgramVersion(f);
    f.gConfiguration.DataPath = GetDataPath(f);
    ReadOsVersion(f);

    ReadIniFile(f);
    f.gAddressBookDir = GetIniValue(f, "[addressbook]");
    f.gDraftsDir = GetIniValue(f, "[Drafts]");
    f.gEgcDir = GetIniValue(f, "[egc]");
    f.gInboxDir = GetIniValue(f, "[inbox]");
    f.gOutboxDir = GetIniValue(f, "[outbox]");
    f.gSavedFilesDir = GetIniValue(f, "[Saved files]");
    f.gWorkingDir = GetIniValue(f, "[working dir]");

    CheckDataFiles(f);

    if (const FileError err = ReadIspFile(f)) {
        const QString text =
            FormatErrorText(f, 2706, "(MainForm.Load) Error '%0': %1.", err.number, err.description);
        QueueMessageBox(f, WithFileErrorText(f, text, err.number, IspFilePath(f)), MlErrorTitle(f, err.number));
    }
    ApplyDefaultIsp(f);

    MigratePredecessorData(f);
}

}  // namespace tidepost
