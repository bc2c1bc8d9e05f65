#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "link/CommandQueue.h"
#include "link/Link.h"
#include "reporting/DNIDForm.h"
#include "reporting/DNIDPUProgramForm.h"
#include "reporting/DnidProgramSetup.h"
#include "reporting/PUReportingActions.h"
#include "reporting/Reporting.h"
#include "reporting/ReportingHandlers.h"
#include "sim/SimDnidCommands.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/LinkTicks.h"
#include "support/PtyPair.h"
#include "support/QueuedTexts.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The DNID list and the set-up of a new program against the simulated transceiver, over the real
// serial adapter on a pseudo-terminal, with each line end a transceiver puts after its echo.
class DnidOverPty : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        transport.Pacer.ChunkSize = 24;
        transport.Pacer.ChunkDelayMs = 1;
        shell.EchoTerminator = GetParam();
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        RegisterReportingHandlers(r);
        QString problem;
        for (const QString spec : {"North Sea Fleet Services|1|12|12345|1|0|1|0", "Harbour Data Ltd|1|102|12345|3|0|1|0"})
            ASSERT_TRUE(sim::DnidControl(shell, "dnid", spec, problem) && problem.isEmpty());
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntilIdle());
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.Received.clear();
        window.Calls.clear();
    }
    void TearDown() override {
        r.PUReportingForms.unload();
        r.DNIDForms.unload();
        r.DNIDPUProgramForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool RunUntilIdle() {
        return test::RunLinkUntil(link, platform.Clock, [&] { return test::LinkIdle(link); });
    }
    QString ErrorLog() const {
        QFile file(platform.DataFolder() + "/ErrorLog.txt");
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    Reporting r{f, link};
};

TEST_P(DnidOverPty, TheListIsShownAndOneDnidIsSwitchedOffByKeyboard) {
    OpenDnidList(r);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, QStringList{"st -d"});
    const QString end = GetParam();
    EXPECT_TRUE(ErrorLog().endsWith("Name St LES DNID Mem Sa Ch Rd" + end +
                                    "North Sea Fleet Services    1 012 12345     1   0     1  0" + end +
                                    "Harbour Data Ltd            1 102 12345     3   0     1  0" + end +
                                    "2 DNID(s) stored\r\n"));
    ASSERT_TRUE(r.DNIDForms.isLoaded());
    DNIDForm& form = *r.DNIDForms.loaded();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(form.RowCount(), 2);
    EXPECT_EQ(form.LabelStatus(0)->text(), "Enabled");
    EXPECT_EQ(form.LabelStatus(1)->text(), "Enabled");
    EXPECT_EQ(window.Calls, (QStringList{"ShowWaitForm", "UnloadWaitForm"}));

    QApplication::setActiveWindow(&form);
    form.CheckEnabled(0)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.CheckEnabled(1));
    QTest::keyClick(form.CheckEnabled(1), Qt::Key_Space);
    form.OKButton->click();
    shell.Received.clear();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, QStringList{"st -d D102,12345,3,0"});
    EXPECT_EQ(shell.DnidStore.List[1].Status, 0);
    EXPECT_EQ(shell.DnidStore.List[0].Status, 1);

    // The next list shows it.
    OpenDnidList(r);
    ASSERT_TRUE(RunUntilIdle());
    ASSERT_TRUE(r.DNIDForms.isLoaded());
    EXPECT_EQ(r.DNIDForms.loaded()->LabelStatus(1)->text(), "Disabled");
    EXPECT_EQ(r.DNIDForms.loaded()->CheckEnabled(1)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_P(DnidOverPty, NewSetsUpProgramOneFromTheWestDnid) {
    PrepareNewProgram(r);
    OpenPUReporting(r);
    ASSERT_TRUE(RunUntilIdle());
    ASSERT_TRUE(r.PUReportingForms.isLoaded());
    shell.Received.clear();
    r.PUReportingForms.loaded()->NewButton(0)->click();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, QStringList{"st -d"});
    ASSERT_TRUE(r.DNIDPUProgramForms.isLoaded());
    DNIDPUProgramForm& setup = *r.DNIDPUProgramForms.loaded();
    EXPECT_TRUE(setup.isVisible());
    EXPECT_EQ(setup.windowTitle(), "PU Program 1");
    EXPECT_TRUE(setup.StartCheck->isChecked());
    ASSERT_EQ(setup.WestLESCombo->count(), 1);
    EXPECT_EQ(setup.WestLESCombo->itemText(0), "North Sea Fleet Services  012 12345 001");
    EXPECT_EQ(setup.EastLESCombo->itemText(0), "Harbour Data Ltd          102 12345 003");

    setup.WestLESCombo->setCurrentIndex(0);
    setup.IntervalHour->setEditText("01");
    setup.IntervalMinute->setEditText("00");
    shell.Received.clear();
    setup.OKButton->click();
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, (QStringList{"pg -o \"012,12345,001 \"", "pg -p 0,417", "pg -i 0,P", "pg -d",
                                           "se -z posformat=pu"}));
    PUReportingForm& programs = *r.PUReportingForms.loaded();
    EXPECT_EQ(programs.findChild<QLabel*>("PrgType(0)")->text(), "Type: PU-Local");
    EXPECT_EQ(programs.findChild<QLabel*>("PrgStatus(0)")->text(), "Status: Started");
    EXPECT_EQ((QStringList{programs.LesLabel(0, 0)->text(), programs.DnidLabel(0, 0)->text(),
                           programs.MemLabel(0, 0)->text()}),
              (QStringList{"012", "12345", "1"}));
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EchoLineEnds, DnidOverPty, ::testing::Values("\r\n", "\n", "\r\r\n"));

}  // namespace
