#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

#include "link/CommandQueue.h"
#include "link/Link.h"
#include "reporting/PUReportingActions.h"
#include "reporting/Reporting.h"
#include "reporting/ReportingHandlers.h"
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

// The programs dialog against the simulated transceiver, over the real serial adapter on a
// pseudo-terminal; the engine ticks as the main window's timer would. Each run uses one of the
// line ends a transceiver puts after its echo.
class ReportingOverPty : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        transport.Pacer.ChunkSize = 24;
        transport.Pacer.ChunkDelayMs = 1;
        shell.EchoTerminator = GetParam();
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        RegisterReportingHandlers(r);
        for (const auto& [n, words] : std::initializer_list<std::pair<int, QStringList>>{
                 {0, {"local", "started", "12,12345,1", "101,23456,2"}},
                 {1, {"closed", "none"}},
                 {2, {"remote", "stopped", "300,555,7"}},
                 {3, {"local", "stopped", "102,12345,3"}}})
            ASSERT_TRUE(sim::SetReportingProgram(shell.ReportingPrograms, n, words));
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntilIdle());  // learns the shell's line end and prompt
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.Received.clear();
        window.Calls.clear();
    }
    void TearDown() override {
        r.PUReportingForms.unload();
        r.ProgramStatusForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool RunUntilIdle() {
        return test::RunLinkUntil(link, platform.Clock, [&] { return test::LinkIdle(link); });
    }
    PUReportingForm& Form() { return *r.PUReportingForms.loaded(); }
    QString Text(const char* name) { return Form().findChild<QLabel*>(name)->text(); }
    QString Buttons(int i) {
        PUReportingForm& form = Form();
        QString shown;
        shown += form.NewButton(i)->isVisibleTo(&form) ? 'N' : '-';
        shown += form.StartButton(i)->isVisibleTo(&form) ? 'S' : '-';
        shown += form.StopButton(i)->isVisibleTo(&form) ? 'T' : '-';
        shown += form.DeleteButton(i)->isVisibleTo(&form) ? 'D' : '-';
        return shown;
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

TEST_P(ReportingOverPty, OpenDeleteProgramFourAndReadProgramThree) {
    OpenPUReporting(r);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, (QStringList{"pg -d", "se -z posformat=pu"}));
    EXPECT_EQ(shell.PrinterSettings.value("posformat"), "pu");
    ASSERT_TRUE(r.PUReportingForms.isLoaded());
    ASSERT_TRUE(Form().isVisible());
    EXPECT_EQ(window.Calls, (QStringList{"ShowWaitForm", "UnloadWaitForm"}));
    EXPECT_EQ(Text("PrgType(0)"), "Type: PU-Local");
    EXPECT_EQ(Text("PrgStatus(0)"), "Status: Started");
    EXPECT_EQ((QStringList{Text("LES1"), Text("DNID1"), Text("Mem1"), Text("LES2"), Text("DNID2"), Text("Mem2")}),
              (QStringList{"012", "12345", "1", "101", "23456", "2"}));
    EXPECT_EQ(Text("PrgType(1)"), "Type: PU-Closed");
    EXPECT_FALSE(Form().StatusButton(1)->isEnabled());
    EXPECT_EQ(Text("PrgType(2)"), "Type: PU-Remote");
    EXPECT_EQ((QStringList{Text("LES12"), Text("DNID12"), Text("Mem12")}), (QStringList{"300", "555", "7"}));
    EXPECT_EQ((QStringList{Buttons(0), Buttons(1), Buttons(2), Buttons(3)}), (QStringList{"--TD", "N---", "----", "-S-D"}));

    // Delete program 4, answered OK.
    shell.Received.clear();
    platform.Boxes.Answer(MsgAnswer::Ok);
    DeleteButton_Click(r, 3);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown.first().text, "Do you want to delete Program 4?");
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, (QStringList{"pg -c 3", "pg -d", "se -z posformat=pu"}));
    EXPECT_EQ(Text("PrgType(3)"), "Type: PU-Closed");
    EXPECT_EQ(Text("PrgStatus(3)"), "Status: None");
    EXPECT_EQ(Buttons(3), "N---");
    EXPECT_EQ(Text("LES14"), "");

    // The status of program 3.
    shell.Received.clear();
    window.Calls.clear();
    StatusButton_Click(r, 2);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.Received, QStringList{"pg -d 2"});
    ASSERT_TRUE(r.ProgramStatusForms.isLoaded());
    ProgramStatusForm& viewer = *r.ProgramStatusForms.loaded();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), "Program 3 Status");
    EXPECT_TRUE(viewer.Status()->text().startsWith("Reporting program 2: remote, stopped"));
    EXPECT_EQ(window.Calls, (QStringList{"ShowWaitForm", "UnloadWaitForm"}));
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_P(ReportingOverPty, StartAndStopReachTheTransceiverAndTheListFollows) {
    OpenPUReporting(r);
    ASSERT_TRUE(RunUntilIdle());
    StartButton_Click(r, 3);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.ReportingPrograms.Programs[3].Status, "started");
    EXPECT_EQ(Buttons(3), "--TD");
    StopButton_Click(r, 0);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(shell.ReportingPrograms.Programs[0].Status, "stopped");
    EXPECT_EQ(Buttons(0), "-S-D");
    EXPECT_EQ(Text("PrgStatus(0)"), "Status: Stopped");
}

TEST_P(ReportingOverPty, ATransceiverWithoutProgramsSaysSo) {
    shell.ReportingPrograms.Unsupported = true;
    OpenPUReporting(r);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{"Feature not supported"});
    EXPECT_FALSE(r.PUReportingForms.isLoaded());
    EXPECT_EQ(window.Calls, (QStringList{"ShowWaitForm", "UnloadWaitForm"}));
}

INSTANTIATE_TEST_SUITE_P(EchoLineEnds, ReportingOverPty, ::testing::Values("\r\n", "\n", "\r\r\n"));

}  // namespace
