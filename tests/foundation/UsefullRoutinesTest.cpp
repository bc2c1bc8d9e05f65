#include <gtest/gtest.h>

#include "foundation/UsefullRoutines.h"

using namespace tidepost;

namespace {
// Readable names for the control characters in the tables below.
const QString CR = "\r";
const QString LF = "\n";
const QString CRLF = "\r\n";
const QString STX = QString(QChar(2));
const QString ETX = QString(QChar(3));
}  // namespace

TEST(GetLine, SplitsAtTheTerminatorKeepingCrAndDroppingLf) {
    struct Case {
        const char* name;
        QString terminator;
        QString text;
        int n;
        QString expected;
    };
    const QString crlfText = "a" + CRLF + "b" + CRLF + "c";
    const Case cases[] = {
        {"crlf line 1 keeps its CR", CRLF, crlfText, 1, "a" + CR},
        {"crlf line 2 keeps its CR", CRLF, crlfText, 2, "b" + CR},
        {"crlf last line is clean", CRLF, crlfText, 3, "c"},
        {"crlf beyond the last line", CRLF, crlfText, 4, ""},
        {"line 0", CRLF, crlfText, 0, ""},
        {"negative line", CRLF, crlfText, -1, ""},
        {"lf text split at lf is clean", LF, "a" + LF + "b" + LF + "c", 2, "b"},
        {"crlf text split at lf keeps the CR", LF, crlfText, 2, "b" + CR},
        {"cr cr lf: trailing CR", CR + CRLF, "a" + CR + CRLF + "b" + CR + CRLF + "c", 1, "a" + CR},
        {"cr cr lf: leading and trailing CR", CR + CRLF, "a" + CR + CRLF + "b" + CR + CRLF + "c", 2, CR + "b" + CR},
        {"cr cr lf: last line has the leading CR", CR + CRLF, "a" + CR + CRLF + "b" + CR + CRLF + "c", 3, CR + "c"},
        {"reply ending in the terminator: empty line after it", CRLF, "OK" + CRLF, 2, ""},
        {"empty text", CRLF, "", 1, ""},
        {"no terminator in text", CRLF, "whole", 1, "whole"},
        {"terminator is matched exactly", CRLF, "a" + CR + "b" + CRLF + "c", 1, "a" + CR + "b" + CR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetLine(c.n, c.text, c.terminator), c.expected);
    }
}

TEST(TruthValue, ReadsWordsAndNumbersAndNothingElse) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"True", true},  {"false", false}, {" TRUE ", true}, {"0", false}, {"1", true},   {"-1", true},
        {"2.5", true},   {"0.0", false},   {"x", {}},        {"", {}},     {"yes", {}},   {"1e999", {}},
        {"nan", {}},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(TruthValue(text), value) << text;
}

TEST(CountLines, CountsCrPlusOne) {
    EXPECT_EQ(CountLines(""), 1);
    EXPECT_EQ(CountLines("abc"), 1);
    EXPECT_EQ(CountLines("a" + CRLF + "b"), 2);
    EXPECT_EQ(CountLines("a" + CRLF + "b" + CRLF), 3);  // the empty line after the last CR LF
    EXPECT_EQ(CountLines("a" + LF + "b"), 1);            // only CR counts
    EXPECT_EQ(CountLines(QString(40000, u'\r')), 40001);  // long texts are counted too
}

TEST(GetField, SplitsAtOneCharacterSeparator) {
    struct Case {
        int n;
        QString separator;
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {1, ",", "115200,n,8,1", "115200"},
        {2, ",", "115200,n,8,1", "n"},
        {4, ",", "115200,n,8,1", "1"},
        {5, ",", "115200,n,8,1", ""},
        {0, ",", "115200,n,8,1", ""},
        {1, ",", "no comma here", "no comma here"},
        {2, ",", "a,,c", ""},
        {3, ",", "a,,c", "c"},
        {2, ",", "a,", ""},
        {1, ",", "", ""},
        {1, ", ", "a, b, c", "a, b, c"},  // a longer separator never matches
        {2, ", ", "a, b, c", ""},
        {1, "", "a,b", "a,b"},
        {2, ":", "A:b", "b"},  // exact comparison
        {2, "a", "bAc", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 of '%2' at '%3'").arg(c.n).arg(c.text, c.separator).toStdString());
        EXPECT_EQ(GetField(c.n, c.separator, c.text), c.expected);
    }
}

TEST(CharacterRemoval, RemovesExactlyWhatIsAsked) {
    struct Case {
        const char* name;
        QString actual;
        QString expected;
    };
    const Case cases[] = {
        {"drop last", DropLastChar("abc"), "ab"},
        {"drop last of one char", DropLastChar("a"), ""},
        {"drop last of empty", DropLastChar(""), ""},
        {"remove char", RemoveChar("a.b.c", "."), "abc"},
        {"remove char is exact", RemoveChar("aAa", "a"), "A"},
        {"remove empty c", RemoveChar("a.b", ""), "a.b"},
        {"remove two-char c", RemoveChar("a..b", ".."), "a..b"},
        {"remove spaces", RemoveSpaces(" a b  c "), "abc"},
        {"remove spaces keeps tabs", RemoveSpaces("a\tb"), "a\tb"},
        {"remove colons", RemoveColons("12:34:56"), "123456"},
        {"remove stx etx", RemoveStxEtx(STX + "msg" + ETX + STX), "msg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(LineBreaks, ConvertAsEachRoutineDefines) {
    struct Case {
        const char* name;
        QString actual;
        QString expected;
    };
    const Case cases[] = {
        {"flatten crlf", FlattenText("a" + CRLF + "b"), "a b"},
        {"flatten lf cr gives two blanks", FlattenText("a" + LF + CR + "b"), "a  b"},
        {"flatten cr cr lf", FlattenText("a" + CR + CRLF + "b"), "a  b"},
        {"flatten drops stx etx", FlattenText(STX + "a" + CR + "b" + ETX), "a b"},
        {"flatten lone lf", FlattenText("a" + LF + "b"), "a b"},

        {"normalize empty", NormalizeCrLf(""), ""},
        {"normalize keeps crlf", NormalizeCrLf("a" + CRLF + "b"), "a" + CRLF + "b"},
        {"normalize lone cr", NormalizeCrLf("a" + CR + "b"), "a" + CRLF + "b"},
        {"normalize lone lf", NormalizeCrLf("a" + LF + "b"), "a" + CRLF + "b"},
        {"normalize lf cr", NormalizeCrLf("a" + LF + CR + "b"), "a" + CRLF + "b"},
        {"normalize cr cr lf gives two", NormalizeCrLf("a" + CR + CRLF + "b"), "a" + CRLF + CRLF + "b"},
        {"normalize lf cr lf gives two", NormalizeCrLf("a" + LF + CRLF + "b"), "a" + CRLF + CRLF + "b"},
        {"normalize trailing cr", NormalizeCrLf("a" + CR), "a" + CRLF},
        {"normalize trailing lf", NormalizeCrLf("a" + LF), "a" + CRLF},
        {"normalize lf lf", NormalizeCrLf(LF + LF), CRLF + CRLF},

        {"lftocrlf of crlf", LfToCrLf(CRLF), CRLF},
        {"lftocrlf of cr cr", LfToCrLf(CR + CR), CR},
        {"lftocrlf of cr cr lf", LfToCrLf(CR + CRLF), CR + CRLF},
        {"lftocrlf of lf", LfToCrLf("a" + LF + "b"), "a" + CRLF + "b"},
        {"lftocrlf pairs do not overlap", LfToCrLf(CR + CR + CR), CR + CR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(FormatThreeDigits, PadsNumbersAndChangesTheCallersText) {
    struct Case {
        QString input;
        QString expected;
    };
    const Case cases[] = {
        {"7", "007"},   {"42", "042"},  {"123", "123"}, {"1234", "1234"}, {" 5 ", "005"},
        {"0", "000"},   {"", "Unk"},    {"  ", "Unk"},  {"abc", "Unk"},   {"-5", "Unk"},
        {"-0", "Unk"},  {"1a", "Unk"},  {"1 2", "Unk"}, {"1.5", "1.5"},   {"--1", "Unk"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        QString text = c.input;
        EXPECT_EQ(FormatThreeDigits(text), c.expected);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(FilterKey, LetsThroughBackspaceAndAllowedCharacters) {
    struct Case {
        int code;
        QString allowed;
        int expected;
    };
    const Case cases[] = {
        {'5', "0123456789", '5'},
        {'a', "0123456789", 0},
        {8, "0123456789", 8},
        {8, "", 8},
        {13, "0123456789", 0},  // every other control character is dropped
        {'A', "abc", 0},        // exact comparison
        {'a', "", 0},
        {-1, "0123456789", 0},
        {0x10041, "A", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        int code = c.code;
        EXPECT_EQ(FilterKey(code, c.allowed), c.expected);
        EXPECT_EQ(code, c.expected);
    }
}

TEST(TrimBlanks, RemovesOnlyBlanksAtTheEnds) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", ""}, {"   ", ""}, {"  a b  ", "a b"}, {"\ta\t", "\ta\t"}, {" \r\n ", "\r\n"}, {"x", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TrimBlanks(QString::fromLatin1(c.text)).toString(), QString::fromLatin1(c.expected));
    }
}

TEST(IsAllDigits, OnlyAsciiDigitsAndNotEmpty) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"0", true}, {"0123456789", true}, {"", false}, {" 1", false}, {"1 ", false},
        {"-1", false}, {"+1", false}, {"1.5", false}, {"1a", false}, {"/", false}, {":", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsAllDigits(QString::fromLatin1(c.text)), c.expected);
    }
    // A digit of another script is no ASCII digit.
    EXPECT_FALSE(IsAllDigits(QString(QChar(0x0663))));
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const struct {
        const char* text;
        qint64 expected;
    } cases[] = {
        {"102", 102}, {" 102", 102}, {"001", 1}, {"1 0 2", 102}, {"\t7", 7}, {"Auto", 0}, {"", 0},
        {"-12", -12}, {"+5", 5}, {"- 3", -3}, {"12a7", 12}, {"1.9", 1}, {"--1", 0}, {"3-1", 3},
        {"99999999999999999999999999", 999999999999999999},  // stops growing near the limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.expected);
    }
    EXPECT_EQ(LeadingNumber(QString(QChar(0x0663))), 0) << "a digit of another script is none";
}

TEST(AddBackslash, AppendsASeparatorOnlyWhenMissing) {
    EXPECT_EQ(AddBackslash("/data/Inbox"), "/data/Inbox/");
    EXPECT_EQ(AddBackslash("/data/Inbox/"), "/data/Inbox/");
    EXPECT_EQ(AddBackslash("data\\Inbox\\"), "data\\Inbox\\");
    EXPECT_EQ(AddBackslash(""), "/");
}

TEST(LesId, OceanAndValidityBoundaries) {
    struct Case {
        int id;
        int ocean;
        bool valid;
    };
    const Case cases[] = {
        {0, 0, false},   {1, 0, true},    {64, 0, true},   {65, 0, false},  {99, 0, false},
        {100, 1, false}, {101, 1, true},  {164, 1, true},  {165, 1, false}, {199, 1, false},
        {200, 2, false}, {264, 2, true},  {335, 3, true},  {399, 3, false}, {400, 4, false},
        {401, 4, false}, {464, 4, false}, {-1, 0, false},  {-101, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(GetOceanOfLes(c.id), c.ocean);
        EXPECT_EQ(IsValidLesId(c.id), c.valid);
    }
}
