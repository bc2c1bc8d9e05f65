#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>

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

// A line torn by a full disk or a crash is ended before the next line goes in, so the new line is
// never glued to the fragment; a line that already ends (in any of the three line ends) is not.
TEST(AppendLineToFile, EndsAnUnterminatedLastLineFirst) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/in.idx";
    const QByteArray whole = "IN.001:102:0:0:06-12-31 23:59:812:345:Mem:No:06123101.in\r\n";
    const QByteArray fragment = "IN.002:102:0:0:06-12";  // 20 bytes of the next line
    Write(path, whole + fragment);
    EXPECT_FALSE(AppendLineToFile(path, "IN.003:102:1:0:06-12-31 23:59:5:346:Mem:No:06123103.in", "\r\n"));
    EXPECT_EQ(Read(path), whole + fragment + "\r\n" + "IN.003:102:1:0:06-12-31 23:59:5:346:Mem:No:06123103.in\r\n");

    for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\r"), QByteArray("\n")}) {
        Write(path, "a" + end);
        EXPECT_FALSE(AppendLineToFile(path, "b", "\r\n"));
        EXPECT_EQ(Read(path), "a" + end + "b\r\n") << end.toHex().constData();
    }
    QFile::remove(path);
    EXPECT_FALSE(AppendLineToFile(path, "first", "\r\n"));
    EXPECT_EQ(Read(path), "first\r\n");
}

namespace {
// A file size limit for this process: a write past it stops short and the next fails, as on a
// disk that fills in the middle of a line.
struct FileSizeLimit {
    rlimit old{};
    void (*oldHandler)(int) = nullptr;
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old);
        oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, oldHandler);
    }
};
}  // namespace

// A write that fails part way leaves the file as it was before the append, so no fragment stays
// for the next line to follow.
TEST(AppendToFile, AFailedAppendLeavesTheFileAtItsOldLength) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/OUT.IDX";
    Write(path, "kept\r\n");
    {
        const FileSizeLimit limit(20);
        EXPECT_TRUE(AppendToFile(path, "a line far longer than the room that is left\r\n"));
        EXPECT_TRUE(AppendLineToFile(path, "another line far longer than the room left", "\r\n"));
    }
    EXPECT_EQ(Read(path), "kept\r\n");
    EXPECT_FALSE(AppendLineToFile(path, "next", "\r\n"));
    EXPECT_EQ(Read(path), "kept\r\nnext\r\n");
}

TEST(AppendToFile, AFullDiskIsReported) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(AppendToFile("/dev/full", "line\r\n").number, kErrDiskFull);
    EXPECT_EQ(AppendLineToFile("/dev/full", "line", "\r\n").number, kErrDiskFull);
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
