#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/AddressBookForm.h"
#include "messages/Messages.h"
#include "support/TestPlatform.h"

using namespace tidepost;

TEST(ContactsMenu, OpensTheAddressBookDialogForTheToField) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    f.gConfiguration.DataPath = platform.DataFolder();
    f.gIniEntries.Items = {{"[addressbook]", platform.DataFolder() + "/addressbook/"}};
    f.gIniEntries.Loaded = true;
    QDir().mkpath(platform.DataFolder() + "/addressbook");
    platform.WriteDataFile("addressbook/address.dat", "Agent:Telex:5:123456:12\r\nOps:Email:7:ops@ship.example\r\n");
    Link link{f};
    Messages m{f, link};
    MainForm form{f, link, &m};

    auto* send = form.findChild<QMenu*>("SendMenu");
    auto* contacts = form.findChild<QAction*>("mnuContacts");
    ASSERT_NE(send, nullptr);
    ASSERT_NE(contacts, nullptr);
    EXPECT_EQ(send->title(), "&Messaging");
    EXPECT_EQ(contacts->text(), "Contacts/Address book");
    EXPECT_TRUE(send->actions().contains(contacts));

    contacts->trigger();
    AddressBookForm* dialog = m.AddressBookForms.AddressBookForm.loaded();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Tag, "TO");
    EXPECT_EQ(dialog->List1->count(), 2);
    EXPECT_EQ(dialog->parentWidget(), &form);  // it stays over the main window
    EXPECT_TRUE(dialog->isVisible());
    m.AddressBookForms.AddressBookForm.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
