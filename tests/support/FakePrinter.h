#pragma once
#include <QList>
#include <QStringList>

#include "platform/IPrinter.h"

namespace tidepost::test {

// Records every job and prints nothing. Set Failure to make every job fail with it. The print
// dialog answers with DialogChoice (DialogAccepts false: cancelled) and records what it was
// pre-set to.
class FakePrinter : public IPrinter {
public:
    PrinterError PrintLines(const QStringList& lines) override { return PrintLinesWith(PrintSetup{}, lines); }
    PrinterError PrintLinesWith(const PrintSetup& setup, const QStringList& lines) override {
        if (Failure) return Failure;
        Jobs.append(lines);
        JobSetups.append(setup);
        return {};
    }
    QStringList PrinterNames() override { return Names; }
    bool ShowPrintDialog(QWidget*, int flags, PrintSetup& setup) override {
        ++DialogsShown;
        DialogFlags = flags;
        DialogPreset = setup;
        if (!DialogAccepts) return false;
        setup = DialogChoice;
        return true;
    }
    // The lines of the last job joined by LF; "" when nothing was printed.
    QString LastJob() const { return Jobs.isEmpty() ? QString() : Jobs.last().join(QLatin1Char('\n')); }

    QList<QStringList> Jobs;
    QList<PrintSetup> JobSetups;
    PrinterError Failure;
    QStringList Names{QStringLiteral("Office")};
    bool DialogAccepts = true;
    PrintSetup DialogChoice{QStringLiteral("Office")};
    PrintSetup DialogPreset;
    int DialogFlags = -1;
    int DialogsShown = 0;
};

}  // namespace tidepost::test
