#include <gtest/gtest.h>

#include "distress/DistressGeneratorReplies.h"
#include "DistressFixture.h"
#include "support/FakeLinkWindow.h"

namespace tidepost::test {
namespace {

using Outcome = DistressGeneratorReading::Outcome;

const char* const kLineEnds[] = {"\n", "\r\n", "\r\r\n"};

QString Line(const QString& label, const QString& value) { return label.leftJustified(18) + ": " + value; }

// A "se -g" reply: the echo, then the given lines, each ended by the line end, then the prompt.
QString Reply(const QString& end, const QStringList& lines) {
    QString text = "se -g" + end;
    for (const QString& line : lines) text += line + end;
    return text + ">";
}

QStringList FullBlock() {
    return {"Parameters for Distress Alert",
            Line("Current LES/NCS Id", "112"),
            Line("Nature of Distress", "F"),
            Line("Position", "55 40 12 N 012 35 47 E"),
            Line("Time of Position", "14:05"),
            Line("Course", "090 deg/true"),
            Line("Speed", "11 knots")};
}

QStringList Replace(QStringList lines, int at, const QString& line) {
    lines[at] = line;
    return lines;
}
QStringList Without(QStringList lines, int at) {
    lines.removeAt(at);
    return lines;
}

DistressGeneratorValues Full() {
    return {"F", "55", "40", "12", "N", "012", "35", "47", "E", "14", "05", "090", "11"};
}

TEST(DistressGeneratorReply, ReadsEveryFormOverEachLineEnd) {
    DistressGeneratorValues noPosition = Full();
    for (QString* s : {&noPosition.LatDeg, &noPosition.LatMin, &noPosition.LatHund, &noPosition.NordSyd,
                       &noPosition.LonDeg, &noPosition.LonMin, &noPosition.LonHund, &noPosition.OestVest})
        s->clear();
    DistressGeneratorValues early = Full();
    early.TOPHour = "09";
    early.TOPMin = "05";
    DistressGeneratorValues zeroSpeed = Full();
    zeroSpeed.Speed = "0";

    const QStringList full = FullBlock();
    const QString lesOld = Line("LES/NCS Id", "102");
    struct Case {
        const char* name;
        QStringList lines;
        Outcome outcome;
        std::optional<int> les;
        DistressGeneratorValues values;
    } cases[] = {
        {"full", full, Outcome::Parsed, 112, Full()},
        {"current label after the old one", Replace(full, 1, lesOld + "\x01" + Line("Current LES/NCS Id", "112")),
         Outcome::Parsed, 112, Full()},
        {"old label only", Replace(full, 1, lesOld), Outcome::Parsed, 102, Full()},
        {"000 is a number", Replace(full, 1, Line("Current LES/NCS Id", "000")), Outcome::Parsed, 0, Full()},
        {"400 is no ocean's", Replace(full, 1, Line("Current LES/NCS Id", "400")), Outcome::Parsed, std::nullopt, Full()},
        {"not a number", Replace(full, 1, Line("Current LES/NCS Id", "auto")), Outcome::Parsed, std::nullopt, Full()},
        {"single-digit time", Replace(full, 4, Line("Time of Position", "9:5")), Outcome::Parsed, 112, early},
        {"seven pieces", Replace(full, 3, Line("Position", "55 40 12 N 012 35 47")), Outcome::Parsed, 112, noPosition},
        {"nine pieces", Replace(full, 3, Line("Position", "55 40 12 N 012 35 47 E X")), Outcome::Parsed, 112,
         noPosition},
        {"double blank", Replace(full, 3, Line("Position", "55 40  12 N 012 35 47 E")), Outcome::Parsed, 112,
         noPosition},
        {"empty speed", Replace(full, 6, Line("Speed", "knots").left(19) + " knots"), Outcome::Parsed, 112, zeroSpeed},
        {"no LES label", Without(full, 1), Outcome::Failed, std::nullopt, {}},
        {"no nature label", Without(full, 2), Outcome::Failed, 112, {}},
        {"no position label", Without(Without(full, 3), 3), Outcome::Failed, 112,
         {"F", "", "", "", "", "", "", "", "", "", "", "", ""}},
        {"no course label", Without(full, 5), Outcome::Failed, 112,
         {"F", "55", "40", "12", "N", "012", "35", "47", "E", "14", "05", "", ""}},
        {"no speed label", Replace(full, 6, Line("Velocity", "11 knots")), Outcome::Failed, 112,
         {"F", "55", "40", "12", "N", "012", "35", "47", "E", "14", "05", "090", ""}},
        {"time without colon", Replace(full, 4, Line("Time of Position", "1405")), Outcome::Failed, 112,
         {"F", "", "", "", "", "", "", "", "", "", "", "", ""}},
        {"no block", {"Illegal argument"}, Outcome::Failed, std::nullopt, {}},
    };
    for (const char* end : kLineEnds) {
        for (const Case& c : cases) {
            QString reply = Reply(end, c.lines);
            reply.replace(QChar(1), end);  // two lines given as one take the same end
            const DistressGeneratorReading r = ReadDistressGeneratorReply(reply, end, {});
            const QString what = QString(c.name) + " / " + QString(end).toUtf8().toHex();
            EXPECT_EQ(r.outcome, c.outcome) << what.toStdString();
            EXPECT_EQ(r.les, c.les) << what.toStdString();
            EXPECT_EQ(r.values, c.values) << what.toStdString();
        }
    }
}

TEST(DistressGeneratorReply, ErrorLineStopsTheRead) {
    for (const char* end : kLineEnds) {
        const QString e(end);
        struct Case {
            QString reply;
            QString line;
        } cases[] = {
            {Reply(e, QStringList{"ERROR 301: Invalid parameter"} + FullBlock()), "ERROR 301: Invalid parameter"},
            {Reply(e, {"ERROR 550"}), "ERROR 550"},
            {"se -g" + e + "ERROR cut off", "Unknown error occurred"},
        };
        for (const Case& c : cases) {
            const DistressGeneratorReading r = ReadDistressGeneratorReply(c.reply, e, Full());
            EXPECT_EQ(r.outcome, Outcome::ErrorLine);
            EXPECT_EQ(r.errorLine, c.line);
            EXPECT_EQ(r.values, Full());
            EXPECT_FALSE(r.les);
        }
        const DistressGeneratorReading illegal = ReadDistressGeneratorReply(Reply(e, {"Illegal argument"}), e, {});
        EXPECT_TRUE(illegal.illegalArgument);
        EXPECT_FALSE(ReadDistressGeneratorReply(Reply(e, Without(FullBlock(), 2)), e, {}).illegalArgument);
    }
}

TEST(AlertLesReply, ReadsEachForm) {
    using Form = AlertLesReading::Form;
    const QString stx(QChar(2));
    const QString etx(QChar(3));
    auto maritime = "se -m ALL_OCEANS\r\nAlert LES\r\nocean 0        " + stx + "002" + etx + "\r\nocean 1        " + stx +
                    "112" + etx + "\r\nocean 2        " + stx + "auto" + etx + "\r\nocean 3        " + stx + "305" + etx +
                    "\r\n>";
    AlertLesReading r = ReadAlertLesReply(maritime);
    EXPECT_EQ(r.form, Form::Maritime);
    EXPECT_EQ(r.les[0], "002");
    EXPECT_EQ(r.les[1], "112");
    EXPECT_FALSE(r.les[2]);
    EXPECT_EQ(r.les[3], "305");
    EXPECT_EQ(r.errorNumber, 0);

    const QString landMobile = "se -m ALL_OCEANS\r\nLand Mobile alert\r\nocean 0      : 002" + etx +
                               "\r\nocean 2      : 212" + etx + "\r\n>";
    r = ReadAlertLesReply(landMobile);
    EXPECT_EQ(r.form, Form::LandMobile);
    EXPECT_EQ(r.les[0], "002");
    EXPECT_FALSE(r.les[1]);
    EXPECT_EQ(r.les[2], "212");
    EXPECT_EQ(r.errorNumber, 0);

    r = ReadAlertLesReply("se -m ALL_OCEANS\r\nLES IDs           : 002, 112, 212, 305\r\n>");
    EXPECT_EQ(r.form, Form::LesIds);
    EXPECT_EQ(r.les, (std::array<std::optional<QString>, 4>{"002", "112", "212", "305"}));

    // A cut-off list keeps what came before it and reports the rest.
    r = ReadAlertLesReply("se -m ALL_OCEANS\r\nLES IDs           : 002, 112");
    EXPECT_EQ(r.les[0], "002");
    EXPECT_NE(r.errorNumber, 0);
    // A maritime form missing an ocean is reported.
    EXPECT_NE(ReadAlertLesReply("se -m ALL_OCEANS\r\nAlert LES\r\nocean 0 " + stx + "002" + etx).errorNumber, 0);

    r = ReadAlertLesReply("se -m ALL_OCEANS\r\nsomething else\r\n>");
    EXPECT_EQ(r.form, Form::None);
    EXPECT_EQ(r.errorNumber, 0);
}

TEST(NatureOfDistressReply, LastMatchingNatureWins) {
    struct Case {
        const char* reply;
        std::optional<int> nature;
    } cases[] = {
        {"se -m \r\nMaritime nature of distress: Sinking\r\n>", 6},
        {"se -m \r\nLand Mobile nature of distress: Unspecified\r\n>", 0},
        {"se -m \r\nLand Mobile nature of distress: Unspecified, Danger\r\n>", 6},
        {"se -m \r\nLand Mobile nature of distress: Severe weather\r\n>", 9},
        {"se -m \r\nLand Mobile nature of distress: nothing known\r\n>", std::nullopt},
        {"se -m \r\nMaritime nature of distress: sinking\r\n>", std::nullopt},  // the words are matched exactly
    };
    for (const Case& c : cases) EXPECT_EQ(ReadNatureOfDistressReply(c.reply), c.nature) << c.reply;
    EXPECT_STREQ(kDistressNatures[6].landMobile, "Dangerous cargo leak/spill");
}

struct DistressGeneratorHandler : DistressFixture {
    DistressGeneratorHandler() {
        link.Windows.Window = &window;
        link.Dialogue.EchoTerminator = "\r\n";
        f.gSession.SetMesConnected(true);
        f.gSession.SetMobileType(0);
        distress.ShowDistressGenerator = [this] { ++shown; };
        distress.CloseDistressGenerator = [this] { ++closed; };
    }
    int Unloads() const { return int(window.Calls.count("UnloadWaitForm")); }
    FakeLinkWindow window;
    int shown = 0;
    int closed = 0;
};

TEST_F(DistressGeneratorHandler, FullReplyStoresAndOpensTheWindowOnce) {
    distress.ShowDistressGeneratorOnReply = true;
    link.Dispatch.HandleDistressGeneratorReply(Reply("\r\n", FullBlock()));
    EXPECT_EQ(distress.GeneratorValues, Full());
    EXPECT_EQ(f.gConfiguration.LastOcean(), 1);
    EXPECT_EQ(f.gConfiguration.GetDistressGenLes(1), 112);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Unloads(), 1);
    EXPECT_FALSE(distress.ShowDistressGeneratorOnReply);
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(DistressGeneratorHandler, LandMobileAndAeroStoreOnly) {
    for (int type : {1, 4}) {
        f.gSession.SetMobileType(type);
        distress.ShowDistressGeneratorOnReply = true;
        distress.GeneratorValues = {};
        link.Dispatch.HandleDistressGeneratorReply(Reply("\r\n", FullBlock()));
        EXPECT_EQ(distress.GeneratorValues, Full());
        EXPECT_EQ(shown, 0);
        EXPECT_EQ(Unloads(), 0);
        EXPECT_TRUE(distress.ShowDistressGeneratorOnReply);
    }
}

TEST_F(DistressGeneratorHandler, ErrorLinesAreQueuedAndCloseTheBusyWindow) {
    distress.ShowDistressGeneratorOnReply = true;
    distress.GeneratorValues = Full();
    link.Dispatch.HandleDistressGeneratorReply(Reply("\r\n", QStringList{"ERROR 301: Invalid parameter"} + FullBlock()));
    EXPECT_EQ(Boxes(), QStringList{"ERROR 301: Invalid parameter"});
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Unloads(), 1);
    EXPECT_TRUE(distress.ShowDistressGeneratorOnReply);

    link.Dispatch.HandleDistressGeneratorReply(Reply("\r\n", {"ERROR 550"}));
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Unloads(), 2);
    EXPECT_EQ(distress.GeneratorValues, Full());
}

TEST_F(DistressGeneratorHandler, FailureShowsWhatItHasUnlessTheUnitHasNoGenerator) {
    distress.ShowDistressGeneratorOnReply = true;
    link.Dispatch.HandleDistressGeneratorReply(Reply("\r\n", Without(FullBlock(), 5)));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Boxes(), QStringList{"Error: Distress generator values could not be loaded"});
    EXPECT_TRUE(distress.ShowDistressGeneratorOnReply);
    EXPECT_EQ(distress.GeneratorValues.TOPHour, "14");

    link.Dispatch.HandleDistressGeneratorReply(Reply("\r\n", {"Illegal argument"}));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Boxes(), QStringList{"Error: Distress generator values could not be loaded"});
    EXPECT_EQ(Unloads(), 2);
}

TEST_F(DistressGeneratorHandler, WithoutTheTransceiverOnlyLogs) {
    f.gSession.SetMesConnected(false);
    link.Dispatch.HandleDistressGeneratorReply(Reply("\r\n", FullBlock()));
    EXPECT_EQ(distress.GeneratorValues, DistressGeneratorValues{});
    EXPECT_TRUE(ErrorLogText().contains("DistressGenerator was NULL"));
}

TEST_F(DistressGeneratorHandler, AlertLesRepliesStoreOrOpenTheSettings) {
    const QString stx(QChar(2));
    const QString etx(QChar(3));
    int filled = 0;
    int opened = 0;
    distress.FillAlertLes = [&filled](const AlertLesReading&) { ++filled; };
    distress.ShowLmAlertSettings = [&opened] { ++opened; };
    distress.ShowLmAlertSettingsOnReply = true;
    link.Dispatch.ExtractOption112Les("se -m ALL_OCEANS\r\nAlert LES\r\nocean 0        " + stx + "002" + etx +
                                      "\r\nocean 1        " + stx + "112" + etx + "\r\nocean 2        " + stx + "212" +
                                      etx + "\r\nocean 3        " + stx + "305" + etx + "\r\n>");
    EXPECT_EQ(f.gConfiguration.GetDistressGenLes(3), 305);
    EXPECT_EQ(filled + opened, 0);
    EXPECT_TRUE(distress.ShowLmAlertSettingsOnReply);

    link.Dispatch.ExtractOption112Les("se -m ALL_OCEANS\r\nLES IDs           : 002, 112, 212, 305\r\n>");
    EXPECT_EQ(filled, 1);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(distress.ShowLmAlertSettingsOnReply);

    link.Dispatch.ExtractOption112Les("se -m ALL_OCEANS\r\nLES IDs           : 002");
    EXPECT_EQ(Boxes(), QStringList{"(ExtractOption112Les) Error '5': Invalid procedure call or argument."});
}

}  // namespace
}  // namespace tidepost::test
