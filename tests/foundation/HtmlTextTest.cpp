#include <gtest/gtest.h>

#include "foundation/HtmlText.h"

using namespace tidepost;

TEST(TextToHtml, EscapesMarkupThenBreaksLines) {
    const struct {
        const char* text;
        const char* html;
    } cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"a & b \"c\" 'd'", "a &amp; b &quot;c&quot; 'd'"},
        {"one\r\ntwo\r\n", "one<br>two<br>"},
        // The break is made after escaping, so it stays markup; an escaped one stays text.
        {"&lt;br&gt;\r\n<br>", "&amp;lt;br&amp;gt;<br>&lt;br&gt;"},
        {"lone\rCR and lone\nLF", "lone\rCR and lone\nLF"},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToHtml(QString::fromLatin1(c.text)), QString::fromLatin1(c.html)) << c.text;
}
