#include "mainwindow/RunningMarker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullFileRoutines.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

namespace {

QString StoppedName(const Foundation& f) { return f.gProductName + QStringLiteral(".tmp"); }
QString RunningName(const Foundation& f) { return QLatin1Char('#') + StoppedName(f); }
// The marker of that name in the data folder, an existing one of another letter case if there is.
QString MarkerPath(const Foundation& f, const QString& name) { return FindFileNoCase(f.gConfiguration.DataPath, name); }

void ThrowOn(const FileError& err, const QString& procedure) {
    if (err) throw RuntimeError(err.number, procedure, err.description);
}

}  // namespace

void MarkProgramRunning(Foundation& f) {
    const QString running = MarkerPath(f, RunningName(f));
    if (CheckFileExists(f, running)) {
        QueueMessageBox(f, MlText(f, 2698, "Tidepost was not closed properly last time it was run."), MlText(f, 12, "Info"));
        return;
    }
    const QString stopped = MarkerPath(f, StoppedName(f));
    if (CheckFileExists(f, stopped)) {
        const QFileInfo info(stopped);
        ThrowOn(RenameNoReplace(stopped, info.dir().filePath(QLatin1Char('#') + info.fileName())), "MainForm.Load");
        return;
    }
    ThrowOn(WriteNewFile(running, QByteArray()), "MainForm.Load");
}

void MarkProgramStopped(Foundation& f) {
    if (f.gConfiguration.DataPath.isEmpty()) return;
    const QString running = MarkerPath(f, RunningName(f));
    if (!QFileInfo(running).isFile()) return;
    const QString stopped = MarkerPath(f, StoppedName(f));
    // The marker holds nothing: its name is all it says, and the stopped one says it already.
    if (QFileInfo::exists(stopped)) QFile::remove(running);
    else RenameNoReplace(running, stopped);
}

}  // namespace tidepost
