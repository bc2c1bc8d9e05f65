#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "link/UploadProgress.h"
#include "mainwindow/BusyWindows.h"
#include "mainwindow/MainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// Deletes what was let go with deleteLater, as the event loop would.
void DeleteUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QPoint CentreOf(const QRect& r) { return {r.left() + r.width() / 2, r.top() + r.height() / 2}; }

// The window's centre lies near the centre of `over`: integer halves, and a frame the window
// system adds only once the window is shown.
void ExpectCentredOver(const QWidget& window, const QRect& over) {
    const QPoint a = CentreOf(window.frameGeometry());
    const QPoint b = CentreOf(over);
    EXPECT_LE(std::abs(a.x() - b.x()), 3) << a.x() << " vs " << b.x();
    EXPECT_LE(std::abs(a.y() - b.y()), 3) << a.y() << " vs " << b.y();
}

struct BusyFixture : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    BusyWindows& busy = form.Busy();

    BusyFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        form.setGeometry(200, 150, 800, 600);
        form.show();
    }
    ~BusyFixture() override { DeleteUnloaded(); }

    QLabel* Label(QWidget& window) { return window.findChild<QLabel*>("Label1"); }
};

// ---- the "Please wait" strip of a query ----

TEST_F(BusyFixture, WaitFormLoadsWithItsTextsCentredOverTheMainWindow) {
    f.gSession.SetMesConnected(true);
    WaitForm& wait = form.GetWaitForm();
    EXPECT_EQ(wait.windowTitle(), "Please wait");
    EXPECT_EQ(Label(wait)->text(), "  Communicating with transceiver, please wait...  ") << "the blanks are kept";
    EXPECT_TRUE(wait.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(wait.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(wait.width(), Label(wait)->width()) << "as wide as its text";
    ExpectCentredOver(wait, form.frameGeometry());
    EXPECT_TRUE(wait.ProgTimer()->isActive());
    EXPECT_EQ(wait.ProgTimer()->interval(), 100);
}

TEST_F(BusyFixture, WaitFormOverAMinimisedMainWindowIsCentredOnTheScreen) {
    form.showMinimized();
    if (!form.isMinimized()) GTEST_SKIP() << "this platform does not minimise";
    ExpectCentredOver(form.GetWaitForm(), QGuiApplication::primaryScreen()->geometry());
}

TEST_F(BusyFixture, WaitFormStaysWhileTheLinkIsUp) {
    f.gSession.SetMesConnected(true);
    WaitForm& wait = form.GetWaitForm();
    wait.show();
    wait.ProgTimer_Timer();
    EXPECT_TRUE(wait.isVisible());
    EXPECT_TRUE(wait.ProgTimer()->isActive());
    EXPECT_TRUE(form.IsWaitFormLoaded());
}

TEST_F(BusyFixture, AnUnloadedWaitFormStopsTickingBeforeItsDeletion) {
    f.gSession.SetMesConnected(true);
    QPointer<WaitForm> wait = &form.GetWaitForm();
    wait->show();
    form.UnloadWaitForm();
    ASSERT_FALSE(wait.isNull());
    EXPECT_FALSE(wait->ProgTimer()->isActive()) << "its tick would read the session after the program let it go";
    wait->show();
    EXPECT_TRUE(wait->ProgTimer()->isActive()) << "shown again, it keeps itself on top";
    DeleteUnloaded();
}

TEST_F(BusyFixture, WaitFormGoesInOneTickWhenTheLinkIsDown) {
    f.gSession.SetMesConnected(true);
    QPointer<WaitForm> wait = &form.GetWaitForm();
    wait->show();
    f.gSession.SetMesConnected(false);
    wait->ProgTimer_Timer();
    EXPECT_FALSE(form.IsWaitFormLoaded());
    ASSERT_FALSE(wait.isNull()) << "deleted only once control is back in the event loop";
    EXPECT_FALSE(wait->isVisible());
    EXPECT_FALSE(wait->ProgTimer()->isActive()) << "the timer stays stopped";
    DeleteUnloaded();
    EXPECT_TRUE(wait.isNull());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "no message";
}

TEST_F(BusyFixture, EscUnloadsTheWaitForm) {
    f.gSession.SetMesConnected(true);
    WaitForm& wait = form.GetWaitForm();
    wait.show();
    QTest::keyClick(&wait, Qt::Key_Escape);
    EXPECT_FALSE(form.IsWaitFormLoaded());
}

TEST_F(BusyFixture, TwoQueriesShareOneWaitFormAndTheFirstUnloadClosesIt) {
    f.gSession.SetMesConnected(true);
    WaitForm* first = &form.GetWaitForm();
    EXPECT_EQ(&form.GetWaitForm(), first);
    form.UnloadWaitForm();
    EXPECT_FALSE(form.IsWaitFormLoaded());
    form.UnloadWaitForm();  // the second query's reply: harmless
    DeleteUnloaded();
    EXPECT_FALSE(form.IsWaitFormLoaded());
    // The next query loads a fresh window.
    EXPECT_TRUE(form.GetWaitForm().ProgTimer()->isActive());
}

TEST_F(BusyFixture, WaitFormKeepsItsWidthWhenTheLanguageChanges) {
    WaitForm& wait = form.GetWaitForm();
    const int width = wait.width();
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(wait.windowTitle(), f.Strings.GetString(2529, 1049));
    EXPECT_EQ(Label(wait)->text(), f.Strings.GetString(2530, 1049));
    EXPECT_EQ(wait.width(), width);
}

// A window's text the string table lacks keeps what the window was designed with.
class OneCaption : public CaptionedWindow {
public:
    OneCaption(Foundation& f, int id) : CaptionedWindow(f, "OneCaption", Qt::Tool), label("design text", this) {
        AddCaption(id, [this](const QString& text) { label.setText(text); });
        FinishLoad();
    }
    QLabel label;
};

TEST_F(BusyFixture, ATextTheTableLacksKeepsTheDesignText) {
    OneCaption missing(f, 999999);
    EXPECT_EQ(missing.label.text(), "design text");
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(missing.label.text(), "design text");
    OneCaption present(f, 2530);
    EXPECT_EQ(present.label.text(), f.Strings.GetString(2530, 1049));
}

// ---- "Working...." ----

TEST_F(BusyFixture, PleaseWaitLoadsWithItsTextsFontAndBar) {
    PleaseWait& working = form.GetPleaseWait();
    EXPECT_EQ(working.windowTitle(), "Working....");
    EXPECT_EQ(Label(working)->text(), "Working, please wait.....");
    EXPECT_EQ(Label(working)->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(Label(working)->font().pointSizeF(), 8.25);
    EXPECT_TRUE(Label(working)->font().bold());
    EXPECT_EQ(working.ProgressBar()->minimum(), 1);
    EXPECT_EQ(working.ProgressBar()->maximum(), 10);
    EXPECT_EQ(working.Check_MES_Timer()->interval(), 2000);
    EXPECT_FALSE(working.Check_MES_Timer()->isActive()) << "loaded but hidden: nothing to watch";
    form.ShowPleaseWait("Sending settings");
    EXPECT_TRUE(form.IsPleaseWaitVisible());
    EXPECT_TRUE(working.Check_MES_Timer()->isActive());
    EXPECT_EQ(working.Caption(), "Sending settings");
    form.HidePleaseWait();
    EXPECT_FALSE(working.Check_MES_Timer()->isActive());
}

TEST_F(BusyFixture, PleaseWaitIsCentredOnceWhereTheMainWindowStoodAtItsLoad) {
    form.move(400, 300);
    PleaseWait& working = form.GetPleaseWait();
    const QRect where = form.frameGeometry();
    ExpectCentredOver(working, where);
    const QPoint placed = working.pos();
    form.move(50, 40);
    form.ShowPleaseWait("again");
    EXPECT_EQ(working.pos(), placed) << "centred once, at its load";
}

TEST_F(BusyFixture, PleaseWaitIsHiddenWhenTheLinkDrops) {
    f.gSession.SetMesConnected(true);
    form.ShowPleaseWait("x");
    form.GetPleaseWait().Check_MES_Timer_Timer();
    EXPECT_TRUE(form.IsPleaseWaitVisible());
    f.gSession.SetMesConnected(false);
    form.GetPleaseWait().Check_MES_Timer_Timer();
    EXPECT_FALSE(form.IsPleaseWaitVisible());
    EXPECT_TRUE(form.IsPleaseWaitLoaded()) << "hidden, not unloaded";
}

TEST_F(BusyFixture, EscOnPleaseWaitIsTheOperatorsCloseAndCancelsADeferredExit) {
    link.Dialogue.ClosingDown = true;
    form.ShowPleaseWait("Closing Tidepost...(Downloading Messages)");
    QTest::keyClick(&form.GetPleaseWait(), Qt::Key_Escape);
    EXPECT_FALSE(link.Dialogue.ClosingDown);
    EXPECT_FALSE(form.IsPleaseWaitLoaded());
    EXPECT_FALSE(form.IsPleaseWaitVisible());
}

TEST_F(BusyFixture, ClosingPleaseWaitByHandAtOtherTimesChangesNothing) {
    form.ShowPleaseWait("Sending settings");
    form.GetPleaseWait().close();
    EXPECT_FALSE(link.Dialogue.ClosingDown);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(BusyFixture, WorkingWindowTakesTheNewLanguage) {
    PleaseWait& working = form.GetPleaseWait();
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(working.windowTitle(), f.Strings.GetString(2403, 1049));
    EXPECT_EQ(Label(working)->text(), f.Strings.GetString(2404, 1049));
}

// ---- the upload progress window ----

TEST_F(BusyFixture, TheLinksTransferSeamDrivesTheProgressWindow) {
    auto& seam = link.Windows.MSG_Transfer;
    seam.SetMin(1);
    seam.SetMax(UploadProgressMax(250));
    seam.SetValue(200);
    seam.Show();
    MSG_Transfer* transfer = busy.Transfer.loaded();
    ASSERT_NE(transfer, nullptr);
    EXPECT_TRUE(transfer->isVisible());
    EXPECT_EQ(transfer->windowTitle(), "Transferring Message to Modem....");
    EXPECT_EQ(Label(*transfer)->text(), "Please wait!");
    EXPECT_TRUE(transfer->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(transfer->ProgressBar1()->minimum(), 1);
    EXPECT_EQ(transfer->ProgressBar1()->maximum(), 300);
    EXPECT_EQ(transfer->ProgressBar1()->value(), 200);
    seam.Hide();
    EXPECT_FALSE(transfer->isVisible());
    EXPECT_EQ(busy.Transfer.loaded(), transfer) << "hidden, never unloaded";
}

TEST(UploadProgress, BarRangeHoldsEveryPiece) {
    struct Case {
        int length;
        int max;
    };
    for (const Case c : {Case{0, 100}, Case{250, 300}, Case{350, 500}, Case{351, 500}, Case{50, 100},
                         Case{150, 300}, Case{99, 200}, Case{100, 200}}) {
        EXPECT_EQ(UploadProgressMax(c.length), c.max) << c.length;
        // Piece i (from 1) holds characters (i-1)*100 … i*100-1 and sets the bar to i*100 first.
        const int pieces = (c.length + kUploadPieceLength - 1) / kUploadPieceLength;
        for (int i = 1; i <= pieces; ++i) EXPECT_LE(i * kUploadPieceLength, UploadProgressMax(c.length)) << c.length;
        EXPECT_GE(pieces * kUploadPieceLength, c.length) << "every character lies in a piece";
    }
}

// ---- notices ----

TEST_F(BusyFixture, OceanRegionNoticeIsOneWindowUntilOkThenFresh) {
    NoticeWindow& first = busy.OceanRegionNotFound.get();
    first.show();
    EXPECT_EQ(&busy.OceanRegionNotFound.get(), &first) << "shown twice is one window";
    EXPECT_EQ(first.windowTitle(), "Ocean Region Error");
    EXPECT_EQ(Label(first)->text(), "Please wait until the Modem has found a valid Ocean Region!");
    ExpectCentredOver(first, form.frameGeometry());
    QPointer<NoticeWindow> old = &first;
    auto* ok = first.findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(busy.OceanRegionNotFound.isLoaded());
    DeleteUnloaded();
    EXPECT_TRUE(old.isNull()) << "released";
    EXPECT_FALSE(busy.OceanRegionNotFound.get().isVisible()) << "the next is fresh";
}

TEST_F(BusyFixture, NewMessageNoticeHasItsTexts) {
    NoticeWindow& notice = busy.NewMessage.get();
    EXPECT_EQ(notice.objectName(), "NewMessageForm");
    EXPECT_EQ(notice.windowTitle(), "Message Notification!");
    EXPECT_EQ(Label(notice)->text(), "New Message Received!");
}

}  // namespace
