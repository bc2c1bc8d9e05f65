#include <gtest/gtest.h>

#include "sim/SimBabble.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

TEST(SimBabble, StreamsTextAtItsRateAndNeverAPrompt) {
    QByteArray written;
    SimShell shell([&](const QByteArray& b) { written += b; });
    SimBabble babble(shell);
    babble.Start(11520);  // a 115200-baud line that never pauses
    ASSERT_TRUE(babble.Running());
    for (int i = 0; i < 200; ++i) babble.Tick();  // ten seconds of it
    EXPECT_EQ(written.size(), 200 * 576);
    EXPECT_EQ(babble.Sent(), written.size());
    for (const QByteArray& line : written.split('\n')) {
        EXPECT_FALSE(line.contains('>') || line.contains(':') || line.contains('$')) << line.constData();
    }
    EXPECT_FALSE(written.endsWith(shell.Prompt.toLatin1()));

    babble.Start(0);
    EXPECT_FALSE(babble.Running());
}

TEST(SimBabble, KeepsTheCommandsAnswered) {
    QByteArray written;
    SimShell shell([&](const QByteArray& b) { written += b; });
    SimBabble babble(shell);
    babble.Start(100);
    babble.Tick();
    shell.Receive("ver\r\n");
    babble.Tick();
    EXPECT_TRUE(written.contains("ver\r\n"));
    EXPECT_TRUE(written.contains(shell.Prompt.toLatin1()));
    EXPECT_FALSE(written.endsWith(shell.Prompt.toLatin1())) << "the stream runs on after the reply";
}

}  // namespace
