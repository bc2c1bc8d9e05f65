#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "sim/SimMessageStore.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

const QDateTime kNow(QDate(2006, 12, 31), QTime(23, 59), Qt::UTC);

struct InboxShell : ::testing::Test {
    InboxShell() {
        SimMessage a;
        a.Les = 102;
        a.Priority = 3;
        a.Presentation = 6;
        a.Received = kNow;
        a.Reference = 345;
        a.Column43 = 4;
        a.Routing = "Mem";
        a.Body = QString("x").repeated(812);
        EXPECT_TRUE(shell.Inbox.Add(a));
        SimMessage b;
        b.Number = 17;
        b.Received = QDateTime(QDate(1999, 3, 4), QTime(8, 5), Qt::UTC);
        b.Body = "Short";
        b.ListedSize = 40000;
        EXPECT_TRUE(shell.Inbox.Add(b));
    }
    // The lines between the echo line and the prompt.
    QStringList Lines(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        QStringList lines = reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size()).split(shell.LineEnd);
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    // Columns first..last of a line, counted from 1.
    static QString Col(const QString& line, int first, int last) { return line.mid(first - 1, last - first + 1); }
    SimShell shell;
};

TEST_F(InboxShell, FirstListingLayoutColumns) {
    const QStringList lines = Lines("ls IN.*");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_LT(lines[0].lastIndexOf(':'), 7) << "the header holds no \":\" after column 7";
    EXPECT_TRUE(lines[3].endsWith(" bytes free"));
    EXPECT_FALSE(lines[3].contains(':'));
    const QString& line = lines[1];
    EXPECT_EQ(Col(line, 1, 8), "IN      ");
    EXPECT_EQ(Col(line, 9, 9), ".");
    EXPECT_EQ(Col(line, 10, 12), "001");
    EXPECT_EQ(Col(line, 18, 22), "  812");
    EXPECT_EQ(Col(line, 25, 32), "06-12-31");
    EXPECT_EQ(Col(line, 35, 36), "23");
    EXPECT_EQ(Col(line, 38, 39), "59");
    EXPECT_GT(line.indexOf(':'), 6);
    EXPECT_EQ(Col(lines[2], 10, 12), "017");
    EXPECT_EQ(Col(lines[2], 18, 22), "40000") << "the listed size, not the text's";
    EXPECT_EQ(Col(lines[2], 25, 39), "99-03-04  08:05");
}

TEST_F(InboxShell, SecondListingLayoutColumns) {
    shell.Inbox.ListingLayout = 2;
    const QStringList lines = Lines("ls IN.*");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_FALSE(shell.ReplyTo("ls IN.*").contains(" bytes free"));
    for (const int other : {0, 3}) EXPECT_FALSE(lines[other].contains(" bytes")) << other;
    const QString& line = lines[1];
    EXPECT_EQ(Col(line, 1, 13), "IN           ");
    EXPECT_EQ(line.indexOf('.'), 13) << "the first \".\" in column 14";
    EXPECT_EQ(Col(line, 15, 17), "001");
    EXPECT_EQ(Col(line, 37, 44), "06-12-31");
    EXPECT_EQ(Col(line, 47, 48), "23");
    EXPECT_EQ(Col(line, 50, 51), "59");
    const qsizetype p = line.indexOf(" bytes") + 1;
    EXPECT_GT(p, 8);
    EXPECT_EQ(Col(line, 52, p - 1).trimmed(), "812");
    EXPECT_TRUE(line.endsWith(" bytes"));
    EXPECT_EQ(Col(lines[2], 52, lines[2].indexOf(" bytes")).trimmed(), "40000");
}

TEST_F(InboxShell, MessageLogColumns) {
    const QStringList lines = Lines("st -r");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[0].contains("IN.")) << "only message lines hold \"IN.\"";
    const QString& line = lines[1];
    EXPECT_EQ(Col(line, 1, 3), "102");
    EXPECT_EQ(Col(line, 6, 6), "1");
    EXPECT_EQ(Col(line, 8, 8), "3");
    EXPECT_EQ(Col(line, 10, 10), "6");
    EXPECT_EQ(Col(line, 12, 19), "06-12-31");
    EXPECT_EQ(Col(line, 22, 23), "23");
    EXPECT_EQ(Col(line, 25, 26), "59");
    EXPECT_EQ(Col(line, 28, 32), "  812");
    EXPECT_EQ(Col(line, 34, 41), "     345");
    EXPECT_EQ(Col(line, 43, 43), "4");
    EXPECT_EQ(Col(line, 45, 52), "Mem     ");
    EXPECT_EQ(Col(line, 54, 59), "IN.001");
    EXPECT_EQ(Col(lines[2], 28, 32), "40000");
    EXPECT_EQ(Col(lines[2], 54, 59), "IN.017");
}

TEST_F(InboxShell, FetchSendsTwoHeaderLinesThenTheText) {
    shell.EchoTerminator = "\r\r\n";
    for (const QString& command : {QString("ty IN.017"), QString("ty IN.017 -b"), QString("ty IN.017 -b -k")}) {
        const QString reply = shell.ReplyTo(command);
        const QStringList parts = reply.split(shell.EchoTerminator);
        ASSERT_EQ(parts.size(), 4) << command.toStdString();
        EXPECT_EQ(parts[0], command);
        EXPECT_EQ(parts[3], "Short" + shell.Prompt);
    }
    EXPECT_EQ(shell.ReplyTo("ty IN.009 -b -k"), "ty IN.009 -b -k\r\r\nty: IN.009: no such file\r\n" + shell.Prompt);
    EXPECT_TRUE(shell.ReplyTo("ty IN.017 -z").contains("unknown option -z"));
}

TEST_F(InboxShell, DeleteInAnyLetterCase) {
    EXPECT_EQ(Lines("DELETE in.017"), QStringList());
    EXPECT_EQ(shell.Inbox.Find(17), nullptr);
    EXPECT_EQ(Lines("delete IN.017"), QStringList{"delete: IN.017: no such file"});
    shell.Inbox.KeepNextDelete = true;
    EXPECT_EQ(Lines("delete IN.001"), QStringList());
    EXPECT_NE(shell.Inbox.Find(1), nullptr) << "left undone";
    EXPECT_FALSE(shell.Inbox.KeepNextDelete);
    EXPECT_EQ(Lines("Delete In.001"), QStringList());
    EXPECT_TRUE(shell.Inbox.Messages.isEmpty());
    EXPECT_EQ(Lines("ls IN.*").size(), 2) << "header and free space only";
}

TEST(SimMessageStore, MessagesFromTheControlsWords) {
    SimMessageStore store;
    QString why;
    ASSERT_TRUE(AddMessageFromSpec(store,
                                   "number=0 les=312 c6=2 priority=2 presentation=7 date=2024-02-29T13:45 ref=77 c43=9 "
                                   "routing=PrRe size=5 Two\\nlines",
                                   kNow, &why))
        << why.toStdString();
    const SimMessage& m = store.Messages.last();
    EXPECT_EQ(m.FileNumber(), "000");
    EXPECT_EQ(m.Les, 312);
    EXPECT_EQ(m.Column6, 2);
    EXPECT_EQ(m.Priority, 2);
    EXPECT_EQ(m.Presentation, 7);
    EXPECT_EQ(m.Received, QDateTime(QDate(2024, 2, 29), QTime(13, 45), Qt::UTC));
    EXPECT_EQ(m.Reference, 77);
    EXPECT_EQ(m.Column43, 9);
    EXPECT_EQ(m.Routing, "PrRe");
    EXPECT_EQ(m.Body, "Two\r\nlines");
    EXPECT_EQ(m.Size(), 5);

    ASSERT_TRUE(AddMessageFromSpec(store, "Plain text", kNow));
    EXPECT_EQ(store.Messages.last().Number, 1);
    EXPECT_EQ(store.Messages.last().Received, kNow);
    EXPECT_EQ(store.Messages.last().Size(), 10);

    EXPECT_FALSE(AddMessageFromSpec(store, "number=1 again", kNow, &why)) << "the number is taken";
    EXPECT_FALSE(AddMessageFromSpec(store, "priority=12 text", kNow)) << "one column";
    EXPECT_FALSE(AddMessageFromSpec(store, "size=100000 text", kNow)) << "five columns";
    EXPECT_FALSE(AddMessageFromSpec(store, "colour=red text", kNow, &why));
    EXPECT_EQ(why, "unknown key colour");
    EXPECT_EQ(store.Messages.size(), 2);

    AddSampleMessages(store, 3, kNow);
    ASSERT_EQ(store.Messages.size(), 5);
    EXPECT_EQ(store.Messages.last().Number, 4);
}

TEST(SimMessageStore, MessageFromAFileHoldsItsBytesExactly) {
    QTemporaryDir folder;
    const QString path = folder.path() + "/a packet.txt";
    const QByteArray bytes("$XYWGHJIP$token$SAVEISP$PIJHGWYX$\r\nVERSION 100\r\n\xe9\x01 end", 54);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    SimMessageStore store;
    QString why;
    ASSERT_TRUE(AddMessageFileFromSpec(store, "number=7 priority=1 " + path, kNow, &why)) << why.toStdString();
    const SimMessage& m = store.Messages.last();
    EXPECT_EQ(m.Number, 7);
    EXPECT_EQ(m.Priority, 1);
    EXPECT_EQ(m.Body.toLatin1(), bytes);
    EXPECT_EQ(m.Size(), bytes.size());
    SimShell shell;
    shell.Inbox = store;
    EXPECT_TRUE(shell.ReplyTo("ty IN.007 -b -k").toLatin1().contains(bytes));

    EXPECT_FALSE(AddMessageFileFromSpec(store, "number=8", kNow, &why));
    EXPECT_EQ(why, "no file named");
    EXPECT_FALSE(AddMessageFileFromSpec(store, folder.path() + "/missing", kNow, &why));
    EXPECT_FALSE(AddMessageFileFromSpec(store, "shade=blue " + path, kNow, &why));
    EXPECT_EQ(store.Messages.size(), 1);
}

}  // namespace
