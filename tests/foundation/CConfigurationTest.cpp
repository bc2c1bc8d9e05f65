#include <gtest/gtest.h>

#include "foundation/CConfiguration.h"
#include "foundation/RuntimeError.h"

namespace tidepost {
namespace {

TEST(CConfiguration, StartsEmptyWithNoOcean) {
    const CConfiguration c;
    EXPECT_EQ(c.LastOcean(), kOceanNone);
    EXPECT_EQ(c.DataPath, "");
    EXPECT_FALSE(c.Support4ExtraNavAreas);
    for (OceanIndex o = 0; o < 4; ++o) {
        EXPECT_EQ(c.DefaultLes(o), "");
        EXPECT_EQ(c.DefaultISPLes(o), "");
        EXPECT_EQ(c.GetDistressGenLes(o), 0);
        EXPECT_EQ(c.AvailableLESs(o), "");
    }
    EXPECT_EQ(c.GetMinicSwMajor(), 0);
    EXPECT_EQ(c.GetTcuSwMinor(), 0);
    EXPECT_EQ(c.SlpTcuAddresses(), QStringList{QString()});
    EXPECT_EQ(c.SlpTcuAddressCount(), 0);
}

TEST(CConfiguration, BeforeTheFirstStatusReplyTheOceanIsNone) {
    const CConfiguration c;
    try {
        (void)c.DefaultLes(c.LastOcean());
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number, 9);
    }
    EXPECT_EQ(c.DefaultISPLes(c.LastOcean()), "");
    EXPECT_EQ(c.GetDistressGenLes(4), 0);
}

TEST(CConfiguration, OceansAboveThree) {
    CConfiguration c;
    EXPECT_THROW(c.SetDefaultLes(4, "101"), RuntimeError);
    EXPECT_THROW(c.SetDefaultISPLes(4, "101"), RuntimeError);
    EXPECT_THROW((void)c.DefaultLes(255), RuntimeError);
    c.SetDistressGenLes(4, 111);  // ignored
    for (OceanIndex o = 0; o < 4; ++o) EXPECT_EQ(c.GetDistressGenLes(o), 0);

    for (OceanIndex o = 0; o < 4; ++o) ASSERT_TRUE(c.SetavailableLESs(o, QString("%1,%2").arg(o).arg(o + 1)));
    EXPECT_FALSE(c.SetavailableLESs(4, "999"));
    for (OceanIndex o = 0; o < 4; ++o) EXPECT_EQ(c.AvailableLESs(o), QString("%1,%2").arg(o).arg(o + 1));
    EXPECT_EQ(c.AvailableLESs(4), "");
}

TEST(CConfiguration, PerOceanValuesAreKeptApart) {
    CConfiguration c;
    const char* les[] = {"002", "102", "210", "328"};
    for (OceanIndex o = 0; o < 4; ++o) {
        c.SetDefaultLes(o, les[o]);
        c.SetDefaultISPLes(o, QString(les[3 - o]));
        c.SetDistressGenLes(o, static_cast<std::int16_t>(10 + o));
    }
    for (OceanIndex o = 0; o < 4; ++o) {
        EXPECT_EQ(c.DefaultLes(o), les[o]);
        EXPECT_EQ(c.DefaultISPLes(o), les[3 - o]);
        EXPECT_EQ(c.GetDistressGenLes(o), 10 + o);
    }
}

TEST(CConfiguration, LastOceanNeverReturnsToNone) {
    CConfiguration c;
    c.SetDistressGenLes(2, 212);
    c.SetLastOcean(2);
    c.SetLastOcean(4);
    EXPECT_EQ(c.LastOcean(), 2);
    EXPECT_EQ(c.GetDistressGenLes(4), 212);
    c.SetLastOcean(0);
    EXPECT_EQ(c.LastOcean(), 0);
    EXPECT_EQ(c.GetDistressGenLes(200), 0);
}

TEST(CConfiguration, TcuAddressCount) {
    const struct {
        QStringList addresses;
        int count;
    } cases[] = {
        {{""}, 0},
        {{"10.0.0.5"}, 1},
        {{"10.0.0.5", "10.0.0.6", "10.0.0.7"}, 3},
        {{}, 0},
        {{"", ""}, 2},
    };
    for (const auto& c : cases) {
        CConfiguration config;
        config.SetSlpTcuAddresses(c.addresses);
        EXPECT_EQ(config.SlpTcuAddressCount(), c.count) << c.addresses.join(',').toStdString();
        EXPECT_EQ(config.SlpTcuAddresses(), c.addresses);
    }
}

TEST(CConfiguration, SoftwareVersions) {
    CConfiguration c;
    c.SetMinicSwVersion(3, 14);
    c.SetTcuSwVersion(2, -1);
    EXPECT_EQ(c.GetMinicSwMajor(), 3);
    EXPECT_EQ(c.GetMinicSwMinor(), 14);
    EXPECT_EQ(c.GetTcuSwMajor(), 2);
    EXPECT_EQ(c.GetTcuSwMinor(), -1);
}

}  // namespace
}  // namespace tidepost
