#pragma once
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "AddressBookFixture.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookForm.h"
#include "messages/AddressBookWindows.h"
#include "messages/AddressCard.h"
#include "messages/AddressCardRoutines.h"
#include "messages/AddressListForm.h"
#include "messages/IMessageEditor.h"
#include "support/FakeMessageEditor.h"
#include "support/FakeMessagesWindow.h"

namespace tidepost::test {

// A double click as the window system delivers it: a click, then the second press as a double
// click, then its release.
inline void DoubleClick(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    QTest::mouseClick(widget, button, modifiers, at);
    QTest::mouseDClick(widget, button, modifiers, at);
}

inline AddressEntry Entry(const QString& name, int type, int format, const QString& address,
                          const QString& member = {}) {
    return {name, static_cast<std::int16_t>(type), static_cast<std::int16_t>(format), address, member};
}

// The address book with its real windows, the editor's fields and the main window's views; the
// windows are never shown to the screen (offscreen platform) and go with the fixture.
class AddressWindowsTest : public AddressBookTest {
protected:
    AddressWindowsTest() {
        m.AddressBookWindows = &m.AddressBookForms;
        m.Editor = &editor;
        m.Window = &views;
    }
    ~AddressWindowsTest() override {
        m.AddressBookForms.AddressCard.unload();
        m.AddressBookForms.AddressBookForm.unload();
        m.AddressBookForms.AddressListForm.unload();
        DeleteUnloaded();
    }

    // Windows let go by their unload are deleted once the event loop runs; a test has none.
    static void DeleteUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    AddressCard* Card() { return m.AddressBookForms.AddressCard.loaded(); }
    AddressBookForm* Dialog() { return m.AddressBookForms.AddressBookForm.loaded(); }

    // The book and its file hold these entries.
    void Book(const QList<AddressEntry>& entries) {
        m.AddressBookEntries = entries;
        WriteAddressBookFile(m);
    }
    QStringList Names(const QListWidget* list) const {
        QStringList names;
        for (int row = 0; row < list->count(); ++row) names << list->item(row)->text();
        return names;
    }
    QString BookText() const { return QString::fromLatin1(BookBytes()); }

    FakeMessageEditor editor;
    FakeMessagesWindow views;
};

}  // namespace tidepost::test
