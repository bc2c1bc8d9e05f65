#include "link/CommonDialogs.h"

#include <QFileInfo>
#include <cmath>
#include <optional>

#include "foundation/AppSettings.h"
#include "foundation/FileErrorBox.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "platform/AtomicFile.h"
#include "platform/IFileDialogs.h"
#include "platform/IPrinter.h"

namespace tidepost {

namespace {

// A failure of the print path; it ends PrintText with the one "might not have been printed" text.
struct PrintFailed {};

QString Setting(Foundation& f, const QString& key, const QString& defaultValue) {
    return GetAppSetting(f, f.gProductName, "Settings", key, defaultValue);
}

// A number as the settings dialog or a hand-edited settings file may hold it.
std::optional<double> Number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

// An unreadable UseMesPrinter fails the print rather than guess the printer.
bool UseMesPrinter(Foundation& f) {
    const std::optional<bool> value = TruthValue(Setting(f, "UseMesPrinter", "0"));
    if (!value) throw PrintFailed{};
    return *value;
}

// A printer setting held to its range as a whole number; a text that is no number gives the
// default. Only digits reach the transceiver's command line.
QString Limited(Foundation& f, const QString& key, int low, int high, int defaultValue) {
    const std::optional<double> n = Number(Setting(f, key, QString::number(defaultValue)));
    if (!n) return QString::number(defaultValue);
    const double whole = std::round(*n);
    if (whole < low) return QString::number(low);
    if (whole > high) return QString::number(high);
    return QString::number(static_cast<int>(whole));
}

// A margin as a count of lines or blanks; a negative, huge or non-numeric setting fails the print.
int Margin(Foundation& f, const QString& key, const QString& defaultValue) {
    const std::optional<double> n = Number(Setting(f, key, defaultValue));
    if (!n) throw PrintFailed{};
    const double whole = std::round(*n);
    if (whole < 0 || whole > 999) throw PrintFailed{};
    return static_cast<int>(whole);
}

bool UploadOfPrintFileWaits(const Link& link) {
    const QString upload = QStringLiteral("tr ") + kTransceiverPrintFile;
    if (IsCommandQueued(link, upload)) return true;
    // Its line has gone out and the engine waits for the echo to stream the text it holds.
    return link.Transfer.RawTransferMode && link.Dialogue.DialogueState != 0;
}

void PrintOnTransceiver(Link& link, const QString& text) {
    Foundation& f = link.F;
    const QString pageLines = Limited(f, "PageLines", 1, 99, 53);
    const QString lineWidth = Limited(f, "LineWidth", 10, 99, 70);
    const QString wrapMargin = Limited(f, "WrapMargin", 0, 9, 3);
    // The one streamed text is taken by the first upload of the print file: a second print while
    // that upload waits would send the wrong text under the first one's length.
    if (UploadOfPrintFileWaits(link)) throw PrintFailed{};

    const QString count = " " + QString::number(text.size());
    const QString file = kTransceiverPrintFile;
    const QString transfer = "tr " + file + " -b" + count + "\r\n" + "print " + file + " -d";
    const bool configure = !link.Transceiver.MesPrinterConfigured;
    const QString batch = configure ? "se -z PRINTER=YES\r\nst -w\r\n"
                                      "se -z FFEED=NO\r\nst -w\r\n"
                                      "se -z PLINES=" + pageLines + "\r\nst -w\r\n"
                                      "se -z PRTYPEMAX=" + lineWidth + "\r\nst -w\r\n"
                                      "se -z PRTYPEREM=" + wrapMargin + "\r\nst -w\r\n" +
                                          transfer + "\r\n"
                                    : transfer;
    if (!QueueCommand(link, batch, false, true)) throw PrintFailed{};
    link.Transfer.RawTransferText = text;
    link.Transfer.RawTransferMode = true;
    if (configure) link.Transceiver.MesPrinterConfigured = true;
}

// The text as printed: one empty line, the top margin's empty lines, then every line of the text
// after the left margin's blanks.
QStringList PcPrintLines(const QString& text, int topMargin, int leftMargin) {
    QStringList lines(1 + topMargin, QString());
    const QString indent(leftMargin, QLatin1Char(' '));
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& line : body.split(QLatin1Char('\n'))) lines.append(indent + line);
    return lines;
}

void PrintOnPc(Link& link, QWidget* ownerForm, const QString& text, int flags) {
    Foundation& f = link.F;
    IPrinter* printer = f.Os.Printer;
    if (printer == nullptr || printer->PrinterNames().isEmpty()) {
        QueueMessageBox(f,
                        MlText(f, 2798, "No PC printers available. Please add printer in Windows printer settings."),
                        "Info", 0);
        return;
    }
    PrintSetup setup = link.CurrentPrinter;
    if (!printer->ShowPrintDialog(ownerForm, flags, setup)) return;
    link.CurrentPrinter = setup;
    const int topMargin = Margin(f, "PCPrnTopMargin", "3");
    const int leftMargin = Margin(f, "PCPrnLeftMargin", "5");
    if (printer->PrintLinesWith(setup, PcPrintLines(text, topMargin, leftMargin))) throw PrintFailed{};
}

}  // namespace

void SaveToFile(Link& link, QWidget* ownerForm, const QString& text, const QString& defaultFileName,
                const QString& dialogTitle, QString& initialFolder) {
    Foundation& f = link.F;
    if (initialFolder.isEmpty()) initialFolder = f.gSavedFilesDir;
    if (f.Os.Files == nullptr) return;
    SaveFileRequest request;
    request.Title = dialogTitle;
    request.Folder = initialFolder;
    request.FileName = defaultFileName;
    request.DefaultSuffix = "txt";
    request.Filter = "All Files, (*.*) (*)";
    const QString path = f.Os.Files->GetSaveFileName(ownerForm, request);
    if (path.isEmpty()) return;

    const FileError e = WriteFileAtomic(path, f.Os.Codec.Encode(text));
    if (e.number == kErrDiskFull) {
        QueueMessageBox(f,
                        MlText(f, 2797, "(CommonDialogs.SaveToFile) Error: Not enough disk space.") + "\r\n" +
                            MlText(f, 2796, "Due to this error, the text can not be saved."),
                        MlText(f, 2544, "Error"), 0);
        return;
    }
    if (e) {
        ShowFileErrorBox(f, "CommonDialogs.SaveToFile", e, path);
        return;
    }
    f.gSavedFilesDir = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    SetIniValue(f, "[Saved files]", f.gSavedFilesDir, true);
}

void PrintText(Link& link, QWidget* ownerForm, const QString& text, int flags) {
    Foundation& f = link.F;
    try {
        bool useTransceiver = UseMesPrinter(f);
        const int product = f.gSession.ProductType();
        if (product == 4 || product == 5) useTransceiver = false;
        if (useTransceiver)
            PrintOnTransceiver(link, text);
        else
            PrintOnPc(link, ownerForm, text, flags);
    } catch (const PrintFailed&) {
        QueueMessageBox(f, MlText(f, 2799, "Error occurred when printing. The text might not have been printed"),
                        MlText(f, 2544, "Error"), 0);
    }
}

}  // namespace tidepost
