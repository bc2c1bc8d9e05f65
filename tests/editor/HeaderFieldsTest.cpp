#include <QListWidget>
#include <QTest>

#include "EditorFixture.h"
#include "messages/AddressBookForm.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

using HeaderFieldsTest = test::EditorTest;

constexpr int kCtrl = 2;
constexpr int kAlt = 4;

QStringList ListTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

TEST_F(HeaderFieldsTest, KeysInTheCcAndBccFields) {
    const struct {
        const char* name;
        QString before;
        int key;
        int shift;
        QString after;
        bool consumed;
        int sends;
    } cases[] = {
        {"Backspace removes the last entry", "A;B;C", 8, 0, "A;B", true, 0},
        {"Backspace after a final separator", "Alice;Bob;", 8, 0, "Alice;Bob", true, 0},
        {"Backspace on one name", "A", 8, 0, "", true, 0},
        {"Backspace on nothing", "", 8, 0, "", true, 0},
        {"End is swallowed", "A;", 35, 0, "A;", true, 0},
        {"Home with Shift is swallowed", "A;", 36, 1, "A;", true, 0},
        {"Left is swallowed", "A;", 37, 0, "A;", true, 0},
        {"Down is swallowed", "A;", 40, 0, "A;", true, 0},
        {"Ctrl+Enter sends", "A;", 13, kCtrl, "A;", true, 1},
        {"a letter is typed", "A;", 88, 0, "A;", false, 0},
        {"Ctrl+K normalises", "alice ; bob", 75, kCtrl, "Alice;Bob;", true, 0},
        {"Alt+K normalises", "carol", 75, kAlt, "Carol;", true, 0},
        {"Shift+K is a letter", "carol", 75, 1, "carol", false, 0},
    };
    for (MessageEditor::Field field : {MessageEditor::Cc, MessageEditor::Bcc}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (field == MessageEditor::Cc ? " (Cc)" : " (Bcc)"));
            Field(field)->setText(c.before);
            host.Sends = 0;
            int key = c.key;
            editor->AddressFieldKeyDown(field, key, c.shift);
            EXPECT_EQ(Field(field)->text(), c.after);
            EXPECT_EQ(key == 0, c.consumed);
            EXPECT_EQ(host.Sends, c.sends);
            if (c.consumed && c.sends == 0) {
                EXPECT_EQ(Field(field)->cursorPosition(), Field(field)->text().size()) << "caret at the end";
            }
        }
    }
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(HeaderFieldsTest, ShortcutsReachTheBodyAndTheAddressBook) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    controls.Editor->setPlainText("line 1\nline 2");
    controls.CCFieldText->setText("Alice;");

    int key = 65;  // Ctrl+A in Cc selects the body, not the Cc text
    editor->AddressFieldKeyDown(MessageEditor::Cc, key, kCtrl);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(test::EditorTest::Body(), "line 1\r\nline 2");
    EXPECT_EQ(SelectedBodyText(controls), "line 1\r\nline 2");
    EXPECT_TRUE(controls.CCFieldText->selectedText().isEmpty());

    const struct {
        int key;
        int shift;
        bool bccShown;
        const char* tag;  // "" opens nothing
    } cases[] = {
        {84, kAlt, true, "TO"}, {190, kAlt, true, "TO"}, {67, kAlt, true, "CC"}, {66, kAlt, true, "BCC"},
        {66, kAlt, false, ""},  {84, kCtrl, true, ""},   {67, 0, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + " " + c.tag);
        controls.BccFieldText->setVisible(c.bccShown);
        m.AddressBookForms.AddressBookForm.unload();
        int k = c.key;
        editor->HandleEditorShortcutKeys(k, c.shift);
        const bool opened = m.AddressBookForms.AddressBookForm.isLoaded();
        EXPECT_EQ(opened, QString(c.tag) != "");
        EXPECT_EQ(k == 0, opened);
        if (opened) {
            EXPECT_EQ(m.AddressBookForms.AddressBookForm.get().Tag, c.tag);
        }
    }
    m.AddressBookForms.AddressBookForm.unload();
}

TEST_F(HeaderFieldsTest, LeavingAFieldWritesItsNamesAsTheBookHasThem) {
    const struct {
        QString typed;
        QString after;
    } cases[] = {
        {"alice ; bob", "Alice;Bob;"},
        {"Alice;", "Alice;"},
        {"alice;;bob;", "Alice;Bob;"},
        {"   ", ""},
        {"", ""},
        {"4712345", "Bob;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        controls.CCFieldText->setText(c.typed);
        editor->AddressField_LostFocus(MessageEditor::Cc);
        EXPECT_EQ(controls.CCFieldText->text(), c.after);
    }
    EXPECT_EQ(BookBytes(), "Alice:Email:5:alice@example.org\r\nBob:Telex:5:4712345\r\nCarol:Fax:5:4455\r\n")
        << "the book is only read";
}

TEST_F(HeaderFieldsTest, FocusLeavingTheFieldNormalisesItOnceTheFocusHasMoved) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    controls.BccFieldText->setFocus();
    controls.BccFieldText->setText("bob");
    controls.SubjectFieldText->setFocus();
    EXPECT_EQ(controls.BccFieldText->text(), "bob") << "not inside the focus change";
    EXPECT_TRUE(QTest::qWaitFor([&] { return controls.BccFieldText->text() == "Bob;"; }, 2000));
}

TEST_F(HeaderFieldsTest, ToIsNotNormalisedInTheDistressEditor) {
    f.gSession.SetMessagePriority(1);
    controls.ToFieldText->setText("SEARCH & RESCUE;");
    editor->AddressField_LostFocus(MessageEditor::To);
    EXPECT_EQ(controls.ToFieldText->text(), "SEARCH & RESCUE;");
}

TEST_F(HeaderFieldsTest, SubjectKeys) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    controls.SubjectFieldText->setFocus();
    int key = 13;
    editor->SubjectFieldText_KeyDown(key, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return controls.Editor->hasFocus(); }, 2000));
    EXPECT_EQ(host.Sends, 0);
    key = 13;
    editor->SubjectFieldText_KeyDown(key, kCtrl);
    EXPECT_EQ(host.Sends, 1);
    key = 65;
    editor->SubjectFieldText_KeyDown(key, kCtrl);
    EXPECT_EQ(key, 65) << "the Subject field leaves other keys to the text box";
}

TEST_F(HeaderFieldsTest, CtrlEnterTypedInAFieldSendsOnce) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (QLineEdit* field : {controls.CCFieldText.data(), controls.BccFieldText.data(),
                             controls.SubjectFieldText.data(), controls.ToFieldText.data()}) {
        SCOPED_TRACE(field->objectName().toStdString());
        host.Sends = 0;
        QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(host.Sends, 1);
    }
    // Backspace typed in Cc takes the last entry and nothing more.
    controls.CCFieldText->setText("Alice;Bob;");
    QTest::keyClick(controls.CCFieldText, Qt::Key_Backspace);
    EXPECT_EQ(controls.CCFieldText->text(), "Alice;Bob");
    QTest::keyClick(controls.CCFieldText, Qt::Key_Backspace);
    EXPECT_EQ(controls.CCFieldText->text(), "Alice");
}

TEST_F(HeaderFieldsTest, TheDistressNoticeIsQueuedOnceForKeysInCcAndBcc) {
    f.gSession.SetMessagePriority(1);
    for (int i = 0; i < 3; ++i) {
        int key = 88;
        editor->AddressFieldKeyDown(i == 2 ? MessageEditor::Bcc : MessageEditor::Cc, key, 0);
    }
    int key = 88;
    editor->AddressFieldKeyDown(MessageEditor::To, key, 0);
    EXPECT_EQ(test::DrainErrorQueue(f),
              QStringList{"Distress priority selected; modification of this field is not possible"});
}

TEST_F(HeaderFieldsTest, TheAddressBookDialogListsTheBookAndTheFields) {
    controls.ToFieldText->setText("Alice;Bob;");
    controls.CCFieldText->clear();
    controls.BccFieldText->setText(" Carol ;");
    host.View = 2;
    editor->CCButton_Click();
    EXPECT_EQ(host.View, 0) << "the editor is shown first";
    AddressBookForm& dialog = m.AddressBookForms.AddressBookForm.get();
    EXPECT_EQ(dialog.Tag, "CC");
    EXPECT_EQ(ListTexts(dialog.List1), (QStringList{"Alice", "Bob", "Carol"}));
    EXPECT_EQ(ListTexts(dialog.List2), (QStringList{"Alice", "Bob"}));
    EXPECT_EQ(dialog.List3->count(), 0);
    EXPECT_EQ(ListTexts(dialog.List4), QStringList{"Carol"});
    EXPECT_FALSE(dialog.isModal());

    // OK writes the lists back into the fields and returns to the editor.
    dialog.List3->addItem("Bob");
    dialog.OKButton_Click();
    EXPECT_EQ(controls.CCFieldText->text(), "Bob;");
    EXPECT_EQ(controls.ToFieldText->text(), "Alice;Bob;");
}

TEST_F(HeaderFieldsTest, ContactsCountsOneUsePerClick) {
    editor->mnuContacts_Click();
    editor->AddrbookButton_Click();
    EXPECT_EQ(host.HotList, (QList<QPair<int, int>>{{2014, 0}, {2014, 0}}));
    EXPECT_EQ(m.AddressBookForms.AddressBookForm.get().Tag, "TO");
    m.AddressBookForms.AddressBookForm.unload();
}

TEST_F(HeaderFieldsTest, ClicksPutTheCaretAtTheEndAndADoubleClickOpensTheBook) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    controls.CCFieldText->setText("Alice;Bob;");
    QTest::mouseClick(controls.CCFieldText, Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return controls.CCFieldText->cursorPosition() == 10; }, 2000));

    f.gSession.SetMessagePriority(1);
    QTest::mouseDClick(controls.CCFieldText, Qt::LeftButton, {}, QPoint(3, 5));
    QTest::qWait(20);
    EXPECT_FALSE(m.AddressBookForms.AddressBookForm.isLoaded()) << "not in the distress editor";
    f.gSession.SetMessagePriority(0);
    QTest::mouseDClick(controls.BccFieldText, Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return m.AddressBookForms.AddressBookForm.isLoaded(); }, 2000));
    EXPECT_EQ(m.AddressBookForms.AddressBookForm.get().Tag, "BCC");
    m.AddressBookForms.AddressBookForm.unload();
}

TEST_F(HeaderFieldsTest, TheStatusBarCountsTheBodyWithCrLfLineEnds) {
    controls.Editor->setPlainText("ab\ncd");
    EXPECT_EQ(panels.Panels.value(3), "6");
    controls.Editor->clear();
    EXPECT_EQ(panels.Panels.value(3), "0");
}

TEST_F(HeaderFieldsTest, TypingStopsAtTheLimitButTheProgramsTextIsNotCut) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString full = QString(EditorWiring::kTypingLimit - 2, 'x') + "\n";  // CR LF counts two
    controls.Editor->setPlainText(full);
    controls.Editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(controls.Editor, "yz");
    EXPECT_EQ(Body().size(), EditorWiring::kTypingLimit);
    SetBodyText(controls, QString(EditorWiring::kTypingLimit + 10, 'q'));
    EXPECT_EQ(Body().size(), EditorWiring::kTypingLimit + 10);
}

}  // namespace
