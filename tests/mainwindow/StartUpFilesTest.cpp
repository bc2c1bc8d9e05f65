#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "foundation/Foundation.h"
#include "mainwindow/LegacyGridWidths.h"
#include "mainwindow/RunningMarker.h"
#include "mainwindow/StartUpChecks.h"
#include "support/FakeMainForm.h"
#include "support/QueuedTexts.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

const QString kUnclean = "Tidepost was not closed properly last time it was run.";

struct Files : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    test::FakeMainForm mainForm;

    Files() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.Windows.MainForm = &mainForm;
    }
    QStringList DataFiles() const { return QDir(platform.DataFolder()).entryList(QDir::Files, QDir::Name); }
    QString Setting(const char* key) { return platform.Settings.Get("Tidepost", "Config", key, "<none>"); }
};

// ---- the running marker ----

struct MarkerCase {
    const char* name;
    QStringList before;
    bool reported;
    QStringList whileRunning;
};

class Marker : public Files, public ::testing::WithParamInterface<MarkerCase> {};

// Every start ends, after an orderly exit, with the stopped marker alone.
TEST_P(Marker, StartReportsAnUncleanEndAndAnOrderlyExitLeavesTheStoppedMarkerAlone) {
    const MarkerCase& c = GetParam();
    for (const QString& file : c.before) platform.WriteDataFile(file, {});

    MarkProgramRunning(f);
    const QStringList queued = test::DrainErrorQueue(f);
    EXPECT_EQ(queued, c.reported ? QStringList{kUnclean} : QStringList{});
    EXPECT_EQ(DataFiles(), c.whileRunning);
    for (const QString& file : DataFiles()) EXPECT_EQ(platform.ReadDataFile(file), QByteArray()) << file.toStdString();

    MarkProgramStopped(f);
    ASSERT_EQ(DataFiles().size(), 1);
    EXPECT_EQ(DataFiles()[0].toLower(), "tidepost.tmp");

    // The next start is a clean one.
    MarkProgramRunning(f);
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Marker,
    ::testing::Values(MarkerCase{"None", {}, false, {"#Tidepost.tmp"}},
                      MarkerCase{"Stopped", {"Tidepost.tmp"}, false, {"#Tidepost.tmp"}},
                      MarkerCase{"Running", {"#Tidepost.tmp"}, true, {"#Tidepost.tmp"}},
                      MarkerCase{"Both", {"#Tidepost.tmp", "Tidepost.tmp"}, true, {"#Tidepost.tmp", "Tidepost.tmp"}},
                      // Names are found ignoring case; a rename keeps the name as it was found.
                      MarkerCase{"StoppedInCapitals", {"TIDEPOST.TMP"}, false, {"#TIDEPOST.TMP"}},
                      MarkerCase{"RunningInCapitals", {"#TIDEPOST.TMP"}, true, {"#TIDEPOST.TMP"}},
                      MarkerCase{"BothInOtherCases", {"#tidepost.tmp", "TIDEPOST.TMP"}, true,
                                 {"#tidepost.tmp", "TIDEPOST.TMP"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- legacy column widths ----

struct LegacyCase {
    const char* name;
    QByteArray file;
    const char* inbox;
    const char* egc;
    const char* sentItems;
};

class LegacyWidths : public Files, public ::testing::WithParamInterface<LegacyCase> {};

TEST_P(LegacyWidths, MoveToTheSettingsAndTheFileGoes) {
    const LegacyCase& c = GetParam();
    platform.WriteDataFile("Tidepost.dat", c.file);
    MigrateLegacyGridWidths(f);
    EXPECT_EQ(Setting("INBOXGRID"), c.inbox);
    EXPECT_EQ(Setting("EGCGRID"), c.egc);
    EXPECT_EQ(Setting("SENTITEMSGRID"), c.sentItems);
    EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/Tidepost.dat"));
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LegacyWidths,
    ::testing::Values(
        LegacyCase{"EachHeader", "[InboxGrid]\r\n100:200\r\n[EGCGrid]\r\n1:2:3\r\n[SentItemsGrid]\r\n4:5\r\n",
                   "100:200:1000", "1:2:3", "4:5"},
        LegacyCase{"AnyCaseNoTrimming", "[inboxgrid]\r\n7:8\r\n[EGCGRID] \r\nx\r\n[sentitemsgrid]\n9\n", "7:8:1000",
                   "<none>", "9"},
        // The value keeps its own colon; the inbox's always gets ":1000".
        LegacyCase{"ValueEndingInAColon", "[InboxGrid]\r\n100:\r\n", "100::1000", "<none>", "<none>"},
        LegacyCase{"OtherLinesAreSkipped", "old\r\n[Grid]\r\n[EGCGrid]\r\n[InboxGrid]\r\n", "<none>", "[InboxGrid]",
                   "<none>"},
        // A header on the last line has no value: it is skipped and the file still goes.
        LegacyCase{"HeaderOnTheLastLine", "[EGCGrid]\r\n5:6\r\n[InboxGrid]\r\n", "<none>", "5:6", "<none>"},
        LegacyCase{"HeaderWithoutLineEnd", "[SentItemsGrid]", "<none>", "<none>", "<none>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Files, NoLegacyFileChangesNothing) {
    MigrateLegacyGridWidths(f);
    EXPECT_EQ(platform.Settings.SaveCount, 0);
}

TEST_F(Files, LegacyFileIsFoundIgnoringCase) {
    platform.WriteDataFile("TIDEPOST.DAT", "[InboxGrid]\r\n1\r\n");
    MigrateLegacyGridWidths(f);
    EXPECT_EQ(Setting("INBOXGRID"), "1:1000");
    EXPECT_TRUE(DataFiles().isEmpty());
}

// ---- start-up conditions ----

struct ConditionCase {
    const char* name;
    OsVersionRecord os;
    QSizeF screen;
    int colourBits;
    QStringList queued;
};

class Conditions : public Files, public ::testing::WithParamInterface<ConditionCase> {};

TEST_P(Conditions, QueueTheirWarningsOnly) {
    const ConditionCase& c = GetParam();
    platform.OsFacts.Version = c.os;
    mainForm.ColorBits = c.colourBits;
    CheckStartUpConditions(f, c.screen);
    EXPECT_EQ(test::DrainErrorQueue(f), c.queued);
    EXPECT_EQ(f.OsMajorVersion, c.os.MajorVersion);
    EXPECT_EQ(f.OsMinorVersion, c.os.MinorVersion);
    EXPECT_EQ(f.OsSuiteMask, c.os.SuiteMask);
}

const QString kNotSupported =
    ".\r\nThis Windows version is not supported. Please upgrade to Windows 98SE, 2000 or XP.";
const QString kRunning = "Tidepost has detected that you are running ";

INSTANTIATE_TEST_SUITE_P(
    Cases, Conditions,
    ::testing::Values(
        ConditionCase{"Windows95", {4, 0, 0, true}, {1024, 768}, 24, {kRunning + "Windows 95" + kNotSupported}},
        ConditionCase{"Windows98", {4, 10, 0, true}, {1024, 768}, 24, {}},
        ConditionCase{"WindowsMe", {4, 90, 0, true}, {1024, 768}, 24, {kRunning + "Windows Me" + kNotSupported}},
        ConditionCase{"Windows3", {3, 51, 0, true}, {1024, 768}, 24, {kRunning + kNotSupported}},
        ConditionCase{"WindowsXpEmbedded", {5, 1, 64, true}, {1024, 768}, 24, {}},
        // The kernel's numbers of a Linux system name no Windows release, old or new.
        ConditionCase{"LinuxKernel3", {3, 10, 0, false}, {1024, 768}, 24, {}},
        ConditionCase{"LinuxKernel4", {4, 0, 0, false}, {1024, 768}, 24, {}},
        ConditionCase{"NarrowScreen", {6, 1, 0, false}, {639, 480}, 24,
                      {"You are runnning Windows with a resolution of 639 * 480\r\nPlease set a minimum screen "
                       "resolution of 640 * 480"}},
        ConditionCase{"LowScreen", {6, 1, 0, false}, {640, 479}, 24,
                      {"You are runnning Windows with a resolution of 640 * 479\r\nPlease set a minimum screen "
                       "resolution of 640 * 480"}},
        ConditionCase{"SmallestScreen", {6, 1, 0, false}, {640, 480}, 16, {}},
        ConditionCase{"EightBitColour", {6, 1, 0, false}, {800, 600}, 8,
                      {"You are runnning Windows with 256 colours. This will significantly degrade the look of "
                       "Tidepost. Please set the number of colours to at least 65536."}},
        ConditionCase{"AllAtOnce", {4, 0, 0, true}, {320, 200}, 8,
                      {kRunning + "Windows 95" + kNotSupported,
                       "You are runnning Windows with a resolution of 320 * 200\r\nPlease set a minimum screen "
                       "resolution of 640 * 480",
                       "You are runnning Windows with 256 colours. This will significantly degrade the look of "
                       "Tidepost. Please set the number of colours to at least 65536."}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
