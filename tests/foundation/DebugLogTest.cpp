#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextCursor>
#include <gtest/gtest.h>

#include "foundation/DebugLog.h"
#include "foundation/Foundation.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {
class DebugLogTest : public ::testing::Test {
protected:
    DebugLogTest() { f.gConfiguration.DataPath = platform.DataFolder(); }
    QPlainTextEdit* TextWindow() { return f.Windows.DebugLog.get().findChild<QPlainTextEdit*>("TextWindow"); }
    QPushButton* Button(const char* name) { return f.Windows.DebugLog.get().findChild<QPushButton*>(name); }

    test::TestPlatform platform;
    Foundation f{platform.Os};
};
}  // namespace

TEST_F(DebugLogTest, ControlsAndCaptions) {
    EXPECT_FALSE(f.Windows.DebugLog.isLoaded());
    DebugLog& w = f.Windows.DebugLog.get();
    EXPECT_TRUE(f.Windows.DebugLog.isLoaded());
    EXPECT_EQ(&f.Windows.DebugLog.get(), &w);
    EXPECT_EQ(w.windowTitle(), "Debug Log");
    ASSERT_NE(TextWindow(), nullptr);
    ASSERT_NE(Button("ClearButton"), nullptr);
    ASSERT_NE(Button("Command1"), nullptr);
    EXPECT_EQ(Button("ClearButton")->text(), "Clear");
    EXPECT_EQ(Button("Command1")->text(), "OK");
}

TEST_F(DebugLogTest, WithoutFileOnlyTheWindowGetsTheLine) {
    f.Windows.DebugLog.get().AddLine("one");
    platform.Clock.AdvanceSeconds(61);
    f.Windows.DebugLog.get().AddLine("two");
    EXPECT_EQ(f.Windows.DebugLog.get().Text(), "2012-07-03 09:05:00  one\n2012-07-03 09:06:01  two\n");
    EXPECT_FALSE(QFileInfo::exists(platform.DataFolder() + "/DebugLog.txt"));
    EXPECT_FALSE(f.Windows.DebugLog.get().isVisible());
    // The hidden window's box stays empty; showing it fills it.
    EXPECT_EQ(TextWindow()->toPlainText(), "");
    f.Windows.DebugLog.get().show();
    EXPECT_EQ(TextWindow()->toPlainText(), "2012-07-03 09:05:00  one\n2012-07-03 09:06:01  two\n");
    EXPECT_EQ(TextWindow()->textCursor().position(), TextWindow()->toPlainText().size());
    f.Windows.DebugLog.get().hide();
}

TEST_F(DebugLogTest, KeepsOnlyTheLatestLines) {
    DebugLog& w = f.Windows.DebugLog.get();
    for (int i = 0; i < DebugLog::kMaxLines + 5; ++i) w.AddLine(QString::number(i));
    const QStringList lines = w.Text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), DebugLog::kMaxLines);
    EXPECT_EQ(lines.first(), "2012-07-03 09:05:00  5");
    w.show();
    w.AddLine("shown");
    EXPECT_EQ(TextWindow()->document()->blockCount(), DebugLog::kMaxLines);
    EXPECT_TRUE(TextWindow()->toPlainText().endsWith("2012-07-03 09:05:00  shown\n"));
    w.hide();
}

TEST_F(DebugLogTest, TheFileIsLookedForAtMostOnceASecond) {
    DebugLog& w = f.Windows.DebugLog.get();
    w.AddLine("before");
    platform.WriteDataFile("DebugLog.txt", "");
    w.AddLine("same second");
    EXPECT_EQ(platform.ReadDataFile("DebugLog.txt"), "");
    platform.Clock.AdvanceMs(1000);
    w.AddLine("later");
    EXPECT_EQ(platform.ReadDataFile("DebugLog.txt"), "2012-07-03 09:05:01  later\r\n");
}

TEST_F(DebugLogTest, AnExistingFileGetsACopyOfEachLine) {
    platform.WriteDataFile("debuglog.TXT", "");
    f.Windows.DebugLog.get().AddLine("one");
    EXPECT_EQ(platform.ReadDataFile("debuglog.TXT"), "2012-07-03 09:05:00  one\r\n");
    EXPECT_EQ(f.Windows.DebugLog.get().Text(), "2012-07-03 09:05:00  one\n");
}

TEST_F(DebugLogTest, UnwritableDataFolderStillFillsTheWindow) {
    f.gConfiguration.DataPath = platform.DataFolder() + "/missing";
    f.Windows.DebugLog.get().AddLine("one");
    EXPECT_EQ(f.Windows.DebugLog.get().Text(), "2012-07-03 09:05:00  one\n");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(DebugLogTest, ClearEmptiesAndOkHides) {
    DebugLog& w = f.Windows.DebugLog.get();
    w.AddLine("one");
    w.show();
    ASSERT_TRUE(w.isVisible());
    Button("ClearButton")->click();
    EXPECT_EQ(TextWindow()->toPlainText(), "");
    Button("Command1")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(f.Windows.DebugLog.isLoaded());
    w.AddLine("after");
    w.show();
    EXPECT_EQ(TextWindow()->toPlainText(), "2012-07-03 09:05:00  after\n");
    w.hide();
}

TEST_F(DebugLogTest, ShowingPutsTheCaretAtTheEnd) {
    DebugLog& w = f.Windows.DebugLog.get();
    w.AddLine("one");
    TextWindow()->moveCursor(QTextCursor::Start);
    w.show();
    EXPECT_EQ(TextWindow()->textCursor().position(), TextWindow()->toPlainText().size());
    w.hide();
}
