#include <gtest/gtest.h>

#include "egc/EgcSetupReplies.h"
#include "egc/EgcSetupValues.h"

namespace tidepost::test {
namespace {

const QStringList kEnds = {"\r\n", "\n", "\r\r\n"};

// A "se" reply as the shell lays it out: one line per option, the value padded to 21 columns.
QString SeReply(const QString& end, const QString& e = "0", const QString& a = "1", const QString& w = "1",
                const QString& y = "ABDL") {
    auto line = [&end](const QString& marker, const QString& kind, const QString& value, const QString& text) {
        return marker + kind + "  value is " + value.leftJustified(21) + text + end;
    };
    return "se" + end + line("-e ", "(num)", e, "EGC receiver only") + line("-a ", "(num)", a, "System messages") +
           line("-w ", "(num)", w, "SafetyNET reception") + line("-y ", "(str)", y, "Message types") + "can0:/$ ";
}

TEST(EgcSetupReplies, SettingFlagsOverEveryEchoEnd) {
    struct Case {
        QString value;
        qint8 expected;
    };
    const QList<Case> cases = {{"0", kBoxClear}, {"1", kBoxTicked}, {"2", kBoxGrey}, {"x", kBoxGrey}, {"", kBoxGrey}};
    for (const QString& end : kEnds) {
        for (const Case& c : cases) {
            const QString reply = SeReply(end, c.value, c.value, c.value);
            SCOPED_TRACE(reply.toStdString());
            EXPECT_EQ(ReadSettingFlag(reply, "-e "), c.expected);
            EXPECT_EQ(ReadSettingFlag(reply, "-a "), c.expected);
            EXPECT_EQ(ReadSettingFlag(reply, "-w "), c.expected);
        }
    }
}

TEST(EgcSetupReplies, AMissingMarkerIsGreyAndNeverBorrowsAnotherLine) {
    for (const QString& end : kEnds) {
        // No "-w " line at all.
        QString reply = "se" + end + "-e (num)  value is 1" + end + "-a (num)  value is 0" + end + "can0:/$ ";
        EXPECT_EQ(ReadSettingFlag(reply, "-w "), kBoxGrey);
        EXPECT_EQ(ReadSettingFlag(reply, "-e "), kBoxTicked);
        // A "-w " line without a value: the next line's "value is 0" is not its value.
        reply = "se" + end + "-w (num)" + end + "-a (num)  value is 0" + end + "can0:/$ ";
        EXPECT_EQ(ReadSettingFlag(reply, "-w "), kBoxGrey);
        // A mention without a value before the line that has one: the value line counts.
        reply = "se" + end + "usage: se -e <n>" + end + "-e (num)  VALUE IS 1" + end + "can0:/$ ";
        EXPECT_EQ(ReadSettingFlag(reply, "-e "), kBoxTicked);
    }
}

TEST(EgcSetupReplies, MessageTypes) {
    using Boxes = std::array<qint8, 10>;
    const Boxes abdl = {1, 1, 0, 1, 0, 0, 0, 0, 0, 1};
    const Boxes none{};
    for (const QString& end : kEnds) {
        EXPECT_EQ(ReadMessageTypes(SeReply(end)), abdl);
        EXPECT_EQ(ReadMessageTypes(SeReply(end, "0", "0", "0", "abdl")), abdl);
        EXPECT_EQ(ReadMessageTypes(SeReply(end, "0", "0", "0", ".")), none);
        // Types cut short by the line end: the next line's letters are not types.
        const QString cut = "se" + end + "-y (str)  value is AB" + end + "LKDJ" + end + "can0:/$ ";
        EXPECT_EQ(ReadMessageTypes(cut), (Boxes{1, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_FALSE(ReadMessageTypes("se" + end + "-e (num)  value is 1" + end + "can0:/$ "));
        EXPECT_FALSE(ReadMessageTypes("se" + end + "-y (str)" + end + "-e (num)  value is ABD" + end));
    }
}

TEST(EgcSetupReplies, CoastalAreas) {
    for (const QString& end : kEnds) {
        EXPECT_EQ(ReadCoastalAreas("se -x" + end + "-x (str)  value is ABC" + end + "can0:/$ ", "can0:/$ "), "ABC");
        EXPECT_EQ(ReadCoastalAreas("se -x" + end + "-x (str)  value is ." + end + "can0:/$ ", "can0:/$ "), "");
        EXPECT_FALSE(ReadCoastalAreas("se -x" + end + "ERROR 3: bad option" + end + "can0:/$ ", "can0:/$ "));
    }
    // No line end before the prompt: the prompt is not part of the value.
    EXPECT_EQ(ReadCoastalAreas("se -x\r\n-x (str)  value is QR can0:/$ ", "can0:/$ "), "QR");
}

TEST(EgcSetupReplies, SpareNavareas) {
    for (const QString& end : kEnds) {
        auto reply = [&end](const QStringList& lines, bool header = true) {
            return "se -sn" + end + (header ? "Spare Navareas:" + end : QString()) + lines.join(end) +
                   (lines.isEmpty() ? QString() : end) + "can0:/$ ";
        };
        SpareNavareas r = ReadSpareNavareas(reply({"3", "", "16"}));
        EXPECT_TRUE(r.Header);
        EXPECT_EQ(r.Values, (std::array<int, 4>{3, 0, 16, 0}));
        EXPECT_TRUE(r.AnyNumeric);
        r = ReadSpareNavareas(reply({"0"}));
        EXPECT_EQ(r.Values, (std::array<int, 4>{0, 0, 0, 0}));
        EXPECT_TRUE(r.AnyNumeric);
        r = ReadSpareNavareas(reply({}));
        EXPECT_TRUE(r.Header);
        EXPECT_FALSE(r.AnyNumeric);
        // Past the fourth line and above 99: nothing.
        r = ReadSpareNavareas(reply({"100", " 7 ", "x", "", "12"}));
        EXPECT_EQ(r.Values, (std::array<int, 4>{0, 7, 0, 0}));
        r = ReadSpareNavareas(reply({"3", "16"}, false));
        EXPECT_FALSE(r.Header);
        EXPECT_FALSE(r.AnyNumeric);
        EXPECT_TRUE(ReadSpareNavareas("se -sn" + end + "SPARE NAVAREAS:" + end + "5" + end).Header);
    }
}

TEST(EgcSetupReplies, FixedPositionsRefusal) {
    EXPECT_TRUE(FixedPositionsAccepted("fx \r\ncan0:/$ "));
    EXPECT_FALSE(FixedPositionsAccepted("fx \r\nERROR 120: unknown command\r\ncan0:/$ "));
    EXPECT_FALSE(FixedPositionsAccepted("fx 5,N,120,W\r\nError 120\r\ncan0:/$ "));
}

EgcSetupValues ReadValues() {
    EgcSetupValues v;
    v.EGCOnly = kBoxClear;
    v.SystemMessage = kBoxTicked;
    v.SafetyNET = kBoxTicked;
    v.AddNavarea = kBoxTicked;
    v.Navarea = {3, 0, 16, 0};
    v.CoastalAreas = "AB";
    v.Types = {1, 1, 0, 1, 0, 0, 0, 0, 0, 1};
    v.Fixed[0] = {"5", "N", "120", "W"};
    return v;
}

TEST(EgcSettingSequence, FromDialogStatesToCommandLines) {
    struct Case {
        const char* name;
        std::function<void(EgcSetupValues&)> change;
        bool four = true;
        bool fx = true;
        QStringList expected;
        QString stored = " 5,N,120,W";
    };
    const QList<Case> cases = {
        {"as read", [](EgcSetupValues&) {}, true, true,
         {"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,16,0", "se -n 1", "se -x AB", "se -y ABDL", "fx 5,N,120,W"}},
        {"grey boxes and unread parts send nothing",
         [](EgcSetupValues& v) {
             v.EGCOnly = v.SystemMessage = v.SafetyNET = v.AddNavarea = kBoxGrey;
             v.CoastalKnown = false;
             v.Types[4] = kBoxGrey;
         },
         true, true, {"fx 5,N,120,W"}},
        {"all None with the box ticked", [](EgcSetupValues& v) { v.Navarea = {0, 0, 0, 0}; }, true, true,
         {"se -e 0", "se -a 1", "se -w 1", "se -sn 0,0,0,0", "se -n 1", "se -x AB", "se -y ABDL", "fx 5,N,120,W"}},
        {"box clear, no type, no areas, only one list offered",
         [](EgcSetupValues& v) {
             v.AddNavarea = kBoxClear;
             v.Types = {};
             v.CoastalAreas = "";
         },
         false, true, {"se -e 0", "se -a 1", "se -w 1", "se -sn 0", "se -n 0", "se -x .", "se -y .", "fx 5,N,120,W"}},
        {"hidden lists send 0", [](EgcSetupValues&) {}, false, true,
         {"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,0,0", "se -n 1", "se -x AB", "se -y ABDL", "fx 5,N,120,W"}},
        {"pasted areas keep only their letters",
         [](EgcSetupValues& v) { v.CoastalAreas = "a b\r\nc1"; }, true, true,
         {"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,16,0", "se -n 1", "se -x ABC", "se -y ABDL", "fx 5,N,120,W"}},
        {"blank hemisphere rows left out",
         [](EgcSetupValues& v) {
             v.Fixed[1] = {"10", "", "20", "E"};
             v.Fixed[3] = {"1", "S", "2", "E"};
         },
         true, true,
         {"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,16,0", "se -n 1", "se -x AB", "se -y ABDL", "fx 5,N,120,W 1,S,2,E"},
         " 5,N,120,W 1,S,2,E"},
        {"no rows: the bare fx", [](EgcSetupValues& v) { v.Fixed = {}; }, true, true,
         {"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,16,0", "se -n 1", "se -x AB", "se -y ABDL", "fx"}, ""},
        {"without fx support still stored", [](EgcSetupValues&) {}, true, false,
         {"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,16,0", "se -n 1", "se -x AB", "se -y ABDL"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EgcSetupValues v = ReadValues();
        c.change(v);
        const EgcSettingSequence s = BuildSettingSequence(v, c.four, c.fx);
        EXPECT_EQ(s.Commands, c.expected);
        EXPECT_EQ(s.Positions, c.stored);
    }
}

TEST(EgcSettingSequence, StoredPositionsFillRowsInOrder) {
    std::array<FixedPositionRow, 5> typed{};
    typed[1] = {"5", "N", "120", "W"};
    typed[3] = {"60", "S", "7", "E"};
    const QString stored = FixedPositionsText(typed);
    EXPECT_EQ(stored, " 5,N,120,W 60,S,7,E");
    const auto rows = ParseFixedPositions(stored);
    EXPECT_EQ(rows[0], typed[1]);
    EXPECT_EQ(rows[1], typed[3]);
    EXPECT_EQ(rows[2], FixedPositionRow{});
    // More than five items: five rows; a bad hemisphere reads blank.
    const auto many = ParseFixedPositions(" 1,N,1,E 2,N,2,E 3,N,3,E 4,N,4,E 5,X,5,E 6,N,6,E");
    EXPECT_EQ(many[4], (FixedPositionRow{"5", "", "5", "E"}));
    EXPECT_EQ(ParseFixedPositions(" 7,N")[0], (FixedPositionRow{"7", "N", "", ""}));
}

TEST(EgcSettingSequence, DegreeRangeChecks) {
    struct Case {
        QString lat, lon;
        std::optional<bool> faultLatitude;  // none: passes
    };
    const QList<Case> cases = {
        {"91", "0", true}, {"90", "180", std::nullopt}, {"0", "181", false}, {"", "", std::nullopt},
        {"5a", "1", true}, {"1", "-1", false}, {"999999999999", "1", true}, {" 5", "1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.lat + "/" + c.lon).toStdString());
        std::array<FixedPositionRow, 5> rows{};
        rows[3] = {c.lat, "N", c.lon, "E"};
        const auto fault = FirstDegreeFault(rows);
        ASSERT_EQ(fault.has_value(), c.faultLatitude.has_value());
        if (fault) {
            EXPECT_EQ(fault->Row, 3);
            EXPECT_EQ(fault->Latitude, *c.faultLatitude);
        }
    }
    // Latitudes first: a bad latitude in row 4 wins over a bad longitude in row 0.
    std::array<FixedPositionRow, 5> rows{};
    rows[0].LonDeg = "181";
    rows[4].LatDeg = "91";
    EXPECT_EQ(FirstDegreeFault(rows)->Row, 4);
}

}  // namespace
}  // namespace tidepost::test
