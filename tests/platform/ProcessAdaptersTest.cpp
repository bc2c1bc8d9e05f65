#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

#include "platform/LinuxOsFacts.h"
#include "platform/QtInstanceLock.h"
#include "platform/TermSignals.h"

using namespace tidepost;

// Two copies of the program for one user: the second is refused while the first runs, and may run
// once the first has ended.
TEST(QtInstanceLock, OneCopyAtATime) {
    QTemporaryDir runtime;
    auto first = std::make_unique<QtInstanceLock>(runtime.path());
    EXPECT_TRUE(first->Claim());
    EXPECT_TRUE(first->Claim()) << "the holder may ask again";
    EXPECT_EQ(first->FilePath(), runtime.path() + "/Tidepost.lock");
    EXPECT_TRUE(QFile::exists(first->FilePath()));

    QtInstanceLock second(runtime.path());
    EXPECT_FALSE(second.Claim());
    first.reset();
    EXPECT_TRUE(second.Claim());
}

// The lock of a copy that died (its process is gone) is taken over.
TEST(QtInstanceLock, ALockLeftByADeadCopyIsTakenOver) {
    QTemporaryDir runtime;
    QFile stale(runtime.path() + "/Tidepost.lock");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // The lock file's own layout: process id, application name, host name.
    stale.write("2147483646\ntidepost\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    QtInstanceLock lock(runtime.path());
    EXPECT_TRUE(lock.Claim());
}

// Without a usable runtime folder there is no lock to hold, and the program runs.
TEST(QtInstanceLock, NoRuntimeFolderDoesNotKeepTheProgramFromRunning) {
    QtInstanceLock lock("/proc/no-such-folder");
    EXPECT_TRUE(lock.Claim());
}

TEST(TermSignals, EachSignalArrivesOnTheEventLoopAndDefaultsComeBackAfterwards) {
    QList<int> received;
    {
        TermSignals termSignals;
        QObject::connect(&termSignals, &TermSignals::Received, [&](int number) { received << number; });
        for (int number : {SIGTERM, SIGINT, SIGHUP}) ASSERT_EQ(::raise(number), 0);
        QElapsedTimer waited;
        waited.start();
        while (received.size() < 3 && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(received, (QList<int>{SIGTERM, SIGINT, SIGHUP}));
    struct sigaction now = {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(LinuxOsFacts, TheVersionRecordIsTheKernelsAndNamesNoWindowsRelease) {
    const OsVersionRecord r = LinuxOsFacts().GetOsVersion();
    EXPECT_FALSE(r.Windows);
    EXPECT_GT(r.MajorVersion, 0);
    EXPECT_EQ(r.SuiteMask, 0);
}
