// The transceiver simulator: a transceiver shell on a pseudo-terminal (the default; it prints
// "PTY <device>"), on a TCP port of 127.0.0.1 (--tcp; it prints "TCP 127.0.0.1:<port>"), or behind
// a terminal control unit on a TCP port of 127.0.0.1 (--tcu; it prints "TCU 127.0.0.1:<port>"),
// which --slp makes findable by service discovery on a UDP port of 127.0.0.1.
// Lines on standard input steer it while it runs:
//   info <number> <text>    add an INFO entry to the status list ("\n" in the text starts a line)
//   error <number> <text>   add an ERROR entry
//   echo lf|crlf|crcrlf     the line end after the echo of a command
//   lines lf|crlf|crcrlf    the line end of the lines of a reply
//   mute / unmute           stop / resume answering (the commands are still read)
//   cut <n>                 the next reply stops after n characters
//   restart                 the transceiver has restarted: the next reply carries the line
//                           "Starting application program." after its echo
//   babble <rate>|off       stream text without a prompt at <rate> characters a second
//   set <name> <value>      what the transceiver reports (model, mobile-type, solas, version, ...);
//                           "set les 101,102,112" the LESs it lists for its region ("st -n",
//                           "status -n"), each field printed as given; "set les-end no" leaves the
//                           empty line after the last LES out; "set route10 3" the routing
//                           mask of a class (10, 30, 31, 32, 33) in the "ro" menu; "set ro-omit
//                           31|header|none" what that menu leaves out
//   message [key=value ...] [text]   a received message in the inbox; keys number, les, c6,
//                           priority, presentation, date (yyyy-MM-ddThh:mm), ref, c43, routing,
//                           size (the listed size, when it is to differ from the text's length)
//   message-file [key=value ...] <path>   a received message whose text is the file's bytes
//                           exactly; keys as for "message"
//   listing 1|2             the layout of the inbox listing ("ls IN.*")
//   keep-next-delete        the next "delete IN.nnn" is answered but leaves the message in place
//   inbox                   print the messages now in the inbox
//   egc [key=value ...] [text]  an EGC in the transceiver's store; keys number, les, service,
//                           priority, language, date (yyyy-MM-ddThh:mm), ref, c9, c10, routing, size
//   egc-listing 1|2         the layout of the EGC listing ("ls EGC.*")
//   egcs                    print the EGCs now in the store
//   uploads                 print the uploaded files, the submitted ones and what was printed
//   cut-upload <n>          the line of the next upload goes dead after n of its bytes (mute)
//   test-mode normal|not-implemented|illegal   how the distress buttons test ("se -q") is taken
//   test-end                the test ends at the transceiver (INFO 803 in the next "st -l")
//   distress                print "test-mode on" or "test-mode off"
//   alert-form ids|auto     "se -m ALL_OCEANS" gives the "LES IDs" line, or the form of the unit's type
//   next-error <text>       that line, after a CR LF, in the next "se -g" or distress set reply
//                           ("set generator no": the unit has no distress generator)
//   slow <seconds>          the next reply trickles out over that time (at most 2 s a character;
//                           not with --tcu)
//   tcu-end-bridge          the unit's bridge program ends by itself (--tcu)
//   tcu-drop                the unit drops its client (--tcu)
//   tcu-answer, tcu-mute, tcu-unmute   the unit's answer to "minic -f" and its silence (--tcu;
//                           see sim/SimTcuControl.h)
//   program <n> <type> <status> [LES,DNID,member ...]   a reporting program (0 to 3);
//   pg-unsupported on|off   the "pg" commands answer ERROR 120 (see sim/SimReportingCommands.h)
//   dnid <provider>|<status>|<les>|<dnid>|<member>|<sub>|<channel>|<random>   a DNID of the list;
//   dnids clear             removes them (see sim/SimDnidCommands.h)
//   rs <option> <value>     a message reporting setting ("rs -m 1-12", "rs -f 1");
//   rs-unsupported on|off   every "rs" answers INFO 999 (see sim/SimMessageReportingCommands.h)
// --trace prints every line each shell reads.
//   quit
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <cstdio>
#include <memory>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "sim/SimBabble.h"
#include "sim/SimDnidCommands.h"
#include "sim/SimMessageReportingCommands.h"
#include "sim/SimReportingCommands.h"
#include "sim/SimDistressCommands.h"
#include "sim/SimShell.h"
#include "sim/SimSlpResponder.h"
#include "sim/SimTcu.h"
#include "sim/SimTcuControl.h"
#include "sim/SimTransport.h"

using namespace tidepost::sim;

namespace {

// "\n" starts a line; "\xHH" is the character of that hexadecimal code, for the STX (\x02) and
// ETX (\x03) that frame parts of a notification.
QString Unescape(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += "\r\n";
            ++i;
            continue;
        }
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            bool ok = false;
            const int code = text.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// "80:Transmission failed." → number "80", text "Transmission failed.".
bool AddEntry(SimShell& shell, const QString& kind, const QString& entry) {
    const qsizetype colon = entry.indexOf(':');
    if (colon < 0) return false;
    const QString number = entry.left(colon);
    const QString text = Unescape(entry.mid(colon + 1).trimmed());
    if (kind == "INFO") shell.AddInfo(number, text);
    else shell.AddError(number, text);
    return true;
}

void Print(const QString& line) {
    std::fputs((line + "\n").toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void Control(SimShell& shell, SimBabble& babble, SimTcuServer* tcu, OutputPacer* pacer, const QString& line) {
    const QString word = line.section(' ', 0, 0).toLower();
    const QString rest = line.section(' ', 1).trimmed();
    QString said;
    if (DistressControl(shell, word, rest, said)) {
        if (!said.isEmpty()) Print(said);
    } else if (word == "slow") {
        bool ok = false;
        const double seconds = rest.toDouble(&ok);
        if (ok && seconds > 0 && pacer) pacer->SlowNext(int(seconds * 1000));
        else Print("? slow <seconds> (not with --tcu)");
    } else if (word == "info" || word == "error") {
        const QString number = rest.section(' ', 0, 0);
        const QString text = Unescape(rest.section(' ', 1));
        if (word == "info") shell.AddInfo(number, text);
        else shell.AddError(number, text);
    } else if (word == "echo") {
        if (const auto end = ParseEchoEnd(rest)) shell.EchoTerminator = EchoEndText(*end);
        else Print("? echo lf|crlf|crcrlf");
    } else if (word == "lines") {
        if (const auto end = ParseEchoEnd(rest)) shell.LineEnd = EchoEndText(*end);
        else Print("? lines lf|crlf|crcrlf");
    } else if (word == "mute") {
        shell.Mute = true;
    } else if (word == "unmute") {
        shell.Mute = false;
    } else if (word == "cut") {
        bool ok = false;
        const int n = rest.toInt(&ok);
        if (ok && n >= 0) shell.CutNextReplyAfter = n;
        else Print("? cut <characters>");
    } else if (word == "restart") {
        shell.RestartPending = true;
    } else if (word == "babble") {
        bool ok = false;
        const int rate = rest.toInt(&ok);
        if (rest.compare("off", Qt::CaseInsensitive) == 0) babble.Stop();
        else if (ok && rate > 0) babble.Start(rate);
        else Print("? babble <characters a second>|off");
    } else if (word == "set") {
        if (!SetTransceiverValue(shell.Transceiver, rest.section(' ', 0, 0), rest.section(' ', 1)))
            Print("? set <name> <value>; names: " + TransceiverValueNames());
    } else if (word == "message") {
        QString why;
        if (!AddMessageFromSpec(shell.Inbox, rest, shell.Transceiver.UtcNow(), &why)) Print("? message: " + why);
    } else if (word == "message-file") {
        QString why;
        if (!AddMessageFileFromSpec(shell.Inbox, rest, shell.Transceiver.UtcNow(), &why)) Print("? message-file: " + why);
    } else if (word == "egc") {
        QString why;
        if (!AddEgcFromSpec(shell.EgcStore, rest, shell.Transceiver.UtcNow(), &why)) Print("? egc: " + why);
    } else if (word == "egc-listing") {
        if (rest == "1" || rest == "2") shell.EgcStore.ListingLayout = rest.toInt();
        else Print("? egc-listing 1|2");
    } else if (word == "egcs") {
        for (const SimEgc& e : shell.EgcStore.Egcs)
            Print(QString("%1 priority %2 service %3, %4 bytes listed, %5 in the text")
                      .arg(e.FileName()).arg(e.Priority).arg(e.Service).arg(e.Size()).arg(e.Text.size()));
        Print(QString("%1 EGC(s)").arg(shell.EgcStore.Egcs.size()));
    } else if (word == "listing") {
        if (rest == "1" || rest == "2") shell.Inbox.ListingLayout = rest.toInt();
        else Print("? listing 1|2");
    } else if (word == "upload") {
        // A file as if the program had uploaded it: its name and its size in characters.
        bool ok = false;
        const int size = rest.section(' ', 1, 1).toInt(&ok);
        const QString name = rest.section(' ', 0, 0);
        if (ok && size >= 0 && !name.isEmpty()) shell.Uploads.Put({name, QString(size, 'x'), shell.Transceiver.UtcNow()});
        else Print("? upload <name> <size>");
    } else if (word == "tx-error") {
        if (rest.compare("off", Qt::CaseInsensitive) == 0) shell.Uploads.NextTxError.clear();
        else if (!rest.isEmpty()) shell.Uploads.NextTxError = "ERROR " + rest;
        else Print("? tx-error <nnn>: <text>|off");
    } else if (word == "uploads") {
        for (const SimUpload& f : shell.Uploads.Files) Print(QString("%1 %2 bytes").arg(f.Name).arg(f.Text.size()));
        Print(QString("%1 upload(s)").arg(shell.Uploads.Files.size()));
        for (const QString& name : shell.Uploads.Submitted) Print("submitted " + name);
        for (const QString& text : shell.Printed) Print(QString("printed %1 characters").arg(text.size()));
    } else if (word == "cut-upload") {
        bool ok = false;
        const int after = rest.toInt(&ok);
        if (ok && after >= 0) shell.CutUploadAfter = after;
        else Print("? cut-upload <n>");
    } else if (word == "keep-next-delete") {
        shell.Inbox.KeepNextDelete = true;
    } else if (word == "inbox") {
        for (const SimMessage& m : shell.Inbox.Messages)
            Print(QString("IN.%1 %2 bytes listed, %3 in the text").arg(m.FileNumber()).arg(m.Size()).arg(m.Body.size()));
        Print(QString("%1 message(s)").arg(shell.Inbox.Messages.size()));
    } else if (tcu && TcuControl(*tcu, word, rest)) {
    } else if (QString problem; ReportingControl(shell, word, rest, problem)) {
        if (!problem.isEmpty()) Print(problem);
    } else if (QString problem; DnidControl(shell, word, rest, problem)) {
        if (!problem.isEmpty()) Print(problem);
    } else if (QString problem; MessageReportingControl(shell, word, rest, problem)) {
        if (!problem.isEmpty()) Print(problem);
    } else if (word == "tcu-end-bridge" && tcu) {
        tcu->Tcu.EndBridge();
    } else if (word == "tcu-drop" && tcu) {
        tcu->DropClient();
    } else if (word == "quit") {
        QCoreApplication::quit();
    } else if (!word.isEmpty()) {
        Print("? info|error|echo|lines|mute|unmute|cut|restart|babble|set|message|listing|egc|egc-listing|egcs|keep-next-delete|inbox|upload|tx-error|uploads|cut-upload|" + TcuControlNames() + "|quit");
        Print("? info|error|echo|lines|mute|unmute|cut|restart|babble|set|message|listing|keep-next-delete|inbox|upload|tx-error|uploads|cut-upload|slow|" + DistressControlNames() + "|" + TcuControlNames() + "|quit");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tidepost-sim");

    QCommandLineParser parser;
    parser.setApplicationDescription("Simulated transceiver shell for Tidepost");
    parser.addHelpOption();
    const QCommandLineOption tcp("tcp", "Serve on TCP port <port> of 127.0.0.1 (0: any free port).", "port");
    const QCommandLineOption echo("echo", "Line end after the echo: lf, crlf (default) or crcrlf.", "end", "crlf");
    const QCommandLineOption lines("lines", "Line end of the lines of a reply: lf, crlf (default) or crcrlf.", "end",
                                   "crlf");
    const QCommandLineOption prompt("prompt", "The shell prompt.", "prompt", "can0:/$ ");
    const QCommandLineOption info("info", "An INFO entry for the status list, <number>:<text>.", "entry");
    const QCommandLineOption error("error", "An ERROR entry for the status list, <number>:<text>.", "entry");
    const QCommandLineOption chunk("chunk", "Send replies in pieces of <bytes>.", "bytes", "0");
    const QCommandLineOption delay("chunk-delay", "Milliseconds between pieces.", "ms", "0");
    const QCommandLineOption mute("mute", "Start without answering.");
    const QCommandLineOption babbleOption("babble", "Stream text without a prompt from the start, <rate> characters a second.",
                                          "rate");
    const QCommandLineOption set("set", "What the transceiver reports, <name>=<value> (" + TransceiverValueNames() + ").",
                                 "name=value");
    const QCommandLineOption tcuOption("tcu", "Serve behind a terminal control unit on TCP port <port> of 127.0.0.1.", "port");
    const QCommandLineOption slp("slp", "Answer service discovery for the unit on UDP port <port> of 127.0.0.1.", "port");
    const QCommandLineOption tcuVersion("tcu-version", "The unit's software version.", "version", "1.23");
    const QCommandLineOption listing("listing", "Layout of the inbox listing: 1 (default) or 2.", "layout", "1");
    const QCommandLineOption messages("messages", "Start with <n> sample messages in the inbox.", "n", "0");
    const QCommandLineOption message("message",
                                     "A received message in the inbox, as the control \"message\" takes it.", "spec");
    const QCommandLineOption trace("trace", "Print every line each shell reads.");
    parser.addOptions({tcp, echo, lines, prompt, info, error, chunk, delay, mute, babbleOption, set, tcuOption, slp,
                       tcuVersion, listing, messages, message, trace});
    parser.process(app);

    SimShell shell;
    const auto end = ParseEchoEnd(parser.value(echo));
    if (!end) {
        std::fputs("--echo must be lf, crlf or crcrlf\n", stderr);
        return 2;
    }
    shell.EchoTerminator = EchoEndText(*end);
    const auto lineEnd = ParseEchoEnd(parser.value(lines));
    if (!lineEnd) {
        std::fputs("--lines must be lf, crlf or crcrlf\n", stderr);
        return 2;
    }
    shell.LineEnd = EchoEndText(*lineEnd);
    shell.Prompt = parser.value(prompt);
    shell.Mute = parser.isSet(mute);
    for (const QString& e : parser.values(info))
        if (!AddEntry(shell, "INFO", e)) { std::fputs("--info needs <number>:<text>\n", stderr); return 2; }
    for (const QString& e : parser.values(error))
        if (!AddEntry(shell, "ERROR", e)) { std::fputs("--error needs <number>:<text>\n", stderr); return 2; }
    for (const QString& v : parser.values(set)) {
        if (!SetTransceiverValue(shell.Transceiver, v.section('=', 0, 0), v.section('=', 1))) {
            std::fputs("--set needs <name>=<value> with a known name and a fitting value\n", stderr);
            return 2;
        }
    }

    const QString layout = parser.value(listing);
    if (layout != "1" && layout != "2") {
        std::fputs("--listing must be 1 or 2\n", stderr);
        return 2;
    }
    shell.Inbox.ListingLayout = layout.toInt();
    bool countOk = false;
    const int sampleCount = parser.value(messages).toInt(&countOk);
    if (!countOk || sampleCount < 0 || sampleCount > 999) {
        std::fputs("--messages needs a number 0..999\n", stderr);
        return 2;
    }
    AddSampleMessages(shell.Inbox, sampleCount, shell.Transceiver.UtcNow());
    for (const QString& spec : parser.values(message)) {
        QString why;
        if (!AddMessageFromSpec(shell.Inbox, spec, shell.Transceiver.UtcNow(), &why)) {
            std::fputs(("--message: " + why + "\n").toLocal8Bit().constData(), stderr);
            return 2;
        }
    }

    std::unique_ptr<SimTcuServer> tcuServer;
    std::unique_ptr<SimSlpResponder> slpResponder;
    std::unique_ptr<SimTcpTransport> tcpTransport;
    std::unique_ptr<SimFdTransport> ptyTransport;
    OutputPacer* pacer = nullptr;
    int master = -1;
    int slave = -1;
    if (parser.isSet(tcuOption)) {
        // The unit takes over the shell's writer, so it replaces the other transports.
        tcuServer = std::make_unique<SimTcuServer>(shell);
        if (!tcuServer->Listen(static_cast<quint16>(parser.value(tcuOption).toUInt()))) {
            std::fputs("cannot listen on that port\n", stderr);
            return 1;
        }
        Print(QString("TCU 127.0.0.1:%1").arg(tcuServer->Port()));
        if (parser.isSet(slp)) {
            slpResponder = std::make_unique<SimSlpResponder>();
            if (!slpResponder->Listen(QHostAddress::LocalHost, static_cast<quint16>(parser.value(slp).toUInt()))) {
                std::fputs("cannot listen on that UDP port\n", stderr);
                return 1;
            }
            slpResponder->Services = {TcuSlpService("127.0.0.1", parser.value(tcuVersion))};
            Print(QString("SLP 127.0.0.1:%1").arg(slpResponder->Port()));
        }
    } else if (parser.isSet(tcp)) {
        tcpTransport = std::make_unique<SimTcpTransport>(shell);
        if (!tcpTransport->Listen(static_cast<quint16>(parser.value(tcp).toUInt()))) {
            std::fputs("cannot listen on that port\n", stderr);
            return 1;
        }
        pacer = &tcpTransport->Pacer;
        Print(QString("TCP 127.0.0.1:%1").arg(tcpTransport->Port()));
    } else {
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            return 1;
        }
        // Raw from the start, so nothing is echoed by the terminal layer before the program opens
        // the device; holding the slave open keeps the master readable across the program's reopens.
        termios raw{};
        ::tcgetattr(slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave, TCSANOW, &raw);
        ptyTransport = std::make_unique<SimFdTransport>(shell, master);
        pacer = &ptyTransport->Pacer;
        Print(QString("PTY %1").arg(QString::fromLocal8Bit(name)));
    }
    if (pacer) {
        pacer->ChunkSize = parser.value(chunk).toInt();
        pacer->ChunkDelayMs = parser.value(delay).toInt();
    }

    if (parser.isSet(trace)) TraceShells(shell, tcuServer.get(), Print);

    // Text without a prompt, streamed while --babble or the "babble" control asks for it.
    SimBabble babble(shell);
    if (parser.isSet(babbleOption)) {
        const int rate = parser.value(babbleOption).toInt();
        if (rate < 1) {
            std::fputs("--babble needs a rate of at least 1 character a second\n", stderr);
            return 2;
        }
        babble.Start(rate);
    }

    QByteArray pending;  // control text up to its next line end
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &input, [&] {
        char buffer[1024];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer - 1);
        if (n <= 0) {  // standard input closed: keep serving, stop listening to it
            input.setEnabled(false);
            return;
        }
        pending += QByteArray(buffer, static_cast<qsizetype>(n));
        qsizetype lf;
        while ((lf = pending.indexOf('\n')) >= 0) {
            Control(shell, babble, tcuServer.get(), pacer, QString::fromLocal8Bit(pending.left(lf)).trimmed());
            pending.remove(0, lf + 1);
        }
    });

    const int rc = QCoreApplication::exec();
    ptyTransport.reset();
    if (master >= 0) ::close(master);
    if (slave >= 0) ::close(slave);
    return rc;
}
