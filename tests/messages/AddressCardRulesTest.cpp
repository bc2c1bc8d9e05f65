#include <gtest/gtest.h>

#include "messages/AddressCardRules.h"

using namespace tidepost;

namespace {

constexpr QChar kBack(kBackspaceKey);
constexpr CardKeyVerdict kPass{true, 0};
constexpr CardKeyVerdict kSwallow{false, 0};

enum Field { Name, Prefix, Member, Number };

struct KeyCase {
    const char* what;
    Field field;
    int type;
    const char* text;
    int selStart;
    int selLength;
    QChar key;
    CardKeyVerdict verdict;
};

CardKeyVerdict Filter(const KeyCase& c) {
    switch (c.field) {
    case Name: return NameKey(c.key);
    case Prefix: return PrefixKey(c.key);
    case Member: return MemberKey(c.text, c.selStart, c.selLength, c.key);
    case Number: return NumberKey(c.type, c.text, c.selStart, c.selLength, c.key);
    }
    return {};
}

}  // namespace

TEST(AddressCardRules, KeyFilters) {
    const KeyCase cases[] = {
        {"name takes letters and blanks", Name, 0, "", 0, 0, u'A', kPass},
        {"name refuses ;", Name, 0, "", 0, 0, u';', kSwallow},
        {"name refuses /", Name, 0, "", 0, 0, u'/', kSwallow},
        {"prefix takes digits", Prefix, 0, "", 0, 0, u'7', kPass},
        {"prefix takes backspace", Prefix, 0, "1", 1, 0, kBack, kPass},
        {"prefix refuses letters", Prefix, 0, "", 0, 0, u'a', kSwallow},
        {"member takes a first digit", Member, 6, "", 0, 0, u'2', kPass},
        {"member 25 then 5 gives 255", Member, 6, "25", 2, 0, u'5', kPass},
        {"member 25 then 6 is over 255", Member, 6, "25", 2, 0, u'6', {false, 2586}},
        {"member refuses letters with the box", Member, 6, "", 0, 0, u'x', {false, 2586}},
        {"member takes backspace", Member, 6, "25", 2, 0, kBack, kPass},
        // The digit goes where the caret is: 3 typed in front of 12 makes 312.
        {"member 3 in front of 12 is over 255", Member, 6, "12", 0, 0, u'3', {false, 2586}},
        {"member 1 in front of 12 gives 112", Member, 6, "12", 0, 0, u'1', kPass},
        {"member 0 alone is no member", Member, 6, "", 0, 0, u'0', {false, 2586}},
        {"member digit over a selection", Member, 6, "255", 0, 3, u'9', kPass},
        {"e-mail takes every character", Number, 0, "ops", 3, 0, u'@', kPass},
        {"e-mail takes even ;", Number, 0, "ops", 3, 0, u';', kPass},
        {"telex takes letters", Number, 1, "", 0, 0, u'x', kPass},
        {"special access code takes letters", Number, 5, "", 0, 0, u'x', kPass},
        {"fax takes + in front", Number, 2, "", 0, 0, u'+', kPass},
        {"fax refuses + later", Number, 2, "1", 1, 0, u'+', kSwallow},
        {"fax takes digits", Number, 2, "+1", 2, 0, u'5', kPass},
        {"fax refuses letters", Number, 2, "", 0, 0, u'a', kSwallow},
        {"PSTN takes + in front", Number, 4, "", 0, 0, u'+', kPass},
        {"X.25 refuses +", Number, 7, "", 0, 0, u'+', kSwallow},
        {"SMS refuses letters", Number, 8, "", 0, 0, u'a', kSwallow},
        {"SMS takes backspace", Number, 8, "12", 2, 0, kBack, kPass},
        {"DNID takes a fifth digit", Number, 6, "1234", 4, 0, u'5', kPass},
        {"DNID refuses a sixth digit with the box", Number, 6, "12345", 5, 0, u'6', {false, 2587}},
        {"DNID takes backspace when full", Number, 6, "12345", 5, 0, kBack, kPass},
        {"Inm-C keeps its 5", Number, 3, "58", 0, 0, u'5', kSwallow},
        {"Inm-C keeps its 8", Number, 3, "58", 1, 0, u'1', kSwallow},
        {"Inm-C backspace cannot remove the 5", Number, 3, "58", 1, 0, kBack, kSwallow},
        {"Inm-C backspace cannot remove the 8", Number, 3, "581", 2, 0, kBack, kSwallow},
        {"Inm-C ocean digit 4", Number, 3, "58", 2, 0, u'4', kPass},
        {"Inm-C ocean digit 5 refused", Number, 3, "58", 2, 0, u'5', kSwallow},
        {"Inm-C fourth digit 4", Number, 3, "581", 3, 0, u'4', kPass},
        {"Inm-C fourth digit 3 refused", Number, 3, "581", 3, 0, u'3', kSwallow},
        {"Inm-C backspace on the fourth", Number, 3, "5814", 3, 0, kBack, kPass},
        {"Inm-C twelfth digit", Number, 3, "58141234567", 11, 0, u'8', kPass},
        {"Inm-C thirteenth digit refused with the box", Number, 3, "581412345678", 12, 0, u'9', {false, 2588}},
        {"Inm-C digit over a selection when full", Number, 3, "581412345678", 11, 1, u'9', kPass},
        {"Inm-C letters refused", Number, 3, "5814", 4, 0, u'a', kSwallow},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(Filter(c), c.verdict) << c.what;
}

TEST(AddressCardRules, DeleteKeyKeepsTheInmcPrefix) {
    EXPECT_FALSE(NumberDeleteKeyPasses(3, 0));
    EXPECT_FALSE(NumberDeleteKeyPasses(3, 1));
    EXPECT_TRUE(NumberDeleteKeyPasses(3, 2));
    EXPECT_TRUE(NumberDeleteKeyPasses(6, 0));
}

// What a pasted text can bring into a field is checked when the card is saved.
TEST(AddressCardRules, WholeFields) {
    struct Case {
        const char* what;
        bool accepted;
        bool result;
    } cases[] = {
        {"plain name", IsAcceptableCardName("Agent 2"), true},
        {"name with ;", IsAcceptableCardName("Ag;ent"), false},
        {"name with /", IsAcceptableCardName("Ag/ent"), false},
        {"name with :", IsAcceptableCardName("Ag:ent"), false},
        {"name with CR", IsAcceptableCardName("Ag\rent"), false},
        {"name with LF", IsAcceptableCardName("Ag\nent"), false},
        {"e-mail with :", IsAcceptableCardNumber(0, "ops:x@y.z"), false},
        {"e-mail with LF", IsAcceptableCardNumber(0, "ops@y.z\n"), false},
        {"e-mail with ;", IsAcceptableCardNumber(0, "ops;@y.z"), true},
        {"telex with letters", IsAcceptableCardNumber(1, "12ab"), true},
        {"telex with :", IsAcceptableCardNumber(1, "12:3"), false},
        {"special access code with CR", IsAcceptableCardNumber(5, "3\r2"), false},
        {"Inm-C digits", IsAcceptableCardNumber(3, "581412345678"), true},
        {"Inm-C with letters", IsAcceptableCardNumber(3, "5814abcdefgh"), false},
        {"DNID digits", IsAcceptableCardNumber(6, "12345"), true},
        {"DNID with a letter", IsAcceptableCardNumber(6, "1234x"), false},
        {"X.25 with +", IsAcceptableCardNumber(7, "+123"), false},
        {"SMS with a blank", IsAcceptableCardNumber(8, "123 456"), false},
        {"fax with + in front", IsAcceptableCardNumber(2, "+4712345"), true},
        {"fax with two +", IsAcceptableCardNumber(2, "++4712345"), false},
        {"fax with + inside", IsAcceptableCardNumber(2, "47+12345"), false},
        {"PSTN with a letter", IsAcceptableCardNumber(4, "47a"), false},
        {"PSTN digits", IsAcceptableCardNumber(4, "4712345"), true},
        {"no member", IsAcceptableMemberNo(""), true},
        {"member 1", IsAcceptableMemberNo("1"), true},
        {"member 255", IsAcceptableMemberNo("255"), true},
        {"member 0", IsAcceptableMemberNo("0"), false},
        {"member 256", IsAcceptableMemberNo("256"), false},
        {"member 312", IsAcceptableMemberNo("312"), false},
        {"member with :", IsAcceptableMemberNo("7:"), false},
        {"member -1", IsAcceptableMemberNo("-1"), false},
        {"prefix 12", IsAcceptablePrefix("12"), true},
        {"prefix 1", IsAcceptablePrefix("1"), false},
        {"prefix 1:", IsAcceptablePrefix("1:"), false},
        {"prefix -1", IsAcceptablePrefix("-1"), false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.accepted, c.result) << c.what;
}
