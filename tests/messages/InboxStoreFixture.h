#pragma once
#include <QDir>
#include <QFile>

#include "foundation/Foundation.h"
#include "link/CommandQueue.h"
#include "messages/MessagesFixture.h"
#include "sim/SimShell.h"
#include "support/FakeMessagesWindow.h"
#include "support/QueuedTexts.h"

namespace tidepost::test {

// The message area with an inbox folder in the data folder, the main window's inbox view and the
// simulated transceiver's inbox, whose replies are dispatched as the engine would hand them over.
struct InboxStoreFixture : MessagesFixture {
    sim::SimShell shell;
    FakeMessagesWindow messagesWindow;
    QString inbox;

    InboxStoreFixture() {
        inbox = platform.DataFolder() + "/Inbox";
        QDir().mkpath(inbox);
        f.gInboxDir = inbox;
        link.Dialogue.CurrentPrompt = "can0:/$ ";
        m.Window = &messagesWindow;
    }

    sim::SimMessage& AddMessage(int number, const QString& body, int priority = 0) {
        sim::SimMessage message;
        message.Number = number;
        message.Priority = priority;
        message.Reference = 340 + number;
        message.Received = QDateTime(QDate(2006, 12, 31), QTime(23, 50 + number % 10), Qt::UTC);
        message.Body = body;
        EXPECT_TRUE(shell.Inbox.Add(message));
        return shell.Inbox.Messages.last();
    }
    // A download cycle up to the fetches, which are taken out of the queue for the test to send.
    void ReadListingAndLog() {
        f.gSession.SetProcessingMsgs(false);
        Dispatch(shell.ReplyTo("ls IN.*"));
        Dispatch(shell.ReplyTo("st -r"));
        link.Dialogue.CommandQueue.clear();
    }
    static QString Name(int number) { return "IN." + QString::number(number).rightJustified(3, '0'); }
    // The reply of the fetch of the message, dispatched.
    void Fetch(int number, const QString& options = " -b -k") { Dispatch(shell.ReplyTo("ty " + Name(number) + options)); }

    QString Today() const { return platform.Clock.Now().toString("yyMMdd"); }
    QByteArray InboxFile(const QString& name) const {
        QFile file(inbox + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList InboxFiles() const { return QDir(inbox).entryList(QDir::Files, QDir::Name); }
    QStringList IndexLines() const {
        QStringList lines = QString::fromLatin1(InboxFile("in.idx")).split("\r\n");
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    // The queued message-box texts, oldest first; the queue is emptied.
    QStringList TakeBoxes() {
        QStringList texts;
        texts << test::DrainErrorQueue(f);
        return texts;
    }
    bool DownloadEnded() const { return !f.gSession.ProcessingMsgs() && !window.TimerOn("MessageTimer"); }
    void StartDownload() {
        f.gSession.SetProcessingMsgs(true);
        window.SetMessageTimerEnabled(true);
    }
};

}  // namespace tidepost::test
