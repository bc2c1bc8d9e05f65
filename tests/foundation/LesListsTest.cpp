#include <gtest/gtest.h>

#include <QDir>

#include "foundation/Foundation.h"
#include "foundation/LesLists.h"
#include "support/TestPlatform.h"

namespace tidepost {
namespace {

class LesListsTest : public ::testing::Test {
protected:
    LesListsTest() : f(os.Os) { f.gConfiguration.DataPath = os.DataFolder(); }
    test::TestPlatform os;
    Foundation f;
};

TEST(DefaultLesLists, EachOceanHasItsBuiltInList) {
    struct Case {
        int ocean;
        int count;
        KeyValuePair first;
        KeyValuePair last;
    };
    const Case cases[] = {
        {0, 6, {"001", "Southbury"}, {"021", "Aussaguel"}},
        {1, 9, {"101", "Southbury"}, {"121", "Aussaguel"}},
        {2, 9, {"201", "Southbury"}, {"221", "Aussaguel"}},
        {3, 13, {"301", "Southbury"}, {"335", "Fucino"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ocean);
        const QList<KeyValuePair> list = GetDefaultLesList(c.ocean);
        ASSERT_EQ(list.size(), c.count);
        EXPECT_EQ(list.first(), c.first);
        EXPECT_EQ(list.last(), c.last);
        for (int i = 1; i < list.size(); ++i) EXPECT_LT(list[i - 1].Key, list[i].Key);
        for (const KeyValuePair& e : list) EXPECT_EQ(e.Key.left(1).toInt(), c.ocean);
    }
    for (const int other : {-1, 4, 255}) EXPECT_TRUE(GetDefaultLesList(other).isEmpty()) << other;
}

// Every station of every ocean, as the files of a new data folder hold them, and read back as
// written: a misspelt or misplaced station in the middle of a list would otherwise go unnoticed.
TEST_F(LesListsTest, BuiltInFilesHoldEveryStationExactly) {
    const struct {
        int ocean;
        const char* fileName;
        QByteArray bytes;
    } cases[] = {
        {0, "les_aorw.dat",
         "001|Southbury\r\n002|Burum\r\n003|Yamaguchi\r\n004|Eik\r\n012|Burum\r\n021|Aussaguel\r\n"},
        {1, "les_aore.dat",
         "101|Southbury\r\n102|Burum\r\n103|Yamaguchi\r\n104|Eik\r\n105|Fucino\r\n112|Burum\r\n117|Nudol\r\n"
         "120|Thermopylae\r\n121|Aussaguel\r\n"},
        {2, "les_por.dat",
         "201|Southbury\r\n202|Burum\r\n203|Yamaguchi\r\n204|Eik\r\n210|Sentosa\r\n211|Beijing\r\n212|Burum\r\n"
         "217|Nudol\r\n221|Aussaguel\r\n"},
        {3, "les_ior.dat",
         "301|Southbury\r\n302|Burum\r\n303|Yamaguchi\r\n304|Eik\r\n305|Thermopylae\r\n306|Arvi\r\n"
         "311|Beijing\r\n312|Burum\r\n317|Nudol\r\n321|Aussaguel\r\n328|Sentosa\r\n330|Haiphong\r\n"
         "335|Fucino\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        EXPECT_EQ(LesFileName(c.ocean), c.fileName);
        ASSERT_TRUE(WriteLesFile(f, os.DataFolder() + "/" + c.fileName, GetDefaultLesList(c.ocean)));
        EXPECT_EQ(os.ReadDataFile(c.fileName), c.bytes);
        EXPECT_EQ(ReadDefaultLesFile(f, c.ocean), GetDefaultLesList(c.ocean));
    }
    EXPECT_TRUE(os.Boxes.Shown.isEmpty());
}

TEST_F(LesListsTest, WriterKeepsTheGivenOrderAndReplacesTheFile) {
    const QString path = os.DataFolder() + "/les_por.dat";
    os.WriteDataFile("les_por.dat", "old content that is longer than the new one\r\n");
    ASSERT_TRUE(WriteLesFile(f, path, {{"221", "Aussaguel"}, {"201", "Southbury"}}));
    EXPECT_EQ(os.ReadDataFile("les_por.dat"), "221|Aussaguel\r\n201|Southbury\r\n");
    ASSERT_TRUE(WriteLesFile(f, path, {}));
    EXPECT_EQ(os.ReadDataFile("les_por.dat"), "");
}

TEST_F(LesListsTest, WriteFailureGivesFalseWithoutABox) {
    EXPECT_FALSE(WriteLesFile(f, os.DataFolder() + "/missing/les_ior.dat", DefaultLesListIor()));
    EXPECT_TRUE(os.Boxes.Shown.isEmpty());
}

TEST_F(LesListsTest, LinesAreSplitAsTheReadersHaveAlwaysDone) {
    struct Case {
        const char* content;
        QList<KeyValuePair> expected;
    };
    const Case cases[] = {
        {"102|Burum|extra\r\n", {{"102", "Burum"}}},
        {"7|X\r\n", {{"7|X", "X"}}},  // the key is always the first three characters
        {"335\r\n", {{"335", ""}}},
        {"", {{"", ""}}},
        {"\r\n", {{"", ""}}},
        {"101|Southbury\r\n\r\n102|Burum", {{"101", "Southbury"}, {"", ""}, {"102", "Burum"}}},
        {"101|Southbury\n102|Burum\n", {{"101", "Southbury"}, {"102", "Burum"}}},
        {"104|Eik \r\n", {{"104", "Eik "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        os.WriteDataFile("les_aore.dat", c.content);
        EXPECT_EQ(ReadDefaultLesFile(f, 1), c.expected);
    }
    EXPECT_TRUE(os.Boxes.Shown.isEmpty());
}

TEST_F(LesListsTest, ReaderDecodesAnsi) {
    os.WriteDataFile("les_ior.dat", "399|M\xFCnchen\r\n");
    const QList<KeyValuePair> list = ReadDefaultLesFile(f, 3);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].Value, QString::fromUtf8("M\xC3\xBCnchen"));
}

TEST_F(LesListsTest, FileNameIsMatchedIgnoringCase) {
    os.WriteDataFile("LES_AORW.DAT", "001|Southbury\r\n");
    EXPECT_EQ(ReadDefaultLesFile(f, 0), (QList<KeyValuePair>{{"001", "Southbury"}}));
}

TEST_F(LesListsTest, ReadFailureShowsTheFileErrorBoxAndGivesNothing) {
    struct Case {
        int ocean;
        const char* textStart;
    };
    const Case cases[] = {
        {2, "(ReadDefaultLesFile) Error '53': "},  // no file
        {4, "(ReadDefaultLesFile) Error '9': "},   // no such ocean
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ocean);
        os.Boxes.Shown.clear();
        EXPECT_TRUE(ReadDefaultLesFile(f, c.ocean).isEmpty());
        ASSERT_EQ(os.Boxes.Shown.size(), 1);
        EXPECT_TRUE(os.Boxes.Shown[0].text.startsWith(c.textStart)) << os.Boxes.Shown[0].text.toStdString();
    }
    EXPECT_TRUE(os.Boxes.Shown[0].title.startsWith("Error "));
}

}  // namespace
}  // namespace tidepost
