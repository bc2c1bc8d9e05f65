#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ConfigFixture.h"
#include "config/CommandForm.h"
#include "config/MobileNoChangeForm.h"
#include "config/StatusWindows.h"
#include "config/SystemInfoForm.h"
#include "config/TestSoundForm.h"
#include "link/CommandQueue.h"
#include "link/PeriodicPolls.h"
#include "sim/SimShell.h"
#include "support/QueuedTexts.h"

namespace tidepost::test {
namespace {

// The configuration area with the simulated transceiver's replies dispatched as the engine hands
// them over, the transceiver answering.
struct StatusDialogs : ConfigFixture {
    sim::SimShell sim;
    StatusDialogs() {
        sim.Transceiver.Utc = QDateTime(QDate(2025, 3, 14), QTime(10, 22, 33), Qt::UTC);
        f.gSession.SetMesConnected(true);
    }
    void Reply(const QString& command) {
        link.Dialogue.ReplyBuffer = sim.ReplyTo(command);
        link.Dialogue.CurrentPrompt = sim.Prompt;
        link.Dialogue.DialogueState = 2;
        DispatchReply(link);
    }
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    tidepost::StatusDialogs& d() { return *c.Status; }
};

// ---- System information ----

TEST_F(StatusDialogs, SystemInfoShowsWhatIsKnown) {
    f.VersionText = "3.07 ";
    struct Case {
        const char* name;
        std::function<void()> arrange;
        const char* row;  // objectName of the value label
        QString expected;
    } cases[] = {
        {"version before replies", [] {}, "SwVersion", "3.07 "},
        {"firmware before replies", [] {}, "TransceiverSw", "<unknown>"},
        {"serial before replies", [] {}, "SerieNr", "<unknown>"},
        {"mobile number 0", [] {}, "MobileNumber", "<unknown>"},
        {"SOLAS 0", [] {}, "Solas", "<unknown>"},
        {"connection without a key", [this] { SetIniValue(f, "[HOST Interface]", "", false); }, "ComPort", "<unknown>"},
        {"SOLAS 1", [this] { f.gSession.SetSolasType(1); }, "Solas", "Non-SOLAS without Distress"},
        {"SOLAS 2", [this] { f.gSession.SetSolasType(2); }, "Solas", "Non-SOLAS with Distress"},
        {"SOLAS 3", [this] { f.gSession.SetSolasType(3); }, "Solas", "SOLAS"},
        {"COM open",
         [this] {
             SetIniValue(f, "[HOST Interface]", "COM", false);
             platform.Serial.SetCommPort(1);
             platform.Serial.SetSettings("115200,n,8,1");
             platform.Serial.Open();
         },
         "ComPort", "COM port 1 @ 115200,n,8,1"},
        {"COM closed",
         [this] {
             SetIniValue(f, "[HOST Interface]", "COM", false);
             platform.Serial.Close();
         },
         "ComPort", "<unknown>"},
        {"LAN", [this] { SetIniValue(f, "[HOST Interface]", "LAN", false); }, "ComPort", "Local Area Network"},
        {"mobile number", [this] { f.gSession.SetMobileNumber(423456789); }, "MobileNumber", "423456789"},
        {"serial number", [this] { link.Transceiver.TransceiverSerialNumber = "100234"; }, "SerieNr", "100234"},
        {"firmware version 0 keeps unknown", [this] { f.gSession.SetSwVersion("0"); }, "TransceiverSw", "<unknown>"},
        {"firmware version", [this] { f.gSession.SetSwVersion("5.12"); }, "TransceiverSw", "5.12"},
    };
    SystemInfoForm& form = d().SystemInfoForm.get();
    for (const Case& k : cases) {
        k.arrange();
        form.Update();
        EXPECT_EQ(form.findChild<QLabel*>(k.row)->text(), k.expected) << k.name;
    }
}

TEST_F(StatusDialogs, SystemInfoFollowsIdentityRepliesOnlyWhileLoaded) {
    Reply("st -v");
    Reply("st -w");
    Reply("st -i");
    EXPECT_FALSE(d().SystemInfoForm.isLoaded());
    // Loading reads what the replies left in the session.
    SystemInfoForm& form = d().SystemInfoForm.get();
    EXPECT_EQ(form.SerieNr->text(), "100234");
    sim.Transceiver.MobileNumber = 412345678;
    Reply("st -w");
    Reply("st -i");
    EXPECT_EQ(form.MobileNumber->text(), "412345678");
    EXPECT_EQ(form.Solas->text(), "SOLAS");
    form.OKButton->click();
    Settle();
    EXPECT_FALSE(d().SystemInfoForm.isLoaded());
}

// ---- Status windows ----

TEST_F(StatusDialogs, TransceiverStatusGainsOneBlockPerReplyAndStartsAfreshAfterClosing) {
    Reply("st -w");
    ASSERT_TRUE(d().TransceiverStatusForm.isLoaded());
    TransceiverStatusForm& form = d().TransceiverStatusForm.get();
    const QString block = form.StatusOutput();
    ASSERT_TRUE(block.endsWith("\r\n\r\n"));
    EXPECT_TRUE(block.contains("Mobile no"));
    EXPECT_EQ(form.windowTitle(), "Transceiver Status updated");
    Reply("ti -u");
    Reply("st -w");
    EXPECT_EQ(form.StatusOutput(), block + block);
    EXPECT_EQ(form.windowTitle(), "Transceiver Status last updated at 2025-03-14 10:22 UTC");
    EXPECT_FALSE(form.statusoutput->toPlainText().contains('\r'));

    // Queuing the query while the window shows announces the update.
    form.ShowForm();
    QueueCommand(link, "st -w", true, false);
    EXPECT_EQ(form.windowTitle(), "Transceiver Status updating...");

    form.OKButton->click();
    Settle();
    EXPECT_FALSE(d().TransceiverStatusForm.isLoaded());
    Reply("st -w");
    EXPECT_EQ(d().TransceiverStatusForm.get().StatusOutput(), block);
    d().TransceiverStatusForm.get().CancelButton->click();
    Settle();
    EXPECT_FALSE(d().TransceiverStatusForm.isLoaded());
}

TEST_F(StatusDialogs, TransceiverStatusMenuShowsTheWindowWithTheReply) {
    link.Requests.TransceiverStatusRequested = true;
    Reply("st -w");
    EXPECT_TRUE(d().TransceiverStatusForm.get().isVisible());
    EXPECT_FALSE(link.Requests.TransceiverStatusRequested);
}

TEST_F(StatusDialogs, StatusWindowsSaveAndPrintTheirText) {
    Reply("st -w");
    Reply("ru -g");
    TransceiverStatusForm& status = d().TransceiverStatusForm.get();
    GPSStatusForm& gps = d().GPSStatusForm.get();
    EXPECT_TRUE(gps.StatusOutput().startsWith("Test Summary"));
    EXPECT_TRUE(gps.windowTitle().startsWith("GPS Status last updated at "));

    const QString statusFile = platform.DataFolder() + "/status-saved.txt";
    const QString gpsFile = platform.DataFolder() + "/gps-saved.txt";
    platform.Files.Answers = {statusFile, gpsFile};
    status.SaveButton->click();
    gps.SaveButton->click();
    ASSERT_EQ(platform.Files.Requests.size(), 2);
    EXPECT_EQ(platform.Files.Requests[0].Title, "Save Transceiver status");
    EXPECT_EQ(platform.Files.Requests[0].FileName, "Status.txt");
    EXPECT_EQ(platform.Files.Requests[1].Title, "Save GPS status");
    EXPECT_EQ(platform.Files.Requests[1].FileName, "GPSStatus.txt");
    QFile saved(statusFile);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(saved.readAll()), status.StatusOutput());

    status.PrintButton->click();
    ASSERT_EQ(platform.Printer.Jobs.size(), 1);
    EXPECT_TRUE(platform.Printer.LastJob().contains("Mobile no"));
    gps.PrintButton->click();
    EXPECT_TRUE(platform.Printer.LastJob().contains("Test Summary"));
}

TEST_F(StatusDialogs, GpsReplyShowsTheWindowWhenAskedFor) {
    link.Requests.GpsStatusRequested = true;
    Reply("ru -g");
    EXPECT_TRUE(d().GPSStatusForm.get().isVisible());
    d().GPSStatusForm.get().CancelButton->click();
    Settle();
    EXPECT_FALSE(d().GPSStatusForm.isLoaded());
}

TEST_F(StatusDialogs, LinkTestResultIsShownAndPrinted) {
    LinkTestForm& fresh = d().LinkTestForm.get();
    fresh.PrintButton->click();
    EXPECT_EQ(platform.Printer.LastJob().trimmed(), "No test results");
    fresh.CancelButton->click();
    Settle();

    Reply("st -m");
    LinkTestForm& form = d().LinkTestForm.get();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.LinkTestResultText().contains("Passed"));
    EXPECT_FALSE(form.LinkTestResult->text().contains('\r'));
}

TEST_F(StatusDialogs, LinkTestExecuteAsksFirst) {
    LinkTestForm& form = d().LinkTestForm.get();
    link.Dialogue.CommandQueue.clear();
    platform.Boxes.Answer(MsgAnswer::Cancel);
    form.ExecuteButton->click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    const MessageBoxRequest& box = platform.Boxes.Shown[0];
    EXPECT_EQ(box.title, "Link test warning");
    EXPECT_EQ(box.text, "ATTENTION!\r\n\r\nA Link test can take up to about 30 minutes.\r\n\r\n"
                        "Do you want to proceed with the Link test?");
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.icon, MsgIcon::Warning);
    EXPECT_EQ(link.Dialogue.CommandQueue, "");
    Settle();
    EXPECT_TRUE(d().LinkTestForm.isLoaded());

    link.Dialogue.CommandQueue = "st -l\r\ntest\r\n";
    platform.Boxes.Answer(MsgAnswer::Ok);
    form.ExecuteButton->click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\ntest\r\ntest\r\n");
    EXPECT_EQ(DrainErrorQueue(f), QStringList{"The Link test Request has been sent."});
    Settle();
    EXPECT_FALSE(d().LinkTestForm.isLoaded());
}

// ---- Mobile number ----

TEST_F(StatusDialogs, MobileNumberKeyFilter) {
    struct Case {
        const char* current;
        int key;
        const char* text;
        bool passes;
    } cases[] = {
        {"", Qt::Key_5, "5", false},  {"", Qt::Key_4, "4", true},    {"4", Qt::Key_0, "0", true},
        {"4", Qt::Key_X, "x", false}, {"", Qt::Key_Backspace, "\b", true}, {"0", Qt::Key_7, "7", true},
    };
    for (const Case& k : cases)
        EXPECT_EQ(MobileNumberKeyPasses(k.current, k.key, k.text), k.passes) << k.current << "+" << k.text;

    MobileNoChangeForm& form = d().MobileNoChangeForm.get();
    form.Text1->clear();
    QTest::keyClicks(form.Text1, "54x12");
    EXPECT_EQ(form.Text1->text(), "412");
}

TEST_F(StatusDialogs, MobileNumberIsCheckedSentAndPolled) {
    link.Dialogue.CommandQueue.clear();
    QueueStatusPoll(link);
    const QString poll = link.Dialogue.CommandQueue;
    struct Case {
        const char* text;
        bool sent;
    } cases[] = {
        {"0", false},  {"0412345678", false}, {"400000000", true}, {"499999999", true},  {"41", false},
        {"4", false},  {"4123x5678", false},  {"512345678", false}, {"4123 5678", false}, {"", false},
    };
    for (const Case& k : cases) {
        link.Dialogue.CommandQueue.clear();
        platform.Boxes.Shown.clear();
        f.gSession.SetMobileNumber(423456789);
        MobileNoChangeForm& form = d().MobileNoChangeForm.get();
        // Pasted text does not pass the key filter.
        form.Text1->setText(k.text);
        form.OKButton->click();
        Settle();
        if (k.sent) {
            EXPECT_EQ(link.Dialogue.CommandQueue, QString("se -u ") + k.text + "\r\n" + poll) << k.text;
            EXPECT_EQ(f.gSession.MobileNumber(), QString(k.text).toInt()) << k.text;
            EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << k.text;
            EXPECT_FALSE(d().MobileNoChangeForm.isLoaded()) << k.text;
        } else {
            EXPECT_EQ(link.Dialogue.CommandQueue, "") << k.text;
            EXPECT_EQ(f.gSession.MobileNumber(), 423456789) << k.text;
            ASSERT_EQ(platform.Boxes.Shown.size(), 1) << k.text;
            EXPECT_EQ(platform.Boxes.Shown[0].text, "Invalid Mobile Number!");
            EXPECT_EQ(platform.Boxes.Shown[0].title, "Mobilenumber");
            ASSERT_TRUE(d().MobileNoChangeForm.isLoaded()) << k.text;
            EXPECT_EQ(form.Text1->text(), "") << k.text;
        }
    }
}

TEST_F(StatusDialogs, MobileNumberPresetAndNoLink) {
    MobileNoChangeForm& form = d().MobileNoChangeForm.get();
    EXPECT_EQ(form.Text1->text(), "0");
    // Digits typed after the preset 0 still make no valid number.
    form.Text1->end(false);
    QTest::keyClicks(form.Text1, "41234567");
    EXPECT_EQ(form.Text1->text(), "041234567");
    form.Text1->setText("412345678");
    f.gSession.SetMesConnected(false);
    link.Dialogue.CommandQueue.clear();
    form.OKButton->click();
    Settle();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Error: No transceiver commnuication");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Tidepost");
    EXPECT_EQ(link.Dialogue.CommandQueue, "");
    ASSERT_TRUE(d().MobileNoChangeForm.isLoaded());
    EXPECT_EQ(form.Text1->text(), "412345678");
}

// ---- Sound test ----

struct SoundTest : StatusDialogs {
    SoundTest() { WriteWav(); }
    void WriteWav() {
        QFile wav(platform.ProgramFolder() + "/alarm.wav");
        EXPECT_TRUE(wav.open(QIODevice::WriteOnly));
        wav.write("RIFF");
    }
    QString Wav() const { return platform.ProgramFolder() + "/alarm.wav"; }
};

TEST_F(SoundTest, StartThenStopWithinASecondPlaysNothing) {
    TestSoundForm& form = d().TestSoundForm.get();
    EXPECT_EQ(form.StatusLabel->text(), "Sound stopped");
    EXPECT_FALSE(form.StopButton->isEnabled());
    EXPECT_FALSE(form.Timer1->isActive());
    form.StartButton->click();
    EXPECT_EQ(form.StatusLabel->text(), "Sound playing...");
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), 1000);
    EXPECT_FALSE(form.StartButton->isEnabled());
    form.StopButton->click();
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_EQ(form.StatusLabel->text(), "Sound stopped");
    EXPECT_TRUE(platform.Sound.Played.isEmpty());
}

TEST_F(SoundTest, ALongSoundRepeatsBackToBack) {
    TestSoundForm& form = d().TestSoundForm.get();
    form.StartButton->click();
    form.Timer1_Timer();  // 1 s: the first sound, 2.5 s long
    EXPECT_EQ(platform.Sound.Played, QStringList{Wav()});
    form.Timer1_Timer();  // 2 s and 3 s: due while it plays
    form.Timer1_Timer();
    EXPECT_EQ(platform.Sound.Played.size(), 1);
    platform.Sound.FinishAll();  // 3.5 s: the next one starts at once
    EXPECT_EQ(platform.Sound.Played.size(), 2);
    EXPECT_EQ(platform.Sound.PendingCount(), 1);
    platform.Sound.FinishAll();  // no tick fell due meanwhile: silence until the next tick
    EXPECT_EQ(platform.Sound.Played.size(), 2);
    form.Timer1_Timer();
    EXPECT_EQ(platform.Sound.Played.size(), 3);
    // Stop lets the sound end and starts no other.
    form.Timer1_Timer();
    form.StopButton->click();
    platform.Sound.FinishAll();
    EXPECT_EQ(platform.Sound.Played.size(), 3);
    EXPECT_EQ(form.StatusLabel->text(), "Sound stopped");
}

// A player that cannot start: it reports the end before Play returns.
TEST_F(SoundTest, ASoundThatCannotPlayIsSaidAndEndsTheRepetition) {
    struct Case {
        const char* name;
        std::function<void(TestSoundForm&)> tick;
    } cases[] = {
        {"missing file",
         [this](TestSoundForm& form) {
             QFile::remove(Wav());
             form.Timer1_Timer();
             EXPECT_TRUE(platform.Sound.Played.isEmpty());
         }},
        {"no player", [this](TestSoundForm& form) {
             platform.Os.Sound = nullptr;
             form.Timer1_Timer();
         }},
        {"player fails before Play returns",
         [this](TestSoundForm& form) {
             platform.Sound.FailAtOnce = true;
             form.Timer1_Timer();
             EXPECT_EQ(platform.Sound.Played.size(), 1);
         }},
        {"player fails while playing",
         [this](TestSoundForm& form) {
             form.Timer1_Timer();
             form.Timer1_Timer();
             platform.Sound.FailAll();
         }},
    };
    for (const Case& k : cases) {
        TestSoundForm& form = d().TestSoundForm.get();
        form.StartButton->click();
        k.tick(form);
        EXPECT_EQ(form.StatusLabel->text(), "The alarm sound could not be played.") << k.name;
        EXPECT_FALSE(form.Timer1->isActive()) << k.name;
        EXPECT_TRUE(form.StartButton->isEnabled()) << k.name;
        EXPECT_FALSE(form.StopButton->isEnabled()) << k.name;
        EXPECT_FALSE(form.IsPlaying()) << k.name;
        d().TestSoundForm.unload();
        Settle();
        platform.Os.Sound = &platform.Sound;
        platform.Sound.FailAtOnce = false;
        platform.Sound.Played.clear();
        WriteWav();
    }
}

TEST_F(SoundTest, ClosingWhilePlayingEndsTheRepetition) {
    TestSoundForm& form = d().TestSoundForm.get();
    form.StartButton->click();
    form.Timer1_Timer();
    form.Timer1_Timer();
    form.Command1->click();
    Settle();
    EXPECT_FALSE(d().TestSoundForm.isLoaded());
    platform.Sound.FinishAll();
    EXPECT_EQ(platform.Sound.Played.size(), 1);
}

// ---- Command line ----

TEST_F(StatusDialogs, CommandLineQueuesOneLineAtTheFront) {
    struct Case {
        const char* name;
        QStringList typed;
        QString queue;  // after "st -l" waited
        int boxes;
    } cases[] = {
        {"empty", {""}, "st -l\r\n", 0},
        {"blanks only", {"   "}, "\r\n\r\nst -l\r\n", 0},
        {"trimmed", {"  ver -a "}, "\r\nver -a\r\nst -l\r\n", 0},
        {"duplicate", {"st -l"}, "\r\nst -l\r\nst -l\r\n", 0},
        {"two in a row", {"ver", "ti -u"}, "\r\nti -u\r\n\r\nver\r\nst -l\r\n", 0},
        {"line break", {"ver\r\ndir"}, "st -l\r\n", 1},
        {"lone LF", {"ver\ndir"}, "st -l\r\n", 1},
        {"tab", {"ver\t-a"}, "st -l\r\n", 1},
    };
    for (const Case& k : cases) {
        link.Dialogue.CommandQueue = "st -l\r\n";
        platform.Boxes.Shown.clear();
        for (const QString& text : k.typed) {
            CommandForm& form = d().CommandForm.get();
            EXPECT_EQ(form.CommandLine->text(), "") << k.name;
            form.CommandLine->setText(text);
            form.Command1->click();
            if (k.boxes == 0) {
                Settle();
                EXPECT_FALSE(d().CommandForm.isLoaded()) << k.name;
            }
        }
        EXPECT_EQ(link.Dialogue.CommandQueue, k.queue) << k.name;
        EXPECT_EQ(platform.Boxes.Shown.size(), k.boxes) << k.name;
        if (k.boxes) {
            EXPECT_TRUE(d().CommandForm.isLoaded()) << k.name;
        }
        d().CommandForm.unload();
        Settle();
    }
}

// ---- Keyboard ----

QStringList TabRound(QWidget* first) {
    QStringList names;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && !w->objectName().isEmpty()) names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return names;
}

TEST_F(StatusDialogs, TabReachesEveryControl) {
    EXPECT_EQ(TabRound(d().SystemInfoForm.get().OKButton), QStringList{"OKButton"});
    TransceiverStatusForm& status = d().TransceiverStatusForm.get();
    EXPECT_EQ(TabRound(status.statusoutput),
              (QStringList{"statusoutput", "OKButton", "CancelButton", "SaveButton", "PrintButton"}));
    EXPECT_EQ(status.statusoutput->accessibleName(), "Transceiver Status");
    EXPECT_TRUE(status.statusoutput->isReadOnly());
    EXPECT_TRUE(status.statusoutput->tabChangesFocus());
    GPSStatusForm& gps = d().GPSStatusForm.get();
    EXPECT_EQ(TabRound(gps.statusoutput), (QStringList{"statusoutput", "OKButton", "CancelButton", "SaveButton", "PrintButton"}));
    EXPECT_EQ(TabRound(d().LinkTestForm.get().ExecuteButton), (QStringList{"ExecuteButton", "CancelButton", "PrintButton"}));
    MobileNoChangeForm& mobile = d().MobileNoChangeForm.get();
    EXPECT_EQ(TabRound(mobile.Text1), (QStringList{"Text1", "OKButton", "CancelButton"}));
    EXPECT_EQ(mobile.Text1->accessibleName(), "Type new Inmarsat Mobile Number:");
    TestSoundForm& sound = d().TestSoundForm.get();
    sound.StopButton->setEnabled(true);
    EXPECT_EQ(TabRound(sound.StartButton), (QStringList{"StartButton", "StopButton", "Command1"}));
    CommandForm& command = d().CommandForm.get();
    EXPECT_EQ(TabRound(command.CommandLine), (QStringList{"CommandLine", "Command1"}));
    EXPECT_EQ(command.CommandLine->accessibleName(), "Send command");
}

}  // namespace
}  // namespace tidepost::test
