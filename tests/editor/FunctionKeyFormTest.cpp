#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/DefaultMessageKeys.h"
#include "editor/cDefaultMessage.h"
#include "foundation/Foundation.h"
#include "support/TestPlatform.h"

namespace tidepost::test {
namespace {

struct FunctionKeyFormTest : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    DefaultMessageKeys keys{f};
    QMap<QString, QString> fields{{"Editor", "Body line 1\nBody line 2"},
                                  {"SubjectFieldText", "Noon position"},
                                  {"ToFieldText", "Owner;"},
                                  {"CCFieldText", ""},
                                  {"BccFieldText", "Office;"}};
    int menuUpdates = 0;

    FunctionKeyFormTest() {
        f.gConfiguration.DataPath = platform.DataFolder();
        keys.Links.FieldText = [this](const QString& name) { return fields.value(name); };
        keys.Links.UpdateFMenu = [this] { ++menuUpdates; };
    }
    ~FunctionKeyFormTest() override {
        keys.Form.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FunctionKeyForm& Open(int keyIndex = 0) {
        FunctionKeyForm& form = keys.Form.get();
        form.KeyIndex = static_cast<std::int16_t>(keyIndex);
        form.ShowForm();
        return form;
    }
    template <typename T>
    T* Child(const char* name) { return keys.Form.get().findChild<T*>(name); }
    void Store(int n, const QString& name) {
        cDefaultMessage m(f);
        m.Init(static_cast<std::int16_t>(n));
        ASSERT_TRUE(m.CreateMessage(name, "old body", "", "", "", ""));
    }
    QByteArray File(int n) const { return platform.ReadDataFile(QString("DefaultMessages/DefaultMsg%1.txt").arg(n)); }
};

TEST_F(FunctionKeyFormTest, ListShowsEveryKeyAndSelectKeyDisablesTheButtons) {
    Store(2, "Noon report");
    Open();
    auto* list = Child<QComboBox>("FKeyList");
    ASSERT_EQ(list->count(), 9);
    EXPECT_EQ(list->itemText(0), "Select a key");
    EXPECT_EQ(list->itemText(1), "F1 [Empty]");
    EXPECT_EQ(list->itemText(2), "F2 [Noon report]");
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(Child<QPushButton>("OKButton")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("ClearButton")->isEnabled());

    list->setCurrentIndex(2);
    EXPECT_EQ(Child<QLineEdit>("NameBox")->text(), "Noon report");
    EXPECT_TRUE(Child<QPushButton>("OKButton")->isEnabled());
    list->setCurrentIndex(0);
    EXPECT_EQ(Child<QLineEdit>("NameBox")->text(), "");
    EXPECT_FALSE(Child<QPushButton>("ClearButton")->isEnabled());
}

TEST_F(FunctionKeyFormTest, OpenedOnAKeyWithoutMessageOffersTheSubject) {
    Open(4);
    EXPECT_EQ(Child<QComboBox>("FKeyList")->currentIndex(), 4);
    EXPECT_EQ(Child<QLineEdit>("NameBox")->text(), "Noon position");
}

TEST_F(FunctionKeyFormTest, SavedMessageIsTheStoredFileOfTheEditorFields) {
    Open(3);
    Child<QLineEdit>("NameBox")->setText("Noon");
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(File(3), QByteArray("<Message>\r\n<Version>2</Version>\r\n<Header>\r\n<Name>Noon</Name>\r\n"
                                  "<To>Owner;</To>\r\n<Cc></Cc>\r\n<Bcc>Office;</Bcc>\r\n"
                                  "<Subject>Noon position</Subject>\r\n</Header>\r\n"
                                  "<BodyText>Body line 1\r\nBody line 2</BodyText>\r\n</Message>"));
    EXPECT_FALSE(keys.Form.isLoaded());
    EXPECT_GE(menuUpdates, 1);
}

TEST_F(FunctionKeyFormTest, NamesThatAreRefusedOrAccepted) {
    struct Case {
        const char* name;
        bool refused;
        const char* stored;
    };
    const Case cases[] = {{"Empty", true, ""}, {"EMPTY", false, "EMPTY"}, {"", false, "Default message 6"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(platform.DataFolder() + "/DefaultMessages/DefaultMsg6.txt");
        platform.Boxes.Shown.clear();
        Open(6);
        Child<QLineEdit>("NameBox")->setText(c.name);
        Child<QPushButton>("OKButton")->click();
        EXPECT_EQ(keys.Form.isLoaded(), c.refused);
        if (c.refused) {
            ASSERT_EQ(platform.Boxes.Shown.size(), 1);
            EXPECT_EQ(platform.Boxes.Shown[0].text, "Illegal name, 'Empty'. Please change the name.");
            EXPECT_EQ(platform.Boxes.Shown[0].title, "Error");
            EXPECT_TRUE(File(6).isEmpty());
            keys.Form.get().CancelButton_Click();
        } else {
            cDefaultMessage m(f);
            ASSERT_TRUE(m.LoadMessage(6));
            EXPECT_EQ(m.GetName(), c.stored);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FunctionKeyFormTest, OverwriteAnsweredNoKeepsTheOldMessageAndCloses) {
    Store(2, "Old");
    const QByteArray before = File(2);
    Open(2);
    platform.Boxes.Answer(MsgAnswer::No);
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(platform.Boxes.Shown.last().title, "Overwrite?");
    EXPECT_EQ(File(2), before);
    EXPECT_FALSE(keys.Form.isLoaded());
}

TEST_F(FunctionKeyFormTest, FailedWriteIsShownAndTheDialogStays) {
    platform.WriteDataFile("DefaultMessages", "a file where the folder belongs");
    Open(1);
    Child<QPushButton>("OKButton")->click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error");
    EXPECT_TRUE(keys.Form.isLoaded());
    EXPECT_EQ(Child<QComboBox>("FKeyList")->currentIndex(), 1);
}

TEST_F(FunctionKeyFormTest, ClearingKeys) {
    Open(5);
    platform.Boxes.Answer(MsgAnswer::Yes);
    Child<QPushButton>("ClearButton")->click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Clear message linked with key F5?");
    EXPECT_EQ(platform.Boxes.Shown[1].text, "Error, file could not be deleted");
    EXPECT_TRUE(keys.Form.isLoaded());
    EXPECT_EQ(Child<QComboBox>("FKeyList")->currentIndex(), 5);

    Store(5, "Five");
    keys.Form.get().UpdateDefaultMessageList();
    Child<QComboBox>("FKeyList")->setCurrentIndex(5);
    platform.Boxes.Answer(MsgAnswer::Yes);
    Child<QPushButton>("ClearButton")->click();
    EXPECT_TRUE(File(5).isEmpty());
    EXPECT_FALSE(keys.Form.isLoaded());
}

TEST_F(FunctionKeyFormTest, FunctionKeyInTheListSelectsThatKey) {
    Store(3, "Third");
    Open();
    auto* list = Child<QComboBox>("FKeyList");
    QTest::keyClick(list, Qt::Key_F3);
    EXPECT_EQ(list->currentIndex(), 3);
    EXPECT_EQ(Child<QLineEdit>("NameBox")->text(), "Third");
    QTest::keyClick(Child<QLineEdit>("NameBox"), Qt::Key_F5);
    EXPECT_EQ(list->currentIndex(), 3);
}

TEST_F(FunctionKeyFormTest, NameBoxTakesTwentyTypedCharacters) {
    fields["SubjectFieldText"] = "A subject longer than twenty characters";
    Open(7);
    auto* name = Child<QLineEdit>("NameBox");
    EXPECT_EQ(name->text(), "A subject longer than twenty characters");
    name->clear();
    QTest::keyClicks(name, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(name->text(), "abcdefghijklmnopqrst");
}

TEST_F(FunctionKeyFormTest, FunctionKeysOfTheMainWindow) {
    QList<int> loaded;
    keys.LoadDefaultMessage = [&](int n) { loaded << n; };
    struct Case {
        int key;
        int shift;
    };
    for (const Case c : {Case{112, 0}, Case{119, 0}, Case{112, 2}, Case{113, 1}, Case{114, 4}, Case{120, 0}}) {
        int key = c.key;
        keys.HandleFunctionKey(key, c.shift);
    }
    EXPECT_EQ(loaded, (QList<int>{1, 8}));

    QList<int> hot;
    keys.HotListAdd = [&](int id, int) { hot << id; };
    keys.mnuFunctionKeySetup_Click();
    EXPECT_TRUE(keys.Form.get().isVisible());
    EXPECT_EQ(hot, QList<int>{2015});
}

}  // namespace
}  // namespace tidepost::test
