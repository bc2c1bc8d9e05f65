#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
