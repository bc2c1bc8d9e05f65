#include <vector>

#include "AddressBookFixture.h"
#include "messages/AddressBookTable.h"
#include "messages/AddressCodes.h"

using namespace tidepost;

namespace {

using AddressBookTableTest = test::AddressBookTest;
using Entries = QList<AddressEntry>;

AddressEntry Named(const QString& name, int type = 1, int format = 0) {
    return {name, static_cast<std::int16_t>(type), static_cast<std::int16_t>(format), "1", {}};
}

TEST_F(AddressBookTableTest, FindsTheFirstEntryOfANameInAnyLetterCase) {
    m.AddressBookEntries = {Named("Agent"), AddressEntry{}, Named("Office"), Named("office"), AddressEntry{}};
    struct Case {
        const char* name;
        int index;
    } cases[] = {{"OFFICE", 2}, {"Office", 2}, {"agent", 0}, {"", 1}, {"Offic", -1}, {"Agent2", -1}};
    for (const Case& c : cases) EXPECT_EQ(FindAddressEntry(m, c.name, false), c.index) << c.name;
    EXPECT_EQ(m.AddressBookEntries.size(), 5) << "a failed look-up adds nothing";
}

TEST_F(AddressBookTableTest, AMissingNameCanGrowTheTableByOneFreeSlot) {
    m.AddressBookEntries = {Named("A"), Named("B"), Named("C"), Named("D"), Named("E")};
    EXPECT_EQ(FindAddressEntry(m, "Zed", true), 5);
    ASSERT_EQ(m.AddressBookEntries.size(), 6);
    EXPECT_EQ(m.AddressBookEntries[5], AddressEntry{});
    EXPECT_EQ(FindAddressEntry(m, "c", true), 2) << "a name that is there adds nothing";
    EXPECT_EQ(m.AddressBookEntries.size(), 6);
}

TEST_F(AddressBookTableTest, AFreshTableFindsItsFreeSlotByTheEmptyName) {
    EXPECT_EQ(m.AddressBookEntries, Entries{AddressEntry{}});
    EXPECT_EQ(FindAddressEntry(m, "", false), 0);
    EXPECT_EQ(FindAddressEntry(m, "Agent", false), -1);
}

TEST_F(AddressBookTableTest, DeleteRemovesTheFirstMatchAndKeepsOneElement) {
    m.AddressBookEntries = {Named("A"), Named("B"), Named("b", 2), Named("C")};
    DeleteAddressEntry(m, "B");
    EXPECT_EQ(m.AddressBookEntries, (Entries{Named("A"), Named("b", 2), Named("C")}));
    DeleteAddressEntry(m, "Nobody");
    EXPECT_EQ(m.AddressBookEntries.size(), 3);

    m.AddressBookEntries = {Named("Only")};
    DeleteAddressEntry(m, "ONLY");
    EXPECT_EQ(m.AddressBookEntries, Entries{AddressEntry{}});
}

TEST_F(AddressBookTableTest, TypeAndFormatOfAName) {
    m.AddressBookEntries = {Named("Agent", 1, 0), Named("Ops", 6, 2)};
    TypeAndFormat tf;
    EXPECT_TRUE(GetEntryTypeAndFormat(m, "ops", tf));
    EXPECT_EQ(tf.Type, 6);
    EXPECT_EQ(tf.Format, 2);
    EXPECT_FALSE(GetEntryTypeAndFormat(m, "Nobody", tf));
    EXPECT_EQ(tf.Type, 255);
    EXPECT_EQ(tf.Format, 255);
}

TEST(AddressCodesTest, WordsAndCodesConvertBothWays) {
    const QStringList typeWords = {"Email", "Telex", "Fax", "InmC", "PSTN", "SAC", "DNID", "X25", "SMS"};
    for (int code = 0; code < typeWords.size(); ++code) {
        EXPECT_EQ(TypeCodeToWord(code), typeWords[code]);
        EXPECT_EQ(TypeWordToCode(typeWords[code]), code);
    }
    for (const char* other : {"E-Mail", "X.25", "telex", "", " Fax"}) EXPECT_EQ(TypeWordToCode(QString(other)), 0) << other;
    EXPECT_EQ(TypeCodeToWord(9), "");
    EXPECT_EQ(TypeCodeToWord(-1), "");

    const QStringList formatWords = {"5", "7", "8"};
    for (int code = 0; code < 3; ++code) {
        EXPECT_EQ(FormatCodeToWord(code), formatWords[code]);
        EXPECT_EQ(FormatWordToCode(formatWords[code]), code);
    }
    for (const char* other : {"6", "07", "", "8 "}) EXPECT_EQ(FormatWordToCode(QString(other)), 0) << other;
    EXPECT_EQ(FormatCodeToWord(3), "");
    EXPECT_EQ(FormatCodeToWord(-1), "");
}

}  // namespace

namespace {

// The look-ups go through an index of the names; it follows the table however the table changes.
TEST_F(AddressBookTableTest, LookUpsFollowTheTableAsItChanges) {
    m.AddressBookEntries = {Named("Agent"), Named("Office")};
    EXPECT_EQ(FindAddressEntry(m, "office", false), 1);

    // Another list of the same size.
    m.AddressBookEntries = {Named("Office"), Named("Agent")};
    EXPECT_EQ(FindAddressEntry(m, "office", false), 0);

    // Renamed in place, as the address card saves an entry.
    m.AddressBookEntries[0].Name = "Harbour";
    m.AddressNames.Changed();
    EXPECT_EQ(FindAddressEntry(m, "office", false), -1);
    EXPECT_EQ(FindAddressEntry(m, "HARBOUR", false), 0);

    // Renamed in place without a word: a name the index does not know is still found.
    m.AddressBookEntries[1].Name = "Pilot";
    EXPECT_EQ(FindAddressEntry(m, "pilot", false), 1);
    EXPECT_EQ(FindAddressEntry(m, "agent", false), -1) << "nor is a name that has gone";

    // Grown and shrunk.
    m.AddressBookEntries.append(Named("Harbour"));
    m.AddressBookEntries.append(Named("Tug"));
    EXPECT_EQ(FindAddressEntry(m, "tug", false), 3);
    EXPECT_EQ(FindAddressEntry(m, "harbour", false), 0) << "the first of equal names";
    RemoveAddressEntryAt(m, 0);
    EXPECT_EQ(FindAddressEntry(m, "harbour", false), 1);
    EXPECT_EQ(FindAddressEntry(m, "tug", false), 2);
}

}  // namespace
