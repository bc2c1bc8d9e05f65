#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/UsefullCodePages.h"
#include "messages/InboxStoreFixture.h"
#include "remote/MD5Driver.h"
#include "remote/Remote.h"

using namespace tidepost;

namespace {

// Received messages through the fetch handler with the real decoder and executor: a ship whose
// remote password is "secret123", its transceiver's clock at 14:20 UTC on 10 December 2026.
struct RemoteReceive : test::InboxStoreFixture {
    Remote remote{f, link, m};

    RemoteReceive() {
        RegisterRemoteConfig(remote);
        SaveAppSetting(f, f.gProductName, "Config", "Remote Password", EncodeHexComplement(f, "secret123"));
        f.gSession.SetSystemTime(QDateTime(QDate(2026, 12, 10), QTime(14, 20), Qt::UTC));
        f.gSession.SetSystemTimeSet(true);
        platform.WriteDataFile("isp.dat", kOldIsp);
    }
    QString Packet(const QString& hour, const QString& commands, const QString& payload) const {
        return "$XYWGHJIP$" + GetMD5Hex(f.Os.Codec, hour + "secret123") + "$" + commands + "$PIJHGWYX$\r\n" + payload;
    }
    QStringList LogLines() const {
        QStringList lines;
        for (const QString& line : QString::fromLatin1(platform.ReadDataFile("RemoteLog.txt")).split("\r\n", Qt::SkipEmptyParts))
            lines.append(line.mid(21));
        return lines;
    }
    static inline const QByteArray kOldIsp = "VERSION 100\r\nOld Mail|101|||||||||E-Mail|1||||\r\n";
};

const QString kNewIsp = "VERSION 100\r\nNew Mail|101|102|||||||||E-Mail|5678||||\r\n";

TEST_F(RemoteReceive, OutcomesOfPacketsInReceivedMessages) {
    enum Fate { Deleted, Stored, Left };
    struct Case {
        const char* what;
        QString body;
        std::function<void(RemoteReceive&)> before;
        Fate fate;
        QByteArray isp;  // isp.dat afterwards
        QStringList boxes;
        QStringList log;  // the lines this message adds to RemoteLog.txt
    };
    const QString good = Packet("2026121014", "SAVEISP", kNewIsp);
    const QString seeLog = "\r\nPlease refer to 'RemoteLog.txt' for details.";
    const QStringList found{"Remote configuration packet found"};
    const Case cases[] = {
        {"carried out", good, nullptr, Deleted, kNewIsp.toLatin1(), {"Remote configuration completed successfully."},
         {"Remote configuration packet found", "Password check OK", "Remote Configuration packet successfully decoded",
          "Processing command SAVEISP...", "SAVEISP:File 'isp.dat' already exists. Overwriting...",
          "Command SAVEISP completed sucessfully", "Remote configuration completed successfully"}},
        {"sent again", good, [](RemoteReceive& t) { t.platform.WriteDataFile("isp.dat", kOldIsp); }, Stored, kOldIsp,
         {"New message received"},
         {"Remote configuration packet found", "Password check OK", "Remote Configuration packet successfully decoded",
          "Error: Packet already processed"}},
        {"token of hour 12", Packet("2026121012", "SAVEISP", kNewIsp), nullptr, Stored, kOldIsp,
         {"Error: Remote configuration failed. Password not valid." + seeLog, "New message received"},
         {"Remote configuration packet found", "Error: password check failed",
          "Error: Remote configuration failed. Password not valid "}},
        {"seven parameters", Packet("2026121013", "SAVEISP$SAVECONTACT#1&2&3&4&5&6&7", kNewIsp), nullptr, Stored,
         kOldIsp, {"Error: Remote configuration failed." + seeLog, "New message received"},
         {"Remote configuration packet found", "Error: Too many parameters", "Password check OK",
          "Error: Remote configuration failed"}},
        {"not allowed", Packet("2026121014", "SAVEISP", kNewIsp + "x"),
         [](RemoteReceive& t) { SaveAppSetting(t.f, t.f.gProductName, "Settings", "AllowRemoteConfig", "0"); }, Stored,
         kOldIsp, {"New message received"}, {"Error: Remote configuration not allowed"}},
        {"time unknown", Packet("1970010100", "SAVEISP", kNewIsp), [](RemoteReceive& t) { t.f.gSession.SetSystemTimeSet(false); },
         Left, kOldIsp, {}, {"Error: Transceiver time unknown"}},
        {"no end line", "$XYWGHJIP$" + GetMD5Hex(f.Os.Codec, "2026121014secret123") + "$SAVEISP$PIJHGWYX$", nullptr, Stored,
         kOldIsp, {"New message received"}, {}},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveAppSetting(f, f.gProductName, "Settings", "AllowRemoteConfig", "1");
        f.gSession.SetSystemTimeSet(true);
        if (c.before) c.before(*this);
        QFile::remove(platform.DataFolder() + "/RemoteLog.txt");
        link.Dialogue.CommandQueue.clear();
        AddMessage(++number, c.body);
        ReadListingAndLog();
        const QByteArray index = InboxFile("in.idx");
        Fetch(number);

        EXPECT_EQ(link.Dialogue.CommandQueue, c.fate == Left ? "" : "delete " + Name(number) + "\r\n");
        if (c.fate == Stored) {
            ASSERT_FALSE(IndexLines().isEmpty());
            EXPECT_TRUE(IndexLines().last().startsWith(Name(number) + ":"));
            EXPECT_EQ(InboxFile(IndexLines().last().section(':', 10)), c.body.toLatin1());
        } else {
            EXPECT_EQ(InboxFile("in.idx"), index);
        }
        EXPECT_EQ(platform.ReadDataFile("isp.dat"), c.isp);
        EXPECT_EQ(TakeBoxes(), c.boxes);
        EXPECT_EQ(LogLines(), c.log);
    }
    const QString digest = QCryptographicHash::hash(good.toLatin1(), QCryptographicHash::Sha256).toHex();
    EXPECT_EQ(platform.ReadDataFile("RemoteSeen.txt"), ("2026121014;" + digest + "\r\n").toLatin1());
}

// A packet carried out an hour later still holds its token: its copy is known; two hours later
// the old line goes when the file is next written.
TEST_F(RemoteReceive, SeenPacketsAreForgottenOnceTheirTokensHaveRunOut) {
    const QString first = Packet("2026121014", "SAVEISP", kNewIsp);
    AddMessage(1, first);
    ReadListingAndLog();
    Fetch(1);
    EXPECT_EQ(platform.ReadDataFile("isp.dat"), kNewIsp.toLatin1());

    f.gSession.SetSystemTime(QDateTime(QDate(2026, 12, 10), QTime(15, 5), Qt::UTC));
    platform.WriteDataFile("isp.dat", kOldIsp);
    Fetch(1);
    EXPECT_EQ(platform.ReadDataFile("isp.dat"), kOldIsp) << "a copy within the token's two hours runs nothing";

    f.gSession.SetSystemTime(QDateTime(QDate(2026, 12, 10), QTime(16, 0), Qt::UTC));
    AddMessage(2, Packet("2026121016", "SAVEISP", kNewIsp));
    ReadListingAndLog();
    Fetch(2);
    const QStringList lines = QString::fromLatin1(platform.ReadDataFile("RemoteSeen.txt")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("2026121016;"));
}

}  // namespace
