#include <QDir>
#include <QFile>
#include <ostream>

#include "DialogueFixture.h"
#include "link/CommandQueue.h"
#include "link/DispatchReply.h"
#include "link/UploadStreaming.h"
#include "support/FakeTransceiver.h"

using namespace tidepost;
using test::DialogueFixture;

namespace {

// The engine after the echo of an upload command, with the sent-items folder "sent items" of the
// data folder and the upload window's bar recorded call by call.
struct Streaming : DialogueFixture {
    QStringList progress;
    QString outbox = platform.DataFolder() + "/sent items";

    Streaming() {
        QDir().mkpath(outbox);
        f.gOutboxDir = outbox + "\\";  // a folder as the settings file may write it
        f.gSession.SetMesConnected(true);
        auto& bar = link.Windows.MSG_Transfer;
        bar.Show = [this] { progress.append("Show"); };
        bar.Hide = [this] { progress.append("Hide"); };
        bar.SetMin = [this](int v) { progress.append("Min " + QString::number(v)); };
        bar.SetMax = [this](int v) { progress.append("Max " + QString::number(v)); };
        bar.SetValue = [this](int v) { progress.append(QString::number(v)); };
    }

    void WriteOutbox(const QString& name, const QByteArray& bytes) const {
        QFile file(outbox + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The echo has come whole: the dispatch hands it to the streaming, whose first tick prepares
    // and whose first tick 100 ms later writes.
    void Echo(const QString& echo) {
        Complete(echo);
        Tick();
        ASSERT_EQ(link.Dialogue.DialogueState, 3);
    }
    void Stream() {
        Tick();
        platform.Clock.AdvanceMs(100);
        Tick();
    }
    QList<QByteArray> Writes() const { return platform.Serial.Writes; }
};

QByteArray Text(int length) {
    QByteArray text;
    for (int i = 0; i < length; ++i) text += char('a' + i % 26);
    return text;
}

struct PieceCase {
    int length;
    QList<int> pieces;      // sizes of the pieces written
    QStringList progress;   // the upload window's calls
};
void PrintTo(const PieceCase& c, std::ostream* os) { *os << c.length << " bytes"; }

class Pieces : public Streaming, public ::testing::WithParamInterface<PieceCase> {};

TEST_P(Pieces, FileGoesOutInPiecesOfAHundredAfterItsPause) {
    const PieceCase& c = GetParam();
    const QByteArray text = Text(c.length);
    WriteOutbox("12070301.out", text);
    Echo("tr 12070301.OUT -b " + QString::number(c.length) + "\r\n");

    Tick();  // prepares: the window, nothing written yet
    EXPECT_TRUE(platform.Serial.Writes.isEmpty());
    EXPECT_EQ(window.Label1, "Message to mobile");
    EXPECT_EQ(platform.Serial.RThreshold, 0) << "no receive events during the transfer";
    platform.Clock.AdvanceMs(99);
    Tick();
    EXPECT_TRUE(platform.Serial.Writes.isEmpty()) << "the transceiver has its pause after the echo";

    platform.Clock.AdvanceMs(1);
    Tick();
    QList<int> sizes;
    for (const QByteArray& w : Writes()) sizes.append(int(w.size()));
    EXPECT_EQ(sizes, c.pieces);
    EXPECT_EQ(platform.Serial.Written(), text);
    EXPECT_EQ(progress, c.progress);
    EXPECT_EQ(link.Dialogue.DialogueState, 1) << "now the answer to the upload";
    EXPECT_TRUE(link.Dialogue.ReplyBuffer.isEmpty());
    EXPECT_EQ(platform.Serial.RThreshold, 1);
    EXPECT_EQ(link.Dialogue.LastActivityTime, platform.Clock.MonotonicMs());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, Pieces,
    ::testing::Values(PieceCase{250, {100, 100, 50}, {"Min 1", "Max 300", "Show", "100", "200", "300", "Hide"}},
                      PieceCase{350, {100, 100, 100, 50}, {"Min 1", "Max 500", "Show", "100", "200", "300", "400", "500", "Hide"}},
                      PieceCase{0, {}, {"Min 1", "Max 100", "Show", "100", "Hide"}},
                      PieceCase{150, {100, 50}, {"Min 1", "Max 300", "Show", "100", "200", "300", "Hide"}}),
    [](const auto& info) { return "Length" + std::to_string(info.param.length); });

TEST_F(Streaming, AMissingFileStreamsNothing) {
    Echo("tr 12070309.out -b 5\r\n");
    Stream();
    EXPECT_TRUE(Writes().isEmpty());
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(Streaming, CyrillicGoesOutInCodePage866OnlyWhenChosenWithTheRussianInterface) {
    // "А а р Ё" in windows-1251.
    const QByteArray cp1251("\xC0 \xE0 \xF0 \xA8");
    WriteOutbox("12070301.out", cp1251);
    const struct {
        int language;
        quint8 codePage;
        QByteArray sent;
    } cases[] = {
        {1049, 1, QByteArray("\x80 \xA0 \xE0 \xA8")},
        {1049, 0, cp1251},
        {1033, 1, cp1251},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language * 10 + c.codePage);
        platform.Serial.Writes.clear();
        f.Strings.CurrentLanguageId = c.language;
        link.Transfer.SendCodePage = c.codePage;
        Echo("tr 12070301.out -b 7\r\n");
        Stream();
        EXPECT_EQ(platform.Serial.Written(), c.sent);
    }
}

TEST_F(Streaming, PrinterTextGoesOutOnlyForThePrinterFile) {
    WriteOutbox("12070301.out", "message");
    link.Transfer.RawTransferMode = true;
    link.Transfer.RawTransferText = "print me";

    // A message's echo streams its own file, whatever the printer waits for.
    Echo("tr 12070301.out -b 7\r\n");
    Stream();
    EXPECT_EQ(platform.Serial.Written(), "message");
    EXPECT_TRUE(link.Transfer.RawTransferMode);
    EXPECT_FALSE(window.Calls.contains("ShowWaitForm"));

    platform.Serial.Writes.clear();
    progress.clear();
    Echo("tr tideprnt.txt -b 8\r\n");
    Stream();
    EXPECT_EQ(platform.Serial.Written(), "print me");
    EXPECT_TRUE(window.Calls.contains("ShowWaitForm"));
    EXPECT_EQ(progress, (QStringList{"Min 1", "Max 100", "100", "Hide"})) << "the upload window stays hidden";
    EXPECT_FALSE(link.Transfer.RawTransferMode) << "once";
    EXPECT_TRUE(link.Transfer.RawTransferText.isEmpty());
}

TEST_F(Streaming, NothingGoesOutForANameThatIsNoPlainFileOrAnEchoAlreadyAnswered) {
    WriteOutbox("12070301.out", "message");
    platform.WriteDataFile("secret.txt", "secret");
    const char* echoes[] = {
        "tr ../secret.txt -b 6\r\n",
        "tr /etc/hostname -b 6\r\n",
        "tr sub\\secret.txt -b 6\r\n",
        "tr .hidden -b 6\r\n",
        "tr \r\n",
    };
    for (const char* echo : echoes) {
        SCOPED_TRACE(echo);
        Echo(echo);
        Stream();
        EXPECT_TRUE(Writes().isEmpty());
        EXPECT_EQ(link.Dialogue.DialogueState, 1) << "the answer to the upload command is still to come";
    }
    // Back at the prompt, the shell reads no upload: the file would run as commands. Its answer
    // has come, so the engine goes on with the next command.
    for (const char* echo : {"tr 12070301.out -b 7\r\ntr: no space left\r\ncan0:/$ ", "tr 12070301.out -b 0\r\ncan0:/$ "}) {
        SCOPED_TRACE(echo);
        progress.clear();
        Echo(echo);
        Tick();
        EXPECT_EQ(link.Dialogue.DialogueState, 0);
        EXPECT_TRUE(link.Dialogue.ReplyBuffer.isEmpty());
        EXPECT_EQ(platform.Serial.RThreshold, 1);
        EXPECT_EQ(progress, QStringList{"Hide"});
        Stream();
        EXPECT_TRUE(Writes().isEmpty());
    }
    const QString log = DataFile("ErrorLog.txt");
    EXPECT_EQ(log.count("Nothing was uploaded after \"tr "), 6) << log.toStdString();
    EXPECT_TRUE(log.contains("\"tr ../secret.txt -b 6\": it names no plain file name."));
    EXPECT_TRUE(log.contains("\"tr 12070301.out -b 7\": the transceiver answered with its prompt at once."));
}

TEST_F(Streaming, ALostLinkStopsAfterThePieceAndFailedWritesAreLoggedAndSkipped) {
    WriteOutbox("12070301.out", Text(250));
    f.gSession.SetMesConnected(false);
    Echo("tr 12070301.out -b 250\r\n");
    Stream();
    EXPECT_EQ(platform.Serial.Written(), Text(100));
    EXPECT_EQ(progress.last(), "Hide");
    EXPECT_EQ(link.Dialogue.DialogueState, 1);

    f.gSession.SetMesConnected(true);
    platform.Serial.FailWrites = true;
    Echo("tr 12070301.out -b 250\r\n");
    Stream();
    EXPECT_EQ(DataFile("ErrorLog.txt").count(" Error "), 3) << "one line per failed piece";
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
}

TEST_F(Streaming, BothLinksCarryTheUpload) {
    WriteOutbox("12070301.out", Text(120));
    f.gSession.LanConnected = true;
    platform.Socket.State = ISocketControl::Connected;
    Echo("tr 12070301.out -b 120\r\n");
    Stream();
    EXPECT_EQ(platform.Serial.Written(), Text(120));
    EXPECT_EQ(platform.Socket.Written(), Text(120));
}

TEST_F(Streaming, ALinkLossBetweenPrepareAndWriteLeavesNothingForTheNextUpload) {
    WriteOutbox("12070301.out", "first");
    WriteOutbox("12070302.out", "second");
    Echo("tr 12070301.out -b 5\r\n");
    Tick();  // prepared
    link.Dialogue.DialogueState = 0;  // as a lost link leaves it
    Echo("tr 12070302.out -b 6\r\n");
    Stream();
    EXPECT_EQ(platform.Serial.Written(), "second");
}

// ---- the whole road through the engine, against the scripted transceiver ----

TEST_F(Streaming, TheTransceiverGetsTheCommandThenExactlyTheFile) {
    test::FakeTransceiver mes(platform.Serial);
    WriteOutbox("12070301.out", "\nHello\r\n");  // a file may begin with LF
    QueueCommand(link, "tr 12070301.out -b 6", true, false);
    QueueCommand(link, "ls 12070301.out", true, false);
    for (int i = 0; i < 40 && !link.Dialogue.CommandQueue.isEmpty(); ++i) TimerTick();
    for (int i = 0; i < 10; ++i) TimerTick();
    EXPECT_EQ(platform.Serial.Written(), "tr 12070301.out -b 6\r\nHello\r\nls 12070301.out\r\n");
    ASSERT_EQ(mes.Uploads.size(), 1);
    EXPECT_EQ(mes.Uploads[0].Name, "12070301.out");
    EXPECT_EQ(mes.Uploads[0].Bytes, "\nHello");
    EXPECT_EQ(mes.Received, (QStringList{"tr 12070301.out -b 6", "", "ls 12070301.out"}))
        << "the file's closing line end reads as an empty line";
    EXPECT_TRUE(mes.Unexpected.size() == 1 && mes.Unexpected[0] == "ls 12070301.out");
}

// ---- the terminal window ----

struct Terminal : Streaming {
    Terminal() {
        link.Windows.TerminalModeForm = &terminal;
        terminal.Visible = true;
        link.Dialogue.EchoTerminator = "\r\n";
        link.Dialogue.CurrentPrompt = "can0:/$ ";
    }
};

TEST_F(Terminal, ShowsTheReplyWithoutItsEchoLine) {
    terminal.Text = QString(12000, 'o') + "can0:/$ st -s";
    Complete("st -s\r\nSignal\x02 50\x03\nok\r\ncan0:/$ ");
    Tick();
    EXPECT_EQ(terminal.Text, QString(9987, 'o') + "can0:/$ st -s" + "Signal 50\r\nok\r\ncan0:/$ ")
        << "cut to its last 10,000 characters, STX and ETX dropped, bare LF made CR LF";
    EXPECT_EQ(terminal.Calls.last(), "MoveCaretToEnd");

    terminal.Text.clear();
    Complete("can0:/$ ");
    Tick();
    EXPECT_EQ(terminal.Text, "can0:/$ ") << "a bare prompt is shown whole";
    Complete("partial");
    Tick();
    EXPECT_EQ(terminal.Text, "can0:/$ ") << "no line end after an echo: nothing to show";
}

TEST_F(Terminal, SelfTestSummaryIsSwallowedOnceAfterThePositionQuery) {
    link.Polls.TerminalModeFormTag = "CheckGPS";
    Complete("se -p\r\nTest Summary: OK\r\ncan0:/$ ");
    Tick();
    EXPECT_TRUE(terminal.Text.isEmpty());
    EXPECT_TRUE(link.Polls.TerminalModeFormTag.isEmpty());
    Complete("se -p\r\nTest Summary: OK\r\ncan0:/$ ");
    Tick();
    EXPECT_EQ(terminal.Text, "Test Summary: OK\r\ncan0:/$ ");
}

TEST_F(Terminal, PassThroughSendsEveryKeyAndEndsAtAPromptSplitOverTwoReads) {
    Complete("tr notes.txt -b 3\r\n");
    Tick();
    EXPECT_EQ(terminal.Text, "");
    ASSERT_EQ(link.Dialogue.DialogueState, 3);

    link.Transfer.TerminalKey = "ab";  // typed between two ticks
    Arrive("ok\r\ncan0:/");
    Tick();
    EXPECT_EQ(platform.Serial.Written(), "ab");
    EXPECT_TRUE(link.Transfer.TerminalKey.isEmpty());
    EXPECT_EQ(platform.Serial.RThreshold, 0);
    EXPECT_EQ(link.Dialogue.DialogueState, 3);

    link.Transfer.TerminalKey = "c";
    Arrive("$ ");
    Tick();
    EXPECT_EQ(platform.Serial.Written(), "abc");
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_EQ(platform.Serial.RThreshold, 1);
    Tick();
    EXPECT_EQ(terminal.Text, "ok\r\ncan0:/$ ") << "all that was read, the first line too";
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

TEST_F(Terminal, PassThroughEndsWhenTheWindowClosesOrTheLinkIsLost) {
    Complete("tr notes.txt -b 3\r\n");
    Tick();
    Arrive("o");
    Tick();
    terminal.Visible = false;
    link.Transfer.TerminalKey = "x";
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 0) << "nobody reads the rest";
    EXPECT_TRUE(link.Dialogue.ReplyBuffer.isEmpty());
    EXPECT_EQ(platform.Serial.Written(), "");
    EXPECT_EQ(platform.Serial.RThreshold, 1);

    terminal.Visible = true;
    Complete("tr notes.txt -b 3\r\n");
    Tick();
    Arrive("partial");
    f.gSession.SetMesConnected(false);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    Tick();
    EXPECT_EQ(terminal.Text, "partial");

    f.gSession.SetMesConnected(true);
    Complete("tr notes.txt -b 3\r\n");
    Tick();
    platform.Serial.Close();
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2) << "no link is up";
}

TEST_F(Terminal, TransferIsAnUploadCommandOnlyInTheTerminal) {
    Complete("transfer notes.txt 3\r\n");
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 3);
    EXPECT_TRUE(IsUploadEcho(link, "tr x -b 1\r\n"));

    terminal.Visible = false;
    EXPECT_FALSE(IsUploadEcho(link, "transfer notes.txt 3\r\n"));
    EXPECT_TRUE(IsUploadEcho(link, "tr x -b 1\r\n"));
    Complete("transfer notes.txt 3\r\n");
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

}  // namespace
