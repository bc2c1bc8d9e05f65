#include <functional>
#include <vector>

#include "AddressBookFixture.h"
#include "messages/AddressSearch.h"
#include "messages/IAddressBookWindows.h"

using namespace tidepost;

namespace {

// The chooser and the card as name resolution sees them: what they were shown, what they answer.
struct FakeAddressBookWindows : IAddressBookWindows {
    bool AddressListFormVisible() const override { return ChooserVisible; }
    QString ChooseAddress(int nameIndex) override {
        ChooserIndexes << nameIndex;
        ChooserPrompts << Owner->ResolveNames.value(nameIndex);
        ChooserLists << Owner->LastSearchResult.Names;
        if (WhileChooserShown) WhileChooserShown();
        return Selection;
    }
    bool AddressCardVisible() const override { return CardVisible; }
    bool PrefillNewAddressCard(const QString& text) override {
        Prefilled << text;
        CardVisible = true;  // the card stays open without waiting
        return KeepsText;
    }

    Messages* Owner = nullptr;
    bool ChooserVisible = false;
    bool CardVisible = false;
    QString Selection;
    bool KeepsText = true;
    std::function<void()> WhileChooserShown;
    QList<int> ChooserIndexes;
    QStringList ChooserPrompts;
    QList<QStringList> ChooserLists;
    QStringList Prefilled;
};

AddressEntry Entry(const QString& name, int type, int format, const QString& address) {
    return {name, static_cast<std::int16_t>(type), static_cast<std::int16_t>(format), address, {}};
}

class AddressSearchTest : public test::AddressBookTest {
protected:
    AddressSearchTest() {
        m.AddressBookEntries = {Entry("Agent", 1, 0, "123456"), Entry("Agent2", 1, 0, "555"),
                                Entry("Bagger", 2, 0, "99887766"), Entry("Ops", 1, 1, "77"),
                                AddressEntry{}, Entry("Mail", 0, 1, "ops@ship.example")};
        windows.Owner = &m;
    }
    void UseWindows() { m.AddressBookWindows = &windows; }

    FakeAddressBookWindows windows;
};

TEST_F(AddressSearchTest, SearchPrefersTheExactNameOverPartialMatches) {
    struct Case {
        const char* text;
        AddressSearchResult result;
    } cases[] = {
        {"agent", {true, {"Agent"}}},
        {"AGENT2", {true, {"Agent2"}}},
        {"ag", {true, {"Agent", "Agent2", "Bagger"}}},
        {"998877", {true, {"Bagger"}}},
        {"OPS", {true, {"Ops"}}},
        {"SHIP", {true, {"Mail"}}},
        {"zed", {false, {""}}},
    };
    for (const Case& c : cases) EXPECT_EQ(SearchAddressBook(m, c.text), c.result) << c.text;
}

TEST_F(AddressSearchTest, FieldsResolveToTheNamesOfTheirEntries) {
    struct Case {
        const char* field;
        AddressSearchResult result;
    } cases[] = {
        {"", {false, {}}},
        {"    ", {false, {}}},
        {";", {true, {""}}},
        {"Ops; ;Agent;", {true, {"Ops", "", "Agent"}}},
        {"  ops ;AGENT  ", {true, {"Ops", "Agent"}}},
        {"agent", {true, {"Agent"}}},
        {"1234", {true, {"Agent"}}},
        {"Agent;;Ops", {true, {"Agent", "", "Ops"}}},
        // Without the windows a name with several or no matches stays as typed.
        {"ag;Ops", {true, {"ag", "Ops"}}},
        {"Ops;zed", {false, {"Ops", "zed"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveAddressField(m, c.field, ";", true), c.result) << c.field;
        EXPECT_EQ(m.ResolveNames, c.result.Names.isEmpty() ? QStringList{""} : c.result.Names) << c.field;
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(AddressSearchTest, SeveralMatchesAreSettledInTheChooser) {
    UseWindows();
    windows.Selection = "Bagger";
    EXPECT_EQ(ResolveAddressField(m, "Ops;ag", ";", true), (AddressSearchResult{true, {"Ops", "Bagger"}}));
    EXPECT_EQ(windows.ChooserIndexes, QList<int>{1});
    EXPECT_EQ(windows.ChooserPrompts, QStringList{"ag"});
    EXPECT_EQ(windows.ChooserLists, QList<QStringList>{(QStringList{"Agent", "Agent2", "Bagger"})});

    // Nothing chosen: the typed text goes.
    windows.Selection.clear();
    EXPECT_EQ(ResolveAddressField(m, "ag;Ops", ";", true), (AddressSearchResult{true, {"", "Ops"}}));

    // A chooser already open is not opened again.
    windows.ChooserVisible = true;
    windows.ChooserIndexes.clear();
    EXPECT_EQ(ResolveAddressField(m, " ag ", ";", true), (AddressSearchResult{true, {"ag"}}));
    EXPECT_TRUE(windows.ChooserIndexes.isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(AddressSearchTest, AnotherFieldResolvedWhileTheChooserIsOpenDoesNotChangeThisField) {
    UseWindows();
    windows.Selection = "Agent2";
    AddressSearchResult other;
    windows.WhileChooserShown = [&] {
        windows.ChooserVisible = true;
        other = ResolveAddressField(m, "Mail;Bagger;Ops", ";", true);
        windows.ChooserVisible = false;
    };
    EXPECT_EQ(ResolveAddressField(m, "ag;agent", ";", true), (AddressSearchResult{true, {"Agent2", "Agent"}}));
    EXPECT_EQ(other, (AddressSearchResult{true, {"Mail", "Bagger", "Ops"}}));
    EXPECT_EQ(m.ResolveNames, (QStringList{"Agent2", "Agent"}));
}

TEST_F(AddressSearchTest, AnUnknownNameIsOfferedOnceAsANewEntry) {
    UseWindows();
    EXPECT_EQ(ResolveAddressField(m, "Zed;Ops;Yan", ";", true), (AddressSearchResult{false, {"Zed", "Ops", "Yan"}}));
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "'Zed' will be added to the address book . ");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Info");
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(windows.Prefilled, QStringList{"Zed"});
}

TEST_F(AddressSearchTest, AnUnknownNameGoesWhenTheCardDoesNotKeepIt) {
    UseWindows();
    windows.KeepsText = false;
    EXPECT_EQ(ResolveAddressField(m, "Ops;Zed", ";", true), (AddressSearchResult{false, {"Ops", ""}}));
    EXPECT_EQ(windows.Prefilled, QStringList{"Zed"});
}

TEST_F(AddressSearchTest, NoNoticeWithoutAllowAddOrWithTheCardOpen) {
    UseWindows();
    EXPECT_EQ(ResolveAddressField(m, "Zed", ";", false), (AddressSearchResult{false, {"Zed"}}));
    windows.CardVisible = true;
    EXPECT_EQ(ResolveAddressField(m, "Zed", ";", true), (AddressSearchResult{false, {"Zed"}}));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_TRUE(windows.Prefilled.isEmpty());
}

TEST_F(AddressSearchTest, SplitKeepsTheItemsAsTyped) {
    EXPECT_EQ(SplitAddressField("", ";"), (QStringList{"", ""}));
    EXPECT_EQ(SplitAddressField("   ", ";"), (QStringList{"", ""}));
    EXPECT_EQ(SplitAddressField("A;B;", ";"), (QStringList{"A", "B", ""}));
    EXPECT_EQ(SplitAddressField(" A ; B", ";"), (QStringList{" A ", " B"}));
}

TEST_F(AddressSearchTest, NamesGoIntoTheCellsOfTheirTypeFormatAndList) {
    RecipientMatrix matrix;
    EXPECT_TRUE(NamesToRecipientMatrix(m, {"Agent", "", "Ops"}, matrix, 1));
    RecipientMatrix expected;
    expected.Cell(1, 0, 1) = "Agent";
    expected.Cell(1, 1, 1) = "Ops";
    EXPECT_EQ(matrix, expected);

    EXPECT_TRUE(NamesToRecipientMatrix(m, {"agent2", "Mail"}, matrix, 0));
    expected.Cell(1, 0, 0) = "agent2";
    expected.Cell(0, 1, 0) = "Mail";
    EXPECT_EQ(matrix, expected);
    EXPECT_TRUE(NamesToRecipientMatrix(m, {"Agent"}, matrix, 0));
    expected.Cell(1, 0, 0) = "agent2;Agent";
    EXPECT_EQ(matrix, expected);

    // An unknown name stops the filling; what was added before it stays.
    EXPECT_FALSE(NamesToRecipientMatrix(m, {"Bagger", "Zed", "Ops"}, matrix, 2));
    expected.Cell(2, 0, 2) = "Bagger";
    EXPECT_EQ(matrix, expected);
}

TEST_F(AddressSearchTest, ADistressMessageGoesOnlyToTelex00000) {
    f.gSession.SetMessagePriority(1);
    RecipientMatrix matrix;
    matrix.Cell(1, 1, 0) = "Ops";
    matrix.Cell(2, 0, 1) = "Bagger";
    EXPECT_TRUE(NamesToRecipientMatrix(m, {"Agent", "Zed"}, matrix, 2));
    RecipientMatrix expected;
    expected.Cell(1, 1, 0) = "00000;";
    expected.Cell(2, 0, 1) = "Bagger";
    EXPECT_EQ(matrix, expected);
}

}  // namespace
