#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ConfigFixture.h"
#include "foundation/AppSettings.h"

namespace tidepost::test {
namespace {

struct SettingsFixture : ConfigFixture {
    QString Stored(const QString& key) { return GetAppSetting(f, f.gProductName, "Settings", key, "<none>"); }
    void Store(const QString& key, const QString& value) { SaveAppSetting(f, f.gProductName, "Settings", key, value); }
    SettingsForm& Open() {
        c.SettingsForm.get().ShowForm();
        return c.SettingsForm.get();
    }
};

const char* const kSetUp =
    "se -z PRINTER=YES\r\nst -w\r\nse -z FFEED=NO\r\nst -w\r\nse -z PLINES=53\r\nst -w\r\n"
    "se -z PRTYPEMAX=70\r\nst -w\r\nse -z PRTYPEREM=3";

TEST_F(SettingsFixture, OpeningChoosesThePrinterByProductAndStoredValue) {
    for (int product : {0, 1, 3, 4, 5}) {
        for (const char* stored : {"0", "1", "True", "False", "x", "true", " 2 "}) {
            f.gSession.SetProductType(product);
            Store("UseMesPrinter", stored);
            SettingsForm& form = Open();
            const bool pcOnly = product == 4 || product == 5;
            const QString s = QString(stored).trimmed().toLower();
            const bool wanted = s == "1" || s == "true" || s == "2";
            const QString what = QString("product %1, stored '%2'").arg(product).arg(stored);
            EXPECT_EQ(form.PrintOption[0]->isEnabled(), !pcOnly) << qPrintable(what);
            EXPECT_EQ(form.PrintOption[0]->isChecked(), wanted && !pcOnly) << qPrintable(what);
            EXPECT_EQ(form.PrintOption[1]->isChecked(), !(wanted && !pcOnly)) << qPrintable(what);
            EXPECT_EQ(form.PageLines->isEnabled(), wanted && !pcOnly) << qPrintable(what);
            EXPECT_EQ(form.WrapMarginLabel->isEnabled(), wanted && !pcOnly) << qPrintable(what);
            // Stored true on a transceiver without its own printer: put right at once.
            EXPECT_EQ(Stored("UseMesPrinter"), wanted && pcOnly ? "0" : QString(stored)) << qPrintable(what);
            form.CancelButton_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

TEST_F(SettingsFixture, PrintKeysOnlyForTransceiversThatPrintOnThePc) {
    for (int product : {0, 1, 4, 5}) {
        Store("PrintIncomingMsg", "2");
        Store("PrintEgcs", "1");
        Store("PrintMsgConf", "0");
        f.gSession.SetProductType(product);
        SettingsForm& form = Open();
        const bool pcOnly = product == 4 || product == 5;
        EXPECT_EQ(form.CheckPrintIncomingMsg->isChecked(), pcOnly);
        EXPECT_EQ(form.CheckPrintEgcs->isChecked(), pcOnly);
        EXPECT_FALSE(form.CheckPrintMsgConf->isChecked());
        EXPECT_EQ(form.CheckPrintEgcs->isEnabled(), pcOnly);
        form.OKButton_Click();
        EXPECT_EQ(Stored("PrintIncomingMsg"), pcOnly ? "1" : "0") << product;
        EXPECT_EQ(Stored("PrintEgcs"), pcOnly ? "1" : "0") << product;
        EXPECT_EQ(Stored("PrintMsgConf"), "0") << product;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SettingsFixture, HelpFollowsTheBoxes) {
    Store("UseMesPrinter", "1");
    SettingsForm& form = Open();
    form.ShowPrinterHelp(3);
    EXPECT_TRUE(form.HelpLabel->text().endsWith("varies between 67 and 73 characters.")) << qPrintable(form.HelpLabel->text());
    form.WrapMargin->setText("9");
    form.ShowPrinterHelp(3);
    EXPECT_TRUE(form.HelpLabel->text().endsWith("61 and 79 characters."));
    form.PageLines->setText("40");  // a change shows the box's help
    EXPECT_TRUE(form.HelpLabel->text().contains("Currently 40 lines will be printed"));
    QTest::mouseClick(form.WrapMarginLabel, Qt::LeftButton);
    EXPECT_TRUE(form.HelpLabel->text().endsWith("vary +/- 9 characters."));
    form.PrintOption[1]->setFocus();
    QCoreApplication::processEvents();
    if (form.PrintOption[1]->hasFocus()) {
        EXPECT_TRUE(form.HelpLabel->text().contains("connected to the PC"));
    }
}

TEST_F(SettingsFixture, NumberBoxesTakeDigitsOnlyTypedOrPasted) {
    Store("UseMesPrinter", "1");
    SettingsForm& form = Open();
    form.PageLines->clear();
    QTest::keyClicks(form.PageLines, "a4-x2");
    EXPECT_EQ(form.PageLines->text(), "42");
    struct Case {
        QLineEdit* box;
        const char* pasted;
        const char* left;
    };
    const Case cases[] = {{form.PageLines, "", "0"}, {form.PageLines, "1a2", "1"}, {form.LineWidth, " 8 0 ", "8"}, {form.LineWidth, "7x", "7"},
                          {form.WrapMargin, "45", "4"}, {form.WrapMargin, "x", "0"}, {form.LineWidth, "٣", "0"}};
    for (const Case& k : cases) {
        form.PrintOption[0]->setChecked(true);
        k.box->setText(k.pasted);  // as a paste leaves it: past the key filter, cut to the box's length
        form.CheckNumberBox(k.box);
        EXPECT_EQ(k.box->text(), k.left) << k.pasted;
    }
}

TEST_F(SettingsFixture, OkStoresEverythingAndSendsThePrinterSetUp) {
    f.gSession.SetMesConnected(true);
    f.gSession.SetProductType(1);
    SetIniValue(f, "[InHarbourButton]", "yes", true);
    SettingsForm& form = Open();
    EXPECT_FALSE(form.CheckShowInHarbourButton->isChecked());
    EXPECT_TRUE(form.CheckNewMessageInfoBox->isChecked());
    form.SelectPrintOption(0);
    form.PageLines->setText("");  // emptied, then OK: sent as 0
    form.MsgAddress->setText("ops@example.org");
    form.MsgFormatCombo->setEditText("7-bit");
    form.CheckAllowRemoteConfig->setChecked(false);
    form.OKButton_Click();
    EXPECT_EQ(Stored("UseMesPrinter"), "True");
    EXPECT_EQ(Stored("PageLines"), "0");
    EXPECT_EQ(Stored("LineWidth"), "70");
    EXPECT_EQ(Stored("WrapMargin"), "3");
    EXPECT_EQ(Stored("AllowRemoteConfig"), "0");
    EXPECT_EQ(Stored("NewMessageNotify"), "1");
    EXPECT_EQ(Stored("DefaultMsgAddress"), "ops@example.org");
    EXPECT_EQ(Stored("DefaultMsgFormat"), "7-bit");
    EXPECT_EQ(GetIniValue(f, "[InHarbourButton]"), "0");
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\n" + QString(kSetUp).replace("PLINES=53", "PLINES=0") + "\r\n");
    EXPECT_TRUE(link.Transceiver.MesPrinterConfigured);
    EXPECT_FALSE(c.SettingsForm.isLoaded());
}

TEST_F(SettingsFixture, PrinterSetUpOnlyWhenItIsOnItsWay) {
    struct Case {
        const char* what;
        bool connected;
        bool mobile;
        QString queued;   // before OK
        bool closing;     // the queue admits nothing
        QString after;
        bool flag;
    };
    const QString waiting = "\r\n" + QString(kSetUp) + "\r\n";
    const Case cases[] = {
        {"not connected", false, true, "", false, "", false},
        {"PC printer", true, false, "", false, "", false},
        {"same text waiting", true, true, waiting, false, waiting, true},
        {"queue refuses", true, true, "", true, "", false},
    };
    for (const Case& k : cases) {
        f.gSession.SetMesConnected(k.connected);
        link.Dialogue.CommandQueue = k.queued;
        link.Dialogue.ClosingDown = k.closing;
        link.Transceiver.MesPrinterConfigured = false;
        SettingsForm& form = Open();
        form.SelectPrintOption(k.mobile ? 0 : 1);
        form.OKButton_Click();
        EXPECT_EQ(link.Dialogue.CommandQueue, k.after) << k.what;
        EXPECT_EQ(link.Transceiver.MesPrinterConfigured, k.flag) << k.what;
        EXPECT_EQ(Stored("UseMesPrinter"), k.mobile ? "True" : "False") << k.what;
        link.Dialogue.ClosingDown = false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SettingsFixture, DefaultsAndCancelStoreNothing) {
    Store("UseMesPrinter", "True");
    Store("PageLines", "20");
    SettingsForm& form = Open();
    EXPECT_EQ(form.PageLines->text(), "20");
    form.DefaultButton_Click();
    EXPECT_EQ(form.PageLines->text(), "53");
    EXPECT_TRUE(form.PrintOption[1]->isChecked());
    EXPECT_FALSE(form.PageLines->isEnabled());
    form.CancelButton_Click();
    EXPECT_EQ(Stored("PageLines"), "20");
    EXPECT_EQ(Stored("UseMesPrinter"), "True");
}

TEST_F(SettingsFixture, ResetEmptiesTheHotListOnlyOnYes) {
    SettingsForm& form = Open();
    platform.Boxes.Answer(MsgAnswer::No);
    form.ResetHotlistButton_Click();
    EXPECT_TRUE(main.Calls.isEmpty());
    platform.Boxes.Answer(MsgAnswer::Yes);
    form.ResetHotlistButton_Click();
    EXPECT_EQ(main.Calls, QStringList{"ResetHotList"});
    ASSERT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Reset HotList ?");
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::YesNo);
}

TEST_F(SettingsFixture, SecondOpeningShowsTheSameWindow) {
    SettingsForm* first = &Open();
    EXPECT_EQ(&Open(), first);
}

}  // namespace
}  // namespace tidepost::test
