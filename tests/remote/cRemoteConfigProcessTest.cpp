#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "foundation/IniFile.h"
#include "foundation/IspFile.h"
#include "messages/SendFixture.h"
#include "remote/cRemoteConfigProcess.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

// The executor on the data folder of a ship that can send: address book, provider, connection.
class Executor : public SendTest {
protected:
    Executor() { platform.WriteDataFile("html/.keep", ""); }

    RemoteConfigCommand Command(const QString& name, const QStringList& params = {}, bool valid = true) const {
        RemoteConfigCommand c;
        c.Name = name;
        for (int i = 0; i < params.size(); ++i) c.Params[i] = params[i];
        c.ParamCount = quint8(params.size());
        c.Valid = valid;
        return c;
    }
    // Runs the commands with the payload; RemoteLog.txt starts empty.
    bool Run(const QList<RemoteConfigCommand>& commands, const QString& payload = "") {
        QFile::remove(platform.DataFolder() + "/RemoteLog.txt");
        RemoteConfigPacket packet;
        packet.PasswordOK = true;
        packet.Commands = commands;
        packet.Payload = payload;
        cRemoteConfigProcess process(m);
        process.SetLogFile("RemoteLog.txt");
        return process.ProcessConfig(packet);
    }
    QByteArray Data(const QString& name) const {
        QFile file(platform.DataFolder() + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList LogLines() const {
        QStringList lines;
        for (const QString& line : QString::fromLatin1(Data("RemoteLog.txt")).split("\r\n", Qt::SkipEmptyParts)) {
            EXPECT_EQ(line.mid(19, 2), "  ");
            lines.append(line.mid(21));
        }
        return lines;
    }
};

const QString kIsp = "VERSION 100\r\nHarbour Mail|101|102|203|301||To: |||||E-Mail|1234|||||\r\n";

TEST_F(Executor, SaveIspReplacesTheFileAndTheListInMemory) {
    QFile::remove(platform.DataFolder() + "/isp.dat");
    EXPECT_TRUE(Run({Command("SAVEISP")}, kIsp));
    EXPECT_EQ(Data("isp.dat"), kIsp.toLatin1());
    EXPECT_EQ(LogLines(), (QStringList{"Processing command SAVEISP...", "SAVEISP:Creating file 'isp.dat'",
                                      "Command SAVEISP completed sucessfully"}));
    EXPECT_EQ(GetISPData(f, "Harbour Mail"), 0) << "the provider editor's next save keeps it";

    EXPECT_TRUE(Run({Command("SAVEISP"), Command("SAVEISP")}, kIsp + "Second|||||\r\n"));
    EXPECT_EQ(LogLines().value(1), "SAVEISP:File 'isp.dat' already exists. Overwriting...");
    EXPECT_EQ(LogLines().size(), 6);
    EXPECT_EQ(GetISPData(f, "Second"), 1);
}

TEST_F(Executor, SaveIspRefusesWhatIsNoProviderList) {
    for (const QString& payload : {QString(), QString("Hello\r\n"), QString("VERSION 99\r\nA|\r\n"),
                                  QString("VERSION 1000\r\n"), QString("VERSION 100 \r\n"), QString("version 100\r\n")}) {
        SCOPED_TRACE(payload.toStdString());
        platform.WriteDataFile("isp.dat", kIsp.toLatin1());
        EXPECT_FALSE(Run({Command("SAVEISP")}, payload));
        EXPECT_EQ(Data("isp.dat"), kIsp.toLatin1());
        EXPECT_EQ(LogLines(),
                  (QStringList{"Processing command SAVEISP...",
                               "SAVEISP:Error: Payload is not a provider list (first line 'VERSION ' and 100 or later)",
                               "Command SAVEISP failed"}));
        EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "nothing asks inside a download";
    }
    EXPECT_TRUE(Run({Command("SAVEISP")}, "VERSION 101\n"));
}

TEST_F(Executor, SaveHtmlWritesOnlyBelowTheHtmlFolder) {
    QTemporaryDir outside;
    ASSERT_TRUE(QFile::link(outside.path(), platform.DataFolder() + "/html/out"));
    struct Case {
        QString param;
        QString file;  // below html, "" when nothing is written
        QStringList lines;
    };
    const QString ok = "Command SAVEHTML completed sucessfully";
    const QString failed = "Command SAVEHTML failed";
    const Case cases[] = {
        {"index", "index.htm",
         {"SAVEHTML:Filename has no extension. Default extension .htm added", "SAVEHTML:Creating file 'index.htm'",
          "SAVEHTML:Saved file index.htm", ok}},
        {"index.htm", "index.htm",
         {"SAVEHTML:File 'index.htm' already exists. Overwriting...", "SAVEHTML:Saved file index.htm", ok}},
        {R"(forms\\order)", "forms/order.htm",
         {"SAVEHTML:Filename has no extension. Default extension .htm added", "SAVEHTML:Creating file 'order.htm'",
          "SAVEHTML:Saved file order.htm", ok}},
        {R"(\\a\\b\c.js)", "a/b/c.js", {"SAVEHTML:Creating file 'c.js'", "SAVEHTML:Saved file c.js", ok}},
        {"page.HTM", "", {"SAVEHTML:Error: file extension (.HTM) not allowed", failed}},
        {"x.exe", "", {"SAVEHTML:Error: file extension (.exe) not allowed", failed}},
        {"..", "", {"SAVEHTML:Error: file extension (.) not allowed", failed}},
        {R"(sub\)", "", {"SAVEHTML:Error: filename is empty.", failed}},
        {"a:b.js", "", {"SAVEHTML:Error: illegal character(s) in filename (a:b.js)", failed}},
        {"a\tb.js", "", {"SAVEHTML:Error: illegal character(s) in filename (a\tb.js)", failed}},
        {R"(..\x.js)", "", {R"(SAVEHTML:Error: illegal character(s) in file path (..\))", failed}},
        {R"(a\..\..\x.js)", "", {R"(SAVEHTML:Error: illegal character(s) in file path (a\..\..\))", failed}},
        {R"(.\x.js)", "", {R"(SAVEHTML:Error: illegal character(s) in file path (.\))", failed}},
        {R"(c:\x.js)", "", {R"(SAVEHTML:Error: illegal character(s) in file path (c:\))", failed}},
        {"a/b\\x.js", "", {R"(SAVEHTML:Error: illegal character(s) in file path (a/b\))", failed}},
        {"a\nb\\x.js", "", {"SAVEHTML:Error: illegal character(s) in file path (a\nb\\)", failed}},
        {R"(out\x.js)", "", {R"(SAVEHTML:Error: illegal character(s) in file path (out\))", failed}},
        {R"(out\deeper\x.js)", "",
         {R"(SAVEHTML:Error: illegal character(s) in file path (out\deeper\))", failed}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.param.toStdString());
        const bool done = Run({Command("SAVEHTML", {c.param})}, "<p>page</p>\r\n");
        EXPECT_EQ(done, !c.file.isEmpty());
        EXPECT_EQ(LogLines(), QStringList{"Processing command SAVEHTML..."} + c.lines);
        if (!c.file.isEmpty()) {
            EXPECT_EQ(Data("html/" + c.file), "<p>page</p>\r\n");
        }
    }
    EXPECT_TRUE(QDir(outside.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/x.js"));
}

TEST_F(Executor, SetDefaultLesChecksEveryOceanBeforeWritingAny) {
    struct Case {
        QStringList params;
        bool ok;
        int badOcean;          // -1 when all pass
        QStringList written;   // West, East, Pacific, Indian after the command
    };
    const Case cases[] = {
        {{"63", "101", "263", "301"}, true, -1, {"63", "101", "263", "301"}},
        {{"", "", "", ""}, true, -1, {"63", "101", "263", "301"}},
        {{"012", "", "", "363.5"}, true, -1, {"012", "101", "263", "363.5"}},
        {{"64", "", "", ""}, false, 0, {"012", "101", "263", "363.5"}},
        {{"1", "100", "", ""}, false, 1, {"012", "101", "263", "363.5"}},
        {{"1", "", "212abc", ""}, false, 2, {"012", "101", "263", "363.5"}},
        {{"1", "", "", "-301"}, false, 3, {"012", "101", "263", "363.5"}},
        {{" 1", "", "", ""}, false, 0, {"012", "101", "263", "363.5"}},
    };
    const char* keys[] = {"[Default LES West]", "[Default LES East]", "[Default LES Pacific]", "[Default LES Indian]"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.params.join(',').toStdString());
        EXPECT_EQ(Run({Command("SETDEFLES", c.params)}), c.ok);
        QStringList lines{"Processing command SETDEFLES..."};
        if (!c.ok)
            lines << "Error occurred processing SETDEFLES. Could not validate data for ocean " + QString::number(c.badOcean);
        lines << (c.ok ? "Command SETDEFLES completed sucessfully" : "Command SETDEFLES failed");
        EXPECT_EQ(LogLines(), lines);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(GetIniValue(f, keys[k]), c.written[k]) << k;
        EXPECT_TRUE(QString::fromLatin1(Data("Tidepost.ini")).contains(QString(keys[3]) + "\r\n" + c.written[3] + "\r\n"));
    }
}

TEST_F(Executor, SetDefaultIspFindsOnlyAWholeProviderName) {
    platform.WriteDataFile("isp.dat", kIsp.toLatin1());
    struct Case {
        QString name;
        bool ok;
    };
    const Case cases[] = {{"Harbour Mail", true}, {"harbour mail", false}, {"Harbour", false},
                          {"Mail|101", false},     {"\r\nHarbour Mail", false}, {"VERSION 100", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        SetIniValue(f, "[Default ISP]", "Shore Mail", true);
        EXPECT_EQ(Run({Command("SETDEFISP", {c.name})}), c.ok);
        EXPECT_EQ(LogLines().value(1), c.ok ? "Command SETDEFISP completed sucessfully"
                                            : "SETDEFISP:Error processing command. New ISP name not found in list");
        EXPECT_EQ(GetIniValue(f, "[Default ISP]"), c.ok ? c.name : "Shore Mail");
    }
    platform.WriteDataFile("isp.dat", "");
    EXPECT_FALSE(Run({Command("SETDEFISP", {"Harbour Mail"})}));
    EXPECT_EQ(LogLines().value(1), "SETDEFISP:Error processing command. File 'isp.dat' is empty");
    QFile::remove(platform.DataFolder() + "/isp.dat");
    EXPECT_FALSE(Run({Command("SETDEFISP", {"Harbour Mail"})}));
    EXPECT_EQ(LogLines().value(1), "SETDEFISP:Error processing command. File 'isp.dat' not found");
}

TEST_F(Executor, SaveContactValidatesTypeAddressAndFormat) {
    struct Case {
        QStringList params;
        bool ok;
        QString line;  // the entry's line in address.dat, "" when none
    };
    const Case cases[] = {
        {{"Bosun", "EMAIL", "7", "bosun@owner.example", ""}, true, "Bosun:Email:7:bosun@owner.example"},
        {{"Pilot", "mobile", "5", "581412345678", ""}, true, "Pilot:InmC:5:581412345678"},
        {{"Tug", "dnid", "8", "12345", "7"}, true, "Tug:DNID:8:12345:7"},
        {{"Owner", "carrier pigeon", "7", "owner@example.org", ""}, true, "Owner:Email:7:owner@example.org"},
        {{"Bad", "mobile", "5", "58141234567", ""}, false, ""},
        {{"Bad", "mobile", "5", "591412345678", ""}, false, ""},
        {{"Bad", "email", "7", "no-at-sign", ""}, false, ""},
        {{"Bad", "telex", "6", "4712345", ""}, false, ""},
        {{"Bad", "telex", "x", "4712345", ""}, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.params.join(',').toStdString());
        EXPECT_EQ(Run({Command("SAVECONTACT", c.params)}), c.ok);
        const QStringList lines = LogLines();
        if (c.ok) {
            EXPECT_EQ(lines.value(lines.size() - 2), "SAVECONTACT:Address book successfully updated");
            EXPECT_TRUE(QString::fromLatin1(BookBytes()).split("\r\n").contains(c.line)) << BookBytes().constData();
        } else {
            EXPECT_EQ(lines, (QStringList{"Processing command SAVECONTACT...", "SAVECONTACT:Error occurred. Address validation failed",
                                          "SAVECONTACT:Address book was not updated", "Command SAVECONTACT failed"}));
            EXPECT_FALSE(QString::fromLatin1(BookBytes()).contains("Bad:"));
        }
    }
    // An entry of that name stays as it was, and the command still succeeds.
    EXPECT_TRUE(Run({Command("SAVECONTACT", {"Ops", "email", "7", "new@owner.example", ""})}));
    EXPECT_TRUE(QString::fromLatin1(BookBytes()).split("\r\n").contains("Ops:Email:7:ops@owner.example"));
    EXPECT_FALSE(QString::fromLatin1(BookBytes()).contains("new@owner.example"));
}

TEST_F(Executor, GetLogSendsTheEndOfTheLog) {
    struct Case {
        QString count;
        qsizetype sent;  // characters of the log sent
    };
    const QByteArray debug = QByteArray(12000, 'd') + "END";
    platform.WriteDataFile("DebugLog.txt", debug);
    const Case cases[] = {{"500", 500}, {"0", 10000}, {"-5", 10000}, {"20000", 10000}, {"many", 10000},
                          {"99999", -1}, {"499.5", 500}, {"2.5", 2}};
    int sent = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count.toStdString());
        EXPECT_EQ(Run({Command("GETDEBUGLOG", {"Ops", c.count})}), c.sent >= 0);
        const QStringList lines = LogLines();
        if (c.sent < 0) {
            EXPECT_EQ(lines, (QStringList{"Processing command GETDEBUGLOG...", "Command GETDEBUGLOG failed"}));
            continue;
        }
        const QString out = QString("1207030%1.out").arg(++sent);
        EXPECT_EQ(lines.value(1), "GETDEBUGLOG: Your request is being processed...<br>Ref:" + out);
        QByteArray file = Read(out);
        if (file.endsWith("\r\n")) file.chop(2);
        EXPECT_TRUE(file.endsWith(debug.right(c.sent))) << file.right(20).constData();
        EXPECT_FALSE(file.endsWith(debug.right(c.sent + 1)));
        EXPECT_TRUE(Read("OUT.IDX").contains(out.toLatin1()));
    }
    // The remote log's tail ends with its own processing line.
    EXPECT_TRUE(Run({Command("GETREMCONFLOG", {"Ops", "60"})}));
    EXPECT_TRUE(Read("12070308.out").endsWith("  Processing command GETREMCONFLOG...\r\n\r\n"));

    QFile::remove(platform.DataFolder() + "/DebugLog.txt");
    EXPECT_FALSE(Run({Command("GETDEBUGLOG", {"Ops", "10"})}));
    EXPECT_EQ(LogLines(), (QStringList{"Processing command GETDEBUGLOG...",
                                      "GETDEBUGLOG:Error executing command. File 'DebugLog.txt' does not exist",
                                      "Command GETDEBUGLOG failed"}));

    platform.WriteDataFile("DebugLog.txt", "x");
    f.gConfiguration.SetDefaultISPLes(kOceanAorW, "");
    EXPECT_FALSE(Run({Command("GETDEBUGLOG", {"Ops", "10"})}));
    EXPECT_EQ(LogLines().value(1), "GETDEBUGLOG:Error 1001: Inmarsat Service Provider does not exist in this ocean, "
                                   "please choose another ISP or log into another ocean.");
    f.gSession.SetMesConnected(false);
    EXPECT_FALSE(Run({Command("GETDEBUGLOG", {"Ops", "10"})}));
    EXPECT_EQ(LogLines().mid(1), (QStringList{"GETDEBUGLOG:Error '1003' Transceiver not connected",
                                             "GETDEBUGLOG:Debug log might not have been sent", "Command GETDEBUGLOG failed"}));
}

TEST_F(Executor, CommandsThatCannotRunAreSkippedAndTheRestRuns) {
    platform.WriteDataFile("isp.dat", kIsp.toLatin1());
    EXPECT_FALSE(Run({Command("SAVEISP", {"extra"}), Command("NOSUCH", {}, false), Command("SAVEISP", {}, false),
                      Command("SETDEFISP", {"Harbour Mail"})}));
    EXPECT_EQ(LogLines(), (QStringList{"Error in command 'SAVEISP': Wrong number of parameters",
                                      "Error processing command 'SAVEISP': Command not valid",
                                      "Processing command SETDEFISP...", "Command SETDEFISP completed sucessfully"}));
    EXPECT_TRUE(Run({}));
    RemoteConfigPacket malformed;
    malformed.Malformed = true;
    malformed.Commands = {Command("SETDEFISP", {"Harbour Mail"})};
    EXPECT_FALSE(cRemoteConfigProcess(m).ProcessConfig(malformed));
}

}  // namespace
