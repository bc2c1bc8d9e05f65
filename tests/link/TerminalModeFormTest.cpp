#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <ostream>

#include "DialogueFixture.h"
#include "foundation/FormHolder.h"
#include "link/LinkLoss.h"
#include "link/TerminalModeForm.h"
#include "link/TerminalPrompts.h"
#include "link/UploadStreaming.h"

using namespace tidepost;
using test::DialogueFixture;

namespace {

// The terminal window over the engine's state, loaded as the main window loads it.
struct TerminalForm : DialogueFixture {
    FormHolder<TerminalModeForm> holder{[this] { return new TerminalModeForm(link, [this] { holder.unload(); }); }};

    TerminalForm() {
        f.gSession.SetMesConnected(true);
        link.Dialogue.CurrentPrompt = "can0:/$ ";
        RegisterUploadStreaming(link);
    }
    TerminalModeForm& Form() { return holder.get(); }
    // '\r' is Enter, '\b' Backspace, '\x1b' Esc; every other character is typed as it is.
    void Type(const QString& keys) {
        for (QChar c : keys) Form().TerminalWindow_KeyPress(c.unicode());
    }
    QString Queue() const { return link.Dialogue.CommandQueue; }
};

TEST(TerminalPrompts, KindIsTheFirstPromptTheLineBeginsWith) {
    const struct {
        const char* line;
        int kind;
    } cases[] = {{"can0:/$ ", 1}, {"can1:/$ ls", 2}, {"can2:/$ ", 3}, {"kv880:/$ ", 4}, {"> ", 5},
                 {" > x", 6}, {"Enter password: ", 7}, {"Enter new password: **", 8},
                 {"Confirm new password: ", 9}, {"Enter filenumber > 3", 10}, {"can0:/$", 0}, {"", 0},
                 {"xEnter password: ", 0}};
    for (const auto& c : cases) EXPECT_EQ(GetPromptKind(c.line), c.kind) << c.line;
    EXPECT_TRUE(IsExactlyPrompt("Enter filenumber > "));
    EXPECT_FALSE(IsExactlyPrompt("can0:/$ x"));
}

struct KeyCase {
    const char* name;
    const char* prompt;  // CurrentPrompt
    const char* shown;   // the window's text before the keys
    const char* keys;
    const char* queued;
    const char* after;  // the window's text after the keys
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class Keys : public TerminalForm, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, SendOnlyWhatWasTypedAfterThePrompt) {
    const KeyCase& c = GetParam();
    link.Dialogue.CurrentPrompt = c.prompt;
    Form().AppendText(c.shown);
    Type(c.keys);
    EXPECT_EQ(Queue(), c.queued);
    EXPECT_EQ(Form().Text(), c.after);
    EXPECT_EQ(link.Dialogue.LastActivityTime, platform.Clock.MonotonicMs());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Keys,
    ::testing::Values(
        KeyCase{"ShellLine", "can0:/$ ", "x\r\ncan0:/$ ", "st -w\r", "st -w\r\n", "x\r\ncan0:/$ st -w\r\n"},
        KeyCase{"ShellLineOfAnotherUnit", "can1:/$ ", "can1:/$ ", "ls\r", "ls\r\n", "can1:/$ ls\r\n"},
        KeyCase{"BarePrompt", "can0:/$ ", "can0:/$ ", "\r", "\r\n", "can0:/$ \r\n"},
        KeyCase{"AfterGreaterBlank", "can0:/$ ", "Enter text> ", "abc\r", "abc\r\n", "Enter text> abc\r\n"},
        KeyCase{"AfterBlankGreater", "can0:/$ ", "Number >", "5\r", "5\r\n", "Number >5\r\n"},
        KeyCase{"FileNumberPrompt", "can0:/$ ", "Enter filenumber > ", "12\r", "12\r\n", "Enter filenumber > 12\r\n"},
        KeyCase{"RedirectSendsWhatFollows", "can0:/$ ", "can0:/$ x\r\n", "ls > x\r", "x\r\n", "can0:/$ x\r\nls > x\r\n"},
        KeyCase{"BlankLineBeforeTheFirstPrompt", "can0:/$ ", "hello\r\n", "\r", "\r\n", "hello\r\n\r\n"},
        KeyCase{"BlankLineAfterTheFirstPromptDropped", "can0:/$ ", "can0:/$ ", "\r \r", "\r\n", "can0:/$ \r\n "},
        KeyCase{"NoPromptLearntSendsTheLine", "", "", "st -l\r", "st -l\r\n", "st -l\r\n"},
        KeyCase{"NoPromptLearntEmptyWindow", "", "", "\r", "\r\n", ""},
        KeyCase{"BackspaceEditsTheTypedLine", "can0:/$ ", "can0:/$ ", "st -x\bl\b\b\b\b\b\b\b", "", "can0:/$ "},
        KeyCase{"PasswordHidden", "can0:/$ ", "Enter password: ", "abx\bc\r", "abc\r\n", "Enter password: ***\r\n"},
        KeyCase{"NewPasswordHidden", "can0:/$ ", "Enter new password: ", "\b12\b\b3\r", "3\r\n",
                "Enter new password: *\r\n"},
        KeyCase{"ConfirmPasswordHidden", "can0:/$ ", "Confirm new password: ", "pw\r", "pw\r\n",
                "Confirm new password: **\r\n"},
        KeyCase{"CtrlVAndCtrlCAreNoCharacters", "can0:/$ ", "Enter password: ", "a\x16\x03\r", "a\r\n",
                "Enter password: *\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TerminalForm, BackspaceAndLeftStopAtEachPrompt) {
    for (const char* prompt : {"can0:/$ ", "can1:/$ ", "can2:/$ ", "kv880:/$ ", "> ", " > ", "Enter password: ",
                               "Enter new password: ", "Confirm new password: ", "Enter filenumber > "}) {
        Form().KeepLastCharacters(0);
        Form().AppendText(QString("x\r\n") + prompt);
        Type("\b");
        EXPECT_EQ(Form().Text(), QString("x\r\n") + prompt);
        EXPECT_TRUE(Form().TerminalWindow_KeyDown(37)) << prompt;
        Type("a");
        EXPECT_FALSE(Form().TerminalWindow_KeyDown(37)) << prompt;
    }
    EXPECT_TRUE(Form().TerminalWindow_KeyDown(38));
    EXPECT_TRUE(Form().TerminalWindow_KeyDown(46));
    EXPECT_FALSE(Form().TerminalWindow_KeyDown(39));
}

TEST_F(TerminalForm, PasteAtAPasswordPromptIsHiddenWhateverIsTypedAround) {
    Form().AppendText("can0:/$ passwd\r\nEnter password: ");
    Type("a");
    Form().PasteText("b");
    Form().PasteText("cd");
    Type("e\b");
    EXPECT_EQ(Form().Text(), "can0:/$ passwd\r\nEnter password: ****");
    Type("\r");
    EXPECT_EQ(Queue(), "abcd\r\n");
    EXPECT_TRUE(Form().TerminalInputLine().isEmpty());
}

TEST_F(TerminalForm, PasteElsewhereIsAppendedAndSendsNothing) {
    Form().AppendText("can0:/$ ");
    Form().PasteText("st -l\nst -w");
    EXPECT_EQ(Form().Text(), "can0:/$ st -l\nst -w");
    EXPECT_TRUE(Queue().isEmpty());
    Type("\r");
    EXPECT_EQ(Queue(), "st -w\r\n") << "only the last line is the current one";
}

TEST_F(TerminalForm, KeysWhileTheTransceiverDoesNotAnswerSendNothing) {
    f.gSession.SetMesConnected(false);
    Form().AppendText("can0:/$ ");
    Type("st\r");
    Form().PasteText("x");
    EXPECT_TRUE(Queue().isEmpty());
    EXPECT_EQ(Form().Text(), "can0:/$ st\r\n");
}

TEST_F(TerminalForm, PassThroughHandsEveryKeyInOrderUntilThePrompt) {
    for (const char* command : {"tr x.out -b 3", "transfer x.out"}) {
        link.Dialogue.CommandQueue.clear();
        link.Transfer.TerminalKey.clear();
        Form().AppendText("\r\ncan0:/$ ");
        Type(QString(command) + "\r");
        EXPECT_EQ(Queue(), QString(command) + "\r\n");
        EXPECT_TRUE(Form().PassThrough());
        Type("ab\rc");
        EXPECT_EQ(link.Transfer.TerminalKey, "ab\rc");
        EXPECT_EQ(Queue(), QString(command) + "\r\n") << "no line is queued during a pass-through";
        Form().AppendText("\r\nok\r\ncan0:/$ ");
        Type("s");
        EXPECT_FALSE(Form().PassThrough());
        EXPECT_EQ(link.Transfer.TerminalKey, "ab\rc");
    }
}

TEST_F(TerminalForm, EnterAndEscLifecycle) {
    Form();
    EnterTerminalMode(link);
    EXPECT_TRUE(link.Dialogue.TerminalModeRequested);
    EXPECT_FALSE(window.TimerOn("Timer2"));
    EXPECT_FALSE(Form().isVisible()) << "loaded hidden";

    Tick();  // the queue is empty: the window is shown and asks for the prompt
    ASSERT_TRUE(Form().isVisible());
    EXPECT_EQ(Queue(), "\r\n");
    EXPECT_TRUE(Form().Text().isEmpty());
    Tick();
    EXPECT_EQ(Sent(), "\r\n");
    Arrive("\r\ncan0:/$ ");
    TimerTick(3);
    EXPECT_TRUE(Form().Text().endsWith("can0:/$ ")) << Form().Text().toStdString();

    Type("\x1b");
    EXPECT_FALSE(link.Dialogue.TerminalModeRequested);
    EXPECT_TRUE(window.TimerOn("Timer2"));
    EXPECT_EQ(link.Windows.TerminalModeForm, nullptr);
    EXPECT_FALSE(holder.isLoaded());
    EXPECT_FALSE(TerminalVisible(link));

    TerminalModeForm& fresh = holder.get();
    EXPECT_TRUE(fresh.Text().isEmpty());
    EXPECT_TRUE(fresh.NoPromptYet());
    EXPECT_EQ(link.Windows.TerminalModeForm, &fresh);
}

TEST_F(TerminalForm, RealKeysAndClipboardGoThroughTheSameRules) {
    Form().show();
    Form().AppendText("Enter password: ");
    QPlainTextEdit* box = Form().TerminalWindow;
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Backspace);
    QApplication::clipboard()->setText("xy");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(Queue(), "axy\r\n");
    EXPECT_EQ(box->toPlainText(), "Enter password: ***\n");
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(holder.isLoaded());
}

}  // namespace
