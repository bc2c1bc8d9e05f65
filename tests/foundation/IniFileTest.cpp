#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/TimerTick.h"
#include "foundation/cFile.h"
#include "DefaultIniBytes.h"
#include "support/TestPlatform.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { f.gConfiguration.DataPath = platform.DataFolder(); }

    QString IniPath() const { return platform.DataFolder() + "/Tidepost.ini"; }
    QByteArray IniBytes() const { return platform.ReadDataFile("Tidepost.ini"); }
    void WriteIni(const QByteArray& bytes) const { platform.WriteDataFile("Tidepost.ini", bytes); }
    QStringList Queued() {
        QStringList out;
        out << test::DrainErrorQueue(f);
        return out;
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
};

struct GrammarCase {
    const char* name;
    QByteArray file;
    std::vector<KeyValuePair> entries;
};

TEST_F(IniFileTest, ReadsTheGrammar) {
    const std::vector<GrammarCase> cases = {
        {"the line after a key is its value, even a key line", "[A]\r\n[B]\r\nx\r\n", {{"[A]", "[B]"}}},
        {"value and key lines are trimmed of blanks", "  [HOST Interface]  \r\n   COM   \r\n",
         {{"[HOST Interface]", "COM"}}},
        {"the end marker is consumed as a value like anything else", "[A]\r\n[End Of File]\r\n",
         {{"[A]", "[End Of File]"}}},
        {"the end marker, free text and blank lines are skipped",
         "note\r\n\r\n[End Of File]\r\n[A]\r\nv\r\n\r\nmore text\r\n", {{"[A]", "v"}}},
        {"a blank value line gives an empty value", "[A]\r\n\r\n[B]\r\nx", {{"[A]", ""}, {"[B]", "x"}}},
        {"a key on the last line gets an empty value", "[A]\r\n1\r\n[B]", {{"[A]", "1"}, {"[B]", ""}}},
        {"a key on the last line with a line end too", "[A]\r\n1\r\n[B]\r\n", {{"[A]", "1"}, {"[B]", ""}}},
        {"duplicate keys each give an entry", "[A]\r\n1\r\n[A]\r\n2\r\n", {{"[A]", "1"}, {"[A]", "2"}}},
        {"a line needs both brackets to be a key", "[A\r\nB]\r\n[C]\r\nc\r\n", {{"[C]", "c"}}},
        {"lines ended by LF alone", "[A]\nv\n[B]\nw\n", {{"[A]", "v"}, {"[B]", "w"}}},
        {"the signature keeps its lines raw, blanks included",
         "[Signature]\r\n  first\r\nsecond  \r\n[End Of Signature]\r\n", {{"[Signature]", "  first\r\nsecond  "}}},
        {"an empty signature", "[Signature]\r\n[End Of Signature]\r\n[K]\r\nv\r\n",
         {{"[Signature]", ""}, {"[K]", "v"}}},
        {"signature lines are not examined for keys, its end line is trimmed",
         "[Signature]\r\n[Not a key]\r\n\r\n   [End Of Signature]  \r\n[K]\r\nv\r\n",
         {{"[Signature]", "[Not a key]\r\n"}, {"[K]", "v"}}},
        {"one empty signature line", "[Signature]\r\n\r\n[End Of Signature]\r\n", {{"[Signature]", ""}}},
        {"ANSI bytes, one character each", "[Signature]\r\nM\xfcller \xe9t\xe9\r\n[End Of Signature]\r\n",
         {{"[Signature]", QString::fromUtf8("M\u00fcller \u00e9t\u00e9")}}},
    };
    for (const GrammarCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIni(c.file);
        ReadIniFile(f);
        EXPECT_TRUE(f.gIniEntries.Loaded);
        EXPECT_EQ(f.gIniEntries.Items, QList<KeyValuePair>(c.entries.begin(), c.entries.end()));
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(IniFileTest, SignatureWritesBackItsRawLines) {
    WriteIni("[Signature]\r\n  first\r\nsecond  \r\n[End Of Signature]\r\n");
    ReadIniFile(f);
    WriteIniFile(f);
    EXPECT_EQ(IniBytes(), QByteArray("[Signature]\r\n  first\r\nsecond  \r\n[End Of Signature]\r\n\r\n"));
}

TEST_F(IniFileTest, DefaultFileIsWrittenWhenMissingAndRewrittenWithoutTheEndMarker) {
    const QString d = platform.DataFolder() + "/";
    ReadIniFile(f);
    EXPECT_EQ(IniBytes(), test::DefaultFileBytes(d));
    EXPECT_EQ(GetIniValue(f, "[Version]"), "1. 0. 4");
    EXPECT_EQ(GetIniValue(f, "[Default ISP]"), "");
    EXPECT_EQ(GetIniValue(f, "[AS IS Accepted?]"), "NO");
    EXPECT_EQ(GetIniValue(f, "[outbox]"), d + "sent items/");
    EXPECT_EQ(GetIniValue(f, "[Signature]"), "");
    EXPECT_EQ(f.gIniEntries.Items.size(), 17);

    WriteIniFile(f);
    EXPECT_EQ(IniBytes(), test::RewrittenDefaultBytes(d));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(IniFileTest, CreateReplacesAnExistingFile) {
    WriteIni("[COM port]\r\n7\r\n");
    CreateIniFile104(f);
    EXPECT_EQ(IniBytes(), test::DefaultFileBytes(platform.DataFolder() + "/"));
}

TEST_F(IniFileTest, SettingsFileNameIsMatchedIgnoringCase) {
    platform.WriteDataFile("TIDEPOST.INI", "[COM port]\r\n3\r\n");
    EXPECT_EQ(GetIniValue(f, "[COM port]"), "3");
    EXPECT_FALSE(QFileInfo::exists(IniPath()));
}

TEST_F(IniFileTest, KeysAreComparedExactly) {
    WriteIni("[COM port]\r\n1\r\n[A]\r\nfirst\r\n[A]\r\nsecond\r\n");
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"[COM port]", "1"}, {"[com port]", ""}, {"COM port", ""}, {" [COM port]", ""},
        {"[COM port] ", ""}, {"[A]", "first"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetIniValue(f, c.key), c.value) << c.key;
}

TEST_F(IniFileTest, FirstAccessLoadsTheFile) {
    WriteIni("[COM port]\r\n4\r\n");
    EXPECT_FALSE(f.gIniEntries.Loaded);
    EXPECT_EQ(GetIniValue(f, "[COM port]"), "4");
    EXPECT_TRUE(f.gIniEntries.Loaded);

    Foundation other(platform.Os);
    other.gConfiguration.DataPath = platform.DataFolder();
    EXPECT_EQ(SetIniValue(other, "[COM port]", "5", false), 1);
    EXPECT_EQ(other.gIniEntries.Items, (QList<KeyValuePair>{{"[COM port]", "5"}}));
}

TEST_F(IniFileTest, SetChangesTheFirstEntryOrAppendsAtTheEnd) {
    WriteIni("[A]\r\n1\r\n[B]\r\n2\r\n[A]\r\n3\r\n");
    EXPECT_EQ(SetIniValue(f, "[A]", "changed", false), 1);
    EXPECT_EQ(SetIniValue(f, "[New]", "n1", false), 1);
    EXPECT_EQ(SetIniValue(f, "ConfReq", "OUT0001.TXT", false), 1);
    EXPECT_EQ(SetIniValue(f, "[Newer]", "n2", false), 1);
    // Nothing is written until asked.
    EXPECT_EQ(IniBytes(), QByteArray("[A]\r\n1\r\n[B]\r\n2\r\n[A]\r\n3\r\n"));

    WriteIniFile(f);
    EXPECT_EQ(IniBytes(), QByteArray("[A]\r\nchanged\r\n\r\n[B]\r\n2\r\n\r\n[A]\r\n3\r\n\r\n[New]\r\nn1\r\n\r\n"
                                     "ConfReq\r\nOUT0001.TXT\r\n\r\n[Newer]\r\nn2\r\n\r\n"));

    // A key without brackets does not come back at the next start.
    ReadIniFile(f);
    EXPECT_EQ(GetIniValue(f, "ConfReq"), "");
    EXPECT_EQ(GetIniValue(f, "[Newer]"), "n2");
}

TEST_F(IniFileTest, SetWithSaveWritesAtOnce) {
    WriteIni("[A]\r\n1\r\n");
    SetIniValue(f, "[A]", "2", true);
    EXPECT_EQ(IniBytes(), QByteArray("[A]\r\n2\r\n\r\n"));
}

TEST_F(IniFileTest, WriteDoesNothingBeforeTheFirstLoad) {
    WriteIniFile(f);
    EXPECT_FALSE(QFileInfo::exists(IniPath()));
}

TEST_F(IniFileTest, LineBreaksInAOneLineValueBecomeBlanks) {
    WriteIni("[Signature]\r\n[End Of Signature]\r\n");
    SetIniValue(f, "[A]", "one\r\ntwo\nthree\rfour", false);
    SetIniValue(f, "[B]", "[C]\r\nx", false);
    SetIniValue(f, "[Signature]", "Best regards\r\nThe bridge", false);
    WriteIniFile(f);
    ReadIniFile(f);
    EXPECT_EQ(f.gIniEntries.Items, (QList<KeyValuePair>{{"[Signature]", "Best regards\r\nThe bridge"},
                                                        {"[A]", "one two three four"},
                                                        {"[B]", "[C] x"}}));
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFileWhole) {
    const QByteArray old = "[A]\r\n1\r\n";
    WriteIni(old);
    SetIniValue(f, "[A]", "2", false);
    // A folder where the new content would be staged makes the write fail.
    ASSERT_TRUE(QDir().mkdir(IniPath() + ".tmp~"));
    WriteIniFile(f);
    EXPECT_EQ(IniBytes(), old);
    EXPECT_EQ(GetIniValue(f, "[A]"), "2");
    EXPECT_EQ(Queued(), QStringList{"(cFile.Save) Error '75': Path/File access error.\r\nCould not open the file '" +
                                    IniPath() +
                                    "'.\r\nPlease make sure you have write access to this directory and file, and "
                                    "that the file is not opened by another process."});
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());

    // The next write tries again.
    QDir().rmdir(IniPath() + ".tmp~");
    WriteIniFile(f);
    EXPECT_EQ(IniBytes(), QByteArray("[A]\r\n2\r\n\r\n"));
}

TEST_F(IniFileTest, FullDiskQueuesTheDiskSpaceText) {
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const QByteArray old = "[A]\r\n1\r\n";
    WriteIni(old);
    ReadIniFile(f);
    ASSERT_TRUE(QFile::link("/dev/full", IniPath() + ".tmp~"));
    WriteIniFile(f);
    EXPECT_EQ(IniBytes(), old);
    EXPECT_EQ(Queued(), QStringList{"(cFile.Save) Error: Not enough disk space.\r\nDue to this error, the file " +
                                    IniPath() + " can not be saved."});
}

TEST_F(IniFileTest, SignatureWithoutItsEndLineStopsTheLoadWithABox) {
    WriteIni("[A]\r\n1\r\n[Signature]\r\nline\r\n");
    ReadIniFile(f);
    EXPECT_TRUE(f.gIniEntries.Loaded);
    ASSERT_GE(f.gIniEntries.Items.size(), 1);
    EXPECT_EQ(f.gIniEntries.Items.first(), (KeyValuePair{"[A]", "1"}));
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 62");
    EXPECT_EQ(platform.Boxes.Shown[0].text, "(ReadIniFile) Error '62': Input past end of file.\r\n");
}

TEST_F(IniFileTest, UnusableSettingsFileIsReportedOnceAndNotReadAgain) {
    ASSERT_TRUE(QDir().mkdir(IniPath()));
    EXPECT_EQ(GetIniValue(f, "[A]"), "");
    EXPECT_FALSE(f.gIniEntries.Loaded);
    // Creating the default file fails first; the read that follows says nothing new.
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 75");
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("(CreateIniFile104) Error '75': "));

    // Reads answer from memory; nothing is stored or written, and nothing is reported again, not
    // even by a later explicit load or the start-up check's attempt to create the file.
    for (int i = 0; i < 50; ++i) EXPECT_EQ(GetIniValue(f, "[HOST Interface]"), "");
    EXPECT_EQ(SetIniValue(f, "[A]", "1", true), 1);
    EXPECT_EQ(GetIniValue(f, "[A]"), "");
    ReadIniFile(f);
    CreateIniFile104(f);
    EXPECT_FALSE(f.gIniEntries.Loaded);
    EXPECT_TRUE(QFileInfo(IniPath()).isDir());
    EXPECT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_TRUE(Queued().isEmpty());

    // An explicit load still tries: once the file is usable again it is read.
    ASSERT_TRUE(QDir().rmdir(IniPath()));
    WriteIni("[A]\r\n2\r\n");
    ReadIniFile(f);
    EXPECT_EQ(GetIniValue(f, "[A]"), "2");
    EXPECT_EQ(platform.Boxes.Shown.size(), 1);
}

TEST_F(IniFileTest, UnusableSettingsFileInsideATimerTickIsQueuedOnce) {
    ASSERT_TRUE(QDir().mkdir(IniPath()));
    bool eventTimerRunning = false;
    bool lanTimerRunning = false;
    for (int tick = 0; tick < 30; ++tick) {
        RunTimerTick(f, eventTimerRunning, [&] { EXPECT_EQ(GetIniValue(f, "[SETPCTIME]"), ""); });
        RunTimerTick(f, lanTimerRunning, [&] { EXPECT_EQ(GetIniValue(f, "[HOST Interface]"), ""); });
        // The main window shows (and so takes out) what was queued before the next tick.
        const QStringList queued = Queued();
        if (tick == 0) {
            ASSERT_EQ(queued.size(), 1);
            EXPECT_TRUE(queued[0].startsWith("(CreateIniFile104) Error '75': Path/File access error.\r\n"));
        } else {
            EXPECT_TRUE(queued.isEmpty()) << "tick " << tick;
        }
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "no modal box inside a tick";
}

// A signature is free text; whatever it holds, it must come back as the same signature and set
// no other key. Each case gives the signature and what a new run reads back.
TEST_F(IniFileTest, HostileSignaturesRoundTripWithoutSettingKeys) {
    const struct {
        const char* name;
        QString signature;
        QString readBack;
    } cases[] = {
        {"its end line, then a key and a value", "Regards\r\n[End Of Signature]\r\n[IP Settings]\r\n10.6.6.6",
         "Regards\r\n(End Of Signature)\r\n[IP Settings]\r\n10.6.6.6"},
        {"its end line with blanks around it", "  [End Of Signature]  \r\n[IP Settings]\r\n10.6.6.6",
         "  (End Of Signature)  \r\n[IP Settings]\r\n10.6.6.6"},
        {"only its end line", "[End Of Signature]", "(End Of Signature)"},
        {"its end line last, with a line end", "x\r\n[End Of Signature]\r\n", "x\r\n(End Of Signature)\r\n"},
        {"lines ended by LF alone", "a\n[End Of Signature]\n[IP Settings]\n10.6.6.6",
         "a\r\n(End Of Signature)\r\n[IP Settings]\r\n10.6.6.6"},
        {"lines ended by CR alone", "a\r[End Of Signature]\r[IP Settings]\r10.6.6.6",
         "a\r\n(End Of Signature)\r\n[IP Settings]\r\n10.6.6.6"},
        // What the reader does not take for the end stays as it was typed.
        {"another letter case", "[end of signature]\r\n[IP Settings]", "[end of signature]\r\n[IP Settings]"},
        {"a tab before it", "\t[End Of Signature]", "\t[End Of Signature]"},
        {"text around it", "see [End Of Signature] here", "see [End Of Signature] here"},
        {"the file's end line", "[End Of File]\r\n[IP Settings]", "[End Of File]\r\n[IP Settings]"},
        {"a key line", "[IP Settings]\r\n10.6.6.6", "[IP Settings]\r\n10.6.6.6"},
        {"empty lines and blanks", "\r\n  \r\n\r\n", "\r\n  \r\n\r\n"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIni("[Signature]\r\n[End Of Signature]\r\n[IP Settings]\r\n192.168.1.10\r\n[A]\r\n1\r\n");
        f.gIniEntries = {};
        SetIniValue(f, "[Signature]", c.signature, true);

        for (int run = 1; run <= 2; ++run) {
            SCOPED_TRACE(run);
            Foundation next(platform.Os);
            next.gConfiguration.DataPath = platform.DataFolder();
            EXPECT_EQ(GetIniValue(next, "[IP Settings]"), "192.168.1.10");
            EXPECT_EQ(next.gIniEntries.Items, (QList<KeyValuePair>{{"[Signature]", c.readBack},
                                                                   {"[IP Settings]", "192.168.1.10"},
                                                                   {"[A]", "1"}}));
            // The second run writes what it read: nothing changes any more.
            WriteIniFile(next);
        }
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(IniFileTest, FileSaveAndLoad) {
    cFile file(f);
    const QString path = platform.DataFolder() + "/note.txt";
    QString all;
    for (int b = 0; b < 256; ++b) all += platform.Os.Codec.CharOf(static_cast<unsigned char>(b));

    EXPECT_TRUE(file.Save(path, all, false));
    EXPECT_EQ(QFileInfo(path).size(), 256);
    QString back = "unchanged";
    EXPECT_TRUE(file.Load(path, back));
    EXPECT_EQ(back, all);
    EXPECT_TRUE(file.FileExists(path));

    QString missing = "unchanged";
    EXPECT_FALSE(file.Load(path + ".missing", missing));
    EXPECT_EQ(missing, "unchanged");
    EXPECT_FALSE(file.FileExists(platform.DataFolder()));
    EXPECT_TRUE(Queued().isEmpty());
}

TEST_F(IniFileTest, FileSaveWithoutOverwriteKeepsAnExistingFile) {
    cFile file(f);
    const QString path = platform.WriteDataFile("note.txt", "old");
    EXPECT_FALSE(file.Save(path, "new", false));
    EXPECT_EQ(platform.ReadDataFile("note.txt"), QByteArray("old"));
    EXPECT_EQ(Queued(), QStringList{"(cFile.Save) Error '58': File already exists.\r\n"});

    EXPECT_TRUE(file.Save(path, "new", true));
    EXPECT_EQ(platform.ReadDataFile("note.txt"), QByteArray("new"));
}

}  // namespace
