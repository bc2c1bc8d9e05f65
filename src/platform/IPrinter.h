#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace tidepost {

// The classic run-time number of a failed print job.
inline constexpr int kErrPrinter = 482;

// What became of a print job; number 0 when it was handed to the printing system.
struct PrinterError {
    int number = 0;
    QString description;
    explicit operator bool() const { return number != 0; }
};

// What the user chose in the print dialog, and what a job is printed with.
struct PrintSetup {
    QString PrinterName;  // "": the system's default printer
    int Copies = 1;
    bool Landscape = false;
    // 0 one-sided, 1 long edge, 2 short edge
    int Duplex = 0;
};

// The PC's printers.
class IPrinter {
public:
    virtual ~IPrinter() = default;
    // Prints the lines, in order, as one document on the system's default printer and returns
    // once the job is spooled (it never waits for the printer itself).
    virtual PrinterError PrintLines(const QStringList& lines) = 0;
    // The same on the printer and with the settings of `setup`.
    virtual PrinterError PrintLinesWith(const PrintSetup& setup, const QStringList& lines) = 0;
    // The names of the printers the system knows; empty when there is none.
    virtual QStringList PrinterNames() = 0;
    // The system's print dialog, owned by `owner` and pre-set from `setup`; false when cancelled.
    // `flags` are the caller's dialog options (0: the usual ones).
    virtual bool ShowPrintDialog(QWidget* owner, int flags, PrintSetup& setup) = 0;
};

}  // namespace tidepost
