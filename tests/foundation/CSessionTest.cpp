#include <gtest/gtest.h>

#include "foundation/CSession.h"
#include "foundation/RuntimeError.h"

using tidepost::CSession;
using tidepost::PositionRecord;
using tidepost::RuntimeError;
using tidepost::SessionSnapshot;

namespace {

struct RangeCase {
    const char* member;
    void (CSession::*set)(int);
    int (*get)(const CSession&);
    int written;
    int stored;
};

int MobileTypeOf(const CSession& s) { return s.MobileType(); }
int ProductTypeOf(const CSession& s) { return s.ProductType(); }
int ProductModelOf(const CSession& s) { return s.ProductModel(); }
int AtcTypeOf(const CSession& s) { return s.AtcType(); }

class CodeRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CodeRanges, OutOfRangeStoresZero) {
    const RangeCase& c = GetParam();
    CSession s;
    (s.*c.set)(1);  // a non-zero value first, so that a stored 0 comes from this write
    (s.*c.set)(c.written);
    EXPECT_EQ(c.get(s), c.stored) << c.member << " written " << c.written;
}

INSTANTIATE_TEST_SUITE_P(
    CSession, CodeRanges,
    ::testing::Values(RangeCase{"MobileType", &CSession::SetMobileType, MobileTypeOf, 5, 5},
                      RangeCase{"MobileType", &CSession::SetMobileType, MobileTypeOf, 6, 0},
                      RangeCase{"MobileType", &CSession::SetMobileType, MobileTypeOf, -1, 0},
                      // a value that would wrap to 3 in 16 bits is still out of range
                      RangeCase{"MobileType", &CSession::SetMobileType, MobileTypeOf, 65539, 0},
                      RangeCase{"ProductType", &CSession::SetProductType, ProductTypeOf, 0, 0},
                      RangeCase{"ProductType", &CSession::SetProductType, ProductTypeOf, 5, 5},
                      RangeCase{"ProductType", &CSession::SetProductType, ProductTypeOf, 6, 0},
                      RangeCase{"ProductModel", &CSession::SetProductModel, ProductModelOf, 20, 20},
                      RangeCase{"ProductModel", &CSession::SetProductModel, ProductModelOf, 21, 0},
                      RangeCase{"ProductModel", &CSession::SetProductModel, ProductModelOf, -1, 0},
                      RangeCase{"AtcType", &CSession::SetAtcType, AtcTypeOf, 1, 1},
                      RangeCase{"AtcType", &CSession::SetAtcType, AtcTypeOf, 2, 0},
                      RangeCase{"AtcType", &CSession::SetAtcType, AtcTypeOf, -1, 0}));

TEST(CSession, SolasTypeRange) {
    const struct {
        qint32 written;
        qint32 stored;
    } cases[] = {{0, 0}, {3, 3}, {4, 0}, {-1, 0}, {2147483647, 0}};
    for (const auto& c : cases) {
        CSession s;
        s.SetSolasType(2);
        s.SetSolasType(c.written);
        EXPECT_EQ(s.SolasType(), c.stored) << "written " << c.written;
    }
}

TEST(CSession, OceanFollowsTdmOrigin) {
    const struct {
        qint16 origin;
        int ocean;
    } cases[] = {{0, 4},   {1, 0},   {99, 0},  {-1, 0},  {-32768, 0}, {100, 1}, {199, 1},
                 {200, 2}, {299, 2}, {300, 3}, {344, 3}, {399, 3},    {400, 4}, {32767, 4}};
    for (const auto& c : cases) {
        CSession s;
        s.SetTDMOrigin(150);
        s.SetTDMOrigin(c.origin);
        EXPECT_EQ(s.TDMOrigin(), c.origin);
        EXPECT_EQ(s.CurrentOcean(), c.ocean) << "origin " << c.origin;
    }
}

TEST(CSession, StartsWithTheInitialValues) {
    CSession s;
    EXPECT_EQ(s.CurrentOcean(), 4);
    EXPECT_EQ(s.AtcType(), 1);
    EXPECT_EQ(s.SystemTime(), QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_FALSE(s.GpsStatus());
    EXPECT_EQ(s.GetPosStr(), "255,255.255N , 255,255.255E");
    EXPECT_EQ(s.GetCourseStr(), "0");
    EXPECT_EQ(s.GetSpeedStr(), "0");
}

TEST(CSession, SoftwareVersion) {
    CSession s;
    s.SetSwVersion("1.23");
    EXPECT_EQ(s.SwVerStr(), "1.23");
    EXPECT_EQ(s.SwVerInt(), 123);

    // Not a number once the dots are gone: the text is stored, the number stays.
    for (const char* text : {"abc", "", "1.2a", "x.y"}) {
        s.SetSwVersion(text);
        EXPECT_EQ(s.SwVerStr(), text);
        EXPECT_EQ(s.SwVerInt(), 123) << text;
    }

    s.SetSwVersion(" 2.05 ");
    EXPECT_EQ(s.SwVerInt(), 205);
}

TEST(CSession, SoftwareVersionBeyondSixteenBitsIsAnOverflowError) {
    CSession s;
    s.SetSwVersion("1.23");
    try {
        s.SetSwVersion("99.999");
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number, RuntimeError::kOverflow);
    }
    EXPECT_EQ(s.SwVerStr(), "99.999");
    EXPECT_EQ(s.SwVerInt(), 123);
}

TEST(CSession, SetPosStoresAPositionReport) {
    CSession s;
    s.SetPos("55 40 12 N 12 35 47 E", "123", "12:34:56 UTC", " 14", true);
    EXPECT_EQ(s.GetPosStr(), "55,40.12N , 12,35.47E");
    EXPECT_EQ(s.GetCourseStr(), "123");
    EXPECT_EQ(s.GetSpeedStr(), "14");
    const PositionRecord p = s.GetPos();
    EXPECT_EQ(p.Updated, "12:34:56 UTC");
    EXPECT_TRUE(p.Valid);
    EXPECT_FALSE(p.South);
    EXPECT_FALSE(p.West);
}

// The hundredths are the digits after the decimal point: 05 and 50 are different places.
TEST(CSession, PositionTextWritesTheHundredthsWithTwoDigits) {
    const struct {
        const char* report;
        const char* text;
    } cases[] = {
        {"55 40 05 N 12 35 50 E", "55,40.05N , 12,35.50E"},
        {"55 40 50 S 12 35 05 W", "55,40.50S , 12,35.05W"},
        {"0 0 0 N 0 0 0 E", "0,0.00N , 0,0.00E"},
        {"89 59 99 N 179 59 99 W", "89,59.99N , 179,59.99W"},
    };
    for (const auto& c : cases) {
        CSession s;
        s.SetPos(c.report, "0", "", "0", true);
        EXPECT_EQ(s.GetPosStr(), c.text) << c.report;
    }
}

TEST(CSession, SetPosHemispheres) {
    const struct {
        const char* ns;
        const char* ew;
        bool south;
        bool west;
    } cases[] = {{"S", "W", true, true}, {"s", "w", false, false}, {"SOUTH", "WEST", false, true},
                 {"N", "E", false, false}, {"x", "Wx", false, true}};
    for (const auto& c : cases) {
        CSession s;
        s.SetPos(QString("1 2 3 %1 4 5 6 %2").arg(c.ns, c.ew), "0", "", "0", true);
        EXPECT_EQ(s.GetPos().South, c.south) << c.ns;
        EXPECT_EQ(s.GetPos().West, c.west) << c.ew;
    }
}

TEST(CSession, SetPosWithoutEightPartsResetsPositionAndGpsStatus) {
    for (const char* text : {"55 40 12 N 12 35 47", "55  40 12 N 12 35 47 E", "", "55 40 12 N 12 35 47 E x"}) {
        CSession s;
        s.SetPos("55 40 12 N 12 35 47 E", "123", "t", "10", true);
        s.SetGpsStatus("OK");
        s.SetPos(text, "200", "u", "11", true);
        EXPECT_EQ(s.GetPosStr(), "255,255.255N , 255,255.255E") << text;
        EXPECT_FALSE(s.GpsStatus()) << text;
        // The course and speed of the report are still taken.
        EXPECT_EQ(s.GetCourseStr(), "200");
        EXPECT_EQ(s.GetSpeedStr(), "11");
        EXPECT_EQ(s.GetPos().Updated, "u");
        EXPECT_TRUE(s.GetPos().Valid);
    }
}

TEST(CSession, SetPosWithABadNumberFailsAndKeepsTheOldPosition) {
    for (const char* text : {"55 40 256 N 12 35 47 E", "55 40 12 N 12 35 4x E", "-1 40 12 N 12 35 47 E",
                             "55 40 12.5 N 12 35 47 E"}) {
        CSession s;
        s.SetPos("1 2 3 S 4 5 6 W", "90", "t", "5", true);
        EXPECT_THROW(s.SetPos(text, "180", "u", "6", false), RuntimeError) << text;
        EXPECT_EQ(s.GetPosStr(), "1,2.03S , 4,5.06W") << text;
        EXPECT_EQ(s.GetCourseStr(), "90");
        EXPECT_TRUE(s.GetPos().Valid);
    }
}

TEST(CSession, SetPosKeepsCourseAndSpeedThatAreNotNumbers) {
    CSession s;
    s.SetPos("1 2 3 N 4 5 6 E", "123", "", "12", false);
    s.SetPos("1 2 3 N 4 5 6 E", "---", "", "", false);
    EXPECT_EQ(s.GetCourseStr(), "123");
    EXPECT_EQ(s.GetSpeedStr(), "12");
    EXPECT_FALSE(s.GetPos().Valid);
}

TEST(CSession, GpsStatusIsTrueOnlyForOk) {
    const struct {
        const char* text;
        bool ok;
    } cases[] = {{"OK", true}, {"ok", false}, {"Ok", false}, {"OK ", false}, {"", false}, {"False", false}};
    for (const auto& c : cases) {
        CSession s;
        s.SetGpsStatus(c.text);
        EXPECT_EQ(s.GpsStatus(), c.ok) << c.text;
    }
}

TEST(CSession, ResetRestoresTheStartStateButKeepsTheLinkVariablesAndCourse) {
    CSession s;
    s.LanConnected = true;
    s.LanConnectionEstablishedByCommSettingsForm = true;
    s.ConnectedToTCU = true;
    s.ConnectedToTCU_Via_Com = true;
    s.SetMesConnected(true);
    s.SetTDMOrigin(344);
    s.SetSyncronization(true);
    s.SetSignalStrength(3);
    s.SetCurrentChannel("12345");
    s.SetCurrentProtocol("p");
    s.SetSystemTime(QDateTime(QDate(2012, 7, 3), QTime(9, 5), Qt::UTC));
    s.SetSystemTimeSet(true);
    s.SetMobileType(3);
    s.SetMobileNumber(423456789);
    s.SetProductType(2);
    s.SetProductModel(17);
    s.SetAtcType(0);
    s.SetSolasType(2);
    s.SetSwVersion("4.56");
    s.SetPCBNumber("pcb");
    s.SetAddDistressAlertToOutbox(true);
    s.SetDistressAlertStatus(2);
    s.SetProcessingEgcs(true);
    s.SetProcessingMsgs(true);
    s.SetMobileType510AB(true);
    s.SetPos("55 40 12 N 12 35 47 E", "123", "t", "14", true);
    s.SetGpsStatus("OK");
    s.SetMessagePriority(1);

    s.Reset();

    EXPECT_TRUE(s.LanConnected);
    EXPECT_TRUE(s.LanConnectionEstablishedByCommSettingsForm);
    EXPECT_TRUE(s.ConnectedToTCU);
    EXPECT_TRUE(s.ConnectedToTCU_Via_Com);

    const CSession fresh;
    EXPECT_FALSE(s.MesConnected());
    EXPECT_EQ(s.TDMOrigin(), 0);
    EXPECT_EQ(s.CurrentOcean(), 4);
    EXPECT_FALSE(s.Syncronization());
    EXPECT_EQ(s.SignalStrength(), 0);
    EXPECT_EQ(s.CurrentChannel(), "");
    EXPECT_EQ(s.CurrentProtocol(), "");
    EXPECT_EQ(s.SystemTime(), fresh.SystemTime());
    EXPECT_FALSE(s.SystemTimeSet());
    EXPECT_EQ(s.MobileType(), 0);
    EXPECT_EQ(s.MobileNumber(), 0);
    EXPECT_EQ(s.ProductType(), 0);
    EXPECT_EQ(s.ProductModel(), 0);
    EXPECT_EQ(s.AtcType(), 1);
    EXPECT_EQ(s.SolasType(), 0);
    EXPECT_EQ(s.SwVerStr(), "");
    EXPECT_EQ(s.SwVerInt(), 0);
    EXPECT_EQ(s.PCBNumber(), "");
    EXPECT_FALSE(s.AddDistressAlertToOutbox());
    EXPECT_EQ(s.DistressAlertStatus(), 0);
    EXPECT_FALSE(s.ProcessingEgcs());
    EXPECT_FALSE(s.ProcessingMsgs());
    EXPECT_FALSE(s.MobileType510AB());
    EXPECT_FALSE(s.GpsStatus());
    EXPECT_EQ(s.MessagePriority(), 0);
    EXPECT_EQ(s.GetPosStr(), "255,255.255N , 255,255.255E");
    EXPECT_EQ(s.GetPos().Updated, "");
    EXPECT_FALSE(s.GetPos().Valid);
    // A reset of the position leaves course and speed alone.
    EXPECT_EQ(s.GetCourseStr(), "123");
    EXPECT_EQ(s.GetSpeedStr(), "14");
}

SessionSnapshot SnapshotOf(const CSession& s) {
    return {s.MobileNumber(), s.MobileType(), s.ProductType(), s.ProductModel(), s.SwVerStr(), s.PCBNumber()};
}

TEST(CSession, HasMobileChanged) {
    CSession s;
    s.SetMobileNumber(423456789);
    s.SetMobileType(3);
    s.SetProductType(2);
    s.SetProductModel(17);
    s.SetSwVersion("4.56");
    s.SetPCBNumber("pcb");
    const SessionSnapshot same = SnapshotOf(s);
    EXPECT_FALSE(s.HasMobileChanged(same));

    const struct {
        const char* what;
        void (*change)(SessionSnapshot&);
        bool changed;
    } cases[] = {
        {"mobile number", [](SessionSnapshot& x) { x.MobileNumber = 1; }, false},
        {"mobile type", [](SessionSnapshot& x) { x.MobileType = 1; }, false},
        {"product type", [](SessionSnapshot& x) { x.ProductType = 1; }, false},
        {"product model", [](SessionSnapshot& x) { x.ProductModel = 16; }, true},
        {"version text", [](SessionSnapshot& x) { x.SwVerStr = "4.57"; }, true},
        {"PCB number case", [](SessionSnapshot& x) { x.PCBNumber = "PCB"; }, true},
        {"PCB number", [](SessionSnapshot& x) { x.PCBNumber = ""; }, true},
        {"version text case", [](SessionSnapshot& x) { x.SwVerStr = "4.56 "; }, true},
    };
    for (const auto& c : cases) {
        SessionSnapshot snapshot = same;
        c.change(snapshot);
        EXPECT_EQ(s.HasMobileChanged(snapshot), c.changed) << c.what;
    }

    // A cleared snapshot, as at start-up, differs from the first transceiver that reports.
    EXPECT_TRUE(s.HasMobileChanged(SessionSnapshot{}));
    EXPECT_FALSE(CSession().HasMobileChanged(SessionSnapshot{}));
}

}  // namespace
