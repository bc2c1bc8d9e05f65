#include <gtest/gtest.h>

#include "sim/SimReportingCommands.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

struct ReportingShell : ::testing::Test {
    // The body between the echo line and the prompt.
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    // A control line; "" when it was taken, else what the simulator prints.
    QString Control(const QString& line) {
        QString problem;
        EXPECT_TRUE(ReportingControl(shell, line.section(' ', 0, 0), line.section(' ', 1).trimmed(), problem));
        return problem;
    }
    SimShell shell;
};

TEST_F(ReportingShell, AllProgramsAreClosedAtStart) {
    EXPECT_EQ(Body("pg -d"), "Prg Type    Status   Connection\r\n"
                             "0  closed  PU[-       \r\n"
                             "1  closed  PU[-       \r\n"
                             "2  closed  PU[-       \r\n"
                             "3  closed  PU[-       \r\n");
    EXPECT_EQ(Body("pg -d 3"), "\r\nReporting program 3: closed, none\r\n");
}

TEST_F(ReportingShell, TheListPadsTheHeadOfEachLineTo21CharactersAndEndsLinesAsTheEcho) {
    shell.EchoTerminator = "\r\r\n";
    shell.LineEnd = "\n";
    EXPECT_EQ(Control("program 0 local started 12,12345,1 101,23456,2"), "");
    EXPECT_EQ(Control("program 2 remote stopped 300,555,7"), "");
    EXPECT_EQ(Control("program 3 local ads-started 012,0012345,03"), "");
    EXPECT_EQ(Control("program 1 local ads-stopped"), "");
    EXPECT_EQ(Body("pg -d"), "Prg Type    Status   Connection\r\r\n"
                             "0  local   PU[i      12,12345,1 101,23456,2 \r\r\n"
                             "1  local   CN[s       \r\r\n"
                             "2  remote  PU[s      300,555,7 \r\r\n"
                             "3  local   CN[i      12,12345,3 \r\r\n");
    // The text of one program: CR LF, then the text ended by the line end of a reply's lines.
    EXPECT_EQ(Body("pg -d 2"), "\r\nReporting program 2: remote, stopped\n");
    EXPECT_EQ(Body("pg -d 3"), "\r\nReporting program 3: local, ads-started\n");
}

TEST_F(ReportingShell, StartStopAndCloseChangeWhatTheListShows) {
    Control("program 0 local stopped 12,12345,1");
    Control("program 1 remote started 300,555,7");
    Control("program 2 local ads-stopped 101,1,1");
    struct Step {
        QString command;
        QString body;
        int program;
        QString status;
    } steps[] = {
        {"pg -i 0,P", "", 0, "started"},
        {"pg -s 0", "", 0, "stopped"},
        {"pg -i 2,P", "", 2, "ads-started"},
        {"pg -s 2", "", 2, "ads-stopped"},
        {"pg -s 1", "pg: program 1 is not a local program\r\n", 1, "started"},
        {"pg -i 3,P", "pg: program 3 is not a local program\r\n", 3, "none"},
        {"pg -i 0", "pg: usage: pg -i <0-3>,P\r\n", 0, "stopped"},
        {"pg -s 4", "pg: usage: pg -s <0-3>\r\n", 0, "stopped"},
        {"pg -d 9", "pg: usage: pg -d [0-3]\r\n", 0, "stopped"},
        {"pg -c 1", "", 1, "none"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(Body(s.command), s.body) << s.command.toStdString();
        EXPECT_EQ(shell.ReportingPrograms.Programs[s.program].Status, s.status) << s.command.toStdString();
    }
    EXPECT_EQ(shell.ReportingPrograms.Programs[1].Type, "closed");
    EXPECT_TRUE(shell.ReportingPrograms.Programs[1].Slots.isEmpty());
    EXPECT_EQ(Body("pg -d").section("\r\n", 2, 2), "1  closed  PU[-       ");
}

TEST_F(ReportingShell, UnsupportedProgramsAnswerError120) {
    EXPECT_EQ(Control("pg-unsupported on"), "");
    for (const QString command : {"pg -d", "pg -d 1", "pg -i 0,P", "pg -s 0", "pg -c 0"})
        EXPECT_EQ(Body(command), "ERROR 120: Command not supported\r\n") << command.toStdString();
    EXPECT_EQ(Control("pg-unsupported OFF"), "");
    EXPECT_TRUE(Body("pg -d").startsWith("Prg Type"));
}

TEST_F(ReportingShell, BadControlLinesChangeNothing) {
    Control("program 0 local started 12,12345,1");
    for (const QString line : {"program 4 local started", "program x local started", "program 0 open started",
                               "program 0 local running", "program 0 local started 12,12345", "program 0 local started a,b,c",
                               "program 0 local started 1,1,1 2,2,2 3,3,3 4,4,4 5,5,5", "program 0 local",
                               "pg-unsupported maybe"})
        EXPECT_NE(Control(line), "") << line.toStdString();
    EXPECT_EQ(shell.ReportingPrograms.Programs[0].Slots, QStringList{"12,12345,1"});
    EXPECT_FALSE(shell.ReportingPrograms.Unsupported);
    QString problem;
    EXPECT_FALSE(ReportingControl(shell, "mute", "", problem));
}

}  // namespace
