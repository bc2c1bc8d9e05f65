#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "RemoteFixture.h"
#include "foundation/AppSettings.h"
#include "foundation/UsefullCodePages.h"
#include "remote/Remote.h"
#include "remote/RemotePassword.h"
#include "remote/RemotePasswordForm.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

struct RemotePasswordDialog : RemoteFixture {
    Remote remote{f, link, m};

    QString Stored() { return GetAppSetting(f, f.gProductName, "Config", "Remote Password", QString()); }
    void Store(const QString& password) {
        SaveAppSetting(f, f.gProductName, "Config", "Remote Password", EncodeHexComplement(f, password));
    }
    // Fills the three fields of a freshly opened dialog and presses OK; the box's text.
    QString Change(const QString& oldPassword, const QString& newPassword, const QString& confirmation) {
        ShowRemotePasswordForm(remote);
        RemotePasswordForm& form = remote.RemotePasswordForms.get();
        form.OldRemotePassword->setText(oldPassword);
        form.RemotePassword->setText(newPassword);
        form.ConfirmRemotePassword->setText(confirmation);
        platform.Boxes.Shown.clear();
        QTest::mouseClick(form.OKButton, Qt::LeftButton);
        EXPECT_FALSE(remote.RemotePasswordForms.isLoaded()) << "it closes whatever the outcome";
        EXPECT_EQ(platform.Boxes.Shown.size(), 1);
        return platform.Boxes.Shown.value(0).text;
    }
};

TEST_F(RemotePasswordDialog, ChangesOnlyWithTheOldPasswordAndASoundNewOne) {
    const QString ok = "New Remote Password Registered OK!";
    const QString failure = "Remote Password Failure!";
    const QString shortText = RemotePasswordChangeText(f, RemotePasswordChange::TooShort);
    const QString unstorable = RemotePasswordChangeText(f, RemotePasswordChange::UnknownCharacter);
    struct Case {
        const char* what;
        QString old, fresh, confirmation;
        QString box;
        QString storedAfter;  // clear text
    };
    const Case cases[] = {
        {"none stored, old not empty", "x", "secret123", "secret123", failure, ""},
        {"none stored", "", "secret123", "secret123", ok, "secret123"},
        {"wrong old", "Secret123", "another1", "another1", failure, "secret123"},
        {"confirmation differs in case", "secret123", "another1", "Another1", failure, "secret123"},
        {"too short", "secret123", "abc1234", "abc1234", shortText, "secret123"},
        {"control character", "secret123", "secret\t123", "secret\t123", unstorable, "secret123"},
        {"outside the code page", "secret123", QString::fromUtf8("секрет123"), QString::fromUtf8("секрет123"),
         unstorable, "secret123"},
        {"accented letters", "secret123", QString::fromLatin1("s\xe9\x63ret123"), QString::fromLatin1("s\xe9\x63ret123"),
         ok, QString::fromLatin1("s\xe9\x63ret123")},
        {"empty turns it off", QString::fromLatin1("s\xe9\x63ret123"), "", "", ok, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Change(c.old, c.fresh, c.confirmation), c.box);
        EXPECT_EQ(platform.Boxes.Shown.value(0).title, f.gProductName);
        EXPECT_EQ(StoredRemotePassword(f), c.storedAfter);
        EXPECT_EQ(Stored().size(), 2 * c.storedAfter.size());
    }
    EXPECT_TRUE(Stored().isEmpty());
}

TEST_F(RemotePasswordDialog, CancelStoresNothingAndTheNextOpeningIsEmpty) {
    Store("secret123");
    for (const bool escape : {false, true}) {
        ShowRemotePasswordForm(remote);
        RemotePasswordForm* form = &remote.RemotePasswordForms.get();
        for (QLineEdit* field : {form->OldRemotePassword, form->RemotePassword, form->ConfirmRemotePassword})
            field->setText("secret123x");
        if (escape) QTest::keyClick(form->RemotePassword, Qt::Key_Escape);
        else QTest::mouseClick(form->CancelButton, Qt::LeftButton);
        EXPECT_FALSE(remote.RemotePasswordForms.isLoaded());
        EXPECT_EQ(StoredRemotePassword(f), "secret123");
        ShowRemotePasswordForm(remote);
        form = &remote.RemotePasswordForms.get();
        EXPECT_TRUE(form->OldRemotePassword->text().isEmpty());
        EXPECT_TRUE(form->RemotePassword->text().isEmpty());
        form->CancelButton_Click();
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(RemotePasswordDialog, KeyboardAndScreenReader) {
    ShowRemotePasswordForm(remote);
    RemotePasswordForm& form = remote.RemotePasswordForms.get();
    EXPECT_EQ(form.windowTitle(), "Remote Password");
    QLabel* labels[] = {form.OldRemotePasswordLabel, form.RemotePasswordLabel, form.ConfirmRemotePasswordLabel};
    QLineEdit* fields[] = {form.OldRemotePassword, form.RemotePassword, form.ConfirmRemotePassword};
    const char* names[] = {"Old Remote Password:", "New Remote Password:", "Confirm Remote Password:"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(labels[i]->buddy(), fields[i]);
        EXPECT_EQ(fields[i]->accessibleName(), names[i]);
        EXPECT_EQ(fields[i]->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(labels[i]->text().contains('&'));
    }
    EXPECT_TRUE(form.OKButton->isDefault());
    EXPECT_EQ(form.OKButton->text(), "OK");
    EXPECT_EQ(form.CancelButton->text(), "Cancel");
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.OldRemotePassword);
    // Tab moves top to bottom, then to the buttons.
    for (QWidget* next : {static_cast<QWidget*>(form.RemotePassword), static_cast<QWidget*>(form.ConfirmRemotePassword),
                          static_cast<QWidget*>(form.OKButton), static_cast<QWidget*>(form.CancelButton)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << QApplication::focusWidget()->objectName().toStdString();
    }
    form.OldRemotePassword->setFocus();

    // A control character typed into a field is dropped and moves the focus on.
    // Ctrl+A and Ctrl+B as the keyboard delivers them: the characters 1 and 2.
    auto press = [](QWidget* w, Qt::Key key, char16_t code) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier, QString(QChar(code)));
        QApplication::sendEvent(w, &event);
    };
    press(form.OldRemotePassword, Qt::Key_A, 1);
    EXPECT_TRUE(form.OldRemotePassword->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), form.RemotePassword);
    press(form.ConfirmRemotePassword, Qt::Key_B, 2);
    EXPECT_EQ(QApplication::focusWidget(), form.OKButton);
    form.CancelButton_Click();

    EXPECT_TRUE(RemotePasswordKeyMovesOn(QChar(1)));
    EXPECT_TRUE(RemotePasswordKeyMovesOn(QChar(15)));
    EXPECT_FALSE(RemotePasswordKeyMovesOn(QChar(8)));
    EXPECT_FALSE(RemotePasswordKeyMovesOn(QChar(16)));
    EXPECT_FALSE(RemotePasswordKeyMovesOn(QChar('a')));
}

TEST_F(RemotePasswordDialog, CaptionsFollowTheLanguage) {
    ShowRemotePasswordForm(remote);
    RemotePasswordForm& form = remote.RemotePasswordForms.get();
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Пароль удалённого доступа"));
    EXPECT_EQ(form.RemotePassword->accessibleName(), QString::fromUtf8("Новый пароль удалённого доступа:"));
    EXPECT_EQ(form.RemotePasswordLabel->text(), QString::fromUtf8("&Новый пароль удалённого доступа:"));
    EXPECT_EQ(form.CancelButton->text(), QString::fromUtf8("Отмена"));
    form.CancelButton_Click();
}

}  // namespace
