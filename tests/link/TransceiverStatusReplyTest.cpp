#include <gtest/gtest.h>

#include <utility>

#include "link/StatusReplyFixture.h"
#include "link/TransceiverStatusReply.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using Lines = QList<std::pair<QString, QString>>;

// An "st -w" reply without its prompt. Padded: each value fills its window as the shell writes
// it (4 characters, 25 for the protocol, 3 for the ocean); unpadded: each value ends at its line end.
QString StatusReply(const Lines& lines, bool padded = true) {
    QString reply = "st -w\r\n";
    for (const auto& [key, value] : lines) {
        int width = 0;
        if (padded) {
            if (key == "Current protocol") width = 25;
            else if (key == "Preferred ocean") width = 3;
            else if (key == "Synchronization" || key == "TDM origin" || key == "Logged in" || key == "Current channel")
                width = 4;
        }
        reply += key.leftJustified(20) + ": " + value.leftJustified(width) + "\r\n";
    }
    return reply;
}

Lines FullStatus(const QString& protocol = "Free") {
    return {{"Software version", "5.12"},  {"Synchronization", "Yes"},  {"TDM origin", "144"},
            {"Logged in", "Yes"},          {"Current protocol", protocol}, {"Current channel", "NCS"},
            {"Serial no", "SN 4711-B"},    {"Mobile no", "423456789"},  {"Preferred ocean", "E"}};
}

class StatusReply_ : public StatusReplyFixture {
protected:
    StatusReply_() { f.gSession.SetMesConnected(true); }
};

class StatusReplyShapes : public StatusReply_, public ::testing::WithParamInterface<bool> {};

TEST_P(StatusReplyShapes, ReadsEveryKey) {
    HandleTransceiverStatusReply(link, StatusReply(FullStatus(), GetParam()));
    const CSession& s = f.gSession;
    EXPECT_EQ(s.SwVerStr(), "5.12");
    EXPECT_EQ(s.SwVerInt(), 512);
    EXPECT_TRUE(s.Syncronization());
    EXPECT_EQ(s.TDMOrigin(), 144);
    EXPECT_EQ(s.CurrentOcean(), kOceanAorE);
    EXPECT_EQ(f.gConfiguration.LastOcean(), kOceanAorE);
    EXPECT_EQ(window.MobileStatus, 22);  // logged in to the East Atlantic; "free" while synchronised keeps it
    EXPECT_EQ(field.Paints, QList<StatusFieldColours>{StatusFieldColours::Normal});
    EXPECT_EQ(s.CurrentChannel(), "NCS");
    EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "SN 4711-B");
    EXPECT_EQ(s.MobileNumber(), 423456789);
    EXPECT_EQ(menus.CheckedItems(), QList<LinkMenu>{LinkMenu::PreferredEastMenu});
}

// A value shorter than its window ends at its line end, so the whole-value comparisons still hold.
TEST_P(StatusReplyShapes, ProtocolStatesAndColours) {
    struct Case {
        const char* protocol;
        int status;  // -1: the status the "Logged in" line set (22) stays
        bool alarm;
    } cases[] = {
        {"pending", 5, false},
        {"Sending distress", 1, true},
        {"sending distress test", 6, true},
        {"confirmation request", 7, false},
        {"login", 8, false},
        {"logout", 9, false},
        {"changing NCS", 10, false},
        {"scanning", 11, false},
        {"transmission", 12, false},
        {"receiving", 13, false},
        {"receiving EGC", 14, false},
        {"position report", 15, false},
        {"data report", 16, false},
        {"enhanced data report", 17, false},
        {"programmed report", 18, false},
        {"init track", 20, false},
        {"free", -1, false},
        {"something new", -1, false},
        {"pending later", -1, false},
    };
    for (const Case& c : cases) {
        window.MobileStatus = 0;
        field.Paints.clear();
        HandleTransceiverStatusReply(link, StatusReply(FullStatus(c.protocol), GetParam()));
        EXPECT_EQ(window.MobileStatus, c.status < 0 ? 22 : c.status) << c.protocol;
        EXPECT_EQ(field.Paints, QList<StatusFieldColours>{c.alarm ? StatusFieldColours::Alarm : StatusFieldColours::Normal})
            << c.protocol;
    }
    EXPECT_TRUE(field.Notices.isEmpty());
}

TEST_P(StatusReplyShapes, LinkTestShowsTheTestModeNotice) {
    HandleTransceiverStatusReply(link, StatusReply(FullStatus("Link test"), GetParam()));
    EXPECT_EQ(window.MobileStatus, 2);
    EXPECT_EQ(field.Notices, QStringList{"Automatic test mode: Normal communication disabled. Do not press any "
                                         "distress button unless you are in distress."});
    EXPECT_EQ(field.Paints, QList<StatusFieldColours>{StatusFieldColours::Normal});
}

INSTANTIATE_TEST_SUITE_P(Status, StatusReplyShapes, ::testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "Padded" : "Unpadded"); });

TEST_F(StatusReply_, LoggedInShowsTheOceanOrLoggedOut) {
    struct Case {
        const char* loggedIn;
        const char* origin;
        int status;
    } cases[] = {
        {"yes", "044", 21}, {"Yes", "144", 22}, {"YES", "244", 24}, {"yes", "344", 23},
        {"yes", "0", 25},   {"yes", "444", 25}, {"no", "144", 4},   {"", "144", 4},
    };
    for (const Case& c : cases) {
        HandleTransceiverStatusReply(link, StatusReply({{"TDM origin", c.origin}, {"Logged in", c.loggedIn}}));
        EXPECT_EQ(window.MobileStatus, c.status) << c.loggedIn << " " << c.origin;
    }
}

TEST_F(StatusReply_, FreeShowsTuningOnlyWhileNotSynchronised) {
    const Lines unsynchronised = {{"Synchronization", "no"}, {"TDM origin", "144"}, {"Logged in", "no"},
                                  {"Current protocol", "free"}};
    HandleTransceiverStatusReply(link, StatusReply(unsynchronised));
    EXPECT_FALSE(f.gSession.Syncronization());
    EXPECT_EQ(window.MobileStatus, 19);

    const Lines synchronised = {{"Synchronization", "Yes"}, {"TDM origin", "344"}, {"Logged in", "yes"},
                                {"Current protocol", "free"}};
    HandleTransceiverStatusReply(link, StatusReply(synchronised));
    EXPECT_TRUE(f.gSession.Syncronization());
    EXPECT_EQ(window.MobileStatus, 23);
}

TEST_F(StatusReply_, NoOceanKeepsTheLastKnownOcean) {
    HandleTransceiverStatusReply(link, StatusReply({{"TDM origin", "244"}}));
    HandleTransceiverStatusReply(link, StatusReply({{"TDM origin", "0"}}));
    EXPECT_EQ(f.gSession.CurrentOcean(), kOceanNone);
    EXPECT_EQ(f.gConfiguration.LastOcean(), kOceanPor);
}

TEST_F(StatusReply_, PreferredOceanChecksOneItemByItsFirstLetter) {
    struct Case {
        const char* value;
        QList<LinkMenu> checked;
    } cases[] = {
        {"E", {LinkMenu::PreferredEastMenu}},     {"W", {LinkMenu::PreferredWestMenu}},
        {"I", {LinkMenu::PreferredIndianMenu}},   {"P", {LinkMenu::PreferredPacificMenu}},
        {"N", {LinkMenu::PreferredNoneMenu}},     {"NONE", {LinkMenu::PreferredNoneMenu}},
        {"e", {}},                                {"-", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        menus.SetMenuChecked(LinkMenu::PreferredWestMenu, true);
        HandleTransceiverStatusReply(link, StatusReply({{"Preferred ocean", c.value}}));
        EXPECT_EQ(menus.CheckedItems(), c.checked) << c.value;
        EXPECT_EQ(menus.Checked.size(), 5) << c.value;
    }
}

TEST_F(StatusReply_, ValuesThatAreNotWhatTheyShouldBe) {
    f.gSession.SetMobileNumber(111);
    f.gSession.SetCurrentChannel("NCS");
    HandleTransceiverStatusReply(link, StatusReply({{"Current channel", "CES"}, {"Mobile no", "4234x6789"}}));
    EXPECT_EQ(f.gSession.CurrentChannel(), "");
    EXPECT_EQ(f.gSession.MobileNumber(), 111);
    HandleTransceiverStatusReply(link, StatusReply({{"Mobile no", "99999999999"}}));
    EXPECT_EQ(f.gSession.MobileNumber(), 111);
}

TEST_F(StatusReply_, KeysAreFoundAnywhereInAnyCase) {
    HandleTransceiverStatusReply(link, "st -w\r\nMOBILE NO: 423000001\r\nsynchronization:yes \r\n");
    EXPECT_EQ(f.gSession.MobileNumber(), 423000001);
    EXPECT_TRUE(f.gSession.Syncronization());
}

// However many blanks stand between the colon and the value, whichever line end the shell uses,
// and with or without STX and ETX around the values, the fixed-width values read the same.
TEST_F(StatusReply_, ValuesAfterAnyRunOfBlanksAndAnyLineEnd) {
    for (const QString& separator : QStringList{":", ": ", ":   ", ":\t", " :      "}) {
        for (const QString& lineEnd : QStringList{"\n", "\r\n", "\r\r\n"}) {
            const QString name = "'" + separator + "' " + QString::number(lineEnd.size());
            QString reply = "st -w" + lineEnd;
            for (const auto& [key, value] : FullStatus("sending distress test"))
                reply += key + separator + value + lineEnd;
            window.MobileStatus = 0;
            field.Paints.clear();
            menus.Checked.clear();
            f.gSession.SetSyncronization(false);
            f.gSession.SetTDMOrigin(0);
            f.gSession.SetCurrentChannel("");
            HandleTransceiverStatusReply(link, reply);
            const CSession& s = f.gSession;
            EXPECT_EQ(s.SwVerStr(), "5.12") << name.toStdString();
            EXPECT_TRUE(s.Syncronization()) << name.toStdString();
            EXPECT_EQ(s.TDMOrigin(), 144) << name.toStdString();
            EXPECT_EQ(window.MobileStatus, 6) << name.toStdString();
            EXPECT_EQ(field.Paints, QList<StatusFieldColours>{StatusFieldColours::Alarm}) << name.toStdString();
            EXPECT_EQ(s.CurrentChannel(), "NCS") << name.toStdString();
            EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "SN 4711-B") << name.toStdString();
            EXPECT_EQ(s.MobileNumber(), 423456789) << name.toStdString();
            EXPECT_EQ(menus.CheckedItems(), QList<LinkMenu>{LinkMenu::PreferredEastMenu}) << name.toStdString();
        }
    }
    // Values the shell marks with STX and ETX read like plain ones.
    QString marked = "st -w\r\n";
    for (const auto& [key, value] : FullStatus("sending distress test"))
        marked += key + " : " + QChar(2) + value + QChar(3) + "\r\n";
    f.gSession.SetSyncronization(false);
    HandleTransceiverStatusReply(link, marked);
    EXPECT_EQ(f.gSession.SwVerStr(), "5.12");
    EXPECT_TRUE(f.gSession.Syncronization());
    EXPECT_EQ(f.gSession.TDMOrigin(), 144);
    EXPECT_EQ(window.MobileStatus, 6);
    EXPECT_EQ(f.gSession.CurrentChannel(), "NCS");
    EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "SN 4711-B");
    EXPECT_EQ(f.gSession.MobileNumber(), 423456789);
    EXPECT_EQ(menus.CheckedItems(), QList<LinkMenu>{LinkMenu::PreferredEastMenu});

    // "Logged in" read after a long run of blanks: yes shows the ocean.
    HandleTransceiverStatusReply(link, "st -w\r\nTDM origin:      344\r\nLogged in :     yes\r\n");
    EXPECT_EQ(window.MobileStatus, 23);
}

TEST_F(StatusReply_, NothingWhileTheTransceiverIsNotConnected) {
    f.gSession.SetMesConnected(false);
    link.Requests.TransceiverStatusRequested = true;
    HandleTransceiverStatusReply(link, StatusReply(FullStatus()));
    EXPECT_EQ(f.gSession.SwVerStr(), "");
    EXPECT_EQ(window.MobileStatus, -1);
    EXPECT_TRUE(menus.Checked.isEmpty());
    EXPECT_TRUE(views.StatusOutput.isEmpty());
    EXPECT_TRUE(views.StatusCaption.isEmpty());
    EXPECT_TRUE(window.Calls.isEmpty());
    EXPECT_TRUE(link.Requests.TransceiverStatusRequested);
}

TEST_F(StatusReply_, RequestedStatusClosesTheWaitWindowAndShowsTheStatusWindowOnce) {
    link.Requests.TransceiverStatusRequested = true;
    HandleTransceiverStatusReply(link, StatusReply(FullStatus()));
    EXPECT_EQ(window.Calls, (QStringList{"UnloadWaitForm", "ShowTransceiverStatusForm"}));
    EXPECT_FALSE(link.Requests.TransceiverStatusRequested);
    HandleTransceiverStatusReply(link, StatusReply(FullStatus()));
    EXPECT_EQ(views.StatusShows, 1);
}

TEST_F(StatusReply_, WindowCollectsTheCleanedRepliesWithACaption) {
    const QString reply = "st -w\nSynchronization : \x02Yes\x03\r\nLogged in : no\n";
    HandleTransceiverStatusReply(link, reply);
    const QString cleaned = "st -w\r\nSynchronization : Yes\r\nLogged in : no\r\n";
    EXPECT_EQ(views.StatusOutput, cleaned + "\r\n\r\n");
    EXPECT_EQ(views.StatusCaption, "Transceiver Status updated");

    f.gSession.SetSystemTime(QDateTime(QDate(2025, 3, 14), QTime(9, 5, 59), Qt::UTC));
    f.gSession.SetSystemTimeSet(true);
    HandleTransceiverStatusReply(link, reply);
    EXPECT_EQ(views.StatusOutput, cleaned + "\r\n\r\n" + cleaned + "\r\n\r\n");
    EXPECT_EQ(views.StatusCaption, "Transceiver Status last updated at 2025-03-14 09:05 UTC");
}

TEST_F(StatusReply_, WindowDropsItsOldestThousandCharactersBeyondSixThousand) {
    const QString reply = StatusReply(FullStatus());
    const QString added = reply + "\r\n\r\n";
    views.StatusOutput = QString(6000 - added.size(), 'x');
    HandleTransceiverStatusReply(link, reply);
    EXPECT_EQ(views.StatusOutput.size(), 6000);  // not more than 6000: kept whole

    views.StatusOutput = QString(6001 - added.size(), 'x');
    HandleTransceiverStatusReply(link, reply);
    EXPECT_EQ(views.StatusOutput, (QString(6001 - added.size(), 'x') + added).mid(1000));
}

TEST_F(StatusReply_, ALongReplyPolledAgainAndAgainKeepsTheWindowAtItsLimit) {
    QString reply = StatusReply(FullStatus());
    const QString remark = "Remark              : ";
    reply += remark + QString(1755 - reply.size() - remark.size() - 2, 'r') + "\r\n";
    ASSERT_EQ(reply.size(), 1755);
    const QString added = reply + "\r\n\r\n";
    for (int poll = 1; poll <= 200; ++poll) {
        HandleTransceiverStatusReply(link, reply);
        ASSERT_LE(views.StatusOutput.size(), 6000) << "poll " << poll;
        ASSERT_TRUE(views.StatusOutput.endsWith(added)) << "poll " << poll;
    }
    EXPECT_GT(views.StatusOutput.size(), 5000);
}

TEST_F(StatusReply_, AnUnreadableReplyKeepsWhatWasReadAndLeavesTheWindow) {
    // "version" without a "." stops before anything else is read.
    HandleTransceiverStatusReply(link, "st -w\r\nSoftware version : none\r\nSynchronization : Yes \r\n");
    EXPECT_FALSE(f.gSession.Syncronization());
    EXPECT_TRUE(views.StatusOutput.isEmpty());

    // A serial number without its line end: the keys before it stay, those after it are not read.
    f.gSession.SetMobileNumber(111);
    HandleTransceiverStatusReply(link,
                                 "st -w\r\nSynchronization : Yes \r\nMobile no : 423000001\r\nSerial no : 4711");
    EXPECT_TRUE(f.gSession.Syncronization());
    EXPECT_EQ(f.gSession.MobileNumber(), 111);
    EXPECT_EQ(link.Transceiver.TransceiverSerialNumber, "");
    EXPECT_TRUE(views.StatusOutput.isEmpty());
}

TEST_F(StatusReply_, AKeyWithoutColonCountsAsAbsent) {
    HandleTransceiverStatusReply(link, "st -w\r\nLogged in yes\r\n");
    EXPECT_EQ(window.MobileStatus, -1);
}

}  // namespace
