#include <QPair>
#include <QTest>
#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/CommSettingsForm.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "platform/QtSlpDiscovery.h"
#include "sim/SimSlpResponder.h"
#include "sim/SimTcu.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// "Communication setup..." on the LAN link against an SLP responder on loopback: the units are
// searched for only while none is known, and every use counts.
TEST(CommSettingsSlp, SearchesTheLoopbackResponderOnlyWhileNoUnitIsKnown) {
    sim::SimSlpResponder slp;
    ASSERT_TRUE(slp.Listen(QHostAddress::LocalHost, 0));
    slp.Services = {sim::TcuSlpService("127.0.0.1", "1.23")};
    test::TestPlatform platform;
    QtSlpDiscovery discovery{platform.ProgramFolder(), SlpTimings{1500, 1500}};
    platform.Os.Slp = &discovery;
    platform.Socket.ConnectAtOnce = false;
    Foundation f{platform.Os};
    f.gConfiguration.DataPath = platform.DataFolder();
    ReadIniFile(f);
    SetIniValue(f, "[HOST Interface]", "LAN", false);
    SetIniValue(f, "[IP Settings]", "", false);
    SaveAppSetting(f, f.gProductName, "Config", "SLP Target", QString("127.0.0.1:%1").arg(slp.Port()));
    Link link{f};
    MainForm form{f, link};
    QList<QPair<int, int>> counted;
    form.HotList.Add = [&](int id, int parent) { counted << qMakePair(id, parent); };

    form.CommSettings_Click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            form.Winsock_timer_Timer();
            return f.gConfiguration.SlpTcuAddressCount() == 1;
        },
        10000));
    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), QStringList{"127.0.0.1"});
    const int requests = slp.ServiceRequests;
    EXPECT_GE(requests, 1);

    form.CommSettings().get().CancelButton_Click();
    form.CommSettings_Click();
    QTest::qWait(200);
    EXPECT_EQ(slp.ServiceRequests, requests) << "a known unit is not searched for again";
    EXPECT_TRUE(form.IsCommSettingsFormVisible());
    EXPECT_EQ(counted, (QList<QPair<int, int>>{{2046, 0}, {2046, 0}}));
}

}  // namespace
