#include "sim/SimUploadCommands.h"

#include <QStringList>

namespace tidepost::sim {

namespace {

QString Blanks(int n) { return QString(n, ' '); }

// First layout, columns from 1: the name and extension 1-12 (name 1-8, "." 9), size 18-22
// right-aligned, date 25-32, time 35-39; a header before and the free space after.
// Second layout: the name 1-13, "." 14, extension 15-17, date 37-44, time 47-51, then the size
// right-aligned up to " bytes".
QString ListingBody(const SimShell& shell, const SimUpload& f) {
    const QString base = f.Name.section('.', 0, 0);
    const QString ext = f.Name.section('.', 1);
    const QString date = f.Written.toString("yy-MM-dd");
    const QString time = f.Written.toString("hh:mm");
    const QString size = QString::number(f.Text.size());
    if (shell.Inbox.ListingLayout == 2)
        return "Directory of " + f.Name + shell.LineEnd + base.leftJustified(13) + "." + ext.leftJustified(3) +
               Blanks(19) + date + Blanks(2) + time + size.rightJustified(8) + " bytes" + shell.LineEnd + "1 file(s)" +
               shell.LineEnd;
    return "Name     Num     Size  Date      Time" + shell.LineEnd + base.leftJustified(8) + "." + ext.leftJustified(3) +
           Blanks(5) + size.rightJustified(5) + Blanks(2) + date + Blanks(2) + time + shell.LineEnd +
           QString::number(shell.Inbox.BytesFree).rightJustified(10) + " bytes free" + shell.LineEnd;
}

QString List(SimShell& shell, const QString& line) {
    const QString name = line.section(' ', 1, 1, QString::SectionSkipEmpty);
    const SimUpload* f = shell.Uploads.Find(name);
    if (f == nullptr) return "ls: " + name + ": no such file" + shell.LineEnd;
    return ListingBody(shell, *f);
}

// The submission: refused with the chosen error line, once, or accepted without a word.
QString Submit(SimShell& shell, const QString& line) {
    const QString name = line.section(' ', 1, 1, QString::SectionSkipEmpty);
    if (!shell.Uploads.NextTxError.isEmpty()) {
        const QString error = shell.Uploads.NextTxError;
        shell.Uploads.NextTxError.clear();
        return error + shell.LineEnd;
    }
    if (shell.Uploads.Find(name) == nullptr) return "ERROR 101: File not found" + shell.LineEnd;
    shell.Uploads.Submitted.append(name);
    return {};
}

// What comes to a well-formed upload command is read by the shell itself (SimShell::Receive); an
// ill-formed one is refused.
QString UploadUsage(SimShell& shell, const QString&) { return "tr: usage: tr <file> -b <bytes>" + shell.LineEnd; }

// The transceiver's printer prints an uploaded file.
QString Print(SimShell& shell, const QString& line) {
    const QString name = line.section(' ', 1, 1, QString::SectionSkipEmpty);
    const SimUpload* f = shell.Uploads.Find(name);
    if (f == nullptr) return "print: " + name + ": no such file" + shell.LineEnd;
    shell.Printed.append(f->Text);
    return {};
}

// A printer setting: "se -z KEY=VALUE" is kept and answered with the prompt alone.
QString PrinterSetting(SimShell& shell, const QString& line) {
    const QString assignment = line.mid(6).trimmed();
    const qsizetype eq = assignment.indexOf('=');
    if (eq <= 0) return "se: usage: se -z KEY=VALUE" + shell.LineEnd;
    shell.PrinterSettings.insert(assignment.left(eq), assignment.mid(eq + 1));
    return {};
}

// "set -z": the printer settings, each "KEY=VALUE" on a line, as the program last set them.
QString PrinterReport(SimShell& shell, const QString&) {
    static const QList<std::pair<const char*, const char*>> defaults = {
        {"PRINTER", "YES"}, {"FFEED", "NO"}, {"PLINES", "53"}, {"PRTYPEMAX", "70"}, {"PRTYPEREM", "3"}};
    QString body;
    for (const auto& [key, value] : defaults)
        body += QString(key) + "=" + shell.PrinterSettings.value(key, value) + shell.LineEnd;
    return body;
}

bool IsPlainName(const QString& name) {
    if (name.isEmpty() || name.startsWith('.')) return false;
    for (QChar c : name)
        if (!c.isLetterOrNumber() && c != '.' && c != '_' && c != '-') return false;
    return true;
}

}  // namespace

std::optional<UploadCommand> ParseUploadCommand(const QString& line) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (words.size() != 4 || words.at(0) != "tr" || words.at(2) != "-b" || !IsPlainName(words.at(1))) return {};
    bool ok = false;
    const qlonglong size = words.at(3).toLongLong(&ok);
    if (!ok || size < 0 || size > 10'000'000) return {};
    return UploadCommand{words.at(1), static_cast<qsizetype>(size)};
}

QString DeleteUpload(SimShell& shell, const QString& name) {
    if (shell.Uploads.Remove(name)) return {};
    return "delete: " + name + ": no such file" + shell.LineEnd;
}

const QList<SimCommand>& SimUploadCommands() {
    static const QList<SimCommand> commands = {
        {"ls ", true, List},
        {"tx ", true, Submit},
        {"tr ", true, UploadUsage},
        {"print ", true, Print},
        {"se -z ", true, PrinterSetting},
        {"set -z", false, PrinterReport},
    };
    return commands;
}

}  // namespace tidepost::sim
