#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "foundation/Foundation.h"
#include "foundation/cErrorQueue.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "support/TestPlatform.h"
#include "support/QueuedTexts.h"

namespace tidepost::test {

// A data folder with its address-book folder "addressbook" named by the settings file, and the
// program's state areas up to the messages.
class AddressBookTest : public ::testing::Test {
protected:
    AddressBookTest() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.gIniEntries.Items = {{"[addressbook]", BookFolder() + "/"}};
        f.gIniEntries.Loaded = true;
        QDir().mkpath(BookFolder());
    }

    QString BookFolder() const { return platform.DataFolder() + "/addressbook"; }
    QString BookPath() const { return BookFolder() + "/address.dat"; }
    QString BackupPath() const { return BookFolder() + "/address.bck"; }

    void WriteBook(const QByteArray& bytes) const { platform.WriteDataFile("addressbook/address.dat", bytes); }
    QByteArray BookBytes() const { return platform.ReadDataFile("addressbook/address.dat"); }

    QStringList Queued() {
        QStringList out;
        out << test::DrainErrorQueue(f);
        return out;
    }
    QStringList BoxTexts() const {
        QStringList out;
        for (const MessageBoxRequest& box : platform.Boxes.Shown) out << box.text;
        return out;
    }

    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
};

// The file-error text of the classic numbers 70, 75 and 76 for the unknown file name.
inline const QString kCouldNotOpen =
    "Could not open the file '<Unknown file name>'.\r\nPlease make sure you have write access to this directory "
    "and file, and that the file is not opened by another process.";

}  // namespace tidepost::test
