#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <csignal>
#include <pwd.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include "platform/LinuxOsFacts.h"
#include "platform/QtInstanceLock.h"
#include "platform/TermSignals.h"

using namespace tidepost;

namespace {
InstanceClaim::Outcome ClaimIn(QtInstanceLock& lock, const QString& fallback = {}) {
    return lock.Claim([fallback] { return fallback; }).outcome;
}

// The environment of a start without a runtime folder: no $XDG_RUNTIME_DIR, and the stand-in Qt
// makes under the temporary folder is taken by a file, so Qt has none to give.
struct NoRuntimeFolder {
    QTemporaryDir temp;
    QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    QByteArray oldTemp = qgetenv("TMPDIR");
    NoRuntimeFolder() {
        QFile taken(temp.path() + "/runtime-" + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
        EXPECT_TRUE(taken.open(QIODevice::WriteOnly));
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
    }
    ~NoRuntimeFolder() {
        if (oldRuntime.isNull()) qunsetenv("XDG_RUNTIME_DIR");
        else qputenv("XDG_RUNTIME_DIR", oldRuntime);
        if (oldTemp.isNull()) qunsetenv("TMPDIR");
        else qputenv("TMPDIR", oldTemp);
    }
};
}  // namespace

// Two copies of the program for one user: the second is refused while the first runs, and may run
// once the first has ended.
TEST(QtInstanceLock, OneCopyAtATime) {
    QTemporaryDir runtime;
    auto first = std::make_unique<QtInstanceLock>(runtime.path());
    EXPECT_EQ(ClaimIn(*first), InstanceClaim::Claimed);
    EXPECT_EQ(ClaimIn(*first), InstanceClaim::Claimed) << "the holder may ask again";
    EXPECT_EQ(first->FilePath(), runtime.path() + "/Tidepost.lock");
    EXPECT_TRUE(QFile::exists(first->FilePath()));

    QtInstanceLock second(runtime.path());
    EXPECT_EQ(ClaimIn(second), InstanceClaim::HeldByAnother);
    first.reset();
    EXPECT_EQ(ClaimIn(second), InstanceClaim::Claimed);
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
    EXPECT_EQ(ClaimIn(lock), InstanceClaim::Claimed);
}

// Without a runtime folder the lock goes into the fallback (the data folder), never into the
// folder the program was started from, and the second copy is still refused.
TEST(QtInstanceLock, WithoutARuntimeFolderTheLockIsInTheFallbackFolder) {
    const NoRuntimeFolder env;
    QTemporaryDir data;
    const QString startedIn = QDir::currentPath();
    QtInstanceLock first;
    EXPECT_EQ(ClaimIn(first, data.path()), InstanceClaim::Claimed);
    EXPECT_EQ(first.FilePath(), data.path() + "/Tidepost.lock");
    EXPECT_FALSE(QFile::exists(startedIn + "/Tidepost.lock"));
    QtInstanceLock second;
    EXPECT_EQ(ClaimIn(second, data.path()), InstanceClaim::HeldByAnother);
}

// A lock that cannot be made at all is a failure with its reason, not a permission to run.
TEST(QtInstanceLock, ALockThatCannotBeMadeFails) {
    QtInstanceLock missing("/proc/no-such-folder");
    const InstanceClaim claim = missing.Claim({});
    EXPECT_EQ(claim.outcome, InstanceClaim::Failed);
    EXPECT_EQ(claim.error.number, kErrPathNotFound);
    EXPECT_EQ(claim.path, "/proc/no-such-folder/Tidepost.lock");

    const NoRuntimeFolder env;
    QtInstanceLock noFolderAtAll;
    EXPECT_EQ(ClaimIn(noFolderAtAll, {}), InstanceClaim::Failed);
    QtInstanceLock unusableFallback;
    EXPECT_EQ(ClaimIn(unusableFallback, "/proc/no-such-folder"), InstanceClaim::Failed);
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
