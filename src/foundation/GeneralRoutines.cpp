#include "foundation/GeneralRoutines.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <cmath>
#include <utility>

#include "foundation/Foundation.h"
#include "foundation/IFlexGrid.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "platform/FileLookup.h"
#include "platform/IClock.h"
#include "platform/IDiskSpace.h"
#include "platform/ISoundPlayer.h"
#include "platform/ITrayIcon.h"

namespace tidepost {

void ShowNewMessageTrayIcon(Foundation& f) {
    if (f.Os.Tray) f.Os.Tray->ShowIcon("New messages in Tidepost inbox");
    f.Windows.TrayIconShown = true;
}

void ShowStatusMessage(Foundation& f, const QString& text) {
    if (!f.Windows.MainForm) return;
    const QString stamp = f.Os.Clock->Now().toString("yyyy-MM-dd HH:mm:ss");
    f.Windows.MainForm->SetStatusPanelText(2, stamp + ": " + FlattenText(text));
}

bool PlayWaveFile(Foundation& f, const QString& name, std::function<void(bool played)> finished) {
    const auto notDone = [&finished]() {
        if (finished) finished(false);
        return false;
    };
    if (!f.Os.Sound) return notDone();
    const QString path = FindFileNoCase(f.Os.ProgramFolder, NormalizeSeparators(name));
    if (name.right(3).compare("WAV", Qt::CaseInsensitive) != 0 || !QFileInfo(path).isFile()) return notDone();
    f.Os.Sound->Play(path, std::move(finished));
    return true;
}

qint64 GetFreeDiskSpaceKB(Foundation& f, const QString& path) {
    const QString place = NormalizeSeparators(path);
    if (place.isEmpty() || QDir::isRelativePath(place)) return -1;
    if (!f.Os.Disk) return 0;
    const qint64 bytes = f.Os.Disk->FreeBytes(place);
    if (bytes < 0) return 0;
    return std::llround(double(bytes) / 1024.0);
}

bool ErrorOccurred() { return false; }

OsVersionRecord GetOsVersion(const Foundation& f) { return f.Os.OsFacts ? f.Os.OsFacts->GetOsVersion() : OsVersionRecord{}; }

double GetColorDepth(const Foundation& f) {
    if (!f.Windows.MainForm) return 0;
    return std::pow(2.0, f.Windows.MainForm->DisplayColorBits());
}

QString GetCaptionPair(const Foundation& f, int id, int parentId) {
    if (parentId <= 0) return f.Strings.GetMlString(id);
    return f.Strings.GetMlString(parentId) + " -> " + f.Strings.GetMlString(id);
}

int CountOpenForms(const QString& name) {
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0) ++count;
    return count;
}

QString GetDisclaimerText(const Foundation& f) {
    struct Line {
        int id;
        const char* english;
        bool blankAfter;
    };
    static const Line lines[] = {
        {2800, "Disclaimer of Warranty!", true},
        {2801,
         "Tidepost and all of the accompanying files are delivered as is and without warranties as to performance or "
         "merchantability or any other warranties whether expressed or implied.",
         false},
        {2802,
         "Because of the various hardware and software environments into which Tidepost may be put, no warranty of "
         "fitness for a particular purpose is offered.",
         false},
        {2929,
         "Kalvenor & Kalvenor cannot be held responsible for any problems occurring during installation or operation. "
         "This includes but is not limited to reception and transmission of",
         true},
        {2930, "- Routine, safety, urgent or distress priority messages", false},
        {2931, "- Messages not sent or not received", false},
        {2932, "- FleetNET and  SafetyNET EGC's", false},
        {2933, "- Information contained in messages, ", false},
        {2934, "- distress editor,", false},
        {2935, "- distress generator,", false},
        {2936, "- alarm reset,", false},
        {2937, "- latest distress information,", false},
        {2938, "- distress test mode,", false},
        {2939, "- system information,", false},
        {2940, "- inbox log,", false},
        {2941, "- sent items log,", false},
        {2942, "- egc log,", false},
        {2943, "- info log,", false},
        {2944, "- options and configuration settings.", true},
    };
    QString text;
    for (const Line& line : lines) {
        text += MlText(f, line.id, QString::fromLatin1(line.english)) + "\r\n";
        if (line.blankAfter) text += "\r\n";
    }
    text += MlText(f, 2804,
                   "In case software problems are reported, general problems or problems particular to a specific "
                   "usage, Kalvenor & Kalvenor reserves the right to decide whether or not a software update should "
                   "be issued.");
    return text;
}

void HighlightGridRow(IFlexGrid& grid, int row, int colour, bool bold) {
    if (row < 0 || row > grid.Rows() - 1) return;
    grid.SetRow(row);
    grid.SetCol(grid.FixedCols());
    grid.SetRowSel(row);
    grid.SetColSel(grid.Cols() - 1);
    grid.SetFillStyle(1);
    grid.SetCellForeColor(colour);
    grid.SetCellFontBold(bold);
}

}  // namespace tidepost
