#include <QDir>
#include <QTest>
#include <functional>

#include "foundation/Definitions.h"
#include "foundation/UsefullCodePages.h"
#include "platform/AnsiCodec.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "messages/AddressBookFile.h"
#include "messages/CTransmission.h"
#include "messages/OutboxOverPtyFixture.h"
#include "messages/SendDialogue.h"
#include "messages/SendResult.h"
#include "support/FakeMessageEditor.h"
#include "support/LinkTicks.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

// The send dialogue's OK and the one-call send against the simulated transceiver on a
// pseudo-terminal, with a real address book holding an e-mail and a telex entry.
class SendOverPty : public test::OutboxOverPty {
protected:
    void SetUp() override {
        PrepareOutbox();
        InitDestinationTypeNames(f);
        const QString book = platform.DataFolder() + "/addressbook/";
        QDir().mkpath(book);
        platform.WriteDataFile("addressbook/address.dat", "Ops:Email:7:ops@owner.example\r\nAgent:Telex:7:47123456\r\n");
        f.gIniEntries.Items.append({"[addressbook]", book});
        f.gIniEntries.Items.append({QStringLiteral("[Default ISP]"), QStringLiteral("Shore Mail")});
        IspRecord isp;
        isp.Name = "Shore Mail";
        isp.AddressType = "Direct";
        isp.Address = "5678";
        isp.ToPrefix = "To: ";
        isp.SubjectPrefix = "Subject: ";
        f.gIspList = {isp};
        ReadAddressBookFile(messages);
        f.gConfiguration.SetLastOcean(kOceanAorW);
        f.gConfiguration.SetDefaultLes(kOceanAorW, "112");
        f.gConfiguration.SetDefaultISPLes(kOceanAorW, "101");
        messages.Editor = &editor;

        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntil([&] { return Idle(); }));  // learns the shell's line end and prompt
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.ReceivedBytes.clear();
    }

    bool RunUntil(const std::function<bool()>& done, int ms = 20000) {
        return test::RunLinkUntil(link, platform.Clock, done, ms);
    }
    bool Idle() const { return test::LinkIdle(link) && link.Requests.SentFileChecks.isEmpty(); }

    test::FakeMessageEditor editor;
};

TEST_F(SendOverPty, OkSendsEachGroupToTheTransceiverAndLogsIt) {
    editor.Fields[0] = "Ops;Agent;";
    editor.Subject = "Noon";
    editor.Text = "All well";
    SendingChoices choices;
    choices.Confirmation = false;
    ASSERT_EQ(SendEditorMessage(messages, choices, nullptr), SendEnd::Sent);
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 2; }));

    const QByteArray email = "To: ops@owner.example\r\nSubject: Noon\r\nAll well\r\n";
    const QByteArray telex = "47123456+\r\n\r\nSubject: Noon\r\nAll well\r\n";
    EXPECT_EQ(Read("12070301.out"), email);
    EXPECT_EQ(Read("12070302.out"), telex);
    EXPECT_EQ(Read("OUT.IDX"),
              "12070301.out;ops@owner.example;101;E-Mail 7 Bit;12-07-03;09:05; 46;<None>;Initiated;0;0;0;0;03;07;09;05;"
              "Ops;;;Noon\r\n"
              "12070302.out;47123456;112;Telex 7 Bit;12-07-03;09:05; 36;<None>;Initiated;0;0;0;0;03;07;09;05;"
              "Agent;;;Noon\r\n");
    EXPECT_EQ(shell.ReceivedBytes, "tr 12070301.out -b 46\r" + email +
                                       "ls 12070301.out\r\ntx 12070301.out -c 101 -s 0 -t 255 -l 0 -e 5678 -n\n"
                                       "tr 12070302.out -b 36\r" + telex +
                                       "ls 12070302.out\r\ntx 12070302.out -c 112 -s 0 -t 0 -l 0 -n\n");
    EXPECT_EQ(shell.Uploads.Submitted, (QStringList{"12070301.out", "12070302.out"}));
    EXPECT_EQ(editor.Fields[0] + editor.Subject + editor.Text, "");
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(SendOverPty, ARussianUsersCyrillicTextGoesOutInItsCodePage) {
    f.Strings.CurrentLanguageId = 1049;
    ChooseAnsiCodePage(f);  // no code page stored
    const QString text = QString::fromUtf8("Всё в порядке");
    editor.Fields[0] = "Agent;";
    editor.Text = text;
    ASSERT_EQ(SendEditorMessage(messages, SendingChoices{}, nullptr), SendEnd::Sent);
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 1; }));

    const QByteArray cyrillic = AnsiCodec("windows-1251").Encode(text);
    ASSERT_FALSE(cyrillic.contains('?'));
    EXPECT_EQ(shell.Uploads.Find("12070301.out")->Text.toLatin1(), "47123456+\r\n\r\n" + cyrillic);
    EXPECT_EQ(Read("12070301.out"), "47123456+\r\n\r\n" + cyrillic + "\r\n");
}

TEST_F(SendOverPty, EachUploadKeepsTheCodePageChosenForItsMessage) {
    f.Strings.CurrentLanguageId = 1049;
    ChooseAnsiCodePage(f);
    const QString text = QString::fromUtf8("Шторм");
    // Both sends are queued before the first upload streams.
    for (int codePage : {1, 0}) {
        editor.Fields[0] = "Agent;";
        editor.Text = text;
        SendingChoices choices;
        choices.CodePage = codePage;
        ASSERT_EQ(SendEditorMessage(messages, choices, nullptr), SendEnd::Sent);
    }
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 2; }));

    const QByteArray cp1251 = AnsiCodec("windows-1251").Encode(text);
    const QByteArray cp866 = AnsiCodec("IBM866").Encode(text);
    ASSERT_NE(cp1251, cp866);
    EXPECT_EQ(shell.Uploads.Find("12070301.out")->Text.toLatin1(), "47123456+\r\n\r\n" + cp866);
    EXPECT_EQ(shell.Uploads.Find("12070302.out")->Text.toLatin1(), "47123456+\r\n\r\n" + cp1251);
    EXPECT_EQ(Read("12070301.out"), "47123456+\r\n\r\n" + cp1251 + "\r\n") << "the PC's copy stays windows-1251";
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(SendOverPty, ASubmissionWaitsUntilItsUploadShowedItsSize) {
    editor.Fields[0] = "Agent;";
    editor.Text = "All well";
    ASSERT_EQ(SendEditorMessage(messages, SendingChoices{}, nullptr), SendEnd::Sent);
    // The listing that checks the upload is lost: the file on the transceiver may be cut.
    ASSERT_EQ(WithdrawCommands(link, [](const QString& line) { return line.startsWith("ls "); }), 1);
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));

    EXPECT_FALSE(shell.ReceivedBytes.contains("tx ")) << shell.ReceivedBytes.toStdString();
    EXPECT_TRUE(shell.Uploads.Submitted.isEmpty());
    EXPECT_EQ(shell.Uploads.Find("12070301.out"), nullptr) << "the unchecked upload is deleted";
    EXPECT_EQ(QString::fromLatin1(Read("OUT.IDX")).section(';', 7, 8), "<None>;Failed");
    EXPECT_EQ(test::DrainErrorQueue(f),
              QStringList{"The message '12070301.out' was not submitted: the transceiver did not confirm its upload."});
}

TEST_F(SendOverPty, ANameMissingFromTheBookSendsNothing) {
    editor.Fields[0] = "Ops;Nobody;";
    editor.Text = "All well";
    ASSERT_EQ(SendEditorMessage(messages, SendingChoices{}, nullptr), SendEnd::NotInBook);
    RunUntil([&] { return false; }, 300);
    EXPECT_TRUE(shell.ReceivedBytes.isEmpty());
    EXPECT_EQ(QDir(outbox).entryList(QDir::Files), QStringList{});
    EXPECT_EQ(editor.Fields[0], "Ops;Nobody;");
}

TEST_F(SendOverPty, AOneCallSendIsSubmittedWithConfirmation) {
    CTransmission tx(messages);
    QString text = "Log attached", ref;
    ASSERT_EQ(tx.SendMessageToAddress("ops@owner.example", 0, 1, "Log", text, ref), SendResult::Submitted);
    EXPECT_EQ(ref, "12070301.out");
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Uploads.Submitted.size() == 1; }));
    EXPECT_TRUE(shell.ReceivedBytes.endsWith("tx 12070301.out -c 101 -s 0 -t 255 -l 0 -e 5678 -n -v\r\n"))
        << shell.ReceivedBytes.toStdString();
    EXPECT_EQ(shell.Uploads.Find("12070301.out")->Text.toLatin1(), text.toLatin1());
}

}  // namespace
