#include <gtest/gtest.h>

#include <QFileInfo>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/StartUp.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.gConfiguration.DataPath = platform.DataFolder();
        platform.WriteDataFile("Tidepost.ini", "[COM port]\r\n1\r\n");
    }
    void RunOn(OsVersionRecord version) {
        platform.OsFacts.Version = version;
        ReadOsVersion(f);
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
};

TEST_F(AppSettingsTest, RedirectOnlyForMajorVersionFiveWithSuiteMaskExactly64) {
    const struct {
        OsVersionRecord version;
        bool redirected;
    } cases[] = {
        {{5, 1, 64}, true},  {{5, 0, 64}, true},   {{5, 1, 0}, false}, {{5, 1, 64 | 256}, false},
        {{5, 1, 65}, false}, {{6, 1, 64}, false}, {{4, 10, 64}, false}, {{0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        RunOn(c.version);
        EXPECT_EQ(IsAppSettingRedirected(f), c.redirected)
            << c.version.MajorVersion << "." << c.version.MinorVersion << " suite " << c.version.SuiteMask;
    }
}

TEST_F(AppSettingsTest, NotRedirectedUseTheStoreUnderTheApplication) {
    RunOn({6, 1, 0});
    SaveAppSetting(f, "Tidepost", "Settings", "PageLines", "60");
    EXPECT_EQ(platform.Settings.Get("Tidepost", "Settings", "PageLines", "x"), "60");
    EXPECT_EQ(GetAppSetting(f, "Tidepost", "Settings", "PageLines", "53"), "60");
    EXPECT_EQ(GetAppSetting(f, "Tidepost", "Settings", "LineWidth", "69"), "69");
    EXPECT_EQ(GetAppSetting(f, "tidepost.exe", "Settings", "PageLines", "53"), "53");
    // The settings file is not touched.
    EXPECT_FALSE(f.gIniEntries.Loaded);
    EXPECT_EQ(platform.ReadDataFile("Tidepost.ini"), QByteArray("[COM port]\r\n1\r\n"));
}

TEST_F(AppSettingsTest, RedirectedKeepsTheSettingInTheSettingsFile) {
    RunOn({5, 1, 64});
    SaveAppSetting(f, "Tidepost", "Settings", "PageLines", "");
    EXPECT_EQ(platform.ReadDataFile("Tidepost.ini"),
              QByteArray("[COM port]\r\n1\r\n\r\n[Settings_PageLines]\r\n\r\n\r\n"));
    EXPECT_EQ(GetAppSetting(f, "Tidepost", "Settings", "PageLines", "53"), "53");

    SaveAppSetting(f, "tidepost.exe", "MultiLang", "LangId", "1049");
    EXPECT_EQ(GetIniValue(f, "[MultiLang_LangId]"), "1049");
    // The application plays no part.
    EXPECT_EQ(GetAppSetting(f, "another", "MultiLang", "LangId", "1033"), "1049");
    EXPECT_EQ(platform.Settings.SaveCount, 0);
    EXPECT_TRUE(platform.ReadDataFile("Tidepost.ini").contains("[MultiLang_LangId]\r\n1049\r\n"));
}

TEST_F(AppSettingsTest, VersionIsReadOnlyByTheStartUpChecks) {
    platform.OsFacts.SetEmbeddedEdition();
    SaveAppSetting(f, "Tidepost", "Settings", "MsgFontSize", "10");
    EXPECT_EQ(platform.Settings.SaveCount, 1);
    EXPECT_FALSE(f.gIniEntries.Loaded);

    ReadOsVersion(f);
    EXPECT_EQ(f.OsMajorVersion, 5);
    EXPECT_EQ(f.OsSuiteMask, 64);
    EXPECT_EQ(GetAppSetting(f, "Tidepost", "Settings", "MsgFontSize", "8"), "8");
}

}  // namespace

namespace {

TEST_F(AppSettingsTest, ASaveThatStoresNothingSaysSo) {
    RunOn({6, 1, 0});
    EXPECT_TRUE(SaveAppSetting(f, "Tidepost", "Settings", "VesselName", "A"));
    platform.Settings.FailSaves = true;
    EXPECT_FALSE(SaveAppSetting(f, "Tidepost", "Settings", "VesselName", "B"));

    // Redirected: the settings file's write decides; a file that could not be read is never
    // written over.
    RunOn({5, 1, 64});
    EXPECT_TRUE(SaveAppSetting(f, "Tidepost", "Settings", "VesselName", "C"));
    f.gIniEntries.Loaded = false;
    EXPECT_FALSE(SaveAppSetting(f, "Tidepost", "Settings", "VesselName", "D"));
    EXPECT_TRUE(platform.ReadDataFile("Tidepost.ini").contains("[Settings_VesselName]\r\nC\r\n"));
}

}  // namespace
