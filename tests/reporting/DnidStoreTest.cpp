#include <QCheckBox>
#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "reporting/DnidListReply.h"
#include "reporting/cDnid.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

struct DnidStore : ReportingFixture {
    cDnid& Store() { return tidepost::DnidStore(r); }
    // The providers of the store's records, in order.
    QStringList Providers() {
        QStringList names;
        for (const DnidRecord& d : Store().GetDnids()) names << d.Provider;
        return names;
    }
};

const QString kNorth = ReportingFixture::DnidLine("North Sea Fleet Services", 1, 12, 12345, 1, 0, 1, 0);
const QString kHarbour = ReportingFixture::DnidLine("Harbour Data Ltd", 1, 102, 12345, 3, 0, 1, 0);

TEST_F(DnidStore, SaveDataReadsTheUnbrokenRunOfDnidLines) {
    ASSERT_EQ(kHarbour, "Harbour Data Ltd            1 102 12345     3   0     1  0");
    const QString full = "Twenty-seven characters abc";
    struct Case {
        const char* what;
        QString end;     // the echo's line end
        QString header;  // the header line, without its end
        QStringList lines;
        QStringList providers;  // "" for the one empty record
        int errorLines = 0;
    } cases[] = {
        {"header then trailer", "\r\n", "Provider Name St LES DNID Mem Sa Ch Rd", {}, {""}},
        {"two DNIDs", "\r\n", "Provider Name St LES DNID Mem Sa Ch Rd", {kNorth, kHarbour}, {"North Sea Fleet Services", "Harbour Data Ltd"}},
        {"57 characters end the list", "\r\n", "Name Rd", {kNorth, kHarbour.left(57), kHarbour}, {"North Sea Fleet Services"}},
        {"59 characters end it too", "\r\n", "Name Rd", {kHarbour + ' ', kNorth}, {""}},
        {"CR CR LF", "\r\r\n", "Name Rd", {kNorth, kHarbour}, {"North Sea Fleet Services", "Harbour Data Ltd"}},
        {"LF alone", "\n", "Name Rd", {kHarbour}, {"Harbour Data Ltd"}},
        {"RD", "\r\n", "NAME ST LES DNID MEM SA CH RD", {kHarbour}, {"Harbour Data Ltd"}},
        {"rd", "\r\n", "name st les dnid mem sa ch rd", {kHarbour}, {"Harbour Data Ltd"}},
        {"no Rd before the line end", "\r\n", "Name St LES DNID", {kHarbour}, {""}},
        {"a full provider stays whole", "\r\n", "Name Rd", {DnidLine(full, 1, 101, 5, 2)}, {full}},
        {"member 300 ends the list", "\r\n", "Name Rd", {kNorth, DnidLine("Too Big", 1, 102, 7, 300), kHarbour},
         {"North Sea Fleet Services"}, 1},
        {"a negative status ends it", "\r\n", "Name Rd", {DnidLine("Minus", 1, 102, 7, 1).replace(27, 2, "-1")}, {""}, 1},
        {"a negative member ends it", "\r\n", "Name Rd", {kHarbour, DnidLine("Minus", 1, 102, 7, 1).replace(42, 3, "-12")},
         {"Harbour Data Ltd"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseLineEnd(c.end);
        QFile::remove(platform.DataFolder() + "/ErrorLog.txt");
        QString buffer = c.header + c.end;
        for (const QString& line : c.lines) buffer += line + c.end;
        buffer += QString("%1 DNID(s) stored").arg(c.lines.size());
        Store().SaveData(buffer);
        EXPECT_EQ(Providers(), c.providers);
        const bool loaded = !c.providers.first().isEmpty();
        EXPECT_EQ(Store().m_IsLoaded, loaded);
        EXPECT_EQ(Store().m_CountDnids, loaded ? c.providers.size() : 0);
        const QString log = ReadDataFile("ErrorLog.txt");
        EXPECT_EQ(log.count("(cDnid.SaveData) Error '6': Overflow."), c.errorLines) << log.toStdString();
    }
}

TEST_F(DnidStore, EveryFieldIsReadFromItsColumns) {
    Store().SaveData("Name Rd\r\n" + DnidLine("  A&B  ", 5, 399, 99999, 255, 9, 8, 7) + "\r\n1 DNID(s) stored");
    ASSERT_EQ(Store().m_CountDnids, 1);
    const DnidRecord d = Store().GetDnids().first();
    EXPECT_EQ(d.Provider, "A&B");
    EXPECT_EQ((QList<int>{d.Status, d.LES, d.DNID, d.Member, d.SubAdr, d.Channel, d.Random}),
              (QList<int>{5, 399, 99999, 255, 9, 8, 7}));
    // A copy: a later list does not change it.
    const QList<DnidRecord> copy = Store().GetDnids();
    Store().SaveData("Name Rd\r\n0 DNID(s) stored");
    EXPECT_EQ(copy.first().Provider, "A&B");
}

TEST_F(DnidStore, TheReplyIsLoggedByteForByteAndShownInTheDnidList) {
    window.Calls.clear();
    Dispatch(DnidReply({kNorth, kHarbour}));
    EXPECT_EQ(ReadDataFile("ErrorLog.txt"), "Name St LES DNID Mem Sa Ch Rd\r\n" + kNorth + "\r\n" + kHarbour +
                                                 "\r\n2 DNID(s) stored\r\n");
    EXPECT_EQ(Store().m_CountDnids, 2);
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
    ASSERT_TRUE(r.DNIDForms.isLoaded());
    EXPECT_TRUE(r.DNIDForms.loaded()->isVisible());
    EXPECT_EQ(r.DNIDForms.loaded()->RowCount(), 2);
}

TEST_F(DnidStore, ListingBlockTakesNameToTheTrailerInAnyCase) {
    EXPECT_EQ(DnidBlock("st -d\r\nxx NAME Rd\r\n2 dnid(S) STORED\r\nmore"), "NAME Rd\r\n2 dnid(S) STORED");
    EXPECT_EQ(DnidBlock("st -d\r\nName Rd\r\n"), "");
    EXPECT_EQ(DnidBlock("DNID(s) stored Name"), "");
    EXPECT_EQ(DnidBlock(""), "");
}

TEST_F(DnidStore, AReplyWithoutNameIsDropped) {
    Dispatch("st -d\r\nERROR 120: Command not supported\r\n" + link.Dialogue.CurrentPrompt);
    EXPECT_EQ(ReadDataFile("ErrorLog.txt"), "");
    EXPECT_FALSE(r.Dnid);
    EXPECT_TRUE(window.Calls.isEmpty());
    EXPECT_FALSE(r.DNIDForms.isLoaded());
}

TEST_F(DnidStore, AReplyWithoutTrailerEmptiesTheStore) {
    Dispatch(DnidReply({kHarbour}));
    Dispatch("st -d\r\nProvider Name St LES DNID Mem Sa Ch Rd\r\n" + kHarbour + "\r\n" + link.Dialogue.CurrentPrompt);
    EXPECT_TRUE(ReadDataFile("ErrorLog.txt").endsWith("1 DNID(s) stored\r\n\r\n"));
    EXPECT_FALSE(Store().m_IsLoaded);
    EXPECT_EQ(Store().m_CountDnids, 0);
}

TEST_F(DnidStore, ABadLineKeepsTheLinesBeforeAndStillShowsTheDialog) {
    Dispatch(DnidReply({kNorth, DnidLine("Wide Member", 1, 102, 7, 300)}));
    EXPECT_EQ(Store().m_CountDnids, 1);
    EXPECT_TRUE(Store().m_IsLoaded);
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
    ASSERT_TRUE(r.DNIDForms.isLoaded());
    EXPECT_EQ(r.DNIDForms.loaded()->RowCount(), 1);
    EXPECT_EQ(ReadDataFile("ErrorLog.txt").count("Overflow"), 1);
}

TEST_F(DnidStore, TheSetUpTargetLeavesTheStoreAloneAndStillLogs) {
    Dispatch(DnidReply({kHarbour}));
    r.DnidReplyTarget = 1;
    Dispatch(DnidReply({kNorth, kNorth}));
    EXPECT_EQ(Providers(), QStringList{"Harbour Data Ltd"});
    EXPECT_EQ(ReadDataFile("ErrorLog.txt").count("DNID(s) stored"), 2);
    EXPECT_TRUE(r.DNIDPUProgramForms.isLoaded());
    // Before any list went to the DNID dialog, the store is not even made.
    r.Dnid.reset();
    Dispatch(DnidReply({kNorth}));
    EXPECT_FALSE(r.Dnid);
}

}  // namespace
