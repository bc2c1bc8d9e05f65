#pragma once
#include <QList>
#include <QStringList>

#include "platform/IPrinter.h"

namespace tidepost::test {

// Records every job and prints nothing. Set Failure to make every job fail with it.
class FakePrinter : public IPrinter {
public:
    PrinterError PrintLines(const QStringList& lines) override {
        if (Failure) return Failure;
        Jobs.append(lines);
        return {};
    }
    // The lines of the last job joined by LF; "" when nothing was printed.
    QString LastJob() const { return Jobs.isEmpty() ? QString() : Jobs.last().join(QLatin1Char('\n')); }

    QList<QStringList> Jobs;
    PrinterError Failure;
};

}  // namespace tidepost::test
