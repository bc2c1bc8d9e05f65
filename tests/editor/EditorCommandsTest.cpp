#include <QDir>
#include <QFile>
#include <QTest>

#include "EditorFixture.h"
#include "foundation/IniFile.h"
#include "messages/AddressBookForm.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

using EditorCommandsTest = test::EditorTest;

const QString kClipboardError = "Error occurred getting Clipboard. Another program may be accessing it.";

TEST_F(EditorCommandsTest, NewMessageAsksOnlyWhenTheBodyHasText) {
    const struct {
        const char* name;
        QString body;
        bool yes;
        bool asked;
        bool cleared;
    } cases[] = {
        {"empty body, filled header", "", true, false, false},
        {"text, Yes", "Hello", true, true, true},
        {"text, No", "Hello", false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.Boxes.Shown.clear();
        SetBodyText(controls, c.body);
        controls.ToFieldText->setText("Alice;");
        controls.CCFieldText->setText("Bob;");
        controls.SubjectFieldText->setText("Noon");
        platform.Boxes.Answer(c.yes ? MsgAnswer::Yes : MsgAnswer::No);
        editor->mnuNewMessage_Click();
        EXPECT_EQ(platform.Boxes.Shown.size(), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_EQ(platform.Boxes.Shown.first().text, "Clear Editor?");
            EXPECT_EQ(platform.Boxes.Shown.first().title, "Confirm!");
            EXPECT_EQ(platform.Boxes.Shown.first().buttons, MsgButtons::YesNo);
        }
        EXPECT_EQ(Body().isEmpty(), c.cleared || c.body.isEmpty());
        EXPECT_EQ(controls.ToFieldText->text().isEmpty(), c.cleared);
        EXPECT_EQ(controls.SubjectFieldText->text().isEmpty(), c.cleared);
        EXPECT_EQ(host.HotList.last(), qMakePair(2013, 0));
        if (!c.asked) platform.Boxes.Show({});  // use up the answer nobody asked for
    }
}

TEST_F(EditorCommandsTest, NewMessageFromTheDistressEditorPutsTheHeaderBackFirst) {
    controls.ToFieldText->setText("Alice;");
    controls.SubjectFieldText->setText("Noon");
    SetBodyText(controls, "Body");
    AnswerDistressQuestion(true);  // enter the distress editor
    editor->DistressEditorButton_Click();
    ASSERT_EQ(controls.ToFieldText->text(), "SEARCH & RESCUE;");

    platform.Boxes.OnShow = [&](const MessageBoxRequest&) {
        EXPECT_EQ(controls.ToFieldText->text(), "Alice;") << "restored before the question";
    };
    platform.Boxes.Answer(MsgAnswer::No);
    editor->mnuNewMessage_Click();
    EXPECT_EQ(platform.Boxes.Shown.last().text, "Clear Editor?");
    EXPECT_EQ(controls.SubjectFieldText->text(), "Noon");
    EXPECT_EQ(f.gSession.MessagePriority(), 0);
}

TEST_F(EditorCommandsTest, TheDistressEditorRoundTrip) {
    platform.Settings.Save("Tidepost", "Settings", "VesselName", "Nordlys");
    controls.ToFieldText->setText("Alice;");
    controls.CCFieldText->setText("Bob;");
    controls.BccFieldText->setText("Carol;");
    controls.SubjectFieldText->setText("Noon");
    SetBodyText(controls, "Earlier text");

    AnswerDistressQuestion(false);
    editor->DistressEditorButton_Click();
    EXPECT_EQ(f.gSession.MessagePriority(), 0) << "No keeps the routine editor";
    EXPECT_EQ(controls.ToFieldText->text(), "Alice;");

    AnswerDistressQuestion(true);
    editor->DistressEditorButton_Click();
    EXPECT_EQ(f.gSession.MessagePriority(), 1);
    ASSERT_EQ(DistressInfoTexts.size(), 3);
    EXPECT_EQ(DistressInfoTexts[1],
              "Continue to Distress Message Editor ?|A message with distress priority will automatically be sent to "
              "Maritime Rescue Coordination Centre (MRCC).\r\n\r\nContinue to Distress Message Editor ?");
    EXPECT_EQ(DistressInfoTexts[2],
              "Important|Please make sure that the distress priority message is written in English.");
    EXPECT_EQ(platform.Boxes.DialogsShown.mid(1),
              (QStringList{"DistressEditorInfo1", "DistressEditorInfo2"}));
    EXPECT_EQ(controls.ToFieldText->text(), "SEARCH & RESCUE;");
    EXPECT_TRUE(controls.ToFieldText->isReadOnly());
    EXPECT_TRUE(controls.CCFieldText->text().isEmpty());
    EXPECT_TRUE(controls.SubjectFieldText->text().isEmpty());
    for (QWidget* w : {static_cast<QWidget*>(controls.ToButton), static_cast<QWidget*>(controls.CCButton),
                       static_cast<QWidget*>(controls.BccButton), static_cast<QWidget*>(controls.CCFieldText),
                       static_cast<QWidget*>(controls.SubjectFieldText), static_cast<QWidget*>(controls.AddrbookButton)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(Body(), "Mobile No.: 0\r\nVessel name: Nordlys\r\nEarlier text")
        << "inserted at the start, the old text below";
    EXPECT_TRUE(host.HotList.contains(qMakePair(2002, 0)));

    // Alt+C still opens the address book, and its OK returns to the distress editor.
    int key = 67;
    editor->HandleEditorShortcutKeys(key, 4);
    ASSERT_TRUE(m.AddressBookForms.AddressBookForm.isLoaded());
    m.AddressBookForms.AddressBookForm.get().OKButton_Click();
    EXPECT_EQ(f.gSession.MessagePriority(), 1);

    // A second click asks nothing; the editor view puts the header back.
    const qsizetype shown = platform.Boxes.DialogsShown.size();
    editor->DistressEditorButton_Click();
    EXPECT_EQ(platform.Boxes.DialogsShown.size(), shown);
    editor->EditorButton_Click();
    EXPECT_EQ(f.gSession.MessagePriority(), 0);
    EXPECT_EQ(controls.ToFieldText->text(), "Alice;");
    EXPECT_EQ(controls.CCFieldText->text(), "Bob;");
    EXPECT_EQ(controls.BccFieldText->text(), "Carol;");
    EXPECT_EQ(controls.SubjectFieldText->text(), "Noon");
    EXPECT_FALSE(controls.ToFieldText->isReadOnly());
    EXPECT_TRUE(controls.AddrbookButton->isEnabled());
    EXPECT_TRUE(controls.CCFieldText->isEnabled());
    EXPECT_TRUE(editor->SavedToText.isEmpty());
    EXPECT_EQ(host.HotList.last(), qMakePair(2001, 0));
}

TEST_F(EditorCommandsTest, TheEditorViewIsLaidOutWithRoutinePriority) {
    host.View = 3;
    f.gSession.SetMessagePriority(1);
    editor->ChangeViewEditor();
    EXPECT_EQ(host.View, 0);
    EXPECT_EQ(f.gSession.MessagePriority(), 0);
    EXPECT_EQ(host.Calls, (QStringList{"MainFormSetUp", "ApplyIspCcBccAvailability", "Form_Resize"}));
    EXPECT_TRUE(editor->HeaderFieldsEditable());
    host.View = 1;
    EXPECT_FALSE(editor->HeaderFieldsEditable());
}

TEST_F(EditorCommandsTest, CutCopyAndPaste) {
    SetBodyText(controls, "Hello world");
    QTextCursor cursor = controls.Editor->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    controls.Editor->setTextCursor(cursor);
    editor->mnuCopy_Click();
    EXPECT_EQ(platform.Clipboard.Content, " world");
    editor->mnuCut_Click();
    EXPECT_EQ(Body(), "Hello");
    EXPECT_EQ(controls.Editor->textCursor().position(), 5);
    editor->mnuCut_Click();  // nothing selected: the body stays
    EXPECT_EQ(Body(), "Hello");
    platform.Clipboard.Content = ",\r\nthere";
    editor->mnuPaste_Click();
    EXPECT_EQ(Body(), "Hello,\r\nthere");
    EXPECT_EQ(host.HotList, (QList<QPair<int, int>>{{987, 0}, {986, 0}, {986, 0}, {988, 0}}));
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(EditorCommandsTest, AClipboardThatFailsChangesNothing) {
    SetBodyText(controls, "Hello world");
    controls.Editor->selectAll();
    platform.Clipboard.Fails = true;
    editor->mnuCut_Click();
    editor->mnuCopy_Click();
    editor->mnuPaste_Click();
    EXPECT_EQ(Body(), "Hello world");
    EXPECT_TRUE(host.HotList.isEmpty()) << "no use counted";
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{kClipboardError}) << "one waiting text is shown once";
}

TEST_F(EditorCommandsTest, InsertedTexts) {
    const struct {
        const char* name;
        const char* pos;  // as the position reply gives it
        bool valid;
        void (MessageEditor::*command)();
        QString text;
    } cases[] = {
        {"position", "5 7 3 N 123 45 67 W", true, &MessageEditor::InsertPositionText,
         "Position: 5,7.03N , 123,45.67W\r\n"},
        {"south east", "05 07 30 S 001 00 00 E", true, &MessageEditor::InsertPositionText,
         "Position: 5,7.30S , 1,0.00E\r\n"},
        {"no fix", "5 7 3 N 123 45 67 W", false, &MessageEditor::InsertPositionText, "Position: not available\r\n"},
        {"speed", "5 7 3 N 123 45 67 W", true, &MessageEditor::InsertSpeedCourseText,
         "Speed: 12 knots, Course: 270 deg.\r\n"},
        {"no speed", "5 7 3 N 123 45 67 W", false, &MessageEditor::InsertSpeedCourseText, "Speed: not available\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        f.gSession.SetPos(c.pos, "270", "12:00", "12", c.valid);
        SetBodyText(controls, "ab");
        QTextCursor cursor = controls.Editor->textCursor();
        cursor.setPosition(1);
        controls.Editor->setTextCursor(cursor);
        ((*editor).*c.command)();
        EXPECT_EQ(Body(), "a" + c.text + "b");
        EXPECT_EQ(controls.Editor->textCursor().position(), 1 + c.text.size() - 1) << "caret after the text";
    }
}

TEST_F(EditorCommandsTest, VesselLines) {
    const struct {
        const char* name;
        QList<QPair<QString, QString>> settings;
        void (MessageEditor::*command)();
        QString text;
        QPair<int, int> counted;
    } cases[] = {
        {"name and comment", {{"VesselName", "Nordlys"}, {"VesselComment", "Bound north"}},
         &MessageEditor::mnuInsertVesselData_Click, "Vessel name: Nordlys\r\nComment: Bound north\r\n", {1997, 1989}},
        {"all six",
         {{"VesselName", "N"}, {"VesselType", "T"}, {"VesselFlag", "F"}, {"VesselDestination", "D"},
          {"VesselCargo", "C"}, {"VesselComment", "K"}},
         &MessageEditor::mnuInsertVesselData_Click,
         "Vessel name: N\r\nVessel type: T\r\nFlag: F\r\nDestination: D\r\nCargo: C\r\nComment: K\r\n", {1997, 1989}},
        {"nothing set", {}, &MessageEditor::mnuInsertVesselData_Click, "", {1997, 1989}},
        {"name only", {{"VesselName", "Nordlys"}, {"VesselType", "Tanker"}}, &MessageEditor::mnuInsertVesselName_Click,
         "Vessel name: Nordlys\r\n", {1996, 1989}},
        {"no name", {}, &MessageEditor::mnuInsertVesselName_Click, "", {1996, 1989}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.Settings.DeleteApplication("Tidepost");
        for (const auto& [key, value] : c.settings) platform.Settings.Save("Tidepost", "Settings", key, value);
        SetBodyText(controls, "");
        ((*editor).*c.command)();
        EXPECT_EQ(Body(), c.text);
        EXPECT_EQ(host.HotList.last(), c.counted);
    }
}

TEST_F(EditorCommandsTest, ChoosingTheCheckedCodePageAgainConvertsNothing) {
    SetIniValue(f, "[CodePage]", "1251", false);
    const QString cyrillic = QString::fromUtf8("\u041f\u0440\u0438\u0432\u0435\u0442");  // in windows-1251 bytes
    SetBodyText(controls, cyrillic);
    controls.mnuDos866Cyrillic->setCheckable(true);
    controls.mnuWindows1251Cyrillic->setCheckable(true);
    controls.mnuDos866Cyrillic->trigger();  // Qt flips the mark before the handler runs
    editor->mnuDos866Cyrillic_Click();
    const QString once = Body();
    EXPECT_NE(once, cyrillic);
    EXPECT_EQ(GetIniValue(f, "[CodePage]"), "866");
    EXPECT_TRUE(controls.mnuDos866Cyrillic->isChecked());
    EXPECT_FALSE(controls.mnuWindows1251Cyrillic->isChecked());

    controls.mnuDos866Cyrillic->trigger();  // unchecks it
    editor->mnuDos866Cyrillic_Click();
    EXPECT_EQ(Body(), once) << "converted once";
    EXPECT_TRUE(controls.mnuDos866Cyrillic->isChecked());

    editor->mnuWindows1251Cyrillic_Click();
    EXPECT_EQ(GetIniValue(f, "[CodePage]"), "1251");
    EXPECT_TRUE(controls.mnuWindows1251Cyrillic->isChecked());
}

TEST_F(EditorCommandsTest, SavingTheEditorWritesTheBodyAndTheFolder) {
    f.gSavedFilesDir = platform.DataFolder() + "/";
    const QString path = platform.DataFolder() + "/out/Editor.txt";
    QDir().mkpath(platform.DataFolder() + "/out");
    platform.Files.Answers = {path};
    controls.Editor->setPlainText("Noon report\nAll well");
    host.View = 1;
    editor->mnuSaveMsg_Click();
    EXPECT_EQ(host.View, 0) << "the editor is shown first";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Noon report\r\nAll well");
    EXPECT_EQ(platform.Files.Requests.first().FileName, "Editor.txt");
    EXPECT_EQ(platform.Files.Requests.first().Title, "Save Editor to file");
    EXPECT_EQ(GetIniValue(f, "[Saved files]"), platform.DataFolder() + "/out/");
    EXPECT_EQ(host.HotList.last(), qMakePair(1980, 0));
}

TEST_F(EditorCommandsTest, PrintingTheEditorQueuesItsBodyForTheTransceiver) {
    platform.Settings.Save("Tidepost", "Settings", "UseMesPrinter", "True");
    f.gSession.SetProductType(1);
    link.Transceiver.MesPrinterConfigured = true;
    controls.Editor->setPlainText("A\nB");
    editor->mnuPrintEditor_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\ntr tideprnt.txt -b 4\r\nprint tideprnt.txt -d\r\n");
    EXPECT_EQ(link.Transfer.RawTransferText, "A\r\nB");
    EXPECT_EQ(host.HotList.last(), qMakePair(1983, 0));
}

TEST_F(EditorCommandsTest, DontSendTogglesItsMark) {
    controls.mnuDontSendMsg->setCheckable(true);
    controls.mnuDontSendMsg->trigger();
    editor->mnuDontSendMsg_Click();
    EXPECT_TRUE(controls.mnuDontSendMsg->isChecked());
    controls.mnuDontSendMsg->trigger();
    editor->mnuDontSendMsg_Click();
    EXPECT_FALSE(controls.mnuDontSendMsg->isChecked());
}

// --- text size ---

TEST(cFontTest, SizesAreTableEntries) {
    const struct {
        int asked;
        int size;
    } cases[] = {{13, 14}, {5, 8}, {100, 72}, {8, 8}, {72, 72}, {30, 36}, {11, 11}, {-4, 8}};
    for (const auto& c : cases) {
        cFont font;
        int size = c.asked;
        font.Size(size);
        EXPECT_EQ(size, c.size) << c.asked;
        EXPECT_EQ(font.Size(), c.size) << c.asked;
    }
    cFont font;
    EXPECT_EQ(font.Size(), 11);
    int size = 72;
    font.Size(size);
    font.Increase();
    EXPECT_EQ(font.Size(), 72);
    font.Decrease();
    EXPECT_EQ(font.Size(), 48);
    size = 8;
    font.Size(size);
    font.Decrease();
    EXPECT_EQ(font.Size(), 8);
    font.Increase();
    EXPECT_EQ(font.Size(), 9);
}

TEST_F(EditorCommandsTest, TextSizeStepsEnableTheMenuItemsAndAreStored) {
    platform.Settings.Save("Tidepost", "Settings", "MsgFontSize", "48");
    editor->ApplyStoredTextSize();
    EXPECT_EQ(controls.Editor->font().pointSize(), 48);
    EXPECT_TRUE(controls.mnuMsgTextSizeInc->isEnabled());
    EXPECT_TRUE(controls.mnuMsgTextSizeDec->isEnabled());

    editor->mnuMsgTextSizeInc_Click();
    EXPECT_EQ(controls.Editor->font().pointSize(), 72);
    EXPECT_FALSE(controls.mnuMsgTextSizeInc->isEnabled());
    editor->mnuMsgTextSizeInc_Click();
    EXPECT_EQ(platform.Settings.Get("Tidepost", "Settings", "MsgFontSize", ""), "72");
    editor->mnuMsgTextSizeDec_Click();
    EXPECT_EQ(controls.Editor->font().pointSize(), 48);
    EXPECT_TRUE(controls.mnuMsgTextSizeInc->isEnabled());
    EXPECT_EQ(platform.Settings.Get("Tidepost", "Settings", "MsgFontSize", ""), "48");
    EXPECT_EQ(host.ViewerSizes, (QList<int>{72, 72, 48}));
    EXPECT_TRUE(host.HotList.isEmpty()) << "the steps count nothing";

    const struct {
        const char* stored;
        int size;
    } stored[] = {{"13", 14}, {"5", 8}, {"100", 72}, {"word", 8}};
    for (const auto& c : stored) {
        platform.Settings.Save("Tidepost", "Settings", "MsgFontSize", c.stored);
        editor->ApplyStoredTextSize();
        EXPECT_EQ(editor->cFont.Size(), c.size) << c.stored;
    }
    int size = 9;
    editor->cFont.Size(size);
    editor->mnuMsgTextSizeDec_Click();
    EXPECT_FALSE(controls.mnuMsgTextSizeDec->isEnabled());
    EXPECT_EQ(editor->cFont.Size(), 8);
}

}  // namespace
