#include <gtest/gtest.h>

#include "link/DispatchReply.h"
#include "link/StatusReplyFixture.h"
#include "sim/SimShell.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

// The simulator's replies, dispatched as the engine would hand them over.
class SimulatorStatusReplies : public StatusReplyFixture {
protected:
    SimulatorStatusReplies() {
        sim.Transceiver.Utc = QDateTime(QDate(2025, 3, 14), QTime(10, 22, 33), Qt::UTC);
        f.gSession.SetMesConnected(true);
        Dispatch("st -l");
    }
    void Dispatch(const QString& command) {
        link.Dialogue.ReplyBuffer = sim.ReplyTo(command);
        link.Dialogue.CurrentPrompt = sim.Prompt;
        DispatchReply(link);
    }
    sim::SimShell sim;
};

TEST_F(SimulatorStatusReplies, ChosenIdentitiesAreClassified) {
    struct Case {
        const char* model;
        const char* solas;
        const char* mobileType;
        bool legacy;
        QList<int> codes;  // MobileType, ProductType, ProductModel, SolasType
    } cases[] = {
        {"570C", "SOLAS", "Maritime", false, {2, 5, 18, 3}},
        {"560M SSAS", "Non-SOLAS", "Maritime", false, {5, 4, 9, 1}},
        {"510", "Non-SOLAS Without Distress", "Fishery", false, {3, 2, 5, 1}},
        {"510", "Non-SOLAS Without Distress", "Landmobile", true, {1, 1, 1, 1}},
        {"570GM SSAS", "Non-SOLAS", "Maritime", false, {5, 5, 15, 1}},
    };
    for (const Case& c : cases) {
        sim.Transceiver.Model = c.model;
        sim.Transceiver.SolasType = c.solas;
        sim.Transceiver.MobileType = c.mobileType;
        sim.Transceiver.Legacy510 = c.legacy;
        Dispatch("st -v");
        Dispatch("st -i");
        const CSession& s = f.gSession;
        EXPECT_EQ((QList<int>{s.MobileType(), s.ProductType(), s.ProductModel(), int(s.SolasType())}), c.codes)
            << c.model << " " << c.mobileType;
    }
}

TEST_F(SimulatorStatusReplies, StatusStatesReachTheStatusField) {
    struct Case {
        const char* protocol;
        bool synchronised;
        int status;
    } cases[] = {
        {"Free", true, 22}, {"Free", false, 19}, {"Sending Distress", true, 1}, {"Link Test", true, 2},
        {"Receiving EGC", true, 14},
    };
    for (const Case& c : cases) {
        sim.Transceiver.Protocol = c.protocol;
        sim.Transceiver.Synchronized = c.synchronised;
        Dispatch("st -w");
        EXPECT_EQ(window.MobileStatus, c.status) << c.protocol;
    }
    EXPECT_EQ(f.gSession.SwVerStr(), "5.12");
    EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "100234");
    EXPECT_EQ(menus.CheckedItems(), QList<LinkMenu>{LinkMenu::PreferredEastMenu});
}

TEST_F(SimulatorStatusReplies, ClockPositionGpsLinkTestAndSignal) {
    Dispatch("ver");
    Dispatch("ti -u");
    Dispatch("ti u");
    Dispatch("se -p");
    Dispatch("ru -g");
    Dispatch("st -m");
    sim.Transceiver.SignalStrength = 0;
    Dispatch("st -s");
    EXPECT_EQ(f.gConfiguration.GetMinicSwMajor(), 1);
    EXPECT_EQ(f.gConfiguration.GetMinicSwMinor(), 3);
    EXPECT_EQ(f.gSession.SystemTime(), QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC));
    EXPECT_TRUE(link.Transceiver.UtcTimeText.endsWith(" 2025 10:22"));
    EXPECT_EQ(f.gSession.GetPosStr(), "55,40.12N , 12,35.47E");
    EXPECT_EQ(f.gSession.GetPos().Updated, "10:22:33 UTC");
    EXPECT_TRUE(f.gSession.GpsStatus());
    EXPECT_TRUE(views.LinkTestResult.contains("Passed"));
    EXPECT_EQ(f.gSession.SignalStrength(), 0);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -w\r\n");
}

// Whichever line end the simulated shell puts after the echo and after the lines of its replies,
// every parser reads the same values from them.
TEST_F(SimulatorStatusReplies, EveryLineEndOfTheShell) {
    const QStringList ends = {"\n", "\r\n", "\r\r\n"};
    sim.Transceiver.Protocol = "Sending Distress";
    sim.Transceiver.TdmOrigin = 344;
    sim.Transceiver.Course = 7;
    sim.Transceiver.PreferredOcean = 'P';
    for (const QString& echoEnd : ends) {
        for (const QString& lineEnd : ends) {
            const std::string name = std::to_string(echoEnd.size()) + "/" + std::to_string(lineEnd.size());
            sim.EchoTerminator = echoEnd;
            sim.LineEnd = lineEnd;
            CSession& s = f.gSession;
            s.SetSwVersion("0.01");
            s.SetSyncronization(false);
            s.SetTDMOrigin(0);
            s.SetMobileNumber(1);
            s.SetSystemTime(QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
            s.SetPos("", "0", "", "0", false);
            s.SetGpsStatus("");
            s.SetSignalStrength(9);
            f.gConfiguration.SetMinicSwVersion(0, 0);
            link.Transceiver.UtcTimeText.clear();
            link.Transceiver.TransceiverSerialNumber.clear();
            link.Dialogue.CommandQueue.clear();
            views.LinkTestResult.clear();
            menus.Checked.clear();
            window.MobileStatus = 0;

            for (const QString& command : QStringList{"st -l", "st -v", "st -i", "st -w", "ver", "ti -u", "ti u",
                                                      "se -p", "ru -g", "st -m", "st -s"})
                Dispatch(command);
            EXPECT_EQ(link.Dialogue.EchoTerminator, echoEnd) << name;
            EXPECT_EQ(s.ProductModel(), 18) << name;
            EXPECT_EQ(s.SwVerStr(), "5.12") << name;
            EXPECT_TRUE(s.Syncronization()) << name;
            EXPECT_EQ(s.TDMOrigin(), 344) << name;
            EXPECT_EQ(window.MobileStatus, 1) << name;
            EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "100234") << name;
            EXPECT_EQ(s.MobileNumber(), 423456789) << name;
            EXPECT_EQ(menus.CheckedItems(), QList<LinkMenu>{LinkMenu::PreferredPacificMenu}) << name;
            EXPECT_EQ(f.gConfiguration.GetMinicSwMajor(), 1) << name;
            EXPECT_EQ(f.gConfiguration.GetMinicSwMinor(), 3) << name;
            EXPECT_EQ(s.SystemTime(), QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC)) << name;
            EXPECT_TRUE(link.Transceiver.UtcTimeText.endsWith(" 2025 10:22")) << name;
            EXPECT_EQ(s.GetPosStr(), "55,40.12N , 12,35.47E") << name;
            EXPECT_EQ(s.GetPos().Course, 7) << name;
            EXPECT_EQ(s.GetPos().Speed, 11) << name;
            EXPECT_EQ(s.GetPos().Updated, "10:22:33 UTC") << name;
            EXPECT_TRUE(s.GpsStatus()) << name;
            EXPECT_TRUE(views.LinkTestResult.startsWith("Latest Link Test results")) << name;
            EXPECT_TRUE(views.LinkTestResult.contains("Passed")) << name;
            EXPECT_EQ(s.SignalStrength(), 4) << name;
        }
    }
}

}  // namespace
