#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "mainwindow/StartUpFixture.h"
#include "mainwindow/HotList.h"
#include "reporting/InHarbourSignal.h"
#include "reporting/Reporting.h"
#include "support/QueuedTexts.h"

namespace tidepost {
namespace {

// The main window's in-harbour button, F11 and pulse timer over the reporting area's output, as
// the application wires them, with the fake parallel port.
struct InHarbourButton : StartUp {
    Reporting reporting{f, link};
    test::FakeParallelPort& port = platform.ParallelPort;

    void Start(const char* harbour) {
        LoadAccepted({{"[HOST Interface]", "COM"}, {"[InHarbourButton]", harbour}});
        form->LeaveEventLoop = [] {};
        form->InHarbourSignal.Press = [this] { PressInHarbourButton(reporting); };
        form->InHarbourSignal.Release = [this] { ReleaseInHarbourButton(reporting); };
        form->InHarbourSignal.Free = [this] { FreeInHarbourButton(reporting); };
        form->show();
        form->GUITimer_Timer();
    }
    QPushButton* Button() { return Find<QPushButton>("InHarbourButton"); }
    // The hits of entry 1914 ("Harbour"); -1 while it is not in the list. A first use adds it
    // with 0 hits, every later one counts.
    int Hits1914() const {
        for (const HotListItem& item : form->HotListObject()->GetItems())
            if (item.MenuId == 1914) return item.Hits;
        return -1;
    }
};

TEST_F(InHarbourButton, ThePulseLastsFiveSecondsFromTheLatestPress) {
    Start("1");
    ASSERT_TRUE(Button()->isVisible());
    Button()->click();
    EXPECT_EQ(port.Values, QList<int>{1});
    QTimer* timer = form->InHarbourButtonTimer();
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 5000);
    EXPECT_EQ(Hits1914(), 0);
    // F11 presses again without counting; the timer starts over.
    QTest::keyClick(form.get(), Qt::Key_F11);
    EXPECT_EQ(port.Values, (QList<int>{1, 1}));
    EXPECT_EQ(Hits1914(), 0);
    EXPECT_TRUE(timer->isActive());
    // The hot-list entry runs the button's command.
    const HotListCommandTable::Row* row = form->HotListCommands.Find(1914, 0);
    ASSERT_TRUE(row && row->run);
    row->run();
    EXPECT_EQ(Hits1914(), 1);
    form->InHarbourButtonTimer_Timer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(port.Values, (QList<int>{1, 1, 1, 0}));
    EXPECT_FALSE(port.IsClaimed());
    const QStringList told = test::DrainErrorQueue(f);
    ASSERT_FALSE(told.isEmpty());
    EXPECT_EQ(told.first(), "In Harbour Button pressed at position: 'No position available'");
}

TEST_F(InHarbourButton, TheKeyMustBeExactlyOne) {
    // The settings file's reader drops blanks around a value, so a trailing blank is set in memory.
    for (const char* harbour : {"1 ", "yes", "0", "", " 1"}) {
        SCOPED_TRACE(harbour);
        Start("0");
        SetIniValue(f, "[InHarbourButton]", harbour, false);
        form->GUITimer_Timer();
        EXPECT_FALSE(Button()->isVisible());
        form->InHarbourButton_Click();
        QTest::keyClick(form.get(), Qt::Key_F11);
        EXPECT_TRUE(port.Calls.isEmpty());
        EXPECT_FALSE(form->InHarbourButtonTimer()->isActive());
        form->CloseWithoutQuestion();
    }
}

TEST_F(InHarbourButton, AFailedPressStillEndsItsPulse) {
    port.WriteFailure = "Input/output error";
    Start("1");
    Button()->click();
    EXPECT_TRUE(form->InHarbourButtonTimer()->isActive());
    const QStringList told = test::DrainErrorQueue(f);
    ASSERT_FALSE(told.isEmpty());
    EXPECT_TRUE(told.first().startsWith("Error pressing In Harbour Button at position: 'No position available'.\r\n"));
}

TEST_F(InHarbourButton, TheExitLowersARunningPulse) {
    Start("1");
    QTest::keyClick(form.get(), Qt::Key_F11);
    ASSERT_EQ(port.Values, QList<int>{1});
    form->CloseWithoutQuestion();
    EXPECT_EQ(port.Values, (QList<int>{1, 0}));
    EXPECT_FALSE(port.IsClaimed());
    EXPECT_EQ(reporting.InHarbourButton, nullptr);
}

}  // namespace
}  // namespace tidepost
