#include <QFileInfo>
#include <vector>

#include "AddressBookFixture.h"
#include "foundation/IniFile.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookTable.h"

using namespace tidepost;
using tidepost::test::kCouldNotOpen;

namespace {

using AddressBookFileTest = test::AddressBookTest;
using Entries = QList<AddressEntry>;

AddressEntry Entry(const QString& name, int type, int format, const QString& address, const QString& member = {}) {
    return {name, static_cast<std::int16_t>(type), static_cast<std::int16_t>(format), address, member};
}

// A file and the table that goes with it.
struct FileCase {
    const char* name;
    QByteArray file;
    Entries entries;
};

TEST_F(AddressBookFileTest, ReadsOneEntryPerNonEmptyLine) {
    const std::vector<FileCase> cases = {
        {"an empty file gives one free slot", "", {AddressEntry{}}},
        {"only blank lines give one free slot", "  \r\n\r\n ", {AddressEntry{}}},
        {"blanks around lines and empty lines between them",
         "  Agent:Telex:5:123456  \r\n\r\n   \r\nOps:DNID:8:12345:7\r\n",
         {Entry("Agent", 1, 0, "123456"), Entry("Ops", 6, 2, "12345", "7")}},
        {"type words compare with letter case", "Agent:telex:5:123456", {Entry("Agent", 0, 0, "123456")}},
        {"blanks around ':' stay in the fields", "Agent : Telex : 5 : 123456",
         {Entry("Agent ", 0, 0, " 123456")}},
        {"one field", "Agent", {Entry("Agent", 0, 0, "")}},
        {"five fields", "Agent:Telex:5:123456:12", {Entry("Agent", 1, 0, "123456", "12")}},
        {"fields after the fifth are ignored, no words where words belong", "a:b:Email:5:x:y",
         {Entry("a", 0, 0, "5", "x")}},
        {"every type word and format digit",
         "a:Email:5:1\r\nb:Telex:7:2\r\nc:Fax:8:3\r\nd:InmC:5:4\r\ne:PSTN:5:5\r\nf:SAC:5:6\r\ng:DNID:5:7\r\n"
         "h:X25:5:8\r\ni:SMS:5:9\r\nj:X.25:6:10\r\nk:E-Mail:05:11",
         {Entry("a", 0, 0, "1"), Entry("b", 1, 1, "2"), Entry("c", 2, 2, "3"), Entry("d", 3, 0, "4"),
          Entry("e", 4, 0, "5"), Entry("f", 5, 0, "6"), Entry("g", 6, 0, "7"), Entry("h", 7, 0, "8"),
          Entry("i", 8, 0, "9"), Entry("j", 0, 0, "10"), Entry("k", 0, 0, "11")}},
        {"lines ended by LF alone, no CR left in a field", "A:Fax:7:1\nB:Fax:8:2\n",
         {Entry("A", 2, 1, "1"), Entry("B", 2, 2, "2")}},
        {"ANSI bytes, one character each", "M\xfcller:Telex:5:\xe9", {Entry(QString::fromUtf8("M\u00fcller"), 1, 0, QString::fromUtf8("\u00e9"))}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        m.AddressBookEntries = {Entry("stale", 1, 1, "1")};
        WriteBook(c.file);
        ReadAddressBookFile(m);
        EXPECT_EQ(m.AddressBookEntries, c.entries);
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(AddressBookFileTest, ReadsMoreEntriesThanASixteenBitIndexCounts) {
    QByteArray file;
    for (int i = 0; i < 40000; ++i) file += "N" + QByteArray::number(i) + ":Telex:5:" + QByteArray::number(i) + "\r\n";
    WriteBook(file);
    ReadAddressBookFile(m);
    ASSERT_EQ(m.AddressBookEntries.size(), 40000);
    EXPECT_EQ(m.AddressBookEntries.last(), Entry("N39999", 1, 0, "39999"));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());

    // and writes them all back
    WriteAddressBookFile(m);
    EXPECT_EQ(BookBytes(), file);
}

TEST_F(AddressBookFileTest, WritesOneLinePerNamedEntry) {
    const std::vector<FileCase> cases = {
        {"one free slot gives an empty file", "", {AddressEntry{}}},
        {"four fields, or five with a member or prefix",
         "Agent:Telex:5:123456:12\r\nMail:Email:7:a@b.c\r\nOps:DNID:8:12345:7\r\n",
         {Entry("Agent", 1, 0, "123456", "12"), Entry("Mail", 0, 1, "a@b.c"), Entry("Ops", 6, 2, "12345", "7")}},
        {"free slots and blank names are left out, names are written as stored", " Agent :X25:5:2\r\nSms:SMS:5:3\r\n",
         {AddressEntry{}, Entry("   ", 1, 0, "1"), Entry(" Agent ", 7, 0, "2"), AddressEntry{}, Entry("Sms", 8, 0, "3")}},
        {"ANSI bytes", "M\xfcller:Fax:8:1\r\n", {Entry(QString::fromUtf8("M\u00fcller"), 2, 2, "1")}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBook("old content\r\n");
        m.AddressBookEntries = c.entries;
        WriteAddressBookFile(m);
        EXPECT_EQ(BookBytes(), c.file);
        EXPECT_FALSE(QFileInfo::exists(BackupPath()));
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_TRUE(Queued().isEmpty());
}

TEST_F(AddressBookFileTest, WhatIsReadIsWrittenBackUnchanged) {
    const QByteArray file = "Agent:Telex:5:123456:12\r\nOps:DNID:8:12345:7\r\nMail:Email:7:a@b.c\r\n";
    WriteBook(file);
    ReadAddressBookFile(m);
    WriteBook("");
    WriteAddressBookFile(m);
    EXPECT_EQ(BookBytes(), file);
}

// The address fields separate names by ";": a name holding one could never be sent to. It gives
// no entry, and its line stays in the file.
TEST_F(AddressBookFileTest, ANameWithASemicolonIsNoEntryButItsLineIsKept) {
    WriteBook("Agent:Telex:5:1\r\nOps;Crew:Email:7:a@b.c\r\nMail:Email:7:x@y.z\r\n");
    ReadAddressBookFile(m);
    QStringList names;
    for (const AddressEntry& e : m.AddressBookEntries) names << e.Name;
    EXPECT_EQ(names, (QStringList{"Agent", "Mail"}));
    EXPECT_LT(FindAddressEntry(m, "Ops;Crew", false), 0);

    m.AddressBookEntries.append(Entry("New", 1, 0, "2"));
    WriteAddressBookFile(m);
    EXPECT_EQ(BookBytes(), "Agent:Telex:5:1\r\nMail:Email:7:x@y.z\r\nNew:Telex:5:2\r\nOps;Crew:Email:7:a@b.c\r\n");
}

TEST_F(AddressBookFileTest, FolderAndFileAreFoundWhateverTheirLetterCase) {
    QDir(platform.DataFolder()).rename("addressbook", "AddressBook");
    platform.WriteDataFile("AddressBook/Address.DAT", "Agent:Telex:5:1\r\n");
    SetIniValue(f, "[addressbook]", platform.DataFolder() + "/ADDRESSBOOK", false);

    ReadAddressBookFile(m);
    EXPECT_EQ(m.AddressBookEntries, Entries{Entry("Agent", 1, 0, "1")});

    m.AddressBookEntries.append(Entry("Ops", 2, 0, "2"));
    WriteAddressBookFile(m);
    EXPECT_EQ(platform.ReadDataFile("AddressBook/Address.DAT"), "Agent:Telex:5:1\r\nOps:Fax:5:2\r\n");
    EXPECT_EQ(QDir(platform.DataFolder() + "/AddressBook").entryList(QDir::Files), QStringList{"Address.DAT"});
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(AddressBookFileTest, MissingFolderShowsTheBoxAndPointsTheKeyAtTheDefaultFolder) {
    const QString missing = platform.DataFolder() + "/gone/";
    for (const char* routine : {"ReadAddressBookFile", "WriteAddressBookFile"}) {
        SCOPED_TRACE(routine);
        platform.Boxes.Shown.clear();
        SetIniValue(f, "[addressbook]", missing, false);
        m.AddressBookEntries = {Entry("Agent", 1, 0, "1")};
        if (QString(routine) == "ReadAddressBookFile") ReadAddressBookFile(m);
        else WriteAddressBookFile(m);

        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 76");
        EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(platform.Boxes.Shown[0].text, QString("(") + routine + ") Error '76': Path not found.\r\n" +
                                                    kCouldNotOpen + "\r\nSetting default path.");
        // The data folder's own "addressbook", whose name differs only in case; saved at once.
        const QString fallback = platform.DataFolder() + "/addressbook/";
        EXPECT_EQ(GetIniValue(f, "[addressbook]"), fallback);
        EXPECT_TRUE(platform.ReadDataFile("Tidepost.ini").contains("[addressbook]\r\n" + fallback.toLocal8Bit()));
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
    EXPECT_EQ(m.AddressBookEntries.size(), 1);
}

TEST_F(AddressBookFileTest, DefaultFolderIsTheDataFoldersAddressBookFolderInAnyLetterCase) {
    QDir(BookFolder()).removeRecursively();
    SetDefaultAddressBookDir(f);
    EXPECT_EQ(GetIniValue(f, "[addressbook]"), platform.DataFolder() + "/Addressbook/");
    QDir().mkdir(BookFolder());
    SetDefaultAddressBookDir(f);
    EXPECT_EQ(GetIniValue(f, "[addressbook]"), platform.DataFolder() + "/addressbook/");
    QDir(platform.DataFolder()).rename("addressbook", "ADDRESSBOOK");
    SetDefaultAddressBookDir(f);
    EXPECT_EQ(GetIniValue(f, "[addressbook]"), platform.DataFolder() + "/ADDRESSBOOK/");
}

TEST_F(AddressBookFileTest, OtherReadFailuresShowTheBoxAndKeepTheFolderKey) {
    struct Case {
        const char* name;
        bool bookIsFolder;
        int number;
        QString text;
    } cases[] = {
        {"address.dat is a folder", true, 70,
         "(ReadAddressBookFile) Error '70': Permission denied.\r\n" + kCouldNotOpen},
        {"address.dat is missing", false, 53, "(ReadAddressBookFile) Error '53': File not found.\r\n"},
    };
    const QString key = GetIniValue(f, "[addressbook]");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.Boxes.Shown.clear();
        QFile::remove(BookPath());
        QDir().rmdir(BookPath());
        if (c.bookIsFolder) {
            ASSERT_TRUE(QDir().mkdir(BookPath()));
        }
        m.AddressBookEntries = {Entry("Agent", 1, 0, "1"), Entry("Ops", 1, 0, "2")};
        ReadAddressBookFile(m);
        EXPECT_EQ(m.AddressBookEntries, Entries{AddressEntry{}});
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].title, "Error " + QString::number(c.number));
        EXPECT_EQ(platform.Boxes.Shown[0].text, c.text);
        EXPECT_EQ(GetIniValue(f, "[addressbook]"), key);
        EXPECT_FALSE(QFileInfo(BookPath()).isFile()) << "a missing file is not created";
    }
}

TEST_F(AddressBookFileTest, FailedWriteLeavesTheOldFileAndKeepsTheFolderKey) {
    const QByteArray old = "Agent:Telex:5:1\r\n";
    WriteBook(old);
    const QString key = GetIniValue(f, "[addressbook]");
    m.AddressBookEntries = {Entry("Ops", 2, 0, "2")};
    ASSERT_TRUE(QDir().mkdir(BackupPath()));
    WriteAddressBookFile(m);
    EXPECT_EQ(BookBytes(), old);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 75");
    EXPECT_EQ(platform.Boxes.Shown[0].text, "(WriteAddressBookFile) Error '75': Path/File access error.\r\n" + kCouldNotOpen);
    EXPECT_EQ(GetIniValue(f, "[addressbook]"), key);
}

TEST_F(AddressBookFileTest, FullDiskHalfWayQueuesTheDiskSpaceTextAndLeavesTheOldFile) {
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const QByteArray old = "Agent:Telex:5:1\r\n";
    WriteBook(old);
    m.AddressBookEntries = {Entry("Ops", 2, 0, "2"), Entry("Agent", 1, 0, "1")};
    ASSERT_TRUE(QFile::link("/dev/full", BackupPath()));
    WriteAddressBookFile(m);
    EXPECT_EQ(BookBytes(), old);
    EXPECT_EQ(Queued(), QStringList{"(AddressBook.WriteAddressBookFile) Error: Not enough disk space.\r\n"
                                    "Due to this error, the address book can not be saved."});
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(BackupPath()));
}

TEST_F(AddressBookFileTest, AnEntryTheFileCannotHoldIsNeverWritten) {
    const QByteArray old = "Agent:Telex:5:1\r\n";
    const Entries cases[] = {
        {Entry("A:B", 1, 0, "1")},
        {Entry("Ops", 1, 0, "1:2")},
        {Entry("Ops", 6, 0, "1", "7:8")},
        {Entry("Ops\r\nEvil", 1, 0, "1")},
        {Entry("Ops", 1, 0, "1\n2")},
        {Entry("Ops", 1, 0, "1", "7\r")},
        {Entry("Fine", 1, 0, "1"), Entry("Bad:Name", 1, 0, "2")},
        {Entry("Ops;Crew", 1, 0, "1")},
    };
    for (const Entries& entries : cases) {
        SCOPED_TRACE(entries.last().Name.toStdString());
        platform.Boxes.Shown.clear();
        WriteBook(old);
        m.AddressBookEntries = entries;
        WriteAddressBookFile(m);
        EXPECT_EQ(BookBytes(), old);
        EXPECT_FALSE(QFileInfo::exists(BackupPath()));
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 5");
        EXPECT_EQ(platform.Boxes.Shown[0].text, "(WriteAddressBookFile) Error '5': The entry '" + entries.last().Name +
                                                    "' holds a ':', a ';' or a line break, which the file cannot "
                                                    "store.\r\n");
    }
}

}  // namespace
