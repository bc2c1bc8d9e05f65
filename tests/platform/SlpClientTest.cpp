#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/CapturedCommand.h"
#include "platform/QtSlpDiscovery.h"
#include "platform/SlpClient.h"
#include "sim/SimSlpResponder.h"
#include "sim/SimTcu.h"

using namespace tidepost;

namespace {

const QString kType = "service:device.kalvenor";
const QString kTcuAttributes = "(device-model=880),(device-sw-version=1.23)";

bool WaitFor(const IPendingAnswer& answer, int timeoutMs = 10000) {
    return QTest::qWaitFor([&] { return answer.IsFinished(); }, timeoutMs);
}

// A responder on 127.0.0.1 that announces two units.
struct SlpOnLoopback : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(responder.Listen(QHostAddress::LocalHost, 0));
        responder.Services = {sim::TcuSlpService("127.0.0.1", "1.23"),
                              sim::TcuSlpService("192.168.1.11", "2.01", "700")};
        target.Host = "127.0.0.1";
        target.Port = responder.Port();
    }
    sim::SimSlpResponder responder;
    SlpTarget target;
    SlpTimings timings{1500, 1500};
};

TEST_F(SlpOnLoopback, ServiceSearchAnswersAsSlptoolPrints) {
    SlpServiceSearch search(kType, target, timings);
    EXPECT_FALSE(search.IsFinished());
    EXPECT_EQ(search.Output(), "");
    ASSERT_TRUE(WaitFor(search));
    EXPECT_EQ(search.Output(),
              "service:device.kalvenor://127.0.0.1,65535\nservice:device.kalvenor://192.168.1.11,65535\n");
    EXPECT_EQ(search.ErrorLogLine(), "");
    EXPECT_EQ(responder.ServiceRequests, 1);
}

TEST_F(SlpOnLoopback, SearchForAnotherTypeFindsNothing) {
    SlpServiceSearch search("service:printer", target, timings);
    ASSERT_TRUE(WaitFor(search));
    EXPECT_EQ(search.Output(), "");
}

TEST_F(SlpOnLoopback, LateAnswerWithinTheWaitIsTaken) {
    responder.ReplyDelayMs = 500;
    SlpServiceSearch search(kType, target, SlpTimings{3000, 3000});
    // The search must not hold the user interface while it waits for the answer.
    EXPECT_FALSE(search.IsFinished());
    ASSERT_TRUE(WaitFor(search));
    EXPECT_TRUE(search.Output().startsWith("service:device.kalvenor://127.0.0.1,65535\n"));
}

TEST_F(SlpOnLoopback, AnswerAfterTheWaitIsNotTaken) {
    responder.ReplyDelayMs = 2000;
    SlpServiceSearch search(kType, target, SlpTimings{400, 400});
    ASSERT_TRUE(WaitFor(search));
    EXPECT_EQ(search.Output(), "");
    EXPECT_EQ(search.ErrorLogLine(), "");
    // Sent again halfway through the wait, naming no one who answered yet.
    EXPECT_EQ(responder.ServiceRequests, 2);
    EXPECT_EQ(responder.PreviousResponders, (QStringList{"", ""}));
}

TEST_F(SlpOnLoopback, StrayAndBrokenDatagramsAreIgnored) {
    responder.NoiseBeforeReply = [](const QByteArray& reply) {
        QByteArray otherXid = reply;
        otherXid.replace("127.0.0.1", "127.0.0.9");
        otherXid[10] = static_cast<char>(otherXid[10] ^ 0x5A);
        QByteArray versionOne = reply;
        versionOne.replace("127.0.0.1", "127.0.0.8");
        versionOne[0] = 1;
        return QList<QByteArray>{reply.left(reply.size() - 3), otherXid, versionOne, QByteArray("\x02"), {}};
    };
    SlpServiceSearch search(kType, target, timings);
    ASSERT_TRUE(WaitFor(search));
    EXPECT_EQ(search.Output(),
              "service:device.kalvenor://127.0.0.1,65535\nservice:device.kalvenor://192.168.1.11,65535\n");
}

TEST_F(SlpOnLoopback, AttributeQueryGivesTheAttributeList) {
    SlpAttributeQuery query("127.0.0.1", responder.Port(), kType, timings);
    ASSERT_TRUE(WaitFor(query));
    EXPECT_EQ(query.Output(), kTcuAttributes + "\n");
    EXPECT_EQ(responder.AttributeRequests, 1);
}

TEST_F(SlpOnLoopback, AttributeQueryOfAnUnknownServiceGivesNothing) {
    SlpAttributeQuery query("127.0.0.1", responder.Port(), "service:printer", timings);
    ASSERT_TRUE(WaitFor(query));
    EXPECT_EQ(query.Output(), "");
}

TEST_F(SlpOnLoopback, HostThatNeverAnswersEndsWithTheWait) {
    sim::SimSlpResponder silent;  // bound, but with nothing to say and answering far too late
    ASSERT_TRUE(silent.Listen(QHostAddress::LocalHost, 0));
    silent.ReplyDelayMs = 5000;
    SlpAttributeQuery query("127.0.0.1", silent.Port(), kType, SlpTimings{300, 300});
    ASSERT_TRUE(WaitFor(query));
    EXPECT_EQ(query.Output(), "");
    EXPECT_EQ(silent.AttributeRequests, 2);
}

TEST_F(SlpOnLoopback, DroppingARunningSearchIsSafe) {
    responder.ReplyDelayMs = 200;
    {
        SlpServiceSearch search(kType, target, timings);
    }
    QTest::qWait(400);  // the late reply arrives for no one
    SUCCEED();
}

TEST_F(SlpOnLoopback, AdapterUsesTheOwnClientForAnotherTarget) {
    QTemporaryDir programFolder;
    // Even an slptool beside the program cannot be pointed at another target.
    QFile tool(programFolder.path() + "/slptool");
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\necho service:device.kalvenor://10.9.9.9,1\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QtSlpDiscovery discovery(programFolder.path(), timings);
    const auto services = discovery.FindServices(kType, target);
    ASSERT_TRUE(WaitFor(*services));
    EXPECT_TRUE(services->Output().startsWith("service:device.kalvenor://127.0.0.1,65535\n"));
    const auto attributes = discovery.FindAttributes("127.0.0.1", kType, target);
    ASSERT_TRUE(WaitFor(*attributes));
    EXPECT_EQ(attributes->Output(), kTcuAttributes + "\n");
}

// An slptool stand-in in a program folder: a script that writes what it was given and then a
// service line or an attribute list.
struct FakeSlpTool : ::testing::Test {
    void Write(const QByteArray& body) {
        QFile tool(folder.path() + "/slptool");
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n" + body);
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QTemporaryDir folder;
};

TEST_F(FakeSlpTool, InstalledSlptoolAnswersTheStandardTargetWithoutBlocking) {
    Write("echo \"args: $*\" >&2\nsleep 0.3\n"
          "case \"$1\" in findsrvs) echo service:device.kalvenor://10.1.2.3,65535;;"
          " -u) echo \"(device-model=880),(device-sw-version=3.10)\";; esac\n");
    QtSlpDiscovery discovery(folder.path());
    EXPECT_EQ(discovery.SlpToolPath(), folder.path() + "/slptool");

    const auto services = discovery.FindServices(kType, SlpTarget{});
    EXPECT_FALSE(services->IsFinished());  // the tool runs on while the user interface goes on
    ASSERT_TRUE(WaitFor(*services));
    EXPECT_EQ(services->Output(), "args: findsrvs service:device.kalvenor\nservice:device.kalvenor://10.1.2.3,65535\n");

    const auto attributes = discovery.FindAttributes("10.1.2.3", kType, SlpTarget{});
    ASSERT_TRUE(WaitFor(*attributes));
    EXPECT_EQ(attributes->Output(),
              "args: -u 10.1.2.3 findattrs service:device.kalvenor\n(device-model=880),(device-sw-version=3.10)\n");
}

TEST_F(FakeSlpTool, ProgramThatCannotStart) {
    const auto answer = RunCommandCaptured(folder.path() + "/missing", {"findsrvs"});
    ASSERT_TRUE(WaitFor(*answer));
    EXPECT_EQ(answer->Output(), " - Could not launch a required program");
    EXPECT_EQ(answer->ErrorLogLine(), "CreateProcessA failed: 0");
}

TEST_F(FakeSlpTool, ProgramThatOverrunsItsTimeGivesWhatItWroteSoFar) {
    Write("echo partial\nexec sleep 30\n");
    const auto answer = RunCommandCaptured(folder.path() + "/slptool", {}, 500);
    ASSERT_TRUE(WaitFor(*answer, 5000));
    EXPECT_EQ(answer->Output(), "partial\n");
    EXPECT_EQ(answer->ErrorLogLine(), "");
}

// Giving up on a search while its program still runs returns at once; the program is stopped
// and collected by the event loop, leaving nothing behind.
TEST_F(FakeSlpTool, DroppedWhileRunningStopsTheProgramAndLeavesNothingBehind) {
    const QString pidFile = folder.path() + "/pid";
    Write("echo $$ > \"" + pidFile.toLocal8Bit() + "\"\nexec sleep 30\n");
    auto answer = RunCommandCaptured(folder.path() + "/slptool", {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(pidFile).size() > 0; }, 10000));
    QFile file(pidFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString proc = "/proc/" + QString::fromLatin1(file.readAll().trimmed());
    ASSERT_TRUE(QFileInfo::exists(proc));

    answer.reset();
    // Gone, not even a zombie: the process was reaped.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(proc); }, 10000));
}

TEST_F(FakeSlpTool, OutputIsKeptToOnePipeBuffer) {
    Write("head -c 100000 /dev/zero | tr '\\0' a\n");
    const auto answer = RunCommandCaptured(folder.path() + "/slptool", {});
    ASSERT_TRUE(WaitFor(*answer));
    EXPECT_EQ(answer->Output(), QString(CapturedCommand::MaxOutputBytes, 'a'));
}

TEST_F(FakeSlpTool, ArgumentsReachTheProgramUnchangedWithoutAShell) {
    Write("for a in \"$@\"; do echo \"[$a]\"; done\n");
    const auto answer = RunCommandCaptured(folder.path() + "/slptool", {"-u", "1.2.3.4; rm -rf x", "$(id)"});
    ASSERT_TRUE(WaitFor(*answer));
    EXPECT_EQ(answer->Output(), "[-u]\n[1.2.3.4; rm -rf x]\n[$(id)]\n");
}

}  // namespace
