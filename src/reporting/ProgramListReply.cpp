#include "reporting/ProgramListReply.h"

#include <QPushButton>

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/UsefullRoutines.h"
#include "link/Link.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

// The slots start at the 22nd character of a program line.
constexpr int kSlotColumn = 22;

bool Has(const QString& text, const char* word) { return text.contains(QLatin1String(word), Qt::CaseInsensitive); }

// Line n of the program text, with every CR and LF removed.
QString ProgramTextLine(int n, const QString& text, const QString& echoTerminator) {
    QString line = GetLine(n, text, echoTerminator);
    line.remove(QChar('\r'));
    return line;
}

}  // namespace

QString PadLeft(QString& text, int width, QChar padChar) {
    if (text.size() < width) text.prepend(QString(width - text.size(), padChar));
    return text;
}

ProgramLine ParseProgramLine(const QString& line) {
    ProgramLine p;
    // In this order; a later hit overrides an earlier one.
    if (Has(line, "closed")) p.TypeCode = "1";
    if (Has(line, "local")) p.TypeCode = "2";
    if (Has(line, "remote")) p.TypeCode = "3";
    if (Has(line, "PU[i")) p.StatusCode = "2";
    if (Has(line, "CN[i")) p.StatusCode = "2";
    if (Has(line, "PU[s")) p.StatusCode = "3";
    if (Has(line, "CN[s")) p.StatusCode = "3";
    if (Has(line, "none")) p.StatusCode = "1";
    if (Has(line, "PU[-")) p.StatusCode = "1";
    if (Has(line, "PU")) p.Prefix = "PU-";
    else if (Has(line, "CN")) p.Prefix = "ADS-";

    // The line's last character is not part of the slots.
    const QString slotText = line.size() > kSlotColumn ? line.mid(kSlotColumn - 1, line.size() - kSlotColumn) : QString();
    for (int s = 0; s < 4; ++s) {
        const QString slot = GetField(s + 1, " ", slotText);
        QString les = GetField(1, ",", slot);
        p.Slots[s] = {PadLeft(les, 3, '0'), GetField(2, ",", slot), GetField(3, ",", slot)};
    }
    return p;
}

ProgramList ParseProgramList(const QString& reply, const QString& echoTerminator) {
    ProgramList list;
    if (reply.contains(QLatin1String("ERROR 120"), Qt::CaseInsensitive)) {
        list.Refused = true;
        return list;
    }
    const qsizetype header = reply.indexOf(QLatin1String("Connection"));
    if (header < 0) return list;
    list.HasHeader = true;
    // From the header word to the end of the reply, less its last character.
    const QString text = reply.mid(header, reply.size() - header - 1);
    for (int i = 0; i < 4; ++i) list.Programs[i] = ParseProgramLine(ProgramTextLine(i + 2, text, echoTerminator));
    return list;
}

int SlotOcean(const QString& les) {
    if (les.isEmpty() || les == QLatin1String("000")) return -1;
    const QChar first = les.at(0);
    return first >= '0' && first <= '3' ? first.digitValue() : -1;
}

void HandleProgramListReply(Reporting& r, const QString& reply) {
    const ProgramList list = ParseProgramList(reply, r.L.Dialogue.EchoTerminator);
    if (list.Refused) {
        QueueMessageBox(r.F, "Feature not supported", "Error", 0);
        UnloadWaitForm(r.L);
        return;
    }
    PUReportingForm& form = r.PUReportingForms.get();
    form.ClearRows();
    if (!list.HasHeader) {
        UnloadWaitForm(r.L);
        return;
    }
    for (int i = 0; i < PUReportingForm::kPrograms; ++i) {
        const ProgramLine& line = list.Programs[i];
        // A line without a type word or status token keeps what the program had.
        const QString type = line.TypeCode.isEmpty() ? form.TypeCode(i) : line.TypeCode;
        const QString status = line.StatusCode.isEmpty() ? form.StatusCode(i) : line.StatusCode;
        form.SetProgramType(i, type, line.Prefix);
        form.SetProgramStatus(i, status);
        form.ApplyButtonTable(i);
        form.StatusButton(i)->setEnabled(type != QLatin1String("1"));
        for (const ProgramSlot& slot : line.Slots) {
            const int ocean = SlotOcean(slot.Les);
            if (ocean >= 0) form.SetRow(i, ocean, slot.Les, slot.Dnid, slot.Member);
        }
    }
    UnloadWaitForm(r.L);
    ShowReportingWindow(r, form);
}

}  // namespace tidepost
