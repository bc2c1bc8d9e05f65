#include <gtest/gtest.h>

#include "foundation/MlStrings.h"
#include "foundation/StringTable.h"

using tidepost::MlStrings;
using tidepost::StringTable;

namespace {

// The table built into the program, loaded once for this file.
const StringTable& BuiltIn() {
    static MlStrings strings;
    strings.InitMlStrings();
    return strings.Table();
}

}  // namespace

TEST(BuiltInStringTable, ReadsWithoutBadLinesAndHoldsAPlausibleNumberOfEnglishTexts) {
    const StringTable& table = BuiltIn();
    EXPECT_TRUE(table.BadLines().isEmpty()) << "first bad line " << table.BadLines().value(0);
    const QList<int> ids = table.Ids();
    ASSERT_FALSE(ids.isEmpty());
    EXPECT_GE(ids.first(), 1);
    // The inherited texts end at 3056; texts added since take ids above them, below 4000.
    EXPECT_LE(ids.last(), 3999);
    EXPECT_GE(table.Count(1033), 900);
    EXPECT_LE(table.Count(1033), 1102);
    for (int id : ids) EXPECT_FALSE(table.GetString(id, 1033).isEmpty()) << "id " << id << " has no English text";
}

TEST(BuiltInStringTable, KeepsKnownEnglishTextsExactly) {
    struct Case {
        int id;
        const char* text;
    };
    const Case cases[] = {
        {4, "&Cancel"},
        {9, "Cancel"},
        {1906, "OK"},
        {2124, "Select Language"},
        {2706, "(MainForm.Load) Error '%0': %1."},
        {2807, "Could not save the file '"},
        {2808, "Message not saved due to very low disk space. Information was lost. "},
        {2024, "Distress Test M&ode"},
        {2133, "A graphical terminal for Kalvenor && Kalvenor Inmarsat-C transceivers"},
        {2530, "  Communicating with transceiver, please wait...  "},
        {3036, "Connected to TCU"},
        {3056, "Select From List"},
    };
    for (const Case& c : cases) EXPECT_EQ(BuiltIn().GetString(c.id, 1033), QString::fromUtf8(c.text)) << "id " << c.id;
    EXPECT_TRUE(BuiltIn().GetString(2808, 1033).endsWith(QLatin1String(". ")));
}

TEST(BuiltInStringTable, GivesNothingForUnknownIdsAndLanguages) {
    EXPECT_EQ(BuiltIn().GetString(5000, 1033), QString());
    EXPECT_EQ(BuiltIn().GetString(0, 1033), QString());
    EXPECT_EQ(BuiltIn().GetString(4, 1031), QString());
    EXPECT_EQ(BuiltIn().GetString(4, 0), QString());
}

TEST(StringTableFormat, UnescapesOnlyTheFourEscapes) {
    struct Case {
        const char* field;
        const char* text;
    } const cases[] = {
        {"plain", "plain"},
        {R"(a\tb)", "a\tb"},
        {R"(line one\r\nline two)", "line one\r\nline two"},
        {R"(C:\\temp)", "C:\\temp"},
        {R"(\\n)", "\\n"},            // an escaped backslash followed by a letter
        {R"(50\% off)", "50\\% off"},  // anything else keeps its backslash
        {R"(ends with\)", "ends with\\"},
        {"  blanks kept  ", "  blanks kept  "},
    };
    for (const auto& c : cases) EXPECT_EQ(StringTable::Unescape(QString::fromUtf8(c.field)), QString::fromUtf8(c.text)) << c.field;
}

TEST(StringTableFormat, ReadsColumnsPerLanguageAndSkipsCommentsAndEmptyLines) {
    StringTable table;
    table.Load("# comment\n"
               "\n"
               "4\t&Cancel\tAnnuler\t\xD0\x9E\xD1\x82\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB0\n"
               "7\tEnglish only\n"
               "8\tTrailing blank \t\t\r\n"
               "9\t\tfran\xC3\xA7" "ais seul\t\n");
    EXPECT_TRUE(table.BadLines().isEmpty());
    EXPECT_EQ(table.GetString(4, 1033), "&Cancel");
    EXPECT_EQ(table.GetString(4, 1036), "Annuler");
    EXPECT_EQ(table.GetString(4, 1049), QString::fromUtf8("Отмена"));
    EXPECT_EQ(table.GetString(7, 1036), QString());
    EXPECT_EQ(table.GetString(7, 1049), QString());
    EXPECT_EQ(table.GetString(8, 1033), "Trailing blank ");
    EXPECT_EQ(table.GetString(9, 1033), QString());
    EXPECT_EQ(table.GetString(9, 1036), QString::fromUtf8("français seul"));
    EXPECT_EQ(table.Ids(), (QList<int>{4, 7, 8, 9}));
    EXPECT_EQ(table.Count(1033), 3);
    EXPECT_EQ(table.Count(1036), 2);
    EXPECT_EQ(table.Count(1049), 1);
}

TEST(StringTableFormat, ReportsLinesItCannotTrustAndKeepsTheFirstOfADuplicate) {
    StringTable table;
    table.Load("1\tOne\n"
               "x\tNot a number\n"
               "0\tZero\n"
               "-5\tNegative\n"
               "1\tOne again\n"
               "2\ta\tb\tc\td\n"
               "3\tThree\n");
    EXPECT_EQ(table.BadLines(), (QList<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(table.GetString(1, 1033), "One");
    EXPECT_EQ(table.GetString(2, 1033), QString());
    EXPECT_EQ(table.GetString(3, 1033), "Three");
}

TEST(StringTableFormat, MissingFileGivesAnEmptyTable) {
    StringTable table;
    table.Load("1\tOne\n");
    EXPECT_FALSE(table.LoadFile("/nonexistent/strings.tsv"));
    EXPECT_TRUE(table.Ids().isEmpty());
}
