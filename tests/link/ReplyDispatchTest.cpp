#include <gtest/gtest.h>

#include "DialogueFixture.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "link/CommandQueue.h"
#include "link/DispatchReply.h"
#include "link/ReplyRows.h"
#include "link/UploadChecks.h"
#include "support/QueuedTexts.h"

using namespace tidepost;
using test::DialogueFixture;

namespace {

// Every handler slot of the dispatch records its name (and, where it matters, its argument) in
// the fake window's call list, so a test sees the whole order of what a reply caused.
struct Dispatch : DialogueFixture {
    QStringList& calls = window.Calls;
    QStringList arguments;

    ReplyDispatch::Handler Record(const char* name) {
        return [this, name](const QString& reply) {
            calls.append(name);
            arguments.append(reply);
        };
    }
    ReplyDispatch::Action RecordAction(const char* name) {
        return [this, name] { calls.append(name); };
    }

    bool decodeEgcs = true;
    bool updateEgcLog = false;
    bool uploadSizeOk = true;
    bool gpsWindowVisible = false;
    bool positionWindowVisible = false;

    Dispatch() {
        link.Dialogue.EchoTerminator = "\r\n";
        link.Dialogue.EchoTerminatorLength = 2;
        ReplyDispatch& d = link.Dispatch;
        d.CheckInfos = Record("CheckInfos");
        d.CheckErrors = Record("CheckErrors");
        link.Dialogue.CheckCommEvent = RecordAction("CheckCommEvent");
        d.HandleVersionReply = Record("HandleVersionReply");
        d.HandleFixedPositionsReply = Record("HandleFixedPositionsReply");
        d.HandleLatestDistressReply = Record("HandleLatestDistressReply");
        d.HandleTransceiverStatusReply = Record("HandleTransceiverStatusReply");
        d.HandleLinkTestReply = Record("HandleLinkTestReply");
        d.HandleSignalStrengthReply = Record("HandleSignalStrengthReply");
        d.HandleStatusInfoReply = Record("HandleStatusInfoReply");
        d.HandleDnidListReply = Record("HandleDnidListReply");
        d.cENID.SaveData = Record("cENID.SaveData");
        link.Windows.ENIDForm.Show = RecordAction("ENIDForm.Show");
        d.HandleLesServicesReply = Record("HandleLesServicesReply");
        d.ParseSoftwareInfo = Record("ParseSoftwareInfo");
        link.Windows.GPSStatusForm.IsVisible = [this] { return gpsWindowVisible; };
        link.Windows.GPSStatusForm.SetCaption = [this](const QString& c) { calls.append("GPSStatusForm.Caption " + c); };
        link.Windows.GPSStatusForm.Show = RecordAction("GPSStatusForm.Show");
        d.HandleGpsStatusReply = Record("HandleGpsStatusReply");
        d.HandleSystemTimeReply = Record("HandleSystemTimeReply");
        d.SetPcClockFromTransceiver = Record("SetPcClockFromTransceiver");
        d.HandleUtcTextReply = Record("HandleUtcTextReply");
        d.HandleDistressGeneratorReply = Record("HandleDistressGeneratorReply");
        d.cOutBox.AddDistressAlert = [this](int s) { calls.append("cOutBox.AddDistressAlert " + QString::number(s)); };
        d.OutboxButton_Click = RecordAction("OutboxButton_Click");
        d.HandlePositionReply = Record("HandlePositionReply");
        link.Windows.PositionForm.IsVisible = [this] { return positionWindowVisible; };
        link.Windows.PositionForm.Show = RecordAction("PositionForm.Show");
        link.Windows.PositionForm.UpdatePosition = RecordAction("PositionForm.UpdatePosition");
        d.HandleDistressTestModeReply = Record("HandleDistressTestModeReply");
        d.HandleEGCReceiverOnlyReply = Record("HandleEGCReceiverOnlyReply");
        d.HandleEGCSettingsReply = Record("HandleEGCSettingsReply");
        d.HandleCoastalAreasReply = Record("HandleCoastalAreasReply");
        d.HandleSpareNavareasReply = Record("HandleSpareNavareasReply");
        d.HandlePrinterRoutingReply = Record("HandlePrinterRoutingReply");
        d.HandleRoutingMenuReply = Record("HandleRoutingMenuReply");
        d.CEGC.DecodeEGCs = [this](const QString&) {
            calls.append("CEGC.DecodeEGCs");
            return decodeEgcs;
        };
        d.CEGC.UpdateEgcLog = [this] { return updateEgcLog; };
        d.CEGC.DecodeEgcLog = Record("CEGC.DecodeEgcLog");
        d.CEGC.RepairEgcLog = RecordAction("CEGC.RepairEgcLog");
        d.CEGC.HandleEGCLog = Record("CEGC.HandleEGCLog");
        d.CEGC.Transfer = Record("CEGC.Transfer");
        d.HandleInboxListing = Record("HandleInboxListing");
        d.HandleInboxLog = Record("HandleInboxLog");
        d.Transfer_IN_To_PC = Record("Transfer_IN_To_PC");
        d.CheckUploadedFileSize = [this](const QString&, const QString& name, qint32 size) {
            calls.append("CheckUploadedFileSize " + name + " " + QString::number(size));
            return uploadSizeOk;
        };
        d.DeleteUploadedFile = [this](const QString& name) { calls.append("DeleteUploadedFile " + name); };
        d.MarkUploadFailed = [this](const QString& name) { calls.append("MarkUploadFailed " + name); };
        d.Print_Fetched_File = [this](QString& text) {
            calls.append("Print_Fetched_File");
            text.clear();  // the printing shortens its own copy
        };
        d.HandleProgramStatusReply = Record("HandleProgramStatusReply");
        d.HandleProgramListReply = Record("HandleProgramListReply");
        d.HandleMessageReportingReply = Record("HandleMessageReportingReply");
        d.UpdateLESList = Record("UpdateLESList");
        d.ClearOutboxAfterMesRestart = RecordAction("ClearOutboxAfterMesRestart");
        d.ExtractNatureOfDistress = Record("ExtractNatureOfDistress");
        d.ExtractOption112Les = Record("ExtractOption112Les");
        d.HandleTxEgcOnlyError = Record("HandleTxEgcOnlyError");
        d.HandleTxError = Record("HandleTxError");
    }

    QStringList Run(const QString& reply) {
        calls.clear();
        arguments.clear();
        Complete(reply);
        DispatchReply(link);
        return calls;
    }
};

// ---- learning the line end ----

struct LearnCase {
    const char* name;
    QString reply;
    QString terminator;  // "" when nothing is learnt
};

class LearnLineEnd : public Dispatch, public ::testing::WithParamInterface<LearnCase> {};

TEST_P(LearnLineEnd, FromStatusListReplies) {
    const LearnCase& c = GetParam();
    link.Dialogue.EchoTerminator.clear();
    link.Dialogue.EchoTerminatorLength = 0;
    const QStringList got = Run(c.reply);
    EXPECT_EQ(link.Dialogue.EchoTerminator, c.terminator);
    EXPECT_EQ(link.Dialogue.EchoTerminatorLength, c.terminator.size());
    if (c.terminator.isEmpty())
        EXPECT_FALSE(got.contains("CheckInfos"));
    else
        EXPECT_EQ(got.mid(0, 3), (QStringList{"CheckInfos", "CheckErrors", "CheckCommEvent"}));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, LearnLineEnd,
    ::testing::Values(LearnCase{"Lf", "st -l\nINFO 30: x\ncan0:/$ ", "\n"},
                      LearnCase{"CrLf", "st -l\r\nINFO 30: x\r\ncan0:/$ ", "\r\n"},
                      LearnCase{"CrCrLf", "st -l\r\r\nINFO 30: x\r\ncan0:/$ ", "\r\r\n"},
                      LearnCase{"BareCr", "st -l\rcan0:/$ ", ""},
                      LearnCase{"OtherCommand", "st -ls\r\ncan0:/$ ", ""},
                      LearnCase{"NotAtTheStart", "\r\nst -l\r\ncan0:/$ ", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dispatch, EveryStatusListRelearnsTheLineEnd) {
    Run("st -l\r\r\ncan0:/$ ");
    EXPECT_EQ(link.Dialogue.EchoTerminator, "\r\r\n");
    EXPECT_EQ(link.Dialogue.EchoTerminatorLength, 3);
    Run("st -l\r\ncan0:/$ ");
    EXPECT_EQ(link.Dialogue.EchoTerminator, "\r\n");
    EXPECT_EQ(link.Dialogue.EchoTerminatorLength, 2);
}

TEST_F(Dispatch, OtherRepliesKeepTheLearntLineEnd) {
    link.Dialogue.EchoTerminator = "\r\r\n";
    link.Dialogue.EchoTerminatorLength = 3;
    Run("ver\r\r\n1.0\r\ncan0:/$ ");
    EXPECT_EQ(link.Dialogue.EchoTerminator, "\r\r\n");
}

TEST_F(Dispatch, StatusListFeedsTheNotificationsAndNoRow) {
    const QStringList got = Run("st -l\r\nINFO 30: Logged in\r\ncan0:/$ ");
    EXPECT_EQ(got, (QStringList{"CheckInfos", "CheckErrors", "CheckCommEvent"}));
    EXPECT_EQ(arguments[0], "st -l\r\nINFO 30: Logged in\r\ncan0:/$ ");
}

// ---- which rows match ----

struct MatchCase {
    const char* name;
    QString reply;
    QList<int> rows;
    QString terminator = "\r\n";
};

class RowMatching : public Dispatch, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(RowMatching, SelectsRowsByTheEchoedCommand) {
    const MatchCase& c = GetParam();
    link.Dialogue.EchoTerminator = c.terminator;
    link.Dialogue.EchoTerminatorLength = static_cast<qint16>(c.terminator.size());
    EXPECT_EQ(MatchingRows(link, c.reply), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RowMatching,
    ::testing::Values(
        // echo: the command and the line end
        MatchCase{"EchoVer", "ver\r\n1.0\r\ncan0:/$ ", {1}},
        MatchCase{"EchoNeedsTheLearntLineEnd", "ver\r\r\n1.0", {}},
        MatchCase{"EchoIsCaseSensitive", "VER\r\n1.0", {}},
        MatchCase{"EchoWithLongerCommandIsNotThatRow", "verbose\r\n", {}},
        MatchCase{"PositionEchoRunsRow17Only", "se -p\r\n55 40 12 N\r\ncan0:/$ ", {17}},
        MatchCase{"PositionWithArgumentRunsRow24Only", "se -p 55 40\r\nok\r\ncan0:/$ ", {24}},
        MatchCase{"DistressTestStart", "se -q\r\n0\r\ncan0:/$ ", {18}},
        MatchCase{"DistressTestStartWithArgument", "se -q 1\r\n", {18}},
        MatchCase{"EgcSettingsRunsRow20Only", "se\r\nx\r\ncan0:/$ ", {20}},
        MatchCase{"ReceiverOnly", "se -e\r\n", {19}},
        MatchCase{"CoastalAreas", "se -x\r\n", {21}},
        MatchCase{"SpareNavareas", "se -sn\r\n", {22}},
        MatchCase{"PrinterRouting", "set -z\r\n", {23}},
        MatchCase{"DistressGenerator", "se -g\r\n", {16}},
        MatchCase{"DistressGeneratorWithArgument", "se -g 1 2\r\n", {25}},
        MatchCase{"FixedPositionsStart", "fx 3\r\n", {2}},
        MatchCase{"PrintFile", "print tideprnt.txt -d\r\n", {3}},
        MatchCase{"LatestDistress", "st -a\r\n", {4}},
        MatchCase{"Status", "st -w\r\n", {5}},
        MatchCase{"LinkTest", "st -m\r\n", {6}},
        MatchCase{"Signal", "st -s\r\n", {7}},
        MatchCase{"StatusInfo", "st -i\r\n", {8}},
        MatchCase{"Dnids", "st -d\r\n", {9}},
        MatchCase{"Enids", "st -g\r\n", {10}},
        MatchCase{"LesServices", "status -n\r\n", {11}},
        MatchCase{"Software", "st -v\r\n", {12}},
        MatchCase{"Gps", "ru -g\r\n", {13}},
        MatchCase{"SystemTime", "ti -u\r\n", {14}},
        MatchCase{"UtcText", "ti u\r\n", {15}},
        MatchCase{"RoutingMenu", "ro\r\n", {26}},
        MatchCase{"EgcListing", "ls EGC.*\r\n", {27}},
        MatchCase{"EgcLog", "st -e\r\n", {28}},
        MatchCase{"EgcFetch", "ty EGC.12\r\n", {29}},
        MatchCase{"EgcDeleteInCapitals", "DELETE EGC.5\r\n", {30}},
        MatchCase{"InboxListing", "ls IN.*\r\n", {31}},
        MatchCase{"InboxLog", "st -r\r\n", {32}},
        MatchCase{"InboxFetch", "ty IN.003\r\n", {33}},
        MatchCase{"InboxDeleteMixedCase", "Delete In.3\r\n", {34}},
        MatchCase{"TypeStart", "type report.txt\r\n", {36}},
        MatchCase{"ProgramStatus0", "pg -d 0\r\n", {37}},
        MatchCase{"ProgramStatus3", "pg -d 3\r\n", {40}},
        MatchCase{"ProgramList", "pg -d\r\n", {41}},
        MatchCase{"Reporting", "rs\r\n", {42}},
        MatchCase{"LesList", "st -n\r\n", {43}},
        MatchCase{"NatureOfDistress", "se -m \r\n", {45}},
        MatchCase{"Option112", "se -m ALL_OCEANS\r\n", {46}},
        MatchCase{"TxStart", "tx 1 2\r\n", {47}},
        // anywhere, letter case ignored
        MatchCase{"RestartAnywhere", "\r\nSTARTING application PROGRAM.\r\ncan0:/$ ", {44}},
        // several rows for one reply, in table order
        MatchCase{"EchoAndRestart", "se -p\r\nStarting application program.\r\n", {17, 44}},
        MatchCase{"TxAndRestart", "tx\r\nERROR 12: x\r\nStarting application program.", {44, 47}},
        // without a learnt line end an echo row compares the command alone
        MatchCase{"NoLineEndYet", "se -p 55", {17, 20, 24}, ""},
        MatchCase{"NoLineEndYetPgStatus", "pg -d 1\r\n", {38, 41}, ""},
        MatchCase{"BarePrompt", "\r\ncan0:/$ ", {}},
        MatchCase{"UnknownCommand", "se -r 1\r\ncan0:/$ ", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct UploadCheckCase {
    const char* name;
    QString sentFileName;
    QString reply;
    bool matches;
};

class UploadCheckRow : public Dispatch, public ::testing::WithParamInterface<UploadCheckCase> {};

TEST_P(UploadCheckRow, ComparesTheListingOfTheUploadedFile) {
    const UploadCheckCase& c = GetParam();
    if (!c.sentFileName.isEmpty()) BeginSentFileCheck(link, c.sentFileName, 250);
    EXPECT_EQ(MatchingRows(link, c.reply).contains(35), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Names, UploadCheckRow,
    ::testing::Values(UploadCheckCase{"TwelveCharacters", "AB123456.TXT", "ls AB123456.TXT\r\n 250\r\ncan0:/$ ", true},
                      UploadCheckCase{"OtherFile", "AB123456.TXT", "ls AB123457.TXT\r\n 250\r\n", false},
                      UploadCheckCase{"NoLineEndAfter", "AB123456.TXT", "ls AB123456.TXTX\r\n", false},
                      UploadCheckCase{"ShorterName", "AB12345.TXT", "ls AB12345.TXT\r\n", false},
                      UploadCheckCase{"NoPendingCheck", "", "ls \r\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- what the rows do ----

struct ActionCase {
    const char* name;
    QString reply;
    QStringList calls;
};

class RowActions : public Dispatch, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(RowActions, CallTheirHandlersInOrder) {
    const ActionCase& c = GetParam();
    EXPECT_EQ(Run(c.reply), c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowActions,
    ::testing::Values(
        ActionCase{"Version", "ver\r\n", {"HandleVersionReply"}},
        ActionCase{"FixedPositions", "fx 1\r\n", {"HandleFixedPositionsReply"}},
        ActionCase{"PrintFileUnloadsTheWaitWindow", "print tideprnt.txt -d\r\n", {"UnloadWaitForm"}},
        ActionCase{"LinkTest", "st -m\r\n", {"HandleLinkTestReply"}},
        ActionCase{"Signal", "st -s\r\n", {"HandleSignalStrengthReply"}},
        ActionCase{"StatusInfo", "st -i\r\n", {"HandleStatusInfoReply"}},
        ActionCase{"EnidsSaveUnloadShow", "st -g\r\n", {"cENID.SaveData", "UnloadWaitForm", "ENIDForm.Show"}},
        ActionCase{"LesServices", "status -n\r\n", {"HandleLesServicesReply"}},
        ActionCase{"Software", "st -v\r\n", {"ParseSoftwareInfo"}},
        ActionCase{"GpsNotRequested", "ru -g\r\n", {"HandleGpsStatusReply"}},
        ActionCase{"SystemTimeWithoutClockRequest", "ti -u\r\n", {"HandleSystemTimeReply"}},
        ActionCase{"UtcText", "ti u\r\n", {"HandleUtcTextReply"}},
        ActionCase{"DistressGeneratorWithoutPendingAlert", "se -g\r\n", {"HandleDistressGeneratorReply"}},
        ActionCase{"PositionNotRequested", "se -p\r\n", {"HandlePositionReply"}},
        ActionCase{"DistressTestMode", "se -q\r\n", {"HandleDistressTestModeReply"}},
        ActionCase{"ReceiverOnly", "se -e\r\n", {"HandleEGCReceiverOnlyReply"}},
        ActionCase{"EgcSettings", "se\r\n", {"HandleEGCSettingsReply"}},
        ActionCase{"CoastalAreas", "se -x\r\n", {"HandleCoastalAreasReply"}},
        ActionCase{"SpareNavareas", "se -sn\r\n", {"HandleSpareNavareasReply"}},
        ActionCase{"PrinterRouting", "set -z\r\n", {"HandlePrinterRoutingReply"}},
        ActionCase{"RoutingMenu", "ro\r\n", {"HandleRoutingMenuReply"}},
        ActionCase{"EgcLogWithoutRepair", "st -e\r\n", {"CEGC.HandleEGCLog"}},
        ActionCase{"EgcFetch", "ty EGC.1\r\n", {"CEGC.Transfer"}},
        ActionCase{"InboxLog", "st -r\r\n", {"HandleInboxLog"}},
        ActionCase{"InboxFetch", "ty IN.001\r\n", {"Transfer_IN_To_PC"}},
        ActionCase{"ProgramStatus", "pg -d 2\r\n", {"HandleProgramStatusReply"}},
        ActionCase{"Reporting", "rs\r\n", {"HandleMessageReportingReply"}},
        ActionCase{"LesList", "st -n\r\n", {"UpdateLESList"}},
        ActionCase{"RestartTakesNoArgument", "xx\r\nstarting application program.\r\n", {"ClearOutboxAfterMesRestart"}},
        ActionCase{"NatureOfDistress", "se -m \r\n", {"ExtractNatureOfDistress"}},
        ActionCase{"Option112", "se -m ALL_OCEANS\r\n", {"ExtractOption112Les"}},
        ActionCase{"TxEgcOnlyErrorInLowerCase", "tx\r\nerror 250: EGC only\r\n", {"HandleTxEgcOnlyError"}},
        ActionCase{"TxOtherError", "tx\r\nError 12: busy\r\n", {"HandleTxError"}},
        ActionCase{"TxWithoutError", "tx\r\nMessage queued\r\n", {}},
        ActionCase{"Unclaimed", "se -r 1\r\ncan0:/$ ", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dispatch, AfterDispatchTheEngineIsIdleAndShowsProcessing) {
    Run("ver\r\n1.0\r\ncan0:/$ ");
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_EQ(window.Label1, "Processing");
}

TEST_F(Dispatch, UploadEchoGoesOnToStreaming) {
    Run("tr AB123456.TXT -b 250\r\n");
    EXPECT_EQ(link.Dialogue.DialogueState, 3);
}

TEST_F(Dispatch, HandlersGetTheWholeReply) {
    Run("st -m\r\nLink test OK\r\ncan0:/$ ");
    EXPECT_EQ(arguments, QStringList{"st -m\r\nLink test OK\r\ncan0:/$ "});
}

TEST_F(Dispatch, StatusReplyLosesThePromptLength) {
    link.Dialogue.CurrentPrompt = "can0:/$ ";
    Run("st -w\r\nStatus\r\ncan0:/$ ");
    EXPECT_EQ(arguments, QStringList{"st -w\r\nStatus\r\n"});

    // After a time-out the reply has no prompt: the same number of characters of text go.
    Run("st -w\r\nStatus: partial");
    EXPECT_EQ(arguments, QStringList{"st -w\r\nStatus:"});
    Run("st -w\r\n");
    EXPECT_EQ(arguments, QStringList{""});
}

TEST_F(Dispatch, LatestDistressOnlyWhenRequestedAndTheRequestEnds) {
    EXPECT_TRUE(Run("st -a\r\n").isEmpty());
    EXPECT_FALSE(link.Requests.LatestDistressRequested);
    link.Requests.LatestDistressRequested = true;
    EXPECT_EQ(Run("st -a\r\n"), QStringList{"HandleLatestDistressReply"});
    EXPECT_FALSE(link.Requests.LatestDistressRequested);
}

TEST_F(Dispatch, DnidEchoAloneKeepsReceivingThenTheWholeReplyReachesTheParser) {
    link.Dialogue.CurrentPrompt = "can0:/$ ";
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("st -d\r\n");
    Tick();
    platform.Clock.AdvanceMs(4001);
    Tick();  // only the echo came: it ends by the time-out
    ASSERT_EQ(link.Dialogue.DialogueState, 2);
    calls.clear();
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 1) << "row 9 keeps the engine receiving";
    EXPECT_EQ(link.Dialogue.ReplyBuffer, "st -d\r\n");
    EXPECT_FALSE(calls.contains("HandleDnidListReply"));

    Arrive("1234 5\r\ncan0:/$ ");
    Tick();
    Tick();
    ASSERT_EQ(link.Dialogue.DialogueState, 2);
    Tick();
    EXPECT_TRUE(calls.contains("HandleDnidListReply"));
    EXPECT_EQ(arguments.last(), "st -d\r\n1234 5\r\ncan0:/$ ");
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

TEST_F(Dispatch, ProgramListEchoAloneKeepsReceiving) {
    link.Requests.PUReplyMode = 2;
    Run("pg -d\r\n");
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_TRUE(calls.isEmpty());

    EXPECT_EQ(Run("pg -d\r\n1 2\r\ncan0:/$ "), QStringList{"HandleProgramListReply"});
    EXPECT_EQ(link.Dialogue.DialogueState, 0);

    link.Requests.PUReplyMode = 1;
    EXPECT_TRUE(Run("pg -d\r\n1 2\r\ncan0:/$ ").isEmpty());
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

TEST_F(Dispatch, GpsStatusRequestShowsItsWindow) {
    gpsWindowVisible = true;
    link.Requests.GpsStatusRequested = true;
    EXPECT_EQ(Run("ru -g\r\n"), (QStringList{"GPSStatusForm.Caption GPS Status Updating...", "HandleGpsStatusReply",
                                            "UnloadWaitForm", "GPSStatusForm.Show"}));
    EXPECT_FALSE(link.Requests.GpsStatusRequested);
}

TEST_F(Dispatch, PcClockFollowsOnlyWhenRequested) {
    link.Requests.SetPcClockRequested = true;
    EXPECT_EQ(Run("ti -u\r\n"), (QStringList{"HandleSystemTimeReply", "SetPcClockFromTransceiver"}));
}

TEST_F(Dispatch, PendingDistressAlertGoesToTheOutbox) {
    f.gSession.SetAddDistressAlertToOutbox(true);
    f.gSession.SetDistressAlertStatus(2);
    EXPECT_EQ(Run("se -g\r\n"),
              (QStringList{"HandleDistressGeneratorReply", "cOutBox.AddDistressAlert 2", "OutboxButton_Click"}));
    EXPECT_FALSE(f.gSession.AddDistressAlertToOutbox());
    EXPECT_EQ(Run("se -g\r\n"), QStringList{"HandleDistressGeneratorReply"});
}

TEST_F(Dispatch, RequestedPositionWindowIsShownOnceAndUpdatedEveryTime) {
    link.Requests.PositionFormRequested = true;
    EXPECT_EQ(Run("se -p\r\n"), (QStringList{"HandlePositionReply", "UnloadWaitForm", "PositionForm.Show",
                                            "PositionForm.UpdatePosition"}));
    positionWindowVisible = true;
    EXPECT_EQ(Run("se -p\r\n"), (QStringList{"HandlePositionReply", "PositionForm.UpdatePosition"}));
    EXPECT_TRUE(link.Requests.PositionFormRequested) << "the flag stays set";
}

TEST_F(Dispatch, PositionCommandWithArgumentHidesTheBusyWindow) {
    EXPECT_TRUE(Run("se -p 1\r\n").isEmpty());
    window.PleaseWaitVisible = true;
    EXPECT_EQ(Run("se -p 1\r\n"), QStringList{"HidePleaseWait"});
}

TEST_F(Dispatch, DistressGeneratorErrorIsQueued) {
    EXPECT_EQ(Run("se -g 1 2\r\nERROR 17: bad LES\r\ncan0:/$ "), QStringList{"UnloadWaitForm"});
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{"ERROR 17: bad LES\r\n\r\nDistress generator not updated."});

    // A unit ending its lines with LF alone is heard too.
    Run("se -g 1 2\nERROR 301: Invalid parameter\ncan0:/$ ");
    EXPECT_EQ(test::DrainErrorQueue(f),
              QStringList{"ERROR 301: Invalid parameter\r\n\r\nDistress generator not updated."});

    Run("se -g 1 2\r\nOK\r\ncan0:/$ ");
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty()) << "nothing without an ERROR line";
}

TEST_F(Dispatch, EgcListingStartsTheDownloadWhenThereIsSomethingToFetch) {
    EXPECT_EQ(Run("ls EGC.*\r\nEGC.1\r\n"), QStringList{"CEGC.DecodeEGCs"});
    EXPECT_TRUE(f.gSession.ProcessingEgcs());
    EXPECT_TRUE(window.TimerOn("EGCTimer"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -e\r\n");

    // A second listing while the download runs changes nothing.
    EXPECT_TRUE(Run("ls EGC.*\r\nEGC.1\r\n").isEmpty());
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -e\r\n");
}

TEST_F(Dispatch, EgcListingWithNothingNewEndsTheDownloadAtOnce) {
    decodeEgcs = false;
    Run("ls EGC.*\r\n");
    EXPECT_FALSE(f.gSession.ProcessingEgcs());
    EXPECT_FALSE(window.TimerOn("EGCTimer"));
    EXPECT_EQ(window.TimerCalls, (QStringList{"EGCTimer on", "EGCTimer off"}));
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(Dispatch, EgcListingWithoutAnEgcHandlerStartsNoDownload) {
    link.Dispatch.CEGC.DecodeEGCs = nullptr;
    Run("ls EGC.*\r\n");
    EXPECT_FALSE(f.gSession.ProcessingEgcs());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(Dispatch, EgcLogRepairOrFetch) {
    updateEgcLog = true;
    EXPECT_EQ(Run("st -e\r\n"), (QStringList{"CEGC.DecodeEgcLog", "CEGC.RepairEgcLog"}));
    updateEgcLog = false;
    link.Dialogue.CommandQueue = "delete EGC.4\r\n";
    EXPECT_TRUE(Run("st -e\r\n").isEmpty()) << "deletes still queued: the log is not handled";
}

struct DeleteCase {
    const char* name;
    QString reply;
    QString queued;
    bool egcsAfter;
    bool msgsAfter;
};

class DeleteRows : public Dispatch, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteRows, LastAnsweredDeleteEndsTheDownload) {
    const DeleteCase& c = GetParam();
    f.gSession.SetProcessingEgcs(true);
    f.gSession.SetProcessingMsgs(true);
    window.Timers["EGCTimer"] = true;
    window.Timers["MessageTimer"] = true;
    link.Dialogue.CommandQueue = c.queued;
    Run(c.reply);
    EXPECT_EQ(f.gSession.ProcessingEgcs(), c.egcsAfter);
    EXPECT_EQ(window.TimerOn("EGCTimer"), c.egcsAfter);
    EXPECT_EQ(f.gSession.ProcessingMsgs(), c.msgsAfter);
    EXPECT_EQ(window.TimerOn("MessageTimer"), c.msgsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Deletes, DeleteRows,
    ::testing::Values(DeleteCase{"LastEgcDelete", "DELETE EGC.5\r\ncan0:/$ ", "", false, true},
                      DeleteCase{"EgcDeleteStillQueued", "DELETE EGC.5\r\n", "delete EGC.6\r\n", true, true},
                      DeleteCase{"EgcDeleteQueuedInOtherCase", "delete EGC.5\r\n", "DELETE egc.6\r\n", true, true},
                      DeleteCase{"LastInboxDelete", "delete IN.2\r\n", "st -l\r\n", true, false},
                      DeleteCase{"InboxDeleteStillQueued", "delete IN.2\r\n", "delete IN.3\r\n", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dispatch, InboxListingStartsTheMessageDownloadOnce) {
    EXPECT_EQ(Run("ls IN.*\r\nIN.001\r\n"), QStringList{"HandleInboxListing"});
    EXPECT_TRUE(f.gSession.ProcessingMsgs());
    EXPECT_TRUE(window.TimerOn("MessageTimer"));
    EXPECT_TRUE(Run("ls IN.*\r\nIN.001\r\n").isEmpty());
}

TEST_F(Dispatch, UploadCheckThatPassesOnlyEndsTheCheck) {
    BeginSentFileCheck(link, "AB123456.TXT", 250);
    link.Dialogue.CommandQueue = "tx AB123456.TXT -c 112\n";
    EXPECT_EQ(Run("ls AB123456.TXT\r\n 250\r\ncan0:/$ "), QStringList{"CheckUploadedFileSize AB123456.TXT 250"});
    ASSERT_EQ(link.Requests.SentFileChecks.size(), 1) << "followed until its submission is answered";
    EXPECT_TRUE(link.Requests.SentFileChecks[0].SizeChecked);
    EXPECT_EQ(link.Dialogue.CommandQueue, "tx AB123456.TXT -c 112\n");
    EXPECT_EQ(ErrorQueue(f).Count(), 0);

    // The check is over: a later listing of the same file matches no row.
    EXPECT_TRUE(Run("ls AB123456.TXT\r\n 250\r\ncan0:/$ ").isEmpty());
    // The answer to the submission ends the upload's road.
    EXPECT_TRUE(Run("tx AB123456.TXT -c 112\r\ncan0:/$ ").isEmpty());
    EXPECT_TRUE(link.Requests.SentFileChecks.isEmpty());
}

TEST_F(Dispatch, UploadCheckThatFailsWarnsDeletesTheFileAndWithdrawsTheSubmission) {
    uploadSizeOk = false;
    BeginSentFileCheck(link, "AB123456.TXT", 250);
    link.Dialogue.CommandQueue = "st -l\r\ntx AB123456.TXT -c 112 -n\n";
    EXPECT_EQ(Run("ls AB123456.TXT\r\n 249\r\ncan0:/$ "),
              (QStringList{"CheckUploadedFileSize AB123456.TXT 250", "DeleteUploadedFile AB123456.TXT",
                           "MarkUploadFailed AB123456.TXT"}));
    ASSERT_EQ(ErrorQueue(f).Count(), 1);
    EXPECT_EQ(ErrorQueue(f).Peek().toString(), "Error: The message 'AB123456.TXT' was possibly sent with errors.");
    EXPECT_TRUE(link.Requests.SentFileChecks.isEmpty());
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\n") << "no cut file is submitted";
}

TEST_F(Dispatch, EveryUploadOfASendHasItsOwnCheck) {
    BeginSentFileCheck(link, "AB000001.TXT", 100);
    BeginSentFileCheck(link, "AB000002.TXT", 200);
    EXPECT_EQ(MatchingRows(link, "ls AB000001.TXT\r\n"), QList<int>{35});
    EXPECT_EQ(MatchingRows(link, "ls AB000002.TXT\r\n"), QList<int>{35});
    EXPECT_EQ(Run("ls AB000002.TXT\r\n 200\r\ncan0:/$ "), QStringList{"CheckUploadedFileSize AB000002.TXT 200"});
    EXPECT_EQ(Run("ls AB000001.TXT\r\n 100\r\ncan0:/$ "), QStringList{"CheckUploadedFileSize AB000001.TXT 100"});
    EXPECT_TRUE(Run("tx AB000001.TXT -c 1\r\nERROR 121: DNID not found\r\ncan0:/$ ").contains("HandleTxError"));
    ASSERT_EQ(link.Requests.SentFileChecks.size(), 1);
    EXPECT_EQ(link.Requests.SentFileChecks[0].SentFileName, "AB000002.TXT");
}

TEST_F(Dispatch, FetchedTextIsPrintedWhileReportsArePrinted) {
    EXPECT_EQ(Run("type REPORT.017\r\ntext\r\n"), QStringList{"Print_Fetched_File"});
    platform.Settings.Save(f.gProductName, "Messages", "PrintReports", "0");
    EXPECT_TRUE(Run("type REPORT.017\r\ntext\r\n").isEmpty());
}

TEST_F(Dispatch, PrintingItsCopyLeavesTheReplyWholeForLaterRows) {
    EXPECT_EQ(Run("type X\r\nStarting application program.\r\n"),
              (QStringList{"Print_Fetched_File", "ClearOutboxAfterMesRestart"}));
}

TEST_F(Dispatch, RowsWithoutHandlersDoNothing) {
    link.Dispatch = ReplyDispatch{};
    for (const char* reply : {"ver\r\n", "st -w\r\n", "se -p\r\n", "ls IN.*\r\n", "tx\r\nERROR 250:\r\n", "ru -g\r\n"})
        EXPECT_NO_THROW(Run(reply)) << reply;
    EXPECT_TRUE(f.gSession.ProcessingMsgs()) << "the dispatch's own part still runs";
}

TEST_F(Dispatch, WhileTheTerminalIsOpenNoRowRunsButTheLineEndIsLearnt) {
    link.Windows.TerminalModeForm = &terminal;
    terminal.Visible = true;
    link.Dialogue.EchoTerminator.clear();
    EXPECT_EQ(Run("st -l\r\r\nINFO 30: x\r\ncan0:/$ "), (QStringList{"CheckInfos", "CheckErrors", "CheckCommEvent"}));
    EXPECT_EQ(link.Dialogue.EchoTerminator, "\r\r\n");
    EXPECT_TRUE(Run("ver\r\r\n1.0\r\ncan0:/$ ").isEmpty());
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

TEST_F(Dispatch, TerminalSeesTheReplyBeforeTheDispatch) {
    link.Windows.TerminalModeForm = &terminal;
    terminal.Visible = true;
    link.Dialogue.ShowReplyInTerminal = [this] { calls.append("ShowReplyInTerminal " + link.Dialogue.ReplyBuffer); };
    Complete("st -l\r\ncan0:/$ ");
    Tick();
    EXPECT_EQ(calls.first(), "ShowReplyInTerminal st -l\r\ncan0:/$ ");
    EXPECT_EQ(calls.mid(1), (QStringList{"CheckInfos", "CheckErrors", "CheckCommEvent"}));
}

TEST_F(Dispatch, HiddenTerminalIsNotShownTheReply) {
    link.Windows.TerminalModeForm = &terminal;
    link.Dialogue.ShowReplyInTerminal = [this] { calls.append("ShowReplyInTerminal"); };
    Complete("ver\r\n");
    Tick();
    EXPECT_EQ(calls, QStringList{"HandleVersionReply"});
}

TEST(ReplyRows, AreTheFixedTableInOrder) {
    const auto& rows = ReplyRows();
    for (int i = 0; i < int(rows.size()); ++i) EXPECT_EQ(rows[i].Number, i + 1);
    EXPECT_STREQ(rows[34].Text, "ls ");
    EXPECT_EQ(rows[29].Match, ReplyMatch::StartIgnoringCase);
    EXPECT_EQ(rows[43].Match, ReplyMatch::AnywhereIgnoringCase);
}

}  // namespace

namespace {

// A transceiver that echoes a listing command and then says nothing more must not hold the
// dialogue: the rest of the reply gets one more quiet period, then the next command goes out.
struct EchoOnlyCase {
    const char* name;
    const char* command;
};

class EchoOnlyThenSilence : public Dispatch, public ::testing::WithParamInterface<EchoOnlyCase> {};

TEST_P(EchoOnlyThenSilence, GivesUpAfterOneMoreQuietPeriodAndSendsTheNextCommand) {
    const QString command = GetParam().command;
    link.Requests.PUReplyMode = 2;
    link.Dialogue.CommandQueue = command + "\r\nver\r\n";
    Tick();
    ASSERT_EQ(Sent(), command + "\r\n");
    Arrive((command + "\r\n").toLatin1());
    Tick();
    for (int i = 0; i < 200 && link.Dialogue.DialogueState != 0; ++i) {
        platform.Clock.AdvanceMs(500);
        Tick();
    }
    EXPECT_EQ(link.Dialogue.DialogueState, 0) << "the dialogue is held by a reply that never goes on";
    Tick();
    EXPECT_EQ(Sent(), command + "\r\nver\r\n");
    EXPECT_FALSE(calls.contains("HandleDnidListReply"));
    EXPECT_FALSE(calls.contains("HandleProgramListReply"));
}

TEST_P(EchoOnlyThenSilence, RestArrivingInTheExtraPeriodIsStillTaken) {
    const QString command = GetParam().command;
    link.Requests.PUReplyMode = 2;
    link.Dialogue.CurrentPrompt = "can0:/$ ";
    link.Dialogue.CommandQueue = command + "\r\n";
    Tick();
    Arrive((command + "\r\n").toLatin1());
    Tick();
    platform.Clock.AdvanceMs(4001);
    Tick();  // the echo alone ends by the time-out
    Tick();  // and is sent back to receiving
    ASSERT_EQ(link.Dialogue.DialogueState, 1);
    platform.Clock.AdvanceMs(3900);
    Tick();
    ASSERT_EQ(link.Dialogue.DialogueState, 1) << "the extra period counts from the dispatch";
    Arrive("1 2\r\ncan0:/$ ");
    Tick();
    Tick();
    ASSERT_EQ(link.Dialogue.DialogueState, 2);
    calls.clear();
    Tick();
    EXPECT_TRUE(calls.contains("HandleDnidListReply") || calls.contains("HandleProgramListReply"));
    EXPECT_EQ(arguments.last(), command + "\r\n1 2\r\ncan0:/$ ");
}

INSTANTIATE_TEST_SUITE_P(Listings, EchoOnlyThenSilence,
                         ::testing::Values(EchoOnlyCase{"Dnids", "st -d"}, EchoOnlyCase{"ProgramList", "pg -d"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
