#pragma once
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "sim/ShellLineReader.h"
#include "sim/SimDnids.h"
#include "sim/SimEgcStore.h"
#include "sim/SimMessageReporting.h"
#include "sim/SimMessageStore.h"
#include "sim/SimReportingPrograms.h"
#include "sim/SimTransceiver.h"
#include "sim/SimUploads.h"

namespace tidepost::sim {

// The line end the shell puts after the echo of a command.
enum class EchoEnd { Lf, CrLf, CrCrLf };
QString EchoEndText(EchoEnd end);
// "lf", "crlf" or "crcrlf" (any case); nothing for another text.
std::optional<EchoEnd> ParseEchoEnd(const QString& name);

// One entry of the transceiver's status list.
struct Notification {
    QString Kind;    // "INFO" or "ERROR"
    QString Number;  // as the transceiver writes it: "80", "  80" and "080" all occur
    QString Text;    // may run over several lines, joined by CR LF here and by the shell's line end when sent
};

class SimShell;

// One command the shell knows: a line equal to Text (with Prefix, any line beginning with it;
// with IgnoreCase, in any letter case) is answered with the body that Reply builds, between the
// echo and the prompt.
struct SimCommand {
    QString Text;
    bool Prefix = false;
    std::function<QString(SimShell& shell, const QString& line)> Reply;
    bool IgnoreCase = false;
};

// The commands of the simulated transceiver, tried in this order.
const QList<SimCommand>& SimCommandTable();

// The transceiver's command shell: reads command lines, echoes each followed by EchoTerminator,
// answers, and ends every reply with the prompt. Text is one character per byte (Latin-1).
class SimShell {
public:
    using Writer = std::function<void(const QByteArray&)>;
    explicit SimShell(Writer write = {}) : m_write(std::move(write)) {}
    void SetWriter(Writer write) { m_write = std::move(write); }

    // Bytes written by the program.
    void Receive(const QByteArray& bytes);
    // The whole reply to one command line, as the shell sends it (before any cut).
    QString ReplyTo(const QString& line);
    // Sends bytes of its own, outside any reply (see SimBabble).
    void Write(const QByteArray& bytes) {
        if (m_write && !bytes.isEmpty()) m_write(bytes);
    }

    void AddInfo(const QString& number, const QString& text) { Notifications.append({"INFO", number, text}); }
    void AddError(const QString& number, const QString& text) { Notifications.append({"ERROR", number, text}); }
    // The status-list entries not yet reported; each is reported by one "st -l".
    QList<Notification> Notifications;

    QString EchoTerminator = "\r\n";
    QString Prompt = "can0:/$ ";
    // Reads and drops every line: no echo, no reply.
    bool Mute = false;
    // The next reply stops after this many characters and the rest is never sent; -1: no cut.
    int CutNextReplyAfter = -1;
    // The transceiver's application has restarted: the next reply carries the line it prints then
    // (kRestartLine), right after the echo.
    bool RestartPending = false;
    static inline const QString kRestartLine = QStringLiteral("Starting application program.");
    // What the transceiver reports about itself and its state.
    SimTransceiver Transceiver;
    // The received messages waiting in its file system.
    SimMessageStore Inbox;
    // The EGC broadcasts waiting in its file system.
    SimEgcStore EgcStore;
    // The files the program uploaded and the answer to the next submission.
    SimUploadStore Uploads;
    // The position and data reporting programs ("pg").
    SimReportingPrograms ReportingPrograms;
    // The DNID list ("st -d") and the entries of the next program set up ("pg -o").
    SimDnidStore DnidStore;
    // Message reporting ("rs").
    SimMessageReporting MessageReporting;
    // Commands of this shell only, tried before the common table.
    QList<SimCommand> ExtraCommands;
    // Every command line read, in order, mute or not; and every byte, uploads included.
    QStringList Received;
    QByteArray ReceivedBytes;
    // The texts the transceiver's printer printed ("print <file> -d").
    QStringList Printed;
    // The printer settings the program set ("se -z KEY=VALUE"), by key.
    QMap<QString, QString> PrinterSettings;
    // The delivery confirmations asked for ("co <reference> <LES>"), each as its command line.
    QStringList ConfirmationRequests;
    // The link of the next upload is cut after this many of its bytes: the shell turns Mute and
    // the file is never stored. -1: no cut.
    int CutUploadAfter = -1;
    // An upload is being read: its bytes so far and how many are still to come.
    bool UploadInProgress() const { return m_upload.has_value(); }
    // A command that asked a question (a password, a number): the next line read is its answer,
    // handed here instead of to the command table; the handler returns all that is sent back.
    std::function<QString(SimShell& shell, const QString& line)> NextLine;
    // Told of each of those lines as it is read.
    std::function<void(const QString& line)> OnLineRead;

    // The line end of the lines of a reply body. A shell may end them the way it ends the echo
    // line, or always with CR LF whatever follows the echo.
    QString LineEnd = QStringLiteral("\r\n");

private:
    struct PendingUpload {
        QString Name;
        qsizetype Left = 0;
        QByteArray Bytes;
    };
    void ReadLine(const QString& line);
    void ReadUpload(const QByteArray& bytes);
    void Answer(QString reply);

    Writer m_write;
    ShellLineReader m_reader;
    std::optional<PendingUpload> m_upload;
};

}  // namespace tidepost::sim
