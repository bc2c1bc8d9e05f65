#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "StartUpFixture.h"
#include "foundation/MessageBoxQueue.h"
#include "mainwindow/ShellWindows.h"
#include "support/FakeTransceiver.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

struct Start : StartUp {
    QDialog* Disclaimer() { return form->Shell().Disclaimer.loaded(); }
    void Click(const char* button) {
        ASSERT_NE(Disclaimer(), nullptr);
        auto* b = Disclaimer()->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
    QString IniOnDisk() { return QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")); }
    bool Exists(const QString& name) { return QFile::exists(platform.DataFolder() + "/" + name); }
    bool TimerOn(const char* name) { return Find<QTimer>(name)->isActive(); }
};

// ---- the disclaimer ----

TEST_F(Start, DisclaimerComesFirstOverAHiddenWindowBeforeAnyTimerOrMarker) {
    bool looked = false;
    platform.Boxes.OnDialog = [&](QDialog& d) {
        looked = true;
        EXPECT_EQ(d.objectName(), "ASISForm");
        EXPECT_TRUE(d.isModal());
        EXPECT_TRUE(form->IsASISFormVisible());
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(d.findChild<QPlainTextEdit*>("DisclaimerTextBox")->toPlainText().startsWith("Disclaimer of Warranty!\n\n"));
        for (const char* timer : {"Timer1", "Timer2", "Timer_60S", "MessageTimer", "MBoxTimer", "EventTimer"})
            EXPECT_FALSE(TimerOn(timer)) << timer;
        EXPECT_FALSE(Exists("#Tidepost.tmp"));
        EXPECT_TRUE(platform.Serial.OpenedPorts.isEmpty());
    };
    Load({{"[HOST Interface]", "COM"}});
    EXPECT_TRUE(looked);
    EXPECT_FALSE(form->IsASISFormVisible());
}

TEST_F(Start, AcceptingWritesTheKeyAtOnceAndTheStartGoesOn) {
    platform.Boxes.OnDialog = [&](QDialog&) {
        Click("AcceptButton");
        EXPECT_TRUE(IniOnDisk().contains("[AS IS Accepted?]\r\nYES\r\n")) << "on disk before the start-up goes on";
        EXPECT_FALSE(form->IsASISFormVisible());
        EXPECT_TRUE(form->isVisible());
    };
    Load({{"[HOST Interface]", "COM"}});
    EXPECT_FALSE(form->Shell().Disclaimer.isLoaded());
    EXPECT_TRUE(Exists("#Tidepost.tmp"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\r\nst -l\r\nse -p\r\n");
    EXPECT_TRUE(TimerOn("Timer1"));
}

TEST_F(Start, DecliningAndAnsweringNoKeepsTheDisclaimerForAnotherAnswer) {
    platform.Boxes.Answer(MsgAnswer::No);
    platform.Boxes.OnDialog = [&](QDialog&) {
        Click("Command1");
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].text, "Do you want to exit Tidepost ?");
        EXPECT_TRUE(form->IsASISFormVisible());
        EXPECT_FALSE(form->ProgramEnded());
        Click("AcceptButton");
    };
    Load({{"[HOST Interface]", "COM"}});
    EXPECT_FALSE(form->ProgramEnded());
    EXPECT_TRUE(IniOnDisk().contains("[AS IS Accepted?]\r\nYES\r\n"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\r\nst -l\r\nse -p\r\n");
}

// Declined for good: nothing reaches the transceiver, no marker appears, and the start-up goes no
// further.
TEST_F(Start, DecliningAndConfirmingEndsTheProgramThere) {
    int left = 0;
    platform.Serial.Open();  // whatever was open is closed
    platform.Boxes.OnDialog = [&](QDialog&) {
        form->LeaveEventLoop = [&] { ++left; };
        Click("Command1");
    };
    Load({{"[HOST Interface]", "COM"}, {"[SETPCTIME]", "Yes"}});
    EXPECT_TRUE(form->ProgramEnded());
    EXPECT_EQ(left, 1);
    EXPECT_FALSE(form->Shell().Disclaimer.isLoaded());
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Serial.Written(), QByteArray());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_FALSE(Exists("#Tidepost.tmp"));
    EXPECT_FALSE(Exists("Tidepost.tmp"));
    for (const char* timer : {"Timer1", "Timer2", "EventTimer", "Winsock_timer", "SplashTimer"}) EXPECT_FALSE(TimerOn(timer)) << timer;
    EXPECT_FALSE(form->Shell().Splash.isLoaded());
    EXPECT_TRUE(IniOnDisk().contains("[AS IS Accepted?]\r\nNO\r\n"));
}

// A termination signal while a later step's box waits ends the program, and the start-up goes no
// further: the port is never opened and nothing is queued.
TEST_F(Start, AnEndDuringALaterBoxStopsTheStartUpThere) {
    ASSERT_TRUE(QDir().mkpath(platform.DataFolder() + "/addressbook/address.dat"));
    int boxes = 0;
    platform.Boxes.OnShow = [&](const MessageBoxRequest&) {
        ++boxes;
        form->CloseWithoutQuestion();
    };
    LoadAccepted({{"[HOST Interface]", "COM"}});
    EXPECT_EQ(boxes, 1) << "the address book's error box";
    EXPECT_TRUE(form->ProgramEnded());
    EXPECT_TRUE(platform.Serial.OpenedPorts.isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_FALSE(Exists("#Tidepost.tmp"));
    EXPECT_TRUE(Exists("Tidepost.tmp"));
    EXPECT_FALSE(TimerOn("SplashTimer"));
    EXPECT_FALSE(TimerOn("Timer1"));
}

TEST_F(Start, ClosingTheDisclaimerStoresNothingAndAsksAgainNextTime) {
    Load({});  // the scripted operator closes it by its close box
    EXPECT_EQ(platform.Boxes.DialogsShown, QStringList{"ASISForm"});
    EXPECT_FALSE(form->Shell().Disclaimer.isLoaded());
    EXPECT_TRUE(Exists("#Tidepost.tmp"));
    EXPECT_EQ(GetIniValue(f, "[AS IS Accepted?]"), "NO");
    Load({});
    EXPECT_EQ(platform.Boxes.DialogsShown.size(), 2);
}

TEST_F(Start, AcceptanceIsReadAfterUpperCasing) {
    struct Case {
        const char* value;
        bool asked;
    } cases[] = {{"YES", false}, {"yes", false}, {"Yes", false}, {"YE", true}, {"YES!", true}, {"NO", true}, {"", true}};
    for (const Case& c : cases) {
        platform.Boxes.DialogsShown.clear();
        Load({{"[AS IS Accepted?]", c.value}});
        EXPECT_EQ(!platform.Boxes.DialogsShown.isEmpty(), c.asked) << '"' << c.value << '"';
    }
}

// ---- the splash ----

TEST_F(Start, SplashShowsDuringTheStartAndGoesASecondLaterByItsTimer) {
    LoadAccepted({});
    ASSERT_TRUE(form->Shell().Splash.isLoaded());
    QWidget* splash = form->Shell().Splash.loaded();
    EXPECT_TRUE(splash->isVisible()) << "the start-up returns without waiting";
    EXPECT_EQ(splash->findChild<QLabel*>("Label3")->text(), "Please Wait....");
    QTimer* timer = Find<QTimer>("SplashTimer");
    ASSERT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 1000);
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(form->Shell().Splash.isLoaded()) << "hidden, not unloaded";
}

TEST_F(Start, AClickOrAnyKeyClosesTheSplash) {
    for (bool byKey : {false, true}) {
        LoadAccepted({});
        QWidget* splash = form->Shell().Splash.loaded();
        ASSERT_NE(splash, nullptr);
        if (byKey) QTest::keyClick(splash, Qt::Key_Space);
        else QTest::mouseClick(splash, Qt::LeftButton);
        EXPECT_FALSE(form->Shell().Splash.isLoaded()) << byKey;
        // Its timer finds nothing to hide.
        ASSERT_TRUE(QMetaObject::invokeMethod(Find<QTimer>("SplashTimer"), "timeout"));
    }
}

// A start-up that fails at the running marker reports it, leaves no splash and queues no command.
TEST_F(Start, AFailureEndsTheSequenceWithOneReportAndNoSplash) {
    ASSERT_TRUE(QDir().mkpath(platform.DataFolder() + "/#Tidepost.tmp/x"));
    QDir(platform.DataFolder() + "/#Tidepost.tmp").rmdir("x");
    LoadAccepted({{"[HOST Interface]", "COM"}});
    const QStringList queued = test::DrainErrorQueue(f);
    ASSERT_EQ(queued.size(), 1);
    EXPECT_TRUE(queued[0].startsWith("(MainForm.Load) Error '58': ")) << queued[0].toStdString();
    EXPECT_FALSE(form->Shell().Splash.loaded()->isVisible());
    EXPECT_FALSE(Find<QTimer>("SplashTimer")->isActive());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(platform.Serial.OpenedPorts.isEmpty());
    EXPECT_TRUE(TimerOn("Timer1")) << "the program runs on";
    EXPECT_FALSE(form->ProgramEnded());
}

// ---- what the start sets up ----

TEST_F(Start, TextsQueuedBeforeTheStartAreKeptInOrder) {
    platform.WriteDataFile("#Tidepost.tmp", {});
    QueueMessageBox(f, "queued by an earlier step");
    LoadAccepted({});
    EXPECT_EQ(test::DrainErrorQueue(f),
              (QStringList{"queued by an earlier step", "Tidepost was not closed properly last time it was run."}));
}

TEST_F(Start, CaptionVersionAndPcSettingsAdvice) {
    LoadAccepted({});
    EXPECT_EQ(form->windowTitle(), "Kalvenor & Kalvenor Tidepost ");
    // "201" goes with "2.01 ".
    const QString& number = f.VersionNumber;
    ASSERT_GE(number.size(), 3);
    EXPECT_EQ(f.VersionText, number.chopped(2) + "." + number.right(2) + " ");
    EXPECT_TRUE(link.Requests.PcSettingsAdvicePending);
    EXPECT_FALSE(link.Dialogue.ClosingDown);
    EXPECT_FALSE(f.Windows.TrayIconShown);
}

TEST_F(Start, FormsMenuIsOfferedOnlyWithItsFolder) {
    struct Case {
        const char* folder;       // created in the data folder, or none
        const char* setting;      // "ElectronicForms"/"Dir", or none
        bool withForm;            // the folder holds a form
        bool exists, offered;
    } cases[] = {{nullptr, nullptr, false, false, false}, {"html", nullptr, true, true, true},
                 {"html", nullptr, false, true, false},   {"html", "forms", true, false, false},
                 {"forms", "forms", true, true, true}};
    // The server listens on a port the system chooses, never the privileged default.
    platform.Settings.Save("Tidepost", "ElectronicForms", "LocalPort", "0");
    for (const Case& c : cases) {
        QDir(platform.DataFolder() + "/html").removeRecursively();
        QDir(platform.DataFolder() + "/forms").removeRecursively();
        if (c.folder) QDir().mkpath(platform.DataFolder() + "/" + c.folder);
        if (c.folder && c.withForm) platform.WriteDataFile(QString(c.folder) + "/a.htm", "<title>A</title>");
        platform.Settings.DeleteKey("Tidepost", "ElectronicForms", "Dir");
        if (c.setting) platform.Settings.Save("Tidepost", "ElectronicForms", "Dir", c.setting);
        LoadAccepted({});
        QAction* forms = Find<QMenu>("mnuForms")->menuAction();
        EXPECT_EQ(form->FormsFolderExists, c.exists) << c.folder << " " << c.setting;
        EXPECT_EQ(forms->isVisible(), c.offered) << c.folder << " " << c.setting << " " << c.withForm;
        EXPECT_EQ(forms->isEnabled(), c.offered) << c.folder << " " << c.setting << " " << c.withForm;
    }
}

TEST_F(Start, LegacyWidthsAreTakenOverDuringTheStart) {
    platform.WriteDataFile("Tidepost.dat", "[InboxGrid]\r\n10:20\r\n[EGCGrid]\r\n");
    LoadAccepted({});
    EXPECT_EQ(platform.Settings.Get("Tidepost", "Config", "INBOXGRID", ""), "10:20:1000");
    EXPECT_FALSE(Exists("Tidepost.dat"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\r\nst -l\r\nse -p\r\n") << "the start-up went on";
}

// In serial mode with the PC clock to be set, the four first lines reach the transceiver in
// order: the outbox clean-up runs before the port opens, so it closes nothing.
TEST_F(Start, SerialStartSendsAllFourFirstLinesWithTheOutboxSettled) {
    const QByteArray line = "12070301.out;a@b.c;102;E-Mail 7 Bit;12-07-03;09:05; 12;<None>;Initiated;0;0;0;0;03;07;09;05;A;;;Hi\r\n";
    platform.WriteDataFile("sent items/OUT.IDX", line);
    test::FakeTransceiver mes(platform.Serial);
    mes.On("ti -u", "12:00:00 03-07-2012\r\n");
    mes.On("st -l").Repeat = true;
    mes.On("se -p", "Position: unknown\r\n");
    LoadAccepted({{"[HOST Interface]", "COM"}, {"[SETPCTIME]", "Yes"}});
    for (int i = 0; i < 200 && !(link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0 && mes.Idle()); ++i) {
        platform.Clock.AdvanceMs(60);
        form->Timer1_Timer();
    }
    QStringList lines = mes.Received;
    lines.removeAll(QString());
    EXPECT_EQ(lines, (QStringList{"ti -u", "st -l", "st -l", "se -p"}));
    EXPECT_EQ(platform.Serial.CloseCount, 0);
    EXPECT_EQ(platform.ReadDataFile("sent items/OUT.IDX"), QByteArray(line).replace(";Initiated;", ";PC Cleared;"));
}

}  // namespace
