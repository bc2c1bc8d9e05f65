#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/cErrorQueue.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {
class FileRoutines : public ::testing::Test {
protected:
    test::TestPlatform platform;
    Foundation f{platform.Os};

    QString Data(const QString& name) const { return platform.DataFolder() + "/" + name; }
    int Queued() { return ErrorQueue(f).Count(); }
};
}  // namespace

TEST_F(FileRoutines, ExistenceOfFilesFoldersAndMissingPaths) {
    platform.WriteDataFile("OUT.IDX", "x");
    platform.WriteDataFile("Inbox/in.idx", "");
    struct Case {
        QString path;
        bool exists;
    };
    const Case cases[] = {
        {Data("OUT.IDX"), true},
        {Data("out.idx"), true},  // file names match ignoring case
        {platform.DataFolder() + "\\Inbox\\in.idx", true},
        {Data("Inbox/IN.IDX"), true},
        {Data("Inbox/in.idx.bak"), false},
        {Data("Inbox"), false},  // a folder is not a file
        {Data("Inbox/"), false},
        {Data("missing/in.idx"), false},
        {Data("OUT.IDX/inside"), false},  // a file used as a folder
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(CheckFileExists(f, c.path), c.exists);
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());  // a plain "not there" is no error
}

TEST_F(FileRoutines, AFailedCheckShowsAnErrorBoxAndGivesFalse) {
    ASSERT_TRUE(QFile::link(Data("loopA"), Data("loopB")));
    ASSERT_TRUE(QFile::link(Data("loopB"), Data("loopA")));
    const QString cases[] = {
        Data(QString(300, u'n')),        // a name too long for the system
        Data("loopA"),                   // a link loop
        Data("OUT.IDX") + QChar(0) + "x",  // a NUL would cut the name short
    };
    platform.WriteDataFile("OUT.IDX", "x");
    for (const QString& path : cases) {
        SCOPED_TRACE(QFileInfo(path).fileName().left(20).toStdString());
        platform.Boxes.Shown.clear();
        EXPECT_FALSE(CheckFileExists(f, path));
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        const MessageBoxRequest& box = platform.Boxes.Shown.front();
        EXPECT_EQ(box.text, "(CheckFileExists) Error '75': Path/File access error.\r\n" +
                                GetFileErrorText(f, 75, path));
        EXPECT_EQ(box.title, "Error 75");
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(Queued(), 0);
}

TEST_F(FileRoutines, ContentIsOneCharacterPerByteInTheAnsiCodePage) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    for (const char* codePage : {"windows-1252", "windows-1251"}) {
        SCOPED_TRACE(codePage);
        platform.Os.Codec = AnsiCodec(codePage);
        const QString content = GetFileContent(f, platform.WriteDataFile("bytes.txt", all + "\r\nend"));
        ASSERT_EQ(content.size(), 256 + 5);
        for (int b = 0; b < 256; ++b) ASSERT_EQ(content.at(b), platform.Os.Codec.CharOf(static_cast<unsigned char>(b))) << b;
        EXPECT_TRUE(content.endsWith("\r\nend"));
        EXPECT_EQ(platform.Os.Codec.Encode(content), all + "\r\nend");
    }
    EXPECT_EQ(GetFileContent(f, Data("BYTES.TXT")).size(), 261);
}

TEST_F(FileRoutines, MissingOrEmptyFileGivesEmptyTextQuietly) {
    EXPECT_EQ(GetFileContent(f, Data("missing.txt")), "");
    EXPECT_EQ(GetFileContent(f, platform.WriteDataFile("empty.txt", "")), "");
    EXPECT_EQ(GetFileContent(f, platform.DataFolder()), "");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(Queued(), 0);
}

TEST_F(FileRoutines, AReadFailureIsQueuedAndGivesEmptyText) {
    // A regular file whose first read fails with an I/O error, even for root.
    const QString path = "/proc/self/mem";
    if (!QFileInfo(path).isFile()) GTEST_SKIP() << "no " << path.toStdString();
    EXPECT_EQ(GetFileContent(f, path), "");
    ASSERT_EQ(Queued(), 1);
    EXPECT_EQ(ErrorQueue(f).Peek().toString(),
              "(GetFileContent) Error '75': Path/File access error.\r\n" + GetFileErrorText(f, 75, path));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}
