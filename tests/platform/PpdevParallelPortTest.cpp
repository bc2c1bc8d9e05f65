#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PpdevParallelPort.h"

using namespace tidepost;

namespace {

// The adapter on stand-ins for a port: a FIFO and a plain file get one byte per value. No test
// touches a real parallel port.
struct PpdevParallelPortTest : ::testing::Test {
    QTemporaryDir dir;
    PpdevParallelPort port;
    QString reason;
    QString Fifo() {
        const QString path = dir.filePath("pulse");
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }
};

TEST_F(PpdevParallelPortTest, AFifoWithAReaderGetsOneByteAValue) {
    const QString path = Fifo();
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(port.Claim(path, reason)) << reason.toStdString();
    EXPECT_TRUE(port.IsClaimed());
    EXPECT_EQ(port.ClaimedDevice(), path);
    EXPECT_TRUE(port.WriteData(1, reason));
    EXPECT_TRUE(port.WriteData(0, reason));
    port.Release();
    EXPECT_FALSE(port.IsClaimed());
    char bytes[4] = {};
    EXPECT_EQ(::read(reader, bytes, sizeof bytes), 2);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 0);
    ::close(reader);
}

TEST_F(PpdevParallelPortTest, AFifoWithoutAReaderFailsAtOnce) {
    const QString path = Fifo();
    EXPECT_FALSE(port.Claim(path, reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(port.IsClaimed());
}

TEST_F(PpdevParallelPortTest, AReaderThatGoesFailsTheWriteWithoutEndingTheProgram) {
    const QString path = Fifo();
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(port.Claim(path, reason));
    ::close(reader);
    EXPECT_FALSE(port.WriteData(0, reason));
    EXPECT_EQ(reason, QString::fromLocal8Bit(strerror(EPIPE)));
    port.Release();
}

TEST_F(PpdevParallelPortTest, AFileIsAddedToAndOtherDevicesRefused) {
    const QString file = dir.filePath("pulse.bin");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    ASSERT_TRUE(port.Claim(file, reason));
    EXPECT_TRUE(port.WriteData(1, reason));
    port.Release();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("x\x01", 2));

    EXPECT_FALSE(port.Claim(dir.filePath("missing"), reason));
    EXPECT_EQ(reason, QString::fromLocal8Bit(strerror(ENOENT)));
    // A character device that is no parallel port: the claim is refused and nothing stays open.
    EXPECT_FALSE(port.Claim("/dev/null", reason));
    EXPECT_FALSE(port.IsClaimed());
    EXPECT_FALSE(port.WriteData(1, reason));
}

}  // namespace
