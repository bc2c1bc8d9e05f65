#include "foundation/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

#include "foundation/Definitions.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/IspFile.h"
#include "foundation/LesLists.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/IOsFacts.h"

namespace tidepost {

namespace {

// The program folder holds the data while it can be written; an installed program keeps it in
// the user's data folder instead. Where the system names no such folder the program folder stays.
QString OwnDataFolder(const Foundation& f) {
    const QFileInfo program(f.Os.ProgramFolder);
    if (!f.Os.ProgramFolder.isEmpty() && program.isDir() && program.isWritable()) return f.Os.ProgramFolder;
    const QString userData = f.Os.OsFacts ? f.Os.OsFacts->UserDataLocation() : QString();
    if (userData.isEmpty()) return f.Os.ProgramFolder;
    const QString fallback = userData + "/" + f.gProductName;
    QDir().mkpath(fallback);
    return fallback;
}

// Control characters (a line end left in "DataPath.txt") never name a usable folder.
bool CanNameFolder(const QString& path) {
    if (path.isEmpty()) return false;
    for (const QChar c : path)
        if (c.unicode() < 0x20) return false;
    return true;
}

bool IsFolder(const QString& path) { return QFileInfo(path).isDir(); }

// Creates one level; failures are left to the existence test that follows.
void MakeFolder(const QString& path) {
    if (!path.isEmpty()) QDir().mkdir(NormalizeSeparators(path));
}

struct WorkingFolder {
    QString Foundation::*dir;
    const char* key;
    const char* fallback;
    int noticeId;  // 0: moved without a notice
    const char* notice;
};

}  // namespace

QString GetDataPath(Foundation& f) {
    const QString own = OwnDataFolder(f);
    cFile file(f);
    const QString marker = FindFileNoCase(f.Os.ProgramFolder, "DataPath.txt");
    if (!file.FileExists(marker)) return own;
    QString text;
    file.Load(marker, text);  // unreadable: empty, which names no folder
    const QString folder = NormalizeSeparators(text);
    if (!CanNameFolder(folder)) return own;
    if (IsFolder(folder)) return folder;
    MakeFolder(folder);
    return IsFolder(folder) ? folder : own;
}

bool CheckDirExists(Foundation& f, const QString& path) {
    const QString normalized = NormalizeSeparators(path);
    struct stat st {};
    if (::stat(QFile::encodeName(normalized).constData(), &st) == 0) return S_ISDIR(st.st_mode);
    if (errno == ENOENT || errno == ENOTDIR) return false;
    ShowFileErrorBox(f, "CheckDirExists", FileErrorFromErrno(errno), path);
    return false;
}

void CheckDataFiles(Foundation& f) {
    const QString dataPath = f.gConfiguration.DataPath;
    const QString d = AddBackslash(dataPath);

    if (!CheckFileExists(f, GetIniFilePath(f))) CreateIniFile104(f);

    for (int ocean = 0; ocean < kOceanCount; ++ocean) {
        const QString path = d + LesFileName(ocean);
        if (!CheckFileExists(f, path)) WriteLesFile(f, path, GetDefaultLesList(ocean));
    }

    if (!CheckFileExists(f, IspFilePath(f))) {
        ReadDefaultIspData(f);
        WriteIspFile(f);
    }

    static const WorkingFolder kFolders[] = {
        {&Foundation::gAddressBookDir, "[addressbook]", "Addressbook", 2817,
         "The directory of contacts file has been changed to '"},
        {&Foundation::gDraftsDir, "[Drafts]", "Drafts", 0, nullptr},
        {&Foundation::gEgcDir, "[egc]", "Egc", 2818, "The directory of saved EGCs has been changed to '"},
        {&Foundation::gInboxDir, "[inbox]", "Inbox", 2819, "The directory of inbox has been changed to '"},
        {&Foundation::gOutboxDir, "[outbox]", "Sent items", 2820, "The directory of outbox has been changed to '"},
        {&Foundation::gSavedFilesDir, "[Saved files]", "Saved files", 0, nullptr},
    };
    for (const WorkingFolder& w : kFolders) {
        QString& dir = f.*(w.dir);
        if (!CheckDirExists(f, dir)) MakeFolder(dir);
        if (CheckDirExists(f, dir)) continue;
        // A folder under the data folder whose name differs only in case is the same folder.
        dir = FindFileNoCase(dataPath, w.fallback);
        MakeFolder(dir);
        SetIniValue(f, w.key, dir, true);
        if (w.noticeId != 0) QueueMessageBox(f, MlText(f, w.noticeId, w.notice) + dir + "'.", "INFO");
    }

    const struct {
        const QString* dir;
        const char* name;
    } indexFiles[] = {
        {&f.gEgcDir, "EGC.IDX"},
        {&f.gInboxDir, "IN.IDX"},
        {&f.gOutboxDir, "OUT.IDX"},
        {&f.gAddressBookDir, "address.dat"},
    };
    for (const auto& index : indexFiles) {
        const QString path = AddBackslash(*index.dir) + index.name;
        if (!CheckFileExists(f, path)) AppendToFile(NormalizeSeparators(path), {});
    }

    if (f.UpgradeDefaultMessages) f.UpgradeDefaultMessages();
}

}  // namespace tidepost
