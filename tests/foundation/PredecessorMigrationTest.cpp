#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/PredecessorMigration.h"
#include "foundation/StartUp.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

using Pairs = QList<QPair<QString, QString>>;

class PredecessorMigrationTest : public ::testing::Test {
protected:
    PredecessorMigrationTest() {
        platform.Os.PredecessorRoot = root.path() + "/Zarvik";
        platform.Os.ProductRoot = root.path() + "/Tidepost";
        QDir().mkpath(Old());
        QDir().mkpath(New());
        f.gConfiguration.DataPath = platform.DataFolder();
    }
    QString Old() const { return platform.Os.PredecessorRoot; }
    QString New() const { return platform.Os.ProductRoot; }
    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Every file below a folder with its content, relative paths in sorted order.
    static QStringList Tree(const QString& folder) {
        QStringList out;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            out << QDir(folder).relativeFilePath(path) + "=" + QString::fromLatin1(Read(path));
        }
        out.sort();
        return out;
    }
    QByteArray ErrorLogText() const { return platform.ReadDataFile("ErrorLog.txt"); }

    // A predecessor installation that has been uninstalled: its data files and folders remain.
    void LeaveRemovedPredecessor() {
        Write(Old() + "/Zarvik.ini", "[Version]\r\n1. 0. 2\r\n[inbox]\r\nC:\\Program Files\\Zarvik\\inbox\\\r\n");
        for (const char* name : {"isp.dat", "les_aore.dat", "les_aorw.dat", "les_ior.dat", "les_por.dat"})
            Write(Old() + "/" + name, QByteArray("old ") + name);
        Write(Old() + "/inbox/IN.IDX", "old index");
        Write(Old() + "/inbox/MSG1.TXT", "old message");
        Write(Old() + "/egc/EGC.IDX", "old egc");
        Write(Old() + "/sent items/OUT.IDX", "old out");
        Write(Old() + "/addressbook/address.dat", "old book");
    }

    QTemporaryDir root;
    test::TestPlatform platform;
    Foundation f{platform.Os};
};

TEST_F(PredecessorMigrationTest, NothingHappensUnlessAllConditionsHold) {
    const struct {
        const char* name;
        bool clearRoots;
        bool predecessorProgram;  // the predecessor is still installed
        bool productSettings;     // this product already has per-user settings
    } cases[] = {
        {"no folders configured (the default)", true, false, false},
        {"predecessor still installed", false, true, false},
        {"product already has settings", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestPlatform p;
        p.Os.PredecessorRoot = c.clearRoots ? QString() : Old();
        p.Os.ProductRoot = c.clearRoots ? QString() : New();
        Foundation run(p.Os);
        run.gConfiguration.DataPath = p.DataFolder();
        LeaveRemovedPredecessor();
        QFile::remove(Old() + "/ZARVIK.EXE");
        if (c.predecessorProgram) Write(Old() + "/ZARVIK.EXE", "program");
        p.Settings.Save("Zarvik", "Config", "Password", "secret");
        if (c.productSettings) p.Settings.Save("Tidepost", "Config", "Mode", "1");
        Write(New() + "/Tidepost.ini", "[Version]\r\n1. 0. 4\r\n");
        const QStringList oldBefore = Tree(Old());
        const QStringList newBefore = Tree(New());

        MigratePredecessorData(run);

        EXPECT_EQ(Tree(Old()), oldBefore);
        EXPECT_EQ(Tree(New()), newBefore);
        EXPECT_EQ(p.Settings.Get("Zarvik", "Config", "Password", ""), "secret");
        EXPECT_FALSE(p.Settings.Has("Tidepost", "Config", "Password"));
    }
}

TEST_F(PredecessorMigrationTest, NoEarlierInstallationTouchesNothing) {
    Write(New() + "/Tidepost.ini", "[Version]\r\n1. 0. 4\r\n");
    Write(New() + "/inbox/IN.IDX", "");
    const QStringList newBefore = Tree(New());
    QDir(Old()).removeRecursively();

    MigratePredecessorData(f);

    EXPECT_EQ(Tree(New()), newBefore);
    EXPECT_TRUE(QFileInfo(New() + "/inbox").isDir());
    EXPECT_TRUE(platform.Settings.GetSection("Tidepost", "Config").isEmpty());
}

TEST_F(PredecessorMigrationTest, TakesOverSettingsFilesAndFoldersOfARemovedPredecessor) {
    LeaveRemovedPredecessor();
    platform.Settings.Save("Zarvik", "Config", "Password", "secret");
    platform.Settings.Save("Zarvik", "Config", "Port", "3");
    platform.Settings.Save("Zarvik", "Window", "Left", "10");
    // What the start-up data check made in the product's folder: empty indexes only.
    for (const char* index : {"inbox/IN.IDX", "egc/EGC.IDX", "sent items/OUT.IDX", "addressbook/address.dat"})
        Write(New() + "/" + index, "");

    MigratePredecessorData(f);

    EXPECT_EQ(platform.Settings.GetSection("Tidepost", "Config"), (Pairs{{"Password", "secret"}, {"Port", "3"}}));
    EXPECT_TRUE(platform.Settings.GetSection("Zarvik", "Config").isEmpty());
    EXPECT_TRUE(platform.Settings.GetSection("Zarvik", "Window").isEmpty());
    EXPECT_EQ(Read(New() + "/Tidepost.ini"),
              "[Version]\r\n1. 0. 4\r\n[inbox]\r\nC:\\Program Files\\Tidepost\\inbox\\\r\n");
    EXPECT_EQ(Tree(New()), (QStringList{"Tidepost.ini=[Version]\r\n1. 0. 4\r\n[inbox]\r\nC:\\Program Files\\Tidepost\\inbox\\\r\n",
                                        "addressbook/address.dat=old book", "egc/EGC.IDX=old egc",
                                        "inbox/IN.IDX=old index", "inbox/MSG1.TXT=old message",
                                        "isp.dat=old isp.dat", "les_aore.dat=old les_aore.dat",
                                        "les_aorw.dat=old les_aorw.dat", "les_ior.dat=old les_ior.dat",
                                        "les_por.dat=old les_por.dat", "sent items/OUT.IDX=old out"}));
    // Everything was taken over, so the earlier folder is gone.
    EXPECT_FALSE(QFileInfo::exists(Old()));
}

TEST_F(PredecessorMigrationTest, AFileThisProductHasStaysInTheEarlierFolder) {
    LeaveRemovedPredecessor();
    Write(New() + "/isp.dat", "new isp");

    MigratePredecessorData(f);

    EXPECT_EQ(Read(New() + "/isp.dat"), "new isp");
    EXPECT_EQ(Read(Old() + "/isp.dat"), "old isp.dat");
    EXPECT_EQ(Read(New() + "/les_por.dat"), "old les_por.dat");
    EXPECT_FALSE(QFileInfo::exists(Old() + "/Zarvik.ini"));
    // Not empty, so not removed.
    EXPECT_EQ(Tree(Old()), QStringList{"isp.dat=old isp.dat"});
}

TEST_F(PredecessorMigrationTest, AMessageFolderHoldingDataIsNeverReplaced) {
    LeaveRemovedPredecessor();
    Write(New() + "/inbox/IN.IDX", "new index");
    Write(New() + "/inbox/MSG9.TXT", "received since");

    MigratePredecessorData(f);

    EXPECT_EQ(Tree(New() + "/inbox"), (QStringList{"IN.IDX=new index", "MSG9.TXT=received since"}));
    EXPECT_EQ(Tree(Old() + "/inbox"), (QStringList{"IN.IDX=old index", "MSG1.TXT=old message"}));
    // The other folders are taken over all the same.
    EXPECT_EQ(Tree(New() + "/egc"), QStringList{"EGC.IDX=old egc"});
    EXPECT_TRUE(ErrorLogText().contains(("'" + New() + "/inbox' holds files").toLocal8Bit())) << ErrorLogText().data();
}

TEST_F(PredecessorMigrationTest, ARepeatedMigrationKeepsMessagesReceivedSince) {
    LeaveRemovedPredecessor();
    // A settings file that cannot be converted stays behind, so the next start migrates again.
    Write(Old() + "/Zarvik.ini", "[Zarvik]\r\n[Version]\r\n");
    Write(New() + "/Tidepost.ini", "[Version]\r\n1. 0. 4\r\n[COM port]\r\n2\r\n");
    MigratePredecessorData(f);
    EXPECT_EQ(Tree(New() + "/inbox"), (QStringList{"IN.IDX=old index", "MSG1.TXT=old message"}));
    // A failed conversion leaves this product's settings file as it was.
    EXPECT_EQ(Read(New() + "/Tidepost.ini"), "[Version]\r\n1. 0. 4\r\n[COM port]\r\n2\r\n");
    EXPECT_TRUE(QFileInfo::exists(Old() + "/Zarvik.ini"));

    Write(New() + "/inbox/MSG2.TXT", "received since");
    Write(Old() + "/inbox/MSG7.TXT", "left in the old folder");
    Foundation nextStart(platform.Os);
    nextStart.gConfiguration.DataPath = platform.DataFolder();
    MigratePredecessorData(nextStart);

    EXPECT_EQ(Tree(New() + "/inbox"),
              (QStringList{"IN.IDX=old index", "MSG1.TXT=old message", "MSG2.TXT=received since"}));
    EXPECT_EQ(Tree(Old() + "/inbox"), QStringList{"MSG7.TXT=left in the old folder"});
}

TEST_F(PredecessorMigrationTest, MigrateIniFileConvertsLineByLine) {
    const struct {
        const char* name;
        QByteArray source;
        QByteArray converted;
    } cases[] = {
        {"every Zarvik, capitals untouched", "Zarvik and Zarvik\r\nZARVIK zarvik\r\n",
         "Tidepost and Tidepost\r\nZARVIK zarvik\r\n"},
        {"line after [Version]", "[Version]\r\n1. 0. 2\r\n[Zarvik]\r\n", "[Version]\r\n1. 0. 4\r\n[Tidepost]\r\n"},
        {"[Version] inside a line is kept as it is", "x[Version]Zarvik\r\nold\r\nZarvik\r\n",
         "x[Version]Zarvik\r\n1. 0. 4\r\nTidepost\r\n"},
        {"[Version] twice", "[Version]\r\n1\r\n[Version]\r\n2\r\n", "[Version]\r\n1. 0. 4\r\n[Version]\r\n1. 0. 4\r\n"},
        {"the value line is dropped even when it is a key", "[Version]\r\n[Zarvik]\r\n",
         "[Version]\r\n1. 0. 4\r\n"},
        {"lone LF and CR line ends, empty lines kept", "a\nZarvik\r\rb", "a\r\nTidepost\r\n\r\nb\r\n"},
        {"ANSI bytes stay as they are", "Stra\xDF" "e Zarvik \xE9\xFF\r\n", "Stra\xDF" "e Tidepost \xE9\xFF\r\n"},
        {"an empty file", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Write(Old() + "/Zarvik.ini", c.source);
        EXPECT_TRUE(MigrateIniFile(f));
        EXPECT_EQ(Read(New() + "/Tidepost.ini"), c.converted);
    }
}

TEST_F(PredecessorMigrationTest, MigrateIniFileFailureLeavesTheTargetAsItWas) {
    const struct {
        const char* name;
        const char* source;  // nullptr: no earlier settings file
    } cases[] = {{"[Version] as the last line", "[Zarvik]\r\n[Version]\r\n"}, {"no earlier file", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(Old() + "/Zarvik.ini");
        if (c.source) Write(Old() + "/Zarvik.ini", c.source);
        Write(New() + "/Tidepost.ini", "[COM port]\r\n2\r\n");
        EXPECT_FALSE(MigrateIniFile(f));
        EXPECT_EQ(Read(New() + "/Tidepost.ini"), "[COM port]\r\n2\r\n");
    }
}

TEST_F(PredecessorMigrationTest, MigrateIniFileFindsNamesInAnyCase) {
    Write(Old() + "/ZARVIK.INI", "Zarvik\r\n");
    Write(New() + "/tidepost.ini", "old\r\n");
    EXPECT_TRUE(MigrateIniFile(f));
    EXPECT_EQ(Read(New() + "/tidepost.ini"), "Tidepost\r\n");
    EXPECT_EQ(QDir(New()).entryList(QDir::Files), QStringList{"tidepost.ini"});
}

class MigrationAtStartUp : public ::testing::Test {
protected:
    // The data folder is this product's installation folder, as for a program installed there.
    MigrationAtStartUp() {
        platform.Os.PredecessorRoot = old.path();
        platform.Os.ProductRoot = platform.ProgramFolder();
    }
    QString P() const { return platform.ProgramFolder() + "/"; }
    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void LeaveEarlierFiles() {
        Write(old.path() + "/Zarvik.ini",
              "[Version]\r\n1. 0. 2\r\n[COM port]\r\n3\r\n[Product]\r\nZarvik\r\n");
        Write(old.path() + "/inbox/IN.IDX", "old index");
        Write(old.path() + "/inbox/MSG1.TXT", "old message");
    }

    QTemporaryDir old;
    test::TestPlatform platform;
    Foundation f{platform.Os};
};

TEST_F(MigrationAtStartUp, FirstStartTakesOverAndTheSettingsInMemoryFollowTheConversion) {
    LeaveEarlierFiles();
    LoadFoundation(f);

    EXPECT_EQ(GetIniValue(f, "[COM port]"), "3");
    EXPECT_EQ(GetIniValue(f, "[Product]"), "Tidepost");
    // The inbox the data check had just made empty is replaced by the earlier one.
    EXPECT_EQ(Read(P() + "inbox/MSG1.TXT"), "old message");
    EXPECT_EQ(Read(P() + "inbox/IN.IDX"), "old index");
    // The closing write keeps the conversion.
    WriteIniFile(f);
    Foundation nextStart(platform.Os);
    nextStart.gConfiguration.DataPath = platform.ProgramFolder();
    ReadIniFile(nextStart);
    EXPECT_EQ(GetIniValue(nextStart, "[COM port]"), "3");
}

TEST_F(MigrationAtStartUp, AStillInstalledPredecessorNeverOverwritesTheSettingsFile) {
    LeaveEarlierFiles();
    Write(old.path() + "/Zarvik.exe", "program");
    QByteArray settingsAfterFirstStart;
    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start);
        Foundation run(platform.Os);
        LoadFoundation(run);
        EXPECT_EQ(GetIniValue(run, "[COM port]"), "1");
        const QByteArray settings = Read(P() + "Tidepost.ini");
        EXPECT_FALSE(settings.contains("[Product]"));
        if (start == 0) settingsAfterFirstStart = settings;
        EXPECT_EQ(settings, settingsAfterFirstStart);
    }
    EXPECT_EQ(Read(old.path() + "/inbox/MSG1.TXT"), "old message");
    EXPECT_EQ(Read(old.path() + "/Zarvik.ini").left(9), "[Version]");
}

}  // namespace
