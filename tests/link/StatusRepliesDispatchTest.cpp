#include <gtest/gtest.h>

#include <QLocale>

#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/StatusReplyFixture.h"
#include "support/FakeTransceiver.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

const QString kStx(QChar(2));
const QString kEtx(QChar(3));

struct EchoEnd {
    const char* name;
    const char* text;
};

// The whole road for every reply these parsers read: the engine sends each queued command to the
// scripted transceiver, collects the reply and the dispatch hands it to its parser, for each line
// end the shell may put after its echo.
class StatusRepliesThroughTheDispatch : public StatusReplyFixture, public ::testing::WithParamInterface<EchoEnd> {
protected:
    void SetUp() override {
        ASSERT_EQ(platform.Serial.Open(), ISerialControl::OpenOk);
        shell.EchoTerminator = GetParam().text;
    }
    void Run(const QStringList& commands) {
        for (const QString& c : commands) ASSERT_TRUE(QueueCommand(link, c, true, false));
        for (int tick = 0; tick < 400; ++tick) {
            Timer1_Timer(link);
            if (link.Dialogue.DialogueState == 0 && link.Dialogue.CommandQueue.isEmpty() && shell.Idle()) break;
        }
        EXPECT_TRUE(shell.AllAnswered());
        EXPECT_TRUE(shell.Unexpected.isEmpty()) << shell.Unexpected.join('|').toStdString();
    }
    FakeTransceiver shell{platform.Serial};
};

TEST_P(StatusRepliesThroughTheDispatch, EveryParserGetsItsReply) {
    shell.On("st -l", "");
    shell.On("st -v", FakeTransceiver::Lines({"Inmarsat-C Software    : 3.10"}));
    shell.On("st -i", FakeTransceiver::Lines({"Product                : Inmarsat-C Landmobile"}));
    shell.On("ver", FakeTransceiver::Lines({"Boot   : 2.10", "CPU    : 1.03"}));
    shell.On("st -w", FakeTransceiver::Lines({"Software version    : 1.51", "Synchronization     : Yes ",
                                              "TDM origin          : 344 ", "Logged in           : Yes ",
                                              "Current protocol    : free                     ",
                                              "Current channel     : NCS ", "Serial no           : 4711",
                                              "Mobile no           : 423456789", "Preferred ocean     : I  "}));
    shell.On("st -s", FakeTransceiver::Lines({"Signal strength : " + kStx + "4" + kEtx}));
    shell.On("ru -g", FakeTransceiver::Lines({"Test Summary: OK", "Speed : 3 mph"}));
    shell.On("ti -u", FakeTransceiver::Lines({"25-03-14 10:22:33 UTC"}));
    shell.On("ti u", FakeTransceiver::Lines({"25-03-14  10:22:33"}));
    shell.On("se -p", FakeTransceiver::Lines({"Position : " + kStx + "55 40 12 N 012 35 47 E" + kEtx + " at 10:22:33 UTC",
                                              "Course   : " + kStx + "090" + kEtx, "Speed    : " + kStx + "011" + kEtx}));
    shell.On("st -m", FakeTransceiver::Lines({"Latest Link Test results", "Result      : " + kStx + "Passed" + kEtx,
                                              "Test at UTC : 25-03-14 10:00"}));
    link.Requests.TransceiverStatusRequested = true;

    Run({"st -l", "st -v", "st -i", "ver", "st -w", "st -s", "ru -g", "ti -u", "ti u", "se -p", "st -m"});

    const QString end = GetParam().text;
    const CSession& s = f.gSession;
    EXPECT_TRUE(s.MobileType510AB());
    EXPECT_EQ((QList<int>{s.MobileType(), s.ProductType(), s.ProductModel(), int(s.SolasType()), s.AtcType()}),
              (QList<int>{1, 1, 1, 1, 1}));
    EXPECT_EQ(f.gConfiguration.GetMinicSwMajor(), 1);
    EXPECT_EQ(f.gConfiguration.GetMinicSwMinor(), 3);

    EXPECT_EQ(s.SwVerInt(), 151);
    EXPECT_TRUE(s.Syncronization());
    EXPECT_EQ(s.CurrentOcean(), kOceanIor);
    EXPECT_EQ(window.MobileStatus, 23);
    EXPECT_EQ(s.CurrentChannel(), "NCS");
    EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "4711");
    EXPECT_EQ(s.MobileNumber(), 423456789);
    EXPECT_EQ(menus.CheckedItems(), QList<LinkMenu>{LinkMenu::PreferredIndianMenu});
    // The land-mobile alert menu was set before the status reply brought version 151.
    EXPECT_TRUE(menus.Visible.value(LinkMenu::LMAlertSetting));
    EXPECT_EQ(views.StatusShows, 1);
    // The status window gets the reply without its prompt.
    EXPECT_TRUE(views.StatusOutput.startsWith("st -w"));
    EXPECT_TRUE(views.StatusOutput.contains("\r\nSoftware version    : 1.51\r\n"));
    EXPECT_TRUE(views.StatusOutput.endsWith("Preferred ocean     : I  \r\n\r\n\r\n"));

    EXPECT_EQ(s.SignalStrength(), 4);
    EXPECT_TRUE(s.GpsStatus());
    EXPECT_EQ(views.GpsOutput, "Test Summary: OK\r\nSpeed : 3 mph");
    EXPECT_EQ(s.SystemTime(), QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC));
    EXPECT_EQ(views.Inserted, QStringList{"UTC Time: 14. " + QLocale().monthName(3) + " 2025 10:22\r\n"});
    EXPECT_EQ(s.GetPosStr(), "55,40.12N , 12,35.47E");
    EXPECT_EQ(s.GetPos().Course, 90);
    EXPECT_EQ(s.GetPos().Speed, 11);
    // The link-test block is split at the learnt line end.
    const QString block = "Latest Link Test results\r\nResult      : Passed\r\nTest at UTC : 25-03-14 10:00\r\n";
    EXPECT_EQ(link.Dialogue.ReplyWorkText, block);
    if (end == QLatin1String("\r\n")) {
        EXPECT_EQ(views.LinkTestResult, block);
    }
    EXPECT_EQ(views.LinkTestShows, 1);
}

INSTANTIATE_TEST_SUITE_P(Link, StatusRepliesThroughTheDispatch,
                         ::testing::Values(EchoEnd{"Lf", "\n"}, EchoEnd{"CrLf", "\r\n"}, EchoEnd{"CrCrLf", "\r\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

using FaultyStatusReplies = StatusReplyFixture;

// A parser that fails inside must not take the dispatch or the next command with it.
TEST_F(FaultyStatusReplies, LeaveTheDialogueGoing) {
    ASSERT_EQ(platform.Serial.Open(), ISerialControl::OpenOk);
    FakeTransceiver shell{platform.Serial};
    f.gSession.SetMesConnected(true);
    shell.On("se -p", FakeTransceiver::Lines({"Position : " + kStx + "55 4x 12 N 012 35 47 E" + kEtx + " at 1"}));
    shell.On("st -w", "Serial no : 12");
    shell.On("st -s", FakeTransceiver::Lines({"Signal : " + kStx + "2" + kEtx}));
    for (const char* c : {"se -p", "st -w", "st -s"}) ASSERT_TRUE(QueueCommand(link, c, true, false));
    for (int tick = 0; tick < 100 && !(link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0 && shell.Idle()); ++tick)
        Timer1_Timer(link);
    EXPECT_EQ(f.gSession.GetPos().LatDeg, 255);
    EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "");
    EXPECT_EQ(f.gSession.SignalStrength(), 2);
}

}  // namespace
