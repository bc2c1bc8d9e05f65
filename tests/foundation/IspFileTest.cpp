#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/IspFile.h"
#include "support/TestPlatform.h"

namespace tidepost {
namespace {

const char* const kBuiltInRows[] = {
    "CTTC China|||211|311|TO:|CC:||SUBJECT:|STX:|SAC|EMAIL|;||||",
    "KDDI SatMail-C Japan|003|103|203|303|TO:|CC:||SUBJECT:|STX:|SAC|28|;||||",
    "Morsviazsputnik Russia||117||317|TO:|CC:||SUBJECT:|STX:|SAC|28|;||||",
    "OTE Greece||120||305|TO:|CC:||SUBJECT:|STX:|SAC|28|;||||",
    "SingTel Mail65 (SAC65)|002|102|210|328|to+|cc+||subject:||SAC|65|;|sms+||65|",
    "SingTel Mail65 (SAC6500)|002|102|210|328|to+|cc+||subject:||SAC|6500|;||||",
    "SingTel Mail65 (SAC6599)|002|102|210|328|to+|cc+||subject:||SAC|6599|;||||",
    "Stratos Global C-email 02|002|102|202|302|TO+|CC+||SU+|STX:|SAC|63|<CR><LF>CC+||||",
    "Stratos Global C-email 12|012|112|212|312|TO:|CC:||SU:|STX:|SAC|28|;|| |SMS|",
    "Telemar X25|004|104|204|304|To:|||Su:|Stx:|X.25|2502781234500|;||||",
    "Vizada SkyFile C 01|001|101|201|301|TO:|CC:||SUBJECT:<CR><LF>|STX:|SAC|28|;||#|66|",
    "Vizada SkyFile C 04|004|104|204|304|TO:|CC:||SUBJECT:<CR><LF>|STX:|SAC|28|;||#|66|",
    "Vizada SkyFile C 21|021|121|221|321|TO+|CC+|BCC+|SUBJ+||SAC|28|,|SMS+ ||28|",
};

// A provider line with only a name: sixteen fields, each ended by "|".
QByteArray Row(const QByteArray& name) { return name + QByteArray(16, '|'); }

QByteArray BuiltInFile() {
    QByteArray bytes = "VERSION 100\r\n";
    for (const char* row : kBuiltInRows) bytes += QByteArray(row) + "\r\n";
    return bytes;
}

class IspFileTest : public ::testing::Test {
protected:
    IspFileTest() : f(os.Os) { f.gConfiguration.DataPath = os.DataFolder(); }
    QByteArray IspBytes() const { return os.ReadDataFile("isp.dat"); }
    int SetProvider(const QString& name, const QString& delimiter = ";", const QString& textStart = "STX:") {
        return SetISPData(f, name, "001", "101", "201", "301", "TO:", "CC:", "", "SU:", textStart, "SAC", "28",
                          delimiter, "", "", "");
    }

    test::TestPlatform os;
    Foundation f;
};

TEST_F(IspFileTest, MissingOrEmptyFileIsCreatedFromTheBuiltInProviders) {
    for (const bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty file" : "no file");
        if (empty) os.WriteDataFile("isp.dat", {});
        else QFile::remove(os.DataFolder() + "/isp.dat");
        EXPECT_FALSE(ReadIspFile(f));
        ASSERT_EQ(f.gIspList.size(), 13);
        EXPECT_EQ(IspBytes(), BuiltInFile());
        EXPECT_TRUE(os.Boxes.Shown.isEmpty());
    }
}

TEST_F(IspFileTest, BuiltInFileReadsBackToTheBuiltInListAndWritesTheSameBytes) {
    os.WriteDataFile("isp.dat", BuiltInFile());
    ASSERT_FALSE(ReadIspFile(f));
    const QList<IspRecord> read = f.gIspList;
    ReadDefaultIspData(f);
    EXPECT_EQ(read, f.gIspList);

    os.WriteDataFile("isp.dat", "stale");
    ASSERT_TRUE(WriteIspFile(f));
    EXPECT_EQ(IspBytes(), BuiltInFile());
}

TEST_F(IspFileTest, BuiltInProvidersKeepTheirExactFields) {
    ReadDefaultIspData(f);
    ASSERT_EQ(f.gIspList.size(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(f.gIspList[i].Name, QString(kBuiltInRows[i]).section('|', 0, 0)) << i;

    struct Case {
        const char* name;
        int element;
        const char* expected;
    };
    const Case cases[] = {
        {"CTTC China", 2, ""},
        {"CTTC China", 4, "211"},  // POR before IOR in the numbering
        {"CTTC China", 5, "311"},
        {"CTTC China", 12, "EMAIL"},
        {"Morsviazsputnik Russia", 3, "117"},
        {"SingTel Mail65 (SAC65)", 14, "sms+"},
        {"SingTel Mail65 (SAC65)", 16, "65"},
        {"Stratos Global C-email 02", 13, "<CR><LF>CC+"},  // only "<CRLF>" is an escape
        {"Stratos Global C-email 12", 15, " "},
        {"Telemar X25", 11, "X.25"},
        {"Telemar X25", 12, "2502781234500"},
        {"Telemar X25", 13, ";"},
        {"Vizada SkyFile C 01", 9, "SUBJECT:<CR><LF>"},
        {"Vizada SkyFile C 21", 8, "BCC+"},
        {"Vizada SkyFile C 21", 13, ","},
        {"Vizada SkyFile C 21", 14, "SMS+ "},
        {"Vizada SkyFile C 21", 10, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetISPElement(f, c.name, c.element), QString(c.expected)) << c.name << " " << c.element;
    EXPECT_EQ(f.gIspList[4].LesPor, "210");
    EXPECT_EQ(f.gIspList[4].LesIor, "328");
}

TEST_F(IspFileTest, VersionIsTakenFromTheLastThreeCharactersOfLineOne) {
    struct Case {
        const char* firstLine;
        bool asks;
    };
    const Case cases[] = {
        {"VERSION 100", false}, {"VERSION 101", false}, {"VERSION 250", false}, {"VERSION 099", true},
        {"VERSION 99", true},   {"99", true},           {"VERSION 1.5", true},  {"VERSION", false},
        {"  VERSION 099  ", true}, {"VERSION 10a", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstLine);
        os.Boxes.Shown.clear();
        if (c.asks) os.Boxes.Answer(MsgAnswer::Cancel);
        os.WriteDataFile("isp.dat", QByteArray(c.firstLine) + "\r\n" + Row("Own") + "\r\n");
        ReadIspFile(f);
        if (c.asks) {
            ASSERT_EQ(os.Boxes.Shown.size(), 1);
            ASSERT_EQ(f.gIspList.size(), 1);
            EXPECT_EQ(f.gIspList[0], IspRecord{});
        } else {
            EXPECT_TRUE(os.Boxes.Shown.isEmpty());
            ASSERT_EQ(f.gIspList.size(), 1);
            EXPECT_EQ(f.gIspList[0].Name, "Own");
        }
    }
}

TEST_F(IspFileTest, OldVersionQuestionOkRenewsAndCancelKeepsTheFile) {
    const QByteArray old = "VERSION 099\r\nMine|001||||TO:||||||||||\r\n";
    os.WriteDataFile("isp.dat", old);
    os.Boxes.Answer(MsgAnswer::Cancel);
    bool declined = false;
    ReadIspFile(f, &declined);
    EXPECT_TRUE(declined);
    ASSERT_EQ(os.Boxes.Shown.size(), 1);
    const MessageBoxRequest& box = os.Boxes.Shown[0];
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.title, "Update confirmation!");
    EXPECT_EQ(box.text,
              "The isp.dat file version is old and needs to be updated. The default e-mail service provider data "
              "will be loaded,\r\nbut all user defined service providers will be lost. This is recommended. Do you "
              "want to update ?");
    EXPECT_EQ(IspBytes(), old);
    ASSERT_EQ(f.gIspList.size(), 1);
    EXPECT_EQ(f.gIspList[0], IspRecord{});

    os.Boxes.Answer(MsgAnswer::Ok);
    ReadIspFile(f, &declined);
    EXPECT_FALSE(declined);
    EXPECT_EQ(f.gIspList.size(), 13);
    EXPECT_EQ(IspBytes(), BuiltInFile());
}

TEST_F(IspFileTest, DefaultProviderGivesTheEmailLesOfEveryOcean) {
    ReadDefaultIspData(f);
    SetIniValue(f, "[Default ISP]", "Morsviazsputnik Russia", false);
    ApplyDefaultIsp(f);
    const char* const expected[4] = {"", "117", "", "317"};
    for (int ocean = 0; ocean < 4; ++ocean) EXPECT_EQ(f.gConfiguration.DefaultISPLes(OceanIndex(ocean)), expected[ocean]);
    // A name the list does not hold, in any letter case, clears all four.
    for (const char* name : {"morsviazsputnik russia", ""}) {
        SetDefaultIspLesFromProvider(f, name);
        for (int ocean = 0; ocean < 4; ++ocean) EXPECT_EQ(f.gConfiguration.DefaultISPLes(OceanIndex(ocean)), "");
    }
}

// Declining the renewal (or the question ended without an answer) keeps the operator's file: the
// list in memory does not hold its providers, so no later write may replace the file with it.
TEST_F(IspFileTest, DeclinedRenewalKeepsTheOldFileThroughLaterWrites) {
    const QByteArray old = "VERSION 099\r\nMine|001||||TO:||||||||||\r\n";
    for (const bool answered : {true, false}) {
        SCOPED_TRACE(answered);
        os.WriteDataFile("isp.dat", old);
        if (answered) os.Boxes.Answer(MsgAnswer::Cancel);
        else os.Boxes.AnswerNoButton();
        ReadIspFile(f);
        EXPECT_EQ(IspBytes(), old);
        EXPECT_FALSE(WriteIspFile(f));
        EXPECT_EQ(SetProvider("Added"), 1);
        EXPECT_FALSE(WriteIspFile(f));
        EXPECT_EQ(IspBytes(), old);
    }
    // Renewing on the next read writes again.
    os.Boxes.Answer(MsgAnswer::Ok);
    ReadIspFile(f);
    EXPECT_EQ(IspBytes(), BuiltInFile());
    EXPECT_TRUE(WriteIspFile(f));
}

TEST_F(IspFileTest, FileWithoutVersionLineLosesItsFirstProvider) {
    os.WriteDataFile("isp.dat", QByteArray(kBuiltInRows[0]) + "\r\n" + kBuiltInRows[1] + "\r\n");
    ReadIspFile(f);
    EXPECT_TRUE(os.Boxes.Shown.isEmpty());
    ASSERT_EQ(f.gIspList.size(), 1);
    EXPECT_EQ(f.gIspList[0].Name, "KDDI SatMail-C Japan");
}

TEST_F(IspFileTest, LineSplittingRules) {
    struct Case {
        const char* line;
        int element;
        const char* expected;
    };
    const Case cases[] = {
        // Text after the last "|" is dropped: field 16 is lost.
        {"P|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15", 15, "14"},
        {"P|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15", 16, ""},
        // Fields after the sixteenth are dropped.
        {"P|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|", 16, "15"},
        // Blanks around the line go; blanks inside fields stay.
        {"   P| a |2|3|4|5|6|7|8|9|10|11|12|13|14|15|   ", 2, " a "},
        // Field 10 and 13 unescape "<CRLF>", other fields keep it.
        {"P|1|2|3|4|5|6|7|<CRLF>|a<CRLF>b|10|11|<CRLF>CC+|13|14|15|", 9, "<CRLF>"},
        {"P|1|2|3|4|5|6|7|<CRLF>|a<CRLF>b|10|11|<CRLF>CC+|13|14|15|", 10, "a\r\nb"},
        {"P|1|2|3|4|5|6|7|<CRLF>|a<CRLF>b|10|11|<CRLF>CC+|13|14|15|", 13, "\r\nCC+"},
        {"P|1|2|3|4|5|6|7|8|<crlf>|10|11|12|13|14|15|", 10, "<crlf>"},
        // A short line leaves the missing fields empty.
        {"P|x|", 2, "x"},
        {"P|x|", 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        os.WriteDataFile("isp.dat", QByteArray("VERSION 100\r\n") + c.line + "\r\n");
        ASSERT_FALSE(ReadIspFile(f));
        ASSERT_EQ(f.gIspList.size(), 1);
        EXPECT_EQ(GetISPElement(f, "P", c.element), QString(c.expected));
    }
}

TEST_F(IspFileTest, BlankLineGivesAnEmptyProviderThatTheNextWriteDrops) {
    os.WriteDataFile("isp.dat", "VERSION 100\r\n" + Row("A") + "\r\n\r\n" + Row("B") + "\r\n");
    ReadIspFile(f);
    ASSERT_EQ(f.gIspList.size(), 3);
    EXPECT_EQ(f.gIspList[1], IspRecord{});
    ASSERT_TRUE(WriteIspFile(f));
    EXPECT_EQ(IspBytes(), "VERSION 100\r\n" + Row("A") + "\r\n" + Row("B") + "\r\n");
}

TEST_F(IspFileTest, FileNameIsMatchedIgnoringCase) {
    os.WriteDataFile("ISP.DAT", "VERSION 100\r\n" + Row("Upper") + "\r\n");
    ReadIspFile(f);
    ASSERT_EQ(f.gIspList.size(), 1);
    EXPECT_EQ(f.gIspList[0].Name, "Upper");
    ASSERT_TRUE(WriteIspFile(f));
    EXPECT_EQ(QDir(os.DataFolder()).entryList(QDir::Files), QStringList{"ISP.DAT"});
}

TEST_F(IspFileTest, TextIsWrittenAndReadAsAnsi) {
    f.gIspList.clear();
    ASSERT_EQ(SetProvider(QString::fromUtf8("Caf\xC3\xA9")), 0);
    ASSERT_TRUE(WriteIspFile(f));
    EXPECT_TRUE(IspBytes().contains("Caf\xE9|"));
    ReadIspFile(f);
    EXPECT_EQ(GetISPData(f, QString::fromUtf8("Caf\xC3\xA9")), 0);
}

TEST_F(IspFileTest, GetISPElementNumbersTheFieldsInFileOrder) {
    ReadDefaultIspData(f);
    const QString name = "KDDI SatMail-C Japan";
    const char* expected[] = {"",    "KDDI SatMail-C Japan", "003", "103", "203", "303", "TO:", "CC:", "",
                              "SUBJECT:", "STX:", "SAC", "28", ";", "", "", "", ""};
    for (int element = 0; element <= 17; ++element)
        EXPECT_EQ(GetISPElement(f, name, element), QString(expected[element])) << element;
    EXPECT_EQ(GetISPElement(f, "kddi satmail-c japan", 1), "");  // names compare exactly
    EXPECT_EQ(GetISPData(f, "Nobody"), -1);
}

TEST_F(IspFileTest, DelimiterWithEscapedLineBreakRoundTrips) {
    f.gIspList.clear();
    ASSERT_EQ(SetProvider("P", "<CRLF>CC+", "Line1<CRLF>Line2"), 0);
    EXPECT_EQ(f.gIspList[0].Delimiter, "\r\nCC+");
    EXPECT_EQ(GetISPElement(f, "P", 13), "\r\nCC+");
    EXPECT_EQ(GetISPElement(f, "P", 10), "Line1\r\nLine2");
    ASSERT_TRUE(WriteIspFile(f));
    EXPECT_EQ(IspBytes(), "VERSION 100\r\nP|001|101|201|301|TO:|CC:||SU:|Line1<CRLF>Line2|SAC|28|<CRLF>CC+||||\r\n");
    ReadIspFile(f);
    EXPECT_EQ(GetISPElement(f, "P", 13), "\r\nCC+");
    EXPECT_EQ(GetISPElement(f, "P", 10), "Line1\r\nLine2");
}

TEST_F(IspFileTest, SetISPDataChangesInPlaceOrAppends) {
    ReadDefaultIspData(f);
    EXPECT_EQ(SetProvider("OTE Greece", ","), 3);
    EXPECT_EQ(f.gIspList.size(), 13);
    EXPECT_EQ(GetISPElement(f, "OTE Greece", 13), ",");
    EXPECT_EQ(GetISPElement(f, "OTE Greece", 4), "201");  // POR argument
    EXPECT_EQ(GetISPElement(f, "OTE Greece", 5), "301");  // IOR argument
    EXPECT_EQ(f.gIspList[3].LesIor, "301");
    EXPECT_EQ(SetProvider("New one"), 13);
    EXPECT_EQ(f.gIspList.size(), 14);
}

TEST_F(IspFileTest, SetISPDataRefusesFieldsTheFileCannotHold) {
    ReadDefaultIspData(f);
    const QList<IspRecord> before = f.gIspList;
    const QString bad[][2] = {
        {"Pipe|Name", ";"},
        {"P", "a|b"},        // a "|" would shift every later field
        {"P", "a\rb"},       // a lone CR in a multi-line field
        {"P", "a\nb"},
        {"Line\r\nName", ";"},  // line breaks only where they are escaped
    };
    for (const auto& b : bad) {
        os.Boxes.Shown.clear();
        EXPECT_EQ(SetProvider(b[0], b[1]), -1) << b[0].toStdString() << " " << b[1].toStdString();
        ASSERT_EQ(os.Boxes.Shown.size(), 1);
        EXPECT_TRUE(os.Boxes.Shown[0].text.startsWith("(SetISPData) Error '5': "));
    }
    EXPECT_EQ(f.gIspList, before);
}

TEST_F(IspFileTest, DeleteIsp) {
    ReadDefaultIspData(f);
    EXPECT_EQ(DeleteIsp(f, "Nobody"), -1);
    EXPECT_EQ(f.gIspList.size(), 13);
    EXPECT_EQ(DeleteIsp(f, "KDDI SatMail-C Japan"), 1);
    ASSERT_EQ(f.gIspList.size(), 12);
    EXPECT_EQ(f.gIspList[1].Name, "Morsviazsputnik Russia");
    EXPECT_EQ(GetISPData(f, "Vizada SkyFile C 21"), 11);
}

TEST_F(IspFileTest, DeletingTheOnlyProviderLeavesAnEmptyList) {
    f.gIspList.clear();
    SetProvider("Only");
    EXPECT_EQ(DeleteIsp(f, "Only"), 1);
    EXPECT_TRUE(f.gIspList.isEmpty());
    EXPECT_EQ(GetISPData(f, "Only"), -1);
    EXPECT_EQ(GetISPElement(f, "Only", 1), "");
    ASSERT_TRUE(WriteIspFile(f));
    EXPECT_EQ(IspBytes(), "VERSION 100\r\n");
    EXPECT_EQ(SetProvider("Again"), 0);
}

TEST_F(IspFileTest, WriteFailureShowsTheFileErrorBox) {
    ReadDefaultIspData(f);
    f.gConfiguration.DataPath = os.DataFolder() + "/missing";
    EXPECT_FALSE(WriteIspFile(f));
    ASSERT_EQ(os.Boxes.Shown.size(), 1);
    EXPECT_TRUE(os.Boxes.Shown[0].text.startsWith("(WriteIspFile) Error '76': "));
    EXPECT_TRUE(os.Boxes.Shown[0].text.contains("isp.dat"));
}

TEST(IspEscaping, OnlyCrLfPairsAndTheExactMarker) {
    const struct {
        const char* plain;
        const char* escaped;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"a\r\nb", "a<CRLF>b"},
        {"\r\n\r\n", "<CRLF><CRLF>"},
        {"a\rb\nc", "a\rb\nc"},
        {"\n\r", "\n\r"},
        {"\r\r\n", "\r<CRLF>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeCrLf(c.plain), QString(c.escaped)) << c.escaped;
        EXPECT_EQ(UnescapeCrLf(c.escaped), QString(c.plain)) << c.escaped;
    }
    EXPECT_EQ(UnescapeCrLf("<crlf><CRLF"), "<crlf><CRLF");
}

}  // namespace
}  // namespace tidepost
