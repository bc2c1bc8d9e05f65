#pragma once
#include <QString>
#include <QStringList>

namespace tidepost {

// The classic run-time number of a failed print job.
inline constexpr int kErrPrinter = 482;

// What became of a print job; number 0 when it was handed to the printing system.
struct PrinterError {
    int number = 0;
    QString description;
    explicit operator bool() const { return number != 0; }
};

// The PC's printer, as the program prints on it: without asking the user anything.
class IPrinter {
public:
    virtual ~IPrinter() = default;
    // Prints the lines, in order, as one document on the system's default printer and returns
    // once the job is spooled (it never waits for the printer itself).
    virtual PrinterError PrintLines(const QStringList& lines) = 0;
};

}  // namespace tidepost
