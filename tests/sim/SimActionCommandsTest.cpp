#include <gtest/gtest.h>

#include "sim/SimShell.h"
#include "sim/SimTransceiver.h"

using namespace tidepost::sim;

namespace {

const QString kStx(QChar(2));
const QString kEtx(QChar(3));

struct ActionShell : ::testing::Test {
    // The body between the echo line and the prompt.
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    QString StatusLine(const QString& key) {
        for (const QString& line : Body("st -w").split("\r\n"))
            if (line.startsWith(key)) return line;
        return {};
    }
    SimShell shell;
};

TEST_F(ActionShell, LoginLogoutAndPreferredOceanShowInTheWorkingStatus) {
    struct Case {
        QString command;
        QString key;
        QString line;
    } cases[] = {
        {"lo", "Logged in", "Logged in           : No  "},
        {"li 44", "TDM origin", "TDM origin          : 044 "},
        {"li 244", "TDM origin", "TDM origin          : 244 "},
        {"li 344", "Logged in", "Logged in           : Yes "},
        {"li 144", "TDM origin", "TDM origin          : 144 "},
        {"se -o p", "Preferred ocean", "Preferred ocean     : P  "},
        {"se -o i", "Preferred ocean", "Preferred ocean     : I  "},
        {"se -o w", "Preferred ocean", "Preferred ocean     : W  "},
        {"se -o n", "Preferred ocean", "Preferred ocean     : N  "},
        {"se -o e", "Preferred ocean", "Preferred ocean     : E  "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Body(c.command), "") << c.command.toStdString();
        EXPECT_EQ(StatusLine(c.key), c.line) << c.command.toStdString();
    }
}

TEST_F(ActionShell, UnknownArgumentsChangeNothing) {
    for (const QString command : {"li 45", "li", "se -o x", "se -o", "cfg -t 3", "db egc sim", "db msghdl rx x"}) {
        EXPECT_NE(Body(command), "") << command.toStdString();
    }
    EXPECT_EQ(shell.Transceiver.TdmOrigin, 144);
    EXPECT_EQ(shell.Transceiver.PreferredOcean, QChar('E'));
    EXPECT_TRUE(shell.Inbox.Messages.isEmpty());
}

TEST_F(ActionShell, MobileClassFollowsTheConfigurationType) {
    struct Case {
        QString type;
        QString mobileClass;
    } cases[] = {{"1", "Non-SOLAS Landmobile"},
                 {"2", "SOLAS Maritime"},
                 {"4", "SOLAS Maritime SSAS"},
                 {"5", "Non-SOLAS Maritime"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Body("cfg -t " + c.type), "");
        EXPECT_TRUE(Body("st -i").contains("Mobile class        : " + c.mobileClass + "\r\n")) << c.type.toStdString();
    }
}

TEST_F(ActionShell, ClearAndDebugCommandsAreAccepted) {
    shell.Transceiver.Protocol = "Sending";
    EXPECT_EQ(Body("cl"), "");
    EXPECT_EQ(shell.Transceiver.Protocol, "Free");
    for (const QString command : {"db egc sim 200", "db egc sim 4", "db msghdl rx 2", "db msghdl rx 10"})
        EXPECT_EQ(Body(command), "") << command.toStdString();
    // The simulated messages wait in the inbox, the second of distress priority.
    ASSERT_EQ(shell.Inbox.Messages.size(), 2);
    EXPECT_EQ(shell.Inbox.Messages[0].Priority, 0);
    EXPECT_EQ(shell.Inbox.Messages[1].Priority, 3);
}

TEST_F(ActionShell, LatestDistressValuesStandAtOffset23OfTheirLabels) {
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "latest-distress", "Rejected"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "latest-distress-test", "accepted"));
    const QString body = Body("st -a");
    EXPECT_EQ(body, "Latest Distress     : " + kStx + "Rejected" + kEtx + "\r\n" + "Latest Distress test: " + kStx +
                        "accepted" + kEtx + "\r\n");
    const qsizetype alert = body.indexOf("Latest Distress  ", 0, Qt::CaseInsensitive);
    const qsizetype test = body.indexOf("Latest Distress test", 0, Qt::CaseInsensitive);
    EXPECT_EQ(body.mid(alert + 23, body.indexOf(kEtx, alert) - alert - 23), "Rejected");
    EXPECT_EQ(body.mid(test + 23, body.indexOf(kEtx, test) - test - 23), "accepted");
}

}  // namespace

namespace {

TEST_F(ActionShell, MobileNumberTakesNineDigitsBeginningWithFour) {
    const QString before = StatusLine("Mobile no");
    struct Case {
        QString command;
        QString body;
    } refused[] = {
        {"se -u 41", "se: invalid mobile number\r\n"},
        {"se -u 512345678", "se: invalid mobile number\r\n"},
        {"se -u 4123x5678", "se: invalid mobile number\r\n"},
        {"se -u 4123456789", "se: invalid mobile number\r\n"},
        {"se -u", "se: invalid mobile number\r\n"},
    };
    for (const Case& c : refused) {
        EXPECT_EQ(Body(c.command), c.body) << c.command.toStdString();
        EXPECT_EQ(StatusLine("Mobile no"), before) << c.command.toStdString();
    }
    EXPECT_EQ(Body("se -u 412345678"), "");
    EXPECT_TRUE(StatusLine("Mobile no").contains("412345678"));
    EXPECT_FALSE(StatusLine("Mobile no").contains("423456789"));
}

TEST_F(ActionShell, LinkTestPassesAtItsOwnTime) {
    shell.Transceiver.LinkTestDone = false;
    shell.Transceiver.Utc = QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC);
    EXPECT_EQ(Body("st -m"), "No test results available\r\n");
    EXPECT_EQ(Body("test"), "");
    shell.Transceiver.Utc = QDateTime(QDate(2025, 3, 14), QTime(11, 5), Qt::UTC);
    const QString result = Body("st -m");
    EXPECT_TRUE(result.contains(kStx + "Passed" + kEtx)) << result.toStdString();
    EXPECT_TRUE(result.contains(kStx + "25-03-14 10:22" + kEtx)) << result.toStdString();
}

}  // namespace
