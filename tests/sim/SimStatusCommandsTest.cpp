#include <gtest/gtest.h>

#include <QRegularExpression>

#include "sim/SimShell.h"
#include "sim/SimTransceiver.h"

using namespace tidepost::sim;

namespace {

const QString kStx(QChar(2));
const QString kEtx(QChar(3));

struct StatusShell : ::testing::Test {
    StatusShell() { shell.Transceiver.Utc = QDateTime(QDate(2025, 3, 14), QTime(10, 22, 33), Qt::UTC); }
    // The body between the echo line and the prompt.
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    SimShell shell;
};

// The shell pads the fixed-width values of its status to their fields.
TEST_F(StatusShell, WorkingStatusPadsItsFields) {
    shell.Transceiver.TdmOrigin = 44;
    EXPECT_EQ(Body("st -w"), "Software version    : 5.12\r\n"
                             "Synchronization     : Yes \r\n"
                             "TDM origin          : 044 \r\n"
                             "Logged in           : Yes \r\n"
                             "Current protocol    : Free                     \r\n"
                             "Current channel     : NCS \r\n"
                             "Serial no           : 100234\r\n"
                             "Mobile no           : 423456789\r\n"
                             "Preferred ocean     : E  \r\n");
}

TEST_F(StatusShell, IdentityAsChosen) {
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "model", "560M SSAS"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "solas", "Non-SOLAS"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "mobile-type", "Fishery"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "version", "3.10"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "cpu", "2.07"));
    EXPECT_EQ(Body("st -i"), "Product             : 560M SSAS\r\n"
                             "Mobile class        : Non-SOLAS Fishery\r\n"
                             "Software version    : 3.10\r\n");
    EXPECT_EQ(Body("ver"), "Boot                : 1.00\r\nCPU                 : 2.07\r\n");
    EXPECT_FALSE(Body("st -v").contains("Inmarsat-C Software"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "510ab", "yes"));
    EXPECT_TRUE(Body("st -v").startsWith("Inmarsat-C Software : 3.10\r\n"));
}

TEST_F(StatusShell, MarkedValuesAndClock) {
    EXPECT_EQ(Body("st -s"), "Signal strength     : " + kStx + "4" + kEtx + "\r\n");
    EXPECT_EQ(Body("se -p"), "Position : " + kStx + "55 40 12 N 012 35 47 E" + kEtx + " at 10:22:33 UTC\r\n" +
                                 "Course   : " + kStx + "090" + kEtx + "\r\n" + "Speed    : " + kStx + "011" + kEtx +
                                 "\r\nStatus   : Valid\r\n");
    EXPECT_EQ(Body("ti -u"), "25-03-14 10:22:33 UTC\r\n");
    EXPECT_EQ(Body("ti u"), "25-03-14  10:22:33\r\n");
    EXPECT_EQ(Body("st -m"), "Latest Link Test results\r\nResult              : " + kStx + "Passed" + kEtx +
                                 "\r\nTest at UTC         : " + kStx + "25-03-14 10:22" + kEtx + "\r\n");
    EXPECT_TRUE(Body("ru -g").contains("Test Summary: OK\r\n"));
    EXPECT_FALSE(Body("nc -s").contains("command not found"));
}

TEST_F(StatusShell, ChosenStates) {
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "position-valid", "no"));
    EXPECT_TRUE(Body("se -p").contains("Status   : Not Valid\r\n"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "link-test", "none"));
    EXPECT_EQ(Body("st -m"), "No test results available\r\n");
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "gps", "no"));
    EXPECT_TRUE(Body("ru -g").contains("Test Summary: FAIL\r\n"));
}

// Every line of every reply body ends with the shell's chosen line end, texts of several lines
// included; no other CR or LF is sent.
TEST_F(StatusShell, EveryBodyLineEndsWithTheChosenLineEnd) {
    const QStringList commands = {"st -l", "st -v", "st -i", "ver", "st -w", "st -s",
                                  "ru -g", "ti -u", "ti u",  "se -p", "st -m", "nc -s"};
    for (const EchoEnd end : {EchoEnd::Lf, EchoEnd::CrLf, EchoEnd::CrCrLf}) {
        shell.LineEnd = EchoEndText(end);
        shell.EchoTerminator = EchoEndText(end == EchoEnd::CrLf ? EchoEnd::Lf : EchoEnd::CrLf);
        for (const QString& command : commands) {
            shell.AddInfo("  80", "Transmission failed.\r\nLES 21 Destination");
            const QString body = Body(command);
            const QString name = command + " / " + QString::number(shell.LineEnd.size());
            EXPECT_TRUE(body.endsWith(shell.LineEnd)) << name.toStdString();
            EXPECT_FALSE(QString(body).remove(shell.LineEnd).contains(QRegularExpression("[\r\n]")))
                << name.toStdString();
            shell.Notifications.clear();
        }
        shell.AddInfo("  80", "Transmission failed.\r\nLES 21 Destination");
        EXPECT_EQ(Body("st -l"),
                  "INFO   80: Transmission failed." + shell.LineEnd + "LES 21 Destination" + shell.LineEnd);
    }
}

TEST(SimTransceiverValues, RefusesUnknownNamesAndUnfittingValues) {
    SimTransceiver t;
    struct Case {
        const char* name;
        const char* value;
        bool accepted;
    } cases[] = {
        {"SYNC", "no", true},   {"sync", "maybe", false}, {"tdm", "344", true},   {"tdm", "x", false},
        {"ocean", "P", true},   {"ocean", "Q", false},    {"signal", "0", true},  {"signal", "10", false},
        {"utc", "2025-03-14 10:22:33", true},             {"utc", "yesterday", false},
        {"utc", "pc", true},    {"colour", "red", false},
    };
    for (const Case& c : cases) EXPECT_EQ(SetTransceiverValue(t, c.name, c.value), c.accepted) << c.name << c.value;
    EXPECT_FALSE(t.Synchronized);
    EXPECT_EQ(t.TdmOrigin, 344);
    EXPECT_EQ(t.PreferredOcean, QChar('P'));
    EXPECT_EQ(t.SignalStrength, 0);
    EXPECT_FALSE(t.Utc.has_value());
}

}  // namespace

namespace {

// Each LES of the region: its id line, name and services, each value framed, and an empty line.
TEST_F(StatusShell, LesListingFramesEachStationAndEndsItWithAnEmptyLine) {
    const QString station = "LES id " + kStx + "%1" + kEtx + "\r\n" + "Name     : " + kStx + "Station %2" + kEtx +
                            "\r\n" + "Services : " + kStx + "Telex, E-mail, Fax, X.25, Distress" + kEtx + "\r\n";
    const QString expected =
        station.arg("101", "101") + "\r\n" + station.arg("102", "102") + "\r\n" + station.arg("112", "112") + "\r\n";
    EXPECT_EQ(Body("st -n"), expected);
    EXPECT_EQ(Body("status -n"), expected);

    // Ids right-aligned in three characters, printed as given; the last block left open.
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "les", "1,12,1x2"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "les-end", "no"));
    shell.LineEnd = "\n";
    EXPECT_EQ(Body("st -n"), station.arg("  1", "1").replace("\r\n", "\n") + "\n" +
                                 station.arg(" 12", "12").replace("\r\n", "\n") + "\n" +
                                 station.arg("1x2", "1x2").replace("\r\n", "\n"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "les", ""));
    EXPECT_EQ(Body("st -n"), "");
    EXPECT_FALSE(SetTransceiverValue(shell.Transceiver, "les-end", "maybe"));
}

}  // namespace

namespace {

TEST_F(StatusShell, ClockRefusedOrWithoutADate) {
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "ti-nodate", "yes"));
    const QString dateless = Body("ti -u");
    EXPECT_FALSE(dateless.contains('-'));
    EXPECT_FALSE(dateless.isEmpty());
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "ti-error", "yes"));
    EXPECT_EQ(Body("ti -u"), "ERROR 120: Command not available\r\n");
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "ti-error", "no"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "ti-nodate", "no"));
    EXPECT_EQ(Body("ti -u"), "25-03-14 10:22:33 UTC\r\n");
    EXPECT_FALSE(SetTransceiverValue(shell.Transceiver, "ti-error", "maybe"));
}

}  // namespace
