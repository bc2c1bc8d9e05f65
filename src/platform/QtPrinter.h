#pragma once
#include <functional>

class QPrinter;

#include "platform/IPrinter.h"

namespace tidepost {

// QPrinter on the system's default printer (CUPS): half-inch margins, "Courier New" 10 pt or the
// system's fixed-pitch font where that is missing, as many pages as the lines need. A line wider
// than the page goes on over the next lines rather than being cut off at the edge. Without a
// default printer the job fails with error 482 "Printer error".
class QtPrinter : public IPrinter {
public:
    PrinterError PrintLines(const QStringList& lines) override;
    PrinterError PrintLinesWith(const PrintSetup& setup, const QStringList& lines) override;
    QStringList PrinterNames() override;
    // QPrintDialog with the printer, copies, orientation and duplex mode.
    bool ShowPrintDialog(QWidget* owner, int flags, PrintSetup& setup) override;

    // The name of the printer a job goes to; "" when there is none. By default the system's
    // default printer; a test sets its own, so that no job ever reaches a real printer.
    std::function<QString()> DefaultPrinterName;
    // When set, jobs are written as PDF to this file instead of going to a printer.
    QString OutputFile;

private:
    PrinterError Print(QPrinter& printer, const QStringList& lines);
};

}  // namespace tidepost
