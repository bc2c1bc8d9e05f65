#include "sim/SimEgcCommands.h"

#include <QRegularExpression>

namespace tidepost::sim {

namespace {

QString Blanks(int n) { return QString(n, ' '); }
QString Date(const QDateTime& t) { return t.toString("yy-MM-dd"); }
QString Time(const QDateTime& t) { return t.toString("hh:mm"); }

// First layout, as the inbox's with the stem "EGC": name 1-8, "." 9, number 10-12, size 18-22
// (right-aligned), date 25-32, time 35-39.
QString FirstLayoutLine(const SimEgc& e) {
    return QString("EGC").leftJustified(8) + "." + e.FileName().mid(4) + Blanks(5) +
           QString::number(e.Size()).rightJustified(5) + Blanks(2) + Date(e.Received) + Blanks(2) + Time(e.Received);
}

// Second layout: the name padded to 36 columns, the date, two blanks, the time, the size and
// " bytes".
QString SecondLayoutLine(const SimEgc& e) {
    return e.FileName().leftJustified(36) + Date(e.Received) + Blanks(2) + Time(e.Received) +
           QString::number(e.Size()) + " bytes";
}

QString Listing(SimShell& shell, const QString&) {
    const SimEgcStore& store = shell.EgcStore;
    QString body;
    if (store.ListingLayout == 2) {
        body += "Directory of EGC.*" + shell.LineEnd;
        for (const SimEgc& e : store.Egcs) body += SecondLayoutLine(e) + shell.LineEnd;
        body += QString::number(store.Egcs.size()) + " file(s)" + shell.LineEnd;
    } else {
        body += "Name     Num     Size  Date      Time" + shell.LineEnd;
        for (const SimEgc& e : store.Egcs) body += FirstLayoutLine(e) + shell.LineEnd;
        body += QString::number(store.BytesFree).rightJustified(10) + " bytes free" + shell.LineEnd;
    }
    return body;
}

// The twelve blank-separated columns of an EGC's log line.
QString LogLine(const SimEgc& e) {
    return QStringList{QString::number(e.Les).rightJustified(3, '0'), QString::number(e.Service),
                       QString::number(e.Priority), QString::number(e.Language), Date(e.Received), Time(e.Received),
                       QString::number(e.Size()), QString::number(e.Reference), QString::number(e.Column9),
                       QString::number(e.Column10), e.Routing, e.FileName()}
        .join(' ');
}

// The log's lines end as the echo line does.
QString EgcLog(SimShell& shell, const QString&) {
    QString body = "LES Svc Pri Lang Date     Time  Size  Ref   C9 C10 Routing File" + shell.EchoTerminator;
    for (const SimEgc& e : shell.EgcStore.Egcs) body += LogLine(e) + shell.EchoTerminator;
    return body;
}

// The number of a name "EGC.nnn" (any letter case); -1 for another name.
int EgcNumber(const QString& name) {
    static const QRegularExpression pattern("^EGC\\.(\\d{3})$", QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString NoSuchFile(const SimShell& shell, const QString& command, const QString& name) {
    return command + ": " + name + ": no such file" + shell.LineEnd;
}

// The echo, two lines, then the text as stored; the prompt follows the text directly.
QString Fetch(SimShell& shell, const QString& line) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    const QString name = words.value(1);
    for (const QString& option : words.mid(2))
        if (option != "-b" && option != "-k") return "ty: unknown option " + option + shell.LineEnd;
    const SimEgc* e = shell.EgcStore.Find(EgcNumber(name));
    if (e == nullptr) return NoSuchFile(shell, "ty", name);
    return "File " + e->FileName() + ", " + QString::number(e->Size()) + " characters" + shell.EchoTerminator +
           "From LES " + QString::number(e->Les).rightJustified(3, '0') + ", reference " +
           QString::number(e->Reference) + shell.EchoTerminator + e->Text;
}

QString Delete(SimShell& shell, const QString& line) {
    const QString name = line.section(' ', 1, 1, QString::SectionSkipEmpty);
    const int number = EgcNumber(name);
    if (number < 0 || !shell.EgcStore.Remove(number)) return NoSuchFile(shell, "delete", name);
    return {};
}

}  // namespace

const QList<SimCommand>& SimEgcCommands() {
    static const QList<SimCommand> commands = {
        {"ls EGC.*", false, Listing},
        {"st -e", false, EgcLog},
        {"ty EGC.", true, Fetch},
        {"delete EGC.", true, Delete, true},
    };
    return commands;
}

}  // namespace tidepost::sim
