#include <QCheckBox>
#include <QTest>

#include "editor/SendCommand.h"
#include "foundation/Definitions.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookFixture.h"
#include "messages/CTransmission.h"
#include "messages/OutboxOverPtyFixture.h"
#include "messages/SendDialogue.h"
#include "messages/SendingForm.h"
#include "support/FakeMessageEditor.h"
#include "support/LinkTicks.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

// The window around the command, as a record of what it was asked to do.
struct RecordedWindow {
    explicit RecordedWindow(SendCommandLinks& l) {
        l.ChangeToEditor = [this] { Calls << "ChangeToEditor"; };
        l.MobileStatusCaption = [this] { return Caption; };
        l.GetMobileStatus = [this] { return Status; };
        l.ShowOceanRegionNotFound = [this] { Calls << "OceanRegionNotFound"; };
        l.ShowVerifyTransmitPassword = [this] { Calls << "VerifyTransmitPassword"; };
        l.ShowSendingForm = [this] { Calls << "SendingForm"; };
        l.HotListAdd = [this](int id, int parent) { HotList << qMakePair(id, parent); };
        l.ShowWaitForm = [this] { Calls << "WaitForm"; };
        l.ShowLinkTestForm = [this] { Calls << "LinkTestForm"; };
    }
    QString Caption = "Logged in";
    int Status = 5;
    QStringList Calls;
    QList<QPair<int, int>> HotList;
};

class SendCommandTest : public test::AddressBookTest {
protected:
    SendCommandTest() : window(links) {}
    SendCommandLinks links;
    RecordedWindow window;
};

const QString kLesBox = "Please select Default LES and ISP provider!\r\n\r\nGo to Menu: <Setup>, <Set Default LES> and "
                        "<Set Default ISP>";

TEST_F(SendCommandTest, ChecksInTurnAndCountsEveryUse) {
    const struct {
        const char* name;
        int status;
        QString caption;
        OceanIndex ocean;
        QString lesWest;
        QString lesEast;
        QString provider;
        quint8 priority;
        QString password;
        bool passwordDialog;
        SendRefusal refusal;
        QString shown;  // the last window call after ChangeToEditor
        QString box;
    } cases[] = {
        {"no link", 0, "Mobile not connected", kOceanAorW, "112", "", "101", 0, "", true, SendRefusal::NoOceanRegion,
         "OceanRegionNotFound", ""},
        {"no status text", 5, "", kOceanAorW, "112", "", "101", 0, "", true, SendRefusal::NoOceanRegion,
         "OceanRegionNotFound", ""},
        {"no ocean region yet", 5, "Logged in", kOceanNone, "112", "", "101", 0, "", true,
         SendRefusal::NoOceanRegion, "OceanRegionNotFound", ""},
        {"distress test", 6, "Sending Distress test!", kOceanAorW, "112", "", "101", 0, "", true,
         SendRefusal::DistressInProgress, "", "Sending Distress in progress!\r\n\r\nSending not allowed"},
        {"distress alert", 1, "Sending Distress", kOceanAorW, "112", "", "101", 0, "", true,
         SendRefusal::DistressInProgress, "", "Sending Distress in progress!\r\n\r\nSending not allowed"},
        {"link test", 2, "Link Test...", kOceanAorW, "112", "", "101", 0, "", true, SendRefusal::LinkTestInProgress,
         "", "Link Test in progress!\r\n\r\nSending not allowed"},
        {"LES 000", 5, "Logged in", kOceanAorW, "000", "", "101", 0, "", true, SendRefusal::NoDefaultLesOrProvider,
         "", kLesBox},
        {"no LES here, one elsewhere", 5, "Logged in", kOceanAorW, "", "112", "101", 0, "", true,
         SendRefusal::NoDefaultLesOrProvider, "", kLesBox},
        {"LES elsewhere missing", 5, "Logged in", kOceanAorE, "", "112", "101", 0, "", true, SendRefusal::None,
         "SendingForm", ""},
        {"LES but no provider", 5, "Logged in", kOceanAorW, "112", "", "", 0, "", true,
         SendRefusal::NoDefaultLesOrProvider, "", kLesBox},
        {"distress needs no provider", 5, "Logged in", kOceanAorW, "112", "", "", 1, "", true, SendRefusal::None,
         "SendingForm", ""},
        {"distress still needs the LES", 5, "Logged in", kOceanAorW, "", "", "101", 1, "", true,
         SendRefusal::NoDefaultLesOrProvider, "", kLesBox},
        {"all set", 5, "Logged in", kOceanAorW, "112", "", "101", 0, "", true, SendRefusal::None, "SendingForm", ""},
        {"password, routine", 5, "Logged in", kOceanAorW, "112", "", "101", 0, "x1y2", true, SendRefusal::None,
         "VerifyTransmitPassword", ""},
        {"password, distress", 5, "Logged in", kOceanAorW, "112", "", "101", 1, "x1y2", true, SendRefusal::None,
         "SendingForm", ""},
        {"password without its check", 5, "Logged in", kOceanAorW, "112", "", "101", 0, "x1y2", false,
         SendRefusal::None, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestPlatform fresh;
        Foundation g{fresh.Os};
        g.gIniEntries.Items = {{"[Default LES West]", c.lesWest}, {"[Default LES East]", c.lesEast}};
        g.gIniEntries.Loaded = g.gIniEntries.LoadTried = true;
        if (c.ocean != kOceanNone) {
            g.gConfiguration.SetLastOcean(c.ocean);
            g.gConfiguration.SetDefaultISPLes(c.ocean, c.provider);
        }
        g.gSession.SetMessagePriority(c.priority);
        if (!c.password.isEmpty()) fresh.Settings.Save(g.gProductName, "Config", "Transmit Password", c.password);
        SendCommandLinks l = links;
        RecordedWindow w(l);
        w.Status = c.status;
        w.Caption = c.caption;
        if (!c.passwordDialog) l.ShowVerifyTransmitPassword = nullptr;

        EXPECT_EQ(SendMessage_Click(g, l), c.refusal);
        QStringList expected{"ChangeToEditor"};
        if (!c.shown.isEmpty()) expected << c.shown;
        EXPECT_EQ(w.Calls, expected);
        EXPECT_EQ(w.HotList, (QList<QPair<int, int>>{{2020, 0}}));
        if (c.box.isEmpty()) {
            EXPECT_TRUE(fresh.Boxes.Shown.isEmpty());
        } else {
            ASSERT_EQ(fresh.Boxes.Shown.size(), 1);
            EXPECT_EQ(fresh.Boxes.Shown[0].text, c.box);
            EXPECT_EQ(fresh.Boxes.Shown[0].buttons, MsgButtons::Ok);
            EXPECT_EQ(fresh.Boxes.Shown[0].title, c.box == kLesBox ? "Default LES & ISP FAILURE!" : "Info");
        }
    }
}

TEST_F(SendCommandTest, ScanQueuesAtTheFrontEveryTime) {
    QueueCommand(link, "st -v", true, false);
    ScanMenu_Click(link, links);
    ScanMenu_Click(link, links);
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nnc -s\r\n\r\nnc -s\r\nst -v\r\n");
    EXPECT_EQ(window.HotList, (QList<QPair<int, int>>{{2055, 0}, {2055, 0}}));
    EXPECT_TRUE(window.Calls.isEmpty());
}

TEST_F(SendCommandTest, LinkTestAsksOnlyAConnectedTransceiver) {
    LinktestMenu_Click(f, link, links);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(window.Calls, QStringList{"LinkTestForm"});

    f.gSession.SetMesConnected(true);
    LinktestMenu_Click(f, link, links);
    LinktestMenu_Click(f, link, links);
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nst -m\r\n\r\nst -m\r\n");
    EXPECT_EQ(window.Calls, (QStringList{"LinkTestForm", "WaitForm", "WaitForm"}));
    EXPECT_EQ(window.HotList, (QList<QPair<int, int>>{{2058, 0}, {2058, 0}, {2058, 0}}));
}

// The Send command and the scan against the simulated transceiver on a pseudo-terminal.
class SendCommandOverPty : public test::OutboxOverPty {
protected:
    void SetUp() override {
        PrepareOutbox();
        InitDestinationTypeNames(f);
        const QString book = platform.DataFolder() + "/addressbook/";
        QDir().mkpath(book);
        platform.WriteDataFile("addressbook/address.dat", "Ops:Email:7:ops@owner.example\r\n");
        f.gIniEntries.Items.append({"[addressbook]", book});
        f.gIniEntries.Items.append(KeyValuePair{"[Default ISP]", "Shore Mail"});
        f.gIniEntries.Items.append(KeyValuePair{"[Default LES West]", "112"});
        IspRecord isp;
        isp.Name = "Shore Mail";
        isp.AddressType = "Direct";
        isp.Address = "5678";
        isp.ToPrefix = "To: ";
        f.gIspList = {isp};
        ReadAddressBookFile(messages);
        f.gConfiguration.SetLastOcean(kOceanAorW);
        messages.Editor = &editor;
        links.ChangeToEditor = [] {};
        links.MobileStatusCaption = [] { return QStringLiteral("Logged in"); };
        links.GetMobileStatus = [] { return 5; };
        links.ShowSendingForm = [this] { ShowSendingForm(messages); };

        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntil([&] { return Idle(); }));
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.ReceivedBytes.clear();
    }
    void TearDown() override { UnloadSendingForm(messages); }

    bool RunUntil(const std::function<bool()>& done, int ms = 20000) {
        return test::RunLinkUntil(link, platform.Clock, done, ms);
    }
    bool Idle() const { return test::LinkIdle(link); }

    test::FakeMessageEditor editor;
    SendCommandLinks links;
};

TEST_F(SendCommandOverPty, WithoutAProviderNothingIsQueuedThenTheDialogueSends) {
    editor.Fields[0] = "Ops;";
    editor.Text = "All well";
    EXPECT_EQ(SendMessage_Click(f, links), SendRefusal::NoDefaultLesOrProvider);
    EXPECT_FALSE(messages.SendingForms.SendingForm.isLoaded());
    RunUntil([] { return false; }, 200);
    EXPECT_TRUE(shell.ReceivedBytes.isEmpty());

    f.gConfiguration.SetDefaultISPLes(kOceanAorW, "101");
    EXPECT_EQ(SendMessage_Click(f, links), SendRefusal::None);
    ASSERT_TRUE(messages.SendingForms.SendingForm.isLoaded());
    SendingForm& form = messages.SendingForms.SendingForm.get();
    EXPECT_TRUE(form.isVisible());
    form.ConfirmationCheck->setChecked(false);
    form.OKButton_Click();
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 1; }));
    EXPECT_TRUE(shell.ReceivedBytes.contains("tx "));
}

TEST_F(SendCommandOverPty, ScanGetsThePromptBack) {
    ScanMenu_Click(link, links);
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    // The front of the queue starts with an empty line, then the command.
    EXPECT_EQ(shell.ReceivedBytes, "\r\nnc -s\r\n");
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

}  // namespace
