#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/LinuxOsFacts.h"
#include "platform/QtDiskSpace.h"
#include "platform/QtTrayIcon.h"

using namespace tidepost;

// Reading the free space changes nothing on this machine, so the real adapter is used.
TEST(QtDiskSpace, ReadsTheFileSystemOfAPathAndOfOneStillToBeCreated) {
    QTemporaryDir dir;
    QtDiskSpace disk;
    const qint64 existing = disk.FreeBytes(dir.path());
    EXPECT_GE(existing, 0);
    EXPECT_GE(disk.FreeBytes(dir.path() + "/not/yet/there"), 0);
}

TEST(QtDiskSpace, APathThatNamesNoPlaceCannotBeRead) {
    QtDiskSpace disk;
    EXPECT_EQ(disk.FreeBytes(""), -1);
    EXPECT_EQ(disk.FreeBytes("relative/folder"), -1);
}

// An installed program keeps its data where the desktop says the user's data belong.
TEST(LinuxOsFacts, UserDataLocationFollowsTheDesktopSetting) {
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    const QString location = LinuxOsFacts().UserDataLocation();
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(location, dir.path());
}
