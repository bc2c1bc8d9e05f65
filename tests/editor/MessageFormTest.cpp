#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include "ViewerFixture.h"
#include "foundation/GeneralRoutines.h"

namespace tidepost::test {
namespace {

struct MessageFormTest : ViewerFixture {};

const QByteArray kInboxIdx =
    "0001.in:101:Routine:IA5:2026-12-01 10:15:120:REF1:Normal:No:26120101.in\r\n"
    "0002.in:101:Routine:IA5:2026-12-01 10:16:120:REF2:Normal:No:26120102.in\r\n";

TEST_F(MessageFormTest, OpeningMarksOnlyTheReadFieldOfTheMatchingLines) {
    struct Case {
        const char* what;
        const char* folder;
        const char* index;
        long type;
        QByteArray before;
        QByteArray after;
    };
    const Case cases[] = {
        {"inbox, No", "Inbox", "in.idx", 1,
         "a:101:R:IA5:2026-12-01 10:15:12:REF:N:No:m.in\r\nb:101:R:IA5:2026-12-01 10:16:12:REF:N:No:o.in\r\n",
         "a:101:R:IA5:2026-12-01 10:15:12:REF:N:Yes:m.in\r\nb:101:R:IA5:2026-12-01 10:16:12:REF:N:No:o.in\r\n"},
        {"inbox, nO in any case", "Inbox", "in.idx", 1, "a:1:R:B:d 1:2:3:R:N:nO:m.in\r\n",
         "a:1:R:B:d 1:2:3:R:N:Yes:m.in\r\n"},
        {"inbox, already Yes", "Inbox", "in.idx", 1, "a:1:R:B:d 1:2:3:R:N:YES:m.in\r\n",
         "a:1:R:B:d 1:2:3:R:N:YES:m.in\r\n"},
        {"inbox, several matching lines", "Inbox", "IN.IDX", 1,
         "a:1:R:B:d 1:2:3:R:N:No:m.in\r\nb:1:R:B:d 1:2:3:R:N:No:m.in\r\nc:1:R:B:d 1:2:3:R:N:No:x.in",
         "a:1:R:B:d 1:2:3:R:N:Yes:m.in\r\nb:1:R:B:d 1:2:3:R:N:Yes:m.in\r\nc:1:R:B:d 1:2:3:R:N:No:x.in"},
        {"inbox, a line of 13 fields keeps every field", "Inbox", "in.idx", 1,
         "a:1:R:B:d 1:2:3:R:N:No:extra:more:m.in\r\n", "a:1:R:B:d 1:2:3:R:N:Yes:extra:more:m.in\r\n"},
        {"inbox, a name only ending like the file", "Inbox", "in.idx", 1, "a:1:R:B:d 1:2:3:R:N:No:xm.in\r\n",
         "a:1:R:B:d 1:2:3:R:N:No:xm.in\r\n"},
        {"EGC, field 11", "Egc", "egc.idx", 3, "EGC.1:101:31:0:0:2026-12-01 10:15:99:12:00:No:m.egc\r\n",
         "EGC.1:101:31:0:0:2026-12-01 10:15:99:12:00:Yes:m.egc\r\n"},
        {"EGC, No in field 10 is not the read field", "Egc", "egc.idx", 3, "E:1:3:0:0:d 1:9:No:0:0:m.egc\r\n",
         "E:1:3:0:0:d 1:9:No:0:0:m.egc\r\n"},
        {"sent items, unchanged", "Sent items", "OUT.IDX", 2, "m.out;a;b;c;d;e;f;REF;Delivered;No\n",
         "m.out;a;b;c;d;e;f;REF;Delivered;No\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString ext = c.type == 1 ? "in" : c.type == 2 ? "out" : "egc";
        const QString file = "m." + ext;
        platform.WriteDataFile(QString(c.folder) + "/" + file, "Text of the message");
        platform.WriteDataFile(QString(c.folder) + "/" + c.index, c.before);

        EXPECT_FALSE(Form().LoadText(Folder(c.folder), file, true, false, c.type));
        EXPECT_EQ(platform.ReadDataFile(QString(c.folder) + "/" + c.index), c.after);
        EXPECT_FALSE(QFileInfo::exists(Folder(c.folder) + "/" + ext + ".bak"));
        EXPECT_TRUE(Form().isVisible());
        EXPECT_EQ(Form().windowTitle(), "Message: " + file);
        EXPECT_TRUE(DrainErrorQueue(f).isEmpty());
        QFile::remove(Folder(c.folder) + "/" + c.index);
    }
}

// The index copy lands on a full disk: the message is shown, the index stays as it was, and the
// operator is told that the read mark was not stored.
TEST_F(MessageFormTest, AFullDiskKeepsTheIndexAndReportsTheMarkNotStored) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    platform.WriteDataFile("Inbox/26120101.in", "Text of the message");
    platform.WriteDataFile("Inbox/in.idx", kInboxIdx);
    ASSERT_TRUE(QFile::link("/dev/full", Folder("Inbox") + "/in.bak"));

    EXPECT_FALSE(Form().LoadText(f.gInboxDir, "26120101.in", false, false, 1));
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(platform.ReadDataFile("Inbox/in.idx"), kInboxIdx);
    const QStringList queued = DrainErrorQueue(f);
    ASSERT_EQ(queued.size(), 1);
    EXPECT_TRUE(queued[0].startsWith("(MessageForm.LoadText) Error '61': ")) << queued[0].toStdString();
    EXPECT_TRUE(queued[0].contains("in.idx")) << queued[0].toStdString();
}

TEST_F(MessageFormTest, MissingMessageFileQueuesANoticeAndKeepsTheWindowHidden) {
    platform.WriteDataFile("Inbox/in.idx", kInboxIdx);
    EXPECT_TRUE(Form().LoadText(f.gInboxDir, "gone.in", true, true, 1));
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(Form().findChild<QToolButton*>("NextButton")->isEnabled());
    EXPECT_TRUE(Form().findChild<QToolButton*>("PrevButton")->isEnabled());
    EXPECT_EQ(platform.ReadDataFile("Inbox/in.idx"), kInboxIdx);
    const QStringList queued = DrainErrorQueue(f);
    ASSERT_EQ(queued.size(), 1);
    EXPECT_EQ(queued[0], "'" + f.gInboxDir + "/gone.in' Does not exist!\r\n"
                         "The file might have been manually deleted by operator.");
}

TEST_F(MessageFormTest, MissingIndexTakesTheErrorPath) {
    platform.WriteDataFile("Inbox/m.in", "text");
    EXPECT_TRUE(Form().LoadText(f.gInboxDir, "m.in", false, false, 1));
    EXPECT_FALSE(Form().isVisible());
    const QStringList queued = DrainErrorQueue(f);
    ASSERT_EQ(queued.size(), 1);
    EXPECT_TRUE(queued[0].startsWith("(MessageForm.LoadText) Error '53': ")) << queued[0].toStdString();
    EXPECT_TRUE(queued[0].endsWith("Due to this error, Tidepost could not open the message."));
}

TEST_F(MessageFormTest, EmptyMessageOpens) {
    platform.WriteDataFile("Inbox/in.idx", "");
    platform.WriteDataFile("Inbox/empty.in", "");
    for (const char* wrap : {"0", "1"}) {
        SCOPED_TRACE(wrap);
        platform.Settings.Save("Tidepost", "MessageForm", "WrapText", wrap);
        viewer.Form.unload();
        EXPECT_FALSE(Form().LoadText(f.gInboxDir, "empty.in", false, false, 1));
        EXPECT_TRUE(Form().isVisible());
        Form().resize(800, 500);
        EXPECT_EQ(Form().findChild<QPlainTextEdit*>("MessageText")->toPlainText().trimmed(), "");
    }
}

TEST_F(MessageFormTest, OpeningRemovesTheNewMessageIcon) {
    f.Windows.TrayIconShown = true;
    platform.Tray.Visible = true;
    Form().LoadText(f.gInboxDir, "none.in", false, false, 1);
    EXPECT_FALSE(platform.Tray.Visible);
    EXPECT_FALSE(f.Windows.TrayIconShown);
}

TEST_F(MessageFormTest, WrapFollowsTheWidthAndTheTextSize) {
    QString word = "word ";
    platform.WriteDataFile("Inbox/in.idx", "");
    platform.WriteDataFile("Inbox/m.in", word.repeated(40).toLatin1());
    platform.Settings.Save("Tidepost", "MessageForm", "WrapText", "1");
    viewer.Links.FontSize = [] { return 11; };
    MessageForm& m = Form();
    ASSERT_TRUE(m.findChild<QCheckBox*>("CheckWrap")->isChecked());
    m.LoadText(f.gInboxDir, "m.in", false, false, 1);
    auto* text = m.findChild<QPlainTextEdit*>("MessageText");
    text->resize(600, 200);  // 9000 twips
    m.CalcNewTextWidth();
    const QStringList lines = text->toPlainText().split('\n');
    for (const QString& line : lines) EXPECT_LE(line.size(), 63);
    EXPECT_GT(lines.first().size(), 55);

    m.findChild<QCheckBox*>("CheckWrap")->setChecked(false);
    EXPECT_EQ(text->toPlainText(), word.repeated(40));
    EXPECT_EQ(platform.Settings.Get("Tidepost", "MessageForm", "WrapText", ""), "0");
}

TEST_F(MessageFormTest, ControlKeysInTheText) {
    int decreases = 0;
    viewer.Links.mnuMsgTextSizeDec_Click = [&] { ++decreases; };
    platform.WriteDataFile("Inbox/in.idx", "");
    platform.WriteDataFile("Inbox/m.in", "some text");
    MessageForm& m = Form();
    m.LoadText(f.gInboxDir, "m.in", false, false, 1);
    auto* text = m.findChild<QPlainTextEdit*>("MessageText");
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(text->textCursor().hasSelection());
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(text->textCursor().selectedText(), "some text");
    QTest::keyClick(text, Qt::Key_F1, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_F1, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(decreases, 1);
}

TEST_F(MessageFormTest, CodePageListOnlyInRussian) {
    EXPECT_TRUE(Form().findChild<QComboBox*>("SelectCodePage")->isHidden());
    viewer.Form.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    f.Strings.CurrentLanguageId = 1049;
    platform.Os.Codec = AnsiCodec("windows-1251");
    platform.WriteDataFile("Inbox/in.idx", "");
    platform.WriteDataFile("Inbox/m.in", "\x8f\xe0\xa8\xa2\xa5\xe2");  // "Привет" in IBM866
    MessageForm& m = Form();
    auto* list = m.findChild<QComboBox*>("SelectCodePage");
    ASSERT_FALSE(list->isHidden());
    EXPECT_EQ(list->count(), 2);
    m.LoadText(f.gInboxDir, "m.in", false, false, 1);
    EXPECT_EQ(m.UnwrappedText(), m.RawText());
    list->setCurrentIndex(1);
    m.SelectCodePage_Change();
    EXPECT_EQ(platform.Os.Codec.Encode(m.UnwrappedText()), QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2"));
}

TEST_F(MessageFormTest, TilingOnANarrowScreen) {
    screen.screen = QSize(1024, 768);  // 15360 twips wide
    QWidget main;
    mainForm.Window = &main;
    MessageForm& m = Form();
    m.HTileButton_Click();
    EXPECT_EQ(m.frameGeometry().left(), 533);   // 7990 twips
    EXPECT_EQ(m.frameGeometry().width(), 491);  // 7370 twips
    EXPECT_EQ(m.frameGeometry().height(), 720);
    EXPECT_EQ(main.frameGeometry().width(), 533);
    EXPECT_EQ(main.frameGeometry().height(), 720);

    m.VTileButton_Click();
    EXPECT_EQ(m.frameGeometry().width(), 1024);
    EXPECT_EQ(m.frameGeometry().height(), 288);  // 0.4 of the work area
    EXPECT_EQ(m.frameGeometry().top(), 720 - 288);
    EXPECT_EQ(main.frameGeometry().height(), 720 - 288);
}

TEST_F(MessageFormTest, ForwardAsksOnlyWhenTheEditorHoldsText) {
    QString editor;
    int editorViews = 0;
    viewer.Links.EditorText = [&] { return editor; };
    viewer.Links.SetEditorText = [&](const QString& t) { editor = t; };
    viewer.Links.EditorButton_Click = [&] { ++editorViews; };
    platform.WriteDataFile("Inbox/in.idx", "");
    platform.WriteDataFile("Inbox/m.in", "incoming");

    Form().LoadText(f.gInboxDir, "m.in", false, false, 1);
    Form().ForwardButton_Click();
    EXPECT_EQ(editor, "incoming");
    EXPECT_EQ(editorViews, 1);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_FALSE(viewer.Form.isLoaded());

    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        editor = "draft";
        Form().LoadText(f.gInboxDir, "m.in", false, false, 1);
        platform.Boxes.Answer(answer);
        Form().ForwardButton_Click();
        EXPECT_EQ(editor, "draft");
        EXPECT_TRUE(viewer.Form.isLoaded());
        EXPECT_TRUE(Form().isVisible());
    }
    platform.Boxes.Answer(MsgAnswer::Yes);
    Form().ForwardButton_Click();
    EXPECT_EQ(editor, "incoming");
    EXPECT_EQ(platform.Boxes.Shown.last().title, "Replace text in Editor ?");
}

TEST_F(MessageFormTest, SaveWritesTheTextAsStored) {
    platform.WriteDataFile("Egc/egc.idx", "");
    platform.WriteDataFile("Egc/m.egc", "line one\nline two \xe9");
    MessageSaveRequest asked;
    QString chosen = Folder("Drafts") + "/saved.txt";
    viewer.Links.GetSaveFileName = [&](QWidget*, const MessageSaveRequest& r) {
        asked = r;
        return chosen;
    };
    platform.WriteDataFile("Drafts/saved.txt", "old");
    Form().LoadText(f.gEgcDir, "m.egc", false, false, 3);
    Form().SaveButton_Click();
    EXPECT_EQ(platform.ReadDataFile("Drafts/saved.txt"), QByteArray("line one\r\nline two \xe9"));
    EXPECT_EQ(asked.filters.size(), 5);
    EXPECT_EQ(asked.proposedName, "message.txt");
    EXPECT_EQ(asked.title, "Save message to file");

    chosen = Folder("no such folder") + "/x.txt";
    Form().SaveButton_Click();
    const QStringList queued = DrainErrorQueue(f);
    ASSERT_EQ(queued.size(), 1);
    EXPECT_TRUE(queued[0].startsWith("Error '")) << queued[0].toStdString();
}

TEST_F(MessageFormTest, ClosingLetsTheWindowGoAndStoresItsPlacement) {
    platform.WriteDataFile("Inbox/in.idx", "");
    platform.WriteDataFile("Inbox/m.in", "x");
    Form().LoadText(f.gInboxDir, "m.in", false, false, 1);
    EXPECT_EQ(CountOpenForms("MessageForm"), 1);
    Form().CancelButton_Click();
    EXPECT_FALSE(viewer.Form.isLoaded());
    EXPECT_EQ(CountOpenForms("MessageForm"), 0);
    EXPECT_FALSE(platform.Settings.Get("Tidepost", "MessageForm", "Height", "").isEmpty());
}

}  // namespace
}  // namespace tidepost::test
