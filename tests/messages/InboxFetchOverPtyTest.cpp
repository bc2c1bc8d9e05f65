#include <QTest>
#include <gtest/gtest.h>
#include <string>

#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct Setup {
    int layout;
    sim::EchoEnd end;
};

std::string SetupName(const ::testing::TestParamInfo<Setup>& info) {
    const char* ends[] = {"Lf", "CrLf", "CrCrLf"};
    return "Layout" + std::to_string(info.param.layout) + ends[static_cast<int>(info.param.end)];
}

class InboxFetchOverPty : public ::testing::TestWithParam<Setup> {};

// The engine with the real serial adapter on a pseudo-terminal and the simulated transceiver,
// holding three messages, on its other side. The manual clock stands still: only prompts end the
// replies, and the waits are for real I/O only.
TEST_P(InboxFetchOverPty, ListingOfThreeMessagesFetchesThemInListingOrder) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.IsOpen());
    sim::SimShell shell;
    shell.EchoTerminator = sim::EchoEndText(GetParam().end);
    shell.LineEnd = shell.EchoTerminator;
    shell.Inbox.ListingLayout = GetParam().layout;
    for (const int number : {7, 2, 31}) {
        sim::SimMessage message;
        message.Number = number;
        message.Received = QDateTime(QDate(2024, 5, 6), QTime(7, number), Qt::UTC);
        message.Body = QString("Message %1\r\nfrom the sea.").arg(number);
        ASSERT_TRUE(shell.Inbox.Add(message));
    }
    sim::SimFdTransport transport(shell, pty.MasterFd());
    transport.Pacer.ChunkSize = 16;  // each reply arrives over several reads
    transport.Pacer.ChunkDelayMs = 1;

    test::TestPlatform platform;
    test::SerialPortOnPty port(platform, pty);
    Foundation f(platform.Os);
    f.gConfiguration.DataPath = platform.DataFolder();
    Link link(f);
    Messages messages(f, link);
    RegisterMessageHandlers(messages);
    test::FakeLinkWindow window;
    link.Window = &window;
    ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);

    QueueCommand(link, "st -l", true, false);
    QueueCommand(link, "ls IN.*", false, false);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            Timer1_Timer(link);
            return shell.Received.size() >= 7 && link.CommandQueue.isEmpty() && link.DialogueState == 0;
        },
        10000));
    EXPECT_EQ(shell.Received, (QStringList{"st -l", "ls IN.*", "", "st -r", "ty IN.007 -b -k", "ty IN.002 -b -k",
                                           "ty IN.031 -b -k"}));
    ASSERT_EQ(messages.gInboxLog.size(), 3);
    EXPECT_EQ(messages.gInboxLog[2].Name, "IN.031");
    EXPECT_EQ(messages.gInboxListing[2].Size, shell.Inbox.Messages[2].Body.size());
    EXPECT_TRUE(f.gSession.ProcessingMsgs()) << "the fetched messages are not stored yet";
    EXPECT_TRUE(window.TimerOn("MessageTimer"));
}

INSTANTIATE_TEST_SUITE_P(LayoutsAndLineEnds, InboxFetchOverPty,
                         ::testing::Values(Setup{1, sim::EchoEnd::CrLf}, Setup{2, sim::EchoEnd::CrLf},
                                           Setup{1, sim::EchoEnd::Lf}, Setup{2, sim::EchoEnd::CrCrLf}),
                         SetupName);

}  // namespace
