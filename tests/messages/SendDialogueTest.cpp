#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTest>

#include "SendFixture.h"
#include "foundation/AppSettings.h"
#include "foundation/MlStrings.h"
#include "link/CommandQueue.h"
#include "messages/MessageFileNames.h"
#include "messages/SendDialogue.h"
#include "messages/SendingForm.h"

using namespace tidepost;

namespace {

// The send dialogue over the fake editor with real files; OK's work is called without the window
// where the window adds nothing.
class SendDialogue : public test::SendTest {
protected:
    ~SendDialogue() override {
        UnloadSendingForm(m);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    SendingForm* Form() { return m.SendingForms.SendingForm.loaded(); }
    QString Setting(const QString& section, const QString& key) {
        return GetAppSetting(f, f.gProductName, section, key, "<none>");
    }
    static SendingChoices Choices(bool confirmation = true, bool print = false) {
        SendingChoices c;
        c.Confirmation = confirmation;
        c.Print = print;
        return c;
    }
    QStringList Lines(const QByteArray& bytes) const {
        QStringList lines = QString::fromLatin1(bytes).split("\r\n");
        if (lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
};

TEST_F(SendDialogue, WithoutRecipientsTheDialogueDoesNotOpen) {
    Compose("", "", "");
    ShowSendingForm(m);
    EXPECT_FALSE(m.SendingForms.SendingForm.isLoaded());
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "You have to select minimum one destination address!");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Tidepost");
    EXPECT_EQ(platform.Boxes.Shown[0].icon, MsgIcon::Information);
}

TEST_F(SendDialogue, AnEmailAndATelexNameMakeTwoSubmissions) {
    Compose("Ops;Agent;", "Crew;");
    f.gSession.SetMessagePriority(0);
    ASSERT_EQ(SendEditorMessage(m, Choices(true, false), nullptr), SendEnd::Sent);

    EXPECT_EQ(OutboxFiles(), (QStringList{"12070301.out", "12070302.out", "OUT.IDX"}));
    const QByteArray email = "To: ops@owner.example\r\nCc: crew@owner.example\r\nSubject: Noon\r\nAll well\r\n";
    const QByteArray telex = "47123456+\r\n\r\nSubject: Noon\r\nAll well\r\n";
    EXPECT_EQ(Read("12070301.out"), email);
    EXPECT_EQ(Read("12070302.out"), telex);
    const QString e = QString::number(email.size() - 2), t = QString::number(telex.size() - 2);
    EXPECT_EQ(link.Dialogue.CommandQueue, "tr 12070301.out -b " + e + "\r\nls 12070301.out\r\n"
                                          "tx 12070301.out -c 101 -s 0 -t 255 -l 0 -e 5678 -n -v\n"
                                          "tr 12070302.out -b " + t + "\r\nls 12070302.out\r\n"
                                          "tx 12070302.out -c 112 -s 0 -t 0 -l 0 -n -v\n");
    EXPECT_EQ(Lines(Read("OUT.IDX")),
              (QStringList{"12070301.out;ops@owner.example,crew@owner.example;101;E-Mail 7 Bit;12-07-03;09:05; " + e +
                               ";<None>;Initiated;1;0;0;0;03;07;09;05;Ops;Crew;;Noon",
                           "12070302.out;47123456;112;Telex 7 Bit;12-07-03;09:05; " + t +
                               ";<None>;Initiated;1;0;0;0;03;07;09;05;Agent;;;Noon"}));
    EXPECT_EQ(views.Calls.count("OutboxButton_Click"), 1);
    EXPECT_EQ(views.Calls.last(), "OutboxButton_Click") << "then the sent items are shown";
    EXPECT_EQ(editor.Fields[0] + editor.Fields[1] + editor.Fields[2] + editor.Subject + editor.Text, "");
    EXPECT_EQ(Setting("Settings", "MsgConfirmation"), "1");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(SendDialogue, ADistressMessageMakesOneTelexSubmissionWithConfirmation) {
    f.gSession.SetMessagePriority(1);
    Compose("SEARCH & RESCUE;", "Ops;", "", "", "Fire on board");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(Form()->ConfirmationCheck->isChecked());
    EXPECT_FALSE(Form()->ConfirmationCheck->isEnabled());

    ASSERT_EQ(SendEditorMessage(m, Choices(false, false), nullptr), SendEnd::Sent);
    EXPECT_EQ(OutboxFiles(), (QStringList{"12070301.out", "OUT.IDX"}));
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("tx 12070301.out -c 112 -s 0 -t 0 -l 0 -a -n -v\n"))
        << link.Dialogue.CommandQueue.toStdString();
    const QStringList log = Lines(Read("OUT.IDX"));
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].section(';', 1, 3), "MRCC;112;Distress message");
    EXPECT_EQ(log[0].section(';', 9, 9), "1");
    EXPECT_EQ(log[0].section(';', 17, 19), "SEARCH & RESCUE;;");
    EXPECT_EQ(f.gSession.MessagePriority(), 0);
}

TEST_F(SendDialogue, WithoutAProviderLesAnEmailIsNotSent) {
    f.gConfiguration.SetDefaultISPLes(kOceanAorW, "");
    Compose("Ops;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed);
    EXPECT_EQ(BoxTexts(), (QStringList{"Inmarsat Service Provider does not exist in this ocean, please choose another "
                                       "ISP or log into another ocean.",
                                       "An error occurred sending the message"}));
    EXPECT_EQ(BoxTitles(), (QStringList{"Info", "Error"}));
    EXPECT_EQ(platform.Boxes.Shown[0].icon, MsgIcon::Information);
    EXPECT_TRUE(OutboxFiles().isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(editor.Fields[0], "Ops;");
}

TEST_F(SendDialogue, ATelexGoesBeforeAnSmsThatHasNoProviderLes) {
    f.gConfiguration.SetDefaultISPLes(kOceanAorW, "");
    f.gSession.SetMessagePriority(0);
    Compose("Skipper;Agent;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed);
    EXPECT_EQ(OutboxFiles(), (QStringList{"12070301.out", "OUT.IDX"}));
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("tx 12070301.out -c 112 -s 0 -t 0 -l 0 -n -v\n"));
    EXPECT_EQ(Lines(Read("OUT.IDX")).size(), 1);
    EXPECT_EQ(BoxTexts().size(), 2);
    EXPECT_EQ(BoxTexts().last(), "An error occurred sending the message");
    EXPECT_EQ(editor.Fields[0], "Skipper;Agent;") << "the editor keeps the message";
}

TEST_F(SendDialogue, BeforeAnyOceanIsKnownTheBoxSaysThereIsNoStation) {
    test::TestPlatform fresh;
    Foundation noOcean{fresh.Os};
    ASSERT_EQ(noOcean.gConfiguration.LastOcean(), kOceanNone);
    f.gConfiguration = noOcean.gConfiguration;
    f.gSession.SetMessagePriority(0);
    struct Case {
        QString to;
        QString box;
    };
    for (const Case& c : {Case{"Agent;", "Land Earth Station does not exist in this ocean, please choose another LES or "
                                         "log into another ocean."},
                          Case{"Ops;", "Inmarsat Service Provider does not exist in this ocean, please choose another "
                                       "ISP or log into another ocean."}}) {
        platform.Boxes.Shown.clear();
        Compose(c.to);
        EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed) << c.to.toStdString();
        EXPECT_EQ(BoxTexts(), (QStringList{c.box, "An error occurred sending the message"}));
    }
    EXPECT_TRUE(OutboxFiles().isEmpty());

    // The dialogue opens all the same, with no station named.
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_EQ(Form()->DefaultLESLabel->text(), "<Not Available>");
}

TEST_F(SendDialogue, ANameNoLongerInTheBookSendsNothing) {
    Compose("Ops;Gone;Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    Form()->OKButton->click();
    EXPECT_EQ(BoxTexts(), QStringList{"Entry was not found in Address Book: Gone"});
    EXPECT_EQ(BoxTitles(), QStringList{"Info"});
    EXPECT_TRUE(OutboxFiles().isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(editor.Fields[0], "Ops;Gone;Agent;");
    EXPECT_FALSE(m.SendingForms.SendingForm.isLoaded()) << "the dialogue closes";
}

TEST_F(SendDialogue, OkWithNobodyLeftInTheFieldsSendsNothingAndKeepsTheMessage) {
    // The dialogue does not block the editor: its fields may have changed since it opened.
    struct Case {
        const char* to;
        const char* cc;
    };
    for (const Case& c : {Case{"", ""}, Case{";", ""}, Case{";;", ";"}}) {
        SCOPED_TRACE(std::string(c.to) + "|" + c.cc);
        Compose("Agent;");
        ShowSendingForm(m);
        ASSERT_NE(Form(), nullptr);
        platform.Boxes.Shown.clear();
        editor.Fields[0] = c.to;
        editor.Fields[1] = c.cc;
        Form()->OKButton->click();
        EXPECT_EQ(BoxTexts(), QStringList{"You have to select minimum one destination address!"});
        EXPECT_TRUE(OutboxFiles().isEmpty());
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        EXPECT_EQ(editor.Fields[0], c.to);
        EXPECT_EQ(editor.Subject + "|" + editor.Text, "Noon|All well") << "the message stays in the editor";
        EXPECT_FALSE(views.Calls.contains("OutboxButton_Click"));
    }
    Compose(";");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::NoRecipient);
}

TEST_F(SendDialogue, MoreGroupsThanOutboxNamesLeftTodaySendNothing) {
    // Every SMS number is a submission of its own, and the day has 359 outbox names.
    QByteArray book;
    QString to;
    for (int i = 0; i < 360; ++i) {
        book += "Sms" + QByteArray::number(i) + ":SMS:7:479" + QByteArray::number(1000000 + i) + "\r\n";
        to += "Sms" + QString::number(i) + ";";
    }
    UseBook(book);
    Compose(to);
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::TooManyGroups);
    EXPECT_EQ(BoxTexts(), QStringList{"This message makes 360 submissions, but only 359 more can be sent today. "
                                      "Nothing has been sent: send it to fewer recipients, or again tomorrow."});
    EXPECT_TRUE(OutboxFiles().isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(editor.Fields[0], to);
    EXPECT_EQ(editor.Text, "All well");

    // With all but two of the day's names taken, three groups are refused and two go out.
    for (int i = 0; i < 357; ++i) {
        QFile taken(outbox + "/" + GetNewMessageFileName(f, f.gOutboxDir, "out"));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    platform.Boxes.Shown.clear();
    Compose("Sms0;Sms1;Sms2;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::TooManyGroups);
    EXPECT_EQ(BoxTexts().value(0).left(50), "This message makes 3 submissions, but only 2 more ");
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    Compose("Sms0;Sms1;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Sent);
    EXPECT_EQ(link.Dialogue.CommandQueue.count("tx "), 2);
}

TEST_F(SendDialogue, TheSentItemsAreLoadedOncePerSendNotOncePerGroup) {
    struct Case {
        const char* to;
        const char* providerLes;
        bool withView;
        SendEnd end;
    };
    // Telex, DNID and SMS: three groups; without a provider station the SMS fails last.
    for (const Case& c : {Case{"Agent;Fleet;Skipper;", "101", true, SendEnd::Sent},
                          Case{"Agent;Fleet;Skipper;", "101", false, SendEnd::Sent},
                          Case{"Agent;Fleet;Skipper;", "", true, SendEnd::Failed}}) {
        SCOPED_TRACE(std::string(c.providerLes) + (c.withView ? " view" : " no view"));
        f.gConfiguration.SetDefaultISPLes(kOceanAorW, c.providerLes);
        m.Window = c.withView ? &views : nullptr;
        views.Calls.clear();
        grid.RedrawCalls.clear();
        Compose(c.to);
        ASSERT_EQ(SendEditorMessage(m, Choices(), nullptr), c.end);
        const qsizetype loads = grid.RedrawCalls.count(false);
        if (c.end == SendEnd::Sent && c.withView) {
            EXPECT_EQ(loads, 0);
            EXPECT_EQ(views.Calls.count("OutboxButton_Click"), 1) << "showing the view loads it";
        } else {
            EXPECT_EQ(loads, 1);
        }
    }
}

TEST_F(SendDialogue, HiddenCcAndBccFieldsSendNothing) {
    editor.Shown[1] = editor.Shown[2] = false;
    Compose("Agent;", "Ops;", "Crew;");
    ASSERT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Sent);
    EXPECT_EQ(OutboxFiles(), (QStringList{"12070301.out", "OUT.IDX"}));
    EXPECT_EQ(link.Dialogue.CommandQueue.count("tx "), 1);
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("tx 12070301.out -c 112 "));
    EXPECT_FALSE(Read("OUT.IDX").contains("owner.example"));

    // Only hidden names: nobody to send to, at the Send command and at OK.
    platform.Boxes.Shown.clear();
    Compose("", "Ops;", "Crew;");
    ShowSendingForm(m);
    EXPECT_FALSE(m.SendingForms.SendingForm.isLoaded());
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::NoRecipient);
    EXPECT_EQ(BoxTexts(), QStringList(2, "You have to select minimum one destination address!"));
    EXPECT_EQ(editor.Fields[1], "Ops;");
}

TEST_F(SendDialogue, ACharacterTheCodePageLacksIsRefusedBeforeAnythingIsQueued) {
    struct Case {
        QString subject;
        QString text;
        QString named;
    };
    const QString tail = " cannot be sent in the code page windows-1252. Nothing has been sent: remove or replace it, "
                         "then send again.";
    for (const Case& c : {Case{"Noon", QString::fromUtf8("Ship Жук"), QString::fromUtf8("'Ж' (U+0416)")},
                          Case{QString::fromUtf8("Noon \U0001F600"), "All well",
                               QString::fromUtf8("'\U0001F600' (U+1F600)")}}) {
        SCOPED_TRACE(c.named.toStdString());
        platform.Boxes.Shown.clear();
        Compose("Agent;", "", "", c.subject, c.text);
        EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::CannotEncode);
        EXPECT_EQ(BoxTexts(), QStringList{"The character " + c.named + tail});
        EXPECT_TRUE(OutboxFiles().isEmpty());
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        EXPECT_EQ(editor.Subject + "|" + editor.Text, c.subject + "|" + c.text) << "the message stays as typed";
    }
}

TEST_F(SendDialogue, AFileThatCannotBeReadIsRefusedAndTheDialogueStays) {
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    struct Case {
        QString file;
        QString text;
    };
    const QString missing = platform.DataFolder() + "/drafts/none.txt";
    for (const Case& c : {Case{"", "(SendingForm.OKButton_Click) Error '53': File not found.\r\n"},
                          Case{missing, "(SendingForm.OKButton_Click) Error '53': File not found.\r\n"}}) {
        platform.Boxes.Shown.clear();
        Form()->FileFromDiskOption->setChecked(true);
        Form()->FileNameText->setText(c.file);
        Form()->OKButton->click();
        EXPECT_EQ(BoxTexts(), QStringList{c.text}) << c.file.toStdString();
        EXPECT_EQ(BoxTitles(), QStringList{"Error 53"});
        ASSERT_NE(Form(), nullptr);
        EXPECT_TRUE(Form()->isVisible());
    }
    EXPECT_TRUE(OutboxFiles().isEmpty());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(editor.Fields[0], "Agent;");
}

TEST_F(SendDialogue, AFileFromDiskIsSentAndTheEditorTextPrinted) {
    const QString path = platform.WriteDataFile("drafts/report.txt", "Position 60N 5E");
    f.gIniEntries.Items.append({"[Drafts]", platform.DataFolder() + "/drafts/"});
    Compose("Agent;", "", "", "Noon", "Editor text");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    platform.Boxes.AnswerFile(" " + path + " ");
    Form()->FileFromDiskOption->click();
    ASSERT_EQ(platform.Boxes.FileRequests.size(), 1);
    const OpenFileRequest& asked = platform.Boxes.FileRequests[0];
    EXPECT_EQ(asked.title, "Open text file");
    EXPECT_EQ(asked.filters, (QStringList{"Text Files (*.txt)", "All Files (*.*)"}));
    EXPECT_EQ(asked.fileName, "*.txt");
    EXPECT_EQ(asked.defaultSuffix, "txt");
    EXPECT_EQ(asked.folder, platform.DataFolder() + "/drafts/");
    EXPECT_EQ(Form()->FileNameText->text(), path);

    Form()->PrintCheck->setChecked(true);
    Form()->OKButton->click();
    EXPECT_EQ(Read("12070301.out"), "47123456+\r\n\r\nSubject: Noon\r\nPosition 60N 5E\r\n");
    ASSERT_EQ(platform.Printer.Jobs.size(), 1);
    EXPECT_EQ(platform.Printer.Jobs[0], (QStringList{"", "Noon", "Editor text"})) << "the editor's text, whole";
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("-l 0 -v\n")) << "printed: no \"-n\"";
    EXPECT_FALSE(m.SendingForms.SendingForm.isLoaded());
    EXPECT_EQ(editor.LoadedDefaultMessage, 0);
}

TEST_F(SendDialogue, TheOperatorsConfirmationChoiceHoldsOverRepaintsAndOpenings) {
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(Form()->ConfirmationCheck->isChecked()) << "nothing stored yet";
    Form()->ConfirmationCheck->click();
    EXPECT_EQ(Form()->ConfirmationCheckTag, "UnChecked");
    ASSERT_FALSE(Form()->ConfirmationCheck->isChecked());
    Form()->repaint();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Form()->ConfirmationCheck->isChecked()) << "a repaint keeps the operator's click";
    Form()->OKButton->click();
    EXPECT_EQ(Setting("Settings", "MsgConfirmation"), "0");
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("-l 0 -n\n"));

    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_FALSE(Form()->ConfirmationCheck->isChecked()) << "the next opening starts cleared";
    EXPECT_TRUE(Form()->ConfirmationCheck->isEnabled());
}

TEST_F(SendDialogue, PresetsComeFromTheSettings) {
    SaveAppSetting(f, f.gProductName, "Config", "PrintMessage", "1");
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(Form()->TextInEditorOption->isChecked());
    EXPECT_FALSE(Form()->FileFromDiskOption->isChecked());
    EXPECT_TRUE(Form()->PrintCheck->isChecked());
    EXPECT_FALSE(Form()->DESCheckBox->isVisibleTo(Form()));
    EXPECT_FALSE(Form()->DESCheckBox->isEnabled());
    EXPECT_EQ(Form()->DefaultLESLabel->text(), "112");
    EXPECT_EQ(Form()->DefaultEMailLESLabel->text(), "Shore Mail (LES 101)");
    EXPECT_TRUE(Form()->isVisible());
    EXPECT_FALSE(Form()->isModal());
}

TEST_F(SendDialogue, TheStationNameComesFromTheStationLists) {
    platform.WriteDataFile("les_aore.dat", "101|Burum\r\n112|Eik\r\n");
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_EQ(Form()->DefaultLESLabel->text(), "112, Eik");
}

TEST_F(SendDialogue, ALanguageChangeKeepsTheStationsNamed) {
    ASSERT_TRUE(f.Strings.InitMlStrings());
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    ASSERT_EQ(f.Strings.CurrentLanguageId, 1049);
    EXPECT_EQ(Form()->windowTitle(), f.Strings.GetString(2433, 1049));
    EXPECT_EQ(Form()->DefaultLESLabel->text(), "112");
    EXPECT_EQ(Form()->DefaultEMailLESLabel->text(), "Shore Mail (LES 101)");
}

TEST_F(SendDialogue, TheCodePageIsOfferedWithTheRussianInterfaceOnly) {
    link.Transfer.SendCodePage = 1;
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_FALSE(Form()->CodePageSelect->isVisibleTo(Form()));
    EXPECT_FALSE(Form()->CodePageLabel->isVisibleTo(Form()));
    Form()->OKButton->click();
    EXPECT_EQ(link.Transfer.SendCodePage, 1) << "English keeps the code page";

    f.Strings.CurrentLanguageId = 1049;
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(Form()->CodePageSelect->isVisibleTo(Form()));
    EXPECT_EQ(Form()->CodePageLabel->buddy(), Form()->CodePageSelect);
    ASSERT_EQ(Form()->CodePageSelect->count(), 2);
    EXPECT_EQ(Form()->CodePageSelect->itemText(1), "IBM/DOS 866 Cyrillic");
    EXPECT_EQ(Form()->CodePageSelect->currentIndex(), 0);
    Form()->OKButton->click();
    EXPECT_EQ(link.Transfer.SendCodePage, 0);
}

TEST_F(SendDialogue, CancelSendsNothingAndForgetsTheDefaultMessage) {
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    QTest::keyClick(Form(), Qt::Key_Escape);
    EXPECT_FALSE(m.SendingForms.SendingForm.isLoaded());
    EXPECT_EQ(editor.LoadedDefaultMessage, 0);
    EXPECT_TRUE(OutboxFiles().isEmpty());
    EXPECT_EQ(editor.Fields[0], "Agent;");
}

TEST_F(SendDialogue, EveryControlCanBeReachedAndIsNamed) {
    f.Strings.CurrentLanguageId = 1049;
    Compose("Agent;");
    ShowSendingForm(m);
    ASSERT_NE(Form(), nullptr);
    SendingForm* form = Form();
    QStringList order;
    QWidget* w = form->TextInEditorOption;
    for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(form)) w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order, (QStringList{"TextInEditorOption", "FileFromDiskOption", "FileNameText", "PrintCheck",
                                  "ConfirmationCheck", "CodePageSelect", "OKButton", "CancelButton"}));
    // Named by the captions beside them, without the colon, in the interface's language.
    EXPECT_EQ(form->FileNameText->accessibleName() + ":", form->FileFromDiskOption->text());
    EXPECT_EQ(form->DefaultLESLabel->accessibleName() + ":", form->Frame2->title());
    EXPECT_FALSE(form->FileNameText->accessibleName().isEmpty());
    EXPECT_TRUE(form->OKButton->isDefault());
}

// ---- a pass that fails: its box, then the common end ----

TEST_F(SendDialogue, AnSmsNumberInCcOnlyCannotBeFormatted) {
    Compose("", "Skipper;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed);
    EXPECT_EQ(BoxTexts(), (QStringList{"A FormatMessage error occurred", "An error occurred sending the message"}));
    EXPECT_EQ(BoxTitles(), (QStringList{"Info", "Error"}));
    EXPECT_TRUE(OutboxFiles().isEmpty());
}

TEST_F(SendDialogue, AnOutboxThatCannotBeWrittenStopsTheUpload) {
    f.gOutboxDir = platform.DataFolder() + "/no such folder/";
    Compose("Agent;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed);
    EXPECT_EQ(BoxTexts(), (QStringList{"The message might not have been saved in the Outbox",
                                       "A TransferMessage error occurred", "An error occurred sending the message"}));
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(SendDialogue, AQueueThatTakesNoUploadStopsTheSend) {
    link.Dialogue.ClosingDown = true;
    Compose("Agent;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed);
    EXPECT_EQ(BoxTexts(), (QStringList{"A TransferMessage error occurred", "An error occurred sending the message"}));
    EXPECT_EQ(editor.Fields[0], "Agent;");
}

TEST_F(SendDialogue, AStationNumberThatIsNoNumberStopsTheSubmission) {
    f.gConfiguration.SetDefaultLes(kOceanAorW, "11 2");
    Compose("Agent;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed);
    EXPECT_EQ(BoxTexts(), (QStringList{"A SendMessage error occurred", "An error occurred sending the message"}));
    EXPECT_FALSE(link.Dialogue.CommandQueue.contains("tx "));
}

TEST_F(SendDialogue, AnOutboxLogThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(QDir().mkpath(outbox + "/OUT.IDX"));
    Compose("Agent;");
    EXPECT_EQ(SendEditorMessage(m, Choices(), nullptr), SendEnd::Failed);
    EXPECT_EQ(BoxTexts(), (QStringList{"A WriteOutlog error occurred", "An error occurred sending the message"}));
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("tx 12070301.out")) << "the submission stays queued";
    EXPECT_EQ(editor.Fields[0], "Agent;");
}

}  // namespace
