#include <gtest/gtest.h>

#include "foundation/DataFileText.h"
#include "foundation/IndexLines.h"

namespace tidepost {
namespace {

// The same three lines written with each line end, mixed ends, and without an end at the close.
const QByteArray kFiles[] = {
    "a:1:No:x.txt\r\nb:2:Yes:y.txt\r\nc:3:No:z.txt\r\n",
    "a:1:No:x.txt\nb:2:Yes:y.txt\nc:3:No:z.txt\n",
    "a:1:No:x.txt\rb:2:Yes:y.txt\rc:3:No:z.txt\r",
    "a:1:No:x.txt\rb:2:Yes:y.txt\r\nc:3:No:z.txt",
    "a:1:No:x.txt\r\n\r\nb:2:Yes:y.txt\n\nc:3:No:z.txt\r\r",
    "a:1:No:x.txt\n\rb:2:Yes:y.txt\r\r\nc:3:No:z.txt\n",
};

TEST(IndexLines, CutsLinesAsEveryReaderOfDataFilesDoes) {
    for (const QByteArray& file : kFiles) {
        const IndexLines lines(file);
        const QList<QByteArray> expected = SplitKeepingEnds(file);
        ASSERT_EQ(lines.Count(), expected.size()) << file.toStdString();
        for (int i = 0; i < lines.Count(); ++i) {
            const QByteArray end = LineEndOf(expected[i]);
            EXPECT_EQ(lines.End(i), end);
            EXPECT_EQ(lines.Text(i), expected[i].left(expected[i].size() - end.size()));
        }
        EXPECT_EQ(lines.Edited({}), file) << "without edits the bytes stay as they are";
    }
    EXPECT_EQ(IndexLines(QByteArray()).Count(), 0);
    EXPECT_EQ(IndexLines(QByteArray("\r\n")).Count(), 1);
    EXPECT_EQ(IndexLines(QByteArray("\r\n")).Text(0), QByteArrayView());
    EXPECT_EQ(IndexLines(QByteArray("x")).End(0), QByteArrayView());
}

// A replaced line keeps its own line end; a removed one goes with it; the rest stays byte for byte.
TEST(IndexLines, EditsSpliceTheChangedLinesOnly) {
    for (const QByteArray& file : kFiles) {
        const IndexLines lines(file);
        QList<QByteArray> expected = SplitKeepingEnds(file);
        const int last = lines.Count() - 1;
        expected[0] = "A" + LineEndOf(expected[0]);
        expected[last] = "C:longer than before" + LineEndOf(expected[last]);
        expected.removeAt(1);
        const QByteArray edited = lines.Edited({{0, QByteArray("A")}, {1, std::nullopt}, {last, QByteArray("C:longer than before")}});
        EXPECT_EQ(edited, expected.join()) << file.toStdString();
    }
}

TEST(IndexLines, FieldsAndTails) {
    EXPECT_EQ(FirstField("26001.out;a;b", ';'), "26001.out");
    EXPECT_EQ(LastField("a:b:26001.txt", ':'), "26001.txt");
    EXPECT_EQ(LastField("nofield", ':'), "nofield");
    EXPECT_EQ(LastField("ends:", ':'), "");
    EXPECT_TRUE(EndsWithAsciiNoCase("a:b:26001.TXT", "26001.txt"));
    EXPECT_FALSE(EndsWithAsciiNoCase("txt", "a.txt"));
    EXPECT_FALSE(EndsWithAsciiNoCase("a:b:26001.tx\xe4", "26001.txt"));
}

}  // namespace
}  // namespace tidepost
