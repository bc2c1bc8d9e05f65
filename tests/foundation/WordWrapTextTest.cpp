#include <gtest/gtest.h>

#include "foundation/WordWrapText.h"

using tidepost::WordWrapText;

namespace {

struct WrapCase {
    const char* what;
    QString text;
    int width;
    QString expected;
};

void PrintTo(const WrapCase& c, std::ostream* os) { *os << c.what; }

class WordWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WordWrap, Reflows) {
    const WrapCase& c = GetParam();
    EXPECT_EQ(WordWrapText(c.text, c.width), c.expected) << c.what;
}

const QString kFullLine = QString("abc ").repeated(18);  // exactly 72 characters
const QString k60 = QString("x").repeated(60);
const QString k61 = QString("x").repeated(61);

INSTANTIATE_TEST_SUITE_P(
    WordWrapText, WordWrap,
    ::testing::Values(
        WrapCase{"empty text", "", 71, "\r\n"},
        WrapCase{"blanks only", "    ", 71, "\r\n"},
        WrapCase{"outer blanks trimmed", "  abc def  ", 71, "abc def\r\n"},
        WrapCase{"trailing break adds an empty line", "abc\r\n", 71, "abc\r\n\r\n"},
        WrapCase{"full line keeps the blank of its last word", "aaa bbb ccc ddd", 10, "aaa bbb \r\nccc ddd\r\n"},
        WrapCase{"line filled to width plus one", "aaaa bbbbb ccc", 10, "aaaa bbbbb \r\nccc\r\n"},
        WrapCase{"last word that does not fit", "aaaa bbbb ccc", 10, "aaaa bbbb \r\nccc\r\n"},
        WrapCase{"lone CR kept", "abc\rdef", 71, "abc\rdef\r\n"},
        WrapCase{"CR LF kept", "abc\r\ndef", 71, "abc\r\ndef\r\n"},
        WrapCase{"lone LF is an ordinary character", "abc\ndef", 71, "abc\ndef\r\n"},
        WrapCase{"tab does not separate words", "aaaa\tbbbb cc", 10, "aaaa\tbbbb \r\ncc\r\n"},
        WrapCase{"first line never joined", "short\r\nnext", 71, "short\r\nnext\r\n"},
        WrapCase{"short line after a full one joined", "aaaa bbbb cccc dddd eeee \r\nff gg\r\nhh ii", 20,
                 "aaaa bbbb cccc dddd \r\neeee ff gg\r\nhh ii\r\n"},
        WrapCase{"line ending with a full stop not joined", "aaaa bbbb cccc dddd eeee.\r\nff gg", 20,
                 "aaaa bbbb cccc dddd \r\neeee.\r\nff gg\r\n"},
        WrapCase{"full stop followed by blanks not joined", "aaaa bbbb cccc dddd ee. \r\nff gg", 20,
                 "aaaa bbbb cccc dddd \r\nee. \r\nff gg\r\n"},
        WrapCase{"full stop inside the line still joins", "aaaa bbbb cccc dddd e.e \r\nff gg", 20,
                 "aaaa bbbb cccc dddd \r\ne.e ff gg\r\n"},
        WrapCase{"empty line ends the joining", "aaaa bbbb cccc dddd eeee\r\n\r\nff gg", 20,
                 "aaaa bbbb cccc dddd \r\neeee\r\nff gg\r\n"},
        // Nothing is put in place of a joined break.
        WrapCase{"9 characters joined at width 20", "aaaa bbbb cccc dddd 123456789\r\nzz yy", 20,
                 "aaaa bbbb cccc dddd \r\n123456789zz yy\r\n"},
        WrapCase{"10 characters not joined at width 20", "aaaa bbbb cccc dddd 1234567890\r\nzz yy", 20,
                 "aaaa bbbb cccc dddd \r\n1234567890\r\nzz yy\r\n"},
        WrapCase{"60 characters joined at width 71", kFullLine + k60 + "\r\nzz yy", 71,
                 kFullLine + "\r\n" + k60 + "zz yy\r\n"},
        WrapCase{"61 characters not joined at width 71", kFullLine + k61 + "\r\nzz yy", 71,
                 kFullLine + "\r\n" + k61 + "\r\nzz yy\r\n"},
        WrapCase{"long word after gathered words comes after them", "ab cdefghijklmnop qr", 10,
                 "ab \r\ncdefghijklmnop qr\r\n"},
        WrapCase{"long line without a blank before its break not cut", "abcdefghijklmnop\r\nqr st", 10,
                 "abcdefghijklmnop\r\nqr st\r\n"},
        WrapCase{"single long word", "abcdefghijklmnop", 10, "abcdefghijklmnop\r\n"},
        WrapCase{"width 0", "a b", 0, "\r\na \r\nb\r\n"},
        WrapCase{"negative width counts as 0", "a b", -5, "\r\na \r\nb\r\n"}));

TEST(WordWrapText, LongTextEndsAndKeepsEveryCharacter) {
    // Far beyond 16-bit positions, with long words and breaks mixed in.
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += (i % 7 == 0 ? QString("w").repeated(90) : QString("word%1").arg(i)) + (i % 11 == 0 ? "\r\n" : " ");
    const QString out = WordWrapText(text, 71);
    EXPECT_TRUE(out.endsWith("\r\n"));
    auto letters = [](QString s) { return s.remove(' ').remove('\r').remove('\n'); };
    EXPECT_EQ(letters(out), letters(text));
}

}  // namespace
