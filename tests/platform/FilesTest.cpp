#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

using namespace tidepost;

namespace {
void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}  // namespace

TEST(FindFileNoCase, UsesAnExistingFileWhateverItsCase) {
    QTemporaryDir dir;
    Write(dir.path() + "/OUT.IDX", "x");
    QDir(dir.path()).mkdir("Sent Items");
    Write(dir.path() + "/Sent Items/Msg.Out", "y");
    EXPECT_EQ(FindFileNoCase(dir.path(), "out.idx"), dir.path() + "/OUT.IDX");
    EXPECT_EQ(FindFileNoCase(dir.path(), "sent items\\msg.out"), dir.path() + "/Sent Items/Msg.Out");
    EXPECT_EQ(FindFileNoCase(dir.path() + "/", "New.txt"), dir.path() + "/New.txt");
}

TEST(WriteFileAtomic, ReplacesTheWholeFileAndLeavesNoStagingFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/in.idx";
    Write(path, "old content that is longer");
    EXPECT_FALSE(WriteFileAtomic(path, "new"));
    EXPECT_EQ(Read(path), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"in.idx"});
}

TEST(WriteFileAtomic, NamedBackupIsTheStagingFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/OUT.IDX";
    Write(path, "old");
    EXPECT_FALSE(WriteFileAtomic(path, "new", dir.path() + "/OUT.BAK"));
    EXPECT_EQ(Read(path), "new");
}

TEST(WriteFileAtomic, FailureKeepsTheOriginalAndGivesAClassicNumber) {
    QTemporaryDir dir;
    const FileError err = WriteFileAtomic(dir.path() + "/no/such/folder/f.txt", "x");
    EXPECT_EQ(err.number, kErrPathNotFound);
}

TEST(WriteFileAtomic, FailedRenameKeepsTheOriginalAndRemovesTheStagingFile) {
    QTemporaryDir dir;
    // The rename cannot replace a folder that holds a file.
    const QString path = dir.path() + "/OUT.IDX";
    ASSERT_TRUE(QDir().mkpath(path));
    Write(path + "/kept", "old");
    EXPECT_TRUE(WriteFileAtomic(path, "new", dir.path() + "/OUT.BAK"));
    EXPECT_EQ(Read(path + "/kept"), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"OUT.IDX"});
}

TEST(AppendToFile, CreatesThenAppends) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/log.txt";
    EXPECT_FALSE(AppendToFile(path, "a\r\n"));
    EXPECT_FALSE(AppendToFile(path, "b\r\n"));
    EXPECT_EQ(Read(path), "a\r\nb\r\n");
}

TEST(WriteNewFile, CreatesTheFileAndNeverReplacesOne) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/24050601.in";
    EXPECT_FALSE(WriteNewFile(path, "body\r\n"));
    EXPECT_EQ(Read(path), "body\r\n");

    const FileError taken = WriteNewFile(path, "another");
    EXPECT_EQ(taken.number, kErrFileAlreadyExists);
    EXPECT_EQ(Read(path), "body\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"24050601.in"}) << "no staging file is left";

    EXPECT_EQ(WriteNewFile(dir.path() + "/no/such/folder/f.in", "x").number, kErrPathNotFound);
}

// /dev/full stands in for a full disk under the file written beside the new one.
TEST(WriteNewFile, FullDiskLeavesNoFileOfEitherName) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    QTemporaryDir dir;
    const QString path = dir.path() + "/24050601.in";
    ASSERT_TRUE(QFile::link("/dev/full", NewFileStagingPath(path)));
    EXPECT_EQ(WriteNewFile(path, "body").number, kErrDiskFull);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::System).isEmpty());
}
