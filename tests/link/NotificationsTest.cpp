#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

#include "foundation/CSession.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/IDistressModeWindow.h"
#include "link/IMobileStatusField.h"
#include "link/Link.h"
#include "link/CInfo.h"
#include "link/DispatchReply.h"
#include "sim/SimShell.h"
#include "support/FakeMainForm.h"
#include "support/FakeNotificationsWindow.h"
#include "support/FakeTransceiver.h"
#include "support/TestPlatform.h"
#include "support/FakeMobileStatusField.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

const QString kPrompt = "can0:/$ ";
const QString kStx = QString(QChar(2));
const QString kEtx = QString(QChar(3));

class FakeDistressModeForm : public IDistressModeWindow {
public:
    bool IsVisible() const override { return false; }
    void HandleEvent(int event) override { Events.append(event); }
    void ShowModal(QWidget*) override {}
    int GetState() const override { return 0; }
    void EndTest() override {}
    QList<int> Events;
};

// One recorded entry as the info-log view got it.
struct Seen {
    int type;
    int number;
    QString text;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* os) { *os << s.type << "/" << s.number << "/" << s.text.toStdString(); }

struct Notifications : ::testing::Test {
    void SetUp() override {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.Windows.MainForm = &mainForm;
        link.Windows.NotificationsWindow = &window;
        link.Windows.StatusField = &statusField;
        link.Windows.DistressModeForm = &distressForm;
        link.Dialogue.CurrentPrompt = kPrompt;
        link.Notifications.SetDistressTestModeActive = [this](bool active) { testModeFlags.append(active); };
    }

    // A status-list reply: the echo, the entries (each line ended by CR LF) and the prompt.
    static QString Reply(const QStringList& lines, const QString& echoEnd = "\r\n") {
        QString body;
        for (const QString& line : lines) body += line + "\r\n";
        return "st -l" + echoEnd + body + kPrompt;
    }
    void Walk(const QString& reply) {
        EXPECT_TRUE(CInfo(link).CheckInfos(reply));
        EXPECT_TRUE(CInfo(link).CheckErrors(reply));
    }
    QList<Seen> Recorded() const {
        QList<Seen> out;
        for (const auto& row : window.Rows) out.append({row.Type, row.Number, row.Text});
        return out;
    }
    // The queued message boxes, oldest first; the queue is emptied.
    QStringList Boxes() {
        QStringList out;
        cErrorQueue& queue = ErrorQueue(f);
        while (queue.Count() > 0) out.append(queue.Dequeue().toString());
        return out;
    }
    QString Status() const { return mainForm.StatusPanels.value(2); }

    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    FakeMainForm mainForm;
    FakeNotificationsWindow window;
    test::FakeMobileStatusField statusField;
    FakeDistressModeForm distressForm;
    QList<bool> testModeFlags;
};

// --- Cutting the reply into entries ---------------------------------------------------------

TEST_F(Notifications, EntriesAreCutAtTheNextEntryOrThePrompt) {
    const QString failed = "Transmission failed.\r\nLES 21 Destination " + kStx + "29       File OUT.021" + kEtx;
    struct Case {
        const char* name;
        QString reply;
        QList<Seen> expected;
    } cases[] = {
        {"one entry", Reply({"INFO 21: Distress Acknowledgement received"}),
         {{1, 21, "Distress Acknowledgement received"}}},
        {"padded numbers and a text over several lines",
         Reply({"INFO   80: Transmission failed.", "LES 21 Destination " + kStx + "29       File OUT.021" + kEtx,
                "INFO  811: Message queued"}),
         {{1, 80, failed}, {1, 811, "Message queued"}}},
        {"a zero-padded number", Reply({"INFO 080: Transmission failed."}), {{1, 80, "Transmission failed."}}},
        {"an INFO text ends before an ERROR line and the other way round",
         Reply({"INFO 30: Logged in", "more of 30", "ERROR 255: Bad thing", "more of 255", "INFO 40: After"}),
         {{1, 30, "Logged in\r\nmore of 30"}, {1, 40, "After"}, {2, 255, "Bad thing\r\nmore of 255"}}},
        {"several errors", Reply({"ERROR 111: one", "ERROR 125: two"}), {{2, 111, "one"}, {2, 125, "two"}}},
        {"an LF-only echo", Reply({"INFO 21: First", "ERROR 906: Err"}, "\n"), {{1, 21, "First"}, {2, 906, "Err"}}},
        {"a CR CR LF echo", Reply({"ERROR 906: Err", "INFO 21: Second"}, "\r\r\n"),
         {{1, 21, "Second"}, {2, 906, "Err"}}},
        {"a made-up reply beginning with its entry", "ERROR 333: Made up\r\n" + kPrompt, {{2, 333, "Made up"}}},
        {"an empty text", Reply({"INFO 30:"}), {{1, 30, ""}}},
        {"an entry with nothing after its keyword", Reply({"INFO ", "ERROR 1: x"}),
         {{1, 0, "Unknown info received from mobile"}, {2, 1, "x"}}},
        {"a colon in the text", Reply({"INFO 30: at 12:30"}), {{1, 30, "at 12:30"}}},
        {"no entries", Reply({"Nothing to report"}), {}},
        {"lower case is no entry", Reply({"info 30: x", "Error 30: y"}), {}},
    };
    for (const Case& c : cases) {
        window.Rows.clear();
        Walk(c.reply);
        EXPECT_EQ(Recorded(), c.expected) << c.name;
    }
}

// A shell may end every line of its reply the way it ends the echo line: the entries, their texts
// and the walk's end at the prompt read the same with each of the three line ends.
TEST_F(Notifications, EveryLineEndOfTheShellCutsTheSameEntries) {
    for (const QString& lineEnd : QStringList{"\n", "\r\n", "\r\r\n"}) {
        const auto lines = [&lineEnd](const QStringList& parts) { return parts.join(lineEnd) + lineEnd; };
        struct Case {
            const char* name;
            QString body;
            QList<Seen> expected;
        } cases[] = {
            {"one entry at the very end", lines({"INFO 21: Distress Acknowledgement received"}),
             {{1, 21, "Distress Acknowledgement received"}}},
            {"a text over several lines, then an error and an info",
             lines({"INFO   80: Transmission failed.", "LES 21 Destination " + kStx + "29       File OUT.021" + kEtx,
                    "ERROR 906: Err", "INFO  811: Call rejected:", "You are not allowed to use the system."}),
             {{1, 80, "Transmission failed." + lineEnd + "LES 21 Destination " + kStx + "29       File OUT.021" + kEtx},
              {1, 811, "Call rejected:" + lineEnd + "You are not allowed to use the system."},
              {2, 906, "Err"}}},
            {"an empty line before the prompt", lines({"INFO 30: Logged in", ""}), {{1, 30, "Logged in"}}},
            {"empty lines between entries", lines({"INFO 30: Logged in", "", "ERROR 111: Broken", ""}),
             {{1, 30, "Logged in"}, {2, 111, "Broken"}}},
        };
        for (const Case& c : cases) {
            window.Rows.clear();
            mainForm.StatusPanels.clear();
            Walk("st -l" + lineEnd + c.body + kPrompt);
            EXPECT_EQ(Recorded(), c.expected) << c.name << " / line end of " << lineEnd.size();
            EXPECT_FALSE(Status().endsWith('\r') || Status().endsWith('\n')) << c.name;
        }
        Boxes();
    }
}

// A reply cut off by the time-out has no prompt whichever line end the shell uses.
TEST_F(Notifications, EveryLineEndWithoutPromptIsUnknown) {
    for (const QString& lineEnd : QStringList{"\n", "\r\n", "\r\r\n"}) {
        window.Rows.clear();
        Walk("st -l" + lineEnd + "INFO 30: Logged in" + lineEnd + "ERROR 111: Broken" + lineEnd);
        EXPECT_EQ(Recorded(), (QList<Seen>{{1, 0, "Unknown Info(s)"}, {2, 0, "Unknown error(s) received from mobile"}}))
            << lineEnd.size();
    }
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(Notifications, RecordGoesToStatusBarLogAndView) {
    Walk(Reply({"INFO 080: Transmission failed.", "second line"}));
    EXPECT_EQ(Status(), "2012-07-03 09:05:00: INFO 80: Transmission failed. second line");
    const QList<InfoLogEntry> log = link.Notifications.gInfoLog.ReadInfoLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].InfoType, 1);
    EXPECT_EQ(log[0].InfoNumber, 80);
    EXPECT_EQ(log[0].InfoMessage, "Transmission failed. second line");
    EXPECT_EQ(log[0].oDate, platform.Clock.Now());
    ASSERT_EQ(window.Rows.size(), 1);
    EXPECT_EQ(window.Rows[0].Date, platform.Clock.Now());

    Walk(Reply({"ERROR 111: Broken"}));
    EXPECT_EQ(Status(), "2012-07-03 09:05:00: ERROR 111: Broken");
    EXPECT_EQ(link.Notifications.gInfoLog.ReadInfoLog().first().InfoType, 2);
}

TEST_F(Notifications, UnreadableNumbersAreRecordedAsUnknownAndTheWalkGoesOn) {
    for (const QString& number : QStringList{"0", "abc", "000", "40000", "99999999999999999999", "-5", "8e1"}) {
        window.Rows.clear();
        Boxes();
        Walk(Reply({"INFO " + number + ": Strange", "INFO 30: Next"}));
        EXPECT_EQ(Recorded(), (QList<Seen>{{1, 0, "Unknown info received from mobile"}, {1, 30, "Next"}}))
            << number.toStdString();
        EXPECT_EQ(Boxes(), QStringList{"INFO 30: Next"}) << number.toStdString();
    }
}

TEST_F(Notifications, UnknownInfoShowsNumberZeroInTheStatusBar) {
    Walk(Reply({"INFO Strange without colon"}));
    EXPECT_EQ(Recorded(), (QList<Seen>{{1, 0, "Unknown info received from mobile"}}));
    EXPECT_EQ(Status(), "2012-07-03 09:05:00: INFO 0: Unknown info received from mobile");
}

TEST_F(Notifications, UnreadableErrorNumbersGetABoxAndTheWalkGoesOn) {
    for (const QString& number : QStringList{"0", "abc", "40000"}) {
        window.Rows.clear();
        mainForm.StatusPanels.clear();
        Walk(Reply({"ERROR " + number + ": Strange", "ERROR 111: Next"}));
        EXPECT_EQ(Recorded(), (QList<Seen>{{2, 0, "Unknown error received from mobile"}, {2, 111, "Next"}}))
            << number.toStdString();
        EXPECT_EQ(Boxes(), (QStringList{"Unknown error received from mobile: " + number, "ERROR 111: Next"}));
    }
    // The unreadable entry alone puts nothing in the status bar.
    Walk(Reply({"ERROR xyz: Strange"}));
    EXPECT_EQ(Status(), "2012-07-03 09:05:00: ERROR 111: Next");
}

TEST_F(Notifications, ReplyWithoutPromptIsRecordedAsUnknownAndNotHandled) {
    const QString cut = "st -l\r\nINFO 30: Logged in\r\nERROR 111: Broken\r\n";
    Walk(cut);
    EXPECT_EQ(Recorded(),
              (QList<Seen>{{1, 0, "Unknown Info(s)"}, {2, 0, "Unknown error(s) received from mobile"}}));
    EXPECT_EQ(Status(), "2012-07-03 09:05:00: ERROR 000: Unknown error(s) received from mobile");
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());

    window.Rows.clear();
    CInfo(link).CheckInfos(cut);
    EXPECT_EQ(Status(), "2012-07-03 09:05:00: INFO 000: Unknown Info(s)");
}

TEST_F(Notifications, BufferIsLeftUnchanged) {
    const QString reply = Reply({"INFO 30: a", "ERROR 111: b"});
    const QString copy = reply;
    Walk(reply);
    EXPECT_EQ(reply, copy);
}

// --- Boxes and silent numbers --------------------------------------------------------------

TEST_F(Notifications, BoxesAndSilentNumbers) {
    struct Case {
        int number;
        int mobileType;
        bool box;
        bool recorded;
    } cases[] = {
        {20, 0, true, true},   {40, 0, true, true},   {80, 0, true, true},  {552, 0, true, true},
        {819, 0, true, true},  {116, 0, true, true},  {31, 0, false, true}, {811, 0, false, true},
        {111, 1, false, true}, {111, 2, true, true},  {111, 0, true, true}, {193, 1, false, true},
        {193, 3, true, true},  {393, 0, false, false}, {403, 0, false, false}, {492, 0, false, false},
    };
    for (const Case& c : cases) {
        window.Rows.clear();
        link.Notifications.Info116Shown = false;
        f.gSession.SetMobileType(c.mobileType);
        Walk(Reply({"INFO " + QString::number(c.number) + ": Text of it"}));
        const QStringList expectedBoxes =
            c.box ? QStringList{"INFO " + QString::number(c.number) + ": Text of it"} : QStringList{};
        EXPECT_EQ(Boxes(), expectedBoxes) << c.number << " type " << c.mobileType;
        EXPECT_EQ(window.Rows.size(), c.recorded ? 1 : 0) << c.number;
    }
}

TEST_F(Notifications, SilentNumberChangesNothingVisible) {
    Walk(Reply({"INFO 393: Chatter"}));
    EXPECT_TRUE(mainForm.StatusPanels.isEmpty());
    EXPECT_TRUE(link.Notifications.gInfoLog.ReadInfoLog().isEmpty());
    EXPECT_TRUE(window.Rows.isEmpty());
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(Notifications, Info116BoxOnlyOncePerRun) {
    Walk(Reply({"INFO 116: Once"}));
    EXPECT_EQ(Boxes(), QStringList{"INFO 116: Once"});
    EXPECT_TRUE(link.Notifications.Info116Shown);
    Walk(Reply({"INFO 116: Once"}));
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_EQ(link.Notifications.gInfoLog.ReadInfoLog().size(), 2);
}

TEST_F(Notifications, ErrorBoxes) {
    for (int number : {111, 125, 255, 325, 333, 906}) {
        Walk(Reply({"ERROR " + QString::number(number) + ": Fault"}));
        EXPECT_EQ(Boxes(), QStringList{"ERROR " + QString::number(number) + ": Fault"}) << number;
    }
    for (int number : {1, 112, 253, 999}) {
        Walk(Reply({"ERROR " + QString::number(number) + ": Fault"}));
        EXPECT_TRUE(Boxes().isEmpty()) << number;
    }
    EXPECT_EQ(link.Notifications.gInfoLog.ReadInfoLog().size(), 10);
}

// --- Reactions -----------------------------------------------------------------------------

TEST_F(Notifications, StatusQueryIsQueuedOnceWithItsCaseRule) {
    struct Case {
        int number;
        QString queued;
        QString expected;
    } cases[] = {
        {30, "", "st -w\r\n"},
        {60, "", "st -w\r\n"},
        {61, "", "st -w\r\n"},
        {500, "", "st -w\r\n"},
        {501, "", "st -w\r\n"},
        {30, "st -w\r\n", "st -w\r\n"},
        {30, "ST -W\r\n", "ST -W\r\nst -w\r\n"},  // these look for it exactly as written
        {220, "", "st -w\r\n"},
        {221, "", "st -w\r\n"},
        {220, "ver\r\nst -w\r\n", "ver\r\nst -w\r\n"},
        {221, "ST -W\r\n", "ST -W\r\n"},  // these in any letter case
        {363, "St -W\r\n", "St -W\r\n"},
        {363, "", "st -w\r\n"},
    };
    for (const Case& c : cases) {
        link.Dialogue.CommandQueue = c.queued;
        Walk(Reply({"INFO " + QString::number(c.number) + ": Status changed"}));
        EXPECT_EQ(link.Dialogue.CommandQueue, c.expected) << c.number << " with " << c.queued.toStdString();
    }
}

TEST_F(Notifications, TwoStatusNotificationsInOneReplyQueueOneQuery) {
    Walk(Reply({"INFO 30: Logged in", "INFO 220: Sync", "INFO 60: Logged out"}));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -w\r\n");
}

TEST_F(Notifications, Info119AsksForTheDistressGeneratorUnlessNonSolas) {
    struct Case {
        int solasType;
        int productType;
        QString expected;
    } cases[] = {
        {0, 2, "se -g\r\n"},
        {2, 4, "se -g\r\nse -m ALL_OCEANS\r\n"},
        {0, 5, "se -g\r\nse -m ALL_OCEANS\r\n"},
        {1, 4, ""},
    };
    for (const Case& c : cases) {
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetSolasType(c.solasType);
        f.gSession.SetProductType(c.productType);
        Walk(Reply({"INFO 119: Distress generator changed"}));
        EXPECT_EQ(link.Dialogue.CommandQueue, c.expected) << c.solasType << "/" << c.productType;
    }
}

TEST_F(Notifications, TestModeNotice) {
    Walk(Reply({"INFO 502: Test mode"}));
    EXPECT_EQ(statusField.Notices,
              QStringList{"Automatic test mode: Normal communication disabled. Do not press any distress button "
                          "unless you are in distress."});
    EXPECT_EQ(window.NoticeHidden, 0);
    Walk(Reply({"INFO 353: Normal"}));
    EXPECT_EQ(window.NoticeHidden, 1);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    Walk(Reply({"INFO 363: Normal"}));
    EXPECT_EQ(window.NoticeHidden, 2);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -w\r\n");
}

TEST_F(Notifications, Info552PaintsTheStatusFieldAndCounts) {
    Walk(Reply({"INFO 552: Alarm", "INFO 552: Alarm", "INFO 552: Alarm"}));
    EXPECT_EQ(statusField.Paints, (QList<StatusFieldColours>(3, StatusFieldColours::Alarm)));
    EXPECT_EQ(link.Notifications.Info552Count, 3);
}

TEST_F(Notifications, Info132ShowsTheWholeEntry) {
    Walk(Reply({"INFO 132: Message from LES", "line two"}));
    EXPECT_EQ(Boxes(), QStringList{"INFO 132: Message from LES\r\nline two"});
}

TEST_F(Notifications, DistressTestModeEnteredAndLeft) {
    Walk(Reply({"INFO 733: Test mode entered"}));
    EXPECT_EQ(distressForm.Events, QList<int>{1});
    EXPECT_EQ(testModeFlags, QList<bool>{true});
    EXPECT_EQ(window.DistressTestWindowRequests, 1);
    Walk(Reply({"INFO 803: Test mode left"}));
    EXPECT_EQ(distressForm.Events, (QList<int>{1, 3}));
    EXPECT_EQ(testModeFlags, (QList<bool>{true, true}));
    EXPECT_EQ(window.DistressTestWindowRequests, 1);
}

TEST_F(Notifications, ReactionsWithoutTheirWindowsDoNothing) {
    link.Windows.NotificationsWindow = nullptr;
    link.Windows.StatusField = nullptr;
    link.Windows.DistressModeForm = nullptr;
    link.Notifications.SetDistressTestModeActive = nullptr;
    f.Windows.MainForm = nullptr;
    Walk(Reply({"INFO 20: a", "INFO 80: b", "INFO 130: c", "INFO 141: d", "INFO 353: e", "INFO 502: f",
                "INFO 552: g", "INFO 733: h", "INFO 803: i"}));
    EXPECT_EQ(link.Notifications.Info552Count, 1);
    EXPECT_EQ(link.Notifications.gInfoLog.ReadInfoLog().size(), 9);
}

TEST_F(Notifications, DeliveryStatusReactionsGetTheirEntries) {
    QStringList calls;
    DeliveryStatusReactions& d = link.Notifications.DeliveryStatus;
    const auto named = [&calls](const QString& name) {
        return [&calls, name](const QString& entry) {
            calls.append(name + "|" + entry);
            return true;
        };
    };
    d.HandleInfo20 = named("20");
    d.HandleInfo21 = named("21");
    d.HandleInfo22 = named("22");
    d.HandleInfo80 = named("80");
    d.HandleInfo81 = named("81");
    d.HandleInfo82 = named("82");
    d.HandleInfo130 = [&calls] {
        calls.append("130");
        return true;
    };
    d.HandleInfo131 = [&calls] {
        calls.append("131");
        return true;
    };
    d.HandleInfo140_141 = [&calls](const QString& entry, bool confirmed) {
        calls.append(QString(confirmed ? "141|" : "140|") + entry);
        return true;
    };
    Walk(Reply({"INFO 20: Failed", "INFO 21: Distress Acknowledgement received", "INFO 22: Sending",
                "INFO   80: Transmission failed.", "LES 21 " + kStx + "File OUT.021" + kEtx,
                "INFO 81: Reference number 123456 File OUT.021", "INFO 82: File OUT.021", "INFO 130: c",
                "INFO 131: c", "INFO 140: Reference number 1 failure code: 12", "INFO 141: Reference number 2",
                "INFO 30: no reaction of the outbox"}));
    EXPECT_EQ(calls, (QStringList{"20|INFO 20: Failed", "21|INFO 21: Distress Acknowledgement received",
                                  "22|INFO 22: Sending",
                                  "80|INFO   80: Transmission failed.\r\nLES 21 " + kStx + "File OUT.021" + kEtx,
                                  "81|INFO 81: Reference number 123456 File OUT.021", "82|INFO 82: File OUT.021",
                                  "130", "131", "140|INFO 140: Reference number 1 failure code: 12",
                                  "141|INFO 141: Reference number 2"}));
}

TEST_F(Notifications, ReactionRunsAfterRecordAndBox) {
    QStringList seenAtReaction;
    link.Notifications.DeliveryStatus.HandleInfo21 = [&](const QString&) {
        seenAtReaction.append(QString::number(window.Rows.size()));
        seenAtReaction.append(QString::number(ErrorQueue(f).Count()));
        return true;
    };
    Walk(Reply({"INFO 21: Distress Acknowledgement received"}));
    EXPECT_EQ(seenAtReaction, (QStringList{"1", "1"}));
    EXPECT_EQ(Boxes(), QStringList{"INFO 21: Distress Acknowledgement received"});
}

// A reaction that fails is recorded once more, and the entries behind it are still handled.
TEST_F(Notifications, FailingReactionDoesNotLoseTheEntriesBehindIt) {
    link.Notifications.DeliveryStatus.HandleInfo21 = [](const QString&) -> bool { throw std::runtime_error("outbox"); };
    Walk(Reply({"INFO 21: Ack", "INFO 30: Next"}));
    EXPECT_EQ(Recorded(), (QList<Seen>{{1, 21, "Ack"}, {1, 21, "Ack"}, {1, 30, "Next"}}));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -w\r\n");
}

TEST_F(Notifications, Error253FetchesAndDeletesTheReport) {
    struct Case {
        QString text;
        QString expected;
    } cases[] = {
        {"REPORT.017 written", "type REPORT.017\r\ndelete REPORT.017\r\n"},
        {"Report file is REPORT.A12", "type REPORT.A12\r\ndelete REPORT.A12\r\n"},
        {"No report", ""},
        {"report.017 written", ""},
        // A name cut short by the line end would delete another file.
        {"REPORT.01", ""},
        {"REPORT.01 x", ""},
    };
    for (const Case& c : cases) {
        link.Dialogue.CommandQueue.clear();
        Walk(Reply({"ERROR 253: " + c.text}));
        EXPECT_EQ(link.Dialogue.CommandQueue, c.expected) << c.text.toStdString();
        EXPECT_TRUE(Boxes().isEmpty());
    }
}

// --- Through the reply dispatch ------------------------------------------------------------

TEST_F(Notifications, DispatchHandsEveryStatusListToBothWalks) {
    for (const QString& echoEnd : QStringList{"\n", "\r\n", "\r\r\n"}) {
        window.Rows.clear();
        link.Dialogue.CommandQueue.clear();
        link.Dialogue.ReplyBuffer = Reply({"INFO   30: Logged in", "to LES 112", "ERROR 253: REPORT.017 written",
                                  "INFO 080: Transmission failed."},
                                 echoEnd);
        link.Dialogue.DialogueState = 2;
        DispatchReply(link);
        EXPECT_EQ(link.Dialogue.EchoTerminator, echoEnd);
        EXPECT_EQ(Recorded(), (QList<Seen>{{1, 30, "Logged in\r\nto LES 112"},
                                           {1, 80, "Transmission failed."},
                                           {2, 253, "REPORT.017 written"}}))
            << echoEnd.size();
        EXPECT_EQ(link.Dialogue.CommandQueue, "st -w\r\ntype REPORT.017\r\ndelete REPORT.017\r\n");
    }
}

TEST_F(Notifications, OtherRepliesAreNotWalked) {
    link.Dialogue.ReplyBuffer = "st -w\r\nINFO 30: Not a status list\r\n" + kPrompt;
    link.Dialogue.DialogueState = 2;
    DispatchReply(link);
    EXPECT_TRUE(window.Rows.isEmpty());
}

// The whole road: the engine sends the poll, collects the scripted transceiver's reply over
// several reads and dispatches it.
TEST_F(Notifications, StatusListFromTheTransceiver) {
    for (const QString& echoEnd : QStringList{"\n", "\r\n", "\r\r\n"}) {
        window.Rows.clear();
        platform.Serial.Close();
        ASSERT_EQ(platform.Serial.Open(), ISerialControl::OpenOk);
        FakeTransceiver shell(platform.Serial);
        shell.EchoTerminator = echoEnd;
        shell.On("st -l", FakeTransceiver::Lines({"INFO   80: Transmission failed.",
                                                  "LES 21 Destination " + kStx + "29       File OUT.021" + kEtx,
                                                  "ERROR 111: Broken", "INFO 116: Once"}))
            .ChunkSizes = {7, 20, 5};
        ASSERT_TRUE(QueueCommand(link, "st -l", true, false));
        for (int tick = 0; tick < 30 && !(tick > 0 && link.Dialogue.DialogueState == 0 && shell.Idle()); ++tick)
            Timer1_Timer(link);
        EXPECT_EQ(Recorded(), (QList<Seen>{{1, 80, "Transmission failed.\r\nLES 21 Destination " + kStx +
                                                       "29       File OUT.021" + kEtx},
                                           {1, 116, "Once"},
                                           {2, 111, "Broken"}}))
            << echoEnd.size();
        EXPECT_TRUE(shell.AllAnswered());
    }
}

// The simulator's status list has the shapes the walk reads, with every line end it can use.
TEST_F(Notifications, SimulatorStatusList) {
    const QStringList ends = {"\n", "\r\n", "\r\r\n"};
    for (const QString& echoEnd : ends) {
        for (const QString& lineEnd : ends) {
            window.Rows.clear();
            sim::SimShell shell;
            shell.EchoTerminator = echoEnd;
            shell.LineEnd = lineEnd;
            shell.AddInfo("  80",
                          "Transmission failed.\r\nLES 21 Destination " + kStx + "29       File OUT.021" + kEtx);
            shell.AddInfo("080", "Again");
            shell.AddError("253", "REPORT.017 written");
            shell.AddInfo(" 811", "Message queued");
            const QString reply = shell.ReplyTo("st -l");
            link.Dialogue.CurrentPrompt = shell.Prompt;
            Walk(reply);
            EXPECT_EQ(Recorded(), (QList<Seen>{{1, 80, "Transmission failed." + lineEnd + "LES 21 Destination " + kStx +
                                                           "29       File OUT.021" + kEtx},
                                               {1, 80, "Again"},
                                               {1, 811, "Message queued"},
                                               {2, 253, "REPORT.017 written"}}))
                << echoEnd.size() << "/" << lineEnd.size();
        }
    }
}

}  // namespace
