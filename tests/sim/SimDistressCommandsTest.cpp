#include <gtest/gtest.h>

#include "sim/SimDistressCommands.h"
#include "sim/SimShell.h"
#include "sim/SimTransceiver.h"

using namespace tidepost::sim;

namespace {

struct TestModeShell : ::testing::Test {
    // The body between the echo line and the prompt.
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    QString Control(const QString& word, const QString& rest = {}) {
        QString said;
        EXPECT_TRUE(DistressControl(shell, word, rest, said));
        return said;
    }
    SimShell shell;
};

TEST_F(TestModeShell, QueryStartAndStopWithTheirNotifications) {
    const QString enabled = "Distress functionality enabled\r\n";
    const QString disabled = "Distress functionality disabled\r\n";
    EXPECT_EQ(Body("se -q"), enabled);
    EXPECT_EQ(Control("distress"), "test-mode off");
    EXPECT_EQ(Body("se -q 1"), disabled);
    EXPECT_EQ(Body("se -q"), disabled);
    EXPECT_EQ(Control("distress"), "test-mode on");
    EXPECT_EQ(Body("st -l"), "INFO 733: Distress buttons test mode entered\r\n");
    EXPECT_EQ(Body("st -l"), "") << "reported once";
    EXPECT_EQ(Body("se -q 1"), disabled);
    EXPECT_EQ(Body("st -l"), "") << "no change, no notification";
    EXPECT_EQ(Body("se -q 0"), enabled);
    EXPECT_EQ(Body("st -l"), "INFO 803: Distress buttons test mode ended\r\n");
    EXPECT_EQ(Control("distress"), "test-mode off");
}

TEST_F(TestModeShell, TransceiversWithoutTheTestModeOrRefusingTheArgument) {
    EXPECT_EQ(Control("test-mode", "not-implemented"), "");
    for (const char* command : {"se -q", "se -q 1", "se -q 0"}) EXPECT_EQ(Body(command), "NOT implemented\r\n");
    EXPECT_EQ(Control("test-mode", "illegal"), "");
    EXPECT_EQ(Body("se -q 1"), "Illegal argument\r\n");
    EXPECT_EQ(Body("se -q 0"), "Illegal argument\r\n");
    EXPECT_EQ(Body("se -q"), "Distress functionality enabled\r\n");
    EXPECT_EQ(Control("distress"), "test-mode off");
    EXPECT_EQ(Control("test-mode", "sometimes"), "? test-mode normal|not-implemented|illegal");
    EXPECT_EQ(shell.Transceiver.TestModeAnswer, "illegal");
    EXPECT_EQ(Control("test-mode", "normal"), "");
    EXPECT_EQ(Body("se -q 1"), "Distress functionality disabled\r\n");
}

TEST_F(TestModeShell, TestEndedAtTheTransceiverIsReported) {
    Body("se -q 1");
    Body("st -l");
    EXPECT_EQ(Control("test-end"), "");
    EXPECT_EQ(Body("se -q"), "Distress functionality enabled\r\n");
    EXPECT_EQ(Body("st -l"), "INFO 803: Distress buttons test mode ended\r\n");
    QString said;
    EXPECT_FALSE(DistressControl(shell, "mute", {}, said));
}

TEST_F(TestModeShell, RepliesFollowTheShellsLineEnds) {
    shell.EchoTerminator = "\r\r\n";
    shell.LineEnd = "\n";
    EXPECT_EQ(shell.ReplyTo("se -q 1"), "se -q 1\r\r\nDistress functionality disabled\n" + shell.Prompt);
}

// The distress alert generator and the alert settings of "se -m".
struct GeneratorShell : TestModeShell {
    GeneratorShell() { shell.Transceiver.Utc = QDateTime(QDate(2024, 3, 7), QTime(14, 5), Qt::UTC); }
    static QString Block(const QString& les, const QString& nature, const QString& position, const QString& time,
                         const QString& course, const QString& speed) {
        auto line = [](const char* label, const QString& value) {
            return QString::fromLatin1(label).leftJustified(18) + ": " + value + "\r\n";
        };
        return "Parameters for Distress Alert Generator\r\nCurrent LES/NCS Id: " + les + "\r\n" +
               line("Nature of Distress", nature) + line("Position", position) + line("Time of Position", time) +
               line("Course", course + " deg/true") + line("Speed", speed + " knots");
    }
};

TEST_F(GeneratorShell, SetCommandChangesWhatTheQueryReports) {
    EXPECT_EQ(Body("se -g"), Block("112", "U", "55 40 12 N 012 35 47 E", "14:05", "090", "11"));
    EXPECT_EQ(Body("se -g 212,F,S,5,7,3,W,1,2,0,9,30,0,200"), "");
    EXPECT_EQ(Body("se -g"), Block("212", "F", "05 07 03 S 001 02 00 W", "09:30", "000", "200"));
    // The fields that ask for the unit's own position.
    EXPECT_EQ(Body("se -g 401,P,S,127,63,0,W,255,63,0,23,59,359,180"), "");
    EXPECT_EQ(Body("se -g"), Block("401", "P", "55 40 12 N 012 35 47 E", "14:05", "090", "11"));
}

TEST_F(GeneratorShell, BadFieldsAreRefused) {
    const QString refused = "ERROR 301: Invalid parameter\r\n";
    for (const char* command :
         {"se -g 112,U,N,91,0,0,E,0,0,0,0,0,0,0", "se -g 112,U,N,55,40,12,E,012,35,47,14,05,090,", "se -g 112,U,N,55",
          "se -g 112,X,N,55,40,12,E,012,35,47,14,05,090,11", "se -g 112,U,E,55,40,12,E,012,35,47,14,05,090,11",
          "se -g 112,U,N,55,40,12,E,012,35,47,24,05,090,11", "se -g 112,U,N,55,40,12,E,012,35,47,14,05,361,11"})
        EXPECT_EQ(Body(command), refused) << command;
    EXPECT_EQ(Body("se -g"), Block("112", "U", "55 40 12 N 012 35 47 E", "14:05", "090", "11")) << "nothing changed";
    // The refusal always follows a CR LF.
    shell.EchoTerminator = "\n";
    EXPECT_EQ(shell.ReplyTo("se -g 1"), "se -g 1\n\r\n" + refused + shell.Prompt);
}

TEST_F(GeneratorShell, ControlsForTheNextRefusalAndAUnitWithoutGenerator) {
    EXPECT_EQ(Control("next-error", "ERROR 550: Busy"), "");
    EXPECT_EQ(Body("se -g"), "ERROR 550: Busy\r\n" + Block("112", "U", "55 40 12 N 012 35 47 E", "14:05", "090", "11"));
    EXPECT_EQ(Control("next-error", "ERROR 301: Invalid parameter"), "");
    EXPECT_EQ(Body("se -g 212,F,S,5,7,3,W,1,2,0,9,30,0,200"), "ERROR 301: Invalid parameter\r\n");
    EXPECT_EQ(shell.Transceiver.DistressLes, 112) << "a refused setting is not taken";
    EXPECT_EQ(Control("next-error"), "? next-error <text>");
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "generator", "no"));
    EXPECT_EQ(Body("se -g"), "Illegal argument\r\n");
    EXPECT_EQ(Body("se -g 112,U,N,55,40,12,E,012,35,47,14,05,090,11"), "Illegal argument\r\n");
}

TEST_F(GeneratorShell, AlertLesAndNatureByUnitType) {
    const QString stx(QChar(2));
    const QString etx(QChar(3));
    auto oceans = [&](const QStringList& ids) {
        return "ocean 0 AOR-W:" + stx + ids[0] + etx + "\r\nocean 1 AOR-E:" + stx + ids[1] + etx +
               "\r\nocean 2 POR:  " + stx + ids[2] + etx + "\r\nocean 3 IOR:  " + stx + ids[3] + etx + "\r\n";
    };
    EXPECT_EQ(Body("se -m ALL_OCEANS"), "Alert LES\r\n" + oceans({"002", "112", "212", "305"}));
    EXPECT_EQ(Body("se -m "), "Maritime nature of distress: Unspecified\r\n");
    EXPECT_EQ(Body("se -m 001,101,201,301"), "");
    EXPECT_EQ(Body("se -m 001,n,S"), "");
    EXPECT_EQ(Body("se -m "), "Maritime nature of distress: Sinking\r\n");
    EXPECT_EQ(Body("se -m 1,2"), "ERROR 301: Invalid parameter\r\n");

    shell.Transceiver.MobileType = "Landmobile";
    EXPECT_EQ(Body("se -m ALL_OCEANS"), "Land Mobile Alert LES\r\n" + oceans({"001", "101", "201", "301"}));
    EXPECT_EQ(Body("se -m "), "Land Mobile nature of distress: Dangerous cargo leak/spill\r\n");
    EXPECT_EQ(Control("alert-form", "ids"), "");
    EXPECT_EQ(Body("se -m ALL_OCEANS"), "LES IDs           : 001, 101, 201, 301\r\n");
    EXPECT_EQ(Control("alert-form", "other"), "? alert-form ids|auto");
}

}  // namespace
