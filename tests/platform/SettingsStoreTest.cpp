#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/QtSettingsStore.h"

using namespace tidepost;

TEST(QtSettingsStore, SavesReadsListsAndDeletesPerApplication) {
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    EXPECT_EQ(store.Get("Tidepost", "Config", "COM1 Device", "dflt"), "dflt");
    store.Save("Tidepost", "Config", "COM1 Device", "/dev/ttyUSB0");
    store.Save("Tidepost", "Config", "TCU Port", "2323");
    store.Save("tidepost", "MultiLang", "LangId", "1049");
    EXPECT_EQ(store.Get("Tidepost", "Config", "COM1 Device", ""), "/dev/ttyUSB0");
    EXPECT_EQ(store.GetSection("Tidepost", "Config").size(), 2);
    EXPECT_EQ(store.Get("tidepost", "MultiLang", "LangId", ""), "1049");

    // The file holds encoded passwords: only its owner may read it.
    const QFileInfo file(store.FileOf("Tidepost"));
    EXPECT_EQ(file.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);

    store.DeleteKey("Tidepost", "Config", "TCU Port");
    EXPECT_EQ(store.Get("Tidepost", "Config", "TCU Port", "23"), "23");
    store.DeleteApplication("Tidepost");
    EXPECT_EQ(store.Get("Tidepost", "Config", "COM1 Device", "gone"), "gone");
    EXPECT_EQ(store.Get("tidepost", "MultiLang", "LangId", ""), "1049");
}

namespace {
int ModeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}
}  // namespace

// The file holds encoded passwords: it is private from its first byte, whatever the umask, and a
// file an older version left readable to others is narrowed before anything new goes in.
TEST(QtSettingsStore, FileIsPrivateFromItsCreation) {
    QTemporaryDir dir;
    QtSettingsStore store(dir.path() + "/Tidepost");
    const mode_t oldMask = ::umask(0);
    store.Save("Tidepost", "Config", "TCU Port", "2323");
    const int created = ModeOf(store.FileOf("Tidepost"));

    QFile wide(store.FileOf("tidepost"));
    EXPECT_TRUE(wide.open(QIODevice::WriteOnly));
    wide.write("[MultiLang]\nLangId=1049\n");
    wide.close();
    EXPECT_EQ(ModeOf(wide.fileName()), 0666);
    store.Save("tidepost", "Config", "Password", "x");
    ::umask(oldMask);

    EXPECT_EQ(created, 0600);
    EXPECT_EQ(ModeOf(wide.fileName()), 0600);
    EXPECT_EQ(store.Get("tidepost", "MultiLang", "LangId", ""), "1049");
    EXPECT_EQ(store.Get("Tidepost", "Config", "TCU Port", ""), "2323");
}

TEST(QtSettingsStore, SaveSaysWhenNothingCouldBeStored) {
    QTemporaryDir dir;
    QtSettingsStore good(dir.path());
    EXPECT_TRUE(good.Save("Tidepost", "Settings", "VesselName", "MV Example"));
    // The store's folder would lie below a file: nothing can be written there, even as root.
    QFile blocker(dir.path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsStore bad(dir.path() + "/blocker/Tidepost");
    EXPECT_FALSE(bad.Save("Tidepost", "Settings", "VesselName", "MV Example"));
}
