#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "link/Link.h"
#include "reporting/ProgramListReply.h"
#include "support/QueuedTexts.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

TEST(PadLeft, PadsShortTextsAndChangesTheCallersText) {
    struct Case {
        QString text;
        int width;
        QString padded;
    } cases[] = {{"", 3, "000"}, {"1", 3, "001"}, {"12", 3, "012"}, {"123", 3, "123"}, {"1234", 3, "1234"}, {"ab", 0, "ab"}};
    for (const Case& c : cases) {
        QString text = c.text;
        EXPECT_EQ(PadLeft(text, c.width, '0'), c.padded) << c.text.toStdString();
        EXPECT_EQ(text, c.padded);
    }
}

TEST(SlotOcean, TheFirstDigitOfTheLesNamesTheOcean) {
    const std::pair<QString, int> cases[] = {{"012", 0}, {"000", -1}, {"001", 0}, {"101", 1}, {"299", 2}, {"300", 3},
                                             {"400", -1}, {"999", -1}, {"0123", 0}, {"x01", -1}, {"", -1}};
    for (const auto& [les, ocean] : cases) EXPECT_EQ(SlotOcean(les), ocean) << les.toStdString();
}

// The list as the dialog shows it, over the edge cases of one program line, whatever line end
// the transceiver puts after its echo.
struct ProgramListReplies : ReportingFixture, ::testing::WithParamInterface<const char*> {
    ProgramListReplies() {
        UseLineEnd(GetParam());
        link.Requests.PUReplyMode = 2;
    }
};

TEST_P(ProgramListReplies, EachProgramLineGivesItsCodesCaptionsButtonsAndRows) {
    struct Case {
        const char* what;
        QString line;
        QString type, status;
        QString typeLine, statusLine;
        QString buttons;
        QStringList rows;
    } cases[] = {
        {"a two-digit LES lands in the West row, padded", ProgramLine(0, "local", "PU[i", "12,12345,1 101,23456,2"), "2",
         "2", "Type: PU-Local", "Status: Started", "--TD", {"012 12345 1", "101 23456 2", "", ""}},
        {"LES 0, 00, 4xx and an empty LES are shown nowhere", ProgramLine(0, "local", "PU[s", "0,1,1 00,2,2 401,3,3 ,4,4"),
         "2", "3", "Type: PU-Local", "Status: Stopped", "-S-D", {"", "", "", ""}},
        {"a one-digit LES is West", ProgramLine(0, "local", "PU[s", "7,5,5"), "2", "3", "Type: PU-Local",
         "Status: Stopped", "-S-D", {"007 5 5", "", "", ""}},
        {"two East slots: the second wins", ProgramLine(0, "local", "PU[i", "101,1,1 104,2,2"), "2", "2",
         "Type: PU-Local", "Status: Started", "--TD", {"", "104 2 2", "", ""}},
        {"a double blank empties a slot and pushes the fifth out",
         ProgramLine(0, "local", "PU[i", "12,1,1  201,2,2 301,3,3 302,4,4"), "2", "2", "Type: PU-Local",
         "Status: Started", "--TD", {"012 1 1", "", "201 2 2", "301 3 3"}},
        {"a line of 22 characters has no slots", ProgramLine(0, "local", "PU[i").left(21) + "3", "2", "2",
         "Type: PU-Local", "Status: Started", "--TD", {"", "", "", ""}},
        {"the last character of a longer line is not part of the slots",
         ProgramLine(0, "local", "PU[i").left(21) + "301,3,34", "2", "2", "Type: PU-Local", "Status: Started", "--TD",
         {"", "", "", "301 3 3"}},
        {"remote after local wins", "0  local remote PU[s", "3", "3", "Type: PU-Remote", "Status: Stopped", "----",
         {"", "", "", ""}},
        {"none after PU[i wins", "0  local   PU[i none", "2", "1", "Type: PU-Local", "Status: None", "---D",
         {"", "", "", ""}},
        {"CN without PU: an ADS program", ProgramLine(0, "local", "CN[s", "12,1,1"), "2", "3", "Type: ADS-Local",
         "Status: Stopped", "-S-D", {"012 1 1", "", "", ""}},
        {"an ADS program started", ProgramLine(0, "local", "CN[i"), "2", "2", "Type: ADS-Local", "Status: Started",
         "--TD", {"", "", "", ""}},
        {"a closed program offers New only", ProgramLine(0, "closed", "PU[-"), "1", "1", "Type: PU-Closed",
         "Status: None", "N---", {"", "", "", ""}},
        {"a remote program offers nothing", ProgramLine(0, "remote", "PU[i", "300,555,7"), "3", "2", "Type: PU-Remote",
         "Status: Started", "----", {"", "", "", "300 555 7"}},
        {"words in any letter case", "0  LOCAL   pu[s", "2", "3", "Type: PU-Local", "Status: Stopped", "-S-D",
         {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        r.PUReportingForms.unload();
        Dispatch(ListReply({c.line, ProgramLine(1, "closed", "PU[-"), ProgramLine(2, "closed", "PU[-"),
                            ProgramLine(3, "closed", "PU[-")}));
        ASSERT_TRUE(FormShown());
        EXPECT_EQ(Form().TypeCode(0), c.type);
        EXPECT_EQ(Form().StatusCode(0), c.status);
        EXPECT_EQ(Text("PrgType(0)"), c.typeLine);
        EXPECT_EQ(Text("PrgStatus(0)"), c.statusLine);
        EXPECT_EQ(Buttons(0), c.buttons);
        EXPECT_EQ(Form().StatusButton(0)->isEnabled(), c.type != "1");
        EXPECT_EQ(Rows(0), c.rows);
        EXPECT_EQ(Buttons(1), "N---");
        EXPECT_FALSE(Form().StatusButton(1)->isEnabled());
        EXPECT_TRUE(window.Calls.endsWith("UnloadWaitForm"));
    }
}

TEST_P(ProgramListReplies, TheFourProgramsOfATypicalTransceiver) {
    Dispatch(ListReply({ProgramLine(0, "local", "PU[i", "12,12345,1 101,23456,2"), ProgramLine(1, "closed", "PU[-"),
                        ProgramLine(2, "remote", "PU[s", "300,555,7"), ProgramLine(3, "local", "PU[s", "102,12345,3")}));
    ASSERT_TRUE(FormShown());
    EXPECT_EQ((QStringList{Buttons(0), Buttons(1), Buttons(2), Buttons(3)}), (QStringList{"--TD", "N---", "----", "-S-D"}));
    EXPECT_EQ((QStringList{Text("PrgType(0)"), Text("PrgType(1)"), Text("PrgType(2)"), Text("PrgType(3)")}),
              (QStringList{"Type: PU-Local", "Type: PU-Closed", "Type: PU-Remote", "Type: PU-Local"}));
    EXPECT_EQ(Rows(0), (QStringList{"012 12345 1", "101 23456 2", "", ""}));
    EXPECT_EQ(Rows(2), (QStringList{"", "", "", "300 555 7"}));
    EXPECT_EQ(Rows(3), (QStringList{"", "102 12345 3", "", ""}));
    EXPECT_EQ(Text("LES14"), "102");
    EXPECT_EQ(Text("Mem12"), "7");
    const QList<bool> statusEnabled{Form().StatusButton(0)->isEnabled(), Form().StatusButton(1)->isEnabled(),
                                    Form().StatusButton(2)->isEnabled(), Form().StatusButton(3)->isEnabled()};
    EXPECT_EQ(statusEnabled, (QList<bool>{true, false, true, true}));
}

INSTANTIATE_TEST_SUITE_P(EchoLineEnds, ProgramListReplies, ::testing::Values("\r\n", "\n", "\r\r\n"));

struct ListReplyOnce : ReportingFixture {
    ListReplyOnce() { link.Requests.PUReplyMode = 2; }
};

TEST_F(ListReplyOnce, ALineWithoutKeywordsKeepsWhatTheProgramHadButLosesItsRows) {
    Dispatch(ListReply({ProgramLine(0, "local", "PU[i", "12,12345,1")}));
    ASSERT_EQ(Buttons(0), "--TD");
    Dispatch(ListReply({"0", "", "", ""}));
    EXPECT_EQ(Form().TypeCode(0), "2");
    EXPECT_EQ(Form().StatusCode(0), "2");
    EXPECT_EQ(Text("PrgType(0)"), "Type: Local") << "no PU or CN on the line: no prefix";
    EXPECT_EQ(Text("PrgStatus(0)"), "Status: Started");
    EXPECT_EQ(Buttons(0), "--TD");
    EXPECT_EQ(Rows(0), (QStringList{"", "", "", ""}));
    // Programs the reply never named keep the fresh dialog's state.
    EXPECT_EQ(Form().TypeCode(3), "");
    EXPECT_EQ(Text("PrgType(3)"), "Type: ");
    EXPECT_EQ(Buttons(3), "----");
}

TEST_F(ListReplyOnce, ARefusalInAnyLetterCaseIsQueuedAndLeavesTheDialogAlone) {
    Dispatch(ListReply({ProgramLine(0, "local", "PU[i", "12,12345,1")}));
    ASSERT_TRUE(FormShown());
    window.Calls.clear();
    Dispatch("pg -d\r\nerror 120: Command not supported\r\ncan0:/$ ");
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{"Feature not supported"});
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
    EXPECT_EQ(Rows(0), (QStringList{"012 12345 1", "", "", ""}));
    EXPECT_EQ(Buttons(0), "--TD");

    // Nor is a dialog loaded that was not.
    r.PUReportingForms.unload();
    Dispatch("pg -d\r\nERROR 120: Command not supported\r\ncan0:/$ ");
    EXPECT_FALSE(r.PUReportingForms.isLoaded());
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{"Feature not supported"});
}

TEST_F(ListReplyOnce, WithoutTheHeaderWordTheRowsAreClearedAndNothingIsShown) {
    Dispatch(ListReply({ProgramLine(0, "local", "PU[i", "12,12345,1")}));
    Form().hide();
    window.Calls.clear();
    Dispatch("pg -d\r\nPrg Type    Status   connection\r\n" + ProgramLine(0, "remote", "PU[s", "300,1,1") + "\r\ncan0:/$ ");
    EXPECT_FALSE(FormShown());
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
    EXPECT_EQ(Rows(0), (QStringList{"", "", "", ""}));
    EXPECT_EQ(Form().TypeCode(0), "2") << "the codes stay";
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(ListReplyOnce, ShortAndOddRepliesShowEmptySlots) {
    const QString replies[] = {"pg -d\r\nConnection", "pg -d\r\nConnection\r\n", "pg -d\r\nConnection\r\n0\r\n1",
                               "pg -d\r\n" + QString(300, ' ') + "Connection\r\n" + QString(500, ',') + "\r\n"};
    for (const QString& reply : replies) {
        Dispatch(reply);
        EXPECT_TRUE(FormShown());
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Rows(i), (QStringList{"", "", "", ""}));
    }
}

}  // namespace
