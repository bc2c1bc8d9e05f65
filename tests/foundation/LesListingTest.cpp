#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/LesLists.h"
#include "support/TestPlatform.h"

namespace tidepost {
namespace {

const QString STX(QChar(2));
const QString ETX(QChar(3));
const char* const kLineEnds[] = {"\n", "\r\n", "\r\r\n"};

// A listing as the transceiver sends it: per station its marker line, two value lines and an
// empty line; `lastEnded` false leaves the empty line after the last station out.
QString Listing(const QString& echo, const QStringList& fields, const QString& end, bool lastEnded = true) {
    QString text = echo + end;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        text += QString("LES id ") + STX + fields[i] + ETX + end;
        text += QString("Name     : ") + STX + "Station " + fields[i].trimmed() + ETX + end;
        text += QString("Services : ") + STX + "Telex Email" + ETX + end;
        if (i + 1 < fields.size() || lastEnded) text += end;
    }
    return text + "can0:/$ ";
}

TEST(LesListing, IdsAreThreeDigitsInReplyOrderWhateverTheLineEnd) {
    for (const char* end : kLineEnds) {
        SCOPED_TRACE(QString(end).replace('\r', "CR").replace('\n', "LF").toStdString());
        EXPECT_EQ(ListedLesIds(Listing("st -n", {"  1", " 12", "102"}, end)), (QStringList{"001", "012", "102"}));
        // A field that is no number is skipped; the ids around it stay, duplicates too.
        EXPECT_EQ(ListedLesIds(Listing("st -n", {"101", "1x2", "1 2", "   ", "112", "101"}, end)),
                  (QStringList{"101", "112", "101"}));
    }
    EXPECT_TRUE(ListedLesIds("st -n\r\nNo stations\r\ncan0:/$ ").isEmpty());
    // The marker is exact: without STX, or in other letter case, it is no marker.
    EXPECT_TRUE(ListedLesIds(QString("LES id 101\r\nles id ") + STX + "102\r\n").isEmpty());
    // A field cut short by the end of the reply still counts.
    EXPECT_EQ(ListedLesIds(QString("LES id ") + STX + " 7"), QStringList{"007"});
}

TEST(LesListing, BlockOfAStationRunsFromItsMarkerToTheNextEmptyLine) {
    for (const char* end : kLineEnds) {
        const QString e = end;
        SCOPED_TRACE(QString(end).replace('\r', "CR").replace('\n', "LF").toStdString());
        const QString reply = Listing("status -n", {"101", "  1", "102"}, e, false);
        EXPECT_EQ(ListedLesBlock(reply, 101), QString("LES id ") + STX + "101" + ETX + e + QString("Name     : ") + STX + "Station 101" +
                                                  ETX + e + QString("Services : ") + STX + "Telex Email" + ETX);
        EXPECT_TRUE(ListedLesBlock(reply, 1).startsWith(QString("LES id ") + STX + "  1" + ETX));
        // The last station's lines have no ending empty line: nothing to show.
        EXPECT_TRUE(ListedLesBlock(reply, 102).isNull());
        EXPECT_TRUE(ListedLesBlock(reply, 103).isNull());
    }
    // Station 1 is found only under its own field "  1", not under "001" or "101".
    const QString only = Listing("status -n", {"001", "101"}, "\r\n");
    EXPECT_TRUE(ListedLesBlock(only, 1).isNull());
}

class UpdateLesListTest : public ::testing::Test {
protected:
    UpdateLesListTest() : f(os.Os) { f.gConfiguration.DataPath = os.DataFolder(); }
    test::TestPlatform os;
    Foundation f;
};

TEST_F(UpdateLesListTest, ListingReplacesTheListOfTheFirstIdsOceanOnly) {
    for (int ocean = 0; ocean < 4; ++ocean) f.gConfiguration.SetavailableLESs(OceanIndex(ocean), "old");
    UpdateLESList(f, Listing("st -n", {"101", "202", "112"}, "\r\n"));
    EXPECT_EQ(f.gConfiguration.AvailableLESs(1), "101,202,112");
    for (int other : {0, 2, 3}) EXPECT_EQ(f.gConfiguration.AvailableLESs(OceanIndex(other)), "old");

    UpdateLESList(f, Listing("st -n", {"  1", " 12"}, "\n"));
    EXPECT_EQ(f.gConfiguration.AvailableLESs(0), "001,012");

    // No marker, or a first id of no ocean: nothing changes.
    UpdateLESList(f, "st -n\r\nNo LES information\r\n");
    UpdateLESList(f, Listing("st -n", {"401", "301"}, "\r\n"));
    EXPECT_EQ(f.gConfiguration.AvailableLESs(3), "old");
    EXPECT_EQ(f.gConfiguration.AvailableLESs(1), "101,202,112");
}

TEST_F(UpdateLesListTest, StartUpTakesEveryStationOfTheFiles) {
    os.WriteDataFile("les_aorw.dat", "001|Southbury\r\n002|Burum\r\n");
    os.WriteDataFile("les_aore.dat", "");
    os.WriteDataFile("les_por.dat", "201|Southbury\r\nxyz|Other\r\n");
    os.WriteDataFile("les_ior.dat", "301|Southbury\r\n");
    EXPECT_TRUE(LoadAvailableLESs(f));
    EXPECT_EQ(f.gConfiguration.AvailableLESs(0), "001,002");
    EXPECT_EQ(f.gConfiguration.AvailableLESs(1), "");
    EXPECT_EQ(f.gConfiguration.AvailableLESs(2), "201,xyz");
    EXPECT_EQ(f.gConfiguration.AvailableLESs(3), "301");
}

TEST_F(UpdateLesListTest, StartUpStopsAtAMissingFile) {
    os.WriteDataFile("les_aorw.dat", "001|Southbury\r\n");
    os.WriteDataFile("les_ior.dat", "301|Southbury\r\n");
    f.gConfiguration.SetavailableLESs(3, "kept");
    EXPECT_FALSE(LoadAvailableLESs(f));
    EXPECT_EQ(f.gConfiguration.AvailableLESs(0), "001");
    EXPECT_EQ(f.gConfiguration.AvailableLESs(3), "kept");
    ASSERT_EQ(os.Boxes.Shown.size(), 1);
    EXPECT_TRUE(os.Boxes.Shown[0].text.contains("'53'"));
}

}  // namespace
}  // namespace tidepost
