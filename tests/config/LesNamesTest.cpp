#include <QListWidget>
#include <QPushButton>
#include <QLineEdit>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "ConfigFixture.h"
#include "config/FileFieldValidator.h"
#include "config/LESConfigForm.h"
#include "config/LesEditForm.h"
#include "config/LesNames.h"
#include "config/LesServicesForm.h"
#include "foundation/LesLists.h"
#include "link/CommandQueue.h"

namespace tidepost::test {
namespace {

const QByteArray kAore = "101|Southbury\r\n102|Burum\r\n103|Yamaguchi\r\n105|Fucino\r\n112|Burum\r\n";

TEST(LesItems, IdIsBeforeTheFirstCommaAndTheNameAllAfterIt) {
    EXPECT_EQ(LesItemText("101", "Southbury"), "101, Southbury");
    EXPECT_EQ(LesItemId(" 102 , Burum, NL"), "102");
    EXPECT_EQ(LesItemName(" 102 , Burum, NL "), "Burum, NL");
    EXPECT_EQ(LesItemName("102"), "");
}

TEST(LesItems, FileFieldsRefuseBarsAndControlCharacters) {
    for (const char* ok : {"", "Burum", "Test, Name", "<CRLF>", "Ünïcode"}) EXPECT_TRUE(IsFileFieldText(ok)) << ok;
    for (const char* bad : {"a|b", "a\rb", "a\nb", "a\tb", "\x02", "\x7f"}) EXPECT_FALSE(IsFileFieldText(bad)) << bad;
    QLineEdit box;
    box.setValidator(new FileFieldValidator(&box));
    box.insert("Burum");
    box.insert("|x");
    box.insert("\nx");
    EXPECT_EQ(box.text(), "Burum");
}

TEST_F(ConfigFixture, SavingNamesKeepsEveryUnlistedStationInFileOrder) {
    platform.WriteDataFile("les_aore.dat", kAore);
    EXPECT_FALSE(SaveLesNames(f, 1, {"101, Southbury", "102, Test Name", "112, Burum, NL", "121, Aussaguel"}));
    EXPECT_EQ(Data("les_aore.dat"), "101|Southbury\r\n102|Test Name\r\n103|Yamaguchi\r\n105|Fucino\r\n"
                                    "112|Burum, NL\r\n121|Aussaguel\r\n");
    // An empty list writes nothing; a missing file is created from the list.
    platform.WriteDataFile("les_aore.dat", "x");
    EXPECT_FALSE(SaveLesNames(f, 1, {}));
    EXPECT_EQ(Data("les_aore.dat"), "x");
    EXPECT_FALSE(SaveLesNames(f, 2, {"201, Southbury"}));
    EXPECT_EQ(Data("les_por.dat"), "201|Southbury\r\n");
    // An empty file is no station.
    platform.WriteDataFile("les_ior.dat", "");
    EXPECT_FALSE(SaveLesNames(f, 3, {"301, Southbury"}));
    EXPECT_EQ(Data("les_ior.dat"), "301|Southbury\r\n");
}

TEST_F(ConfigFixture, SavingNamesIntoAFolderThatIsGoneFails) {
    f.gConfiguration.DataPath = platform.DataFolder() + "/gone";
    EXPECT_TRUE(SaveLesNames(f, 1, {"101, Southbury"}));
    EXPECT_TRUE(WriteDefaultLesNames(f, 1));
}

// The LES lists dialog, filled as the main window fills it: 101, 102 and 112 available.
struct LesDialogs : ConfigFixture {
    LesDialogs() {
        platform.WriteDataFile("les_aore.dat", kAore);
        form = &c.LESConfigForm.get();
        form->SetLesList(1, {"101, Southbury", "102, Burum", "112, Burum"});
        form->DisableEditButtons();
    }
    // Renames the item of the row, the operator's part done by `answer` in the modal wait.
    void Rename(int row, std::function<void(LesEditForm&)> answer, int ocean = 1) {
        form->LesList[ocean]->setCurrentRow(row);
        QTimer::singleShot(0, [this, answer] {
            ASSERT_TRUE(c.LesEditForm.isLoaded());
            answer(*c.LesEditForm.loaded());
        });
        form->EditButton_Click(ocean);
    }
    QString Item(int row, int ocean = 1) const { return form->LesList[ocean]->item(row)->text(); }
    LESConfigForm* form = nullptr;
};

TEST_F(LesDialogs, RenameChangesOnlyThatStationsLine) {
    EXPECT_FALSE(form->EditButton[1]->isEnabled());
    form->LesList[1]->setCurrentRow(1);
    EXPECT_TRUE(form->EditButton[1]->isEnabled());
    Rename(1, [](LesEditForm& edit) {
        EXPECT_EQ(edit.LesNo->text(), "102");
        EXPECT_EQ(edit.LESName->text(), "Burum");
        edit.LESName->setText("  Test Name ");
        edit.OKButton->click();
    });
    EXPECT_EQ(Item(1), "102, Test Name");
    EXPECT_EQ(Data("les_aore.dat"), QByteArray(kAore).replace("102|Burum", "102|Test Name"));
    EXPECT_FALSE(c.LesEditForm.isLoaded());
}

TEST_F(LesDialogs, RenameAnswersThatKeepTheName) {
    const struct {
        const char* what;
        std::function<void(LesEditForm&)> answer;
    } cases[] = {
        {"blank name", [](LesEditForm& e) { e.LESName->setText("   "); e.OKButton->click(); }},
        {"cancel", [](LesEditForm& e) { e.LESName->setText("Other"); e.CancelButton->click(); }},
        {"close box", [](LesEditForm& e) { e.LESName->setText("Other"); e.close(); }},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        Rename(0, k.answer);
        EXPECT_EQ(Item(0), "101, Southbury");
        EXPECT_EQ(Data("les_aore.dat"), kAore);
    }
}

TEST_F(LesDialogs, NameWithACommaIsStoredWhole) {
    Rename(2, [](LesEditForm& e) {
        e.LESName->setText("Burum, NL");
        e.OKButton->click();
    });
    EXPECT_EQ(Data("les_aore.dat"), QByteArray(kAore).replace("112|Burum", "112|Burum, NL"));
    // Stored again by the next rename, still whole.
    Rename(0, [](LesEditForm& e) { e.OKButton->click(); });
    EXPECT_EQ(Data("les_aore.dat"), QByteArray(kAore).replace("112|Burum", "112|Burum, NL"));
}

TEST_F(LesDialogs, InvalidItemIsRemovedAfterItsBox) {
    form->SetLesList(1, {"101, Southbury", "165, Nowhere"});
    form->LesList[1]->setCurrentRow(1);
    form->EditButton_Click(1);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Invalid LES ID");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error");
    EXPECT_EQ(form->LesList[1]->count(), 1);
    EXPECT_EQ(Data("les_aore.dat"), kAore);
}

TEST_F(LesDialogs, FailedWritesAreShown) {
    f.gConfiguration.DataPath = platform.DataFolder() + "/gone";
    Rename(0, [](LesEditForm& e) { e.OKButton->click(); });
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("(LESConfigForm.EditButton_Click) Error '76'"))
        << platform.Boxes.Shown[0].text.toStdString();

    platform.Boxes.Answer(MsgAnswer::Yes);
    form->DefaultButton_Click(1);
    ASSERT_EQ(platform.Boxes.Shown.size(), 3);
    EXPECT_TRUE(platform.Boxes.Shown[2].text.startsWith("(LESConfigForm.DefaultButton_Click) Error '76'"));
}

TEST_F(LesDialogs, DefaultReloadsTheBuiltInNamesAfterYes) {
    f.OceanNames = {"West Atlantic", "East Atlantic", "Pacific Ocean", "Indian Ocean", "No Ocean"};
    platform.Boxes.Answer(MsgAnswer::No);
    form->DefaultButton_Click(1);
    EXPECT_EQ(Data("les_aore.dat"), kAore);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Do you want to load Default LES Names for East Atlantic?\r\n\r\n"
                                            "(This will overwrite the user defined LES names)");
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::YesNo);

    platform.Boxes.Answer(MsgAnswer::Yes);
    form->DefaultButton_Click(1);
    EXPECT_EQ(form->LesList[1]->count(), 9);
    QByteArray builtIn;
    for (const KeyValuePair& row : GetDefaultLesList(1)) builtIn += (row.Key + "|" + row.Value + "\r\n").toLatin1();
    EXPECT_EQ(Data("les_aore.dat"), builtIn);
}

TEST_F(LesDialogs, InfoAsksOnlyForAStationOfTheCurrentOceanWhileLinked) {
    const struct {
        bool linked;
        qint16 tdm;
        bool enabled;
    } cases[] = {{true, 144, true}, {false, 144, false}, {true, 244, false}, {true, 0, false}};
    for (const auto& k : cases) {
        f.gSession.SetMesConnected(k.linked);
        f.gSession.SetTDMOrigin(k.tdm);
        LesEditForm& edit = c.LesEditForm.get();
        edit.LoadLes("102", "Burum");
        EXPECT_EQ(edit.InfoButton->isEnabled(), k.enabled) << k.linked << " " << k.tdm;
    }
    link.Dialogue.CommandQueue.clear();
    f.gSession.SetMesConnected(true);
    f.gSession.SetTDMOrigin(144);
    c.LesEditForm.get().InfoButton_Click();
    EXPECT_EQ(link.Dialogue.CommandQueue, "status -n\r\n");
    EXPECT_TRUE(window.Calls.contains("ShowWaitForm"));
}

TEST_F(LesDialogs, InfoOnAnInvalidIdRemovesTheItemAndCancels) {
    form->LesList[1]->setCurrentRow(0);
    LesEditForm& edit = c.LesEditForm.get();
    edit.EditOcean = 1;
    edit.LoadLes("1x1", "Southbury");
    edit.LESName->setText("Changed");
    edit.InfoButton_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Error, invalid LES ID");
    EXPECT_EQ(form->LesList[1]->count(), 2);
    EXPECT_EQ(edit.ChosenName(), "Southbury");
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

QString ServicesReply(const QString& end) {
    const QString stx(QChar(2)), etx(QChar(3));
    QString text = "status -n" + end;
    for (const char* id : {"101", "102"})
        text += "LES id " + stx + id + etx + end + "Name     : " + stx + "Station" + etx + end + "Services : " + stx +
                "Email Telex" + etx + end + end;
    return text + "can0:/$ ";
}

TEST_F(LesDialogs, ServicesOfTheEditedStationAreShownWithoutStxEtx) {
    LesEditForm& edit = c.LesEditForm.get();
    edit.LoadLes("102", "Burum");
    edit.show();
    Dispatch(ServicesReply("\r\n"));
    ASSERT_TRUE(c.LesServicesForm.isLoaded());
    EXPECT_EQ(c.LesServicesForm.loaded()->ServicesText->text(),
              "LES id 102\nName     : Station\nServices : Email Telex");
    EXPECT_TRUE(c.LesServicesForm.loaded()->isVisible());
    EXPECT_TRUE(window.Calls.contains("UnloadWaitForm"));
    EXPECT_EQ(c.LesServicesForm.loaded()->windowTitle(), "LES Services");
}

TEST_F(LesDialogs, ServicesReplyIsIgnoredWithoutTheNameDialogOrTheStation) {
    Dispatch(ServicesReply("\r\n"));
    EXPECT_FALSE(c.LesServicesForm.isLoaded());
    LesEditForm& edit = c.LesEditForm.get();
    edit.LoadLes("112", "Burum");
    edit.show();
    Dispatch(ServicesReply("\r\n"));
    EXPECT_FALSE(c.LesServicesForm.isLoaded());
    EXPECT_FALSE(window.Calls.contains("UnloadWaitForm"));
}

TEST_F(LesDialogs, TabReachesEveryControlInReadingOrder) {
    QStringList names;
    QWidget* w = form->LesList[0];
    for (int i = 0; i < 13; ++i) {
        names << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
    }
    EXPECT_EQ(names, (QStringList{"LesList(0)", "EditButton(0)", "DefaultButton(0)", "LesList(1)", "EditButton(1)",
                                  "DefaultButton(1)", "LesList(2)", "EditButton(2)", "DefaultButton(2)", "LesList(3)",
                                  "EditButton(3)", "DefaultButton(3)", "OKButton"}));
    for (QListWidget* list : form->LesList) EXPECT_FALSE(list->accessibleName().isEmpty());
}

}  // namespace
}  // namespace tidepost::test

namespace tidepost::test {
namespace {

TEST_F(LesDialogs, ADoubleClickOpensTheRenameOnce) {
    form->show();
    QListWidget* list = form->LesList[1];
    const QRect cell = list->visualItemRect(list->item(1));
    int opened = 0;
    std::function<void()> answer = [&] {
        if (!c.LesEditForm.isLoaded() || !c.LesEditForm.loaded()->isVisible()) return;
        ++opened;
        c.LesEditForm.loaded()->OKButton->click();
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, answer);
    timer.start(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QCoreApplication::processEvents();
    timer.stop();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(form->EditButton[1]->isEnabled());
}

}  // namespace
}  // namespace tidepost::test

namespace tidepost::test {
namespace {

// The poll's "st -n" replaces the region's available stations, which the LES dialogs then offer.
TEST_F(ConfigFixture, PolledListingReachesTheAvailableStations) {
    for (const char* end : {"\n", "\r\n", "\r\r\n"}) {
        link.Dialogue.EchoTerminator = end;
        link.Dialogue.EchoTerminatorLength = qint16(strlen(end));
        f.gConfiguration.SetavailableLESs(2, "");
        const QString stx(QChar(2)), etx(QChar(3)), e(end);
        Dispatch("st -n" + e + "LES id " + stx + "201" + etx + e + "Name     : " + stx + "A" + etx + e + e +
                 "LES id " + stx + "212" + etx + e + "can0:/$ ");
        EXPECT_EQ(f.gConfiguration.AvailableLESs(2), "201,212") << QString(end).size();
    }
}

}  // namespace
}  // namespace tidepost::test
