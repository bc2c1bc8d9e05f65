#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "foundation/AccessKeys.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/AddressBookForm.h"
#include "messages/AddressBookWindows.h"
#include "messages/Messages.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct MainFormKeys : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    std::unique_ptr<MainForm> form;

    MainFormKeys() {
        f.gConfiguration.DataPath = platform.DataFolder();
        form = std::make_unique<MainForm>(f, link, &m);
        form->ml_RuntimeSupport_LanguageChanged(1033, "English");
        form->MainFormSetUp();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    template <class T>
    T* Find(const char* name) {
        return form->findChild<T*>(name);
    }
};

TEST_F(MainFormKeys, TabGoesFromToThroughSubjectAndSendIntoTheBodyAndOutToTheViews) {
    auto* to = Find<QLineEdit>("ToFieldText");
    auto* body = Find<QPlainTextEdit>("Editor");
    to->setFocus();
    QStringList path;
    for (int i = 0; i < 8 && !body->hasFocus(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        path.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(path, (QStringList{"SubjectFieldText", "SendButton", "Editor"}));
    QTest::keyClick(body, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "EditorButton") << "Tab leaves the body";
    EXPECT_EQ(body->toPlainText(), "");
    body->setFocus();
    QTest::keyClick(body, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(body->toPlainText(), "\t") << "Ctrl+Tab still types a tab";
}

TEST_F(MainFormKeys, SendAnswersItsAccessKey) {
    auto* send = Find<QPushButton>("SendButton");
    const QChar key = AccessKeyOf(send->text());
    ASSERT_FALSE(key.isNull()) << send->text().toStdString();
    EXPECT_EQ(send->shortcut(), QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))));
}

TEST_F(MainFormKeys, TheAddressBookOpensWithNothingToOpenOrDeleteUntilANameIsSelected) {
    m.AddressBookEntries = {{"Agent", 1, 5, "123456", "12"}, {"Ops", 0, 7, "ops@ship.example", ""}};
    AddressBookForm book(m, form.get());
    book.List1->addItems({"Agent", "Ops"});
    book.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&book));
    book.List1->setFocus();
    EXPECT_TRUE(book.List1->hasFocus() || QApplication::focusWidget() != nullptr);
    EXPECT_FALSE(book.PropertiesButton->isEnabled());
    EXPECT_FALSE(book.DeleteButton->isEnabled());
    book.List1->setCurrentRow(1);
    EXPECT_TRUE(book.PropertiesButton->isEnabled());
    EXPECT_TRUE(book.DeleteButton->isEnabled());
}

}  // namespace
