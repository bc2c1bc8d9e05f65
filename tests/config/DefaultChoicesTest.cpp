#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ConfigFixture.h"
#include "config/DefaultIsp.h"
#include "config/EMailServicesForm.h"
#include "foundation/IspFile.h"
#include "messages/AddressBookForm.h"

namespace tidepost::test {
namespace {

QByteArray IniText(const TestPlatform& p) { return p.ReadDataFile("Tidepost.ini"); }

TEST_F(ConfigFixture, DefaultLesChoicesStoreTheirFirstThreeCharacters) {
    StoreDefaultLes(f, {"001, Southbury", "102, Test Name", "000", ""});
    const char* const keys[4] = {"[Default LES West]", "[Default LES East]", "[Default LES Pacific]",
                                 "[Default LES Indian]"};
    const char* const values[4] = {"001", "102", "000", ""};
    const QByteArray ini = IniText(platform);
    for (int ocean = 0; ocean < 4; ++ocean) {
        EXPECT_EQ(GetIniValue(f, keys[ocean]), values[ocean]);
        EXPECT_EQ(f.gConfiguration.DefaultLes(OceanIndex(ocean)), values[ocean]);
    }
    EXPECT_TRUE(ini.contains("[Default LES East]\r\n102\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("[Default LES Pacific]\r\n000\r\n"));
}

TEST_F(ConfigFixture, DefaultLesDialogKeepsAnUnknownValueAndIgnoresTyping) {
    DefaultLESForm& form = c.DefaultLESForm.get();
    for (int ocean = 0; ocean < 4; ++ocean) form.SetLesList(ocean, {});
    form.SetLesList(1, {"101, Southbury", "102, Burum"});
    form.SetLesListText(0, "000");
    form.SetLesListText(1, "101, Southbury");
    form.SetLesListText(2, "299");
    form.SetLesListText(3, "");
    QTest::keyClicks(form.LesList[1], "xyz");
    EXPECT_EQ(form.LesList[1]->currentText(), "101, Southbury");
    form.LesList[1]->setCurrentIndex(1);
    form.OKButton_Click();
    EXPECT_EQ(GetIniValue(f, "[Default LES West]"), "000");
    EXPECT_EQ(GetIniValue(f, "[Default LES East]"), "102");
    EXPECT_EQ(GetIniValue(f, "[Default LES Pacific]"), "299");
    EXPECT_EQ(GetIniValue(f, "[Default LES Indian]"), "");
    EXPECT_TRUE(IniText(platform).contains("[Default LES East]\r\n102\r\n"));
    EXPECT_FALSE(c.DefaultLESForm.isLoaded());
}

TEST_F(ConfigFixture, DefaultLesDialogCancelAndCloseStoreNothing) {
    SetIniValue(f, "[Default LES East]", "101", true);
    for (bool viaClose : {false, true}) {
        DefaultLESForm& form = c.DefaultLESForm.get();
        form.SetLesList(1, {"101, Southbury", "102, Burum"});
        form.LesList[1]->setCurrentIndex(1);
        if (viaClose) form.close();
        else form.CancelButton->click();
        EXPECT_FALSE(c.DefaultLESForm.isLoaded());
        EXPECT_EQ(GetIniValue(f, "[Default LES East]"), "101");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Providers: A has every LES and both prefixes, B only a Pacific LES and a Bcc prefix, C no LES.
const QByteArray kIsp = "VERSION 100\r\n"
                        "Alpha|001|101|201|301|TO:|CC:|BCC:|SU:|STX:|SAC|28|;||||\r\n"
                        "Bravo||||2045|TO:||BCC:|SU:|STX:|SAC|28|;||||\r\n"
                        "Charlie|||||TO:|CC:||SU:|STX:|SAC|28|;||||\r\n";

struct DefaultProvider : ConfigFixture {
    DefaultProvider() {
        platform.WriteDataFile("isp.dat", QByteArray(kIsp).replace("Bravo||||2045", "Bravo|||2045|"));
        ReadIspFile(f);
    }
};

TEST_F(DefaultProvider, OfferedProvidersServeTheCurrentOcean) {
    const struct {
        qint16 tdm;
        QStringList names;
    } cases[] = {{0, {"Alpha", "Bravo", "Charlie"}}, {44, {"Alpha"}}, {244, {"Alpha", "Bravo"}}, {344, {"Alpha"}}};
    SetIniValue(f, "[Default ISP]", "Charlie", true);
    for (const auto& k : cases) {
        f.gSession.SetTDMOrigin(k.tdm);
        const DefaultIspChoices choices = LoadDefaultIspChoices(f);
        EXPECT_EQ(choices.Names, k.names) << k.tdm;
        // The default stays shown even where it is not offered.
        EXPECT_EQ(choices.Current, "Charlie");
    }
}

TEST_F(DefaultProvider, ADefaultNoLongerListedIsClearedAtOpening) {
    SetIniValue(f, "[Default ISP]", "alpha", true);
    EXPECT_EQ(LoadDefaultIspChoices(f).Current, "");
    EXPECT_EQ(GetIniValue(f, "[Default ISP]"), "");
    EXPECT_TRUE(IniText(platform).contains("[Default ISP]\r\n\r\n"));
}

TEST_F(DefaultProvider, AnUnreadIspFileClearsNothing) {
    SetIniValue(f, "[Default ISP]", "Alpha", true);
    platform.WriteDataFile("isp.dat", "VERSION 099\r\nOld|||||||||||||||\r\n");
    platform.Boxes.Answer(MsgAnswer::Cancel);
    const DefaultIspChoices choices = LoadDefaultIspChoices(f);
    EXPECT_TRUE(choices.ReadFailed);
    EXPECT_EQ(choices.Current, "Alpha");
    EXPECT_EQ(GetIniValue(f, "[Default ISP]"), "Alpha");
    EXPECT_EQ(f.gIspList.size(), 3);
}

TEST_F(DefaultProvider, OkStoresTheProviderAndItsLesPerOcean) {
    platform.WriteDataFile("isp.dat", QByteArray(kIsp).replace("Alpha|001|101|", "Alpha|0011|101|"));
    StoreDefaultIsp(c, "Alpha", true);
    EXPECT_EQ(GetIniValue(f, "[Default ISP]"), "Alpha");
    EXPECT_EQ(GetIniValue(f, "[Default LES West]"), "0011");
    EXPECT_EQ(f.gConfiguration.DefaultLes(0), "001");
    EXPECT_EQ(f.gConfiguration.DefaultLes(3), "301");
    EXPECT_EQ(f.gConfiguration.DefaultISPLes(1), "101");
    EXPECT_EQ(main.Calls, QStringList{"MainFormSetUp"});

    // Without the check box, or for a provider not in isp.dat, the default LESs stay.
    StoreDefaultIsp(c, "Charlie", false);
    EXPECT_EQ(GetIniValue(f, "[Default LES West]"), "0011");
    StoreDefaultIsp(c, "Nobody", true);
    EXPECT_EQ(f.gConfiguration.DefaultLes(1), "101");
    EXPECT_EQ(f.gConfiguration.DefaultISPLes(1), "");
}

TEST_F(DefaultProvider, DialogOpensOnTheDefaultAndTypingChangesNothing) {
    SetIniValue(f, "[Default ISP]", "Bravo", true);
    DefaultISPForm& form = c.DefaultISPForm.get();
    EXPECT_EQ(form.ISPComboBox->currentText(), "Bravo");
    EXPECT_TRUE(form.CheckSetDefaultLES->isChecked());
    QTest::keyClicks(form.ISPComboBox, "Alpha");
    EXPECT_EQ(form.ISPComboBox->currentText(), "Bravo");
    form.ISPComboBox->setCurrentIndex(form.ISPComboBox->findText("Charlie"));
    form.CheckSetDefaultLES->setChecked(false);
    form.OKButton->click();
    EXPECT_EQ(GetIniValue(f, "[Default ISP]"), "Charlie");
    EXPECT_FALSE(c.DefaultISPForm.isLoaded());
}

TEST_F(DefaultProvider, CcAndBccRowsFollowTheDefaultsPrefixes) {
    AddressBookForm& book = m.AddressBookForms.AddressBookForm.get();
    const struct {
        const char* provider;
        QStringList calls;
        bool cc, bcc;
    } cases[] = {
        {"Alpha", {"Bcc 1", "Cc 1"}, true, true},
        {"Bravo", {"Bcc 1", "Cc 0"}, false, true},
        {"Charlie", {"Bcc 0", "Cc 1"}, true, false},
        {"Nobody", {"Bcc 0", "Cc 0"}, false, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.provider);
        main.Calls.clear();
        SetIniValue(f, "[Default ISP]", k.provider, false);
        ApplyIspCcBccAvailability(c);
        EXPECT_EQ(main.Calls, k.calls);
        EXPECT_EQ(book.CCButton->isEnabled(), k.cc);
        EXPECT_EQ(book.List3->isEnabled(), k.cc);
        EXPECT_EQ(book.BccButton->isEnabled(), k.bcc);
        EXPECT_EQ(book.List4->isEnabled(), k.bcc);
    }
    // No default: neither row, and the address book stays as it is.
    main.Calls.clear();
    SetIniValue(f, "[Default ISP]", "", false);
    ApplyIspCcBccAvailability(c);
    EXPECT_EQ(main.Calls, (QStringList{"Cc 0", "Bcc 0"}));
    EXPECT_FALSE(book.CCButton->isEnabled());
    EXPECT_FALSE(book.BccButton->isEnabled());
}

}  // namespace
}  // namespace tidepost::test

namespace tidepost::test {
namespace {

// Enter in a one-line field is OK in each dialog.
TEST_F(ConfigFixture, EnterIsOk) {
    DefaultLESForm& les = c.DefaultLESForm.get();
    les.SetLesListText(2, "210, Sentosa");
    QTest::keyClick(les.LesList[3]->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(c.DefaultLESForm.isLoaded());
    EXPECT_EQ(GetIniValue(f, "[Default LES Pacific]"), "210");

    platform.WriteDataFile("isp.dat", "VERSION 100\r\nAlpha|001|101|201|301|TO:|CC:|BCC:|SU:|STX:|SAC|28|;||||\r\n");
    EMailServicesForm& isp = c.EMailServicesForm.get();
    isp.WestNo->setText("009");
    QTest::keyClick(isp.SmsSACText, Qt::Key_Enter);
    EXPECT_FALSE(c.EMailServicesForm.isLoaded());
    EXPECT_TRUE(platform.ReadDataFile("isp.dat").contains("Alpha|009|"));
}

}  // namespace
}  // namespace tidepost::test
