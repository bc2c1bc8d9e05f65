#include <gtest/gtest.h>

#include "foundation/UrlDecode.h"
#include "platform/AnsiCodec.h"

using namespace tidepost;

TEST(UrlDecode, Cases) {
    const AnsiCodec codec;
    struct Case {
        QString in, out;
    } cases[] = {
        {"", ""},
        {"%41%42", "AB"},
        {"a+b", "a b"},
        {"%2B", "+"},              // an escaped plus stays a plus
        {"ab%", "ab%"},            // a "%" at the end stays
        {"ab%4", "ab%4"},          // one character after it: stays
        {"x%zzy", ""},             // no hexadecimal number: the whole text is empty
        {"%4g", ""},
        {"%e9t%E9", "\u00e9t\u00e9"},  // one character per escape, from the ANSI code page
        {"%C3%A9", "\u00c3\u00a9"},    // escapes are never joined into one UTF-8 character
        {"ops%40ship.example", "ops@ship.example"},
        {"100%25", "100%"},
    };
    for (const Case& c : cases) EXPECT_EQ(UrlDecode(codec, c.in), c.out) << c.in.toStdString();
}

TEST(UrlDecode, LongTextsAreDecodedWhole) {
    // Past the 16-bit positions a long form field used to come back empty.
    const QString in = QString("a+").repeated(40000) + "%41";
    const QString out = UrlDecode(AnsiCodec(), in);
    EXPECT_EQ(out.size(), 80001);
    EXPECT_TRUE(out.endsWith("a A"));
}
