#include <gtest/gtest.h>

#include <QLocale>

#include "link/PositionTimeReplies.h"
#include "link/StatusReplyFixture.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

const QString kStx(QChar(2));
const QString kEtx(QChar(3));

QString PositionReply(const QString& position, const QString& status = "Valid") {
    return "se -p\r\nPosition : " + kStx + position + kEtx + " at 10:22:33 UTC\r\n" +  //
           "Course   : " + kStx + "123" + kEtx + "\r\n" +                             //
           "Speed    : " + kStx + "012" + kEtx + "\r\n" +                             //
           "Status   : " + status + "\r\ncan0:/$ ";
}

using Replies = StatusReplyFixture;

TEST_F(Replies, PositionIsStoredWithCourseSpeedAndTime) {
    HandlePositionReply(link, PositionReply("55 40 12 N 012 35 47 W"));
    const PositionRecord p = f.gSession.GetPos();
    EXPECT_EQ(f.gSession.GetPosStr(), "55,40.12N , 12,35.47W");
    EXPECT_EQ(p.Course, 123);
    EXPECT_EQ(p.Speed, 12);
    EXPECT_EQ(p.Updated, "10:22:33 UTC");
    EXPECT_TRUE(p.Valid);
}

TEST_F(Replies, PositionMarkedNotValidIsStillStored) {
    HandlePositionReply(link, PositionReply("55 40 12 S 012 35 47 E", "NOT VALID"));
    EXPECT_EQ(f.gSession.GetPosStr(), "55,40.12S , 12,35.47E");
    EXPECT_FALSE(f.gSession.GetPos().Valid);
}

// Course and speed end at their ETX whether or not the shell pads them to three characters, and
// the fix time ends at its line end whichever line end that is.
TEST_F(Replies, PositionValuesPaddedOrNotWithEveryLineEnd) {
    struct Case {
        const char* name;
        QString course;
        QString speed;
        QString time;
        int expectedCourse;
        int expectedSpeed;
    } cases[] = {
        {"padded with zeros", "090", "005", "10:22:33 UTC", 90, 5},
        {"padded with blanks", " 90", "  5", "10:22:33 UTC", 90, 5},
        {"not padded", "90", "5", "10:22:33 UTC", 90, 5},
        {"a short time", "7", "12", "10:22 UTC", 7, 12},
        {"a time alone", "359", "0", "10:22:33", 359, 0},
    };
    for (const QString& lineEnd : QStringList{"\n", "\r\n", "\r\r\n"}) {
        for (const Case& c : cases) {
            f.gSession.SetPos("01 02 03 N 004 05 06 E", "1", "old", "1", false);
            HandlePositionReply(link, "se -p" + lineEnd + "Position : " + kStx + "55 40 12 N 012 35 47 W" + kEtx +
                                          " at " + c.time + lineEnd + "Course   : " + kStx + c.course + kEtx +
                                          lineEnd + "Speed    : " + kStx + c.speed + kEtx + lineEnd +
                                          "Status   : Valid" + lineEnd + "can0:/$ ");
            const PositionRecord p = f.gSession.GetPos();
            const std::string name = c.name + std::string(" / ") + std::to_string(lineEnd.size());
            EXPECT_EQ(f.gSession.GetPosStr(), "55,40.12N , 12,35.47W") << name;
            EXPECT_EQ(p.Course, c.expectedCourse) << name;
            EXPECT_EQ(p.Speed, c.expectedSpeed) << name;
            EXPECT_EQ(p.Updated, c.time) << name;
            EXPECT_TRUE(p.Valid) << name;
        }
    }
}

TEST_F(Replies, PositionRepliesThatChangeNothing) {
    struct Case {
        const char* name;
        QString reply;
    } cases[] = {
        {"no STX after the key", "se -p\r\nPosition : 55 40 12 N 012 35 47 E" + kEtx + " at 10:22:33 UTC\r\n"},
        {"key in another case", "se -p\r\nposition : " + kStx + "55 40 12 N 012 35 47 E" + kEtx + "\r\n"},
        {"no ETX after it", "se -p\r\nPosition : " + kStx + "55 40 12 N 012 35 47 E\r\ncan0:/$ "},
        {"a position the session cannot read", PositionReply("55 4x 12 N 012 35 47 E")},
    };
    for (const Case& c : cases) {
        HandlePositionReply(link, PositionReply("01 02 03 N 004 05 06 E"));
        HandlePositionReply(link, c.reply);
        EXPECT_EQ(f.gSession.GetPosStr(), "1,2.03N , 4,5.06E") << c.name;
        EXPECT_EQ(f.gSession.GetPos().Updated, "10:22:33 UTC") << c.name;
    }
}

TEST_F(Replies, SystemTimeCenturyAndClock) {
    struct Case {
        const char* name;
        QString echoEnd;
        QString line;
        QDateTime expected;
    } cases[] = {
        {"CR LF", "\r\n", "25-03-14 10:22:33", QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC)},
        {"LF", "\n", "25-03-14 10:22:33", QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC)},
        {"CR CR LF", "\r\r\n", "25-03-14 10:22:33", QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC)},
        {"69 is 2069", "\r\n", "69-12-31 23:59:59", QDateTime(QDate(2069, 12, 31), QTime(23, 59), Qt::UTC)},
        {"70 is 1970", "\r\n", "70-01-01 00:01:00", QDateTime(QDate(1970, 1, 1), QTime(0, 1), Qt::UTC)},
        {"no time keeps midnight", "\r\n", "25-03-14 UTC", QDateTime(QDate(2025, 3, 14), QTime(0, 0), Qt::UTC)},
        {"a bad time keeps midnight", "\r\n", "25-03-14 10:77:00", QDateTime(QDate(2025, 3, 14), QTime(0, 0), Qt::UTC)},
        {"an hour padded with a blank", "\r\n", "25-03-14  9:05:00",
         QDateTime(QDate(2025, 3, 14), QTime(9, 5), Qt::UTC)},
        {"an hour padded with a blank, LF", "\n", "25-03-14  9:05:00",
         QDateTime(QDate(2025, 3, 14), QTime(9, 5), Qt::UTC)},
        {"a four-digit year", "\r\n", "2025-03-14 10:22:33", QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC)},
        {"after a label", "\r\n", "UTC time: 25-03-14 10:22:33",
         QDateTime(QDate(2025, 3, 14), QTime(10, 22), Qt::UTC)},
        {"hours out of range keep midnight", "\r\n", "25-03-14 24:00:00",
         QDateTime(QDate(2025, 3, 14), QTime(0, 0), Qt::UTC)},
    };
    for (const Case& c : cases) {
        link.Dialogue.EchoTerminator = c.echoEnd;
        f.gSession.SetSystemTimeSet(false);
        HandleSystemTimeReply(link, "ti -u" + c.echoEnd + c.line + "\r\ncan0:/$ ");
        EXPECT_EQ(f.gSession.SystemTime(), c.expected) << c.name;
        EXPECT_TRUE(f.gSession.SystemTimeSet()) << c.name;
    }
}

TEST_F(Replies, SystemTimeRepliesThatChangeNothing) {
    const QDateTime before(QDate(2001, 2, 3), QTime(4, 5), Qt::UTC);
    link.Dialogue.EchoTerminator = "\r\n";
    for (const QString& reply : {QString("ti -u\r\n25-02-30 10:22:33\r\ncan0:/$ "), QString("ti -u\r\n25-03-14"),
                                QString("ti -u\r\nxx-03-14 10:22:33\r\ncan0:/$ "),
                                QString("ti -u\r\nno date here at all\r\ncan0:/$ ")}) {
        f.gSession.SetSystemTime(before);
        f.gSession.SetSystemTimeSet(false);
        HandleSystemTimeReply(link, reply);
        EXPECT_EQ(f.gSession.SystemTime(), before) << reply.toStdString();
        EXPECT_FALSE(f.gSession.SystemTimeSet()) << reply.toStdString();
    }
}

TEST_F(Replies, UtcTextIsInsertedIntoTheEditor) {
    struct Case {
        const char* name;
        QString echoEnd;
        QString body;
        QString expected;
    } cases[] = {
        {"CR LF", "\r\n", "25-03-14  10:22:33\r\n", "14. " + QLocale().monthName(3) + " 2025 10:22"},
        {"LF", "\n", "25-03-14  10:22:33\r\n", "14. " + QLocale().monthName(3) + " 2025 10:22"},
        {"CR CR LF", "\r\r\n", "25-03-14  10:22:33\r\n", "14. " + QLocale().monthName(3) + " 2025 10:22"},
        {"79 is 2079", "\r\n", "79-12-01  00:05:00\r\n", "01. " + QLocale().monthName(12) + " 2079 00:05"},
        {"80 is 1980", "\r\n", "80-01-31  23:59:00\r\n", "31. " + QLocale().monthName(1) + " 1980 23:59"},
        {"not a month", "\r\n", "25-13-14  10:22:33\r\n", ""},
    };
    for (const Case& c : cases) {
        link.Dialogue.EchoTerminator = c.echoEnd;
        views.Inserted.clear();
        window.Calls.clear();
        HandleUtcTextReply(link, "ti u" + c.echoEnd + c.body + "can0:/$ ");
        EXPECT_EQ(link.Transceiver.UtcTimeText, c.expected) << c.name;
        EXPECT_EQ(views.Inserted, QStringList{"UTC Time: " + c.expected + "\r\n"}) << c.name;
        EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"}) << c.name;
    }
}

TEST_F(Replies, UtcTextWithoutItsEchoLineStillInsertsTheLabel) {
    link.Dialogue.EchoTerminator = "\r\n";
    link.Transceiver.UtcTimeText = "old";
    HandleUtcTextReply(link, "25-03-14  10:22:33\r\ncan0:/$ ");
    EXPECT_EQ(link.Transceiver.UtcTimeText, "");
    EXPECT_EQ(views.Inserted, QStringList{"UTC Time: \r\n"});
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
}

TEST_F(Replies, GpsSummaryIsCutToItsBlock) {
    platform.Clock.Set(QDateTime(QDate(2025, 3, 14), QTime(11, 0, 5)));
    HandleGpsStatusReply(link, "ru -g\r\nRunning GPS test\r\nTEST SUMMARY: OK\r\nSatellites : 7\nSpeed : " + kStx +
                                   "3" + kEtx + " mph\r\nDone\r\ncan0:/$ ");
    EXPECT_EQ(views.GpsOutput, "TEST SUMMARY: OK\r\nSatellites : 7\r\nSpeed : 3 mph");
    EXPECT_TRUE(f.gSession.GpsStatus());
    EXPECT_EQ(views.GpsCaption, "GPS Status last updated at " +
                                    QLocale().toString(QDateTime(QDate(2025, 3, 14), QTime(11, 0, 5)), QLocale::ShortFormat));
}

TEST_F(Replies, GpsReplyWithoutItsSummaryBlock) {
    struct Case {
        const char* name;
        QString reply;
        QString output;
        bool ok;
    } cases[] = {
        {"no mph: the whole reply, cleaned", "ru -g\nTest Summary: OK\nNo fix\n", "ru -g\r\nTest Summary: OK\r\nNo fix\r\n",
         true},
        {"no summary: characters 14 and 15", "ru -g\r\nGPS: OK  \r\n", "ru -g\r\nGPS: OK  \r\n", false},
        {"failed", "ru -g\r\nTest Summary: FAIL\r\n5 mph\r\n", "Test Summary: FAIL\r\n5 mph", false},
    };
    for (const Case& c : cases) {
        HandleGpsStatusReply(link, c.reply);
        EXPECT_EQ(views.GpsOutput, c.output) << c.name;
        EXPECT_EQ(f.gSession.GpsStatus(), c.ok) << c.name;
    }
    // A result the shell marks with STX and ETX is read without the marks.
    HandleGpsStatusReply(link, "ru -g\r\nTest Summary: " + kStx + "OK" + kEtx + "\r\nSpeed : " + kStx + "3" + kEtx +
                                   " mph\r\n");
    EXPECT_TRUE(f.gSession.GpsStatus());
    EXPECT_EQ(views.GpsOutput, "Test Summary: OK\r\nSpeed : 3 mph");
    HandleGpsStatusReply(link, "ru -g\nTest Summary: " + kStx + "FAIL" + kEtx + "\n");
    EXPECT_FALSE(f.gSession.GpsStatus());

    // Without "Test Summary: " the status is read at characters 14 and 15 of the reply.
    HandleGpsStatusReply(link, "ru -g\r\nStatus OK\r\n");
    EXPECT_FALSE(f.gSession.GpsStatus());
    HandleGpsStatusReply(link, "ru -g\r\nGPS : OK \r\n");
    EXPECT_TRUE(f.gSession.GpsStatus());
}

TEST_F(Replies, LinkTestResultsPieceByPiece) {
    link.Dialogue.EchoTerminator = "\r\n";
    HandleLinkTestReply(link, "st -m\r\nLatest Link Test results\r\n  Result      : " + kStx + "Passed" + kEtx +
                                  "\r\n  Test at UTC : 25-03-14 10:22\r\nNext line\r\ncan0:/$ ");
    EXPECT_EQ(views.LinkTestResult, "Latest Link Test results\r\n  Result      : Passed\r\n  Test at UTC : 25-03-14 10:22\r\n");
    EXPECT_EQ(link.Dialogue.ReplyWorkText, "Latest Link Test results\r\n  Result      : Passed\r\n  Test at UTC : 25-03-14 10:22\r\n");
    EXPECT_EQ(window.Calls, (QStringList{"UnloadWaitForm", "ShowLinkTestForm"}));
}

// The block ends at the line end of its "Test at UTC" line whichever line end the shell uses.
TEST_F(Replies, LinkTestResultsWithEveryLineEnd) {
    for (const QString& lineEnd : QStringList{"\n", "\r\n", "\r\r\n"}) {
        link.Dialogue.EchoTerminator = lineEnd;
        views.LinkTestResult = "earlier";
        HandleLinkTestReply(link, "st -m" + lineEnd + "LATEST LINK TEST RESULTS" + lineEnd + "Result      : " + kStx +
                                      "Passed" + kEtx + lineEnd + "test at utc : " + kStx + "25-03-14 10:22" + kEtx +
                                      lineEnd + "can0:/$ ");
        EXPECT_EQ(views.LinkTestResult,
                  "LATEST LINK TEST RESULTS\r\nResult      : Passed\r\ntest at utc : 25-03-14 10:22\r\n")
            << lineEnd.size();
    }
    EXPECT_EQ(views.LinkTestShows, 3);
}

TEST_F(Replies, LinkTestWithoutResults) {
    link.Dialogue.EchoTerminator = "\r\n";
    views.LinkTestResult = "earlier";
    HandleLinkTestReply(link, "st -m\r\nno test results available\r\ncan0:/$ ");
    EXPECT_EQ(views.LinkTestResult, "No LINK Test results available");
    EXPECT_EQ(views.LinkTestShows, 1);

    // Results without the line of their test time leave the window's text as it was.
    views.LinkTestResult = "earlier";
    HandleLinkTestReply(link, "st -m\r\nLatest Link Test results\r\n  Result : Passed\r\ncan0:/$ ");
    EXPECT_EQ(views.LinkTestResult, "earlier");
    EXPECT_EQ(views.LinkTestShows, 2);
}

TEST_F(Replies, SignalStrength) {
    struct Case {
        const char* name;
        QString reply;
        QString queueBefore;
        int strength;
        QString queueAfter;
    } cases[] = {
        {"a digit is stored", "st -s\r\nSignal : " + kStx + "3" + kEtx + "\r\n", "", 3, ""},
        {"0 asks for the status", "st -s\r\nSignal : " + kStx + "0" + kEtx + "\r\n", "ti -u\r\n", 0,
         "ti -u\r\nst -w\r\n"},
        {"not a digit counts 0", "st -s\r\nSignal : " + kStx + "-" + kEtx + "\r\n", "", 0, "st -w\r\n"},
        {"0 while the status is queued in another case", "st -s\r\nSignal : " + kStx + "0" + kEtx, "ST -W\r\n", 0,
         "ST -W\r\n"},
    };
    for (const Case& c : cases) {
        link.Dialogue.CommandQueue = c.queueBefore;
        f.gSession.SetSignalStrength(9);
        HandleSignalStrengthReply(link, c.reply);
        EXPECT_EQ(f.gSession.SignalStrength(), c.strength) << c.name;
        EXPECT_EQ(link.Dialogue.CommandQueue, c.queueAfter) << c.name;
    }
    // Without STX nothing changes.
    link.Dialogue.CommandQueue.clear();
    f.gSession.SetSignalStrength(9);
    HandleSignalStrengthReply(link, "st -s\r\nSignal : 0\r\n");
    EXPECT_EQ(f.gSession.SignalStrength(), 9);
    EXPECT_EQ(link.Dialogue.CommandQueue, "");
}

}  // namespace
