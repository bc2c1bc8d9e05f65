#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/ILog.h"
#include "foundation/UsefullCodePages.h"
#include "messages/IDistressMessageForm.h"
#include "messages/IRemoteConfig.h"
#include "messages/InboxStoreFixture.h"
#include "messages/RxErrorCounters.h"
#include "messages/TransferInToPC.h"
#include "platform/AtomicFile.h"

using namespace tidepost;

namespace {

struct FakeDistressMessageForm : IDistressMessageForm {
    void Raise(qint16 priority) override { Raised.append(priority); }
    QList<qint16> Raised;
};

// What the remote-configuration decoders and processors of one test were given and did.
struct RemoteConfigRecord {
    bool PasswordOK = true;
    bool Malformed = false;
    bool ProcessOK = true;
    QString Password;
    QTime Time;
    QDate Date;
    int Decoded = 0;
    int Processed = 0;
    QString ProcessLogFile;
};

// Recognises a packet by "<RC>" and logs one line when it decodes it.
struct FakeRemoteConfig : IRemoteConfig {
    explicit FakeRemoteConfig(RemoteConfigRecord& r) : record(r) {}
    void SetPassword(const QString& password) override { record.Password = password; }
    void SetUTCTime(const QTime& time) override { record.Time = time; }
    void SetUTCDate(const QDate& date) override { record.Date = date; }
    void SetLogging(ILog* l) override { log = l; }
    bool ExistConfig(const QString& text) override { return text.contains("<RC>"); }
    RemoteConfigPacket DecodeConfig(const QString&) override {
        ++record.Decoded;
        if (log) log->Log("Decoding packet");
        RemoteConfigPacket packet;
        packet.PasswordOK = record.PasswordOK;
        packet.Malformed = record.Malformed;
        packet.Commands = {RemoteConfigCommand{"SAVEISP", {}, 0, true}};
        packet.Payload = "payload";
        return packet;
    }
    RemoteConfigRecord& record;
    ILog* log = nullptr;
};

struct FakeRemoteConfigProcess : IRemoteConfigProcess {
    explicit FakeRemoteConfigProcess(RemoteConfigRecord& r) : record(r) {}
    void SetLogFile(const QString& fileName) override { record.ProcessLogFile = fileName; }
    bool ProcessConfig(const RemoteConfigPacket&) override {
        ++record.Processed;
        return record.ProcessOK;
    }
    RemoteConfigRecord& record;
};

struct TransferInToPC : test::InboxStoreFixture {
    void Set(const QString& section, const QString& key, const QString& value) {
        SaveAppSetting(f, f.gProductName, section, key, value);
    }
    void SetVersions(int cpuMajor, int cpuMinor, int tcuMajor, int tcuMinor) {
        f.gConfiguration.SetMinicSwVersion(cpuMajor, cpuMinor);
        f.gConfiguration.SetTcuSwVersion(tcuMajor, tcuMinor);
    }
    void UseRemoteConfig() {
        m.NewRemoteConfig = [this] { return std::make_unique<FakeRemoteConfig>(remote); };
        m.NewRemoteConfigProcess = [this] { return std::make_unique<FakeRemoteConfigProcess>(remote); };
    }
    QString Disk(int counter) const { return Today() + QString::number(counter).rightJustified(2, '0') + ".in"; }
    RemoteConfigRecord remote;
};

TEST_F(TransferInToPC, StoresEachListedMessageWithItsIndexLineAndDeletesIt) {
    const QString bodies[] = {"First message\r\nsecond line", QString::fromLatin1("Caf\xe9 \xff\r\n"), "x"};
    for (int i = 0; i < 3; ++i) AddMessage(i + 1, bodies[i]);
    ReadListingAndLog();
    StartDownload();

    for (int i = 0; i < 3; ++i) {
        Fetch(i + 1);
        EXPECT_EQ(link.Dialogue.CommandQueue, "delete " + Name(i + 1) + "\r\n");
        EXPECT_FALSE(DownloadEnded()) << "the delete still keeps the download running";
        link.Dialogue.CommandQueue.clear();
    }
    EXPECT_EQ(InboxFiles(), (QStringList{Disk(1), Disk(2), Disk(3), "in.idx"}));
    EXPECT_EQ(InboxFile(Disk(1)), QByteArray("First message\r\nsecond line"));
    EXPECT_EQ(InboxFile(Disk(2)), QByteArray("Caf\xe9 \xff\r\n"));
    EXPECT_EQ(InboxFile(Disk(3)), QByteArray("x"));
    EXPECT_EQ(IndexLines(), (QStringList{"IN.001:102:0:0:06-12-31 23:51:26:341:Mem:No:" + Disk(1),
                                         "IN.002:102:0:0:06-12-31 23:52:8:342:Mem:No:" + Disk(2),
                                         "IN.003:102:0:0:06-12-31 23:53:1:343:Mem:No:" + Disk(3)}));
    EXPECT_EQ(m.gFetchMsgNumber, "003");
    EXPECT_TRUE(platform.Tray.Visible);
    EXPECT_EQ(TakeBoxes(), QStringList{"New message received"}) << "one notice waits for all three";
}

TEST_F(TransferInToPC, IndexLineOfTheWorkedExample) {
    sim::SimMessage& message = AddMessage(1, QString(812, 'a'));
    message.Received = QDateTime(QDate(2006, 12, 31), QTime(23, 59), Qt::UTC);
    message.Reference = 345;
    ReadListingAndLog();
    Fetch(1);
    const QString line = "IN.001:102:0:0:06-12-31 23:59:812:345:Mem:No:" + Disk(1);
    ASSERT_EQ(IndexLines(), QStringList{line});
    EXPECT_EQ(line.split(':').size(), 11);
    EXPECT_EQ(InboxFile("in.idx"), (line + "\r\n").toLatin1());
}

TEST_F(TransferInToPC, IndexCreatedByTheStartUpCheckIsTheOneAppendedTo) {
    QFile index(inbox + "/IN.IDX");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("IN.007:102:0:0:06-12-30 10:00:5:1:Mem:Yes:06123001.in\r\n");
    index.close();
    AddMessage(1, "Hello");
    ReadListingAndLog();
    Fetch(1);
    EXPECT_EQ(InboxFiles(), (QStringList{Disk(1), "IN.IDX"}));
    EXPECT_EQ(QString::fromLatin1(InboxFile("IN.IDX")).count("\r\n"), 2);
}

// Only a packet that was carried out is deleted unstored; every other packet is kept as an
// ordinary message, except while the transceiver's time is unknown, when it stays where it is.
TEST_F(TransferInToPC, RemoteConfigurationPacketIsDeletedUnstoredOnlyWhenCarriedOut) {
    enum Fate { Deleted, Stored, Left };
    struct Case {
        const char* what;
        const char* allow;  // nullptr: the setting is absent
        bool timeKnown, passwordOk, malformed, processOk;
        Fate fate;
        QStringList boxes;
        const char* logLine;
    };
    const QString seeLog = "\r\nPlease refer to 'RemoteLog.txt' for details.";
    const Case cases[] = {
        {"carried out", nullptr, true, true, false, true, Deleted, {"Remote configuration completed successfully."},
         "Remote configuration completed successfully"},
        {"a command failed", "1", true, true, false, false, Deleted, {"Error: Remote configuration failed." + seeLog},
         "Error: Remote configuration failed"},
        {"token refused", "1", true, false, false, true, Stored,
         {"Error: Remote configuration failed. Password not valid." + seeLog, "New message received"},
         "Error: Remote configuration failed. Password not valid "},
        {"malformed", "1", true, true, true, true, Stored,
         {"Error: Remote configuration failed." + seeLog, "New message received"}, "Error: Remote configuration failed"},
        {"not allowed", "0", true, true, false, true, Stored, {"New message received"},
         "Error: Remote configuration not allowed"},
        {"not a number", "yes", true, true, false, true, Stored, {"New message received"},
         "Error: Remote configuration not allowed"},
        {"time unknown", "1", false, true, false, true, Left, {}, "Error: Transceiver time unknown"},
    };
    UseRemoteConfig();
    Set("Config", "Remote Password", EncodeHexComplement(f, "secret123"));
    f.gSession.SetSystemTime(QDateTime(QDate(2024, 5, 6), QTime(13, 45), Qt::UTC));
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        remote = RemoteConfigRecord{};
        remote.PasswordOK = c.passwordOk;
        remote.Malformed = c.malformed;
        remote.ProcessOK = c.processOk;
        f.gSession.SetSystemTimeSet(c.timeKnown);
        if (c.allow) Set("Settings", "AllowRemoteConfig", c.allow);
        messagesWindow.FormsMenuUpdates = 0;
        QFile::remove(platform.DataFolder() + "/RemoteLog.txt");
        QFile::remove(platform.DataFolder() + "/RemoteSeen.txt");
        link.Dialogue.CommandQueue.clear();
        const QString body = "<RC>SAVEISP</RC> " + QString::number(++number) + "\r\n";
        AddMessage(number, body);
        ReadListingAndLog();
        const int indexLines = IndexLines().size();
        StartDownload();
        Fetch(number);

        EXPECT_EQ(link.Dialogue.CommandQueue, c.fate == Left ? "" : "delete " + Name(number) + "\r\n");
        EXPECT_EQ(IndexLines().size(), indexLines + (c.fate == Stored ? 1 : 0));
        if (c.fate == Stored) {
            EXPECT_EQ(InboxFile(IndexLines().last().section(':', 10)), body.toLatin1());
        }
        EXPECT_EQ(TakeBoxes(), c.boxes);
        const bool decoded = c.timeKnown && !QString(c.allow ? c.allow : "1").startsWith(u'0') &&
                             QString(c.allow ? c.allow : "1") != "yes";
        EXPECT_EQ(remote.Decoded, decoded ? 1 : 0);
        EXPECT_EQ(messagesWindow.FormsMenuUpdates, decoded ? 1 : 0);
        EXPECT_EQ(remote.Processed, c.fate == Deleted ? 1 : 0);
        const QString log = QString::fromLatin1(platform.ReadDataFile("RemoteLog.txt"));
        EXPECT_TRUE(log.contains(QString(c.logLine) + "\r\n")) << log.toStdString();
        if (decoded) {
            EXPECT_EQ(remote.Password, "secret123");
            EXPECT_EQ(remote.Date, QDate(2024, 5, 6));
            EXPECT_EQ(remote.Time, QTime(13, 45));
            EXPECT_TRUE(log.contains("Decoding packet"));
        }
        if (c.fate == Deleted) {
            EXPECT_EQ(remote.ProcessLogFile, "RemoteLog.txt");
        }
        EXPECT_EQ(DownloadEnded(), c.fate == Left) << "a queued delete keeps the download running";
    }
}

// A copy of a packet that ran is kept as a message and runs nothing.
TEST_F(TransferInToPC, RemoteConfigurationPacketSeenBeforeIsStoredAndNotRunAgain) {
    UseRemoteConfig();
    Set("Config", "Remote Password", EncodeHexComplement(f, "secret123"));
    f.gSession.SetSystemTime(QDateTime(QDate(2024, 5, 6), QTime(13, 45), Qt::UTC));
    f.gSession.SetSystemTimeSet(true);
    AddMessage(1, "<RC>SAVEISP</RC>\r\n");
    ReadListingAndLog();
    Fetch(1);
    EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n");
    EXPECT_TRUE(InboxFiles().isEmpty());
    EXPECT_EQ(platform.ReadDataFile("RemoteSeen.txt").left(11), "2024050613;");
    TakeBoxes();

    link.Dialogue.CommandQueue.clear();
    Fetch(1);  // the delete was lost, or the packet was sent again
    EXPECT_EQ(remote.Processed, 1);
    EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n");
    EXPECT_EQ(InboxFile(Disk(1)), QByteArray("<RC>SAVEISP</RC>\r\n"));
    EXPECT_EQ(TakeBoxes(), QStringList{"New message received"});
    EXPECT_TRUE(QString::fromLatin1(platform.ReadDataFile("RemoteLog.txt")).contains("Error: Packet already processed\r\n"));
}

TEST_F(TransferInToPC, WithoutRemoteConfigurationAPacketIsAnOrdinaryMessage) {
    AddMessage(4, "<RC>SAVEISP</RC>\r\n");
    ReadListingAndLog();
    Fetch(4);
    EXPECT_EQ(InboxFile(Disk(1)), QByteArray("<RC>SAVEISP</RC>\r\n"));
}

TEST_F(TransferInToPC, UnlistedMessageIsNeitherStoredNorDeletedAndPrintedOnThe560Family) {
    const std::tuple<int, bool> cases[] = {{4, true}, {5, true}, {3, false}};
    Set("Settings", "PrintIncomingMsg", "1");
    ReadListingAndLog();  // an empty inbox
    AddMessage(9, "Unlisted\r\ntext");
    for (const auto& [type, printed] : cases) {
        f.gSession.SetProductType(type);
        platform.Printer.Jobs.clear();
        StartDownload();
        Fetch(9);
        EXPECT_TRUE(InboxFiles().isEmpty());
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        EXPECT_TRUE(DownloadEnded());
        ASSERT_EQ(platform.Printer.Jobs.size(), printed ? 1 : 0) << type;
        if (printed) {
            // The reply without its echo line and prompt.
            EXPECT_EQ(platform.Printer.Jobs[0],
                      (QStringList{"", "File IN.009, 14 characters", "From LES 102, reference 349", "Unlisted", "text"}));
        }
    }
}

TEST_F(TransferInToPC, ListedMessageMissingFromTheLogIsLoggedAndLeftOnTheTransceiver) {
    f.gSession.SetProductType(4);
    Set("Settings", "PrintIncomingMsg", "1");
    AddMessage(1, "Body");
    ReadListingAndLog();
    m.gInboxLog = {InLogEntry{}};
    StartDownload();
    Fetch(1);
    EXPECT_TRUE(ErrorLogText().contains("A message was received that was not found in the In Log\r\n"));
    EXPECT_TRUE(InboxFiles().isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(platform.Printer.Jobs.isEmpty());
    EXPECT_TRUE(DownloadEnded());
}

TEST_F(TransferInToPC, LengthCheckRunsOnlyFromSoftware13OnBothUnits) {
    struct Case {
        int cpuMajor, cpuMinor, tcuMajor, tcuMinor;
        bool checked;
    };
    const Case cases[] = {{1, 2, 1, 3, false}, {1, 3, 1, 2, false}, {2, 3, 1, 3, false}, {1, 3, 2, 5, false},
                          {0, 0, 0, 0, false}, {1, 3, 1, 3, true},  {1, 9, 1, 4, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1.%2 %3.%4").arg(c.cpuMajor).arg(c.cpuMinor).arg(c.tcuMajor).arg(c.tcuMinor).toStdString());
        shell.Inbox.Messages.clear();
        QDir(inbox).removeRecursively();
        QDir().mkpath(inbox);
        WriteRxErrorList(f, kRxErrorKindMessage, "");
        SetVersions(c.cpuMajor, c.cpuMinor, c.tcuMajor, c.tcuMinor);
        AddMessage(1, "Short").ListedSize = 6;
        ReadListingAndLog();
        StartDownload();
        Fetch(1);
        if (c.checked) {
            EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nty IN.001 -b -k\r\n");
            EXPECT_TRUE(InboxFiles().isEmpty());
            EXPECT_EQ(ReadRxErrorList(f, kRxErrorKindMessage), ";1,1");
            EXPECT_FALSE(DownloadEnded());
        } else {
            EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n");
            EXPECT_EQ(InboxFile(Disk(1)), QByteArray("Short"));
        }
        link.Dialogue.CommandQueue.clear();
    }
}

TEST_F(TransferInToPC, WholeMessageClearsItsCounter) {
    SetVersions(1, 3, 1, 3);
    WriteRxErrorList(f, kRxErrorKindMessage, ";7,2;1,4");
    AddMessage(1, "Whole");
    ReadListingAndLog();
    Fetch(1);
    EXPECT_EQ(ReadRxErrorList(f, kRxErrorKindMessage), ";7,2");
    EXPECT_EQ(InboxFile(Disk(1)), QByteArray("Whole"));
}

// A short message is fetched again, at the front of the queue and always with " -b -k", after each
// of its first ten receptions; the eleventh is stored as it came, with a box. The debug menu's
// "Simulate message rx error" makes every message look one character short.
TEST_F(TransferInToPC, ShortMessageIsFetchedTenTimesMoreThenStored) {
    for (const bool debugFlag : {false, true}) {
        SCOPED_TRACE(debugFlag ? "debug flag" : "short");
        shell.Inbox.Messages.clear();
        QDir(inbox).removeRecursively();
        QDir().mkpath(inbox);
        SetVersions(1, 3, 1, 3);
        f.gSession.SetProductModel(6);
        m.mnuSimMsgRxError = debugFlag;
        sim::SimMessage& message = AddMessage(1, "Twelve chars");
        if (!debugFlag) message.ListedSize = 13;
        ReadListingAndLog();
        for (int i = 1; i <= 10; ++i) {
            link.Dialogue.CommandQueue = "delete IN.009\r\n";
            Fetch(1, " -b");
            ASSERT_EQ(link.Dialogue.CommandQueue, "\r\nty IN.001 -b -k\r\ndelete IN.009\r\n") << i;
            EXPECT_EQ(GetRxErrorCount(f, kRxErrorKindMessage, 1), i);
        }
        EXPECT_TRUE(InboxFiles().isEmpty());
        link.Dialogue.CommandQueue.clear();
        Fetch(1);
        EXPECT_EQ(TakeBoxes(), (QStringList{"The message 'IN.001' was attempted received 10 times, but was received "
                                            "with errors.",
                                            "New message received"}));
        EXPECT_EQ(GetRxErrorCount(f, kRxErrorKindMessage, 1), 0);
        EXPECT_EQ(InboxFile(Disk(1)), QByteArray("Twelve chars"));
        EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n");
    }
}

TEST_F(TransferInToPC, PriorityDecidesBetweenNoticeAndAlarm) {
    struct Case {
        int priority;
        const char* notify;  // nullptr: the setting is absent
        bool alarm;          // raised, rather than the tray icon and notice
        bool notice;
    };
    const Case cases[] = {
        {0, nullptr, false, true},
        {1, "0", false, false},
        {1, "off", false, false},  // not a number counts as 0
        {0, "2", false, true},
        {2, nullptr, true, false},
        {3, nullptr, true, false},
        {2, "0", true, false},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(number);
        FakeDistressMessageForm form;
        m.DistressMessageForm = &form;
        if (c.notify) Set("Settings", "NewMessageNotify", c.notify);
        platform.Tray.Visible = false;
        platform.Sound.Played.clear();
        shell.Inbox.Messages.clear();
        AddMessage(++number, "Text", c.priority);
        ReadListingAndLog();
        Fetch(number);
        EXPECT_EQ(link.Dialogue.CommandQueue, "delete " + Name(number) + "\r\n");
        link.Dialogue.CommandQueue.clear();
        EXPECT_EQ(platform.Tray.Visible, !c.alarm);
        // The alarm window sounds on its own timer: nothing plays and no box waits in the queue.
        EXPECT_TRUE(platform.Sound.Played.isEmpty());
        EXPECT_EQ(form.Raised, c.alarm ? QList<qint16>{qint16(c.priority)} : QList<qint16>{});
        EXPECT_EQ(TakeBoxes(), c.notice ? QStringList{"New message received"} : QStringList{});
        m.DistressMessageForm = nullptr;
    }
}

TEST_F(TransferInToPC, InboxViewGetsARowOfTheNewMessage) {
    sim::SimMessage& distress = AddMessage(1, "Mayday", 3);
    distress.Presentation = 7;
    distress.Les = 5;
    AddMessage(2, "Urgent", 2);
    ReadListingAndLog();
    messagesWindow.Shown = 1;
    Fetch(1);
    Fetch(2);
    messagesWindow.Shown = 2;
    AddMessage(3, "Not shown");
    ReadListingAndLog();
    Fetch(3);
    messagesWindow.Shown = 1;
    AddMessage(4, "Safety", 1);
    ReadListingAndLog();
    Fetch(4);
    ASSERT_EQ(messagesWindow.InboxRows.size(), 3);
    EXPECT_EQ(messagesWindow.InboxRows[2].cells[3], "Safety");
    EXPECT_EQ(messagesWindow.InboxRows[2].foreColor, 0);
    EXPECT_EQ(messagesWindow.InboxRows[0].cells,
              (QStringList{Disk(1), "IN.001", "005", "Distress", "8 Bit Data", "06-12-31 23:51", "6", "341", "Mem"}));
    EXPECT_EQ(messagesWindow.InboxRows[0].foreColor, 255);
    EXPECT_EQ(messagesWindow.InboxRows[1].cells[3], "Urgent");
    EXPECT_EQ(messagesWindow.InboxRows[1].cells[4], "7 Bit IA5");
    EXPECT_EQ(messagesWindow.InboxRows[1].foreColor, 255) << "urgency is red as in the reloaded view";
    EXPECT_EQ(messagesWindow.InboxSelections, 3);
}

TEST_F(TransferInToPC, StoredMessageIsPrintedWholeOnThe560FamilyWhenAsked) {
    struct Case {
        int productType;
        const char* setting;  // nullptr: absent
        bool printed;
    };
    const Case cases[] = {{4, nullptr, false}, {4, "1", true},  {5, "1", true},  {3, "1", false},
                          {0, "1", false},     {4, "0", false}, {4, "2", false}, {4, "one", false}};
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(number);
        f.gSession.SetProductType(c.productType);
        if (c.setting) Set("Settings", "PrintIncomingMsg", c.setting);
        platform.Printer.Jobs.clear();
        shell.Inbox.Messages.clear();
        AddMessage(++number, "First line\r\nSecond line");
        ReadListingAndLog();
        Fetch(number);
        EXPECT_EQ(link.Dialogue.CommandQueue, "delete " + Name(number) + "\r\n") << "stored in every case";
        link.Dialogue.CommandQueue.clear();
        ASSERT_EQ(platform.Printer.Jobs.size(), c.printed ? 1 : 0);
        if (c.printed) {
            EXPECT_EQ(platform.Printer.Jobs[0], (QStringList{"", "First line", "Second line"}));
        }
    }
}

// The disk is full while the message file is written: /dev/full stands in for the file beside it.
TEST_F(TransferInToPC, DiskFullQueuesTheDiskSpaceBoxAndStillRaisesTheAlarm) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const QString staging = NewFileStagingPath(inbox + "/" + Disk(1));
    ASSERT_TRUE(QFile::link("/dev/full", staging));
    FakeDistressMessageForm form;
    m.DistressMessageForm = &form;
    AddMessage(1, "Mayday", 3);
    ReadListingAndLog();
    StartDownload();
    Fetch(1);
    m.DistressMessageForm = nullptr;
    EXPECT_EQ(TakeBoxes(), QStringList{"(TransferInToPC) Error: Not enough disk space.\r\nDue to this error, the "
                                       "message can not be saved."});
    EXPECT_EQ(form.Raised, QList<qint16>{3});
    EXPECT_TRUE(InboxFiles().isEmpty()) << "no message file, no index line";
    EXPECT_FALSE(QFileInfo::exists(staging));
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty()) << "the message stays on the transceiver";
    EXPECT_TRUE(DownloadEnded());
    EXPECT_FALSE(platform.Tray.Visible);
}

TEST_F(TransferInToPC, OtherStoreFailuresQueueTheErrorBox) {
    struct Case {
        const char* what;
        std::function<void(TransferInToPC&)> setUp;
        const char* box;
        QStringList files;
    };
    const Case cases[] = {
        {"no inbox folder", [](TransferInToPC& t) { QDir(t.inbox).removeRecursively(); },
         "(Transfer_IN_To_PC) Error '76': Path not found.", {}},
        {"no inbox named", [](TransferInToPC& t) { t.f.gInboxDir.clear(); },
         "(Transfer_IN_To_PC) Error '76': Path not found.", {}},
        {"index is a folder", [](TransferInToPC& t) { QDir(t.inbox).mkdir("in.idx"); },
         "(Transfer_IN_To_PC) Error '75': Path/File access error.", {"TODAY01.in"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(inbox).removeRecursively();
        QDir().mkpath(inbox);
        f.gInboxDir = inbox;
        shell.Inbox.Messages.clear();
        AddMessage(1, "Text", 2);
        ReadListingAndLog();
        c.setUp(*this);
        StartDownload();
        FakeDistressMessageForm form;
        m.DistressMessageForm = &form;
        Fetch(1);
        m.DistressMessageForm = nullptr;
        EXPECT_EQ(TakeBoxes(), QStringList{QString(c.box) + "\r\nDue to this error, Tidepost might not have saved "
                                                            "the Message"});
        EXPECT_EQ(form.Raised, QList<qint16>{2}) << "an urgency message sounds though it was not stored";
        QStringList files = QDir(inbox).entryList(QDir::Files);
        EXPECT_EQ(files.replaceInStrings(Today(), "TODAY"), c.files);
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        EXPECT_TRUE(DownloadEnded());
    }
    EXPECT_FALSE(QFileInfo::exists("/" + Disk(1))) << "nothing is stored at the top of the file system";
}

// A reply ended by the time-out or a lost link holds part of the message at most.
TEST_F(TransferInToPC, ReplyWithoutTheTransceiversPromptIsNeitherStoredNorDeleted) {
    AddMessage(1, "The whole message text");
    ReadListingAndLog();
    const QString whole = shell.ReplyTo("ty IN.001 -b -k");
    const QString cuts[] = {whole.left(whole.size() - 3), whole.left(whole.indexOf("whole")),
                            whole.chopped(8) + "kv880:/$ "};
    for (const QString& cut : cuts) {
        StartDownload();
        link.Dialogue.CommandQueue = "ty IN.002 -b -k\r\n";
        Dispatch(cut);
        EXPECT_EQ(link.Dialogue.CommandQueue, "ty IN.002 -b -k\r\n");
        EXPECT_FALSE(DownloadEnded()) << "another fetch is still queued";
        link.Dialogue.CommandQueue.clear();
        Dispatch(cut);
        EXPECT_TRUE(DownloadEnded());
        EXPECT_TRUE(InboxFiles().isEmpty());
    }
    EXPECT_EQ(ErrorLogText().count("ended without the transceiver's prompt"), 6);
    EXPECT_TRUE(ErrorLogText().contains("\"ty IN.001 -b -k\""));

    Dispatch(whole);
    EXPECT_EQ(InboxFile(Disk(1)), QByteArray("The whole message text"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n");
}

// The delete of a stored message was lost; the next cycle fetches it again.
TEST_F(TransferInToPC, MessageAlreadyInTheIndexIsOnlyDeleted) {
    AddMessage(1, "Once only");
    ReadListingAndLog();
    Fetch(1);
    TakeBoxes();
    link.Dialogue.CommandQueue.clear();
    platform.Tray.Visible = false;

    ReadListingAndLog();
    StartDownload();
    Fetch(1);
    EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n");
    EXPECT_EQ(InboxFiles(), (QStringList{Disk(1), "in.idx"}));
    EXPECT_EQ(IndexLines().size(), 1);
    EXPECT_TRUE(TakeBoxes().isEmpty());
    EXPECT_FALSE(platform.Tray.Visible);

    // The transceiver gave the number to a new message: another reference, so it is stored.
    link.Dialogue.CommandQueue.clear();
    shell.Inbox.Messages[0].Reference = 999;
    ReadListingAndLog();
    Fetch(1);
    EXPECT_EQ(InboxFiles(), (QStringList{Disk(1), Disk(2), "in.idx"}));
    EXPECT_EQ(IndexLines().size(), 2);
}

// An index written with CR alone (or LF alone) between its lines is read line by line too: the
// message it holds is not stored a second time.
TEST_F(TransferInToPC, AnIndexWithOtherLineEndsStillKnowsItsMessages) {
    AddMessage(1, "Once only");
    ReadListingAndLog();
    Fetch(1);
    const QByteArray line = InboxFile("in.idx").trimmed();
    for (const QByteArray& end : {QByteArray("\r"), QByteArray("\n")}) {
        const QByteArray index = "IN.009:102:0:0:06-12-31 23:00:5:1:Mem:No:06123109.in" + end + line + end;
        QFile file(inbox + "/in.idx");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(index);
        file.close();
        link.Dialogue.CommandQueue.clear();
        ReadListingAndLog();
        StartDownload();
        Fetch(1);
        EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n") << end.toHex().constData();
        EXPECT_EQ(InboxFiles(), (QStringList{Disk(1), "in.idx"})) << end.toHex().constData();
        EXPECT_EQ(InboxFile("in.idx"), index) << end.toHex().constData();
    }
}

TEST_F(TransferInToPC, MessageAbove32767BytesIsStored) {
    const QString body(40000, 'z');
    AddMessage(1, body);
    SetVersions(1, 3, 1, 3);
    ReadListingAndLog();
    Fetch(1);
    EXPECT_EQ(InboxFile(Disk(1)).size(), 40000);
    ASSERT_EQ(IndexLines().size(), 1);
    EXPECT_TRUE(IndexLines()[0].startsWith("IN.001:102:0:0:06-12-31 23:51:40000:341:"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "delete IN.001\r\n");
}

TEST_F(TransferInToPC, DeleteAndRetryAreBuiltOnlyFromASafeName) {
    const std::pair<const char*, bool> names[] = {{"IN.001", true}, {"IN.A7x", true},  {"IN.0 1", false},
                                                  {"IN.00", false}, {"IN.00\r", false}, {"IN.0010", false},
                                                  {"in.001", false}, {"IN.00\x7f", false}, {"EGC.01", false}};
    for (const auto& [name, safe] : names) EXPECT_EQ(IsInboxFileName(QString::fromLatin1(name)), safe) << name;

    UseRemoteConfig();
    f.gSession.SetSystemTimeSet(true);
    Dispatch("ty IN.0 1 -b -k\r\nFile\r\nFrom\r\n<RC>x</RC>\r\ncan0:/$ ");
    Dispatch("ty IN.00\r\nFile\r\nFrom\r\n<RC>x</RC>\r\ncan0:/$ ");
    EXPECT_EQ(remote.Decoded, 2);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST(StripReplyFrame, CutsTheEchoTheTwoLinesAfterItAndThePrompt) {
    test::TestPlatform platform;
    Foundation f(platform.Os);
    Link link(f);
    link.Dialogue.CurrentPrompt = "can0:/$ ";
    for (const QString end : {"\n", "\r\n", "\r\r\n"}) {
        link.Dialogue.EchoTerminator = end;
        link.Dialogue.EchoTerminatorLength = static_cast<qint16>(end.size());
        const QString frame = "ty IN.001 -b -k" + end + "File IN.001" + end + "From LES 102" + end;
        EXPECT_EQ(StripReplyFrame(link, frame + "Body" + end + "more" + end + "can0:/$ "), "Body" + end + "more" + end);
        EXPECT_EQ(StripReplyFrame(link, frame + "can0:/$ "), "");
        EXPECT_EQ(StripReplyFrame(link, frame + "No prompt"), "No prompt");
        // Fewer than three line ends: the whole reply, less the prompt.
        EXPECT_EQ(StripReplyFrame(link, "ty IN.001" + end + "only" + end + "can0:/$ "), "ty IN.001" + end + "only" + end);
        EXPECT_EQ(StripReplyFrame(link, "ty IN.001can0:/$ "), "ty IN.001");
    }
}

}  // namespace
