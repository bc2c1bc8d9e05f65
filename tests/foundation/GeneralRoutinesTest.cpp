#include <QDir>
#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/IFlexGrid.h"
#include "support/FakeMainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

class GeneralRoutines : public ::testing::Test {
protected:
    test::TestPlatform platform;
    Foundation f{platform.Os};

    void WriteProgramFile(const QString& name) {
        QFile file(platform.ProgramFolder() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
    }
};

TEST_F(GeneralRoutines, NewMessageIconReachesTheNotificationArea) {
    EXPECT_FALSE(f.Windows.TrayIconShown);
    ShowNewMessageTrayIcon(f);
    EXPECT_TRUE(f.Windows.TrayIconShown);
    EXPECT_EQ(platform.Tray.ShownTips, QStringList{"New messages in Tidepost inbox"});
    EXPECT_TRUE(platform.Tray.Visible);
}

TEST_F(GeneralRoutines, StatusMessageIsStampedAndFlattenedIntoPanelTwo) {
    test::FakeMainForm mainForm;
    f.Windows.MainForm = &mainForm;
    platform.Clock.Set(QDateTime(QDate(2012, 7, 3), QTime(14, 7, 9)));
    ShowStatusMessage(f, "INFO 12: line one\r\nline two\x02");
    EXPECT_EQ(mainForm.StatusPanels.keys(), QList<int>{2});
    EXPECT_EQ(mainForm.StatusPanels[2], "2012-07-03 14:07:09: INFO 12: line one line two");

    platform.Clock.Set(QDateTime(QDate(2013, 1, 9), QTime(8, 0, 5)));
    ShowStatusMessage(f, "");
    EXPECT_EQ(mainForm.StatusPanels[2], "2013-01-09 08:00:05: ");
}

TEST_F(GeneralRoutines, StatusMessageWithoutMainWindowIsDropped) {
    ASSERT_EQ(f.Windows.MainForm, nullptr);
    ShowStatusMessage(f, "nothing to show it on");
}

TEST_F(GeneralRoutines, PlayWaveFilePlaysOnlyExistingWaveFilesOfTheProgramFolder) {
    WriteProgramFile("alarm.wav");
    WriteProgramFile("Beep.WAV");
    WriteProgramFile("tune.mp3");
    const QString folder = platform.ProgramFolder();
    const struct {
        const char* name;
        QString played;  // "" when nothing may play
    } cases[] = {
        {"alarm.wav", folder + "/alarm.wav"},
        {"ALARM.WAV", folder + "/alarm.wav"},  // looked up without regard to case
        {"beep.wav", folder + "/Beep.WAV"},
        {"tune.mp3", ""},
        {"missing.wav", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.Sound.Played.clear();
        int finished = 0;
        bool wasPlayed = true;
        const bool started = PlayWaveFile(f, c.name, [&](bool whole) {
            ++finished;
            wasPlayed = whole;
        });
        EXPECT_EQ(started, !c.played.isEmpty());
        if (c.played.isEmpty()) {
            EXPECT_TRUE(platform.Sound.Played.isEmpty());
            EXPECT_EQ(finished, 1);  // a caller waiting for the end is not left waiting
            EXPECT_FALSE(wasPlayed);
        } else {
            EXPECT_EQ(platform.Sound.Played, QStringList{c.played});
            EXPECT_EQ(finished, 0);  // the call returns while the sound plays
            platform.Sound.FinishAll();
            EXPECT_EQ(finished, 1);
            EXPECT_TRUE(wasPlayed);
        }
    }
}

TEST_F(GeneralRoutines, FreeDiskSpaceInKilobytes) {
    const struct {
        const char* label;
        QString path;
        qint64 bytes;  // what the file system reports
        qint64 kb;
    } cases[] = {
        {"empty path", "", 4096, -1},
        {"relative path", "egc", 4096, -1},
        {"relative with dots", "./egc", 4096, -1},
        {"drive letter names no place here", "C:\\Tidepost\\egc", 4096, -1},
        {"whole kilobytes", "/data/egc", 2048 * 1024, 2048},
        {"rounded down", "/data/egc", 1024 + 511, 1},
        {"rounded up", "/data/egc", 1024 + 513, 2},
        {"full disk", "/data/egc", 0, 0},
        {"beyond 32-bit kilobytes", "/data", 5LL * 1024 * 1024 * 1024 * 1024, 5LL * 1024 * 1024 * 1024},
        {"unreadable", "/media/gone", -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        platform.Disk.Bytes = c.bytes;
        EXPECT_EQ(GetFreeDiskSpaceKB(f, c.path), c.kb);
    }
}

TEST_F(GeneralRoutines, FreeDiskSpaceTakesBackslashesAsSeparators) {
    platform.Disk.Asked.clear();
    EXPECT_EQ(GetFreeDiskSpaceKB(f, "\\data\\egc"), platform.Disk.Bytes / 1024);
    EXPECT_EQ(platform.Disk.Asked, QStringList{"/data/egc"});
}

TEST_F(GeneralRoutines, OsVersionComesFromTheSystemFacts) {
    platform.OsFacts.SetEmbeddedEdition();
    const OsVersionRecord v = GetOsVersion(f);
    EXPECT_EQ(v.MajorVersion, 5);
    EXPECT_EQ(v.MinorVersion, 1);
    EXPECT_EQ(v.SuiteMask, 64);
    EXPECT_FALSE(ErrorOccurred());
}

TEST_F(GeneralRoutines, ColorDepthIsTwoToTheBitsOfTheMainWindowsDisplay) {
    EXPECT_EQ(GetColorDepth(f), 0.0);
    test::FakeMainForm mainForm;
    f.Windows.MainForm = &mainForm;
    mainForm.ColorBits = 16;
    EXPECT_EQ(GetColorDepth(f), 65536.0);
    mainForm.ColorBits = 32;
    EXPECT_EQ(GetColorDepth(f), 4294967296.0);
}

TEST_F(GeneralRoutines, CaptionPairPutsTheParentFirst) {
    const auto text = [&](int id) { return f.Strings.GetMlString(id); };
    EXPECT_EQ(GetCaptionPair(f, 2046, 0), text(2046));
    EXPECT_EQ(GetCaptionPair(f, 2046, -3), text(2046));
    EXPECT_EQ(GetCaptionPair(f, 1990, 1989), text(1989) + " -> " + text(1990));
}

TEST_F(GeneralRoutines, CountOpenFormsCountsWindowsByNameIgnoringCase) {
    auto shown = std::make_unique<QWidget>();
    shown->setObjectName("MessageForm");
    shown->show();
    auto hidden = std::make_unique<QWidget>();
    hidden->setObjectName("MessageForm");
    auto other = std::make_unique<QWidget>();
    other->setObjectName("MessageForms");
    auto child = new QWidget(other.get());  // not a window of its own
    child->setObjectName("MessageForm");

    EXPECT_EQ(CountOpenForms("messageform"), 2);
    hidden.reset();
    EXPECT_EQ(CountOpenForms("MESSAGEFORM"), 1);
    EXPECT_EQ(CountOpenForms("AddressCard"), 0);
}

TEST_F(GeneralRoutines, DisclaimerTextIsExact) {
    const QString expected =
        "Disclaimer of Warranty!\r\n"
        "\r\n"
        "Tidepost and all of the accompanying files are delivered as is and without warranties as to performance or "
        "merchantability or any other warranties whether expressed or implied.\r\n"
        "Because of the various hardware and software environments into which Tidepost may be put, no warranty of "
        "fitness for a particular purpose is offered.\r\n"
        "Kalvenor & Kalvenor cannot be held responsible for any problems occurring during installation or operation. "
        "This includes but is not limited to reception and transmission of\r\n"
        "\r\n"
        "- Routine, safety, urgent or distress priority messages\r\n"
        "- Messages not sent or not received\r\n"
        "- FleetNET and  SafetyNET EGC's\r\n"
        "- Information contained in messages, \r\n"
        "- distress editor,\r\n"
        "- distress generator,\r\n"
        "- alarm reset,\r\n"
        "- latest distress information,\r\n"
        "- distress test mode,\r\n"
        "- system information,\r\n"
        "- inbox log,\r\n"
        "- sent items log,\r\n"
        "- egc log,\r\n"
        "- info log,\r\n"
        "- options and configuration settings.\r\n"
        "\r\n"
        "In case software problems are reported, general problems or problems particular to a specific usage, "
        "Kalvenor & Kalvenor reserves the right to decide whether or not a software update should be issued.";
    EXPECT_EQ(GetDisclaimerText(f), expected);
}

// Records what is asked of the grid, in order.
class RecordingGrid : public IFlexGrid {
public:
    int Rows() const override { return 5; }
    int Cols() const override { return 4; }
    int FixedCols() const override { return 1; }
    void SetRow(int row) override { Calls << QString("Row=%1").arg(row); }
    void SetCol(int col) override { Calls << QString("Col=%1").arg(col); }
    void SetRowSel(int row) override { Calls << QString("RowSel=%1").arg(row); }
    void SetColSel(int col) override { Calls << QString("ColSel=%1").arg(col); }
    void SetFillStyle(int style) override { Calls << QString("FillStyle=%1").arg(style); }
    void SetCellForeColor(int colour) override { Calls << QString("ForeColor=%1").arg(colour); }
    void SetCellFontBold(bool bold) override { Calls << QString("Bold=%1").arg(bold); }
    void SetRows(int rows) override { Calls << QString("Rows=%1").arg(rows); }
    void SetCols(int cols) override { Calls << QString("Cols=%1").arg(cols); }
    void SetCellAlignment(int alignment) override { Calls << QString("Alignment=%1").arg(alignment); }
    void SetText(const QString& text) override { Calls << "Text=" + text; }
    void SetRedraw(bool redraw) override { Calls << QString("Redraw=%1").arg(redraw); }
    void SetSort(int order) override { Calls << QString("Sort=%1").arg(order); }
    QStringList Calls;
};

TEST_F(GeneralRoutines, HighlightGridRowFormatsTheRowFromTheFirstNonFixedColumn) {
    const struct {
        int row;
        QStringList calls;
    } cases[] = {
        {4, {"Row=4", "Col=1", "RowSel=4", "ColSel=3", "FillStyle=1", "ForeColor=255", "Bold=1"}},
        {1, {"Row=1", "Col=1", "RowSel=1", "ColSel=3", "FillStyle=1", "ForeColor=255", "Bold=1"}},
        {5, {}},   // beyond the last row
        {-1, {}},  // before the first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        RecordingGrid grid;
        HighlightGridRow(grid, c.row, 0xFF, true);
        EXPECT_EQ(grid.Calls, c.calls);
    }
}

}  // namespace
