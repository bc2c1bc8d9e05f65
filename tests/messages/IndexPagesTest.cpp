#include <gtest/gtest.h>

#include <array>

#include "messages/IndexPages.h"
#include "platform/AnsiCodec.h"

using namespace tidepost;

TEST(CutFields, TheFirstFieldsUpToTheNextSeparator) {
    const struct {
        const char* line;
        int count;
        QStringList fields;
    } cases[] = {
        {"", 3, {""}},
        {"a", 3, {"a"}},
        {"a;b;c", 3, {"a", "b", "c"}},
        {"a;;", 3, {"a", "", ""}},
        {";", 3, {"", ""}},
        {"a;b;c;d;e", 3, {"a", "b", "c"}},  // the last field ends at the next separator
        {"a;b;c;", 3, {"a", "b", "c"}},
        {"a:b;c", 3, {"a:b", "c"}},
        {"a;b", 1, {"a"}},
        {"a;b", 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::array<QStringView, 4> fields;
        const QString line = QString::fromLatin1(c.line);
        const int found = CutFields(line, u';', fields.data(), c.count);
        QStringList got;
        for (int i = 0; i < found; ++i) got.append(fields[size_t(i)].toString());
        EXPECT_EQ(got, c.fields);
    }
}

TEST(PageWriter, FieldsAreEscapedAsQtEscapesThem) {
    const QString texts[] = {
        "",
        "plain",
        "&<>\"'",
        "a&b<c>d\"e",
        "&amp;",
        QString::fromUtf8("Jos\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x9A\xA2 <\xD0\x96>"),
        QString(40, u'&'),
        "tail>",
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        PageWriter page(1);  // far too little: the page grows as it goes
        page.Markup(QLatin1String("<td>"));
        page.Text(text);
        page.Markup(QStringView(u"</td>"));
        EXPECT_EQ(page.Take(), "<td>" + text.toHtmlEscaped() + "</td>");
    }
}

TEST(PageWriter, LinkIdsAreTheNamesAnsiBytes) {
    const AnsiCodec codec("windows-1252");
    const struct {
        QString name, id;
    } cases[] = {
        {"12070301.out", "12070301.out"},
        {"a-b_c.IN", "a-b_c.IN"},
        {"", ""},
        {"a b", "a%20b"},
        {"<&\">%", "%3C%26%22%3E%25"},
        {QString::fromUtf8("\xC3\xA9t\xC3\xA9\xE2\x82\xAC"), "%E9t%E9%80"},
        {QString::fromUtf8("\xD0\x96"), "%3F"},  // beyond the code page: "?"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        PageWriter page(0);
        page.LinkId(codec, c.name);
        page.Markup(QLatin1String(">"));
        EXPECT_EQ(page.Take(), c.id + ">");
    }
}

TEST(PageWriter, TakeEmptiesTheWriter) {
    PageWriter page(100);
    page.Markup(QLatin1String("one"));
    EXPECT_EQ(page.Take(), "one");
    EXPECT_EQ(page.Take(), "");
    page.Text(u"two");
    EXPECT_EQ(page.Take(), "two");
}
