#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "ConfigFixture.h"
#include "config/PasswordChangeForm.h"
#include "config/PasswordVerifyForm.h"
#include "config/StoredPassword.h"
#include "foundation/AppSettings.h"
#include "messages/Messages.h"

namespace tidepost::test {
namespace {

// ---- The stored form ----

TEST(StoredPasswordEncoding, KnownValuesAndTheSixteenSymbols) {
    const AnsiCodec codec("windows-1252");
    const struct {
        QString text;
        QString stored;
    } cases[] = {
        {"", ""},
        {"abc", "616263"},
        {"Z", "5K"},
        {QString(QChar(0xE9)), "O9"},  // é
        {"Key1", "4L657931"},
        {QString(QChar(0x20AC)), "80"},  // € is byte 0x80 in windows-1252
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        EXPECT_EQ(EncodeStoredPassword(codec, c.text), c.stored);
        EXPECT_EQ(DecodeStoredPassword(codec, c.stored), c.text);
    }
}

TEST(StoredPasswordEncoding, EveryByteRoundTripsInEveryCodePage) {
    for (const char* page : {"windows-1252", "windows-1251", "IBM866"}) {
        const AnsiCodec codec(page);
        QString all;
        for (int b = 0; b < 256; ++b) all += codec.CharOf(static_cast<unsigned char>(b));
        const std::optional<QString> stored = EncodeStoredPassword(codec, all);
        ASSERT_TRUE(stored) << page;
        EXPECT_EQ(stored->size(), 512);
        for (const QChar ch : *stored) EXPECT_TRUE((ch >= '0' && ch <= '9') || (ch >= 'K' && ch <= 'P')) << page;
        EXPECT_EQ(DecodeStoredPassword(codec, *stored), all) << page;
    }
}

TEST(StoredPasswordEncoding, WhatTheEncoderCannotWrite) {
    const AnsiCodec codec("windows-1252");
    // Not in the code page: could never be typed back.
    EXPECT_FALSE(EncodeStoredPassword(codec, QString(QChar(0x0416))));
    // Damaged stored values.
    for (const char* stored : {"6", "616", "6A", "6a", "Q0", "6 ", "4L65793"}) EXPECT_FALSE(DecodeStoredPassword(codec, stored)) << stored;
}

// ---- The dialogs ----

struct Passwords : ConfigFixture {
    QString Stored(const char* key) { return f.Os.Settings->Get(f.gProductName, "Config", key, "<none>"); }
    void Store(const char* key, const QString& value) { f.Os.Settings->Save(f.gProductName, "Config", key, value); }
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QStringList BoxTexts() {
        QStringList texts;
        for (const auto& box : platform.Boxes.Shown) texts << box.text;
        return texts;
    }
};

TEST_F(Passwords, ChangeDialogsStoreOnlyAnAcceptedChange) {
    struct Case {
        const char* what;
        bool transmit;
        QString stored;  // "<none>": the key missing
        QString oldText, newText, confirm;
        QString box;
        QString storedAfter;
    } cases[] = {
        {"nothing stored, empty old", false, "<none>", "", "Key1", "Key1", "New Config Password Registered OK!",
         "4L657931"},
        {"nothing stored, an old one typed", false, "<none>", "x", "Key1", "Key1", "Config Password Failure!", "<none>"},
        {"empty stored, empty old", false, "", "", "ab", "ab", "New Config Password Registered OK!", "6162"},
        {"right old, both new empty: guard lifted", false, "4L657931", "Key1", "", "",
         "New Config Password Registered OK!", ""},
        {"right old, case differs", false, "4L657931", "Key1", "abc", "ABC", "Config Password Failure!", "4L657931"},
        {"wrong old", false, "4L657931", "key1", "abc", "abc", "Config Password Failure!", "4L657931"},
        {"old with a blank", false, "4L657931", "Key1 ", "abc", "abc", "Config Password Failure!", "4L657931"},
        {"new outside the code page", false, "", "", QString(QChar(0x0416)), QString(QChar(0x0416)),
         "Config Password Failure!", ""},
        {"damaged stored value matches nothing", false, "4L6", "", "abc", "abc", "Config Password Failure!", "4L6"},
        {"transmit accepted", true, "<none>", "", "go", "go", "New Transmit Password Registered OK!", "676P"},
        {"transmit refused", true, "676P", "gO", "x", "x", "Transmit Password Failure!", "676P"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const char* key = k.transmit ? kTransmitPasswordKey : kConfigPasswordKey;
        platform.Settings.DeleteKey(f.gProductName, "Config", key);
        if (k.stored != "<none>") Store(key, k.stored);
        platform.Boxes.Shown.clear();
        PasswordChangeForm& form = k.transmit ? static_cast<PasswordChangeForm&>(c.Setup->TransmitPasswordForm.get())
                                              : static_cast<PasswordChangeForm&>(c.Setup->ConfigPasswordForm.get());
        form.ShowForm();
        form.OldPassword->setText(k.oldText);
        form.NewPassword->setText(k.newText);
        form.ConfirmPassword->setText(k.confirm);
        QLineEdit* fields[] = {form.OldPassword, form.NewPassword, form.ConfirmPassword};
        form.OKButton->click();
        EXPECT_EQ(BoxTexts(), QStringList{k.box});
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].title, "Tidepost");
        EXPECT_EQ(Stored(key), k.storedAfter);
        for (QLineEdit* field : fields) EXPECT_TRUE(field->text().isEmpty());
        EXPECT_FALSE(c.Setup->ConfigPasswordForm.isLoaded() || c.Setup->TransmitPasswordForm.isLoaded());
        Settle();
    }
}

TEST_F(Passwords, CancelStoresNothing) {
    Store(kConfigPasswordKey, "4L657931");
    auto& form = c.Setup->ConfigPasswordForm.get();
    form.OldPassword->setText("Key1");
    form.NewPassword->setText("n");
    form.ConfirmPassword->setText("n");
    QTest::keyClick(form.ConfirmPassword, Qt::Key_Escape);
    EXPECT_FALSE(c.Setup->ConfigPasswordForm.isLoaded());
    EXPECT_EQ(Stored(kConfigPasswordKey), "4L657931");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(Passwords, PasswordFieldsHideTheTextAndNameNoPassword) {
    auto& change = c.Setup->TransmitPasswordForm.get();
    auto& verify = c.Setup->VerifyTransmitPasswordForm.get();
    for (QLineEdit* field : {change.OldPassword, change.NewPassword, change.ConfirmPassword, verify.Password}) {
        field->setText("secret");
        EXPECT_EQ(field->echoMode(), QLineEdit::Password);
        EXPECT_EQ(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field), '*');
        EXPECT_FALSE(field->accessibleName().isEmpty());
        EXPECT_FALSE(field->accessibleName().contains("secret"));
    }
    EXPECT_EQ(change.OldPassword->accessibleName(), "Old Transmit Password:");
    EXPECT_EQ(change.OldPassword->objectName(), "OldTransmitPassword");
    EXPECT_EQ(change.NewPassword->objectName(), "TransmitPassword");
    EXPECT_EQ(change.ConfirmPassword->objectName(), "ConfirmTransmitPassword");
}

TEST_F(Passwords, ANewTransmitPasswordFitsItsCheckField) {
    auto& change = c.Setup->TransmitPasswordForm.get();
    const QString longer(25, QChar('k'));
    change.NewPassword->setText(longer);
    change.ConfirmPassword->setText(longer);
    change.OKButton->click();
    Settle();
    // Whatever was accepted can be typed into the check field and passes it.
    auto& verify = c.Setup->VerifyTransmitPasswordForm.get();
    verify.Password->setText(longer);
    EXPECT_EQ(verify.Password->text().size(), 20);
    EXPECT_TRUE(StoredPasswordMatches(f, kTransmitPasswordKey, verify.Password->text()));
    // The old field keeps no limit, so an older, longer password can still be changed.
    EXPECT_EQ(c.Setup->TransmitPasswordForm.get().OldPassword->maxLength(), QLineEdit().maxLength());
}

TEST_F(Passwords, VerifyConfigWrongThenRight) {
    Store(kConfigPasswordKey, "4L657931");
    c.Setup->ConfigPasswordPurpose = 5;
    auto& form = c.Setup->VerifyConfigPasswordForm.get();
    form.ShowForm();
    form.Password->setText("key1");
    QTest::keyClick(form.Password, Qt::Key_Return);
    EXPECT_EQ(BoxTexts(), QStringList{"Invalid Config Password!"});
    EXPECT_TRUE(form.Password->text().isEmpty());
    EXPECT_TRUE(c.Setup->VerifyConfigPasswordForm.isLoaded());
    EXPECT_TRUE(main.Calls.isEmpty());

    // A second guarded command while it is open: the last one counts.
    c.Setup->ConfigPasswordPurpose = 3;
    form.Password->setText("Key1");
    form.OKButton->click();
    EXPECT_EQ(main.Calls, QStringList{"action 3"});
    EXPECT_FALSE(c.Setup->VerifyConfigPasswordForm.isLoaded());
    EXPECT_EQ(platform.Boxes.Shown.size(), 1);
}

TEST_F(Passwords, DamagedStoredValueIsLoggedWithoutItself) {
    Store(kConfigPasswordKey, "4L65793Z");
    EXPECT_FALSE(StoredPasswordMatches(f, kConfigPasswordKey, "Key1"));
    EXPECT_FALSE(StoredPasswordMatches(f, kConfigPasswordKey, ""));
    const QByteArray log = Data("ErrorLog.txt");
    EXPECT_EQ(log.count("Config Password"), 2);
    EXPECT_FALSE(log.contains("4L65793Z"));
}

TEST_F(Passwords, TransmitCheckOpensTheSendDialogueAfterTheRightPassword) {
    Store(kTransmitPasswordKey, "676P");
    AskTransmitPassword(c);
    auto& form = c.Setup->VerifyTransmitPasswordForm.get();
    EXPECT_TRUE(form.isVisible());
    form.Password->setText("GO");
    form.OKButton->click();
    EXPECT_EQ(BoxTexts(), QStringList{"Invalid Transmit Password!"});
    EXPECT_FALSE(m.SendingForms.SendingForm.isLoaded());

    form.Password->setText("go");
    form.OKButton->click();
    EXPECT_FALSE(c.Setup->VerifyTransmitPasswordForm.isLoaded());
    // The send dialogue was asked for: with no address it refuses in its own words.
    EXPECT_EQ(BoxTexts().last(), "You have to select minimum one destination address!");
}

// A key as the keyboard gives it, its character included (Ctrl+A: code 1).
void Type(QWidget* to, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(to, &press);
}

TEST_F(Passwords, TransmitFieldsControlKeys) {
    Store(kTransmitPasswordKey, "676P");
    auto& change = c.Setup->TransmitPasswordForm.get();
    change.ShowForm();
    change.OldPassword->setFocus();
    // A control character is dropped, and the focus moves on as the key's target.
    Type(change.OldPassword, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
    EXPECT_EQ(change.focusWidget(), change.NewPassword);
    QTest::keyClicks(change.NewPassword, "ab");
    QTest::keyClick(change.NewPassword, Qt::Key_Backspace);
    EXPECT_EQ(change.NewPassword->text(), "a");
    Type(change.NewPassword, Qt::Key_B, Qt::ControlModifier, QString(QChar(2)));
    EXPECT_EQ(change.focusWidget(), change.ConfirmPassword);
    Type(change.ConfirmPassword, Qt::Key_C, Qt::ControlModifier, QString(QChar(3)));
    EXPECT_EQ(change.focusWidget(), change.OKButton);
    EXPECT_TRUE(change.OldPassword->text().isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());

    // In the check dialog such a key runs OK; Tab keeps its role.
    auto& verify = c.Setup->VerifyTransmitPasswordForm.get();
    verify.ShowForm();
    verify.Password->setText("go");
    QTest::keyClick(verify.Password, Qt::Key_Tab);
    EXPECT_TRUE(c.Setup->VerifyTransmitPasswordForm.isLoaded());
    EXPECT_EQ(verify.Password->text(), "go");
    Type(verify.Password, Qt::Key_E, Qt::ControlModifier, QString(QChar(5)));
    EXPECT_FALSE(c.Setup->VerifyTransmitPasswordForm.isLoaded());
}

TEST(PasswordKeys, WhichKeysTheTransmitFieldsDrop) {
    const struct {
        int key;
        QString text;
        bool dropped;
    } cases[] = {
        {Qt::Key_A, QString(QChar(1)), true},        {Qt::Key_O, QString(QChar(15)), true},
        {Qt::Key_P, QString(QChar(16)), false},      {Qt::Key_Backspace, QString(QChar(8)), false},
        {Qt::Key_Tab, QString(QChar(9)), false},     {Qt::Key_Return, QString(QChar(13)), false},
        {Qt::Key_Enter, QString(QChar(13)), false},  {Qt::Key_A, "a", false},
        {Qt::Key_Escape, QString(QChar(27)), false}, {Qt::Key_Left, "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDiscardedPasswordKey(c.key, c.text), c.dropped) << c.key;
}

}  // namespace
}  // namespace tidepost::test
