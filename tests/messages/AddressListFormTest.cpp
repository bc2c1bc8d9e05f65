#include <QTest>
#include <QTimer>
#include <functional>

#include "AddressWindowsFixture.h"
#include "messages/AddressSearch.h"

using namespace tidepost;

namespace {

class AddressListFormTest : public test::AddressWindowsTest {
protected:
    AddressListFormTest() {
        m.AddressBookEntries = {test::Entry("Agent", 1, 0, "123456"), test::Entry("Ops", 0, 1, "ops@ship.example"),
                                test::Entry("Bagger", 2, 0, "99887766")};
    }

    // Resolves the field while `choose` acts on the chooser the resolution shows; what the
    // chooser looked like when it opened is kept.
    AddressSearchResult Resolve(const QString& field, std::function<void(AddressListForm&)> choose) {
        QTimer::singleShot(0, [this, choose] {
            AddressListForm* chooser = m.AddressBookForms.AddressListForm.loaded();
            ASSERT_NE(chooser, nullptr);
            Listed = Names(chooser->AddressList);
            Prompt = chooser->AddressText->text();
            OkAtFirst = chooser->OKButton->isEnabled();
            Visible = m.AddressBookForms.AddressListFormVisible();
            choose(*chooser);
            if (chooser->isVisible()) {
                ADD_FAILURE() << "the chooser is still open";
                chooser->hide();
            }
        });
        const AddressSearchResult result = ResolveAddressField(m, field, ";", true);
        EXPECT_FALSE(m.AddressBookForms.AddressListForm.isLoaded()) << "the resolver unloads the chooser";
        DeleteUnloaded();
        return result;
    }

    static void ClickRow(AddressListForm& chooser, int row) {
        QListWidget* list = chooser.AddressList;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    QStringList Listed;
    QString Prompt;
    bool OkAtFirst = true;
    bool Visible = false;
};

TEST_F(AddressListFormTest, ListsTheMatchesAndNamesTheTextInItsPrompt) {
    const AddressSearchResult result = Resolve("Ops;ag", [](AddressListForm& chooser) {
        ClickRow(chooser, 1);
        chooser.OKButton->click();
    });
    EXPECT_EQ(Listed, (QStringList{"Agent", "Bagger"}));
    EXPECT_EQ(Prompt, "Choose one of the matching addresses for 'ag'");
    EXPECT_FALSE(OkAtFirst);
    EXPECT_TRUE(Visible);
    EXPECT_EQ(result.Names, (QStringList{"Ops", "Bagger"}));
}

TEST_F(AddressListFormTest, WaysOfLeavingTheChooser) {
    struct Case {
        const char* what;
        std::function<void(AddressListForm&)> act;
        const char* name;
    } cases[] = {
        {"click enables OK",
         [](AddressListForm& c) {
             ClickRow(c, 0);
             EXPECT_TRUE(c.OKButton->isEnabled());
             c.OKButton->click();
         },
         "Agent"},
        {"Enter accepts the selection",
         [](AddressListForm& c) {
             QTest::keyClick(c.AddressList, Qt::Key_Down);
             QTest::keyClick(c.AddressList, Qt::Key_Down);
             QTest::keyClick(c.AddressList, Qt::Key_Return);
         },
         "Bagger"},
        {"double click accepts",
         [](AddressListForm& c) {
             QListWidget* list = c.AddressList;
             test::DoubleClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
         },
         "Bagger"},
        {"Enter without a choice waits for one",
         [](AddressListForm& c) {
             QTest::keyClick(c.AddressList, Qt::Key_Return);
             EXPECT_TRUE(c.isVisible());
             c.CancelButton->click();
         },
         ""},
        {"Cancel with a selection delivers nothing",
         [](AddressListForm& c) {
             ClickRow(c, 0);
             c.CancelButton->click();
         },
         ""},
        {"Esc delivers nothing",
         [](AddressListForm& c) {
             ClickRow(c, 0);
             QTest::keyClick(&c, Qt::Key_Escape);
         },
         ""},
        {"the close box delivers nothing",
         [](AddressListForm& c) {
             ClickRow(c, 1);
             c.close();
         },
         ""},
    };
    for (const Case& c : cases) {
        const AddressSearchResult result = Resolve("ag", c.act);
        EXPECT_EQ(result.Names, QStringList{c.name}) << c.what;
    }
}

}  // namespace
