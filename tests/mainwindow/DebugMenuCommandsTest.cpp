#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

using Handler = void (MainForm::*)();

const QStringList kDebugLabels = {"Label4", "Label5", "Label6", "Label7", "Label10", "Label11", "Label12", "Label14"};

struct DebugMenu : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    MainForm form{f, link, &messages};
    int counted = 0;

    DebugMenu() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Dialogue.EchoTerminator = "\r\n";
        form.HotList.Add = [this](int, int) { ++counted; };
        // The labels and items the window's other parts build.
        for (const char* name : {"Label6", "Label12"}) {
            auto* label = new QLabel(form.centralWidget());
            label->setObjectName(name);
            label->hide();
        }
    }
    QAction* AddCheckItem(const char* name, bool checked = false) {
        auto* item = new QAction(name, &form);
        item->setObjectName(name);
        item->setCheckable(true);
        item->setChecked(checked);
        return item;
    }
    QStringList VisibleLabels() {
        QStringList visible;
        for (const QString& name : kDebugLabels) {
            auto* label = form.findChild<QLabel*>(name);
            if (label == nullptr) visible << name + " missing";
            else if (!label->isHidden()) visible << name;
        }
        return visible;
    }
};

TEST_F(DebugMenu, DebugDisplayShowsAndHidesItsEightLabels) {
    QAction* on = AddCheckItem("OnMenu");
    QAction* off = AddCheckItem("OffMenu", true);
    EXPECT_EQ(VisibleLabels(), QStringList{});
    EXPECT_EQ(form.findChild<QLabel*>("Label14")->text(), "*");

    for (int i = 0; i < 2; ++i) {
        form.OnMenu_Click();
        EXPECT_EQ(link.Dialogue.DebugMode, -1);
        EXPECT_TRUE(on->isChecked());
        EXPECT_FALSE(off->isChecked());
        EXPECT_EQ(VisibleLabels(), kDebugLabels);
    }
    form.SetLabel10Caption("T1: **");
    form.OffMenu_Click();
    EXPECT_EQ(link.Dialogue.DebugMode, 0);
    EXPECT_FALSE(on->isChecked());
    EXPECT_TRUE(off->isChecked());
    EXPECT_EQ(VisibleLabels(), QStringList{});
    EXPECT_EQ(form.Label10Caption(), "T1: **") << "a marker keeps its caption";
}

TEST_F(DebugMenu, ReceiveErrorMarksReachTheFetches) {
    QAction* egc = AddCheckItem("mnuSimEgcRxError");
    QAction* msg = AddCheckItem("mnuSimMsgRxError");
    form.mnuSimEgcRxError_Click();
    EXPECT_TRUE(egc->isChecked());
    EXPECT_TRUE(messages.mnuSimEgcRxError);
    EXPECT_FALSE(messages.mnuSimMsgRxError);
    form.mnuSimMsgRxError_Click();
    form.mnuSimEgcRxError_Click();
    EXPECT_FALSE(egc->isChecked());
    EXPECT_FALSE(messages.mnuSimEgcRxError);
    EXPECT_TRUE(msg->isChecked());
    EXPECT_TRUE(messages.mnuSimMsgRxError);
}

TEST_F(DebugMenu, CheckItemsWithoutEffectOnlyToggle) {
    for (auto [name, run] : {std::pair{"mnuEnableMenus", &MainForm::mnuEnableMenus_Click},
                             std::pair{"mnuSimDistressGenerator", &MainForm::mnuSimDistressGenerator_Click},
                             std::pair{"mnuSim_st_e", &MainForm::mnuSim_st_e_Click},
                             std::pair{"mnuSimEnids", &MainForm::mnuSimEnids_Click}}) {
        QAction* item = AddCheckItem(name);
        (form.*run)();
        EXPECT_TRUE(item->isChecked()) << name;
        (form.*run)();
        EXPECT_FALSE(item->isChecked()) << name;
    }
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(DebugMenu, TransceiverDebugCommandsGoToTheFrontOnce) {
    const std::pair<Handler, QString> commands[] = {
        {&MainForm::mnuChangeTo560L_Click, "cfg -t 1"},   {&MainForm::mnuChangeTo560M_Click, "cfg -t 2"},
        {&MainForm::mnuChangeTo560D_Click, "cfg -t 5"},   {&MainForm::mnuChangeTo560SSA_Click, "cfg -t 4"},
        {&MainForm::mnuRxEGCRoutine_Click, "db egc sim 200"}, {&MainForm::mnuRxEGCSafety_Click, "db egc sim 400"},
        {&MainForm::mnuRxEGCUrgency_Click, "db egc sim 4"},   {&MainForm::mnuRxEGCDistress_Click, "db egc sim 100"},
        {&MainForm::mnuSimInMsg560_Click, "db msghdl rx 2"},  {&MainForm::mnuSimInDistMsg560_Click, "db msghdl rx 10"},
    };
    for (const auto& [run, text] : commands) {
        link.Dialogue.CommandQueue = "st -l\r\n";
        (form.*run)();
        (form.*run)();
        EXPECT_EQ(link.Dialogue.CommandQueue, "\r\n" + text + "\r\nst -l\r\n");
    }
    // Several chosen before the first is sent go out in the reverse order of choice.
    link.Dialogue.CommandQueue.clear();
    form.mnuChangeTo560L_Click();
    form.mnuRxEGCSafety_Click();
    form.mnuSimInMsg560_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\ndb msghdl rx 2\r\n\r\ndb egc sim 400\r\n\r\ncfg -t 1\r\n");
    EXPECT_EQ(counted, 0);
}

TEST_F(DebugMenu, DistressInfosAreOneTextQueuedAgainWhenWaiting) {
    const QString ten =
        "db usrrep 22 1\r\ndb usrrep 21 1\r\ndb usrrep 20 1\r\ndb usrrep 160 1\r\ndb usrrep 161 1\r\n"
        "db usrrep 162 1\r\ndb usrrep 552 1\r\ndb usrrep 553 1\r\ndb usrrep 733 1\r\ndb usrrep 803 1\r\n";
    link.Dialogue.CommandQueue = "st -l\r\n";
    form.mnuSimDistressInfos_Click();
    form.mnuSimDistressInfos_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\n" + ten + ten);
    EXPECT_EQ(counted, 0);
}

TEST_F(DebugMenu, SimulatedRepliesReachTheParserAsARealOneWould) {
    QStringList infos, errors;
    link.Dispatch.CheckInfos = [&](const QString& text) { infos << text; };
    link.Dispatch.CheckErrors = [&](const QString& text) { errors << text; };
    const QString e325 = "ERROR 325: Hardware problems. Distress button failure.\r\nDistress button may no longer work.";
    struct Case {
        Handler run;
        QString infos;   // the text CheckInfos gets; empty: not called
        QString errors;  // the text CheckErrors gets
    } cases[] = {
        {&MainForm::mnuSimInfo21_Click, ": st-l\r\nINFO 21: Distress Acknowledgement received\r\n:", {}},
        {&MainForm::mnuSimInfo22_Click, ": st-l\r\nINFO 22: Sending Distress Alert\r\n:", {}},
        {&MainForm::mnuSimInfo105_Click, {}, ": st-l\r\nERROR 105: Remote Printer not OK\r\n:"},
        {&MainForm::mnuSimInfo111_Click, ": st-l\r\nINFO 111: Update position\r\n:", {}},
        {&MainForm::mnuSimInfo193_Click, ": st-l\r\nINFO 193: Time to enter new position\r\n:", {}},
        {&MainForm::mnuSimInfo116_Click,
         ": st-l\r\nINFO 116: WARNING Test software. Inmarsat-C education version.\r\n"
         "Distress alert and distress message functionalities\r\nare disabled. Distress alert is simulated i.e.\r\n"
         "nothing is transmitted. Distress priority message\r\ntransmission is not possible.\r\n:",
         {}},
        {&MainForm::mnuSimInfo325_Click, {}, ": st-l\r\n" + e325 + "\r\n:"},
        {&MainForm::mnuSimInfo325Double_Click, {}, ": st-l\r\n" + e325 + "\r\n" + e325 + "\r\n:"},
        {&MainForm::mnuSimInfo450_Click, ": st-l\r\nINFO 450: No built-in GPS avaliable.\r\n:", {}},
        {&MainForm::mnuSimInfo473_Click, ": st-l\r\nINFO 473: Received Distress call has been acknowledged.\r\n:", {}},
        {&MainForm::mnuSimInfo553_Click, ": st-l\r\nINFO 553: Distress message has been received.\r\n:", {}},
        {&MainForm::mnuSimInfo111_105_325_103_Click,
         ": st-l\r\nINFO 111: Update position\r\nERROR 105: Remote Printer not OK\r\n" + e325 +
             "\r\nERROR 103: Printer is off-line\r\n:",
         ": st-l\r\nINFO 111: Update position\r\nERROR 105: Remote Printer not OK\r\n" + e325 +
             "\r\nERROR 103: Printer is off-line\r\n:"},
        {&MainForm::mnuSimInfo80_811_393_221_Click,
         QString(": st -l\r\n\r\nINFO   80: Transmission failed.\r\n\r\n\r\nLES 21 Destination \x02"
                 "29       File OUT.021\x03\r\nINFO  811: Message from Land Station: Call rejected:\r\n"
                 "You are not allowed to use the system.\r\nINFO 393: TXLOG Updated\r\n"
                 "INFO 221: Synchronization successful\r\n:"),
         {}},
    };
    for (const Case& c : cases) {
        infos.clear();
        errors.clear();
        (form.*c.run)();
        EXPECT_EQ(infos, c.infos.isEmpty() ? QStringList{} : QStringList{c.infos});
        EXPECT_EQ(errors, c.errors.isEmpty() ? QStringList{} : QStringList{c.errors});
    }
    // Another line end learnt from the transceiver is used in the text.
    link.Dialogue.EchoTerminator = "\n";
    infos.clear();
    form.mnuSimInfo111_Click();
    EXPECT_EQ(infos, QStringList{": st-l\nINFO 111: Update position\n:"});
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty()) << "nothing goes to the transceiver";
    EXPECT_EQ(counted, 0);
}

TEST_F(DebugMenu, SimulatedNotificationEndsInTheInfoLog) {
    form.mnuSimInfo193_Click();
    const QByteArray log = platform.ReadDataFile("InfoLog.txt");
    EXPECT_TRUE(log.contains("\x02" "193\x02" "Time to enter new position")) << log.toStdString();
}

TEST_F(DebugMenu, RepairAndDeveloperWindows) {
    int repaired = 0;
    link.Dispatch.CEGC.RepairEgcLog = [&] { ++repaired; };
    form.mnuRepairEgcLog_Click();
    EXPECT_EQ(repaired, 1);

    form.mnuTestRxError_Click();
    ASSERT_TRUE(form.RxErrorTestForm().isLoaded());
    EXPECT_TRUE(form.RxErrorTestForm().loaded()->isVisible());

    int commandForm = 0;
    form.Dialogs.ShowCommandForm = [&] { ++commandForm; };
    form.mnuSendCommand_Click();
    EXPECT_EQ(commandForm, 1);
    EXPECT_EQ(counted, 0);
}

}  // namespace
