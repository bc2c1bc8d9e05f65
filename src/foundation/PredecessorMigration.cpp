#include "foundation/PredecessorMigration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "foundation/AppSettings.h"
#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/cErrorLog.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/ISettingsStore.h"

namespace tidepost {

namespace {

const QString kPredecessorName = QStringLiteral("Zarvik");
const QString kProductName = QStringLiteral("Tidepost");
const QString kConfigSection = QStringLiteral("Config");

const QStringList kListFiles = {"isp.dat", "les_aore.dat", "les_aorw.dat", "les_ior.dat", "les_por.dat"};
const QStringList kMessageFolders = {"inbox", "egc", "sent items", "addressbook"};

QString PredecessorIniPath(const Foundation& f) { return FindFileNoCase(f.Os.PredecessorRoot, kPredecessorName + ".ini"); }
QString ProductIniPath(const Foundation& f) { return FindFileNoCase(f.Os.ProductRoot, kProductName + ".ini"); }

bool IsFile(const QString& path) { return QFileInfo(path).isFile(); }

void Log(Foundation& f, const QString& text) { ErrorLog(f).AddLine("(MigratePredecessorData) " + text); }

// A folder without data: nothing in it but empty files (the empty index files the start-up data
// check creates). Removing it loses nothing.
bool HoldsNoData(const QString& folder) {
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : entries)
        if (e.isSymLink() || !e.isFile() || e.size() != 0) return false;
    return true;
}

bool RemoveEmptyFolder(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (!dir.remove(name)) return false;
    return QDir().rmdir(folder);
}

void MoveListFile(Foundation& f, const QString& name) {
    const QString source = FindFileNoCase(f.Os.PredecessorRoot, name);
    if (!IsFile(source)) return;
    const QString target = FindFileNoCase(f.Os.ProductRoot, name);
    if (QFileInfo::exists(target)) {
        Log(f, "'" + source + "' was not taken over: '" + target + "' exists.");
        return;
    }
    if (!QFile::rename(source, target)) Log(f, "'" + source + "' could not be moved to '" + target + "'.");
}

// A product folder that holds data is never replaced; the predecessor's folder then stays.
void MoveMessageFolder(Foundation& f, const QString& name) {
    const QString source = FindFileNoCase(f.Os.PredecessorRoot, name);
    if (!QFileInfo(source).isDir()) return;
    const QString target = FindFileNoCase(f.Os.ProductRoot, name);
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        if (!QFileInfo(target).isDir() || !HoldsNoData(target)) {
            Log(f, "'" + source + "' was not taken over: '" + target + "' holds files.");
            return;
        }
        if (!RemoveEmptyFolder(target)) {
            Log(f, "'" + source + "' was not taken over: '" + target + "' could not be removed.");
            return;
        }
    }
    if (!QDir().rename(source, target)) Log(f, "'" + source + "' could not be moved to '" + target + "'.");
}

// The settings in memory stand for the converted file when the data folder is the product's
// folder; they are read again so that the closing write keeps the conversion.
void ReloadWhenSameFile(Foundation& f, const QString& converted) {
    const QString inUse = QFileInfo(GetIniFilePath(f)).canonicalFilePath();
    if (!inUse.isEmpty() && inUse == QFileInfo(converted).canonicalFilePath()) ReadIniFile(f);
}

}  // namespace

bool MigrateIniFile(Foundation& f) {
    if (f.Os.PredecessorRoot.isEmpty() || f.Os.ProductRoot.isEmpty()) return false;
    QByteArray bytes;
    if (ReadFileBytes(PredecessorIniPath(f), bytes)) return false;

    const QStringList lines = SplitFileLines(f.Os.Codec.Decode(bytes));
    QString out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.contains("[Version]")) {
            // The version line's value is this product's, whatever the predecessor's was.
            if (i + 1 >= lines.size()) return false;
            out += line + "\r\n" + "1. 0. 4\r\n";
            ++i;
        } else {
            out += QString(line).replace(kPredecessorName, kProductName, Qt::CaseSensitive) + "\r\n";
        }
    }
    return !WriteFileAtomic(ProductIniPath(f), f.Os.Codec.Encode(out));
}

void MigratePredecessorData(Foundation& f) {
    if (f.Os.PredecessorRoot.isEmpty() || f.Os.ProductRoot.isEmpty()) return;
    ISettingsStore& store = *f.Os.Settings;

    // Only once the predecessor is uninstalled, and only before this product has settings.
    if (IsFile(FindFileNoCase(f.Os.PredecessorRoot, kPredecessorName + ".exe"))) return;
    if (!store.GetSection(f.gProductName, kConfigSection).isEmpty()) return;

    for (const auto& [key, value] : store.GetSection(kPredecessorName, kConfigSection))
        SaveAppSetting(f, f.gProductName, kConfigSection, key, value);
    store.DeleteApplication(kPredecessorName);

    const QString predecessorIni = PredecessorIniPath(f);
    if (!IsFile(predecessorIni) || !QFileInfo(f.Os.ProductRoot).isDir()) return;

    // A failed conversion leaves this product's settings file as it was.
    const bool converted = MigrateIniFile(f);
    if (converted)
        ReloadWhenSameFile(f, ProductIniPath(f));
    else
        Log(f, "'" + predecessorIni + "' could not be converted.");

    for (const QString& name : kListFiles) MoveListFile(f, name);
    for (const QString& name : kMessageFolders) MoveMessageFolder(f, name);

    if (converted) QFile::remove(predecessorIni);
    QDir().rmdir(f.Os.PredecessorRoot);
}

}  // namespace tidepost
