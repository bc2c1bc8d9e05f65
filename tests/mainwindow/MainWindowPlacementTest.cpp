#include <gtest/gtest.h>

#include <QScreen>
#include <QWidget>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "mainwindow/MainWindowPlacement.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct Placement : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    QWidget window;

    Placement() {
        window.setObjectName("MainForm");
        window.setGeometry(10, 20, 300, 200);
    }
    void Store(const QString& key, const QString& value) { SaveAppSetting(f, "Tidepost", "MainForm", key, value); }
    QPoint DefaultTopLeft() const {
        const QSize screen = window.screen()->size();
        return {qMax(0, (screen.width() - 821) / 2), qMax(0, (screen.height() - 655) / 2)};
    }
};

TEST_F(Placement, NothingStoredGivesTheDefaultSizeCentred) {
    RestoreMainWindowPlacement(f, "Tidepost", window);
    EXPECT_EQ(window.size(), QSize(821, 655));
    EXPECT_EQ(window.pos(), DefaultTopLeft());
}

TEST_F(Placement, StoredValuesAreAppliedInTwips) {
    Store("Left", "1500");
    Store("Top", "750");
    Store("Width", "9600");
    Store("Height", "7200");
    Store("WindowState", "0");
    RestoreMainWindowPlacement(f, "Tidepost", window);
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(100, 50));
    EXPECT_EQ(window.frameGeometry().size(), QSize(640, 480));
    EXPECT_FALSE(window.isMaximized());
}

TEST_F(Placement, StoredStateTwoMaximises) {
    Store("Left", "1500");
    Store("Top", "750");
    Store("Width", "9600");
    Store("Height", "7200");
    Store("WindowState", "2");
    RestoreMainWindowPlacement(f, "Tidepost", window);
    EXPECT_TRUE(window.windowState().testFlag(Qt::WindowMaximized));
}

TEST_F(Placement, ValueThatIsNoNumberGivesTheDefaultSize) {
    const char* keys[] = {"Left", "Top", "Width", "WindowState"};
    for (const char* bad : keys) {
        SCOPED_TRACE(bad);
        window.setGeometry(10, 20, 300, 200);
        for (const char* key : {"Left", "Top", "Width", "Height"}) Store(key, "3000");
        Store("WindowState", "0");
        Store(bad, "x");
        RestoreMainWindowPlacement(f, "Tidepost", window);
        EXPECT_EQ(window.size(), QSize(821, 655));
        EXPECT_EQ(window.pos(), DefaultTopLeft());
    }
}

TEST_F(Placement, LimitsHoldWhileHooked) {
    HookMainWindow(window);
    EXPECT_EQ(window.minimumSize(), QSize(640, 480));
    EXPECT_EQ(window.maximumSize(), window.screen()->size());
    window.resize(300, 200);
    EXPECT_EQ(window.size(), QSize(640, 480));
    UnhookWindow(window);
    window.resize(300, 200);
    EXPECT_EQ(window.size(), QSize(300, 200));
}

}  // namespace
