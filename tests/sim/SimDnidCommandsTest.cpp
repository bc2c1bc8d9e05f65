#include <gtest/gtest.h>

#include "sim/SimDnidCommands.h"
#include "sim/SimReportingCommands.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

struct DnidShell : ::testing::Test {
    // The body between the echo line and the prompt.
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    QString Control(const QString& line) {
        QString problem;
        EXPECT_TRUE(DnidControl(shell, line.section(' ', 0, 0), line.section(' ', 1).trimmed(), problem));
        return problem;
    }
    SimShell shell;
};

TEST_F(DnidShell, TheListHasFixedColumnsAndEndsLinesAsTheEcho) {
    EXPECT_EQ(Body("st -d"), "Provider Name St LES DNID Mem Sa Ch Rd\r\n0 DNID(s) stored\r\n");
    EXPECT_EQ(Control("dnid North Sea Fleet Services|1|12|12345|1|0|1|0"), "");
    EXPECT_EQ(Control("dnid Harbour Data Ltd|1|102|12345|3|0|1|0"), "");
    EXPECT_EQ(Control("dnid A Provider Named To The Full Width|7|5|9|999|9|8|7"), "?"
              " dnid <provider>|<status 0-99>|<les 0-999>|<dnid 0-99999>|<member 0-999>|<sub 0-9>|<channel 0-9>|<random 0-9>");
    EXPECT_EQ(Control("dnid Twenty-seven characters abc|17|5|9|999|9|8|7"), "");
    shell.EchoTerminator = "\r\r\n";
    shell.LineEnd = "\n";
    const QString body = Body("st -d");
    EXPECT_EQ(body, "Provider Name St LES DNID Mem Sa Ch Rd\r\r\n"
                    "North Sea Fleet Services    1 012 12345     1   0     1  0\r\r\n"
                    "Harbour Data Ltd            1 102 12345     3   0     1  0\r\r\n"
                    "Twenty-seven characters abc17 005     9   999   9     8  7\r\r\n"
                    "3 DNID(s) stored\r\r\n");
    for (const QString& line : body.split("\r\r\n").mid(1, 3)) EXPECT_EQ(line.size(), 58);
}

TEST_F(DnidShell, EnableAndDisableSwitchOneDnid) {
    Control("dnid North Sea Fleet Services|1|12|12345|1|0|1|0");
    Control("dnid Harbour Data Ltd|1|102|12345|3|0|1|0");
    struct Step {
        QString command, body;
        int north, harbour;
    } steps[] = {
        {"st -d D102,12345,3,0", "", 1, 0},
        {"st -d E102,12345,3,0", "", 1, 1},
        {"st -d D12,12345,1,0", "", 0, 1},
        {"st -d D12,12345,2,0", "st: no such DNID\r\n", 0, 1},
        {"st -d X12,12345,1,0", "st: usage: st -d [E|D<les>,<dnid>,<member>,<sub>]\r\n", 0, 1},
        {"st -d E12,12345,1", "st: usage: st -d [E|D<les>,<dnid>,<member>,<sub>]\r\n", 0, 1},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(Body(s.command), s.body) << s.command.toStdString();
        EXPECT_EQ(shell.DnidStore.List[0].Status, s.north) << s.command.toStdString();
        EXPECT_EQ(shell.DnidStore.List[1].Status, s.harbour) << s.command.toStdString();
    }
    EXPECT_TRUE(Body("st -d").contains("North Sea Fleet Services    0 012"));
    EXPECT_EQ(Control("dnids clear"), "");
    EXPECT_TRUE(shell.DnidStore.List.isEmpty());
}

TEST_F(DnidShell, SlotsThenTimingMakeALocalStoppedProgram) {
    EXPECT_EQ(Body("pg -o \"012,12345,001 102,12345,003 \""), "");
    EXPECT_EQ(Body("pg -p 0,417"), "");
    const SimReportingProgram& p = shell.ReportingPrograms.Programs[0];
    EXPECT_EQ(p.Type, "local");
    EXPECT_EQ(p.Status, "stopped");
    EXPECT_EQ(p.Slots, (QStringList{"12,12345,1", "102,12345,3"}));
    EXPECT_EQ(shell.DnidStore.Timing[0], "417");
    EXPECT_EQ(Body("pg -i 0,P"), "");
    EXPECT_TRUE(Body("pg -d").contains("0  local   PU[i      12,12345,1 102,12345,3 \r\n"));

    EXPECT_EQ(Body("pg -o \"305,00777,012\""), "");
    EXPECT_EQ(Body("pg -p 3,417,2708"), "");
    EXPECT_EQ(shell.ReportingPrograms.Programs[3].Slots, QStringList{"305,777,12"});
    EXPECT_EQ(shell.DnidStore.Timing[3], "417,2708");
}

TEST_F(DnidShell, BadSetUpsChangeNothing) {
    SetReportingProgram(shell.ReportingPrograms, 2, {"remote", "started", "300,555,7"});
    for (const QString command : {"pg -o 012,12345,001", "pg -o \"\"", "pg -o \"1,2,3 4,5,6 7,8,9 1,1,1 2,2,2\"",
                                  "pg -o \"1,2\""})
        EXPECT_TRUE(Body(command).startsWith("pg: usage: pg -o")) << command.toStdString();
    for (const QString command : {"pg -p 4,417", "pg -p 0,0", "pg -p 0", "pg -p 0,417,10000", "pg -p a,417"})
        EXPECT_TRUE(Body(command).startsWith("pg: usage: pg -p")) << command.toStdString();
    EXPECT_EQ(Body("pg -p 2,417"), "pg: program 2 is a remote program\r\n");
    EXPECT_EQ(shell.ReportingPrograms.Programs[0].Type, "closed");
    EXPECT_EQ(shell.ReportingPrograms.Programs[2].Type, "remote");

    shell.ReportingPrograms.Unsupported = true;
    EXPECT_EQ(Body("pg -o \"1,2,3\""), "ERROR 120: Command not supported\r\n");
    EXPECT_EQ(Body("pg -p 0,417"), "ERROR 120: Command not supported\r\n");
}

TEST_F(DnidShell, BadControlLinesAddNothing) {
    for (const QString line : {"dnid x|1|12|12345|1|0|1", "dnid |1|12|12345|1|0|1|0", "dnid x|100|12|12345|1|0|1|0",
                               "dnid x|1|1000|12345|1|0|1|0", "dnid x|1|12|100000|1|0|1|0", "dnid x|1|12|12345|1000|0|1|0",
                               "dnid x|1|12|12345|1|10|1|0", "dnid x|1|12|12345|-1|0|1|0", "dnid x|1|12|12345|1|0|a|0",
                               "dnids all"})
        EXPECT_NE(Control(line), "") << line.toStdString();
    EXPECT_TRUE(shell.DnidStore.List.isEmpty());
    QString problem;
    EXPECT_FALSE(DnidControl(shell, "program", "0 local started", problem));
}

}  // namespace
