#include <gtest/gtest.h>

#include "link/CommandQueue.h"
#include "messages/InboxFetch.h"
#include "messages/MessagesFixture.h"
#include "sim/SimShell.h"

using namespace tidepost;

namespace {

struct InboxFetch : test::MessagesFixture {
    InboxFetch() {
        for (int i = 0; i < 3; ++i) {
            sim::SimMessage message;
            message.Received = QDateTime(QDate(2006, 12, 31), QTime(23, 57 + i), Qt::UTC);
            message.Body = QString("Message %1").arg(i + 1);
            shell.Inbox.Add(message);
        }
    }
    // The simulated transceiver's reply to a command.
    QString Answer(const QString& command) { return shell.ReplyTo(command); }
    bool DownloadRunning() const { return f.gSession.ProcessingMsgs() && window.TimerOn("MessageTimer"); }
    bool DownloadEnded() const { return !f.gSession.ProcessingMsgs() && !window.TimerOn("MessageTimer"); }

    sim::SimShell shell;
};

TEST_F(InboxFetch, ListingStartsTheCycleAndPutsTheLogFirst) {
    link.Dialogue.CommandQueue = "st -l\r\n";
    Dispatch(Answer("ls IN.*"));
    EXPECT_TRUE(DownloadRunning());
    ASSERT_EQ(m.gInboxListing.size(), 3);
    EXPECT_EQ(m.gInboxListing[2].Extension, "003");
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nst -r\r\nst -l\r\n");

    // A listing that arrives while the cycle runs changes nothing.
    shell.Inbox.Remove(3);
    Dispatch(Answer("ls IN.*"));
    EXPECT_EQ(m.gInboxListing.size(), 3);
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nst -r\r\nst -l\r\n");
}

TEST_F(InboxFetch, LogIsNotQueuedTwice) {
    link.Dialogue.CommandQueue = "se -p\r\nst -r\r\n";
    HandleInboxListing(m, Answer("ls IN.*"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "se -p\r\nst -r\r\n");
}

TEST_F(InboxFetch, LogQueuesOneFetchPerListedMessageWithTheModelsOptions) {
    const std::pair<int, const char*> cases[] = {{0, " -b -k"}, {1, " -b"}, {6, " -b"}, {13, " -b -k"}, {18, " -b -k"}};
    for (const auto& [model, options] : cases) {
        f.gSession.SetProductModel(model);
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetProcessingMsgs(false);
        Dispatch(Answer("ls IN.*"));
        ASSERT_EQ(TakeFirstCommandLine(link), "\r\n");
        ASSERT_EQ(TakeFirstCommandLine(link), "st -r\r\n");
        Dispatch(Answer("st -r"));
        ASSERT_EQ(m.gInboxLog.size(), 3);
        EXPECT_EQ(m.gInboxLog[1].Name, "IN.002");
        const QString o = options;
        EXPECT_EQ(link.Dialogue.CommandQueue, "ty IN.001" + o + "\r\nty IN.002" + o + "\r\nty IN.003" + o + "\r\n") << model;
        EXPECT_TRUE(DownloadRunning());
    }
}

TEST_F(InboxFetch, ModelSixFetchesMessageFiveWithTheShortOptions) {
    f.gSession.SetProductModel(6);
    InboxListEntry e;
    e.Name = "IN";
    e.Extension = "005";
    QueueInboxFetch(link, "IN", {e});
    EXPECT_EQ(link.Dialogue.CommandQueue, "ty IN.005 -b\r\n");
}

TEST_F(InboxFetch, DuplicateEntriesAreFetchedTwiceAndOtherNamesNever) {
    InboxListEntry a{"IN", "004", {}, 10};
    InboxListEntry other{"EGC", "004", {}, 10};
    InboxListEntry lower{"in", "007", {}, 10};
    QueueInboxFetch(link, "IN", {a, other, lower, a});
    EXPECT_EQ(link.Dialogue.CommandQueue, "ty IN.004 -b -k\r\nty IN.004 -b -k\r\n");
}

TEST_F(InboxFetch, EmptyListingEndsTheCycleAfterTheLog) {
    shell.Inbox.Messages.clear();
    Dispatch(Answer("ls IN.*"));
    ASSERT_EQ(m.gInboxListing.size(), 1);
    EXPECT_TRUE(m.gInboxListing[0].Name.isEmpty());
    EXPECT_TRUE(DownloadRunning());
    link.Dialogue.CommandQueue.clear();
    Dispatch(Answer("st -r"));
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(DownloadEnded());
}

// The three places that end a download: the log with nothing to fetch (deletes left over from an
// earlier cycle do not hold it), each stored message (fetches and deletes both hold it), and the
// answer to the last delete.
TEST_F(InboxFetch, EndOfDownloadRule) {
    struct Case {
        const char* queue;
        InboxPending pending;
        bool ends;
    };
    const Case cases[] = {
        {"", InboxPending::Fetches, true},
        {"delete IN.001\r\n", InboxPending::Fetches, true},
        {"ty in.002 -b -k\r\n", InboxPending::Fetches, false},
        {"", InboxPending::FetchesAndDeletes, true},
        {"st -l\r\n", InboxPending::FetchesAndDeletes, true},
        {"DELETE IN.001\r\n", InboxPending::FetchesAndDeletes, false},
        {"ty IN.002 -b -k\r\n", InboxPending::FetchesAndDeletes, false},
    };
    for (const Case& c : cases) {
        f.gSession.SetProcessingMsgs(true);
        window.SetMessageTimerEnabled(true);
        link.Dialogue.CommandQueue = c.queue;
        EXPECT_EQ(EndInboxDownloadWhenDone(link, c.pending), c.ends) << c.queue;
        EXPECT_EQ(DownloadEnded(), c.ends) << c.queue;
        EXPECT_EQ(link.Dialogue.CommandQueue, c.queue);
    }

    f.gSession.SetProcessingMsgs(true);
    window.SetMessageTimerEnabled(true);
    link.Dialogue.CommandQueue = "delete IN.002\r\n";
    Dispatch(Answer("delete IN.001"));
    EXPECT_TRUE(DownloadRunning());
    link.Dialogue.CommandQueue.clear();
    Dispatch(Answer("delete IN.002"));
    EXPECT_TRUE(DownloadEnded());
}

TEST_F(InboxFetch, FindListingEntryTakesTheLastExactMatch) {
    const QList<InboxListEntry> listing = {{"IN", "001", {}, 1}, {"IN", "002", {}, 2}, {"IN", "001", {}, 3}};
    EXPECT_EQ(FindListingEntry("IN", "001", listing), 2);
    EXPECT_EQ(FindListingEntry("IN", "002", listing), 1);
    EXPECT_EQ(FindListingEntry("in", "001", listing), -1);
    EXPECT_EQ(FindListingEntry("IN", "003", listing), -1);
    EXPECT_EQ(FindListingEntry("IN", "001", {}), -1);
}

TEST_F(InboxFetch, FindInLogEntryTakesTheLastExactMatch) {
    m.gInboxLog = {InLogEntry{}, InLogEntry{}, InLogEntry{}};
    m.gInboxLog[0].Name = "IN.001";
    m.gInboxLog[1].Name = "IN.002";
    m.gInboxLog[2].Name = "IN.001";
    EXPECT_EQ(FindInLogEntry(m, "IN.001"), 2);
    EXPECT_EQ(FindInLogEntry(m, "IN.002"), 1);
    EXPECT_EQ(FindInLogEntry(m, "in.002"), -1);
    EXPECT_EQ(FindInLogEntry(m, "IN.009"), -1);
}

}  // namespace
