#include <QTest>
#include <gtest/gtest.h>

#include "editor/FolderViewsFixture.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "messages/OutboxOverPtyFixture.h"
#include "messages/SentItemsGrid.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

const QString kOnlyOne =
    "Only one confirmation request can be sent at a time. Please wait until the response from the previous "
    "request has been received.";

struct RequestConfirmation : FolderViewsFixture {
    // Loads the sent-items grid from these lines and makes the row of `file` current.
    void Show(const QList<QByteArray>& lines, const QString& file) {
        Write("OUT.IDX", Lines(lines));
        LoadSentItemsGrid(m);
        const int row = sent->FindRow(0, file);
        ASSERT_GE(row, 1) << file.toStdString();
        sent->SetRow(row);
        views.OutBox_SetAllColumnsSelected();
    }
};

TEST_F(RequestConfirmation, FirstRequestQueuesAndMarksTheSecondIsRefused) {
    const QByteArray other = SubmissionLine("26121002.out", "112", "777", "Delivered");
    Show({SubmissionLine("26121001.out", "112", "12345", "Delivered"), other}, "26121001.out");
    views.ResubmitMessage_Click();
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("co 12345 112\r\n"));
    EXPECT_EQ(Read("OUT.IDX"), Lines({SubmissionLine("26121001.out", "112", "12345", "ConfReq"), other}));
    EXPECT_EQ(GetIniValue(f, "ConfReq"), "26121001.out");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());

    sent->SetRow(sent->FindRow(0, "26121002.out"));
    const QString queue = link.Dialogue.CommandQueue;
    views.ResubmitMessage_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, kOnlyOne);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Confirmation Request");
    EXPECT_EQ(link.Dialogue.CommandQueue, queue);
    EXPECT_TRUE(Read("OUT.IDX").contains(other));
}

TEST_F(RequestConfirmation, EntriesThatCanNeverBeConfirmedAreRefused) {
    struct Case {
        QByteArray line;
        QString file;
    };
    const Case cases[] = {
        {DistressLine("Conf.Ok"), "-"},
        {SubmissionLine("26121003.out", "112", "", "Sending"), "26121003.out"},
        {SubmissionLine("26121003.out", "112", "<None>", "Initiated"), "26121003.out"},
        {SubmissionLine("26121003.out", "112", "-", "Failed"), "26121003.out"},
        {SubmissionLine("26121003.out", "112", "OUT.021", "Sending"), "26121003.out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        platform.Boxes.Shown.clear();
        const QByteArray log = Lines({c.line, DistressLine("Failed")});
        Show({c.line, DistressLine("Failed")}, c.file);
        const QString queue = link.Dialogue.CommandQueue;
        views.ResubmitMessage_Click();
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].text, "ConfReq of this message not possible");
        EXPECT_EQ(link.Dialogue.CommandQueue, queue);
        EXPECT_EQ(Read("OUT.IDX"), log);
        EXPECT_EQ(GetIniValue(f, "ConfReq"), "");
    }
}

TEST_F(RequestConfirmation, AnEmptyGridRefusesWithoutChangingAnything) {
    const QByteArray log = Lines({SubmissionLine("26121001.out", "112", "12345", "Delivered")});
    Write("OUT.IDX", log);
    views.ResubmitMessage_Click();  // the grid holds only its header row
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "ConfReq of this message not possible");
    EXPECT_EQ(Read("OUT.IDX"), log);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

// Against the simulated transceiver over a pseudo-terminal: the request goes out as one command
// line, and the INFO 130 of the status list settles it.
class RequestConfirmationOverPty : public OutboxOverPty {
protected:
    void SetUp() override {
        PrepareOutbox();
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        ASSERT_TRUE(Run("st -l"));
        views.Attach(FolderGridKind::SentItems, &grid);
    }
    bool Run(const QString& command = {}) {
        if (!command.isEmpty()) QueueCommand(link, command, true, false);
        return QTest::qWaitFor(
            [&] {
                Timer1_Timer(link);
                return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0;
            },
            10000);
    }
    FlexGrid grid;
    FolderViews views{f, messages};
};

TEST_F(RequestConfirmationOverPty, CoThenInfo130) {
    const QByteArray line = SubmissionLine("26121001.out", "112", "12345", "Delivered");
    {
        QFile file(outbox + "OUT.IDX");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Lines({line}));
    }
    LoadSentItemsGrid(messages);
    grid.SetRow(1);
    views.ResubmitMessage_Click();
    ASSERT_TRUE(Run());
    EXPECT_EQ(shell.ConfirmationRequests, QStringList{"co 12345 112"});
    EXPECT_EQ(Read("OUT.IDX"), Lines({SubmissionLine("26121001.out", "112", "12345", "ConfReq")}));
    const QByteArray settings = platform.ReadDataFile(f.gProductName + ".ini");
    EXPECT_TRUE(settings.contains("ConfReq\r\n26121001.out\r\n")) << settings.toStdString();

    shell.AddInfo("130", "Delivery confirmation received.");
    ASSERT_TRUE(Run("st -l"));
    EXPECT_EQ(Read("OUT.IDX"), Lines({SubmissionLine("26121001.out", "112", "12345", "ConfOk")}));
    EXPECT_EQ(GetIniValue(f, "ConfReq"), "");
}

}  // namespace
