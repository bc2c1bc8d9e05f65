#include <gtest/gtest.h>

#include "sim/SimMessageReportingCommands.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

struct MessageReportingShell : ::testing::Test {
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    QString Control(const QString& line) {
        QString problem;
        EXPECT_TRUE(MessageReportingControl(shell, line.section(' ', 0, 0), line.section(' ', 1).trimmed(), problem));
        return problem;
    }
    SimShell shell;
};

TEST_F(MessageReportingShell, TheListingGivesEachOptionWithItsLabel) {
    EXPECT_EQ(Body("rs"),
              "Illegal argument\r\n"
              "-m (str)  value is 1-12                 Month\r\n"
              "-d (str)  value is *                    Month day\r\n"
              "-w (str)  value is *                    Day of week\r\n"
              "-h (str)  value is 0,6,12,18            Hour of day\r\n"
              "-u (str)  value is 0                    Minute of day\r\n"
              "-n (num)  value is 0                    Print\r\n"
              "-v (num)  value is 1                    Confirmation\r\n"
              "-p (str)  value is 1234                 PIN code\r\n"
              "-a (str)  value is 7                    Destination Address\r\n"
              "-f (num)  value is 0                    Operation 0: disabled\r\n");
}

TEST_F(MessageReportingShell, TheBatchSetsWhatItCarries) {
    for (const char* line : {"rs -f 6", "rs -m 2,4 -d 1-7", "rs -w 1 -h 6", "rs -u 30 -n 1 -v 0 -p AB12",
                             "rs -t 0 -l 6 -a 581234567 -f 1 102 201 301 001"})
        EXPECT_EQ(Body(line), "") << line;
    const SimMessageReporting& m = shell.MessageReporting;
    EXPECT_EQ((QStringList{m.Month, m.DayOfMonth, m.DayOfWeek, m.Hour, m.Minute, m.Print, m.Confirmation, m.PinCode,
                           m.Address}),
              (QStringList{"2,4", "1-7", "1", "6", "30", "1", "0", "AB12", "581234567"}));
    EXPECT_EQ(m.Operation, 1);
    EXPECT_EQ(m.Other.value("f"), "102 201 301 001");
    EXPECT_TRUE(Body("rs").endsWith("-f (num)  value is 1                    Operation 1: enabled\r\n"));
    // A missing value or an unknown option sets nothing.
    EXPECT_EQ(Body("rs -m 5 -d"), "Illegal argument\r\n");
    EXPECT_EQ(Body("rs -q 1"), "Illegal argument\r\n");
    EXPECT_EQ(m.Month, "2,4");
    EXPECT_EQ(Body("rs -f 0"), "");
    EXPECT_EQ(m.Operation, 0);
}

TEST_F(MessageReportingShell, ControlsAndUnsupported) {
    EXPECT_EQ(Control("rs -m 3"), "");
    EXPECT_EQ(Control("rs a 0042"), "");
    EXPECT_EQ(Control("rs operation 1"), "");
    EXPECT_EQ(Control("rs -z 1"), "? rs -m|-d|-w|-h|-u|-n|-v|-p|-a|-f <value>");
    EXPECT_EQ(shell.MessageReporting.Month, "3");
    EXPECT_EQ(shell.MessageReporting.Address, "0042");
    EXPECT_EQ(shell.MessageReporting.Operation, 1);
    EXPECT_EQ(Control("rs-unsupported on"), "");
    EXPECT_EQ(Body("rs"), "INFO 999: Message reporting not supported\r\n");
    EXPECT_EQ(Body("rs -f 6"), "INFO 999: Message reporting not supported\r\n");
    EXPECT_EQ(Control("rs-unsupported maybe"), "? rs-unsupported on|off");
    EXPECT_EQ(Control("rs-unsupported off"), "");
    EXPECT_TRUE(Body("rs").startsWith("Illegal argument\r\n"));
}

TEST_F(MessageReportingShell, ThePositionSetIsWhatTheQueryReports) {
    EXPECT_EQ(Body("se -p 56,20,5,N,3,4,1,W,180,12"), "");
    const QString report = Body("se -p");
    EXPECT_TRUE(report.startsWith("Position : \x02" "56 20 05 N 003 04 01 W\x03 at ")) << report.toStdString();
    EXPECT_TRUE(report.contains("Course   : \x02" "180\x03")) << report.toStdString();
    EXPECT_TRUE(report.contains("Speed    : \x02" "012\x03")) << report.toStdString();
    for (const char* bad : {"se -p ,,,,,,,,,", "se -p 91,0,0,N,0,0,0,E,0,0", "se -p 1,2,3,X,4,5,6,E,7,8",
                            "se -p 1,2,3,N,4,5,6,E,7"})
        EXPECT_EQ(Body(bad), "Illegal argument\r\n") << bad;
    EXPECT_EQ(shell.Transceiver.Position, "56 20 05 N 003 04 01 W");
}

}  // namespace
