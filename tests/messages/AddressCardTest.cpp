#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "AddressWindowsFixture.h"
#include "messages/AddressBookTable.h"
#include "platform/QtMessageBoxes.h"

using namespace tidepost;

namespace {

class AddressCardTest : public test::AddressWindowsTest {
protected:
    // A new card, filled as the operator would, type first.
    AddressCard& NewCard(const QString& name, int type, const QString& number, int format = -1) {
        ShowNewAddressCard(m);
        AddressCard& card = *Card();
        card.DestinationOptionButton(type)->click();
        card.NameTextField->setText(name);
        card.NumberTextField->setText(number);
        if (format >= 0) card.FormatOptionButton(format)->click();
        return card;
    }
    // OK on the card; true when it closed.
    bool Ok() {
        Card()->OKButton->click();
        DeleteUnloaded();
        return Card() == nullptr;
    }
    QStringList BoxTitles() const {
        QStringList out;
        for (const MessageBoxRequest& box : platform.Boxes.Shown) out << box.title;
        return out;
    }
};

TEST_F(AddressCardTest, NewCardShowsAnEmptySevenBitEmailEntry) {
    ShowNewAddressCard(m);
    AddressCard& card = *Card();
    EXPECT_EQ(card.Tag, "New");
    EXPECT_EQ(card.DestinationOption->checkedId(), 0);
    EXPECT_EQ(card.FormatOption->checkedId(), 1);
    EXPECT_EQ(card.NameTextField->text(), "");
    EXPECT_TRUE(card.NameTextField->isEnabled());
    EXPECT_EQ(card.NumberTextField->text(), "");
    EXPECT_TRUE(card.MemberNo->isHidden());
    EXPECT_TRUE(card.PrefixCheck->isHidden());
    EXPECT_TRUE(card.TwoDigitPrefix->isHidden());
    EXPECT_EQ(card.PrevDest, "0");
    EXPECT_EQ(card.windowTitle(), "Address Card");
    EXPECT_EQ(card.DestinationLabel->text(), "E-Mail Address:");
}

TEST_F(AddressCardTest, LayoutPerType) {
    struct Row {
        int type;
        const char* label;
        const char* preset;
        bool eightBit;
        int width;
        bool member;
        bool prefix;
    } rows[] = {
        {0, "E-Mail Address:", "", true, 145, false, false},
        {1, "Telex No.:", "", false, 145, false, true},
        {2, "Telefax No.:", "", true, 145, false, true},
        {3, "Inmarsat-C Mobile No.:", "580", true, 145, false, true},
        {4, "Telephone No.:", "", true, 145, false, true},
        {5, "Special Access Code Service:", "", true, 145, false, false},
        {6, "DNID No.:", "", true, 73, true, false},
        {7, "X.25 No.:", "", true, 145, false, true},
        {8, "SMS Mobile phone number:", "", false, 145, false, false},
    };
    ShowNewAddressCard(m);
    AddressCard& card = *Card();
    for (const Row& r : rows) {
        SetUpCardForType(m, r.type);
        EXPECT_EQ(card.DestinationLabel->text(), r.label) << r.type;
        EXPECT_EQ(card.NumberTextField->text(), r.preset) << r.type;
        EXPECT_EQ(!card.FormatOptionButton(2)->isHidden(), r.eightBit) << r.type;
        EXPECT_EQ(card.NumberTextField->width(), r.width) << r.type;
        EXPECT_EQ(!card.MemberNo->isHidden(), r.member) << r.type;
        EXPECT_EQ(!card.MemLabel->isHidden(), r.member) << r.type;
        EXPECT_EQ(!card.PrefixCheck->isHidden(), r.prefix) << r.type;
        EXPECT_EQ(!card.TwoDigitPrefix->isHidden(), r.prefix) << r.type;
    }
    // Any other type changes nothing.
    SetUpCardForType(m, 9);
    EXPECT_EQ(card.DestinationLabel->text(), "SMS Mobile phone number:");
}

TEST_F(AddressCardTest, EachTypeKeepsWhatWasTypedForIt) {
    ShowNewAddressCard(m);
    AddressCard& card = *Card();
    card.NameTextField->setText("Ops");
    card.NumberTextField->setText("ops@ship.example");

    card.DestinationOptionButton(1)->click();  // telex
    EXPECT_EQ(card.FormatOption->checkedId(), 0);
    EXPECT_TRUE(card.FormatOptionButton(2)->isHidden());
    EXPECT_EQ(card.NumberTextField->text(), "");
    EXPECT_EQ(card.PrevDest, "1");
    card.NumberTextField->setText("123456");

    card.DestinationOptionButton(3)->click();  // Inmarsat-C
    EXPECT_EQ(card.NumberTextField->text(), "58");
    EXPECT_FALSE(card.FormatOptionButton(2)->isHidden());

    card.DestinationOptionButton(0)->click();  // back to e-mail
    EXPECT_EQ(card.NumberTextField->text(), "ops@ship.example");
    EXPECT_EQ(card.FormatOption->checkedId(), 1);
    EXPECT_EQ(card.NameTextField->text(), "Ops");
    card.DestinationOptionButton(1)->click();
    EXPECT_EQ(card.NumberTextField->text(), "123456");
}

TEST_F(AddressCardTest, KeyFiltersActOnTypedKeys) {
    ShowNewAddressCard(m);
    AddressCard& card = *Card();
    QTest::keyClicks(card.NameTextField, "Ag;e/nt");
    EXPECT_EQ(card.NameTextField->text(), "Agent");

    card.DestinationOptionButton(3)->click();
    QLineEdit* number = card.NumberTextField;
    number->setCursorPosition(0);
    QTest::keyClicks(number, "9");
    QTest::keyClick(number, Qt::Key_Delete);
    number->setCursorPosition(1);
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(number->text(), "58");
    number->end(false);
    QTest::keyClicks(number, "51");  // 5 is no ocean digit
    QTest::keyClicks(number, "34");  // the mobile number begins with 4
    QTest::keyClicks(number, "x12345678");
    EXPECT_EQ(number->text(), "581412345678");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    QTest::keyClicks(number, "9");
    EXPECT_EQ(number->text(), "581412345678");
    ASSERT_EQ(BoxTexts(), QStringList{"Inmarsat-C mobile numbers consist of a 3 digit sat. code + 9 digits."});
    EXPECT_EQ(BoxTitles(), QStringList{"Tidepost"});

    card.DestinationOptionButton(6)->click();
    QTest::keyClicks(card.MemberNo, "256");
    EXPECT_EQ(card.MemberNo->text(), "25");
    EXPECT_EQ(BoxTexts().last(), "Member No. has to be within [1..255]!");
    card.DestinationOptionButton(2)->click();
    card.PrefixCheck->click();
    QTest::keyClicks(card.TwoDigitPrefix, "a1b2");
    EXPECT_EQ(card.TwoDigitPrefix->text(), "12");
    QTest::keyClicks(card.NumberTextField, "+47+a1");
    EXPECT_EQ(card.NumberTextField->text(), "+471");
}

TEST_F(AddressCardTest, OkAddsTheEntryAndWritesTheFile) {
    NewCard("Agent", 1, "123456");
    Card()->PrefixCheck->click();
    Card()->TwoDigitPrefix->setText("12");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(BookText(), "Agent:Telex:5:123456:12\r\n");

    NewCard("Ops", 0, "ops@ship.example");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(BookText(), "Agent:Telex:5:123456:12\r\nOps:Email:7:ops@ship.example\r\n");

    NewCard("Fleet", 6, "12345", 2);
    Card()->MemberNo->setText("7");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(BookText(),
              "Agent:Telex:5:123456:12\r\nOps:Email:7:ops@ship.example\r\nFleet:DNID:8:12345:7\r\n");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(AddressCardTest, NameIsTrimmedAndTheFirstFreeSlotTaken) {
    m.AddressBookEntries = {test::Entry("Agent", 1, 0, "1"), AddressEntry{}, test::Entry("Ops", 1, 0, "2")};
    NewCard("  Harbour  ", 2, "4712");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(m.AddressBookEntries.at(1).Name, "Harbour");
    EXPECT_EQ(BookText(), "Agent:Telex:5:1\r\nHarbour:Fax:7:4712\r\nOps:Telex:5:2\r\n");
}

// Whatever reached a field past the key filters (pasted) is checked as a whole; the card stays
// open and the file stays as it was.
TEST_F(AddressCardTest, WholeFieldChecksKeepTheCardOpen) {
    Book({test::Entry("Agent", 1, 0, "123456")});
    const QByteArray before = BookBytes();
    struct Case {
        const char* what;
        const char* name;
        int type;
        const char* number;
        const char* member;
        const char* prefix;
        const char* boxText;
    } cases[] = {
        {"name with ;", "Ag;ent2", 1, "1", "", "", "A name can not hold ';', '/', ':' or a line break."},
        {"name with :", "Ag:ent2", 1, "1", "", "", "A name can not hold ';', '/', ':' or a line break."},
        {"name with LF", "Ag\nent2", 1, "1", "", "", "A name can not hold ';', '/', ':' or a line break."},
        {"empty name", "   ", 1, "1", "", "", "The name field can not be empty."},
        {"e-mail with :", "Ops", 0, "ops:x@ship.example", "", "", "An address can not hold ':' or a line break."},
        {"telex with CR", "Tx", 1, "12\r34", "", "", "An address can not hold ':' or a line break."},
        {"DNID with a letter", "Fleet", 6, "12a45", "7", "", "This number can hold digits only."},
        {"DNID member 0", "Fleet", 6, "12345", "0", "", "Member No. has to be within [1..255]!"},
        {"DNID member 312", "Fleet", 6, "12345", "312", "", "Member No. has to be within [1..255]!"},
        {"DNID member with :", "Fleet", 6, "12345", "7:", "", "Member No. has to be within [1..255]!"},
        {"X.25 with letters", "Net", 7, "12ab", "", "", "This number can hold digits only."},
        {"SMS with +", "Cell", 8, "+4790", "", "", "This number can hold digits only."},
        {"fax with + inside", "Fax", 2, "47+12", "", "", "This number can hold digits only, with one '+' in front."},
        {"Inm-C with letters", "Ship", 3, "5814abcdefgh", "", "",
         "Inm-C addresses needs to be a 12 digits No., 3 digit for Ocean Region & 9 digit for the Mobile No."},
        {"one-digit prefix", "Tx", 1, "123", "", "1", "Two digit prefix must have exactly two digits"},
        {"prefix with :", "Tx", 1, "123", "", "1:", "Two digit prefix must have exactly two digits"},
    };
    for (const Case& c : cases) {
        platform.Boxes.Shown.clear();
        NewCard(c.name, c.type, c.number);
        Card()->MemberNo->setText(c.member);
        if (*c.prefix) {
            Card()->PrefixCheck->click();
            Card()->TwoDigitPrefix->setText(c.prefix);
        }
        EXPECT_FALSE(Ok()) << c.what;
        EXPECT_TRUE(BoxTexts().contains(c.boxText)) << c.what << ": " << BoxTexts().join(" | ").toStdString();
        EXPECT_EQ(BookBytes(), before) << c.what;
        EXPECT_EQ(m.AddressBookEntries.size(), 1) << c.what;
    }
}

TEST_F(AddressCardTest, PrefixRules) {
    // Checked but empty: stored without a prefix.
    NewCard("Agent", 1, "123456");
    Card()->PrefixCheck->click();
    ASSERT_TRUE(Ok());
    // Typed but not checked: not stored either.
    NewCard("Fax", 2, "4712");
    Card()->TwoDigitPrefix->setText("34");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(BookText(), "Agent:Telex:5:123456\r\nFax:Fax:7:4712\r\n");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(AddressCardTest, AChangedTypeDropsThePrefix) {
    Book({test::Entry("Agent", 1, 0, "123456", "12")});
    ShowAddressCardForEntry(m, 0, "Agent");
    AddressCard& card = *Card();
    EXPECT_EQ(card.Tag, "Existing");
    EXPECT_EQ(card.PrevDest, "1");
    EXPECT_TRUE(card.PrefixCheck->isChecked());
    EXPECT_EQ(card.TwoDigitPrefix->text(), "12");
    card.DestinationOptionButton(0)->click();
    card.NumberTextField->setText("agent@port.example");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(BookText(), "Agent:Email:7:agent@port.example\r\n");
}

TEST_F(AddressCardTest, ANewNameInOtherLetterCaseIsRefused) {
    Book({test::Entry("Agent", 1, 0, "123456")});
    const QByteArray before = BookBytes();
    NewCard("agent", 2, "4712");
    EXPECT_FALSE(Ok());
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown.first().text, "Name 'agent' already exists. Try a different name.");
    EXPECT_EQ(platform.Boxes.Shown.first().title, "Name already exists");
    EXPECT_EQ(BookBytes(), before);
}

TEST_F(AddressCardTest, AChangeMayNotTakeAnotherEntrysName) {
    struct Case {
        const char* what;
        int entry;
        const char* newName;
        bool saved;
        const char* book;
    } cases[] = {
        {"another entry's name, other case", 1, "agent", false, "Agent:Telex:5:1\r\nOps:Email:7:o@p.q\r\n"},
        {"another entry's name", 1, "Agent", false, "Agent:Telex:5:1\r\nOps:Email:7:o@p.q\r\n"},
        {"own name in other case", 1, "OPS", true, "Agent:Telex:5:1\r\nOPS:Email:7:o@p.q\r\n"},
        {"a free name", 1, "Harbour", true, "Agent:Telex:5:1\r\nHarbour:Email:7:o@p.q\r\n"},
        {"own name kept", 0, "Agent", true, "Agent:Telex:5:1\r\nOps:Email:7:o@p.q\r\n"},
    };
    for (const Case& c : cases) {
        platform.Boxes.Shown.clear();
        Book({test::Entry("Agent", 1, 0, "1"), test::Entry("Ops", 0, 1, "o@p.q")});
        ShowAddressCardForEntry(m, c.entry, m.AddressBookEntries.at(c.entry).Name);
        Card()->NameTextField->setText(c.newName);
        EXPECT_EQ(Ok(), c.saved) << c.what;
        EXPECT_EQ(BookText(), c.book) << c.what;
        EXPECT_EQ(BoxTitles().contains("Name already exists"), !c.saved) << c.what;
        if (!c.saved) Card()->CancelButton->click();
        DeleteUnloaded();
    }
}

// Remote configuration adds names letter case counting, so "Agent" and "agent" may both be in the
// book; each is changed as itself.
TEST_F(AddressCardTest, EntriesThatDifferInLetterCaseAreChangedEachAsItself) {
    Book({test::Entry("Agent", 1, 0, "111"), test::Entry("agent", 1, 0, "222")});
    ShowAddressCardForEntry(m, 1, "agent");
    EXPECT_EQ(Card()->NumberTextField->text(), "222");
    Card()->NumberTextField->setText("333");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(BookText(), "Agent:Telex:5:111\r\nagent:Telex:5:333\r\n");
}

TEST_F(AddressCardTest, AChangeFindsItsEntryAfterTheTableChanged) {
    Book({test::Entry("Agent", 1, 0, "1"), test::Entry("Ops", 0, 1, "o@p.q")});
    ShowAddressCardForEntry(m, 1, "Ops");
    RemoveAddressEntryAt(m, 0);  // deleted in the dialog meanwhile
    Card()->NumberTextField->setText("ops@ship.example");
    ASSERT_TRUE(Ok());
    EXPECT_EQ(BookText(), "Ops:Email:7:ops@ship.example\r\n");
}

TEST_F(AddressCardTest, PrefilledCards) {
    EXPECT_TRUE(PrefillNewAddressCard(m, "Harbour"));
    EXPECT_EQ(Card()->NameTextField->text(), "Harbour");
    EXPECT_FALSE(Card()->NameTextField->isEnabled());
    EXPECT_EQ(Card()->NumberTextField->text(), "");
    EXPECT_EQ(Card()->Tag, "New");
    EXPECT_TRUE(m.AddressBookForms.AddressCardVisible());

    EXPECT_TRUE(PrefillNewAddressCard(m, "ops@ship.example"));
    EXPECT_EQ(Card()->NameTextField->text(), "");
    EXPECT_TRUE(Card()->NameTextField->isEnabled());
    EXPECT_EQ(Card()->NumberTextField->text(), "ops@ship.example");
    EXPECT_EQ(Card()->DestinationOption->checkedId(), 0);

    // A name the book could not hold is not taken as typed: the operator names the entry.
    EXPECT_FALSE(PrefillNewAddressCard(m, "Port/Office"));
    EXPECT_EQ(Card()->NameTextField->text(), "PortOffice");
    EXPECT_TRUE(Card()->NameTextField->isEnabled());
}

TEST_F(AddressCardTest, CancelStoresNothing) {
    Book({test::Entry("Agent", 1, 0, "123456")});
    const QByteArray before = BookBytes();
    const QList<AddressEntry> table = m.AddressBookEntries;
    NewCard("Ops", 0, "ops@ship.example");
    Card()->CancelButton->click();
    DeleteUnloaded();
    EXPECT_EQ(Card(), nullptr);
    ShowAddressCardForEntry(m, 0, "Agent");
    Card()->NumberTextField->setText("999");
    QTest::keyClick(Card(), Qt::Key_Escape);
    DeleteUnloaded();
    EXPECT_EQ(Card(), nullptr);
    EXPECT_EQ(BookBytes(), before);
    EXPECT_EQ(m.AddressBookEntries, table);
}

// OK with an e-mail address without "@" asks whether to go on; a screen reader can press the card's
// Cancel while that question waits. The card must not be deleted under its own question: the
// question answers No, nothing is stored, and the card closes once the question has returned.
TEST_F(AddressCardTest, CancelPressedWhileTheCardsQuestionWaits) {
    Book({test::Entry("Agent", 1, 0, "123456")});
    const QByteArray before = BookBytes();
    QtMessageBoxes realBoxes;
    platform.Os.Boxes = &realBoxes;
    NewCard("Ops", 0, "ops.ship.example");
    QPointer<AddressCard> card = Card();
    card->show();
    bool pressed = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (pressed || !qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) || !card) return;
        pressed = true;
        QAccessibleInterface* cancel = QAccessible::queryAccessibleInterface(card->CancelButton);
        QAccessibleActionInterface* actions = cancel ? cancel->actionInterface() : nullptr;
        if (actions) actions->doAction(QAccessibleActionInterface::pressAction());
        else card->CancelButton->click();
    });
    poll.start();
    card->OKButton->click();
    poll.stop();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(Card(), nullptr);
    DeleteUnloaded();
    EXPECT_TRUE(card.isNull());
    EXPECT_EQ(BookBytes(), before);
    platform.Os.Boxes = &platform.Boxes;
}

TEST_F(AddressCardTest, CaptionsFollowTheLanguage) {
    ShowNewAddressCard(m);
    Card()->DestinationOptionButton(6)->click();
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(Card()->windowTitle(), "Карточка адреса");
    EXPECT_EQ(Card()->DestinationLabel->text(), "Номер DNID:");
    EXPECT_EQ(Card()->MemLabel->text(), "Номер участника:");
}

}  // namespace
