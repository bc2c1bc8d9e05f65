#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>

#include "ConfigFixture.h"
#include "foundation/IspFile.h"

namespace tidepost::test {
namespace {

const QByteArray kIsp = "VERSION 100\r\n"
                        "Alpha|001|101|201|301|TO:|CC:|BCC:|SU:|STX:<CRLF>|SAC|28|;||||\r\n"
                        "Bravo|002|102|202|302|TO:|||SU:|STX:|X.25|29|,||||\r\n";

struct Providers : ConfigFixture {
    Providers() { platform.WriteDataFile("isp.dat", kIsp); }
    EMailServicesForm& Open() {
        OpenEMailServices(c);
        return *c.EMailServicesForm.loaded();
    }
    QByteArray Isp() const { return Data("isp.dat"); }
    void Select(EMailServicesForm& form, const QString& name) {
        form.ISPListBox->setCurrentItem(form.ISPListBox->findItems(name, Qt::MatchExactly).front());
    }
};

TEST_F(Providers, OpeningListsTheProvidersAndCopiesIspDat) {
    platform.WriteDataFile("newisp.dat", "stale");
    EMailServicesForm& form = Open();
    EXPECT_EQ(Data("newisp.dat"), kIsp);
    ASSERT_EQ(form.ISPListBox->count(), 2);
    EXPECT_EQ(form.ISPListBox->item(1)->text(), "Bravo");
    // The first provider is shown, its line breaks as "<CRLF>".
    EXPECT_EQ(form.ProvName->text(), "Alpha");
    EXPECT_EQ(form.StxText->text(), "STX:<CRLF>");
    EXPECT_FALSE(form.NameAddButton->isEnabled());
}

TEST_F(Providers, OkWritesWhatASwitchStoredAndTheLineBreaks) {
    EMailServicesForm& form = Open();
    Select(form, "Alpha");
    form.CCText->setText("KOPI:");
    form.StxText->setText("A<CRLF>B");
    Select(form, "Bravo");
    EXPECT_EQ(form.AddressTypeCombo->currentText(), "X.25");
    EXPECT_EQ(GetISPElement(f, "Alpha", 10), "A\r\nB");
    form.OKButton->click();
    EXPECT_EQ(Isp(), "VERSION 100\r\n"
                     "Alpha|001|101|201|301|TO:|KOPI:|BCC:|SU:|A<CRLF>B|SAC|28|;||||\r\n"
                     "Bravo|002|102|202|302|TO:|||SU:|STX:|X.25|29|,||||\r\n");
    EXPECT_FALSE(c.EMailServicesForm.isLoaded());
}

TEST_F(Providers, FieldsRefuseWhatTheFileCannotHold) {
    EMailServicesForm& form = Open();
    form.ToText->setText("TO:");
    form.ToText->insert("|");
    form.DelimiterText->insert("\r\n");
    form.AddressTypeCombo->lineEdit()->insert("|");
    EXPECT_EQ(form.ToText->text(), "TO:");
    EXPECT_EQ(form.DelimiterText->text(), ";");
    EXPECT_EQ(form.AddressTypeCombo->currentText(), "SAC");
}

TEST_F(Providers, AddRefusesADuplicateAndAnEmptyName) {
    EMailServicesForm& form = Open();
    form.Toolbar1_ButtonClick("addprovider");
    EXPECT_TRUE(form.NameAddButton->isEnabled());
    EXPECT_FALSE(form.WestNo->isEnabled());
    form.ProvName->setText("Bravo");
    form.NameAddButton->click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Provider Name already exists. Please choose another name");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Info");
    form.ProvName->setText("   ");
    form.NameAddButton->click();
    EXPECT_EQ(f.gIspList.size(), 2);
    EXPECT_TRUE(form.NameAddButton->isEnabled());
    EXPECT_FALSE(form.ProvName->isReadOnly());

    form.ProvName->setText(" bravo ");
    form.NameAddButton->click();
    EXPECT_EQ(form.ISPListBox->count(), 3);
    EXPECT_EQ(form.ISPListBox->currentItem()->text(), "bravo");
    EXPECT_EQ(form.ProvName->text(), "bravo");
    EXPECT_TRUE(form.ProvName->isReadOnly());
    EXPECT_TRUE(form.WestNo->isEnabled());
    form.WestNo->setText("004");
    form.OKButton->click();
    EXPECT_TRUE(Isp().endsWith("bravo|004|||||||||||||||\r\n")) << Isp().toStdString();
}

TEST_F(Providers, CancelAndCloseRestoreTheListAsLoaded) {
    for (bool viaClose : {false, true}) {
        SCOPED_TRACE(viaClose);
        EMailServicesForm& form = Open();
        const QList<IspRecord> loaded = f.gIspList;
        Select(form, "Alpha");
        form.WestNo->setText("099");
        platform.Boxes.Answer(MsgAnswer::Yes);
        form.Toolbar1_ButtonClick("loaddefault");
        EXPECT_EQ(f.gIspList.size(), 13);
        if (viaClose) form.close();
        else form.CancelButton->click();
        EXPECT_EQ(f.gIspList, loaded);
        EXPECT_EQ(Isp(), kIsp);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Providers, DeleteRemovesTheEntryWithTheProvider) {
    EMailServicesForm& form = Open();
    Select(form, "Bravo");
    platform.Boxes.Answer(MsgAnswer::No);
    form.Toolbar1_ButtonClick("deleteprovider");
    EXPECT_EQ(form.ISPListBox->count(), 2);
    platform.Boxes.Answer(MsgAnswer::Yes);
    form.Toolbar1_ButtonClick("deleteprovider");
    EXPECT_EQ(platform.Boxes.Shown.back().text, "Do you want to delete the Service Provider: Bravo?");
    EXPECT_EQ(form.ISPListBox->count(), 1);
    EXPECT_EQ(GetISPData(f, "Bravo"), -1);
    EXPECT_EQ(form.ProvName->text(), "Alpha");
}

TEST_F(Providers, OldFileKeptAtOpeningIsNeverOverwritten) {
    const QByteArray old = "VERSION 099\r\nMine|001||||TO:||||||||||\r\n";
    platform.WriteDataFile("isp.dat", old);
    ReadDefaultIspData(f);
    platform.Boxes.Answer(MsgAnswer::Cancel);
    EMailServicesForm& form = Open();
    // The program's providers stay as they were.
    EXPECT_EQ(f.gIspList.size(), 13);
    form.OKButton->click();
    EXPECT_EQ(Isp(), old);
    ASSERT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_TRUE(platform.Boxes.Shown[1].text.contains("not saved"));
    EXPECT_EQ(f.gIspList.size(), 13);
}

TEST_F(Providers, OkAppliesTheDefaultProvidersLes) {
    SetIniValue(f, "[Default ISP]", "Bravo", true);
    EMailServicesForm& form = Open();
    Select(form, "Bravo");
    form.PacificNo->setText("210");
    form.OKButton->click();
    EXPECT_EQ(f.gConfiguration.DefaultISPLes(2), "210");
}

TEST_F(Providers, TabFollowsTheToolbarTheListAndTheFieldsInFileOrder) {
    EMailServicesForm& form = Open();
    QStringList names;
    QWidget* w = form.Toolbar1->widgetForAction(form.Toolbar1->actions().front());
    for (int i = 0; i < 23; ++i) {
        names << w->objectName();
        do w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled() || w->objectName().isEmpty());
    }
    EXPECT_EQ(names, (QStringList{"addproviderButton", "deleteproviderButton", "loaddefaultButton", "ISPListBox",
                                  "ProvName", "WestNo", "EastNo", "PacificNo", "IndianNo", "ToText", "CCText",
                                  "BccText", "SubjectText", "StxText", "AddressTypeCombo", "AddressText",
                                  "DelimiterText", "SmsPreText", "SmsPostText", "SmsSACText", "OKButton",
                                  "CancelButton", "addproviderButton"}));
    for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
        if (edit->objectName().isEmpty()) continue;
        EXPECT_FALSE(edit->accessibleName().isEmpty()) << edit->objectName().toStdString();
    }
}

}  // namespace
}  // namespace tidepost::test
