#pragma once
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "link/DispatchReply.h"
#include "link/Link.h"
#include "reporting/Reporting.h"
#include "reporting/ReportingHandlers.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The reporting area over a link with the fake main window; replies are handed to the link's
// dispatch whole, as the engine hands them on.
struct ReportingFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    FakeLinkWindow window;
    Reporting r{f, link};

    ReportingFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        UseLineEnd("\r\n");
        link.Dialogue.CurrentPrompt = "can0:/$ ";
        RegisterReportingHandlers(r);
    }
    ~ReportingFixture() override {
        r.PUReportingForms.unload();
        r.ProgramStatusForms.unload();
        r.DNIDForms.unload();
        r.DNIDPUProgramForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void UseLineEnd(const QString& end) {
        link.Dialogue.EchoTerminator = end;
        link.Dialogue.EchoTerminatorLength = static_cast<qint16>(end.size());
    }
    // A reply that has arrived whole, dispatched by its echo.
    void Dispatch(const QString& reply) {
        link.Dialogue.ReplyBuffer = reply;
        link.Dialogue.DialogueState = 2;
        DispatchReply(link);
    }
    // The reply to "pg -d": the header line and the program lines, each ended by the line end.
    QString ListReply(const QStringList& lines) const {
        const QString& end = link.Dialogue.EchoTerminator;
        QString reply = "pg -d" + end + "Prg Type    Status   Connection" + end;
        for (const QString& line : lines) reply += line + end;
        return reply + link.Dialogue.CurrentPrompt;
    }
    // A program line as the transceiver writes it: number, type and token padded to 21
    // characters, the slots, one blank.
    static QString ProgramLine(int n, const QString& type, const QString& token, const QString& slotText = {}) {
        return (QString::number(n) + "  " + type.leftJustified(7) + ' ' + token).leftJustified(21) + slotText + ' ';
    }

    // A DNID line as the transceiver lists it: 58 characters.
    static QString DnidLine(const QString& provider, int status, int les, int dnid, int member, int sub = 0,
                            int channel = 1, int random = 0) {
        return provider.left(27).leftJustified(27) + QString::number(status).rightJustified(2) + ' ' +
               QString::number(les).rightJustified(3, '0') + ' ' + QString::number(dnid).rightJustified(5) + "   " +
               QString::number(member).rightJustified(3) + "   " + QString::number(sub) + "     " +
               QString::number(channel) + "  " + QString::number(random);
    }
    // The reply to "st -d": header, the lines, the trailer, each ended by the line end.
    QString DnidReply(const QStringList& lines) const {
        const QString& end = link.Dialogue.EchoTerminator;
        QString reply = "st -d" + end + "Provider Name St LES DNID Mem Sa Ch Rd" + end;
        for (const QString& line : lines) reply += line + end;
        return reply + QString("%1 DNID(s) stored").arg(lines.size()) + end + link.Dialogue.CurrentPrompt;
    }
    QString ReadDataFile(const QString& name) const {
        QFile file(platform.DataFolder() + "/" + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

    PUReportingForm& Form() { return r.PUReportingForms.get(); }
    bool FormShown() const { return r.PUReportingForms.isLoaded() && r.PUReportingForms.loaded()->isVisible(); }
    // "NSTD" for the New, Start, Stop and Delete buttons of program i shown, "-" for each hidden.
    QString Buttons(int i) {
        PUReportingForm& form = Form();
        QString shown;
        shown += form.NewButton(i)->isVisibleTo(&form) ? 'N' : '-';
        shown += form.StartButton(i)->isVisibleTo(&form) ? 'S' : '-';
        shown += form.StopButton(i)->isVisibleTo(&form) ? 'T' : '-';
        shown += form.DeleteButton(i)->isVisibleTo(&form) ? 'D' : '-';
        return shown;
    }
    // The four ocean rows of program i, each "LES DNID member" or "" when empty.
    QStringList Rows(int i) {
        QStringList rows;
        for (int o = 0; o < 4; ++o) {
            const QString les = Form().LesLabel(i, o)->text();
            const QString dnid = Form().DnidLabel(i, o)->text();
            const QString mem = Form().MemLabel(i, o)->text();
            rows << (les.isEmpty() && dnid.isEmpty() && mem.isEmpty() ? QString() : les + ' ' + dnid + ' ' + mem);
        }
        return rows;
    }
    QString Text(const char* name) {
        const QLabel* label = Form().findChild<QLabel*>(name);
        return label ? label->text() : QString("(no %1)").arg(name);
    }
};

}  // namespace tidepost::test
