#pragma once
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "egc/Egc.h"
#include "egc/IEgcView.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/DispatchReply.h"
#include "link/Link.h"
#include "messages/IEgcAlarm.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "support/FakeLinkWindow.h"
#include "support/QueuedTexts.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

struct FakeEgcView : IEgcView {
    void AddEgcRow(const QString& indexLine) override { Rows.append(indexLine); }
    bool IsEgcViewShown() const override { return Shown; }
    void ReloadEgcView() override { ++Reloads; }
    QStringList Rows;
    bool Shown = false;
    int Reloads = 0;
};

struct FakeEgcAlarm : IEgcAlarm {
    void RaiseEgcAlarm() override { ++Raised; }
    int Raised = 0;
};

// One EGC as the transceiver lists and logs it.
struct EgcSpec {
    int Number = 7;
    int Les = 101;
    int Service = 31;
    int Priority = 0;
    int Language = 0;
    QString Date = "06-12-31";  // as listed and logged
    QString Time = "14:05";
    int Size = 512;
    int Ref = 1234;
    QString Routing = "+M";
    QString Name() const { return "EGC." + QString::number(Number).rightJustified(3, '0'); }
};

// The EGC area on a link with the fake main window, an EGC folder in the data folder, and the
// line end after an echo learnt as CR LF. Replies are built as the transceiver's shell sends them.
struct EgcFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    Egc e{f, link, m};
    FakeLinkWindow window;
    FakeEgcView view;
    FakeEgcAlarm alarm;
    QString folder;
    const QString prompt = "can0:/$ ";

    EgcFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        folder = platform.DataFolder() + "/egc";
        QDir().mkpath(folder);
        f.gEgcDir = folder;
        link.Windows.Window = &window;
        link.Dialogue.EchoTerminator = "\r\n";
        link.Dialogue.EchoTerminatorLength = 2;
        link.Dialogue.CurrentPrompt = prompt;
        RegisterMessageHandlers(m);
        RegisterEgcHandlers(e);
        e.EgcView = &view;
        e.EgcAlarm = &alarm;
        ReadIniFile(f);
    }

    void Dispatch(const QString& reply) {
        link.Dialogue.ReplyBuffer = reply;
        link.Dialogue.DialogueState = 2;
        DispatchReply(link);
    }

    // "ls EGC.*" in the layout with " bytes free" (1) or the wide one (2).
    QString Listing(const QList<EgcSpec>& egcs, int layout = 1) const {
        QString r = "ls EGC.*\r\n";
        if (layout == 1) {
            r += "Name     Num     Size  Date      Time\r\n";
            for (const EgcSpec& s : egcs)
                r += QString("EGC").leftJustified(8) + "." + s.Name().mid(4) + QString(5, ' ') +
                     QString::number(s.Size).rightJustified(5) + "  " + s.Date + "  " + s.Time + "\r\n";
            r += "   1843200 bytes free\r\n";
        } else {
            r += "Directory of EGC.*\r\n";
            for (const EgcSpec& s : egcs)
                r += s.Name().leftJustified(36) + s.Date + "  " + s.Time + QString::number(s.Size) + " bytes\r\n";
        }
        return r + prompt;
    }
    static QString LogLine(const EgcSpec& s) {
        return QString("%1 %2 %3 %4 %5 %6 %7 %8 0 0 %9 %10")
            .arg(s.Les).arg(s.Service).arg(s.Priority).arg(s.Language)
            .arg(s.Date, s.Time).arg(s.Size).arg(s.Ref).arg(s.Routing, s.Name());
    }
    QString Log(const QList<EgcSpec>& egcs) const {
        QString r = "st -e\r\nLES Svc P L Date Time Size Ref A B Routing File\r\n";
        for (const EgcSpec& s : egcs) r += LogLine(s) + "\r\n";
        return r + prompt;
    }
    // The fetch reply: the echo, two lines, the text and the prompt.
    QString Fetched(const EgcSpec& s, const QString& text, const QString& options = " -b -k") const {
        return "ty " + s.Name() + options + "\r\nEGC " + s.Name() + "\r\nLES " + QString::number(s.Les) + "\r\n" +
               text + prompt;
    }
    static QString Text(int size) {
        QString t;
        while (t.size() < size) t += "SECURITE NAVAREA I 123/06 ";
        return t.left(size);
    }

    // A whole download up to the fetches: the listing and the log, the fetches left queued.
    void ListAndLog(const QList<EgcSpec>& egcs, int layout = 1) {
        Dispatch(Listing(egcs, layout));
        TakeQueued("st -e");
        Dispatch(Log(egcs));
    }
    // Removes one queued line equal to `command`; false when it was not queued.
    bool TakeQueued(const QString& command) {
        QStringList lines = link.Dialogue.CommandQueue.split("\r\n");
        const qsizetype at = lines.indexOf(command);
        if (at < 0) return false;
        lines.removeAt(at);
        link.Dialogue.CommandQueue = lines.join("\r\n");
        return true;
    }
    QStringList Queued() const {
        QStringList lines = link.Dialogue.CommandQueue.split("\r\n", Qt::SkipEmptyParts);
        return lines;
    }

    QString Today() const { return platform.Clock.Now().toString("yyMMdd"); }
    QString Disk(int counter) const { return Today() + QString::number(counter).rightJustified(2, '0') + ".egc"; }
    QByteArray EgcFile(const QString& name) const {
        QFile file(folder + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList EgcFiles() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
    void WriteIndex(const QByteArray& bytes) const {
        QFile file(folder + "/egc.idx");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void WriteEgcFile(const QString& name, const QByteArray& bytes = "text") const {
        QFile file(folder + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList IndexLines() const {
        QStringList lines = QString::fromLatin1(EgcFile("egc.idx")).split("\r\n");
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    QStringList TakeBoxes() { return DrainErrorQueue(f); }
    QString ErrorLogText() const { return QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt")); }
    bool DownloadEnded() const { return !f.gSession.ProcessingEgcs() && !window.TimerOn("EGCTimer"); }
    void SetVersions(int cpuMajor, int cpuMinor, int tcuMajor, int tcuMinor) {
        f.gConfiguration.SetMinicSwVersion(cpuMajor, cpuMinor);
        f.gConfiguration.SetTcuSwVersion(tcuMajor, tcuMinor);
    }
};

}  // namespace tidepost::test
