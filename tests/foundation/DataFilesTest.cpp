#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "foundation/DataFileText.h"
#include "foundation/DataFiles.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/LesLists.h"
#include "foundation/StartUp.h"
#include "DefaultIniBytes.h"
#include "support/TestPlatform.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

class DataFilesTest : public ::testing::Test {
protected:
    QString Data() const { return platform.DataFolder(); }
    QString D() const { return platform.DataFolder() + "/"; }
    QString Program() const { return platform.ProgramFolder(); }
    // Points the program folder's "DataPath.txt" at the temporary data folder.
    void UseDataFolder() const { WriteProgramFile("DataPath.txt", Data().toLocal8Bit()); }
    void WriteProgramFile(const QString& name, const QByteArray& bytes) const {
        QFile file(Program() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The default settings file of the data folder with one key's value replaced.
    void WriteSettingsWith(const QString& key, const QString& value) const {
        QStringList lines = DefaultIniFileText(Data()).split("\r\n");
        lines[lines.indexOf(key) + 1] = value;
        platform.WriteDataFile("Tidepost.ini", lines.join("\r\n").toLocal8Bit());
    }
    QStringList Queued() {
        QStringList out;
        out << test::DrainErrorQueue(f);
        return out;
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
};

QByteArray LesFileBytes(const QList<KeyValuePair>& list) {
    QByteArray out;
    for (const KeyValuePair& e : list) out += (e.Key + "|" + e.Value + "\r\n").toLatin1();
    return out;
}

TEST(SplitFileLines, EachLineEndEndsOneLine) {
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"\r\n", {""}},
        {"a\r\nb\n\nc\rd\r\n", {"a", "b", "", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR is two line ends
        {"a;b\r\n\r\n", {"a;b", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(SplitFileLines(text), c.lines);
        QStringList views;
        for (const QStringView line : FileLineViews(text)) views.append(line.toString());
        EXPECT_EQ(views, c.lines);
        QStringList fromBytes;
        ForEachFileLine(QByteArrayView(c.text), [&](QByteArrayView line) { fromBytes.append(QString::fromLatin1(line)); });
        EXPECT_EQ(fromBytes, c.lines) << "the same lines read straight from the bytes";
    }
}

TEST_F(DataFilesTest, DataFolderRule) {
    QTemporaryDir other;
    const QString existing = other.path() + "/existing";
    ASSERT_TRUE(QDir().mkdir(existing));
    const struct {
        const char* name;
        const char* markerName;  // nullptr: no marker file
        QByteArray content;
        QString expected;      // "" = the program folder
        QString created;       // a folder the rule must have made
    } cases[] = {
        {"no DataPath.txt", nullptr, {}, {}, {}},
        {"an existing folder", "DataPath.txt", existing.toLocal8Bit(), existing, {}},
        {"the marker's name in another case", "datapath.TXT", existing.toLocal8Bit(), existing, {}},
        {"backslashes as separators", "DataPath.txt", QString(existing).replace('/', '\\').toLocal8Bit(),
         existing, {}},
        {"a folder created one level deep", "DataPath.txt", (other.path() + "/made").toLocal8Bit(),
         other.path() + "/made", other.path() + "/made"},
        {"two missing levels are not created", "DataPath.txt", (other.path() + "/a/b").toLocal8Bit(), {}, {}},
        {"content ending in CR LF", "DataPath.txt", existing.toLocal8Bit() + "\r\n", {}, {}},
        {"content ending in LF", "DataPath.txt", (other.path() + "/lf").toLocal8Bit() + "\n", {}, {}},
        {"an empty file", "DataPath.txt", {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& n : QDir(Program()).entryList(QDir::Files)) QFile::remove(Program() + "/" + n);
        if (c.markerName) WriteProgramFile(c.markerName, c.content);
        EXPECT_EQ(GetDataPath(f), c.expected.isEmpty() ? Program() : c.expected);
        if (!c.created.isEmpty()) {
            EXPECT_TRUE(QFileInfo(c.created).isDir());
        }
    }
    EXPECT_FALSE(QFileInfo::exists(other.path() + "/a"));
    EXPECT_FALSE(QFileInfo::exists(other.path() + "/lf\n"));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(DataFilesTest, InstalledProgramKeepsItsDataInTheUsersDataFolder) {
    QTemporaryDir userData;
    platform.OsFacts.UserData = userData.path();
    platform.Os.ProgramFolder = Program() + "/not-there";
    const QString path = GetDataPath(f);
    EXPECT_EQ(path, userData.path() + "/Tidepost");
    EXPECT_TRUE(QFileInfo(path).isDir());

    // A system that names no user data folder leaves the data beside the program.
    platform.OsFacts.UserData.clear();
    EXPECT_EQ(GetDataPath(f), Program() + "/not-there");
}

TEST_F(DataFilesTest, FirstStartOnAnEmptyDataFolder) {
    UseDataFolder();
    int upgrades = 0;
    f.UpgradeDefaultMessages = [&] {
        ++upgrades;
        EXPECT_TRUE(QFileInfo(D() + "Drafts").isDir());
    };
    LoadFoundation(f);

    EXPECT_EQ(f.gConfiguration.DataPath, Data());
    const QByteArray dd = D().toLocal8Bit();
    const QByteArray expectedIni = test::RewrittenDefaultBytes(D()) + "[Drafts]\r\n" + dd + "Drafts\r\n\r\n" +
                                   "[Saved files]\r\n" + dd + "Saved files\r\n\r\n";
    EXPECT_EQ(platform.ReadDataFile("Tidepost.ini"), expectedIni);

    EXPECT_EQ(platform.ReadDataFile("les_aorw.dat"), LesFileBytes(DefaultLesListAorW()));
    EXPECT_EQ(platform.ReadDataFile("les_aore.dat"), LesFileBytes(DefaultLesListAorE()));
    EXPECT_EQ(platform.ReadDataFile("les_por.dat"), LesFileBytes(DefaultLesListPor()));
    EXPECT_EQ(platform.ReadDataFile("les_ior.dat"), LesFileBytes(DefaultLesListIor()));
    const QByteArray isp = platform.ReadDataFile("isp.dat");
    EXPECT_TRUE(isp.startsWith("VERSION 100\r\n"));
    EXPECT_EQ(isp.count("\r\n"), 14);
    EXPECT_EQ(f.gIspList.size(), 13);

    for (const char* folder : {"addressbook", "Drafts", "egc", "inbox", "sent items", "Saved files"})
        EXPECT_TRUE(QFileInfo(D() + folder).isDir()) << folder;
    for (const char* index : {"egc/EGC.IDX", "inbox/IN.IDX", "sent items/OUT.IDX", "addressbook/address.dat"}) {
        const QFileInfo file(D() + index);
        EXPECT_TRUE(file.isFile()) << index;
        EXPECT_EQ(file.size(), 0) << index;
    }
    EXPECT_EQ(f.gAddressBookDir, D() + "addressbook/");
    EXPECT_EQ(f.gDraftsDir, D() + "Drafts");
    EXPECT_EQ(f.gEgcDir, D() + "egc/");
    EXPECT_EQ(f.gInboxDir, D() + "inbox/");
    EXPECT_EQ(f.gOutboxDir, D() + "sent items/");
    EXPECT_EQ(f.gSavedFilesDir, D() + "Saved files");
    EXPECT_EQ(f.gWorkingDir, D());
    EXPECT_EQ(upgrades, 1);
    EXPECT_TRUE(Queued().isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());

    // The next start finds everything in place and changes nothing.
    Foundation next(platform.Os);
    LoadFoundation(next);
    EXPECT_EQ(platform.ReadDataFile("Tidepost.ini"), expectedIni);
    EXPECT_EQ(next.gDraftsDir, D() + "Drafts");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(DataFilesTest, StartUpAppliesTheDefaultProvidersStations) {
    UseDataFolder();
    WriteSettingsWith("[Default ISP]", "Stratos Global C-email 12");
    LoadFoundation(f);
    EXPECT_EQ(f.gConfiguration.DefaultISPLes(0), "012");
    EXPECT_EQ(f.gConfiguration.DefaultISPLes(1), "112");
    EXPECT_EQ(f.gConfiguration.DefaultISPLes(2), "212");
    EXPECT_EQ(f.gConfiguration.DefaultISPLes(3), "312");
}

TEST_F(DataFilesTest, UnusableWorkingFolderMovesUnderTheDataFolder) {
    const struct {
        const char* key;
        QString Foundation::*dir;
        const char* fallback;
        const char* notice;  // nullptr: moved silently
    } cases[] = {
        {"[addressbook]", &Foundation::gAddressBookDir, "Addressbook",
         "The directory of contacts file has been changed to '"},
        {"[Drafts]", &Foundation::gDraftsDir, "Drafts", nullptr},
        {"[egc]", &Foundation::gEgcDir, "Egc", "The directory of saved EGCs has been changed to '"},
        {"[inbox]", &Foundation::gInboxDir, "Inbox", "The directory of inbox has been changed to '"},
        {"[outbox]", &Foundation::gOutboxDir, "Sent items", "The directory of outbox has been changed to '"},
        {"[Saved files]", &Foundation::gSavedFilesDir, "Saved files", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        test::TestPlatform p;
        Foundation fc(p.Os);
        fc.gConfiguration.DataPath = p.DataFolder();
        const QString missingDrive = p.DataFolder() + "/no-such-drive/folder/";
        for (const auto& other : cases) {
            const QString dir = other.key == c.key ? missingDrive : p.DataFolder() + "/" + other.fallback;
            if (other.key != c.key) QDir().mkdir(dir);
            SetIniValue(fc, other.key, dir, false);
            fc.*(other.dir) = dir;
        }
        WriteIniFile(fc);
        CheckDataFiles(fc);

        const QString moved = p.DataFolder() + "/" + c.fallback;
        EXPECT_EQ(fc.*(c.dir), moved);
        EXPECT_TRUE(QFileInfo(moved).isDir());
        EXPECT_FALSE(QFileInfo::exists(p.DataFolder() + "/no-such-drive"));
        fc.gIniEntries = {};
        EXPECT_EQ(GetIniValue(fc, c.key), moved);
        QStringList queued;
        queued << test::DrainErrorQueue(fc);
        EXPECT_EQ(queued, c.notice ? QStringList{c.notice + moved + "'."} : QStringList{});
        EXPECT_TRUE(p.Boxes.Shown.isEmpty());
    }
}

TEST_F(DataFilesTest, InboxOnAMissingDriveGetsItsIndexInTheNewFolder) {
    UseDataFolder();
    WriteSettingsWith("[inbox]", "Q:\\Messages\\inbox\\");
    LoadFoundation(f);
    EXPECT_EQ(f.gInboxDir, D() + "Inbox");
    EXPECT_TRUE(QFileInfo(D() + "Inbox/IN.IDX").isFile());
    EXPECT_EQ(Queued(), QStringList{"The directory of inbox has been changed to '" + D() + "Inbox'."});
    EXPECT_TRUE(platform.ReadDataFile("Tidepost.ini").contains(("[inbox]\r\n" + D() + "Inbox\r\n").toLocal8Bit()));
}

TEST_F(DataFilesTest, FolderOfAnotherCaseIsReusedWhenMovingBack) {
    UseDataFolder();
    ASSERT_TRUE(QDir().mkdir(D() + "inbox"));
    WriteSettingsWith("[inbox]", Data() + "/gone/inbox/");
    LoadFoundation(f);
    EXPECT_EQ(f.gInboxDir, D() + "inbox");
    EXPECT_FALSE(QFileInfo::exists(D() + "Inbox"));
    EXPECT_EQ(Queued(), QStringList{"The directory of inbox has been changed to '" + D() + "inbox'."});
}

TEST_F(DataFilesTest, ExistingFilesAreLeftAsTheyAre) {
    UseDataFolder();
    const QString inbox = D() + "mail";
    ASSERT_TRUE(QDir().mkdir(inbox));
    platform.WriteDataFile("les_por.dat", {});
    platform.WriteDataFile("mail/in.idx", "MSG1:001\r\n");
    platform.WriteDataFile("ISP.DAT", "VERSION 100\r\nMine|001|101|201|301||||||||||||\r\n");
    // A "\" read from the settings file is a separator.
    WriteSettingsWith("[inbox]", QString(inbox).replace('/', '\\') + "\\");
    LoadFoundation(f);

    EXPECT_EQ(platform.ReadDataFile("les_por.dat"), QByteArray());
    EXPECT_EQ(platform.ReadDataFile("mail/in.idx"), QByteArray("MSG1:001\r\n"));
    EXPECT_FALSE(QFileInfo::exists(inbox + "/IN.IDX"));
    EXPECT_FALSE(QFileInfo::exists(D() + "isp.dat"));
    EXPECT_EQ(f.gIspList.size(), 1);
    EXPECT_EQ(f.gInboxDir, QString(inbox).replace('/', '\\') + "\\");
    EXPECT_TRUE(Queued().isEmpty());
}

TEST_F(DataFilesTest, FolderTestThatFailsShowsTheFileErrorBox) {
    const QString tooLong = Data() + "/" + QString(300, 'x');
    EXPECT_FALSE(CheckDirExists(f, tooLong));
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 75");
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("(CheckDirExists) Error '75': Path/File access error.\r\n"
                                                        "Could not open the file '" + tooLong + "'."));

    EXPECT_TRUE(CheckDirExists(f, Data()));
    EXPECT_TRUE(CheckDirExists(f, QString(Data()).replace('/', '\\') + "\\"));
    EXPECT_FALSE(CheckDirExists(f, Data() + "/missing"));
    EXPECT_FALSE(CheckDirExists(f, platform.WriteDataFile("plain.txt", "x")));
    EXPECT_FALSE(CheckDirExists(f, ""));
    EXPECT_EQ(platform.Boxes.Shown.size(), 1);
}

}  // namespace
