#include <QDir>
#include <QFileInfo>

#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "remote/cRemoteConfigProcess.h"

namespace tidepost {

namespace {

const QString kIllegal = QStringLiteral("/:*?<>|\"");
const QString kAllowedExtensions = QStringLiteral(".bmp.css.gif.htm.html.jpeg.jpg.js.xml.");

bool HasIllegalCharacter(const QString& text) {
    for (QChar c : text)
        if (kIllegal.contains(c) || c.unicode() < 32 || c.unicode() == 127) return true;
    return false;
}

// A path piece that would climb out of its folder or stand for it.
bool HasDotPiece(const QString& path) {
    for (const QString& piece : path.split(u'\\'))
        if (piece == QLatin1String(".") || piece == QLatin1String("..")) return true;
    return false;
}

bool IsInside(const QString& canonicalFolder, const QString& canonicalRoot) {
    return !canonicalFolder.isEmpty() &&
           (canonicalFolder == canonicalRoot || canonicalFolder.startsWith(canonicalRoot + u'/'));
}

// The canonical path of the deepest part of `folder` that exists.
QString DeepestExisting(QString folder) {
    while (!QFileInfo::exists(folder)) {
        const qsizetype slash = folder.lastIndexOf(u'/');
        if (slash <= 0) return {};
        folder.truncate(slash);
    }
    return QFileInfo(folder).canonicalFilePath();
}

}  // namespace

bool cRemoteConfigProcess::ProcessSAVEHTML(const QString& fileName) {
    const QString command = QStringLiteral("SAVEHTML");
    QString path, name = fileName;
    const qsizetype cut = fileName.lastIndexOf(u'\\');
    if (cut >= 0) {
        path = fileName.left(cut + 1).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        if (path.startsWith(u'\\')) path.remove(0, 1);
        name = fileName.mid(cut + 1);
    }
    if (name.isEmpty()) {
        Log(command + ":Error: filename is empty.");
        return false;
    }
    if (HasIllegalCharacter(name)) {
        Log(command + ":Error: illegal character(s) in filename (" + name + ")");
        return false;
    }
    const QString pathLine = command + ":Error: illegal character(s) in file path (" + path + ")";
    if (HasIllegalCharacter(path) || HasDotPiece(path)) {
        Log(pathLine);
        return false;
    }
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0) {
        name += QStringLiteral(".htm");
        Log(command + ":Filename has no extension. Default extension .htm added");
    }
    const QString extension = name.mid(name.lastIndexOf(u'.'));
    if (!kAllowedExtensions.contains(extension + u'.')) {
        Log(command + ":Error: file extension (" + extension + ") not allowed");
        return false;
    }

    const QString second = ":File '" + name + "' might not have been saved";
    const QString data = m_f.gConfiguration.DataPath;
    if (data.isEmpty()) return LogFailure(command, {kErrPathNotFound, QStringLiteral("Path not found")}, second);
    const QString html = FindFileNoCase(data, QStringLiteral("html"));
    if (!QDir().mkpath(html)) return LogFailure(command, {kErrPathNotFound, QStringLiteral("Path not found")}, second);
    const QString root = QFileInfo(html).canonicalFilePath();
    const QString folder = FindFileNoCase(html, NormalizeSeparators(path));
    // A folder (or a link) that already exists may lead elsewhere: the target must stay in html.
    if (!IsInside(DeepestExisting(folder), root)) {
        Log(pathLine);
        return false;
    }
    const QString target = FindFileNoCase(folder, name);
    if (QFileInfo::exists(target)) Log(command + ":File '" + name + "' already exists. Overwriting...");
    else Log(command + ":Creating file '" + name + "'");
    if (!QDir().mkpath(folder) || !IsInside(QFileInfo(folder).canonicalFilePath(), root))
        return LogFailure(command, {kErrPathNotFound, QStringLiteral("Path not found")}, second);
    if (FileError e = WriteFileAtomic(target, m_f.Os.Codec.Encode(Payload))) return LogFailure(command, e, second);
    Log(command + ":Saved file " + name);
    return true;
}

}  // namespace tidepost
