#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "foundation/Foundation.h"
#include "foundation/LanguageSelect.h"
#include "foundation/ProgramVersion.h"
#include "foundation/StartProcedure.h"
#include "foundation/UsefullCodePages.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct SingleCopy : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    int languageDialogs = 0;
    int mainForms = 0;

    SingleCopy() {
        f.Windows.LanguageSelect.ShowModal = [this](LanguageSelect&) { ++languageDialogs; };
        QFile path(platform.ProgramFolder() + "/DataPath.txt");
        EXPECT_TRUE(path.open(QIODevice::WriteOnly));
        path.write(platform.DataFolder().toLocal8Bit());
    }
    ~SingleCopy() override {
        f.Windows.LanguageSelect.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool Run() {
        return Main(f, [this] { ++mainForms; });
    }
};

// A second copy says so in the stored language and ends before it reads or writes any file or
// setting of the running copy: no data folder work, no language dialog, no main window.
TEST_F(SingleCopy, ASecondCopyShowsOneBoxAndTouchesNothing) {
    platform.Instance.OtherCopyRunning = true;
    platform.Settings.Save("tidepost", "MultiLang", "LangId", "1049");
    const int savesBefore = platform.Settings.SaveCount;
    EXPECT_FALSE(Run());
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, f.Strings.GetString(2696, 1049));
    EXPECT_EQ(platform.Boxes.Shown[0].title, f.Strings.GetString(12, 1049));
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(languageDialogs, 0);
    EXPECT_FALSE(f.Windows.LanguageSelect.isLoaded());
    EXPECT_EQ(mainForms, 0);
    EXPECT_FALSE(f.FoundationLoaded);
    EXPECT_TRUE(QDir(platform.DataFolder()).isEmpty());
    EXPECT_EQ(platform.Settings.SaveCount, savesBefore);
}

// Without a runtime folder the lock is made in the data folder; when it cannot be made at all,
// the start ends with a box that says why, before anything of the data folder is touched.
TEST_F(SingleCopy, ALockThatCannotBeMadeStopsTheStartWithABox) {
    platform.Instance.RuntimeFolderUsable = false;
    platform.Instance.FailWith = {kErrPermissionDenied, "Permission denied"};
    platform.Instance.FailedPath = platform.DataFolder() + "/Tidepost.lock";
    EXPECT_FALSE(Run());
    EXPECT_EQ(platform.Instance.FallbackFolder, platform.DataFolder());
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("(Main) Error '70': Permission denied."))
        << platform.Boxes.Shown[0].text.toStdString();
    EXPECT_TRUE(platform.Boxes.Shown[0].text.contains(platform.DataFolder() + "/Tidepost.lock"));
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 70");
    EXPECT_EQ(languageDialogs, 0);
    EXPECT_EQ(mainForms, 0);
    EXPECT_FALSE(f.FoundationLoaded);
    EXPECT_TRUE(QDir(platform.DataFolder()).isEmpty());
}

TEST_F(SingleCopy, TheFirstCopyClaimsTheLockAndStarts) {
    EXPECT_TRUE(Run());
    EXPECT_EQ(platform.Instance.Claims, 1);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_TRUE(f.FoundationLoaded);
    EXPECT_EQ(languageDialogs, 1);
    EXPECT_EQ(mainForms, 1);
    EXPECT_TRUE(QFile::exists(platform.DataFolder() + "/Tidepost.ini"));
}

// A termination signal while a start-up question is open: the question answers as closed without
// a button, and the start goes no further, so nothing is left waiting for an operator who is gone.
TEST_F(SingleCopy, AnEndRequestedDuringTheStartStopsBeforeTheLanguageDialog) {
    const QByteArray oldIsp = "VERSION 099\r\nMine|001||||TO:||||||||||\r\n";
    platform.WriteDataFile("isp.dat", oldIsp);
    platform.Boxes.OnShow = [this](const MessageBoxRequest&) { f.Windows.EndRequested = true; };
    platform.Boxes.AnswerNoButton();
    EXPECT_TRUE(Run());
    EXPECT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(languageDialogs, 0);
    EXPECT_EQ(mainForms, 0);
    EXPECT_EQ(platform.ReadDataFile("isp.dat"), oldIsp);
}

// The signal during the language dialog: no main window follows.
TEST_F(SingleCopy, AnEndRequestedDuringTheLanguageDialogCreatesNoMainWindow) {
    f.Windows.LanguageSelect.ShowModal = [this](LanguageSelect&) {
        ++languageDialogs;
        f.Windows.EndRequested = true;
    };
    EXPECT_TRUE(Run());
    EXPECT_EQ(languageDialogs, 1);
    EXPECT_EQ(mainForms, 0);
}

// Text a Russian user types must reach the transceiver and the files in a code page that has its
// letters, unless a code page is stored.
TEST_F(SingleCopy, TheCodePageFollowsTheLanguageUnlessOneIsStored) {
    struct Case {
        const char* language;
        const char* stored;
        const char* chosen;
    };
    for (const Case& c : {Case{"1049", "", "windows-1251"}, Case{"1033", "", "windows-1252"},
                          Case{"1049", "windows-1252", "windows-1252"}, Case{"1033", "windows-1251", "windows-1251"},
                          Case{"1049", "no-such-page", "windows-1251"}}) {
        SCOPED_TRACE(std::string(c.language) + " " + c.stored);
        platform.Settings.Save("tidepost", "MultiLang", "LangId", c.language);
        if (*c.stored) platform.Settings.Save(f.gProductName, "Config", "ANSI Code Page", c.stored);
        else platform.Settings.DeleteKey(f.gProductName, "Config", "ANSI Code Page");
        platform.Os.Codec = AnsiCodec();
        ApplyStoredLanguage(f);
        ChooseAnsiCodePage(f);
        EXPECT_EQ(f.Os.Codec.CodePage(), c.chosen);
    }
    // The start chooses it once the language is known.
    platform.Settings.Save("tidepost", "MultiLang", "LangId", "1049");
    platform.Settings.DeleteKey(f.gProductName, "Config", "ANSI Code Page");
    platform.Os.Codec = AnsiCodec();
    EXPECT_TRUE(Run());
    EXPECT_EQ(f.Os.Codec.Decode("\xC0"), QString::fromUtf8("А"));
}

TEST(ProgramVersion, NumberTextAndRevision) {
    const ProgramVersion v{2, 1, 16};
    EXPECT_EQ(FormatVersionNumber(v), "201");
    EXPECT_EQ(FormatVersionText(v), "2.01 ");
    EXPECT_EQ(FormatRevision(v), "016");
    EXPECT_EQ(FormatVersionNumber({1, 12, 0}), "112");
    EXPECT_EQ(FormatVersionText({1, 12, 0}), "1.12 ");
    EXPECT_EQ(FormatRevision({0, 1, 1234}), "1234");
}

TEST(ProgramVersion, TheStartSetsTheVersionOfThisBuild) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    f.Windows.LanguageSelect.ShowModal = [](LanguageSelect&) {};
    Main(f, {});
    EXPECT_EQ(f.VersionNumber, FormatVersionNumber(GetProgramVersion()));
    EXPECT_EQ(f.VersionText, FormatVersionText(GetProgramVersion()));
    f.Windows.LanguageSelect.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
