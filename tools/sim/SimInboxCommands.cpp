#include "sim/SimInboxCommands.h"
#include "sim/SimUploadCommands.h"

#include <QRegularExpression>

namespace tidepost::sim {

namespace {

QString Blanks(int n) { return QString(n, ' '); }

QString Date(const QDateTime& t) { return t.toString("yy-MM-dd"); }
QString Time(const QDateTime& t) { return t.toString("hh:mm"); }

// First layout, columns from 1: name 1-8, "." 9, number 10-12, size 18-22 (right-aligned),
// date 25-32, time 35-39.
QString FirstLayoutLine(const SimMessage& m) {
    return QString("IN").leftJustified(8) + "." + m.FileNumber() + Blanks(5) +
           QString::number(m.Size()).rightJustified(5) + Blanks(2) + Date(m.Received) + Blanks(2) + Time(m.Received);
}

// Second layout: name 1-13, "." 14, number 15-17, date 37-44, time 47-51, then the size
// right-aligned from column 52 up to " bytes".
QString SecondLayoutLine(const SimMessage& m) {
    return QString("IN").leftJustified(13) + "." + m.FileNumber() + Blanks(19) + Date(m.Received) + Blanks(2) +
           Time(m.Received) + QString::number(m.Size()).rightJustified(8) + " bytes";
}

QString Listing(SimShell& shell, const QString&) {
    const SimMessageStore& store = shell.Inbox;
    QString body;
    if (store.ListingLayout == 2) {
        body += "Directory of IN.*" + shell.LineEnd;
        for (const SimMessage& m : store.Messages) body += SecondLayoutLine(m) + shell.LineEnd;
        body += QString::number(store.Messages.size()) + " file(s)" + shell.LineEnd;
    } else {
        body += "Name     Num     Size  Date      Time" + shell.LineEnd;
        for (const SimMessage& m : store.Messages) body += FirstLayoutLine(m) + shell.LineEnd;
        body += QString::number(store.BytesFree).rightJustified(10) + " bytes free" + shell.LineEnd;
    }
    return body;
}

// Message log, columns from 1: station 1-3, digit 6, priority 8, presentation 10, date 12-19,
// time 22-26, size 28-32, reference 34-41, digit 43, routing 45-52, file name 54-59.
QString LogLine(const SimMessage& m) {
    return QString::number(m.Les).rightJustified(3, '0') + Blanks(2) + QString::number(m.Column6) + " " +
           QString::number(m.Priority) + " " + QString::number(m.Presentation) + " " + Date(m.Received) + Blanks(2) +
           Time(m.Received) + " " + QString::number(m.Size()).rightJustified(5) + " " +
           QString::number(m.Reference).rightJustified(8) + " " + QString::number(m.Column43) + " " +
           m.Routing.leftJustified(8, ' ', true) + " IN." + m.FileNumber();
}

QString MessageLog(SimShell& shell, const QString&) {
    QString body = "LES  C P F Date      Time  Size  Ref.     D Routing  File" + shell.LineEnd;
    for (const SimMessage& m : shell.Inbox.Messages) body += LogLine(m) + shell.LineEnd;
    return body;
}

// The message number of a file name "IN.nnn" (any letter case); -1 for another name.
int FileNumber(const QString& name) {
    static const QRegularExpression pattern("^IN\\.(\\d{3})$", QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString NoSuchFile(const SimShell& shell, const QString& command, const QString& name) {
    return command + ": " + name + ": no such file" + shell.LineEnd;
}

// The echo, two header lines, then the text as stored; the prompt follows the text directly.
QString Fetch(SimShell& shell, const QString& line) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    const QString name = words.value(1);
    for (const QString& option : words.mid(2))
        if (option != "-b" && option != "-k") return "ty: unknown option " + option + shell.LineEnd;
    const SimMessage* m = shell.Inbox.Find(FileNumber(name));
    if (m == nullptr) return NoSuchFile(shell, "ty", name);
    return "File IN." + m->FileNumber() + ", " + QString::number(m->Size()) + " characters" + shell.EchoTerminator +
           "From LES " + QString::number(m->Les).rightJustified(3, '0') + ", reference " +
           QString::number(m->Reference) + shell.EchoTerminator + m->Body;
}

QString Delete(SimShell& shell, const QString& line) {
    const QString name = line.section(' ', 1, 1, QString::SectionSkipEmpty);
    const int number = FileNumber(name);
    if (number < 0) return DeleteUpload(shell, name);
    if (shell.Inbox.Find(number) == nullptr) return NoSuchFile(shell, "delete", name);
    if (shell.Inbox.KeepNextDelete) shell.Inbox.KeepNextDelete = false;
    else shell.Inbox.Remove(number);
    return {};
}

}  // namespace

const QList<SimCommand>& SimInboxCommands() {
    static const QList<SimCommand> commands = {
        {"ls IN.*", false, Listing},
        {"st -r", false, MessageLog},
        {"ty IN.", true, Fetch},
        {"delete ", true, Delete, true},
    };
    return commands;
}

}  // namespace tidepost::sim
