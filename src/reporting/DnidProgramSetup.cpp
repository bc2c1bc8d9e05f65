#include "reporting/DnidProgramSetup.h"

#include <QComboBox>
#include <QCheckBox>

#include "foundation/Foundation.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "reporting/DNIDPUProgramForm.h"
#include "reporting/PUReportingActions.h"
#include "reporting/ProgramListReply.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

// Columns from..to (1-based) without blanks, padded with "0" to width.
QString Digits(const QString& line, int from, int to) {
    QString text = RemoveSpaces(line.mid(from - 1, to - from + 1));
    return PadLeft(text, to - from + 1, '0');
}

// A text's number kept when it lies in 0..max, else the text becomes "00".
int Repair(QString& text, int max) {
    const qint64 n = LeadingNumber(text);
    if (n < 0 || n > max) {
        text = "00";
        return 0;
    }
    return static_cast<int>(n);
}

bool GivesTime(const QString& text) { return !text.isEmpty() && text != QLatin1String("00"); }

}  // namespace

bool ReadDnidProgramLine(const QString& line, DnidProgramItem& item) {
    const QString provider = line.left(25).leftJustified(25, ' ');
    const QString les = Digits(line, 31, 33);
    const QString dnid = Digits(line, 35, 39);
    const QString member = Digits(line, 43, 45);
    if (!IsAllDigits(les) || !IsAllDigits(dnid) || !IsAllDigits(member)) return false;
    const int number = les.toInt();
    if (number <= 0 || number >= 400) return false;
    item.Ocean = number / 100;
    item.Text = provider + ' ' + les + ' ' + dnid + ' ' + member;
    item.Entry = les + ',' + dnid + ',' + member;
    return true;
}

QStringList DnidProgramLines(const QString& block, const QString& echoTerminator) {
    if (echoTerminator.isEmpty()) return {};
    QStringList lines = block.split(echoTerminator);
    if (lines.size() < 3) return {};
    lines = lines.mid(1, lines.size() - 2);
    for (QString& line : lines) {
        line.remove('\r');
        line.remove('\n');
    }
    return lines;
}

int ReportTimeUnits(int hours, int minutes) {
    // seconds / 8.64 = seconds * 25 / 216, worked out exactly.
    const qint64 scaled = (static_cast<qint64>(hours) * 3600 + static_cast<qint64>(minutes) * 60) * 25;
    qint64 units = scaled / 216;
    const qint64 rest = scaled % 216;
    if (rest * 2 > 216 || (rest * 2 == 216 && units % 2 != 0)) ++units;
    return static_cast<int>(units);
}

QStringList NewProgramCommands(NewProgramSetup& s) {
    if (s.Program < 0 || s.Program > 3) return {};
    QString list;
    for (int ocean = 0; ocean < 4; ++ocean) {
        if (s.Entries[ocean].isEmpty()) continue;
        list += s.Entries[ocean];
        if (ocean < 3) list += ' ';
    }
    if (list.isEmpty()) return {};
    QStringList commands{"pg -o \"" + list + '"'};
    const int startHour = Repair(s.StartHour, 23);
    const int startMinute = Repair(s.StartMinute, 59);
    const int intervalHour = Repair(s.IntervalHour, 23);
    const int intervalMinute = Repair(s.IntervalMinute, 59);
    const int start = ReportTimeUnits(startHour, startMinute);
    const int interval = qMax(20, ReportTimeUnits(intervalHour, intervalMinute));
    const QString n = QString::number(s.Program);
    if (!s.Immediately && (GivesTime(s.StartHour) || GivesTime(s.StartMinute))) {
        commands << QString("pg -p %1,%2,%3").arg(n).arg(interval).arg(start);
    } else {
        commands << QString("pg -p %1,%2").arg(n).arg(interval);
        commands << QString("pg -i %1,P").arg(n);
    }
    return commands;
}

void FillDnidProgramForm(Reporting& r, const QString& block) {
    DNIDPUProgramForm& form = r.DNIDPUProgramForms.get();
    for (int ocean = 0; ocean < 4; ++ocean) form.OceanList(ocean)->clear();
    form.StartHour->setEditText("00");
    form.StartMinute->setEditText("00");
    form.IntervalHour->setEditText("01");
    form.IntervalMinute->setEditText("00");
    if (r.F.gSession.MesConnected()) {
        // The lowest closed program, whichever New was pressed.
        int program = -1;
        if (const PUReportingForm* programs = r.PUReportingForms.loaded()) {
            for (int i = PUReportingForm::kPrograms - 1; i >= 0; --i)
                if (programs->TypeCode(i) == QLatin1String("1")) program = i;
        }
        form.SetProgram(program);
    }
    for (const QString& line : DnidProgramLines(block, r.L.Dialogue.EchoTerminator)) {
        DnidProgramItem item;
        if (ReadDnidProgramLine(line, item)) form.OceanList(item.Ocean)->addItem(item.Text, item.Entry);
    }
    form.SetData();
    UnloadWaitForm(r.L);
    ShowReportingWindow(r, form);
}

void PrepareNewProgram(Reporting& r) {
    DNIDPUProgramForm& form = r.DNIDPUProgramForms.get();
    form.StartCheck->setChecked(true);
    form.StartHour->setEnabled(false);
    form.StartMinute->setEnabled(false);
}

void SaveNewProgram(Reporting& r) {
    DNIDPUProgramForm* form = r.DNIDPUProgramForms.loaded();
    if (!form) return;
    ILinkWindow* window = r.L.Windows.Window;
    if (r.F.gSession.MesConnected()) {
        if (window) {
            QString text = r.F.Strings.GetMlString(2634, "Saving PU Settings in Modem.");
            window->ShowPleaseWait(text.isEmpty() ? QString("Saving PU Settings in Modem.") : text);
        }
        NewProgramSetup setup;
        setup.Program = form->ProgramIndex;
        for (int ocean = 0; ocean < 4; ++ocean) setup.Entries[ocean] = form->ChosenEntry(ocean);
        setup.StartHour = form->StartHour->currentText();
        setup.StartMinute = form->StartMinute->currentText();
        setup.IntervalHour = form->IntervalHour->currentText();
        setup.IntervalMinute = form->IntervalMinute->currentText();
        setup.Immediately = form->StartCheck->isChecked();
        const QStringList commands = NewProgramCommands(setup);
        if (!commands.isEmpty()) {
            form->StartHour->setEditText(setup.StartHour);
            form->StartMinute->setEditText(setup.StartMinute);
            form->IntervalHour->setEditText(setup.IntervalHour);
            form->IntervalMinute->setEditText(setup.IntervalMinute);
        }
        for (const QString& command : commands) QueueCommand(r.L, command, true, false);
        if (window && window->IsPleaseWaitVisible()) window->HidePleaseWait();
    }
    OpenPUReporting(r);
    r.DNIDPUProgramForms.unload();
}

}  // namespace tidepost
