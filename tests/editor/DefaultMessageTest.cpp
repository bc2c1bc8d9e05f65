#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "editor/cDefaultMessage.h"
#include "foundation/Foundation.h"
#include "foundation/RuntimeError.h"
#include "support/TestPlatform.h"

namespace tidepost::test {
namespace {

struct DefaultMessageTest : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};

    DefaultMessageTest() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.gDraftsDir = platform.DataFolder() + "/Drafts";
    }
    QString Key(int n) const { return QString("DefaultMessages/DefaultMsg%1.txt").arg(n); }
    bool Exists(const QString& name) const { return QFileInfo::exists(platform.DataFolder() + "/" + name); }
};

TEST_F(DefaultMessageTest, SavedMessageIsTheTaggedFileByteForByte) {
    cDefaultMessage m(f);
    m.Init(3);
    ASSERT_TRUE(m.CreateMessage("Noon report", "Line 1\nLine 2", "Noon", "Owner;", "Agent;", "Office;"));
    EXPECT_EQ(platform.ReadDataFile(Key(3)),
              QByteArray("<Message>\r\n<Version>2</Version>\r\n<Header>\r\n<Name>Noon report</Name>\r\n"
                         "<To>Owner;</To>\r\n<Cc>Agent;</Cc>\r\n<Bcc>Office;</Bcc>\r\n<Subject>Noon</Subject>\r\n"
                         "</Header>\r\n<BodyText>Line 1\r\nLine 2</BodyText>\r\n</Message>"));
}

TEST_F(DefaultMessageTest, ValuesComeBackUnchanged) {
    struct Case {
        const char* what;
        QString body;
        QString subject;
    };
    const Case cases[] = {
        {"markup characters", "a < b & c > d &amp;", "<tag>"},
        {"blanks at the ends", "  indented body  ", " subject "},
        {"control characters", QString("bell\x07 and\x1b escape"), QString("form\x0c feed")},
        {"single-byte accents", QString::fromLatin1("caf\xe9 \xb0 deg"), "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cDefaultMessage writer(f);
        writer.Init(1);
        ASSERT_TRUE(writer.CreateMessage("Name", c.body, c.subject, "To;", "", ""));
        cDefaultMessage reader(f);
        ASSERT_TRUE(reader.LoadMessage(1));
        EXPECT_EQ(reader.GetBodyText(), c.body);
        EXPECT_EQ(reader.GetSubject(), c.subject);
        EXPECT_EQ(reader.GetName(), "Name");
        EXPECT_EQ(reader.GetTo(), "To;");
    }
}

TEST_F(DefaultMessageTest, EmptyNameIsStoredAsDefaultMessageAndTheKey) {
    cDefaultMessage m(f);
    m.Init(5);
    ASSERT_TRUE(m.CreateMessage("", "body", "", "", "", ""));
    cDefaultMessage reader(f);
    ASSERT_TRUE(reader.LoadMessage(5));
    EXPECT_EQ(reader.GetName(), "Default message 5");
}

TEST_F(DefaultMessageTest, WithoutInitNothingIsWritten) {
    cDefaultMessage m(f);
    EXPECT_FALSE(m.CreateMessage("Name", "body", "", "", "", ""));
    EXPECT_FALSE(QFileInfo::exists(platform.DataFolder() + "/DefaultMessages"));
}

TEST_F(DefaultMessageTest, ReadingFiles) {
    struct Case {
        const char* what;
        QByteArray bytes;
        bool loads;
        QString name;
        QString body;
        QString subject;
    };
    const Case cases[] = {
        {"older format", "[Greeting]\r\nHello", true, "Greeting", "Hello", ""},
        {"older format, body of several lines", "[Crew]]\r\nA\r\nB", true, "Crew", "A\r\nB", ""},
        {"older format without ]", "[Greeting\r\nHello", false, "", "", ""},
        {"older format without a line end", "[Greeting] Hello", false, "", "", ""},
        {"only the message tags", "<Message></Message>", false, "", "", ""},
        {"no body element", "<Message><Header><Name>N</Name></Header></Message>", false, "N", "", ""},
        {"another first element", "<Note><BodyText>x</BodyText></Note>", false, "", "", ""},
        {"malformed", "<Message><BodyText>x</BodyText>", false, "", "x", ""},
        {"empty file", "", false, "", "", ""},
        {"element names are case-sensitive", "<Message><bodytext>x</bodytext></Message>", false, "", "", ""},
        {"later element wins, unknown ignored",
         "<Message><Header><Name>A</Name><Extra>e</Extra><Name>B</Name></Header><Other/>"
         "<BodyText>one</BodyText><BodyText>two</BodyText></Message>",
         true, "B", "two", ""},
        {"line ends in the body", "<Message>\r\n<BodyText>a\r\nb</BodyText>\r\n</Message>", true, "", "a\nb", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform.WriteDataFile(Key(2), c.bytes);
        cDefaultMessage m(f);
        EXPECT_EQ(m.LoadMessage(2), c.loads);
        EXPECT_EQ(m.GetName(), c.name);
        EXPECT_EQ(m.GetBodyText(), c.body);
        EXPECT_EQ(m.GetSubject(), c.subject);
        EXPECT_EQ(m.GetTo(), "");
    }
}

TEST_F(DefaultMessageTest, SecondLoadOnOneInstanceLeavesNothingOfTheFirst) {
    cDefaultMessage writer(f);
    writer.Init(1);
    ASSERT_TRUE(writer.CreateMessage("One", "body", "subject", "to", "cc", "bcc"));
    cDefaultMessage m(f);
    ASSERT_TRUE(m.LoadMessage(1));
    EXPECT_FALSE(m.LoadMessage(2));
    for (const QString& value : {m.GetName(), m.GetBodyText(), m.GetSubject(), m.GetTo(), m.GetCc(), m.GetBcc()})
        EXPECT_EQ(value, "");
}

TEST_F(DefaultMessageTest, DeleteAndExists) {
    cDefaultMessage m(f);
    m.Init(4);
    EXPECT_FALSE(m.ExistsFile());
    EXPECT_FALSE(m.Delete());
    ASSERT_TRUE(m.CreateMessage("n", "b", "", "", "", ""));
    EXPECT_TRUE(m.ExistsFile());
    QFile::setPermissions(platform.DataFolder() + "/" + Key(4), QFileDevice::ReadOwner);
    EXPECT_TRUE(m.Delete());
    EXPECT_FALSE(m.ExistsFile());
    EXPECT_FALSE(m.Delete());
}

TEST_F(DefaultMessageTest, UpgradeMovesOldFilesWithoutOverwriting) {
    platform.WriteDataFile("Drafts/DefaultMsg2.txt", "[Old two]\r\nbody two");
    platform.WriteDataFile("Drafts/DefaultMsg5.txt", "[Old five]\r\nold");
    platform.WriteDataFile("DefaultMessages/DefaultMsg5.txt", "[New five]\r\nnew");
    cDefaultMessage(f).Upgrade();

    EXPECT_EQ(platform.ReadDataFile("DefaultMessages/DefaultMsg2.txt"), "[Old two]\r\nbody two");
    EXPECT_FALSE(Exists("Drafts/DefaultMsg2.txt"));
    EXPECT_EQ(platform.ReadDataFile("Drafts/DefaultMsg5.txt"), "[Old five]\r\nold");
    EXPECT_EQ(platform.ReadDataFile("DefaultMessages/DefaultMsg5.txt"), "[New five]\r\nnew");
}

TEST_F(DefaultMessageTest, UpgradeWithoutDraftsFolderDoesNothing) {
    cDefaultMessage(f).Upgrade();
    EXPECT_FALSE(Exists("DefaultMessages"));
}

TEST_F(DefaultMessageTest, UpgradeFailureReachesTheCaller) {
    platform.WriteDataFile("Drafts/DefaultMsg1.txt", "[a]\r\nb");
    platform.WriteDataFile("DefaultMessages", "a file where the folder belongs");
    EXPECT_THROW(cDefaultMessage(f).Upgrade(), RuntimeError);
    EXPECT_TRUE(Exists("Drafts/DefaultMsg1.txt"));
}

}  // namespace
}  // namespace tidepost::test
