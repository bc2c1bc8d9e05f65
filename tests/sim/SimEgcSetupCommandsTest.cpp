#include <gtest/gtest.h>

#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

struct EgcSetupShell : ::testing::Test {
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    QStringList Lines(const QString& command) {
        QStringList lines = Body(command).split(shell.LineEnd);
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    SimShell shell;
};

TEST_F(EgcSetupShell, SettingsOneLinePerOptionWithThePaddedValue) {
    const QStringList lines = Lines("se");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("-e (num)  value is 0" + QString(20, ' ')));
    EXPECT_TRUE(lines[1].startsWith("-a (num)  value is 1 "));
    EXPECT_TRUE(lines[2].startsWith("-w (num)  value is 1 "));
    EXPECT_EQ(lines[3].mid(0, 40), "-y (str)  value is ABDL" + QString(17, ' '));
    // The descriptions carry no option markers.
    for (const QString& line : lines) EXPECT_FALSE(line.mid(40).contains(" -")) << line.toStdString();
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "egc-drop", "w"));
    EXPECT_FALSE(Body("se").contains("-w "));
}

TEST_F(EgcSetupShell, SetCommandsChangeWhatIsReported) {
    for (const char* c : {"se -e 1", "se -a 0", "se -w 0", "se -y .", "se -x AB", "se -sn 7,0,0,12", "se -n 1"})
        EXPECT_EQ(Body(c), "") << c;
    const QStringList se = Lines("se");
    EXPECT_TRUE(se[0].startsWith("-e (num)  value is 1"));
    EXPECT_TRUE(se[1].startsWith("-a (num)  value is 0"));
    EXPECT_TRUE(se[2].startsWith("-w (num)  value is 0"));
    EXPECT_TRUE(se[3].startsWith("-y (str)  value is . "));
    EXPECT_EQ(Body("se -x"), "-x (str)  value is AB" + shell.LineEnd);
    EXPECT_EQ(Lines("se -sn"), QStringList({"Spare Navareas:", "7", "", "", "12"}));
    EXPECT_EQ(Body("se -x ."), "");
    EXPECT_EQ(Body("se -x"), "-x (str)  value is ." + shell.LineEnd);
    EXPECT_EQ(Body("se -n 0"), "");
    EXPECT_EQ(Lines("se -sn"), QStringList({"Spare Navareas:", "", "", "", ""}));
    EXPECT_TRUE(Body("se -e 5").startsWith("usage"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "egc-spare-header", "no"));
    EXPECT_FALSE(Body("se -sn").contains("Spare"));
}

TEST_F(EgcSetupShell, FixedPositions) {
    EXPECT_EQ(Body("fx "), "");
    EXPECT_EQ(Body("fx 5,N,120,W"), "");
    EXPECT_EQ(shell.Transceiver.EgcReceiver.FixedText, " 5,N,120,W");
    EXPECT_EQ(Body("fx"), "");
    EXPECT_EQ(shell.Transceiver.EgcReceiver.FixedText, "");
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "fx-support", "no"));
    EXPECT_TRUE(Body("fx ").startsWith("ERROR 120"));
}

TEST_F(EgcSetupShell, EnidListAndSwitches) {
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "enid-add", "Pilots,77,disabled"));
    const QStringList lines = Lines("st -g");
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "EGC Network ID list");
    const QString stx(QChar(2)), etx(QChar(3));
    EXPECT_EQ(lines[2], stx + QString("Fleet & Co").leftJustified(20) + etx + "  " + stx + "    89" + etx + " disabled");
    EXPECT_EQ(lines[3], stx + QString("Harbour Net").leftJustified(20) + etx + "  " + stx + "  1204" + etx);
    EXPECT_EQ(lines[5], " 3 ENID(s) stored");
    EXPECT_EQ(Body("st -g e89"), "");
    EXPECT_EQ(Body("st -g d1204"), "");
    EXPECT_TRUE(shell.Transceiver.EgcReceiver.Enids[0].Enabled);
    EXPECT_FALSE(shell.Transceiver.EgcReceiver.Enids[1].Enabled);
    EXPECT_TRUE(Body("st -g e5").startsWith("ERROR"));
    EXPECT_FALSE(SetTransceiverValue(shell.Transceiver, "enid-add", "NoNumber"));
}

}  // namespace
