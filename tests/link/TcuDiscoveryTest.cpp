#include <gtest/gtest.h>

#include "link/Link.h"
#include "link/LanDiscovery.h"
#include "link/TcuDiscovery.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

TEST(TcuDiscoveryParsing, AddressesOfAServiceList) {
    struct Case {
        const char* output;
        QStringList addresses;
    };
    const Case cases[] = {
        {"service:device.kalvenor://192.168.1.10,65535\n", {"192.168.1.10"}},
        {"service:device.kalvenor://192.168.1.10,65535\nservice:device.kalvenor://192.168.1.11,65535\n",
         {"192.168.1.10", "192.168.1.11"}},
        {"", {}},
        {"slptool version = 1.2.1\n", {}},
        {"service:device.kalvenor://192.168.1.10", {}},  // "//" without "," after it
        {"service:device.kalvenor://192.168.1.10,65535\nservice:device.kalvenor://192.168.1.11", {"192.168.1.10"}},
        {"//a,//b,", {"a", "b"}},
        {"//a//b,", {"a//b"}},
        {"//,", {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        EXPECT_EQ(ServiceAddresses(c.output), c.addresses);
    }
}

TEST(TcuDiscoveryParsing, SoftwareVersionOfAnAttributeList) {
    struct Case {
        const char* attributes;
        bool found;
        qint16 major;
        qint16 minor;
    };
    const Case cases[] = {
        {"(device-model=880),(device-sw-version=1.23)\n", true, 1, 23},
        {"(device-sw-version=1.23),(device-model=880)", true, 1, 23},
        {"(device-model=880),(device-sw-version=12.05)", true, 2, 5},   // one digit of the major
        {"(device-model=880),(device-sw-version=3.4)", true, 3, 4},      // ")" ends the minor
        {"(device-model=880),(device-sw-version=3.x1)", true, 3, 0},
        {"(device-model=880),(device-sw-version=.7)", true, 0, 7},
        {"(device-model=880),(device-sw-version=4)", false, 0, 0},       // no "."
        {"(device-model=880)", false, 0, 0},
        {"(device-model=881),(device-sw-version=1.23)", false, 0, 0},
        {"(Device-Model=880),(device-sw-version=1.23)", false, 0, 0},    // case-sensitive
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attributes);
        const auto version = TcuSwVersionOf(c.attributes);
        ASSERT_EQ(version.has_value(), c.found);
        if (!version) continue;
        EXPECT_EQ(version->first, c.major);
        EXPECT_EQ(version->second, c.minor);
    }
}

class TcuSearchTest : public ::testing::Test {
protected:
    TcuSearchTest() { f.gConfiguration.DataPath = platform.DataFolder(); }
    // Runs one search to its end with the fake's answers.
    void Search() {
        ASSERT_TRUE(FindTcuAddresses(link));
        for (int i = 0; i < 3 && IsFindingTcuAddresses(link); ++i) TakeTcuDiscoveryAnswers(link);
        ASSERT_FALSE(IsFindingTcuAddresses(link));
    }
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
};

TEST_F(TcuSearchTest, OnlyHostsThatAreTcusAreKept) {
    platform.Slp.ServiceList =
        "service:device.kalvenor://192.168.1.10,65535\nservice:device.kalvenor://192.168.1.11,65535\n";
    platform.Slp.AttributeLists["192.168.1.10"] = "(device-model=700),(device-sw-version=1.00)";
    platform.Slp.AttributeLists["192.168.1.11"] = "(device-model=880),(device-sw-version=1.23)";
    Search();
    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), QStringList{"192.168.1.11"});
    EXPECT_EQ(f.gConfiguration.SlpTcuAddressCount(), 1);
    // Every listed host was asked, with the service type.
    ASSERT_EQ(platform.Slp.Requests.size(), 3);
    EXPECT_EQ(platform.Slp.Requests[1].Address, "192.168.1.10");
    EXPECT_EQ(platform.Slp.Requests[2].Address, "192.168.1.11");
    EXPECT_EQ(platform.Slp.Requests[2].ServiceType, "service:device.kalvenor");
}

TEST_F(TcuSearchTest, NoTcuGivesOneEmptyAddress) {
    f.gConfiguration.SetSlpTcuAddresses({"10.0.0.1"});
    platform.Slp.ServiceList = "service:device.kalvenor://192.168.1.10,65535\n";
    Search();
    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), QStringList{QString()});
    EXPECT_EQ(f.gConfiguration.SlpTcuAddressCount(), 0);
}

TEST_F(TcuSearchTest, TcusKeepTheOrderOfTheServiceList) {
    platform.Slp.Hold = true;
    platform.Slp.ServiceList = "service:device.kalvenor://b,1\nservice:device.kalvenor://a,1\n";
    platform.Slp.AttributeLists["a"] = "(device-model=880)";
    platform.Slp.AttributeLists["b"] = "(device-model=880)";
    ASSERT_TRUE(FindTcuAddresses(link));
    platform.Slp.Release();
    TakeTcuDiscoveryAnswers(link);
    EXPECT_EQ(platform.Slp.PendingCount(), 2);
    platform.Slp.Release();
    EXPECT_TRUE(TakeTcuDiscoveryAnswers(link));
    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), (QStringList{"b", "a"}));
}

TEST_F(TcuSearchTest, VersionIsStoredOnlyFromAVersionAnswer) {
    platform.Slp.AttributeLists["10.0.0.5"] = "(device-model=880),(device-sw-version=2.10)";
    ReadTcuSwVersion(link, "10.0.0.5");
    TakeTcuDiscoveryAnswers(link);
    EXPECT_EQ(f.gConfiguration.GetTcuSwMajor(), 2);
    EXPECT_EQ(f.gConfiguration.GetTcuSwMinor(), 10);

    platform.Slp.AttributeLists["10.0.0.5"] = "(device-model=880)";
    ReadTcuSwVersion(link, "10.0.0.5");
    TakeTcuDiscoveryAnswers(link);
    EXPECT_EQ(f.gConfiguration.GetTcuSwMajor(), 2);
    EXPECT_EQ(f.gConfiguration.GetTcuSwMinor(), 10);
}

TEST_F(TcuSearchTest, WithoutAnAdapterNothingStarts) {
    platform.Os.Slp = nullptr;
    EXPECT_FALSE(FindTcuAddresses(link));
    ReadTcuSwVersion(link, "10.0.0.5");
    EXPECT_FALSE(TakeTcuDiscoveryAnswers(link));
    EXPECT_EQ(f.gConfiguration.SlpTcuAddressCount(), 0);
}

TEST(SlpTargetText, HostAndPort) {
    struct Case {
        const char* text;
        bool valid;
        const char* host;
        int port;
    };
    const Case cases[] = {
        {"127.0.0.1:10427", true, "127.0.0.1", 10427},
        {" tcu.local:427 ", true, "tcu.local", 427},
        {"[::1]:10427", true, "::1", 10427},
        {"127.0.0.1", false, "", 0},
        {"127.0.0.1:", false, "", 0},
        {":427", false, "", 0},
        {"127.0.0.1:0", false, "", 0},
        {"127.0.0.1:65536", false, "", 0},
        {"127.0.0.1:x", false, "", 0},
        {"::1:427", false, "", 0},
        {"", false, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto target = ParseSlpTarget(c.text);
        ASSERT_EQ(target.has_value(), c.valid);
        if (!target) continue;
        EXPECT_EQ(target->Host, c.host);
        EXPECT_EQ(target->Port, c.port);
    }
}

}  // namespace
