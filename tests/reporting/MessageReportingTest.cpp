#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "foundation/IniFile.h"
#include "reporting/MessageReportingForm.h"
#include "reporting/MessageReportingSetup.h"
#include "support/QueuedTexts.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

struct Option {
    const char* entry;
    QString value;
    const char* label;
};

// A listing as the transceiver gives it: each entry, the value padded to 21, its label.
QString Listing(const QString& end, const QList<Option>& options, int operation = 0) {
    QString text = "Illegal argument" + end;
    for (const Option& o : options) text += QString(o.entry) + o.value.leftJustified(21) + o.label + end;
    text += "-f (num)  value is " + QString::number(operation).leftJustified(21) +
            (operation ? "Operation 1: enabled" : "Operation 0: disabled") + end;
    return text;
}

QList<Option> Standard(const QString& address = "7") {
    return {{"-m (str)  value is ", "1-12", "Month"},          {"-d (str)  value is ", "*", "Month day"},
            {"-w (str)  value is ", "*", "Day of week"},       {"-h (str)  value is ", "0,6,12,18", "Hour of day"},
            {"-u (str)  value is ", "0", "Minute of day"},     {"-n (num)  value is ", "0", "Print"},
            {"-v (num)  value is ", "1", "Confirmation"},      {"-p (str)  value is ", "1234", "PIN code"},
            {"-a (str)  value is ", address, "Destination Address"}};
}

struct MessageReporting : ReportingFixture {
    MessageReporting() {
        f.gSession.SetMesConnected(true);
        SetIniValue(f, "[addressbook]", platform.DataFolder() + "/addressbook", false);
    }
    ~MessageReporting() override {
        r.MessageReportingForms.unload();
        r.NoMsgRepForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void AddressBook(const QByteArray& lines) { platform.WriteDataFile("addressbook/address.dat", lines); }
    QString Reply(const QString& listing) const {
        const QString& end = link.Dialogue.EchoTerminator;
        return "rs" + end + listing + link.Dialogue.CurrentPrompt;
    }
    MessageReportingForm* Form() { return r.MessageReportingForms.loaded(); }
    bool Shown() { return Form() && Form()->isVisible(); }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < Form()->rsDestinationAddressText->count(); ++i) names << Form()->rsDestinationAddressText->itemText(i);
        return names;
    }
    QString Queue() const { return link.Dialogue.CommandQueue; }
};

TEST_F(MessageReporting, TheListingFillsTheDialog) {
    AddressBook("Ops:Telex:5:007\r\nMail:Email:7:ops@example.com\r\n\r\nFax office:Fax:8:00441234\r\n");
    Dispatch(Reply(Listing("\r\n", Standard())));
    ASSERT_TRUE(Shown());
    MessageReportingForm& form = *Form();
    EXPECT_EQ((QStringList{form.MonthText->text(), form.DayOfMonthText->text(), form.DayOfWeekText->text(),
                           form.HourOfDayText->text(), form.MinuteOfDayText->text(), form.PINCodeText->text()}),
              (QStringList{"1-12", "*", "*", "0,6,12,18", "0", "1234"}));
    EXPECT_FALSE(form.NoPrintCopyCheck->isChecked());
    EXPECT_TRUE(form.ConfirmationCheck->isChecked());
    EXPECT_FALSE(form.rsFunctionCheck->isChecked());
    EXPECT_EQ(form.rsDestinationAddressText->currentText(), "Ops");
    // The e-mail name is not offered; an empty line offers an empty item.
    EXPECT_EQ(Names(), (QStringList{"Ops", "", "Fax office"}));
    EXPECT_EQ(form.windowTitle(), "Message Reporting Setup");
    EXPECT_EQ(form.ScheduleFrame->title(), "Repeat the reports at UTC time:");
    EXPECT_EQ(form.MinuteOfDayText->accessibleName(), "Minute");
    EXPECT_EQ(form.rsDestinationAddressText->accessibleName(), "Address");
    EXPECT_TRUE(form.PINCodeText->toolTip().startsWith("Use '0' to '9' and 'A' to 'Z'."));
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
}

TEST_F(MessageReporting, RepliesAsATable) {
    AddressBook("Ops:Telex:5:007\r\nDesk:InmC:7:0012\r\nMail:Email:7:12\r\nLater:Fax:8:7\r\n");
    struct Case {
        const char* what;
        QString reply;
        bool dialog;          // shown
        bool notice;          // NoMsgRepForm shown
        QString minute;       // MinuteOfDayText as left ("-" when not loaded)
        bool enabled;
        QString destination;
    } cases[] = {
        {"INFO 999 with a listing", "INFO 999: Message reporting not supported\r\n" + Listing("\r\n", Standard()),
         false, true, "-", false, ""},
        {"info 999 in any case", "info 999: no\r\n", false, true, "-", false, ""},
        {"operation 1", Listing("\r\n", Standard(), 1), true, false, "0", true, "Later"},
        {"operation 1 in lower case", Listing("\r\n", Standard()).replace("Operation 0", "operation 1"), true, false,
         "0", true, "Later"},
        {"an address with 00 before it in the book", Listing("\r\n", Standard("12")), true, false, "0", false, "Mail"},
        {"an -a value beginning with 00", Listing("\r\n", Standard("0012")), true, false, "0", false, ""},
        {"no listing", "ERROR 120: Unknown\r\n", false, false, "-", false, ""},
        {"no Operation", Listing("\r\n", Standard()).replace("Operation", "Op"), false, false, "-", false, ""},
        {"the minute's label missing",
         Listing("\r\n", Standard()).replace("Minute of day", "Minute"), false, false, "", false, ""},
        {"line ends LF", Listing("\n", Standard()), true, false, "0", false, "Later"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        r.MessageReportingForms.unload();
        r.NoMsgRepForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Dispatch(Reply(c.reply));
        EXPECT_EQ(Shown(), c.dialog);
        EXPECT_EQ(r.NoMsgRepForms.isLoaded() && r.NoMsgRepForms.loaded()->isVisible(), c.notice);
        EXPECT_EQ(Form() ? Form()->MinuteOfDayText->text() : QString("-"), c.minute);
        if (c.dialog) {
            EXPECT_EQ(Form()->rsFunctionCheck->isChecked(), c.enabled);
            EXPECT_EQ(Form()->rsDestinationAddressText->currentText(), c.destination);
            // "Mail" is an e-mail entry: chosen when its address matches, never offered.
            EXPECT_EQ(Names(), (QStringList{"Ops", "Desk", "Later"}));
        }
    }
}

TEST_F(MessageReporting, EachOptionIsReadFromItsOwnEntry) {
    const MessageReportingReply read = ReadMessageReportingReply(Listing(
        "\r\n", {{"-m (str)  value is ", "1, 3", "Month"},     {"-d (str)  value is ", "1-5", "Month day"},
                 {"-w (str)  value is ", "0", "Day of week"},  {"-h (str)  value is ", "23", "Hour of day"},
                 {"-u (str)  value is ", "30", "Minute of day"}, {"-N (NUM)  VALUE IS ", "1", "Print"},
                 {"-v (num)  value is ", "0", "Confirmation"}, {"-p (str)  value is ", "", "PIN code"},
                 {"-a (str)  value is ", "581234567", "Destination Address"}},
        1));
    ASSERT_TRUE(read.Complete());
    const MessageReportingSettings& s = read.Settings;
    EXPECT_EQ((QStringList{s.Month, s.DayOfMonth, s.DayOfWeek, s.Hour, s.Minute, s.PinCode, s.Address}),
              (QStringList{"1,3", "1-5", "0", "23", "30", "", "581234567"}));
    EXPECT_TRUE(s.Print);
    EXPECT_FALSE(s.Confirmation);
    EXPECT_TRUE(s.Enabled);
    // A missing label stops the reading where it fails: the rows before it are read.
    const MessageReportingReply cut = ReadMessageReportingReply(Listing("\r\n", Standard()).replace("PIN code", "PIN"));
    EXPECT_EQ(cut.Read, 7);
    EXPECT_EQ(cut.Settings.Hour, "0,6,12,18");
}

struct Batch : MessageReporting {
    // The dialog as the standard listing leaves it, with this address book.
    MessageReportingForm& Open(const QByteArray& book) {
        AddressBook(book);
        Dispatch(Reply(Listing("\r\n", Standard())));
        return *Form();
    }
    static QString Lines(const QString& last, const QString& fourth = "rs -u 0 -n 0 -v 1 -p 1234") {
        return "rs -f 6\r\nrs -m 1-12 -d *\r\nrs -w * -h 0,6,12,18\r\n" + fourth + "\r\n" + last + "\r\n";
    }
};

TEST_F(Batch, EachTypeAndFormat) {
    struct Case {
        QByteArray line;
        QString last;
    } cases[] = {
        {"Dest:Telex:5:007", "rs -t 0 -l 6 -a 7 -f 0"},
        {"Dest:InmC:7:581234567", "rs -t 0 -l 0 -a 581234567 -f 0"},
        {"Dest:Fax:8:0044123456789012345678", "rs -e T30 -t 1 -l 7 -a 44123456789012345678 -f 0"},
        {"Dest:PSTN:9:4712", "rs -e V22B -t 1 -a 4712 -f 0"},
        {"Dest:SAC:5:0033", "rs -e 33 -t 6 -l 6 -a 33 -f 0"},
        {"Dest:DNID:5:12345", "rs -e 12345 -t 5 -l 6 -a 12345 -f 0"},
        {"Dest:X25:8:+4790", "rs -t 3 -l 7 -a 4790 -f 0"},
        {"Dest:Telex:05:000", "rs -t 0 -l 6 -a 0 -f 0"},
        {"dest:Telex:5:1\r\nDEST:Telex:7:2", "rs -t 0 -l 0 -a 2 -f 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.constData());
        link.Dialogue.CommandQueue.clear();
        MessageReportingForm& form = Open(c.line);
        form.rsDestinationAddressText->setEditText("Dest");
        form.OKButton_Click();
        EXPECT_EQ(Queue(), Lines(c.last));
        EXPECT_FALSE(r.MessageReportingForms.isLoaded());
        EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    }
}

TEST_F(Batch, TicksAndTheFunctionPart) {
    for (auto [ocean, les] : {std::pair{1, "102"}, {2, "201"}, {3, "301"}, {0, "001"}})
        f.gConfiguration.SetDefaultLes(OceanIndex(ocean), les);
    MessageReportingForm& form = Open("Ops:Telex:5:007");
    form.NoPrintCopyCheck->setChecked(true);
    form.ConfirmationCheck->setChecked(true);
    form.rsFunctionCheck->setChecked(true);
    form.OKButton_Click();
    EXPECT_EQ(Queue(), Lines("rs -t 0 -l 6 -a 7 -f 1 102 201 301 001", "rs -u 0 -n 1 -v 1 -p 1234"));
    EXPECT_EQ(window.Calls.mid(1), (QStringList{"ShowPleaseWait", "HidePleaseWait"}));
    EXPECT_EQ(window.PleaseWaitCaption, "Saving Message Reporting Setup in Modem.");
}

TEST_F(Batch, RefusalsKeepTheDialogOpenAndSendNothing) {
    struct Case {
        const char* what;
        QByteArray book;
        QString destination;
        std::function<void(MessageReportingForm&)> edit;
        QString box;
    } cases[] = {
        {"a name not in the book", "Ops:Telex:5:007", "Nobody", {},
         "'Nobody' is not in the address book. Choose a destination from the list."},
        {"no address book", "", "Ops", {}, "'Ops' is not in the address book. Choose a destination from the list."},
        {"an e-mail entry", "Mail:Email:7:ops@example.com", "mail", {},
         "Position reports cannot be sent to 'mail': the transceiver sends them only to a telex, fax, PSTN, "
         "Inmarsat-C, special access code, DNID or X.25 address given as a number."},
        {"an SMS entry", "Phone:SMS:7:4790000000", "Phone", {}, "Position reports cannot be sent to 'Phone'"},
        {"letters in a telex number", "Ops:Telex:5:12ab", "Ops", {}, "Position reports cannot be sent to 'Ops'"},
        {"an empty address", "Ops:Telex:5:", "Ops", {}, "Position reports cannot be sent to 'Ops'"},
        {"an empty schedule box", "Ops:Telex:5:7", "Ops", [](MessageReportingForm& f) { f.DayOfWeekText->clear(); },
         "Days to transmit position report, Use '0' to '9'  ','  '-' and '*'. (0=Sunday)"},
        {"a blank from the reply", "Ops:Telex:5:7", "Ops",
         [](MessageReportingForm& f) { f.HourOfDayText->setText("1 -a 9"); },
         "Hours to transmit position report"},
        {"a blank in the password", "Ops:Telex:5:7", "Ops", [](MessageReportingForm& f) { f.PINCodeText->setText("12 -f"); },
         "Use '0' to '9' and 'A' to 'Z'."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        r.MessageReportingForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(platform.DataFolder() + "/addressbook/address.dat");
        platform.Boxes.Shown.clear();
        MessageReportingForm& form = c.book.isEmpty() ? (Dispatch(Reply(Listing("\r\n", Standard()))), *Form()) : Open(c.book);
        form.rsDestinationAddressText->setEditText(c.destination);
        if (c.edit) c.edit(form);
        form.OKButton_Click();
        EXPECT_EQ(Queue(), "");
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_TRUE(platform.Boxes.Shown.first().text.startsWith(c.box)) << platform.Boxes.Shown.first().text.toStdString();
        EXPECT_TRUE(r.MessageReportingForms.isLoaded());
    }
}

TEST_F(Batch, NoLinkOrNoDestinationSendsNothingAndCloses) {
    MessageReportingForm& form = Open("Ops:Telex:5:007");
    form.rsDestinationAddressText->setEditText("   ");
    form.OKButton_Click();
    EXPECT_FALSE(r.MessageReportingForms.isLoaded());
    MessageReportingForm& again = Open("Ops:Telex:5:007");
    f.gSession.SetMesConnected(false);
    again.OKButton_Click();
    EXPECT_FALSE(r.MessageReportingForms.isLoaded());
    EXPECT_EQ(Queue(), "");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(Batch, TheBoxesTakeOnlyWhatTheCommandAllows) {
    MessageReportingForm& form = Open("Ops:Telex:5:007");
    form.MonthText->clear();
    QTest::keyClicks(form.MonthText, "1 -a,3*x-");
    EXPECT_EQ(form.MonthText->text(), "1-,3*-");
    form.PINCodeText->clear();
    QTest::keyClicks(form.PINCodeText, "a1 -B*");
    EXPECT_EQ(form.PINCodeText->text(), "a1B");
    // Pasted text goes through the same check: a paste with a blank is refused whole.
    form.MinuteOfDayText->clear();
    form.MinuteOfDayText->insert("0 -f 1");
    EXPECT_EQ(form.MinuteOfDayText->text(), "");
    form.MinuteOfDayText->insert("0,30");
    EXPECT_EQ(form.MinuteOfDayText->text(), "0,30");
}

TEST_F(Batch, TabReachesEveryControlInOrder) {
    MessageReportingForm& form = Open("Ops:Telex:5:007");
    QStringList names;
    QWidget* w = form.rsFunctionCheck;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled()) names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.rsFunctionCheck);
    names.removeAll("");
    EXPECT_EQ(names, (QStringList{"rsFunctionCheck", "MonthText", "DayOfMonthText", "DayOfWeekText", "HourOfDayText",
                                  "MinuteOfDayText", "NoPrintCopyCheck", "ConfirmationCheck", "PINCodeText",
                                  "rsDestinationAddressText", "OKButton", "CancelButton"}));
}

TEST_F(Batch, CancelAndTheCloseBoxSendNothing) {
    Open("Ops:Telex:5:007").CancelButton->click();
    EXPECT_FALSE(r.MessageReportingForms.isLoaded());
    Open("Ops:Telex:5:007").close();
    EXPECT_FALSE(r.MessageReportingForms.isLoaded());
    EXPECT_EQ(Queue(), "");
}

TEST(MessageReportingAddress, DigitsAfterAnOptionalPlus) {
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"007", "7"}, {"000", "0"}, {"+4790", "4790"}, {" 12 ", "12"}, {"123456789012345678901234", "123456789012345678901234"},
        {"", std::nullopt}, {"+", std::nullopt}, {"ops@example.com", std::nullopt}, {"12-34", std::nullopt},
        {"++1", std::nullopt}};
    for (const auto& [address, number] : cases) EXPECT_EQ(ReportingAddressNumber(address), number) << address.toStdString();
}

}  // namespace
