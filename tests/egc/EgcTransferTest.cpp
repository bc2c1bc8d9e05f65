#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "egc/EgcFixture.h"
#include "foundation/AppSettings.h"
#include "foundation/IniFile.h"
#include "messages/IRemoteConfig.h"
#include "messages/RxErrorCounters.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

struct CountingRemoteConfig : IRemoteConfig {
    CountingRemoteConfig(int& decoded, bool passwordOk) : Decoded(decoded), PasswordOk(passwordOk) {}
    void SetPassword(const QString&) override {}
    void SetUTCTime(const QTime&) override {}
    void SetUTCDate(const QDate&) override {}
    void SetLogging(ILog*) override {}
    bool ExistConfig(const QString& text) override { return text.contains("<RC>"); }
    RemoteConfigPacket DecodeConfig(const QString&) override {
        ++Decoded;
        RemoteConfigPacket packet;
        packet.PasswordOK = PasswordOk;
        packet.Commands = {RemoteConfigCommand{"SAVEISP", {}, 0, true}};
        return packet;
    }
    int& Decoded;
    bool PasswordOk;
};

struct SucceedingRemoteConfigProcess : IRemoteConfigProcess {
    void SetLogFile(const QString&) override {}
    bool ProcessConfig(const RemoteConfigPacket&) override { return true; }
};

struct EgcTransfer : EgcFixture {
    // Lists and logs the EGCs, then answers the fetch of the first.
    void Receive(const QList<EgcSpec>& egcs, const QString& text) {
        ListAndLog(egcs);
        TakeQueued("ty " + egcs[0].Name() + " -b -k");
        Dispatch(Fetched(egcs[0], text));
    }
    QString Ini() const { return QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")); }
    void Set(const QString& section, const QString& key, const QString& value) {
        SaveAppSetting(f, f.gProductName, section, key, value);
    }
};

TEST_F(EgcTransfer, StoresIndexesShowsAlarmsAndDeletes) {
    EgcSpec s;
    s.Priority = 3;
    const QString text = "SECURITE\r\nNAVAREA I 123/06\r\n";
    Receive({s}, text);

    EXPECT_EQ(EgcFiles(), (QStringList{Disk(1), "egc.idx"}));
    EXPECT_EQ(EgcFile(Disk(1)), text.toLatin1()) << "exactly the text, nothing added";
    EXPECT_EQ(EgcFile("egc.idx"), ("EGC.007:101:31:3:0:2006-12-31 14:05:512:1234:+M:No:" + Disk(1) + "\r\n").toLatin1());
    EXPECT_EQ(view.Rows, QStringList{IndexLines()[0]});
    EXPECT_EQ(alarm.Raised, 1);
    EXPECT_EQ(Queued(), QStringList{"delete EGC.007"});
    EXPECT_TRUE(Ini().contains("[LastEgcNumber]\r\n007\r\n"));
    EXPECT_TRUE(Ini().contains("[LastEgcDate]\r\n2006-12-31 14:05\r\n"));
    EXPECT_FALSE(DownloadEnded()) << "the delete's reply ends it";
    TakeQueued("delete EGC.007");
    Dispatch("delete EGC.007\r\n" + prompt);
    EXPECT_TRUE(DownloadEnded());
    // The next poll finds it old.
    Dispatch(Listing({s}));
    EXPECT_TRUE(Queued().isEmpty());
    EXPECT_TRUE(DownloadEnded());
    EXPECT_FALSE(QFile::exists(folder + "/egc.tmp"));
    EXPECT_FALSE(QFile::exists(folder + "/EGC.BAK"));
}

TEST_F(EgcTransfer, PrioritiesAndTheAlarm) {
    for (int priority : {0, 1, 2, 3}) {
        SCOPED_TRACE(priority);
        alarm.Raised = 0;
        f.gSession.SetProcessingEgcs(false);
        link.Dialogue.CommandQueue.clear();
        EgcSpec s;
        s.Number = 10 + priority;
        s.Priority = priority;
        Receive({s}, "text");
        EXPECT_EQ(alarm.Raised, priority >= 2 ? 1 : 0);
    }
}

TEST_F(EgcTransfer, WithoutALogRecord) {
    // The log is loaded but lacks the EGC: its listing fills in what it can.
    Dispatch(Listing({{7}}));
    TakeQueued("st -e");
    Dispatch(Log({{8}}));
    TakeQueued("ty EGC.007 -b -k");
    Dispatch(Fetched({7}, "text"));
    EXPECT_EQ(IndexLines(), QStringList{"EGC.007:Unk:-1:-1:-1:2006-12-31 14:05:512:-1:Unknown:No:" + Disk(1)});
    EXPECT_EQ(Queued(), QStringList{"delete EGC.007"}) << "no log is asked for";
    EXPECT_FALSE(e.gEGC.UpdateEgcLog());
}

TEST_F(EgcTransfer, WithoutALoadedLogTheLogIsAskedForFirst) {
    Dispatch(Listing({{7}}));
    link.Dialogue.CommandQueue.clear();
    QueueCommand(link, "st -l", false, false);
    Dispatch(Fetched({7}, "text"));
    EXPECT_EQ(Queued(), (QStringList{"st -e", "st -l", "delete EGC.007"}));
    EXPECT_TRUE(e.gEGC.UpdateEgcLog());
    // Neither listed nor logged: the date is unknown but the line keeps its twelve parts.
    Dispatch(Fetched({8}, "text"));
    const QStringList parts = IndexLines().at(1).split(':');
    ASSERT_EQ(parts.size(), 12);
    EXPECT_EQ(parts[5], "Unknown");
    EXPECT_EQ(parts[6], "");
    EXPECT_EQ(parts[7], "-1");
    EXPECT_EQ(GetIniValue(f, "[LastEgcDate]"), "Unknown Unknown");
    // The log now arrives and completes both lines.
    EgcSpec seven, eight;
    eight.Number = 8;
    eight.Les = 5;
    eight.Priority = 2;
    Dispatch(Log({seven, eight}));
    EXPECT_FALSE(e.gEGC.UpdateEgcLog());
    EXPECT_EQ(IndexLines(), (QStringList{"EGC.007:101:31:0:0:2006-12-31 14:05:512:1234:+M:No:" + Disk(1),
                                         "EGC.008:5:31:2:0:2006-12-31 14:05:512:1234:+M:No:" + Disk(2)}));
    EXPECT_EQ(alarm.Raised, 1) << "the repair found an urgent EGC";
    EXPECT_FALSE(QFile::exists(folder + "/EGC.BAK"));
}

TEST_F(EgcTransfer, EnidDownloadIsDeletedUnstored) {
    EgcSpec s;
    s.Service = 33;
    s.Priority = 3;
    Receive({s}, "ENID");
    EXPECT_EQ(EgcFiles(), QStringList{});
    EXPECT_TRUE(view.Rows.isEmpty());
    EXPECT_EQ(Queued(), QStringList{"delete EGC.007"});
    EXPECT_EQ(GetIniValue(f, "[LastEgcNumber]"), "007");
}

// Only a packet that ran is deleted unstored; one that did not run is kept as an EGC, and one
// that waits for the transceiver's time stays where it is, the mark before it.
TEST_F(EgcTransfer, RemoteConfigurationIsDeletedUnstoredOnlyWhenCarriedOut) {
    enum Fate { Deleted, Stored, Left };
    struct Case {
        const char* allow;
        bool timeKnown, passwordOk;
        int decoded;
        Fate fate;
    };
    const Case cases[] = {{"1", true, true, 1, Deleted}, {"0", true, true, 0, Stored}, {"1", true, false, 1, Stored},
                          {"1", false, true, 0, Left}};
    int decoded = 0;
    bool passwordOk = true;
    m.NewRemoteConfig = [&] { return std::make_unique<CountingRemoteConfig>(decoded, passwordOk); };
    m.NewRemoteConfigProcess = [] { return std::make_unique<SucceedingRemoteConfigProcess>(); };
    f.gSession.SetSystemTime(QDateTime(QDate(2024, 5, 6), QTime(13, 45), Qt::UTC));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.allow << c.timeKnown << c.passwordOk);
        Set("Settings", "AllowRemoteConfig", c.allow);
        f.gSession.SetSystemTimeSet(c.timeKnown);
        passwordOk = c.passwordOk;
        decoded = 0;
        QFile::remove(platform.DataFolder() + "/RemoteSeen.txt");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetProcessingEgcs(false);
        SetIniValue(f, "[LastEgcNumber]", "", false);
        Receive({{7}}, "<RC> packet");
        EXPECT_EQ(decoded, c.decoded);
        EXPECT_EQ(Queued(), c.fate == Left ? QStringList{} : QStringList{"delete EGC.007"});
        EXPECT_EQ(EgcFiles(), c.fate == Stored ? (QStringList{Disk(1), "egc.idx"}) : QStringList{});
        EXPECT_EQ(GetIniValue(f, "[LastEgcNumber]"), c.fate == Stored ? "007" : "");
        if (c.fate == Left) {
            EXPECT_TRUE(DownloadEnded());
        }
    }
}

TEST_F(EgcTransfer, ShortCopies) {
    struct Case {
        int cpuMinor;
        int model;
        int number;
        bool sim;       // the debug menu's simulated receive error
        int textSize;   // of 512 listed
        bool checked;   // a short copy is fetched again
    };
    const Case cases[] = {
        {3, 0, 7, false, 511, true},  {3, 0, 7, true, 512, true},   {3, 0, 0, false, 100, true},
        {2, 0, 7, false, 100, false}, {3, 1, 7, false, 100, false}, {3, 6, 7, false, 100, false},
        {3, 0, 7, false, 512, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("1.%1 model %2 EGC %3 sim %4 size %5")
                         .arg(c.cpuMinor).arg(c.model).arg(c.number).arg(c.sim).arg(c.textSize).toStdString());
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetProcessingEgcs(false);
        SetIniValue(f, "[LastEgcNumber]", "", false);
        SetVersions(1, c.cpuMinor, 1, 3);
        f.gSession.SetProductModel(c.model);
        m.mnuSimEgcRxError = c.sim;
        EgcSpec s;
        s.Number = c.number;
        s.Priority = 3;
        alarm.Raised = 0;
        const QString options = c.model == 1 || c.model == 6 ? " -b" : " -b -k";
        ListAndLog({s});
        TakeQueued("ty " + s.Name() + options);
        for (int attempt = 0; attempt < 10 && c.checked; ++attempt) {
            Dispatch(Fetched(s, Text(c.textSize), options));
            ASSERT_EQ(Queued(), QStringList{"ty " + s.Name() + " -b -k"}) << attempt;
            EXPECT_EQ(alarm.Raised, 0) << "the repeated copy raises it";
            TakeQueued("ty " + s.Name() + " -b -k");
        }
        Dispatch(Fetched(s, Text(c.textSize), options));
        EXPECT_EQ(Queued(), QStringList{"delete " + s.Name()});
        EXPECT_EQ(EgcFiles().size(), 2) << "stored as it came";
        EXPECT_EQ(alarm.Raised, 1);
        const QStringList boxes = TakeBoxes();
        if (c.checked) {
            ASSERT_EQ(boxes.size(), 1);
            EXPECT_EQ(boxes[0], "The EGC message '" + s.Name() + "' was attempted received 10 times, but was received "
                                                                   "with errors.");
        } else {
            EXPECT_TRUE(boxes.isEmpty());
        }
        EXPECT_EQ(GetRxErrorCount(f, kRxErrorKindEgc, s.Number), 0);
    }
}

TEST_F(EgcTransfer, CutReplyIsNeitherStoredNorDeletedButAlarms) {
    EgcSpec s;
    s.Priority = 3;
    ListAndLog({s});
    TakeQueued("ty EGC.007 -b -k");
    Dispatch(Fetched(s, Text(300)).chopped(prompt.size()));
    EXPECT_EQ(EgcFiles(), QStringList{});
    EXPECT_TRUE(Queued().isEmpty());
    EXPECT_EQ(alarm.Raised, 1);
    EXPECT_TRUE(DownloadEnded());
    EXPECT_TRUE(ErrorLogText().contains("ended without the transceiver's prompt"));
    EXPECT_EQ(GetIniValue(f, "[LastEgcNumber]"), "");
}

TEST_F(EgcTransfer, RepliesThatNameNoEgcBuildNoCommand) {
    Dispatch(Listing({{7}}));
    link.Dialogue.CommandQueue.clear();
    for (const QString& reply : {QString("ty EGC.007"), QString("ty EGC.0x7 -b\r\n1\r\n2\r\nx") + prompt,
                                 QString("ty EGC.0\r\n1\r\n2\r\nxxxxxxxx") + prompt}) {
        Dispatch(reply);
        EXPECT_TRUE(Queued().isEmpty()) << reply.toStdString();
    }
    EXPECT_EQ(EgcFiles(), QStringList{});
    EXPECT_TRUE(DownloadEnded());
}

TEST_F(EgcTransfer, MissingFolderAlarmsDeletesNothingAndComesAgain) {
    EgcSpec s;
    s.Priority = 3;
    QDir(folder).removeRecursively();
    Receive({s}, "text");
    EXPECT_EQ(alarm.Raised, 1);
    EXPECT_TRUE(Queued().isEmpty());
    EXPECT_TRUE(DownloadEnded());
    const QStringList boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("(EGC.Transfer) Error '76': ")) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].endsWith("Due to this error, Tidepost might not have saved the EGC."));
    // The next poll offers it again, and this time it is stored.
    QDir().mkpath(folder);
    alarm.Raised = 0;
    Receive({s}, "text");
    EXPECT_EQ(EgcFiles(), (QStringList{Disk(1), "egc.idx"}));
    EXPECT_EQ(alarm.Raised, 1);
}

TEST_F(EgcTransfer, AFailedStoreKeepsTheMarkForTheRestOfTheDownload) {
    EgcSpec seven, eight;
    eight.Number = 8;
    eight.Time = "14:06";
    ListAndLog({seven, eight});
    link.Dialogue.CommandQueue.clear();
    QDir(folder).removeRecursively();
    Dispatch(Fetched(seven, "seven"));
    QDir().mkpath(folder);
    Dispatch(Fetched(eight, "eight"));
    EXPECT_EQ(IndexLines().size(), 1);
    EXPECT_EQ(Queued(), QStringList{"delete EGC.008"});
    EXPECT_EQ(GetIniValue(f, "[LastEgcNumber]"), "") << "EGC.007 stays ahead of the mark";
    Dispatch("delete EGC.008\r\n" + prompt);
    link.Dialogue.CommandQueue.clear();
    ASSERT_TRUE(DownloadEnded());
    TakeBoxes();
    // Only EGC.007 is still on the transceiver: it is fetched again.
    ListAndLog({seven});
    EXPECT_EQ(Queued(), QStringList{"ty EGC.007 -b -k"});
}

TEST_F(EgcTransfer, LowDiskSpaceCleansUpByPriorityAndAge) {
    struct Case {
        qint64 kb;          // free
        int priority;       // of the incoming EGC; -1 without its log record
        QStringList left;   // stored EGCs left, the new one aside
    };
    const QStringList all{"old0.egc", "new0.egc", "old1.egc", "old3.egc"};
    const Case cases[] = {
        {512, 0, {"old1.egc", "old3.egc"}},
        {512, 1, {"old3.egc"}},
        {512, 3, {}},
        {512, -1, {"old1.egc", "old3.egc"}},
        {513, 3, all},
        {-1, 3, all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 KB priority %2").arg(c.kb).arg(c.priority).toStdString());
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetProcessingEgcs(false);
        SetIniValue(f, "[LastEgcNumber]", "", false);
        WriteIndex("EGC.001:101:31:0:0:2006-12-30 10:00:5:1:+M:No:new0.egc\r\n"
                   "EGC.002:101:31:1:0:2006-12-29 10:00:5:1:+M:No:old1.egc\r\n"
                   "EGC.003:101:31:0:0:2006-12-29 10:00:5:1:+M:No:old0.egc\r\n"
                   "short line\r\n"
                   "EGC.004:101:31:3:0:2006-12-28 10:00:5:1:+M:No:old3.egc\r\n");
        for (const QString& name : all) WriteEgcFile(name);
        platform.Disk.Bytes = c.kb < 0 ? -1 : c.kb * 1024;
        EgcSpec s;
        s.Number = 9;
        if (c.priority >= 0) {
            s.Priority = c.priority;
            Receive({s}, "text");
        } else {
            Dispatch(Listing({s}));
            TakeQueued("st -e");
            Dispatch(Log({}));
            TakeQueued("ty EGC.009 -b -k");
            Dispatch(Fetched(s, "text"));
        }
        QStringList left = EgcFiles();
        left.removeAll(Disk(1));
        left.removeAll("egc.idx");
        QStringList expected = c.left;
        expected.sort();
        EXPECT_EQ(left, expected);
        const QStringList lines = IndexLines();
        EXPECT_EQ(lines.size(), c.left.size() + 2) << "the short line is kept, and the new one added";
        EXPECT_TRUE(lines.contains("short line"));
        EXPECT_FALSE(QFile::exists(folder + "/egc.tmp"));
    }
}

TEST_F(EgcTransfer, PrintsOnlyWhenAskedOnTheTransceiverFamiliesThatPrint) {
    for (int type : {3, 4, 5}) {
        for (const char* print : {"0", "1"}) {
            SCOPED_TRACE(QString("type %1 print %2").arg(type).arg(print).toStdString());
            platform.Printer.Jobs.clear();
            link.Dialogue.CommandQueue.clear();
            f.gSession.SetProcessingEgcs(false);
            SetIniValue(f, "[LastEgcNumber]", "", false);
            f.gSession.SetProductType(type);
            Set("Settings", "PrintEgcs", print);
            Receive({{7}}, "PRINT ME");
            EXPECT_EQ(platform.Printer.Jobs.size(), type >= 4 && QString(print) == "1" ? 1 : 0);
        }
    }
}

TEST_F(EgcTransfer, AfterTheWatchdogAListingDoesNotFetchWhatStillWaits) {
    ListAndLog({{7}});
    ASSERT_EQ(Queued(), QStringList{"ty EGC.007 -b -k"});
    EndEgcDownload(link);  // the watchdog's tick
    Dispatch(Listing({{7}}));
    EXPECT_EQ(Queued(), QStringList{"ty EGC.007 -b -k"});
    EXPECT_TRUE(DownloadEnded());
}

}  // namespace
