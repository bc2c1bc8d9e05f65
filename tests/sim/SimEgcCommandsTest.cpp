#include <gtest/gtest.h>

#include "sim/SimEgcStore.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

const QDateTime kNow(QDate(2006, 12, 31), QTime(14, 5), Qt::UTC);

struct EgcShell : ::testing::Test {
    EgcShell() {
        SimEgc a;
        a.Number = 7;
        a.Les = 101;
        a.Service = 31;
        a.Priority = 3;
        a.Received = kNow;
        a.Reference = 1234;
        a.Text = QString("x").repeated(512);
        EXPECT_TRUE(shell.EgcStore.Add(a));
        SimEgc b;
        b.Received = QDateTime(QDate(1999, 3, 4), QTime(8, 5), Qt::UTC);
        b.Routing = "Pr";
        b.Text = "Short";
        b.ListedSize = 40000;
        EXPECT_TRUE(shell.EgcStore.Add(b));
    }
    // The text between the echo line and the prompt.
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    QStringList Lines(const QString& command, const QString& end) {
        QStringList lines = Body(command).split(end);
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    static QString Col(const QString& line, int first, int last) { return line.mid(first - 1, last - first + 1); }
    SimShell shell;
};

TEST_F(EgcShell, FirstListingLayoutColumns) {
    const QStringList lines = Lines("ls EGC.*", shell.LineEnd);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[3].endsWith(" bytes free"));
    const QString& line = lines[1];
    EXPECT_EQ(Col(line, 1, 8), "EGC     ");
    EXPECT_EQ(Col(line, 9, 12), ".007");
    EXPECT_EQ(Col(line, 18, 22), "  512");
    EXPECT_EQ(Col(line, 25, 32), "06-12-31");
    EXPECT_EQ(Col(line, 35, 39), "14:05");
    EXPECT_EQ(Col(lines[2], 10, 12), "008") << "numbered on from the highest";
    EXPECT_EQ(Col(lines[2], 18, 22), "40000");
}

TEST_F(EgcShell, SecondListingLayoutColumns) {
    shell.EgcStore.ListingLayout = 2;
    const QStringList lines = Lines("ls EGC.*", shell.LineEnd);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_FALSE(Body("ls EGC.*").contains(" bytes free"));
    const QString& line = lines[1];
    EXPECT_EQ(Col(line, 1, 36), QString("EGC.007").leftJustified(36));
    EXPECT_EQ(Col(line, 37, 44), "06-12-31");
    EXPECT_EQ(Col(line, 45, 46), "  ");
    EXPECT_EQ(Col(line, 47, 51), "14:05");
    EXPECT_EQ(line.mid(51), "512 bytes");
    EXPECT_EQ(lines[2].mid(51), "40000 bytes");
}

TEST_F(EgcShell, LogLinesEndAsTheEcho) {
    for (const QString& end : {QString("\n"), QString("\r\n"), QString("\r\r\n")}) {
        shell.EchoTerminator = end;
        shell.LineEnd = "\r\n";
        const QStringList lines = Lines("st -e", end);
        ASSERT_EQ(lines.size(), 3);
        EXPECT_EQ(lines[1], "101 31 3 0 06-12-31 14:05 512 1234 0 0 +M EGC.007");
        EXPECT_EQ(lines[2].split(' ').size(), 12);
        EXPECT_TRUE(lines[2].endsWith("Pr EGC.008"));
    }
}

TEST_F(EgcShell, FetchAndDelete) {
    for (const QString& options : {QString(" -b -k"), QString(" -b")}) {
        const QString body = Body("ty EGC.007" + options);
        const QStringList parts = body.split(shell.EchoTerminator);
        ASSERT_EQ(parts.size(), 3);
        EXPECT_EQ(parts[2], QString("x").repeated(512));
    }
    EXPECT_EQ(Body("ty EGC.009 -b"), "ty: EGC.009: no such file" + shell.LineEnd);
    EXPECT_EQ(Body("DELETE egc.007"), "");
    EXPECT_EQ(shell.EgcStore.Egcs.size(), 1);
    EXPECT_EQ(Body("delete EGC.007"), "delete: EGC.007: no such file" + shell.LineEnd);
    // The inbox and the uploads keep their own commands.
    EXPECT_TRUE(Body("ls IN.*").contains("bytes free"));
    EXPECT_TRUE(Body("delete IN.001").contains("no such file"));
}

TEST_F(EgcShell, SimulatedArrivalsAndSpecs) {
    shell.EgcStore.Egcs.clear();
    for (int kind : {200, 400, 4, 100}) {
        shell.ReplyTo("db egc sim " + QString::number(kind));
    }
    ASSERT_EQ(shell.EgcStore.Egcs.size(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(shell.EgcStore.Egcs[i].Priority, i);
    EXPECT_FALSE(AddSimulatedEgc(shell.EgcStore, 5, kNow));

    SimEgcStore store;
    QString why;
    EXPECT_TRUE(AddEgcFromSpec(store, "number=7 les=101 service=31 priority=3 language=0 date=2006-12-31T14:05 ref=1234 "
                                      "routing=+M Line one\\nLine two",
                               kNow, &why));
    ASSERT_EQ(store.Egcs.size(), 1);
    EXPECT_EQ(store.Egcs[0].Text, "Line one\r\nLine two");
    EXPECT_FALSE(AddEgcFromSpec(store, "number=7 text", kNow, &why)) << "the number is taken";
    EXPECT_FALSE(AddEgcFromSpec(store, "colour=red text", kNow, &why));
    EXPECT_EQ(why, "unknown key colour");
    EXPECT_FALSE(AddEgcFromSpec(store, "number=1000 text", kNow, &why));
}

}  // namespace
