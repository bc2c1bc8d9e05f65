#include <QDateTime>
#include <gtest/gtest.h>

#include "RemoteFixture.h"
#include "remote/cRemoteConfig.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

const QString kStart = "$XYWGHJIP$";
const QString kEnd = "PIJHGWYX$\r\n";

struct Decoder : RemoteFixture {
    LinesLog log;
    RemoteConfigPacket Decode(const QString& text, const QString& password = "secret123",
                              const QDateTime& utc = QDateTime(QDate(2026, 12, 10), QTime(14, 20), Qt::UTC)) {
        cRemoteConfig decoder(f.Os.Codec);
        decoder.SetLogging(&log);
        decoder.SetPassword(password);
        decoder.SetUTCDate(utc.date());
        decoder.SetUTCTime(utc.time());
        return decoder.DecodeConfig(text);
    }
    // A packet with this hour's token; each command is followed by its closing "$".
    QString Packet(const QString& commands, const QString& payload = "", const QString& token = "") const {
        return "Header text\r\n" + kStart + (token.isEmpty() ? Token("2026121014") : token) + "$" + commands + kEnd +
               payload;
    }
};

// Each command as name, "#", the parameter count, ":" and the parameters separated by "|".
QStringList Shown(const RemoteConfigPacket& p) {
    QStringList out;
    for (const RemoteConfigCommand& c : p.Commands) {
        QStringList params;
        for (int i = 0; i < c.ParamCount; ++i) params << c.Params[i];
        out << c.Name + "#" + QString::number(c.ParamCount) + ":" + params.join('|') + (c.Valid ? "" : " (not valid)");
    }
    return out;
}

const QStringList kGood{"Remote configuration packet found", "Password check OK"};
const QString kDecoded = "Remote Configuration packet successfully decoded";

TEST_F(Decoder, ParsesCommandsParametersAndPayload) {
    struct Case {
        const char* what;
        QString commands;
        QStringList shown;
        bool malformed;
        QStringList extraLines;  // after the good-token line
        QStringList parseLines = {};  // between the first line and the good-token line
    };
    QString many;
    for (int i = 0; i < 255; ++i) many += "SAVEISP$";
    const Case cases[] = {
        {"no commands", "", {}, false, {"No commands in packet", kDecoded}},
        {"one without parameters", "SAVEISP$", {"SAVEISP#0:"}, false, {kDecoded}},
        {"empty parameters", "SETDEFLES#12&&&$", {"SETDEFLES#4:12|||"}, false, {kDecoded}},
        {"hash before the closing dollar", "SAVEHTML#$", {"SAVEHTML#1:"}, false, {kDecoded}},
        {"trailing ampersand", "GETDEBUGLOG#Ops&500&$", {"GETDEBUGLOG#3:Ops|500|"}, false, {kDecoded}},
        {"escapes in parameters", R"(SAVEHTML#a\&b\#c\$d\\e$)", {R"(SAVEHTML#1:a&b#c$d\e)"}, false, {kDecoded}},
        {"escaped backslash before a delimiter", R"(SAVEHTML#a\\&b$)", {R"(SAVEHTML#2:a\|b)"}, false, {kDecoded}},
        {"name is not unescaped", R"(SAVE\ISP$)", {R"(SAVE\ISP#0: (not valid))"}, false,
         {"Error: command(0 not valid.", kDecoded}},
        {"third name unknown", "SAVEISP$SAVEISP$saveisp$SAVEISP$",
         {"SAVEISP#0:", "SAVEISP#0:", "saveisp#0: (not valid)", "SAVEISP#0:"}, false,
         {"Error: command(2 not valid.", kDecoded}},
        {"six parameters", "SAVECONTACT#1&2&3&4&5&6$", {"SAVECONTACT#6:1|2|3|4|5|6"}, false, {kDecoded}},
        {"seven parameters", "SAVEISP$SAVECONTACT#1&2&3&4&5&6&7$SAVEISP$", {"SAVEISP#0:"}, true, {},
         {"Error: Too many parameters"}},
        {"255 commands", many, QStringList(255, "SAVEISP#0:"), false, {kDecoded}},
        {"256 commands", many + "SAVEISP$", QStringList(255, "SAVEISP#0:"), true, {}, {"Error: Too many commands"}},
        {"end marker escaped", R"(SAVEISP\$)", {}, true, {"No commands in packet"}, {"Error: Error in command"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.Lines.clear();
        const RemoteConfigPacket p = Decode(Packet(c.commands, "VERSION 100\r\nline 2\r\n"));
        EXPECT_TRUE(p.PasswordOK);
        EXPECT_EQ(Shown(p), c.shown);
        EXPECT_EQ(p.Malformed, c.malformed);
        EXPECT_EQ(p.StartMarker, kStart);
        EXPECT_EQ(p.Payload, "VERSION 100\r\nline 2\r\n");
        EXPECT_EQ(log.Lines, QStringList{kGood[0]} + c.parseLines + QStringList{kGood[1]} + c.extraLines);
    }
}

TEST_F(Decoder, FindsOnlyWholePacketsAndRefusesBadFrames) {
    const QString token = Token("2026121014");
    struct Case {
        const char* what;
        QString text;
        QStringList lines;
        bool exists, passwordOk, malformed;
    };
    const Case cases[] = {
        {"end marker without CR LF", kStart + token + "$SAVEISP$PIJHGWYX$ x", {"Error: no configuration found"}, false,
         false, false},
        {"end marker only before the start", "$PIJHGWYX$\r\n" + kStart + token + "$SAVEISP$", {"Error: no configuration found"},
         false, false, false},
        {"31-character token", kStart + token.left(31) + "$" + kEnd,
         {"Remote configuration packet found", "Error: Wrong size of remote configuration packet",
          "Error: password check failed"},
         true, false, true},
        {"no token", kStart + "$SAVEISP$SETDEFISP#Example Provider$" + kEnd,
         {"Remote configuration packet found", "Error: Finding password", "Error: password check failed"}, true, false,
         false},
        {"upper-case token", kStart + token.toUpper() + "$" + kEnd,
         {"Remote configuration packet found", "Error: password check failed"}, true, false, false},
    };
    cRemoteConfig probe(f.Os.Codec);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.Lines.clear();
        EXPECT_EQ(probe.ExistConfig(c.text), c.exists);
        const RemoteConfigPacket p = Decode(c.text);
        EXPECT_EQ(log.Lines, c.lines);
        EXPECT_EQ(p.PasswordOK, c.passwordOk);
        EXPECT_EQ(p.Malformed, c.malformed);
        EXPECT_TRUE(p.Commands.isEmpty() || !c.passwordOk);
    }
    EXPECT_FALSE(probe.ExistConfig(QString()));
}

TEST_F(Decoder, EndMarkerLineAndPayloadAndOnlyTheFirstPacket) {
    const QString second = Packet("SAVEISP$", "inner");
    const QString text = kStart + Token("2026121014") + "$SETDEFISP#X$PIJHGWYX$ rest\r\nbody\r\n" + second;
    const RemoteConfigPacket p = Decode(text);
    EXPECT_EQ(Shown(p), QStringList{"SETDEFISP#1:X"});
    EXPECT_EQ(p.EndMarkerLine, "$PIJHGWYX$ rest");
    EXPECT_EQ(p.Payload, "body\r\n" + second);
    EXPECT_EQ(p.Token, Token("2026121014"));
}

TEST_F(Decoder, TokenHoldsForThisHourAndThePreviousOne) {
    struct Case {
        const char* what;
        QDateTime utc;
        QString tokenHour;
        QString password;
        bool accepted;
    };
    const QDateTime now(QDate(2026, 12, 10), QTime(14, 20), Qt::UTC);
    const Case cases[] = {
        {"this hour", now, "2026121014", "secret123", true},
        {"previous hour", now, "2026121013", "secret123", true},
        {"two hours back", now, "2026121012", "secret123", false},
        {"next hour", now, "2026121015", "secret123", false},
        {"over midnight and month end", QDateTime(QDate(2026, 12, 1), QTime(0, 20), Qt::UTC), "2026113023", "secret123", true},
        {"over the year end", QDateTime(QDate(2027, 1, 1), QTime(0, 59), Qt::UTC), "2026123123", "secret123", true},
        {"another password", now, "2026121014", "secret124", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.Lines.clear();
        const RemoteConfigPacket p = Decode(Packet("", "", Token(c.tokenHour, c.password)), "secret123", c.utc);
        EXPECT_EQ(p.PasswordOK, c.accepted);
        EXPECT_EQ(log.Lines.value(1), c.accepted ? "Password check OK" : "Error: password check failed");
    }
    log.Lines.clear();
    EXPECT_FALSE(Decode(Packet("SAVEISP$"), "").PasswordOK);
    EXPECT_EQ(log.Lines, (QStringList{"Remote configuration packet found", "Error: No password set",
                                      "Error: password check failed"}));
}

}  // namespace
