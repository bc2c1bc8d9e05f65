#include <QCoreApplication>

#include "ViewerFixture.h"
#include "editor/FormPlacementRestore.h"
#include "foundation/AppSettings.h"

namespace tidepost::test {
namespace {

struct FormPlacementTest : ViewerFixture {
    FormPlacementTest() {
        platform.WriteDataFile("Inbox/in.idx", "");
        platform.WriteDataFile("Inbox/a.in", "first");
        platform.WriteDataFile("Inbox/b.in", "second");
    }
    void Store(const QString& key, const QString& value) {
        SaveAppSetting(f, "Tidepost", "MessageForm", key, value);
    }
    void Open(const char* name = "a.in") { Form().LoadText(f.gInboxDir, name, true, true, 1); }
    void Close() {
        Form().CancelButton_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QRect Frame() { return Form().frameGeometry(); }
};

// 9390 x 8430 twips centred on a screen of 1024 x 768 pixels.
const QRect kDefault(199, 103, 626, 562);

TEST_F(FormPlacementTest, NothingStoredOpensInTheMiddle) {
    for (const char* height : {"", "-1"}) {
        SCOPED_TRACE(height);
        if (*height) Store("Height", height);
        Open();
        EXPECT_EQ(Frame(), kDefault);
        Close();
        platform.Settings.DeleteApplication("Tidepost");
    }
}

TEST_F(FormPlacementTest, ReopensWhereItWasLeft) {
    Open();
    Form().move(40, 60);
    Form().resize(700, 500);
    const QRect left = Frame();
    Close();
    EXPECT_EQ(platform.Settings.Get("Tidepost", "MessageForm", "Left", ""), "600");
    Open();
    EXPECT_EQ(Frame(), left);
}

TEST_F(FormPlacementTest, RestoredOnlyWhenTheWindowOpens) {
    Open();
    Form().move(40, 60);
    Store("Left", "9000");
    Store("Top", "900");
    Store("Width", "9000");
    Store("Height", "6000");
    Open("b.in");
    EXPECT_EQ(Frame().topLeft(), QPoint(40, 60));
}

TEST_F(FormPlacementTest, OffScreenPlacementFallsBackToTheDefault) {
    Store("Left", "60000");
    Store("Top", "60000");
    Store("Width", "9000");
    Store("Height", "6000");
    Open();
    EXPECT_EQ(Frame(), kDefault);
}

TEST_F(FormPlacementTest, UnreadableNumberFallsBackToTheDefault) {
    Store("Left", "left edge");
    Store("Height", "6000");
    Open();
    EXPECT_EQ(Frame(), kDefault);
}

TEST_F(FormPlacementTest, MinimisedStateComesBackAndOpeningMakesItNormal) {
    Store("Left", "1500");
    Store("Top", "1500");
    Store("Width", "9000");
    Store("Height", "6000");
    Store("WindowState", "1");
    QWidget window;
    window.setObjectName("MessageForm");
    RestoreFormPlacement(f, "Tidepost", window, screen, [] { FAIL() << "no default expected"; });
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized);

    Open();
    EXPECT_FALSE(Form().windowState() & Qt::WindowMinimized);
}

TEST_F(FormPlacementTest, ViewerKeepsItsMinimumSize) {
    Open();
    Form().resize(100, 50);
    EXPECT_GE(Form().width(), 491);   // 7370 twips
    EXPECT_GE(Form().height(), 187);  // 2800 twips
}

}  // namespace
}  // namespace tidepost::test
