#include <QFileInfo>
#include <memory>

#include "AddressBookFixture.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookTable.h"
#include "messages/cAddressBook.h"

using namespace tidepost;

namespace {

class cAddressBookTest : public test::AddressBookTest {
protected:
    cAddressBookTest() { book.SetLogFile("RemoteLog.txt"); }

    // The logged texts, without their time stamps.
    QStringList Logged() const {
        QStringList out;
        const QString log = QString::fromLatin1(platform.ReadDataFile("RemoteLog.txt"));
        for (const QString& line : log.split("\r\n", Qt::SkipEmptyParts)) {
            EXPECT_TRUE(line.startsWith("2012-07-03 09:05:00  ")) << line.toStdString();
            out << line.mid(21);
        }
        return out;
    }
    bool Add(const QString& name, int type, int format, const QString& address, const QString& member,
             bool overwrite) {
        return book.AddAddress(name, type, format, address, member, overwrite);
    }

    cAddressBook book{m};
};

TEST_F(cAddressBookTest, AddsToAnEmptyFileALineWithoutLineEnd) {
    WriteBook("");
    EXPECT_TRUE(Add("Agent", 1, 5, "123456", "12", false));
    EXPECT_EQ(BookBytes(), "Agent:Telex:5:123456:12");
    EXPECT_FALSE(QFileInfo::exists(BackupPath()));
    EXPECT_TRUE(Logged().isEmpty());
}

TEST_F(cAddressBookTest, ExistingLinesOfTheNameAreKeptOrReplaced) {
    struct Case {
        const char* name;
        QByteArray file;
        bool overwrite;
        QByteArray after;
        QStringList logged;
    } cases[] = {
        {"kept", "Agent:Fax:7:777", false, "Agent:Fax:7:777", {"Address already exists and will not be overwritten"}},
        {"replaced in place, the last line end dropped", "Agent:Fax:7:777\r\nOps:DNID:8:1:7\r\n", true,
         "Agent:Telex:7:123456\r\nOps:DNID:8:1:7", {"Address already exists and will be overwritten"}},
        {"every line of the name is replaced", "Agent:Fax:7:1\r\nOps:Fax:7:2\r\nAgent:Fax:7:3", true,
         "Agent:Telex:7:123456\r\nOps:Fax:7:2\r\nAgent:Telex:7:123456",
         {"Address already exists and will be overwritten", "Address already exists and will be overwritten"}},
        {"letter case counts", "agent:Fax:7:777", true, "agent:Fax:7:777\r\nAgent:Telex:7:123456", {}},
        {"the ':' after the name is part of the test", "Agent2:Fax:7:1", true,
         "Agent2:Fax:7:1\r\nAgent:Telex:7:123456", {}},
        {"other lines are kept unchanged, blanks and empty lines included",
         "  Ops:Fax:7:2  \r\n\r\nAgent :Fax:7:3\n", false,
         "  Ops:Fax:7:2  \r\n\r\nAgent :Fax:7:3\r\nAgent:Telex:7:123456", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(platform.DataFolder() + "/RemoteLog.txt");
        WriteBook(c.file);
        EXPECT_TRUE(Add("Agent", 1, 7, "123456", "", c.overwrite));
        EXPECT_EQ(BookBytes(), c.after);
        EXPECT_EQ(Logged(), c.logged);
    }
}

TEST_F(cAddressBookTest, WithoutTheFileNothingIsCreated) {
    EXPECT_FALSE(Add("Agent", 1, 5, "123456", "12", false));
    EXPECT_FALSE(QFileInfo::exists(BookPath()));
    EXPECT_EQ(Logged(), QStringList{"Error occurred adding address. File 'address.dat' not found"});
}

TEST_F(cAddressBookTest, RefusedEntriesLeaveTheFileByteForByte) {
    const QByteArray old = "Ops:Fax:7:2\r\n";
    struct Case {
        const char* name;
        QString entryName;
        int type;
        QString address;
        QString member;
        QString logged;
    } cases[] = {
        {"':' in the name", "A:B", 1, "1", "", "Address 'A:B' not added: name, address and member may not hold ':' or a line break"},
        {"':' in the address", "A", 1, "1:2", "", "Address 'A' not added: name, address and member may not hold ':' or a line break"},
        {"':' in the member", "A", 6, "1", "7:8", "Address 'A' not added: name, address and member may not hold ':' or a line break"},
        {"a line break in the name", "A\r\nB", 1, "1", "", "Address 'A\r\nB' not added: name, address and member may not hold ':' or a line break"},
        {"LF in the address", "A", 1, "1\n2", "", "Address 'A' not added: name, address and member may not hold ':' or a line break"},
        {"';' in the name", "A;B", 1, "1", "", "Address 'A;B' not added: a name may not hold ';'"},
        {"SMS has no type word here", "A", 8, "1", "", "Address 'A' not added: destination type 8 cannot be stored in the address book"},
        {"beyond the table", "A", 9, "1", "", "Address 'A' not added: destination type 9 cannot be stored in the address book"},
        {"negative", "A", -1, "1", "", "Address 'A' not added: destination type -1 cannot be stored in the address book"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBook(old);
        QFile::remove(platform.DataFolder() + "/RemoteLog.txt");
        EXPECT_FALSE(Add(c.entryName, c.type, 5, c.address, c.member, true));
        EXPECT_EQ(BookBytes(), old);
        EXPECT_FALSE(QFileInfo::exists(BackupPath()));
        const QString log = QString::fromLatin1(platform.ReadDataFile("RemoteLog.txt"));
        EXPECT_EQ(log, "2012-07-03 09:05:00  " + c.logged + "\r\n");
    }
}

TEST_F(cAddressBookTest, AFailureLeavesTheFileAndIsLogged) {
    const QByteArray old = "Ops:Fax:7:2\r\n";
    WriteBook(old);
    ASSERT_TRUE(QDir().mkdir(BackupPath()));
    EXPECT_FALSE(Add("Agent", 1, 5, "123456", "", false));
    EXPECT_EQ(BookBytes(), old);
    EXPECT_EQ(Logged(), QStringList{"Unknown error occurred in AddAddress. Address Book might not have been updated"});
}

TEST_F(cAddressBookTest, FullDiskLeavesTheFile) {
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const QByteArray old = "Ops:Fax:7:2\r\n";
    WriteBook(old);
    ASSERT_TRUE(QFile::link("/dev/full", BackupPath()));
    EXPECT_FALSE(Add("Agent", 1, 5, "123456", "", false));
    EXPECT_EQ(BookBytes(), old);
    EXPECT_EQ(Logged(), QStringList{"Unknown error occurred in AddAddress. Address Book might not have been updated"});
}

TEST_F(cAddressBookTest, AnAddedEntrySurvivesTheNextWriteOfTheTable) {
    WriteBook("Ops:Fax:7:2\r\n");
    ReadAddressBookFile(m);
    EXPECT_TRUE(Add("Agent", 1, 5, "123456", "12", false));
    EXPECT_EQ(FindAddressEntry(m, "agent", false), 1) << "the table knows the entry at once";

    // The address card changes another entry and saves the table.
    m.AddressBookEntries[0].Address = "3";
    WriteAddressBookFile(m);
    EXPECT_EQ(BookBytes(), "Ops:Fax:7:3\r\nAgent:Telex:5:123456:12\r\n");
}

TEST_F(cAddressBookTest, TheTableHoldsWhatTheFileHolds) {
    WriteBook("M\xfcller:Fax:7:2\r\n");
    // The default code page has "\u00fc" but no "\u03a9".
    EXPECT_TRUE(Add(QString::fromUtf8("\u03a9mega"), 1, 5, "1", "", false));
    EXPECT_EQ(BookBytes(), "M\xfcller:Fax:7:2\r\n?mega:Telex:5:1");
    const QList<AddressEntry> loaded = m.AddressBookEntries;
    ReadAddressBookFile(m);
    EXPECT_EQ(loaded, m.AddressBookEntries);
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0].Name, QString::fromUtf8("M\u00fcller"));
    EXPECT_EQ(loaded[1].Name, "?mega");
}

TEST_F(cAddressBookTest, NothingIsLoggedBeforeALogFileIsSet) {
    cAddressBook quiet{m};
    EXPECT_FALSE(quiet.AddAddress("Agent", 1, 5, "1", "", false));
    EXPECT_FALSE(QFileInfo::exists(platform.DataFolder() + "/RemoteLog.txt"));
}

TEST_F(cAddressBookTest, TheBareInterfaceAddsNothing) {
    WriteBook("");
    std::unique_ptr<IAddressBook> bare = std::make_unique<IAddressBook>();
    bare->SetLogFile("RemoteLog.txt");
    EXPECT_FALSE(bare->AddAddress("Agent", 1, 5, "1", "", false));
    EXPECT_EQ(BookBytes(), "");
    EXPECT_FALSE(QFileInfo::exists(platform.DataFolder() + "/RemoteLog.txt"));
}

}  // namespace
