#include <gtest/gtest.h>

#include "distress/GeneratorFieldChecks.h"
#include "foundation/Foundation.h"
#include "support/TestPlatform.h"

namespace tidepost::test {
namespace {

struct GeneratorFieldChecks : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
};

DistressGeneratorValues Good() {
    return {"U", "55", "40", "12", "N", "012", "35", "47", "E", "14", "05", "090", "11"};
}

TEST_F(GeneratorFieldChecks, EachBoxAtBothEndsOfItsRange) {
    struct Case {
        QString DistressGeneratorValues::*field;
        const char* box;
        const char* top;
        const char* over;
    } cases[] = {
        {&DistressGeneratorValues::LatDeg, "LatDegText", "90", "91"},
        {&DistressGeneratorValues::LatMin, "LatMinText", "59", "60"},
        {&DistressGeneratorValues::LatHund, "LatHundText", "99", "100"},
        {&DistressGeneratorValues::LonDeg, "LonDegText", "180", "181"},
        {&DistressGeneratorValues::LonMin, "LonMinText", "59", "60"},
        {&DistressGeneratorValues::LonHund, "LonHundText", "99", "100"},
        {&DistressGeneratorValues::Speed, "SpeedText", "200", "201"},
        {&DistressGeneratorValues::Course, "CourseText", "360", "361"},
        {&DistressGeneratorValues::TOPMin, "TOPMinText", "59", "60"},
        {&DistressGeneratorValues::TOPHour, "TOPHourText", "23", "24"},
    };
    for (const Case& c : cases) {
        DistressGeneratorValues v = Good();
        // The degree boxes at their top would fail the totals with non-zero minutes.
        if (c.box == QString("LatDegText")) v.LatMin = v.LatHund = "0";
        if (c.box == QString("LonDegText")) v.LonMin = v.LonHund = "0";
        for (const char* ok : {"0", "00", c.top}) {
            v.*c.field = ok;
            EXPECT_FALSE(ValidatePosition(f, v)) << c.box << " " << ok;
        }
        // Beyond the top, and anything that is not plain digits (typed, pasted or loaded).
        for (const char* bad : {c.over, "", " ", "-1", "1.5", "1,2", "1\r2", "1e1", "x"}) {
            v.*c.field = bad;
            const auto refusal = ValidatePosition(f, v);
            ASSERT_TRUE(refusal) << c.box << " " << bad;
            EXPECT_EQ(refusal->box, c.box) << bad;
            EXPECT_TRUE(refusal->okCancel);
        }
    }
}

TEST_F(GeneratorFieldChecks, MessagesAndOrder) {
    DistressGeneratorValues v = Good();
    v.Course = "400";
    EXPECT_EQ(ValidatePosition(f, v)->text, "Error: Course field must contain a value between0 and 360");
    v.Speed = "201";
    EXPECT_EQ(ValidatePosition(f, v)->text, "Error: Speed field must contain a value between 0 and 200");
    v.LatDeg = "95";
    EXPECT_EQ(ValidatePosition(f, v)->box, "LatDegText") << "one message per OK, the first in order";
    EXPECT_EQ(ValidationTitle(f), "Validation error");
    // A speed too long for a double is refused, not read.
    v = Good();
    v.Speed = QString(400, '9');
    EXPECT_EQ(ValidatePosition(f, v)->box, "SpeedText");
}

TEST_F(GeneratorFieldChecks, Totals) {
    DistressGeneratorValues v = Good();
    v.LatDeg = "90";
    v.LatMin = "00";
    v.LatHund = "00";
    EXPECT_FALSE(ValidatePosition(f, v));
    v.LatHund = "01";
    auto refusal = ValidatePosition(f, v);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->box, "LatDegText");
    EXPECT_FALSE(refusal->okCancel);
    EXPECT_EQ(refusal->text, QString::fromUtf8("Error: Latitude is 90\u00b0 00.01' N\r\nIt must be between 0 and 90 degrees"));

    v = Good();
    v.LonDeg = "180";
    v.LonMin = "0";
    v.LonHund = "0";
    EXPECT_FALSE(ValidatePosition(f, v));
    v.LonMin = "01";
    refusal = ValidatePosition(f, v);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->box, "LonDegText");
    EXPECT_EQ(refusal->text,
              QString::fromUtf8("Error: Longitude is 180\u00b0 01.0' E\r\nIt must be between 0 and 180 degrees"));

    // A hemisphere that is not one of its two letters fails its coordinate's total.
    for (const char* side : {"", "n", "X", "\r", "NS"}) {
        v = Good();
        v.NordSyd = side;
        EXPECT_EQ(ValidatePosition(f, v)->box, "LatDegText") << side;
        v = Good();
        v.OestVest = side;
        EXPECT_EQ(ValidatePosition(f, v)->box, "LonDegText") << side;
    }
    v = Good();
    v.NordSyd = "S";
    v.OestVest = "W";
    EXPECT_FALSE(ValidatePosition(f, v));
}

}  // namespace
}  // namespace tidepost::test
