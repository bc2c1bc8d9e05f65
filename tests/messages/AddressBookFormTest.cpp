#include <QTest>

#include "foundation/AccessKeys.h"
#include "AddressWindowsFixture.h"

using namespace tidepost;

namespace {

class AddressBookFormTest : public test::AddressWindowsTest {
protected:
    // The dialog opened by the editor for `field` over a book of these entries.
    AddressBookForm& Open(const QList<AddressEntry>& entries, const QString& field = "TO") {
        Book(entries);
        ShowAddressBookDialog(m, field);
        // On a display the focus lands in the first list.
        Dialog()->List_GotFocus(Dialog()->List1);
        return *Dialog();
    }
    // A click on a row: the list takes the focus, then the row is selected.
    void Select(QListWidget* list, int row) {
        Dialog()->List_GotFocus(list);
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    bool DialogClosed() {
        DeleteUnloaded();
        return Dialog() == nullptr;
    }
};

const QList<AddressEntry> kBook{test::Entry("Agent", 1, 0, "123456", "12"), test::Entry("Ops", 0, 1, "ops@ship.example"),
                                test::Entry("Fleet", 6, 2, "12345", "7")};
const QByteArray kBookBytes = "Agent:Telex:5:123456:12\r\nOps:Email:7:ops@ship.example\r\nFleet:DNID:8:12345:7\r\n";

TEST_F(AddressBookFormTest, OpensWithTheBookAndTheEditorsRecipients) {
    editor.Fields[0] = "Agent; Ops;";
    editor.Fields[2] = " Agent ;;";
    // The file is what is listed, not the table in memory.
    Book(kBook);
    m.AddressBookEntries = {test::Entry("Stale", 1, 0, "1")};
    ShowAddressBookDialog(m, "CC");
    AddressBookForm& dialog = *Dialog();
    EXPECT_EQ(editor.Calls, QStringList{"ChangeToEditor"});
    EXPECT_EQ(dialog.Tag, "CC");
    EXPECT_EQ(Names(dialog.List1), (QStringList{"Agent", "Ops", "Fleet"}));
    EXPECT_EQ(Names(dialog.List2), (QStringList{"Agent", "Ops"}));
    EXPECT_EQ(Names(dialog.List3), QStringList{});
    EXPECT_EQ(Names(dialog.List4), QStringList{"Agent"});
    EXPECT_EQ(dialog.windowTitle(), "Address Book");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
}

TEST_F(AddressBookFormTest, DoubleClickCopiesToTheFieldTheDialogWasOpenedFor) {
    struct Case {
        const char* tag;
        int list;  // 0 To, 1 Cc, 2 Bcc
    } cases[] = {{"TO", 0}, {"CC", 1}, {"BCC", 2}, {"", 0}};
    for (const Case& c : cases) {
        AddressBookForm& dialog = Open(kBook, c.tag);
        Select(dialog.List1, 1);
        test::DoubleClick(dialog.List1->viewport(), Qt::LeftButton, {},
                           dialog.List1->visualItemRect(dialog.List1->item(1)).center());
        QListWidget* lists[] = {dialog.List2, dialog.List3, dialog.List4};
        for (int list = 0; list < 3; ++list)
            EXPECT_EQ(Names(lists[list]), list == c.list ? QStringList{"Ops"} : QStringList{}) << c.tag << list;
        dialog.CancelButton->click();
        DeleteUnloaded();
    }
}

TEST_F(AddressBookFormTest, ToTwiceListsTwiceAndOkWritesTheFields) {
    editor.Fields[1] = "Old;";
    AddressBookForm& dialog = Open(kBook);
    Select(dialog.List1, 0);
    dialog.ToButton->click();
    dialog.ToButton->click();
    EXPECT_TRUE(dialog.DeleteButton->isEnabled());
    EXPECT_TRUE(dialog.PropertiesButton->isEnabled());
    Select(dialog.List1, 1);
    dialog.ToButton->click();
    dialog.BccButton->click();
    EXPECT_EQ(Names(dialog.List2), (QStringList{"Agent", "Agent", "Ops"}));
    Select(dialog.List3, 0);
    QTest::keyClick(dialog.List3, Qt::Key_Delete);
    dialog.OKButton->click();
    EXPECT_EQ(editor.Fields[0], "Agent;Agent;Ops;");
    EXPECT_EQ(editor.Fields[1], "");
    EXPECT_EQ(editor.Fields[2], "Ops;");
    EXPECT_EQ(views.Calls, QStringList{"ChangeViewEditor"});
    EXPECT_TRUE(DialogClosed());
}

TEST_F(AddressBookFormTest, HiddenCcAndBccRowsTakeNoNames) {
    editor.Fields[0] = "Agent;";
    editor.Fields[1] = "Ops;";
    editor.Fields[2] = "Fleet;";
    editor.Shown[1] = editor.Shown[2] = false;
    AddressBookForm& dialog = Open(kBook, "CC");
    EXPECT_EQ(Names(dialog.List2), QStringList{"Agent"});
    EXPECT_TRUE(Names(dialog.List3).isEmpty());
    EXPECT_TRUE(Names(dialog.List4).isEmpty());
    EXPECT_FALSE(dialog.CCButton->isEnabled());
    EXPECT_FALSE(dialog.BccButton->isEnabled());
    EXPECT_FALSE(dialog.List3->isEnabled());
    Select(dialog.List1, 1);
    dialog.CCButton_Click();
    dialog.BccButton_Click();
    dialog.List1_DblClick();  // opened for the hidden Cc field
    EXPECT_TRUE(Names(dialog.List3).isEmpty());
    EXPECT_TRUE(Names(dialog.List4).isEmpty());
    dialog.ToButton->click();
    dialog.OKButton->click();
    EXPECT_EQ(editor.Fields[0], "Agent;Ops;");
    EXPECT_EQ(editor.Fields[1], "Ops;") << "a hidden field is left as it was";
    EXPECT_EQ(editor.Fields[2], "Fleet;");
}

TEST_F(AddressBookFormTest, OkWithEmptyListsEmptiesTheFields) {
    editor.Fields[0] = "Agent;";
    editor.Fields[1] = "Ops;";
    editor.Fields[2] = "Fleet;";
    AddressBookForm& dialog = Open(kBook);
    for (QListWidget* list : {dialog.List2, dialog.List3, dialog.List4}) list->clear();
    dialog.OKButton->click();
    for (const QString& field : editor.Fields) EXPECT_EQ(field, "");
}

TEST_F(AddressBookFormTest, OkOnADistressMessageStaysInTheDistressEditor) {
    f.gSession.SetMessagePriority(1);
    AddressBookForm& dialog = Open(kBook);
    Select(dialog.List1, 0);
    dialog.ToButton->click();
    dialog.OKButton->click();
    EXPECT_EQ(editor.Fields[0], "Agent;");
    EXPECT_EQ(editor.Calls, (QStringList{"ChangeToEditor", "DistressEditorButton_Click"}));
    EXPECT_TRUE(views.Calls.isEmpty());
    EXPECT_TRUE(DialogClosed());
}

TEST_F(AddressBookFormTest, CancelChangesNoField) {
    editor.Fields[0] = "Agent;";
    AddressBookForm& dialog = Open(kBook);
    dialog.List2->clear();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(editor.Fields[0], "Agent;");
    EXPECT_TRUE(DialogClosed());
}

TEST_F(AddressBookFormTest, DeleteAsksAndSelectsTheEntryNowInItsPlace) {
    AddressBookForm& dialog = Open(kBook);
    Select(dialog.List1, 2);
    platform.Boxes.Answer(MsgAnswer::No);
    dialog.DeleteButton->click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown.first().text, "Do you want to delete the address: Fleet?");
    EXPECT_EQ(platform.Boxes.Shown.first().title, "Delete confirmation!");
    EXPECT_EQ(platform.Boxes.Shown.first().buttons, MsgButtons::YesNo);
    EXPECT_EQ(BookBytes(), kBookBytes);
    EXPECT_EQ(Names(dialog.List1).size(), 3);

    dialog.DeleteButton->click();  // Yes: the last entry goes, the new last is selected
    EXPECT_EQ(BookBytes(), "Agent:Telex:5:123456:12\r\nOps:Email:7:ops@ship.example\r\n");
    EXPECT_EQ(Names(dialog.List1), (QStringList{"Agent", "Ops"}));
    EXPECT_EQ(SelectedRow(dialog.List1), 1);

    Select(dialog.List1, 0);
    QTest::keyClick(dialog.List1, Qt::Key_Delete);  // the Delete key asks the same
    EXPECT_EQ(BookBytes(), "Ops:Email:7:ops@ship.example\r\n");
    EXPECT_EQ(SelectedRow(dialog.List1), 0);
    dialog.DeleteButton->click();
    EXPECT_EQ(BookBytes(), "");
    EXPECT_EQ(dialog.List1->count(), 0);
    EXPECT_EQ(m.AddressBookEntries.size(), 1);  // one free slot
}

// Two entries whose names differ only in letter case (remote configuration adds them so): the row
// chosen is the entry deleted or opened, not the first whose name looks alike.
TEST_F(AddressBookFormTest, DeleteAndPropertiesActOnTheSelectedRow) {
    AddressBookForm& dialog = Open({test::Entry("Agent", 1, 0, "111"), test::Entry("agent", 1, 0, "222"),
                                    test::Entry("Ops", 0, 1, "o@p.q")});
    Select(dialog.List1, 1);
    dialog.PropertiesButton->click();
    ASSERT_NE(Card(), nullptr);
    EXPECT_EQ(Card()->NumberTextField->text(), "222");
    Card()->CancelButton->click();

    Select(dialog.List1, 1);
    dialog.DeleteButton->click();
    EXPECT_EQ(BookText(), "Agent:Telex:5:111\r\nOps:Email:7:o@p.q\r\n");
    // The rows after it still name their own entries.
    Select(dialog.List1, 1);
    dialog.PropertiesButton->click();
    EXPECT_EQ(Card()->NumberTextField->text(), "o@p.q");
}

TEST_F(AddressBookFormTest, DeleteKeyRemovesARecipientWithoutAQuestion) {
    AddressBookForm& dialog = Open(kBook);
    for (const char* name : {"Agent", "Ops", "Fleet"}) dialog.List3->addItem(name);
    Select(dialog.List3, 2);
    QTest::keyClick(dialog.List3, Qt::Key_Delete);
    EXPECT_EQ(Names(dialog.List3), (QStringList{"Agent", "Ops"}));
    EXPECT_EQ(SelectedRow(dialog.List3), 1);  // the new last one
    Select(dialog.List3, 0);
    dialog.DeleteButton->click();  // the Delete button too
    EXPECT_EQ(Names(dialog.List3), QStringList{"Ops"});
    EXPECT_EQ(SelectedRow(dialog.List3), 0);
    QTest::keyClick(dialog.List3, Qt::Key_Delete);
    EXPECT_EQ(dialog.List3->count(), 0);
    QTest::keyClick(dialog.List3, Qt::Key_Delete);  // nothing left: nothing happens
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(BookBytes(), kBookBytes);
}

TEST_F(AddressBookFormTest, AListTakingTheFocusClearsTheOthersSelection) {
    AddressBookForm& dialog = Open(kBook);
    dialog.List2->addItem("Ops");
    Select(dialog.List2, 0);
    dialog.List_GotFocus(dialog.List1);
    EXPECT_EQ(SelectedRow(dialog.List2), -1);
    EXPECT_TRUE(dialog.DeleteButton->isEnabled());
    EXPECT_TRUE(dialog.PropertiesButton->isEnabled());
    Select(dialog.List1, 0);
    dialog.List_GotFocus(dialog.List4);
    EXPECT_EQ(SelectedRow(dialog.List1), -1);
}

TEST_F(AddressBookFormTest, PropertiesOfARecipientNotInTheBook) {
    AddressBookForm& dialog = Open(kBook);
    dialog.List2->addItem("Nobody");
    Select(dialog.List2, 0);
    dialog.PropertiesButton->click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown.first().text, "Entry was not found in Address Book");
    EXPECT_EQ(platform.Boxes.Shown.first().title, "Error");
    EXPECT_EQ(Card(), nullptr);
    // A recipient in the book opens by its name, letter case ignored.
    dialog.List2->addItem("ops");
    Select(dialog.List2, 1);
    dialog.PropertiesButton->click();
    ASSERT_NE(Card(), nullptr);
    EXPECT_EQ(Card()->Tag, "Existing");
    EXPECT_EQ(Card()->NameTextField->text(), "Ops");
}

TEST_F(AddressBookFormTest, ARenameReachesAllFourLists) {
    editor.Fields[0] = "Ops;Agent;";
    editor.Fields[1] = "Ops;";
    editor.Fields[2] = "ops;Ops;";
    AddressBookForm& dialog = Open(kBook);
    Select(dialog.List1, 1);
    dialog.PropertiesButton->click();
    Card()->NameTextField->setText("Harbour");
    Card()->OKButton->click();
    EXPECT_EQ(Names(dialog.List1), (QStringList{"Agent", "Harbour", "Fleet"}));
    EXPECT_EQ(Names(dialog.List2), (QStringList{"Harbour", "Agent"}));
    EXPECT_EQ(Names(dialog.List3), QStringList{"Harbour"});
    EXPECT_EQ(Names(dialog.List4), (QStringList{"ops", "Harbour"}));  // names compare exactly
    EXPECT_EQ(BookText(), "Agent:Telex:5:123456:12\r\nHarbour:Email:7:ops@ship.example\r\nFleet:DNID:8:12345:7\r\n");
}

TEST_F(AddressBookFormTest, ANewEntryJoinsTheList) {
    AddressBookForm& dialog = Open(kBook);
    dialog.NewEntryButton->click();
    ASSERT_NE(Card(), nullptr);
    EXPECT_EQ(Card()->Tag, "New");
    Card()->NameTextField->setText("Harbour");
    Card()->NumberTextField->setText("harbour@port.example");
    Card()->OKButton->click();
    EXPECT_EQ(Names(dialog.List1), (QStringList{"Agent", "Ops", "Fleet", "Harbour"}));
    // The new row names its entry: deleting it leaves the others.
    Select(dialog.List1, 3);
    dialog.DeleteButton->click();
    EXPECT_EQ(BookBytes(), kBookBytes);
}

TEST_F(AddressBookFormTest, CaptionsFollowTheLanguage) {
    AddressBookForm& dialog = Open(kBook);
    EXPECT_EQ(WithoutAccessKey(dialog.ToButton->text()), "To: =>");
    EXPECT_FALSE(AccessKeyOf(dialog.ToButton->text()).isNull());
    EXPECT_EQ(dialog.ToButton->accessibleName(), "To:");
    EXPECT_EQ(dialog.Label1->buddy(), dialog.List1);
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(dialog.windowTitle(), "Адресная книга");
    EXPECT_EQ(dialog.Label2->text(), "Адреса получателей:");
}

}  // namespace
