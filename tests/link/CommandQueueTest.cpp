#include <gtest/gtest.h>

#include <functional>

#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/SerialLink.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct QueueFixture : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};

    QStringList TakeAllLines() {
        QStringList lines;
        for (QString l = TakeFirstCommandLine(link); !l.isEmpty(); l = TakeFirstCommandLine(link))
            lines.append(l);
        return lines;
    }
};

struct QueueCall {
    QString cmd;
    bool allowDuplicate;
    bool atFront;
    bool added;
};

struct QueueCase {
    const char* name;
    QString before;
    QList<QueueCall> calls;
    QString after;
};

class QueueCommandCases : public QueueFixture, public ::testing::WithParamInterface<QueueCase> {};

TEST_P(QueueCommandCases, AddsOrRefuses) {
    const QueueCase& c = GetParam();
    link.Dialogue.CommandQueue = c.before;
    for (const QueueCall& call : c.calls)
        EXPECT_EQ(QueueCommand(link, call.cmd, call.allowDuplicate, call.atFront), call.added) << call.cmd.toStdString();
    EXPECT_EQ(link.Dialogue.CommandQueue, c.after);
    EXPECT_FALSE(link.Dialogue.CommandQueueBusy);
}

INSTANTIATE_TEST_SUITE_P(
    Queue, QueueCommandCases,
    ::testing::Values(
        QueueCase{"TwiceWithoutDuplicatesKeepsOne", "",
                  {{"st -l", false, false, true}, {"st -l", false, false, false}}, "st -l\r\n"},
        QueueCase{"TwiceWithDuplicatesKeepsBoth", "",
                  {{"st -l", true, false, true}, {"st -l", true, false, true}}, "st -l\r\nst -l\r\n"},
        QueueCase{"LongerQueuedCommandCountsAsQueued", "st -l 5\r\n",
                  {{"st -l", false, false, false}}, "st -l 5\r\n"},
        QueueCase{"CommandFollowedByCrCountsAsQueued", "st -l\r",
                  {{"st -l", false, false, false}}, "st -l\r"},
        QueueCase{"DuplicateTestHeedsLetterCase", "ST -L\r\n",
                  {{"st -l", false, false, true}}, "ST -L\r\nst -l\r\n"},
        QueueCase{"FrontPutsAnEmptyLineFirst", "Y\r\n",
                  {{"X", false, true, true}}, "\r\nX\r\nY\r\n"},
        QueueCase{"FrontDuplicateRefused", "minic -f\r\n",
                  {{"minic -f", false, true, false}}, "minic -f\r\n"},
        QueueCase{"EmptyAtTheEndChangesNothing", "ver\r\n",
                  {{"", true, false, false}}, "ver\r\n"},
        QueueCase{"CommandWithItsOwnLf", "",
                  {{"st -n\n", true, false, true}}, "st -n\n\r\n"},
        QueueCase{"TwoLinesInOneCall", "",
                  {{"st -v\r\nst -i", true, false, true}}, "st -v\r\nst -i\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QueueFixture, FrontInsertionGoesOutAsEmptyLineThenCommandThenTheRest) {
    QueueCommand(link, "Y", false, false);
    QueueCommand(link, "X", false, true);
    EXPECT_EQ(TakeAllLines(), (QStringList{"\r\n", "X\r\n", "Y\r\n"}));
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(QueueFixture, CommandWithItsOwnLfGoesOutAsTwoLines) {
    QueueCommand(link, "st -n\n", true, false);
    EXPECT_EQ(TakeAllLines(), (QStringList{"st -n\n", "\r\n"}));
}

TEST_F(QueueFixture, LinesEndAtEveryLfAndTextWithoutLfWaits) {
    // The direct writers add raw text: an upload submission ends with a bare LF.
    link.Dialogue.CommandQueue = "tx 1\nver\r\npartial";
    EXPECT_EQ(TakeFirstCommandLine(link), "tx 1\n");
    EXPECT_EQ(TakeFirstCommandLine(link), "ver\r\n");
    EXPECT_EQ(TakeFirstCommandLine(link), "");
    EXPECT_EQ(link.Dialogue.CommandQueue, "partial");
    link.Dialogue.CommandQueue += "\r\n";
    EXPECT_EQ(TakeFirstCommandLine(link), "partial\r\n");
    EXPECT_EQ(TakeFirstCommandLine(link), "");
    EXPECT_FALSE(link.Dialogue.CommandQueueBusy);
}

TEST_F(QueueFixture, IsCommandQueuedIgnoresLetterCase) {
    link.Dialogue.CommandQueue = "st -l\r\ndelete EGC.5\r\n";
    EXPECT_TRUE(IsCommandQueued(link, "delete egc."));
    EXPECT_TRUE(IsCommandQueued(link, "DELETE EGC."));
    EXPECT_TRUE(IsCommandQueued(link, "ST -L"));
    EXPECT_FALSE(IsCommandQueued(link, "delete IN."));
    link.Dialogue.CommandQueue.clear();
    EXPECT_FALSE(IsCommandQueued(link, "delete egc."));
}

struct AdmissionCase {
    const char* name;
    bool closingDown;
    bool egcs;
    bool msgs;
    QString cmd;
    bool allowed;
};

class Admission : public QueueFixture, public ::testing::WithParamInterface<AdmissionCase> {};

TEST_P(Admission, WhileClosingOnlyDownloadCommandsPass) {
    const AdmissionCase& c = GetParam();
    link.Dialogue.ClosingDown = c.closingDown;
    f.gSession.SetProcessingEgcs(c.egcs);
    f.gSession.SetProcessingMsgs(c.msgs);
    EXPECT_EQ(IsCommandAllowed(link, c.cmd), c.allowed);
    // QueueCommand uses the same gate and adds nothing when refused.
    EXPECT_EQ(QueueCommand(link, c.cmd, true, false), c.allowed);
    EXPECT_EQ(link.Dialogue.CommandQueue, c.allowed ? c.cmd + "\r\n" : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Queue, Admission,
    ::testing::Values(
        AdmissionCase{"NotClosingPoll", false, false, false, "st -l", true},
        AdmissionCase{"NotClosingUserCommand", false, true, true, "ls EGC.*", true},
        AdmissionCase{"MsgsFetch", true, false, true, "ty IN.12", true},
        AdmissionCase{"MsgsDeleteInCapitals", true, false, true, "DELETE IN.7", true},
        AdmissionCase{"MsgsLog", true, false, true, "st -r", true},
        AdmissionCase{"MsgsEgcListingRefused", true, false, true, "ls EGC.*", false},
        AdmissionCase{"MsgsPollRefused", true, false, true, "st -l", false},
        AdmissionCase{"MsgsEgcFetchRefused", true, false, true, "ty EGC.3", false},
        AdmissionCase{"EgcsFetchLowerCase", true, true, false, "ty egc.3", true},
        AdmissionCase{"EgcsLog", true, true, false, "st -e", true},
        AdmissionCase{"EgcsDelete", true, true, false, "delete EGC.5", true},
        AdmissionCase{"EgcsMessageFetchRefused", true, true, false, "ty IN.5", false},
        AdmissionCase{"BothMessageDelete", true, true, true, "delete IN.2", true},
        AdmissionCase{"BothPollRefused", true, true, true, "ver", false},
        AdmissionCase{"NoDownloadRefusesAll", true, false, false, "ty IN.5", false},
        AdmissionCase{"TestModeEndPasses", true, false, false, "se -q 0", true},
        AdmissionCase{"TestModeStartRefused", true, false, false, "se -q 1", false},
        AdmissionCase{"TestModeQueryRefused", true, false, false, "se -q", false}),
    [](const auto& info) { return std::string(info.param.name); });

// The transceiver status window's seams, recording what the queue tells it.
struct StatusWindow {
    explicit StatusWindow(Link& link) {
        auto& form = link.Windows.TransceiverStatusForm;
        form.IsVisible = [this] { return Visible; };
        form.SetCaption = [this, &link](const QString& caption) {
            Captions.append(caption);
            BusyWhileSet = BusyWhileSet || link.Dialogue.CommandQueueBusy;
        };
    }
    bool Visible = true;
    QStringList Captions;
    bool BusyWhileSet = false;
};

TEST_F(QueueFixture, QueuingTheStatusCommandTellsAVisibleStatusWindow) {
    StatusWindow window(link);

    EXPECT_TRUE(QueueCommand(link, "st -w", false, true));
    EXPECT_EQ(window.Captions, QStringList{"Transceiver Status updating..."});
    EXPECT_FALSE(window.BusyWhileSet);

    // Only the exact command counts.
    QueueCommand(link, "st -w ", true, false);
    QueueCommand(link, "ST -W", true, false);
    EXPECT_EQ(window.Captions.size(), 1);

    // A refused duplicate returns before the window hears of it.
    EXPECT_FALSE(QueueCommand(link, "st -w", false, false));
    EXPECT_EQ(window.Captions.size(), 1);

    window.Visible = false;
    EXPECT_TRUE(QueueCommand(link, "st -w", true, false));
    EXPECT_EQ(window.Captions.size(), 1);
}

TEST_F(QueueFixture, RefusedWhileClosingTheStatusWindowIsNotTold) {
    StatusWindow window(link);
    link.Dialogue.ClosingDown = true;
    EXPECT_FALSE(QueueCommand(link, "st -w", true, false));
    EXPECT_TRUE(window.Captions.isEmpty());
}

// The main window rests Timer1 while the dialogue has nothing to do; every way a line or a reply
// comes in tells it, refused lines do not.
TEST_F(QueueFixture, WorkArrivingTellsTheWindowAtOnce) {
    test::FakeLinkWindow window;
    link.Windows.Window = &window;
    EXPECT_TRUE(QueueCommand(link, "st -l", false, false));
    EXPECT_EQ(window.WorkArrivals, 1);
    EXPECT_FALSE(QueueCommand(link, "st -l", false, false)) << "a duplicate";
    EXPECT_FALSE(QueueCommand(link, "", false, false)) << "empty at the end";
    EXPECT_EQ(window.WorkArrivals, 1);
    EXPECT_TRUE(QueueCommand(link, "st -i", false, true));
    PutAnswerAtHead(link, "y");
    EXPECT_EQ(window.WorkArrivals, 3);

    // A character at the serial port while idle starts a reply.
    AttachSerialLink(link);
    platform.Serial.Open();
    platform.Serial.SetRThreshold(1);
    platform.Serial.PushIncoming("INFO");
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_EQ(window.WorkArrivals, 4);

    link.Dialogue.ClosingDown = true;
    EXPECT_FALSE(QueueCommand(link, "st -p", false, false));
    EXPECT_EQ(window.WorkArrivals, 4);
}

struct HasWorkCase {
    const char* name;
    std::function<void(LinkDialogue&)> set;
    bool work;
};

class DialogueWork : public QueueFixture, public ::testing::WithParamInterface<HasWorkCase> {};

TEST_P(DialogueWork, IsWhatKeepsTimer1Running) {
    link.Dialogue.ReceiveThreshold = 1;  // the idle step has run
    GetParam().set(link.Dialogue);
    EXPECT_EQ(DialogueHasWork(link), GetParam().work);
}

INSTANTIATE_TEST_SUITE_P(
    States, DialogueWork,
    ::testing::Values(HasWorkCase{"Idle", [](LinkDialogue& d) { d.ReceiveThreshold = 1; }, false},
                      HasWorkCase{"IdleStepDueAfterAReply", [](LinkDialogue& d) { d.ReceiveThreshold = 0; }, true},
                      HasWorkCase{"LineQueued", [](LinkDialogue& d) { d.CommandQueue = "st -l\r\n"; }, true},
                      HasWorkCase{"TextWithoutLineEnd", [](LinkDialogue& d) { d.CommandQueue = "st"; }, true},
                      HasWorkCase{"AwaitingAReply", [](LinkDialogue& d) { d.DialogueState = 1; }, true},
                      HasWorkCase{"ReplyComplete", [](LinkDialogue& d) { d.DialogueState = 2; }, true},
                      HasWorkCase{"Streaming", [](LinkDialogue& d) { d.DialogueState = 3; }, true},
                      HasWorkCase{"TerminalAskedFor", [](LinkDialogue& d) { d.TerminalModeRequested = true; }, true},
                      HasWorkCase{"DebugDisplay", [](LinkDialogue& d) { d.DebugMode = -1; }, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
