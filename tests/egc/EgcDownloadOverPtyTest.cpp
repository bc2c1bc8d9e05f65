#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <string>

#include "egc/Egc.h"
#include "egc/EgcFixture.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/LinkTicks.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct Setup {
    int layout;
    sim::EchoEnd end;
};

std::string SetupName(const ::testing::TestParamInfo<Setup>& info) {
    const char* ends[] = {"Lf", "CrLf", "CrCrLf"};
    return "Layout" + std::to_string(info.param.layout) + ends[static_cast<int>(info.param.end)];
}

// The engine with the real serial adapter on a pseudo-terminal and the simulated transceiver,
// holding one distress EGC, on its other side.
class EgcDownloadOverPty : public ::testing::TestWithParam<Setup> {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        shell.EchoTerminator = sim::EchoEndText(GetParam().end);
        shell.LineEnd = shell.EchoTerminator;
        shell.EgcStore.ListingLayout = GetParam().layout;
        sim::SimEgc egc;
        egc.Number = 7;
        egc.Les = 101;
        egc.Service = 31;
        egc.Priority = 3;
        egc.Received = QDateTime(QDate(2006, 12, 31), QTime(14, 5), Qt::UTC);
        egc.Reference = 1234;
        egc.Routing = "+M";
        QString text = "MAYDAY RELAY\r\nfrom the sea: \x80\xe9\xff.\r\n";
        while (text.size() < 512) text += "position and details follow. ";
        egc.Text = text.left(512);
        ASSERT_TRUE(shell.EgcStore.Add(egc));
        text512 = egc.Text.toLatin1();
        transport.Pacer.ChunkSize = 16;  // each reply arrives over several reads
        transport.Pacer.ChunkDelayMs = 1;

        folder = platform.DataFolder() + "/egc";
        QDir().mkpath(folder);
        f.gConfiguration.DataPath = platform.DataFolder();
        f.gEgcDir = folder;
        ReadIniFile(f);
        RegisterMessageHandlers(messages);
        RegisterEgcHandlers(egcArea);
        egcArea.EgcView = &view;
        egcArea.EgcAlarm = &alarm;
        link.Windows.Window = &window;
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
    }

    // One poll of the EGC listing, until the queue has run empty.
    bool Poll() {
        QueueCommand(link, "ls EGC.*", false, false);
        return test::RunLinkUntil(link, platform.Clock, [&] { return test::LinkIdle(link); });
    }
    QString Disk(int counter) const {
        return platform.Clock.Now().toString("yyMMdd") + QString::number(counter).rightJustified(2, '0') + ".egc";
    }
    QByteArray Read(const QString& name) const {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList EgcCommands() const {
        QStringList commands;
        for (const QString& line : shell.Received)
            if (line != "st -l") commands.append(line);
        return commands;
    }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    Egc egcArea{f, link, messages};
    test::FakeLinkWindow window;
    test::FakeEgcView view;
    test::FakeEgcAlarm alarm;
    QString folder;
    QByteArray text512;
};

TEST_P(EgcDownloadOverPty, ADistressEgcIsStoredIndexedAlarmedAndDeleted) {
    ASSERT_TRUE(Poll());
    EXPECT_EQ(EgcCommands(), (QStringList{"ls EGC.*", "st -e", "ty EGC.007 -b -k", "delete EGC.007"}));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), (QStringList{Disk(1), "egc.idx"}));
    EXPECT_EQ(Read(folder + "/" + Disk(1)), text512);
    EXPECT_EQ(Read(folder + "/egc.idx"),
              ("EGC.007:101:31:3:0:2006-12-31 14:05:512:1234:+M:No:" + Disk(1) + "\r\n").toLatin1());
    const QByteArray ini = Read(platform.DataFolder() + "/Tidepost.ini");
    EXPECT_TRUE(ini.contains("[LastEgcNumber]\r\n007\r\n"));
    EXPECT_TRUE(ini.contains("[LastEgcDate]\r\n2006-12-31 14:05\r\n"));
    EXPECT_EQ(alarm.Raised, 1);
    EXPECT_EQ(view.Rows.size(), 1);
    EXPECT_TRUE(shell.EgcStore.Egcs.isEmpty());
    EXPECT_FALSE(f.gSession.ProcessingEgcs());
    EXPECT_FALSE(window.TimerOn("EGCTimer"));
    EXPECT_FALSE(QFile::exists(folder + "/egc.tmp"));
    EXPECT_FALSE(QFile::exists(folder + "/EGC.BAK"));

    // The next poll fetches nothing.
    shell.Received.clear();
    ASSERT_TRUE(Poll());
    EXPECT_EQ(EgcCommands(), QStringList{"ls EGC.*"});
    EXPECT_EQ(alarm.Raised, 1);
}

TEST_P(EgcDownloadOverPty, WithoutItsFolderTheEgcAlarmsStaysAndComesAgain) {
    QDir(folder).removeRecursively();
    ASSERT_TRUE(Poll());
    EXPECT_EQ(EgcCommands(), (QStringList{"ls EGC.*", "st -e", "ty EGC.007 -b -k"}));
    EXPECT_EQ(alarm.Raised, 1);
    EXPECT_EQ(shell.EgcStore.Egcs.size(), 1) << "not deleted";
    EXPECT_FALSE(f.gSession.ProcessingEgcs());

    QDir().mkpath(folder);
    shell.Received.clear();
    ASSERT_TRUE(Poll());
    EXPECT_EQ(EgcCommands(), (QStringList{"ls EGC.*", "st -e", "ty EGC.007 -b -k", "delete EGC.007"}));
    EXPECT_EQ(Read(folder + "/" + Disk(1)), text512);
    EXPECT_EQ(alarm.Raised, 2);
}

INSTANTIATE_TEST_SUITE_P(Setups, EgcDownloadOverPty,
                         ::testing::Values(Setup{1, sim::EchoEnd::CrLf}, Setup{2, sim::EchoEnd::CrLf},
                                           Setup{1, sim::EchoEnd::Lf}, Setup{2, sim::EchoEnd::CrCrLf}),
                         SetupName);

}  // namespace
