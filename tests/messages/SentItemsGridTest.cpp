#include <gtest/gtest.h>

#include "foundation/RuntimeError.h"
#include "messages/OutboxFixture.h"
#include "messages/SentItemsGrid.h"
#include "platform/IMessageBoxes.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using SentItems = OutboxFixture;

TEST_F(SentItems, OneRowPerLineNewestFirst) {
    Write("OUT.IDX", SubmissionLine("12070301.out", " 102", "<None>", "Initiated", "Al:ice", "Bob,Carol", "") +
                         "\r\n\r\n" + SubmissionLine("12070302.OUT", "102", "OUT.021", "Conf.OK", "", "", "Dave") +
                         "\n" + DistressLine("Conf.Ok") + "\r\n" + "12070303.out;x:y;112;Telex 5 Bit\r\n");
    LoadSentItemsGrid(m);

    ASSERT_EQ(grid.Rows(), 5) << "the caption row and one row per line that is not empty";
    ASSERT_EQ(grid.Cols(), 10);
    EXPECT_EQ(grid.RowTexts(1), (QStringList{"12070303.out", "", "xy", "112", "Telex 5 Bit", " ", "", "", "", ""}))
        << "a short line leaves the missing fields empty";
    EXPECT_EQ(grid.RowTexts(2), (QStringList{"12070302.OUT", "Dave", "alice@example.org", "102", "E-Mail 7 Bit",
                                             "12-07-03 09:05", "09:05", "12", "OUT.021", "Conf.OK"}))
        << "only the Bcc alias, and \"Conf.OK\" as stored";
    EXPECT_EQ(grid.RowTexts(3), (QStringList{"12070301.out", "Alice,Bob,Carol", "alice@example.org", "102",
                                             "E-Mail 7 Bit", "12-07-03 09:05", "09:05", "12", "<None>", "Initiated"}));
    EXPECT_EQ(grid.RowTexts(4), (QStringList{"-", "SEARCH & RESCUE", "MRCC", "Auto", "Distress Alert",
                                             "12-07-02 18:30", "18:30", "-", "-", "Conf.Ok"}));
    for (int col = 0; col < 10; ++col) {
        EXPECT_EQ(grid.At(4, col).ForeColor, 255) << "alerts to search and rescue are red";
        EXPECT_EQ(grid.At(3, col).ForeColor, 0);
        EXPECT_EQ(grid.At(3, col).Alignment, kFlexAlignLeftCenter);
    }
    EXPECT_EQ(grid.Sorts, QList<int>{kFlexSortStringNoCaseDescending});
    EXPECT_EQ(grid.RedrawCalls, (QList<bool>{false, true}));
    EXPECT_EQ(views.Calls, (QStringList{"RestoreSentItemsGridWidths", "OutBox_SetAllColumnsSelected"}));
}

TEST_F(SentItems, StatusesAreShownInTheUsersLanguage) {
    f.Strings.SetMlLanguage(1049);
    Write("OUT.IDX", SubmissionLine("12070309.out", "102", "<None>", "Initiated") + "\r\n" +
                         SubmissionLine("12070308.out", "102", "OUT.1", "Sending") + "\r\n" +
                         SubmissionLine("12070307.out", "102", "OUT.2", "Delivered") + "\r\n" +
                         SubmissionLine("12070306.out", "102", "OUT.3", "ConfReq") + "\r\n" +
                         SubmissionLine("12070305.out", "102", "OUT.4", "Conf.Ok") + "\r\n" +
                         SubmissionLine("12070304.out", "102", "OUT.5", "Failed") + "\r\n" +
                         SubmissionLine("12070303.out", "102", "OUT.6", "PC Cleared") + "\r\n" +
                         SubmissionLine("12070302.out", "102", "OUT.7", "MES Cleared") + "\r\n" +
                         SubmissionLine("12070301.out", "102", "OUT.8", "<None>") + "\r\n" +
                         SubmissionLine("12070300.out", "102", "OUT.9", "Conf.OK") + "\r\n" +
                         SubmissionLine("1207030.out", "102", "OUT.10", "ConfOk") + "\r\n" +
                         SubmissionLine("120703.out", "102", "OUT.11", "Failed. Error code: '12'") + "\r\n" +
                         SubmissionLine("12070.out", "102", "OUT.12", "initiated") + "\r\n");
    LoadSentItemsGrid(m);
    QStringList shown;
    for (int row = 1; row < grid.Rows(); ++row) shown.append(grid.Text(row, 9));
    EXPECT_EQ(shown, (QStringList{QString::fromUtf8("Инициировано"), QString::fromUtf8("Отправка"),
                                  QString::fromUtf8("Доставлено"), QString::fromUtf8("Запрос подтв."),
                                  QString::fromUtf8("Подтв. ОК"), QString::fromUtf8("Ошибка"),
                                  QString::fromUtf8("Сброшено (ПК)"), QString::fromUtf8("Сброшено (MES)"),
                                  QString::fromUtf8("<Нет>"), "Conf.OK", "ConfOk", "Failed. Error code: '12'",
                                  "initiated"}));
}

TEST_F(SentItems, AnEmptyLogLeavesTheGridAsTheCallerLeftIt) {
    Write("OUT.IDX", "\r\n\r\n");
    LoadSentItemsGrid(m);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Text(0, 0), "");
}

TEST_F(SentItems, AMissingLogIsCreatedEmpty) {
    LoadSentItemsGrid(m);
    EXPECT_EQ(Read("OUT.IDX"), "");
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(SentItems, AnUnusableFolderIsReportedAndTheProgramGoesOn) {
    f.gConfiguration.DataPath = "/data/ship";
    f.gOutboxDir = outbox + "/gone/";
    grid.SetRows(7);
    LoadSentItemsGrid(m);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    const MessageBoxRequest& box = platform.Boxes.Shown[0];
    EXPECT_EQ(box.title, "Sent Items directory warning!");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.text,
              "Default Sent Items Directory (/data/ship/SentItems\\ and index file not found!\r\n\r\n"
              "This might be because the Tidepost.ini file is from an older Tidepost installation.\r\n\r\n"
              "Please delete /DATA/SHIP/TIDEPOST.INI and restart Tidepost.");
    EXPECT_EQ(grid.Rows(), 1) << "the grid keeps its caption row";
    EXPECT_TRUE(grid.Redraw);
}

TEST_F(SentItems, WithoutAGridNothingIsDrawn) {
    m.OutboxMSGrid = nullptr;
    Write("OUT.IDX", SubmissionLine("12070301.out", "102", "<None>", "Initiated") + "\r\n");
    LoadSentItemsGrid(m);
    EXPECT_TRUE(views.Calls.isEmpty());
}

TEST_F(SentItems, AnUnreadableLogGoesToTheCaller) {
    // A file that exists but whose first read fails: this process's memory at address 0.
    ASSERT_TRUE(QFile::link("/proc/self/mem", outbox + "/OUT.IDX"));
    EXPECT_THROW(LoadSentItemsGrid(m), RuntimeError);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "an existing log is no unusable folder";
}

TEST_F(SentItems, LongLogsFillEveryRow) {
    QByteArray log;
    for (int i = 0; i < 40000; ++i)
        log += SubmissionLine(QString("%1.out").arg(i, 8, 10, QChar('0')), "102", "<None>", "Initiated") + "\r\n";
    Write("OUT.IDX", log);
    LoadSentItemsGrid(m);
    ASSERT_EQ(grid.Rows(), 40001);
    EXPECT_EQ(grid.Text(1, 0), "00039999.out");
    EXPECT_EQ(grid.Text(40000, 0), "00000000.out");
}

}  // namespace
