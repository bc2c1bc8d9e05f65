#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "reporting/InHarbourSignal.h"
#include "support/FakeMainForm.h"
#include "support/FakeNotificationsWindow.h"
#include "support/QueuedTexts.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

struct InHarbour : ReportingFixture {
    test::FakeMainForm mainForm;
    test::FakeNotificationsWindow view;
    test::FakeParallelPort& port = platform.ParallelPort;
    InHarbour() {
        f.Windows.MainForm = &mainForm;
        link.Windows.NotificationsWindow = &view;
        platform.Clock.Set(QDateTime(QDate(2026, 12, 11), QTime(12, 30, 5)));
    }
    ~InHarbour() override { f.Windows.MainForm = nullptr; }
    void ValidPosition() { f.gSession.SetPos("55 40 12 N 012 35 47 E", "090", "12:00:00 UTC", "011", true); }
    // What the press told in its four places: the queued box's text, after checking the others
    // say the same.
    QString Told() {
        const QStringList boxes = test::DrainErrorQueue(f);
        EXPECT_EQ(boxes.size(), 1);
        const QString text = boxes.value(0);
        EXPECT_EQ(mainForm.StatusPanels.value(2), "2026-12-11 12:30:05: INFO : " + QString(text).replace("\r\n", " "));
        EXPECT_FALSE(view.Rows.isEmpty());
        if (!view.Rows.isEmpty()) {
            EXPECT_EQ(view.Rows.last().Text, text);
            EXPECT_EQ(view.Rows.last().Type, 4);
            EXPECT_EQ(view.Rows.last().Number, 10000);
        }
        return text;
    }
};

TEST_F(InHarbour, APressRaisesD0AndReportsThePosition) {
    ValidPosition();
    PressInHarbourButton(r);
    EXPECT_EQ(port.Calls, (QStringList{"claim /dev/parport0", "write 1"}));
    EXPECT_EQ(Told(), "In Harbour Button pressed at position: '55,40.12N , 12,35.47E'");
    EXPECT_EQ(ReadDataFile("InfoLog.txt"),
              "2026-12-11 12:30:05\x02" "4\x02" "10000\x02In Harbour Button pressed at position: '55,40.12N , 12,35.47E'\r\n");
    ReleaseInHarbourButton(r);
    EXPECT_EQ(port.Calls.mid(2), (QStringList{"write 0", "release"}));
    EXPECT_EQ(port.Values, (QList<int>{1, 0}));
    // A second release finds nothing held and writes nothing.
    ReleaseInHarbourButton(r);
    EXPECT_EQ(port.Calls.size(), 4);
}

TEST_F(InHarbour, WithoutAValidPosition) {
    f.gSession.SetPos("55 40 12 N 012 35 47 E", "090", "", "011", false);
    PressInHarbourButton(r);
    EXPECT_EQ(Told(), "In Harbour Button pressed at position: 'No position available'");
}

TEST_F(InHarbour, AFailedPressSaysWhereAndWhy) {
    platform.Settings.Save(f.gProductName, "Config", "Parallel Device", "/dev/parport1");
    port.ClaimFailure = "Permission denied";
    PressInHarbourButton(r);
    EXPECT_EQ(Told(), "Error pressing In Harbour Button at position: 'No position available'.\r\n"
                      "The parallel port '/dev/parport1' could not be written: Permission denied");
    EXPECT_FALSE(port.IsClaimed());
    // The write itself failing: the port is let go at once.
    port.ClaimFailure.clear();
    port.WriteFailure = "Input/output error";
    PressInHarbourButton(r);
    EXPECT_TRUE(Told().endsWith("'/dev/parport1' could not be written: Input/output error"));
    EXPECT_FALSE(port.IsClaimed());
    ReleaseInHarbourButton(r);
    EXPECT_EQ(port.Values, QList<int>{});
}

TEST_F(InHarbour, ASecondPressWritesOneAgainOnTheClaimedPort) {
    PressInHarbourButton(r);
    PressInHarbourButton(r);
    EXPECT_EQ(port.Calls, (QStringList{"claim /dev/parport0", "write 1", "write 1"}));
    // The device is read at every press: a new one takes over from a lowered old one.
    platform.Settings.Save(f.gProductName, "Config", "Parallel Device", "/tmp/pulse");
    PressInHarbourButton(r);
    EXPECT_EQ(port.Calls.mid(3), (QStringList{"write 0", "release", "claim /tmp/pulse", "write 1"}));
    test::DrainErrorQueue(f);
}

TEST_F(InHarbour, TheEndOfTheProgramLowersARunningPulse) {
    PressInHarbourButton(r);
    FreeInHarbourButton(r);
    EXPECT_EQ(port.Values, (QList<int>{1, 0}));
    EXPECT_FALSE(port.IsClaimed());
    EXPECT_EQ(r.InHarbourButton, nullptr);
    // Also when the area goes without its shutdown.
    {
        Reporting other{f, link};
        PressInHarbourButton(other);
    }
    EXPECT_EQ(port.Values, (QList<int>{1, 0, 1, 0}));
    test::DrainErrorQueue(f);
}

}  // namespace
