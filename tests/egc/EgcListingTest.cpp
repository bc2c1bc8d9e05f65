#include <gtest/gtest.h>

#include "egc/EgcReplyParsers.h"
#include "egc/EgcFixture.h"
#include "foundation/IniFile.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using EgcListing = EgcFixture;

QStringList Names(const QList<EgcFileEntry>& list) {
    QStringList names;
    for (const EgcFileEntry& e : list) names.append(e.Name);
    return names;
}

TEST_F(EgcListing, BothLayoutsGiveTheSameEntries) {
    const QList<EgcSpec> egcs{{7, 101, 31, 0, 0, "06-12-31", "14:05", 512},
                              {5, 101, 31, 0, 0, "69-12-31", "09:00", 77000},
                              {6, 101, 31, 0, 0, "70-01-01", "23:59", 1}};
    for (int layout : {1, 2}) {
        SCOPED_TRACE(layout);
        e.gEGC.DecodeEGCFileList(Listing(egcs, layout));
        const QList<EgcFileEntry> list = e.gEGC.GetEgcFileList();
        ASSERT_EQ(list.size(), 3);
        EXPECT_EQ(e.gEGC.CountFiles(), "3");
        EXPECT_EQ(e.gEGC.IsFileListLoaded(), "True");
        // The pivot: 69 is 2069, 70 is 1970; sorted by date.
        EXPECT_EQ(Names(list), (QStringList{"EGC.006", "EGC.007", "EGC.005"}));
        EXPECT_EQ(list[0].Date, "1970-01-01");
        EXPECT_EQ(list[2].Date, "2069-12-31");
        EXPECT_EQ(list[1].Time, "14:05");
        EXPECT_EQ(list[1].Number, 7);
        EXPECT_EQ(list[1].Size, 512);
        EXPECT_EQ(list[2].Size, 77000) << "sizes beyond 16 bits";
    }
}

TEST_F(EgcListing, SameStampSortsByNumberAndKeepsOrderOtherwise) {
    // Two listed with the same name and stamp keep the reply's order (told apart by size).
    const QList<EgcSpec> egcs{{9, 101, 31, 0, 0, "06-12-31", "10:00", 10},
                              {8, 101, 31, 0, 0, "06-12-31", "10:00", 20},
                              {8, 101, 31, 0, 0, "06-12-31", "10:00", 30},
                              {1, 101, 31, 0, 0, "06-12-31", "09:59", 40}};
    e.gEGC.DecodeEGCFileList(Listing(egcs));
    const QList<EgcFileEntry> list = e.gEGC.GetEgcFileList();
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(Names(list), (QStringList{"EGC.001", "EGC.008", "EGC.008", "EGC.009"}));
    EXPECT_EQ(list[1].Size, 20);
    EXPECT_EQ(list[2].Size, 30);
}

TEST_F(EgcListing, BytesFreeChoosesTheColonLayoutAndEmptyExtensionKeepsTheStem) {
    const QString reply = "ls EGC.*\r\nEGC     .           12  06-12-31  14:05\r\n"
                          "EGC.001                             06-12-31  14:05512 bytes\r\n"
                          "   100 bytes free\r\n" + prompt;
    e.gEGC.DecodeEGCFileList(reply);
    const QList<EgcFileEntry> list = e.gEGC.GetEgcFileList();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].Name, "EGC");
    EXPECT_EQ(list[0].Number, 0);
}

TEST_F(EgcListing, ALineWithABadSizeOrDateIsSkippedAndLogged) {
    const auto first = [](const QString& number, const QString& size, const QString& date) {
        return QString("EGC").leftJustified(8) + "." + number + QString(5, ' ') + size.rightJustified(5) + "  " + date +
               "  14:05\r\n";
    };
    const auto second = [](const QString& number, const QString& size, const QString& date) {
        return ("EGC." + number).leftJustified(36) + date + "  14:05" + size + " bytes\r\n";
    };
    for (auto line : {+first, +second}) {
        const QString reply = "ls EGC.*\r\n" + line("007", "512", "06-12-31") + line("008", "5x2", "06-12-31") +
                              line("009", "512", "06-13-31") +
                              (line == +first ? QString("   100 bytes free\r\n") : QString()) + prompt;
        e.gEGC.DecodeEGCFileList(reply);
        EXPECT_EQ(Names(e.gEGC.GetEgcFileList()), QStringList{"EGC.007"});
    }
    EXPECT_EQ(ErrorLogText().count("Type mismatch in the EGC listing line"), 4);
}

TEST_F(EgcListing, EmptyListingEmptiesTheMarkAndEndsTheDownload) {
    SetIniValue(f, "[LastEgcNumber]", "005", false);
    SetIniValue(f, "[LastEgcDate]", "2006-12-31 10:00", false);
    Dispatch(Listing({}));
    EXPECT_EQ(GetIniValue(f, "[LastEgcNumber]"), "");
    EXPECT_EQ(GetIniValue(f, "[LastEgcDate]"), "");
    EXPECT_TRUE(DownloadEnded());
    EXPECT_TRUE(Queued().isEmpty());
    EXPECT_EQ(e.gEGC.GetEgcFileList().size(), 1) << "one empty record";
}

TEST_F(EgcListing, NewEgcFilter) {
    struct Case {
        const char* number;
        const char* date;
        QStringList fresh;
    };
    const QList<EgcSpec> listed{{5, 101, 31, 0, 0, "06-12-31", "10:00"},
                                {6, 101, 31, 0, 0, "06-12-31", "10:00"},
                                {9, 101, 31, 0, 0, "06-12-31", "09:59"},
                                {1, 101, 31, 0, 0, "07-01-01", "00:00"}};
    const Case cases[] = {
        {"005", "2006-12-31 10:00", {"EGC.006", "EGC.001"}},
        {"006", "2006-12-31 10:00", {"EGC.001"}},
        {"005", "Unknown Unknown", {"EGC.009", "EGC.005", "EGC.006", "EGC.001"}},
        {"", "2006-12-31 10:00", {"EGC.009", "EGC.005", "EGC.006", "EGC.001"}},
        {"001", "", {"EGC.009", "EGC.005", "EGC.006", "EGC.001"}},
        {"001", "2007-01-01 00:00", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " " + c.date);
        SetIniValue(f, "[LastEgcNumber]", c.number, false);
        SetIniValue(f, "[LastEgcDate]", c.date, false);
        EXPECT_EQ(e.gEGC.DecodeEGCs(Listing(listed)), !c.fresh.isEmpty());
        const QStringList names = Names(e.gEGC.GetEgcFileList());
        EXPECT_EQ(names, c.fresh.isEmpty() ? QStringList{""} : c.fresh);
        EXPECT_EQ(e.gEGC.CountFiles(), "4") << "the count is the whole listing's";
    }
}

TEST_F(EgcListing, AnEgcWhoseFetchOrDeleteWaitsIsNotNewAgain) {
    QueueCommand(link, "ty EGC.005 -b -k", true, false);
    QueueCommand(link, "delete EGC.006", true, false);
    EXPECT_TRUE(e.gEGC.DecodeEGCs(Listing({{5}, {6}, {7}})));
    EXPECT_EQ(Names(e.gEGC.GetEgcFileList()), QStringList{"EGC.007"});
}

TEST_F(EgcListing, LogRecords) {
    struct Case {
        QString line;
        bool record;
    };
    const Case cases[] = {
        {"101 31 3 0 06-12-31 14:05 512 1234 0 0 +M EGC.007", true},
        {"  101   31 3 0 06-12-31 14:05 512 99999 0 0 +M EGC.008  ", true},
        {"101 31 3 06-12-31 14:05 512 1234 0 0 +M EGC.009", false},           // 11 columns
        {"101 31 3 0 0 06-12-31 14:05 512 1234 0 0 +M EGC.010", false},       // 13 columns
        {"101 31 3 0 06-12-31 14:05 512 1234 0 0 +M egc.011", false},         // lower case
        {"101 31 x 0 06-12-31 14:05 512 1234 0 0 +M EGC.012", false},         // no number
        {"101 31 3 0 06-12-31 14:05 5000000000 1234 0 0 +M EGC.013", false},  // beyond 32 bits
        {"101 31 3 0 06-12-31 14:05 512 1234 0 0 +M:x EGC.014", false},       // would split the index line
        {"101 31 3 0 06-12-31 1405 512 1234 0 0 +M EGC.015", false},
    };
    QString reply = "st -e\r\nLES Svc P L Date Time Size Ref A B Routing File\r\n\r\n";
    for (const Case& c : cases) reply += c.line + "\r\n";
    e.gEGC.DecodeEgcLog(reply + prompt);
    const QList<EgcLogEntry> log = e.gEGC.GetEgcLogList();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(e.gEGC.CountLog(), "2");
    EXPECT_EQ(e.gEGC.IsLogLoaded(), "True");
    const EgcLogEntry& r = log[0];
    EXPECT_EQ(r.Les, 101);
    EXPECT_EQ(r.Service, 31);
    EXPECT_EQ(r.Priority, 3);
    EXPECT_EQ(r.Language, 0);
    EXPECT_EQ(r.Date, "2006-12-31");
    EXPECT_EQ(r.Time, "14:05");
    EXPECT_EQ(r.Length, 512);
    EXPECT_EQ(r.Routing, "+M");
    EXPECT_EQ(r.FileName, "EGC.007");
    EXPECT_EQ(log[1].RefNo, 99999) << "reference numbers beyond 16 bits";
    EXPECT_EQ(ErrorLogText().count("Type mismatch in the EGC log line"), 4);
}

TEST_F(EgcListing, LogWithoutEchoIsEmptyAndTheEchoMayBeInAnyCase) {
    e.gEGC.DecodeEgcLog("101 31 3 0 06-12-31 14:05 512 1234 0 0 +M EGC.007\r\n" + prompt);
    EXPECT_EQ(e.gEGC.IsLogLoaded(), "False");
    e.gEGC.DecodeEgcLog("ST -E\r\n101 31 3 0 2006-12-31 14:05 512 1234 0 0 +M EGC.007\r\n" + prompt);
    ASSERT_EQ(e.gEGC.CountLog(), "1");
    EXPECT_EQ(e.gEGC.GetEgcLogList()[0].Date, "2006-12-31") << "a four-digit year stays";
}

TEST_F(EgcListing, MarksDecideTheFetch) {
    struct Case {
        const char* routing;
        bool fetched;
    };
    const Case cases[] = {{"+M", true}, {"Pr+M", true}, {"Mem", true}, {"mem", true}, {"Pr", false}, {"-", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.routing);
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetProcessingEgcs(false);
        EgcSpec s;
        s.Routing = c.routing;
        ListAndLog({s});
        EXPECT_EQ(Queued().contains("ty EGC.007 -b -k"), c.fetched);
        EXPECT_EQ(DownloadEnded(), !c.fetched);
    }
    EXPECT_EQ(ErrorLogText().count("EGC.007 not saved: EGC not marked for saving"), 2);
}

TEST_F(EgcListing, NameNotAtALineEndOrTooEarlyIsFetchedAnyway) {
    // Found at position 8: too early to look at marks.
    Dispatch(Listing({{7}}));
    TakeQueued("st -e");
    Dispatch("st -e\r\nEGC.007\r\n" + prompt);
    EXPECT_TRUE(Queued().contains("ty EGC.007 -b -k"));
    link.Dialogue.CommandQueue.clear();
    // Not in the log at all.
    f.gSession.SetProcessingEgcs(false);
    Dispatch(Listing({{8}}));
    TakeQueued("st -e");
    Dispatch(Log({}));
    EXPECT_TRUE(Queued().contains("ty EGC.008 -b -k"));
}

TEST_F(EgcListing, ModelsOneAndSixFetchWithoutKeep) {
    for (int model : {1, 6, 2}) {
        SCOPED_TRACE(model);
        link.Dialogue.CommandQueue.clear();
        f.gSession.SetProcessingEgcs(false);
        f.gSession.SetProductModel(model);
        ListAndLog({{7}});
        EXPECT_EQ(Queued(), QStringList{model == 2 ? "ty EGC.007 -b -k" : "ty EGC.007 -b"});
    }
}

TEST_F(EgcListing, ASecondLogReplyQueuesNoFetchAgain) {
    ListAndLog({{7}, {8}});
    EXPECT_EQ(Queued(), (QStringList{"ty EGC.007 -b -k", "ty EGC.008 -b -k"}));
    // The fetch of EGC.007 was sent and stored; a second "st -e" then arrives.
    TakeQueued("ty EGC.007 -b -k");
    Dispatch(Log({{7}, {8}}));
    EXPECT_EQ(Queued(), QStringList{"ty EGC.008 -b -k"});
    // Once all fetches have gone, yet another log reply fetches nothing either.
    TakeQueued("ty EGC.008 -b -k");
    Dispatch(Log({{7}, {8}}));
    EXPECT_TRUE(Queued().isEmpty());
}

TEST_F(EgcListing, WhileADownloadRunsAListingIsIgnored) {
    Dispatch(Listing({{7}}));
    EXPECT_TRUE(f.gSession.ProcessingEgcs());
    EXPECT_TRUE(window.TimerOn("EGCTimer"));
    EXPECT_EQ(Queued(), QStringList{"st -e"});
    Dispatch(Listing({{7}, {8}}));
    EXPECT_EQ(Queued(), QStringList{"st -e"});
    EXPECT_EQ(e.gEGC.GetEgcFileList().size(), 1);
}

TEST_F(EgcListing, FetchTextFrames) {
    struct Case {
        QString reply;
        QString text;
    };
    const Case cases[] = {
        {"ty EGC.007 -b -k\r\nA\r\nB\r\nText\r\nmore" + prompt, "Text\r\nmore"},
        {"ty EGC.007 -b -k\r\nA\r\nText" + prompt, "ty EGC.007 -b -k\r\nA\r\nText"},
        {"ty EGC.007 -b -k\r\nA\r\nB\r\n", ""},
        {"c", "c"},
    };
    for (const Case& c : cases) EXPECT_EQ(e.gEGC.ExtractEgcMsgFromBuffer(c.reply), c.text);
}

TEST(EgcNames, OnlyEgcAndThreeDigits) {
    EXPECT_TRUE(IsEgcFileName("EGC.007"));
    for (const char* bad : {"EGC.07", "EGC.0071", "egc.007", "EGC.0 7", "EGC.00x", "EGC.007\r", ""})
        EXPECT_FALSE(IsEgcFileName(bad)) << bad;
}

}  // namespace
