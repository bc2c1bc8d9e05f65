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

TEST(AppendToFile, CreatesThenAppends) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/log.txt";
    EXPECT_FALSE(AppendToFile(path, "a\r\n"));
    EXPECT_FALSE(AppendToFile(path, "b\r\n"));
    EXPECT_EQ(Read(path), "a\r\nb\r\n");
}
