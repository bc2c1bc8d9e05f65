#include <QTest>
#include <gtest/gtest.h>

#include "sim/ShellLineReader.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

TEST(ShellLineReader, CutsLinesAtCrOrLfWithCrLfCountingOnce) {
    struct Case {
        QList<QByteArray> pieces;
        QList<QByteArray> lines;
        QByteArray partial;
    };
    const Case cases[] = {
        {{"st -l\r\n"}, {"st -l"}, ""},
        {{"st -l\n"}, {"st -l"}, ""},
        {{"tr IN.1 40\r"}, {"tr IN.1 40"}, ""},
        {{"st -n\n\r\n"}, {"st -n", ""}, ""},
        {{"\r\nX\r\nY\r\n"}, {"", "X", "Y"}, ""},
        {{"st -l\r", "\nver\r\n"}, {"st -l", "ver"}, ""},  // CR LF split over two writes
        {{"\n\n"}, {"", ""}, ""},
        {{"\r\r\n"}, {"", ""}, ""},
        {{"ver"}, {}, "ver"},
    };
    for (const Case& c : cases) {
        ShellLineReader reader;
        QList<QByteArray> lines;
        for (const QByteArray& p : c.pieces) lines += reader.Feed(p);
        EXPECT_EQ(lines, c.lines) << c.pieces.join("|").toStdString();
        EXPECT_EQ(reader.Partial(), c.partial);
    }
}

struct ShellFixture : ::testing::Test {
    ShellFixture() : shell([this](const QByteArray& b) { written += b; }) {}
    QByteArray Say(const QByteArray& input) {
        written.clear();
        shell.Receive(input);
        return written;
    }
    QByteArray written;
    SimShell shell;
};

struct StatusListCase {
    const char* name;
    EchoEnd end;
    QByteArray terminator;
};

class StatusListShape : public ShellFixture, public ::testing::WithParamInterface<StatusListCase> {};

TEST_P(StatusListShape, EchoTerminatorThenOneLinePerEntryThenThePrompt) {
    shell.EchoTerminator = EchoEndText(GetParam().end);
    shell.AddInfo("21", "Distress Acknowledgement received");
    shell.AddInfo("  80", "Transmission failed.\r\nLES 112, ref 4711\r\nRetry later");
    shell.AddError("253", "Report written to REPORT.017");
    shell.AddInfo(" 811", "Message \x02" "queued\x03");

    const QByteArray t = GetParam().terminator;
    EXPECT_EQ(Say("st -l\r\n"), "st -l" + t +
                                    "INFO 21: Distress Acknowledgement received\r\n"
                                    "INFO   80: Transmission failed.\r\nLES 112, ref 4711\r\nRetry later\r\n"
                                    "ERROR 253: Report written to REPORT.017\r\n"
                                    "INFO  811: Message \x02" "queued\x03\r\n"
                                    "can0:/$ ");
    // Each entry is reported once.
    EXPECT_EQ(Say("st -l\r\n"), "st -l" + t + "can0:/$ ");
}

INSTANTIATE_TEST_SUITE_P(Sim, StatusListShape,
                         ::testing::Values(StatusListCase{"Lf", EchoEnd::Lf, "\n"},
                                           StatusListCase{"CrLf", EchoEnd::CrLf, "\r\n"},
                                           StatusListCase{"CrCrLf", EchoEnd::CrCrLf, "\r\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EchoEnd, NamesAndTexts) {
    EXPECT_EQ(ParseEchoEnd("LF"), EchoEnd::Lf);
    EXPECT_EQ(ParseEchoEnd("crlf"), EchoEnd::CrLf);
    EXPECT_EQ(ParseEchoEnd("CrCrLf"), EchoEnd::CrCrLf);
    EXPECT_FALSE(ParseEchoEnd("cr").has_value());
    EXPECT_EQ(EchoEndText(EchoEnd::CrCrLf), "\r\r\n");
}

TEST_F(ShellFixture, EmptyLineGetsItsLineEndAndThePrompt) {
    EXPECT_EQ(Say("\r\n"), "\r\ncan0:/$ ");
}

TEST_F(ShellFixture, UnknownCommandGetsAnErrorLine) {
    EXPECT_EQ(Say("frobnicate -x\r\n"), "frobnicate -x\r\nfrobnicate: command not found\r\ncan0:/$ ");
}

TEST_F(ShellFixture, EachLineOfOneWriteIsAnsweredInTurn) {
    // A command queued with its own LF goes out as the command and an empty line.
    EXPECT_EQ(Say("st -l\n\r\n"), "st -l\r\ncan0:/$ \r\ncan0:/$ ");
    EXPECT_EQ(shell.Received, (QStringList{"st -l", ""}));
}

TEST_F(ShellFixture, PromptIsConfigurable) {
    shell.Prompt = "can1:/$ ";
    EXPECT_EQ(Say("st -l\r\n"), "st -l\r\ncan1:/$ ");
}

TEST_F(ShellFixture, MuteReadsButNeverAnswers) {
    shell.Mute = true;
    shell.AddInfo("30", "Logged in");
    EXPECT_EQ(Say("st -l\r\n"), QByteArray());
    EXPECT_EQ(shell.Received, QStringList{"st -l"});
    shell.Mute = false;
    EXPECT_EQ(Say("st -l\r\n"), "st -l\r\nINFO 30: Logged in\r\ncan0:/$ ");
}

TEST_F(ShellFixture, CutReplyStopsMidWayOnce) {
    shell.AddInfo("30", "Logged in");
    shell.CutNextReplyAfter = 12;
    EXPECT_EQ(Say("st -l\r\n"), "st -l\r\nINFO ");
    EXPECT_EQ(Say("st -l\r\n"), "st -l\r\ncan0:/$ ");
}

TEST_F(ShellFixture, RestartLineComesAfterTheEchoOfTheNextReplyOnce) {
    shell.AddInfo("30", "Logged in");
    shell.EchoTerminator = "\r\r\n";
    shell.LineEnd = "\n";
    shell.RestartPending = true;
    EXPECT_EQ(Say("st -l\r\n"), "st -l\r\r\nStarting application program.\nINFO 30: Logged in\ncan0:/$ ");
    EXPECT_EQ(Say("ver\r\n").count("Starting application program."), 0);
}

TEST_F(ShellFixture, ExtraRowsComeBeforeTheCommonTable) {
    shell.ExtraCommands.append({"ty IN.", true, [](SimShell& s, const QString& line) {
                                    return "fetched " + line.mid(6) + s.LineEnd;
                                }});
    shell.ExtraCommands.append({"st -l", false, [](SimShell&, const QString&) { return QString("x\r\n"); }});
    EXPECT_EQ(Say("ty IN.12\r\n"), "ty IN.12\r\nfetched 12\r\ncan0:/$ ");
    EXPECT_EQ(Say("st -l\r\n"), "st -l\r\nx\r\ncan0:/$ ");
}

TEST_F(ShellFixture, UserReportComesWithTheNextStatusList) {
    struct Case {
        QByteArray input;
        QByteArray answer;
    } cases[] = {
        {"db usrrep 80 1\r\nst -l\r\n",
         "db usrrep 80 1\r\ncan0:/$ st -l\r\nINFO 80: Simulated user report 80\r\ncan0:/$ "},
        {"db usrrep x 1\r\nst -l\r\n", "db usrrep x 1\r\nusage: db usrrep <number> 1\r\ncan0:/$ st -l\r\ncan0:/$ "},
    };
    for (const Case& c : cases) EXPECT_EQ(Say(c.input), c.answer) << c.input.toStdString();
}

TEST_F(ShellFixture, CommandsMatchExactly) {
    // A longer line is another command, not the status list.
    shell.AddInfo("30", "Logged in");
    EXPECT_EQ(Say("st -lx\r\n"), "st -lx\r\nst: command not found\r\ncan0:/$ ");
    EXPECT_EQ(shell.Notifications.size(), 1);
}

}  // namespace
